#include "frame/control_look_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "frame/dialog_template.h"
#include "frame/dialog_appearance_win.h"
#include "frame/dpi_win.h"
#include "frame/resource_modules_win.h"
#include "frame/subclass_win.h"
#include "frame_ids.h"

namespace scrv {
namespace {

// One identifier per kind of subclass (a chain keys them by procedure and number).
constexpr UINT_PTR kLookSubclass = 0x5C4C;
// The longest clipboard text a numeric edit looks at.
constexpr size_t kPasteLimit = 4096;

bool ClassIs(HWND hwnd, const wchar_t* name) {
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  return lstrcmpiW(cls, name) == 0;
}

// A rectangle framed in `frame` and filled with `fill`.
void FrameFill(HDC dc, RECT rc, COLORREF frame, COLORREF fill) {
  SetDCBrushColor(dc, frame);
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  InflateRect(&rc, -1, -1);
  SetDCBrushColor(dc, fill);
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FillColor(HDC dc, const RECT& rc, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// Text in the control's font, transparent, in `color`; `format` takes DrawTextW's flags.
void DrawLabel(HWND control, HDC dc, const std::wstring& text, RECT rc, COLORREF color,
               UINT format) {
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  const LRESULT ui = SendMessageW(control, WM_QUERYUISTATE, 0, 0);
  if (ui & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
  SelectObject(dc, old);
}

// A small triangle pointing down, centred in `rc`.
void DrawDropArrow(HDC dc, const RECT& rc, COLORREF color) {
  const int w = std::max<int>(3, (rc.right - rc.left) / 4);
  const int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2 - w / 4;
  SetDCBrushColor(dc, color);
  for (int row = 0; row <= w / 2 + 1; ++row) {
    RECT line = {cx - w / 2 + row, cy + row, cx + w / 2 - row + 1, cy + row + 1};
    if (line.right > line.left) FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
}

// Numeric edits: pasted text keeps its digits only, and the edit says why the rest is gone.
void PasteDigits(HWND edit) {
  std::wstring text;
  if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(edit)) {
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
        const size_t units = GlobalSize(data) / sizeof(wchar_t);
        text.assign(p, std::find(p, p + std::min(units, kPasteLimit), L'\0'));
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
  }
  std::wstring digits;
  for (wchar_t c : text)
    if (c >= L'0' && c <= L'9') digits += c;
  if (!digits.empty())
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(digits.c_str()));
  if (digits.size() == text.size()) return;
  MessageBeep(MB_OK);
  const std::wstring title = LoadResString(IDS_DIGITS_ONLY_TITLE);
  const std::wstring why = LoadResString(IDS_DIGITS_ONLY_PASTED);
  EDITBALLOONTIP tip = {sizeof tip, title.c_str(), why.c_str(), TTI_INFO};
  SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
}

LRESULT CALLBACK NumericEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  if (msg == WM_PASTE) {
    if (!(GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY)) PasteDigits(hwnd);
    return 0;
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

// Push buttons: the whole button is drawn here.
void PaintPushButton(HWND button, HDC dc) {
  RECT rc;
  GetClientRect(button, &rc);
  const LONG style = GetWindowLongW(button, GWL_STYLE);
  const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
  const bool enabled = IsWindowEnabled(button);
  const bool pushed = (state & BST_PUSHED) != 0;
  const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  DrawDarkButtonFace(dc, rc, pushed, isDefault && enabled);
  RECT body = rc;
  InflateRect(&body, -1, -1);
  RECT text = body;
  if (pushed) OffsetRect(&text, 1, 1);
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (style & BS_MULTILINE) format = DT_CENTER | DT_WORDBREAK;
  DrawLabel(button, dc, GetWindowTextString(button), text,
            enabled ? kDarkTextColor : kDarkDisabledTextColor, format);
  if (GetFocus() == button && !(SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    RECT focus = body;
    InflateRect(&focus, -3, -3);
    SetTextColor(dc, kDarkTextColor);
    SetBkColor(dc, kDarkButtonColor);
    DrawFocusRect(dc, &focus);
  }
}

// Drop-down combo boxes: the platform paints the field in the parent's colours; the frame and
// the drop-down button are drawn over here.
void OverpaintCombo(HWND combo) {
  COMBOBOXINFO info = {sizeof info};
  if (!GetComboBoxInfo(combo, &info)) return;
  HDC dc = GetDC(combo);
  RECT rc;
  GetClientRect(combo, &rc);
  const bool enabled = IsWindowEnabled(combo);
  SetDCBrushColor(dc, kDarkBorderColor);
  FrameRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  RECT inner = rc;
  InflateRect(&inner, -1, -1);
  SetDCBrushColor(dc, enabled ? kDarkBackgroundColor : kDarkFaceColor);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  RECT button = info.rcButton;
  if (button.right > button.left) {
    button.top = inner.top;
    button.bottom = inner.bottom;
    button.right = inner.right;
    FillColor(dc, button,
              info.stateButton & STATE_SYSTEM_PRESSED ? kDarkPressedColor : kDarkButtonColor);
    DrawDropArrow(dc, button, enabled ? kDarkTextColor : kDarkDisabledTextColor);
  }
  ReleaseDC(combo, dc);
}

LRESULT CALLBACK ComboProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (HighContrastOn()) return DefSubclass(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN: {
      const LRESULT r = DefSubclass(hwnd, msg, wParam, lParam);
      OverpaintCombo(hwnd);
      return r;
    }
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

// List-view headers: items and the empty rest painted here.
void PaintHeader(HWND header, HDC dc) {
  RECT client;
  GetClientRect(header, &client);
  FillColor(dc, client, kDarkHeaderColor);
  const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT rc = {};
    if (!SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i),
                      reinterpret_cast<LPARAM>(&rc)))
      continue;
    wchar_t text[260] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    RECT divider = {rc.right - 1, rc.top + 2, rc.right, rc.bottom - 2};
    FillColor(dc, divider, kDarkBorderColor);
    RECT label = {rc.left + 6, rc.top, rc.right - 6, rc.bottom};
    UINT align = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                 : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                              : DT_LEFT;
    DrawLabel(header, dc, text, label,
              IsWindowEnabled(header) ? kDarkTextColor : kDarkDisabledTextColor,
              align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  RECT bottom = {client.left, client.bottom - 1, client.right, client.bottom};
  FillColor(dc, bottom, kDarkBorderColor);
}

// Tab controls: the row of tabs and the frame of the page area painted here.
void PaintTabs(HWND tab, HDC dc) {
  RECT client;
  GetClientRect(tab, &client);
  FillColor(dc, client, kDarkFaceColor);
  RECT body = client;
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
  InflateRect(&body, 3, 3);
  SetDCBrushColor(dc, kDarkBorderColor);
  FrameRect(dc, &body, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
  const int current = static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT rc = {};
    if (!SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc)))
      continue;
    if (i == current) InflateRect(&rc, 2, 2);
    FrameFill(dc, rc, i == current ? kDarkAccentColor : kDarkBorderColor,
              i == current ? kDarkButtonColor : kDarkHeaderColor);
    wchar_t text[260] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    DrawLabel(tab, dc, text, rc, kDarkTextColor, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (i == current && GetFocus() == tab &&
        !(SendMessageW(tab, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
      InflateRect(&rc, -3, -3);
      SetTextColor(dc, kDarkTextColor);
      SetBkColor(dc, kDarkButtonColor);
      DrawFocusRect(dc, &rc);
    }
  }
}

// How a control painted by PaintedProc is painted.
enum PaintedHow : unsigned {
  kDarkOnly = 0,          // in the dark theme only; in high contrast the platform paints it
  kHighContrastToo = 1,   // also in high contrast, in the system colours
  kInPlace = 2,           // straight on screen, where a control paints only part of its client
};

// A control painted wholly by `Paint`. The subclass's data says whether it was prepared for the
// dark theme: a control prepared in high contrast is left to the platform once that is off.
template <void (*Paint)(HWND, HDC), unsigned kHow = kDarkOnly>
LRESULT CALLBACK PaintedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR dark) {
  const bool paints = HighContrastOn() ? (kHow & kHighContrastToo) != 0 : dark != 0;
  if (!paints) return DefSubclass(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (kHow & kInPlace) {
        Paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
      }
      // Painted off screen first: a header, tab row or button redrawn must not flicker.
      RECT rc;
      GetClientRect(hwnd, &rc);
      HDC mem = CreateCompatibleDC(dc);
      HBITMAP bmp = CreateCompatibleBitmap(dc, std::max(1L, rc.right), std::max(1L, rc.bottom));
      HGDIOBJ old = SelectObject(mem, bmp);
      Paint(hwnd, mem);
      BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteObject(bmp);
      DeleteDC(mem);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(hwnd, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE: {
      // A button draws its new state straight away, in its platform look: draw it again.
      const LRESULT r = DefSubclass(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

// Group boxes: the frame and the caption on the face, painted in place (a group box paints no
// interior: the controls inside it are its siblings). In the dark theme in its colours; in high
// contrast in the system's, which a caption drawn by a visual style that is still in effect would
// not take.
void PaintGroupBox(HWND box, HDC dc) {
  const bool contrast = HighContrastOn();
  const bool enabled = IsWindowEnabled(box);
  const COLORREF face = contrast ? GetSysColor(COLOR_BTNFACE) : kDarkFaceColor;
  const COLORREF frameColour = contrast ? GetSysColor(COLOR_BTNTEXT) : kDarkBorderColor;
  const COLORREF textColour = contrast ? GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT)
                                       : enabled ? kDarkTextColor
                                                 : kDarkDisabledTextColor;
  RECT rc;
  GetClientRect(box, &rc);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  RECT frame = rc;
  frame.top += tm.tmHeight / 2;
  SetDCBrushColor(dc, frameColour);
  FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  const std::wstring text = GetWindowTextString(box);
  RECT label = {rc.left + 7, rc.top, rc.right - 7, rc.top + tm.tmHeight};
  RECT extent = label;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_SINGLELINE | DT_CALCRECT);
  SelectObject(dc, old);
  if (text.empty()) return;
  label.right = std::min(label.right, extent.right + 2);
  FillColor(dc, {label.left - 2, label.top, label.right, label.bottom}, face);
  DrawLabel(box, dc, text, label, textColour, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

// List views: a disabled list shows the face and grey text, as a disabled edit does, instead of
// looking as if it took input. `dark` rides along as the subclass's data.
void ShowListEnabled(HWND list, bool dark) {
  dark = dark && !HighContrastOn();
  const bool enabled = IsWindowEnabled(list);
  COLORREF back = dark ? kDarkBackgroundColor : GetSysColor(COLOR_WINDOW);
  COLORREF text = dark ? kDarkTextColor : GetSysColor(COLOR_WINDOWTEXT);
  if (!enabled) {
    back = dark ? kDarkFaceColor : GetSysColor(COLOR_BTNFACE);
    text = dark ? kDarkDisabledTextColor : GetSysColor(COLOR_GRAYTEXT);
  }
  SendMessageW(list, LVM_SETBKCOLOR, 0, back);
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, back);
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, text);
  InvalidateRect(list, nullptr, TRUE);
}

// The colours a dark list or tree was given are taken back while high contrast is on, and
// given again once it is off: checked as it paints.
bool DarkColoursDue(COLORREF background, bool dark) {
  const bool dueDark = dark && !HighContrastOn();
  const bool isDark = background == kDarkBackgroundColor || background == kDarkFaceColor;
  return dueDark != isDark;
}

// Trees: the dark list colours, the face and grey text while disabled; the system's in high
// contrast.
void ShowTreeEnabled(HWND tree) {
  const bool dark = !HighContrastOn();
  const bool enabled = IsWindowEnabled(tree);
  SendMessageW(tree, TVM_SETBKCOLOR, 0,
               !dark ? CLR_NONE : enabled ? kDarkBackgroundColor : kDarkFaceColor);
  SendMessageW(tree, TVM_SETTEXTCOLOR, 0,
               !dark ? CLR_NONE : enabled ? kDarkTextColor : kDarkDisabledTextColor);
  SendMessageW(tree, TVM_SETLINECOLOR, 0, dark ? kDarkBorderColor : CLR_DEFAULT);
}

LRESULT CALLBACK TreeLookProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  if (msg == WM_PAINT &&
      DarkColoursDue(static_cast<COLORREF>(SendMessageW(hwnd, TVM_GETBKCOLOR, 0, 0)), true))
    ShowTreeEnabled(hwnd);
  if (msg == WM_ENABLE) {
    const LRESULT r = DefSubclass(hwnd, msg, wParam, lParam);
    ShowTreeEnabled(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
    return r;
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK ListEnableProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR dark) {
  if (msg == WM_PAINT && dark &&
      DarkColoursDue(static_cast<COLORREF>(SendMessageW(hwnd, LVM_GETBKCOLOR, 0, 0)), true))
    ShowListEnabled(hwnd, true);
  if (msg == WM_ENABLE) {
    const LRESULT r = DefSubclass(hwnd, msg, wParam, lParam);
    ShowListEnabled(hwnd, dark != 0);
    return r;
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

// Check boxes and radio buttons without room for their caption (one of a grid under column
// headings): the platform draws the focus around the caption, which here has no room, so the
// focus is drawn around the box. `dark` rides along as the subclass's data.
LRESULT CALLBACK BoxFocusProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR dark) {
  switch (msg) {
    case WM_PAINT: {
      const LRESULT r = DefSubclass(hwnd, msg, wParam, lParam);
      if (GetFocus() == hwnd && !(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        HDC dc = GetDC(hwnd);
        RECT rc;
        GetClientRect(hwnd, &rc);
        const bool darkNow = dark && !HighContrastOn();
        SetTextColor(dc, darkNow ? kDarkTextColor : GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, darkNow ? kDarkFaceColor : GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &rc);
        ReleaseDC(hwnd, dc);
      }
      return r;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
      const LRESULT r = DefSubclass(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

void PrepareBoxOnly(HWND button, bool dark) {
  SetSubclass(button, BoxFocusProc, kLookSubclass + 1, dark);
}

// A check box's or radio button's type of button.
bool IsBoxType(LONG type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
         type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// A check box or radio button no wider than the template's box-only width.
bool IsBoxOnlyWindow(HWND button, LONG type) {
  if (!IsBoxType(type)) return false;
  RECT units = {0, 0, kBoxOnlyWidth, 0}, rc;
  MapDialogRect(GetParent(button), &units);
  GetWindowRect(button, &rc);
  return rc.right - rc.left <= units.right && GetWindowTextLengthW(button) > 0;
}

// Check boxes and radio buttons: the box or circle, its mark and the caption painted here, in
// the dark colours, or in high contrast in the system's (where a visual style left in effect
// would draw a light box whatever the scheme); a disabled one dims its frame and mark as its
// caption. A box without room for its caption draws none, and BoxFocusProc shows its focus.
void PaintCheckBox(HWND button, HDC dc) {
  const bool system = HighContrastOn();
  const COLORREF face = system ? GetSysColor(COLOR_BTNFACE) : kDarkFaceColor;
  const COLORREF ink = system ? GetSysColor(COLOR_BTNTEXT) : kDarkTextColor;
  const COLORREF dim = system ? GetSysColor(COLOR_GRAYTEXT) : kDarkDisabledTextColor;
  RECT rc;
  GetClientRect(button, &rc);
  FillColor(dc, rc, face);
  const LONG style = GetWindowLongW(button, GWL_STYLE);
  const LONG type = style & BS_TYPEMASK;
  const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
  const bool enabled = IsWindowEnabled(button);
  const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
  const int dpi = static_cast<int>(WindowDpi(button));
  const int size = MulDiv(13, dpi, 96), gap = MulDiv(4, dpi, 96);
  RECT box = {rc.left, (rc.top + rc.bottom - size) / 2, rc.left + size, 0};
  box.bottom = box.top + size;
  if (radio) {
    const COLORREF mark = enabled ? ink : dim;
    const COLORREF frame = system ? mark : enabled ? kDarkCheckFrameColor : kDarkBorderColor;
    const COLORREF fill = system     ? GetSysColor(COLOR_WINDOW)
                          : !enabled ? kDarkFaceColor
                          : state & BST_PUSHED ? kDarkPressedColor
                                               : kDarkBackgroundColor;
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, frame);
    SetDCBrushColor(dc, fill);
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
    if (state & BST_CHECKED) {
      const int inset = size * 3 / 10;
      SetDCPenColor(dc, mark);
      SetDCBrushColor(dc, mark);
      Ellipse(dc, box.left + inset, box.top + inset, box.right - inset, box.bottom - inset);
    }
  } else {
    const BoxMark mark = state & BST_INDETERMINATE ? BoxMark::kMixed
                         : state & BST_CHECKED     ? BoxMark::kChecked
                                                   : BoxMark::kNone;
    DrawCheckSquare(dc, box, mark, enabled, (state & BST_PUSHED) != 0, dpi, system);
  }
  if (IsBoxOnlyWindow(button, type)) return;
  const std::wstring caption = GetWindowTextString(button);
  RECT text = {box.right + gap, rc.top, rc.right, rc.bottom};
  UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  if (style & BS_MULTILINE) {
    // Several lines are centred by hand: DrawTextW centres one line only.
    RECT need = text;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &need,
              DT_WORDBREAK | DT_CALCRECT);
    OffsetRect(&text, 0, std::max(0L, ((rc.bottom - rc.top) - (need.bottom - need.top)) / 2));
    format = DT_LEFT | DT_WORDBREAK;
  }
  DrawLabel(button, dc, caption, text, enabled ? ink : dim, format);
  if (GetFocus() == button && !(SendMessageW(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    RECT focus = text;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &focus,
              (format & ~DT_VCENTER) | DT_CALCRECT);
    SelectObject(dc, old);
    const int height = focus.bottom - focus.top;
    focus.top = (style & BS_MULTILINE) ? text.top : (rc.top + rc.bottom - height) / 2;
    focus.bottom = focus.top + height;
    focus.left -= 1;
    focus.right = std::min(focus.right + 1, rc.right);
    SetTextColor(dc, ink);
    SetBkColor(dc, face);
    DrawFocusRect(dc, &focus);
  }
}

// Group boxes paint no interior (the controls inside are their siblings): painted in place.
constexpr SUBCLASSPROC kGroupBoxProc = PaintedProc<PaintGroupBox, kHighContrastToo | kInPlace>;
constexpr SUBCLASSPROC kCheckBoxProc = PaintedProc<PaintCheckBox, kHighContrastToo>;

void PrepareDark(HWND control) {
  wchar_t cls[32] = {};
  GetClassNameW(control, cls, 32);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  if (lstrcmpiW(cls, L"Button") == 0) {
    const LONG type = style & BS_TYPEMASK;
    if (style & (BS_ICON | BS_BITMAP) || type == BS_OWNERDRAW) return;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
      SetSubclass(control, PaintedProc<PaintPushButton>, kLookSubclass, true);
    else if (type == BS_GROUPBOX)
      SetSubclass(control, kGroupBoxProc, kLookSubclass, true);
    else if (style & BS_PUSHLIKE)
      SetWindowTheme(control, L"", L"");
    else  // check boxes and radio buttons
      SetSubclass(control, kCheckBoxProc, kLookSubclass, true);
    if (IsBoxOnlyWindow(control, type)) PrepareBoxOnly(control, true);
  } else if (lstrcmpiW(cls, L"ComboBox") == 0) {
    if ((style & 3) == CBS_SIMPLE) return;
    SetWindowTheme(control, L"", L"");
    SetSubclass(control, ComboProc, kLookSubclass, 0);
  } else if (lstrcmpiW(cls, WC_LISTVIEWW) == 0) {
    ShowListEnabled(control, true);
    if (auto header = reinterpret_cast<HWND>(SendMessageW(control, LVM_GETHEADER, 0, 0)))
      SetSubclass(header, PaintedProc<PaintHeader>, kLookSubclass, true);
  } else if (lstrcmpiW(cls, WC_TREEVIEWW) == 0) {
    ShowTreeEnabled(control);
    SetSubclass(control, TreeLookProc, kLookSubclass, 0);
  } else if (lstrcmpiW(cls, WC_TABCONTROLW) == 0) {
    SetSubclass(control, PaintedProc<PaintTabs>, kLookSubclass, true);
  } else if (lstrcmpiW(cls, TRACKBAR_CLASSW) == 0) {
    SetWindowTheme(control, L"", L"");
  }
}

}  // namespace

void DrawCheckSquare(HDC dc, const RECT& box, BoxMark mark, bool enabled, bool pushed, int dpi,
                     bool system) {
  const COLORREF dim = system ? GetSysColor(COLOR_GRAYTEXT) : kDarkDisabledTextColor;
  const COLORREF text = system ? GetSysColor(COLOR_WINDOWTEXT) : kDarkTextColor;
  const COLORREF frame = system ? (enabled ? text : dim)
                                : (enabled ? kDarkCheckFrameColor : kDarkBorderColor);
  const COLORREF fill = system    ? GetSysColor(COLOR_WINDOW)
                        : !enabled ? kDarkFaceColor
                        : pushed   ? kDarkPressedColor
                                   : kDarkBackgroundColor;
  const COLORREF ink = enabled ? text : dim;
  const int size = box.right - box.left;
  FrameFill(dc, box, frame, fill);
  if (mark == BoxMark::kMixed) {
    RECT square = box;
    InflateRect(&square, -size / 4, -size / 4);
    FillColor(dc, square, ink);
  } else if (mark == BoxMark::kChecked) {
    // A tick from the left third down to the bottom and up to the top right.
    const auto at = [&](int x, int y) {
      return POINT{box.left + MulDiv(x, size, 13), box.top + MulDiv(y, size, 13)};
    };
    const POINT tick[] = {at(3, 6), at(5, 9), at(10, 3)};
    HPEN pen = CreatePen(PS_SOLID, std::max(1, MulDiv(2, dpi, 96)), ink);
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, tick, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
  }
}

void DrawDarkButtonFace(HDC dc, const RECT& rect, bool pushed, bool accent) {
  FillColor(dc, rect, kDarkFaceColor);
  RECT body = rect;
  InflateRect(&body, -1, -1);
  FrameFill(dc, body, accent ? kDarkAccentColor : kDarkBorderColor,
            pushed ? kDarkPressedColor : kDarkButtonColor);
}

namespace {

// Sliders: the channel and the thumb in the frame colours of a check box (dimmed when
// disabled) on the dark list colours; the ticks are the platform's.
bool SliderCustomDraw(NMCUSTOMDRAW& draw, LRESULT& result) {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
      result = CDRF_NOTIFYITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT: {
      const bool enabled = IsWindowEnabled(draw.hdr.hwndFrom);
      const COLORREF frame = enabled ? kDarkCheckFrameColor : kDarkBorderColor;
      if (draw.dwItemSpec == TBCD_CHANNEL)
        FrameFill(draw.hdc, draw.rc, frame, enabled ? kDarkBackgroundColor : kDarkFaceColor);
      else if (draw.dwItemSpec == TBCD_THUMB)
        FrameFill(draw.hdc, draw.rc, frame, enabled ? kDarkButtonColor : kDarkFaceColor);
      result = draw.dwItemSpec == TBCD_TICS ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
      return true;
    }
  }
  return false;
}

}  // namespace

bool DarkCustomDraw(NMHDR& header, LRESULT& result) {
  if (header.code != NM_CUSTOMDRAW || HighContrastOn()) return false;
  if (ClassIs(header.hwndFrom, TRACKBAR_CLASSW))
    return SliderCustomDraw(reinterpret_cast<NMCUSTOMDRAW&>(header), result);
  const bool tree = ClassIs(header.hwndFrom, WC_TREEVIEWW);
  if (!tree && !ClassIs(header.hwndFrom, WC_LISTVIEWW)) return false;
  auto& draw = reinterpret_cast<NMCUSTOMDRAW&>(header);
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
      result = CDRF_NOTIFYITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT: {
      if (GetFocus() != header.hwndFrom) {
        // A list view's rows are numbered, a tree's items are handles.
        const bool selected =
            tree ? (SendMessageW(header.hwndFrom, TVM_GETITEMSTATE, draw.dwItemSpec,
                                 TVIS_SELECTED) &
                    TVIS_SELECTED) != 0
                 : SendMessageW(header.hwndFrom, LVM_GETITEMSTATE, draw.dwItemSpec,
                                LVIS_SELECTED) != 0;
        if (selected) {
          draw.uItemState &= ~CDIS_SELECTED;
          if (tree) {
            reinterpret_cast<NMTVCUSTOMDRAW&>(header).clrText = kDarkTextColor;
            reinterpret_cast<NMTVCUSTOMDRAW&>(header).clrTextBk = kDarkPressedColor;
          } else {
            reinterpret_cast<NMLVCUSTOMDRAW&>(header).clrText = kDarkTextColor;
            reinterpret_cast<NMLVCUSTOMDRAW&>(header).clrTextBk = kDarkPressedColor;
          }
        }
      }
      result = CDRF_DODEFAULT;
      return true;
    }
  }
  return false;
}

namespace {

void PrepareNumericEdit(HWND edit) {
  if (GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER)
    SetSubclass(edit, NumericEditProc, kLookSubclass, 0);
}

void PrepareList(HWND list, bool dark) {
  SetSubclass(list, ListEnableProc, kLookSubclass, dark);
  if (!IsWindowEnabled(list)) ShowListEnabled(list, dark);
}

}  // namespace

namespace {

// What one child needs in the dark theme, or in high contrast (`dark` off): there the visual
// styles are off, where a style's own text colours would ignore the system's, so every control
// takes the classic look in the system colours, and group boxes, check boxes and radio buttons
// are painted here in them (a style the platform leaves in effect all the same would draw their
// boxes light on any scheme).
void PrepareChild(HWND child, bool dark) {
  if (ClassIs(child, L"Edit")) PrepareNumericEdit(child);
  if (ClassIs(child, WC_LISTVIEWW)) PrepareList(child, dark);
  if (dark) {
    PrepareDark(child);
    return;
  }
  SetWindowTheme(child, L"", L"");
  if (!ClassIs(child, L"Button")) return;
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  const LONG type = style & BS_TYPEMASK;
  if (type == BS_GROUPBOX) SetSubclass(child, kGroupBoxProc, kLookSubclass, false);
  if (IsBoxType(type) && !(style & (BS_ICON | BS_BITMAP | BS_PUSHLIKE)))
    SetSubclass(child, kCheckBoxProc, kLookSubclass, false);
  if (IsBoxOnlyWindow(child, type)) PrepareBoxOnly(child, false);
}

}  // namespace

void PrepareControls(HWND parent, bool dark) {
  if (!dark && !HighContrastOn()) {
    // Only edits and lists need anything in the light theme: finding them by class costs one
    // look-up per control found, where a walk costs one per child.
    for (HWND edit = nullptr; (edit = FindWindowExW(parent, edit, L"Edit", nullptr));)
      PrepareNumericEdit(edit);
    for (HWND list = nullptr; (list = FindWindowExW(parent, list, WC_LISTVIEWW, nullptr));)
      PrepareList(list, false);
    return;
  }
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    PrepareChild(child, dark);
}

void PrepareDialogControls(HWND dialog, UINT templateId, bool dark,
                           const std::function<HWND(int)>& lookup) {
  std::optional<std::vector<PreparedControl>> declared;
  if (!dark && !HighContrastOn()) {
    // The template tells which controls need anything, where a search by class would not.
    if (std::optional<DialogTemplateText> text =
            ReadTemplateText(Module().resourceModule, templateId))
      declared = ControlsToPrepare(*text);
  }
  if (!declared) {
    PrepareControls(dialog, dark);
    return;
  }
  for (const PreparedControl& c : *declared) {
    HWND control = lookup(static_cast<int>(c.id));
    if (!control) continue;
    if (c.listView)
      PrepareList(control, false);
    else if (c.boxOnly)
      PrepareBoxOnly(control, false);
    else
      PrepareNumericEdit(control);
  }
}

void PrepareTooltip(HWND tip) {
  if (!tip || !IsDarkTheme()) return;
  SetWindowTheme(tip, L"", L"");
  SendMessageW(tip, TTM_SETTIPBKCOLOR, kDarkButtonColor, 0);
  SendMessageW(tip, TTM_SETTIPTEXTCOLOR, kDarkTextColor, 0);
}

void DarkenCaption(HWND window) {
  using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const auto setAttribute = [] {
    HMODULE dwm = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return dwm ? reinterpret_cast<SetAttributeFn>(
                     reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")))
               : nullptr;
  }();
  constexpr DWORD kImmersiveDarkMode = 20;  // DWMWA_USE_IMMERSIVE_DARK_MODE
  const BOOL on = TRUE;
  if (setAttribute) setAttribute(window, kImmersiveDarkMode, &on, sizeof on);
}

void PaintDarkGrip(HDC dc, const RECT& rect) {
  const int size = std::min(rect.right - rect.left, rect.bottom - rect.top);
  const int dot = std::max(2, size / 8), step = std::max(3, size / 4);
  SetDCBrushColor(dc, kDarkBorderColor);
  // Three rows of dots in the corner, one, two and three long.
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col <= row; ++col) {
      const int right = rect.right - 1 - (row - col) * step, bottom = rect.bottom - 1 - col * step;
      RECT d = {right - dot, bottom - dot, right, bottom};
      FillRect(dc, &d, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
}

DarkFace::~DarkFace() {
  if (face_) DeleteObject(face_);
  if (edit_) DeleteObject(edit_);
}

bool DarkFace::OnCtlColor(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg < WM_CTLCOLORMSGBOX || msg > WM_CTLCOLORSTATIC) return false;
  if (HighContrastOn()) return false;  // the system's colours
  auto dc = reinterpret_cast<HDC>(wParam);
  if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX ||
      (msg == WM_CTLCOLORSTATIC && ClassIs(reinterpret_cast<HWND>(lParam), L"Edit"))) {
    if (!edit_) edit_ = CreateSolidBrush(kDarkBackgroundColor);
    SetTextColor(dc, IsWindowEnabled(reinterpret_cast<HWND>(lParam)) ? kDarkTextColor
                                                                     : kDarkDisabledTextColor);
    SetBkColor(dc, kDarkBackgroundColor);
    result = reinterpret_cast<LRESULT>(edit_);
    return true;
  }
  if (!face_) face_ = CreateSolidBrush(kDarkFaceColor);
  // A disabled label, check box or radio button looks disabled.
  SetTextColor(dc, IsWindowEnabled(reinterpret_cast<HWND>(lParam)) ? kDarkTextColor
                                                                   : kDarkDisabledTextColor);
  SetBkColor(dc, kDarkFaceColor);
  result = reinterpret_cast<LRESULT>(face_);
  return true;
}

void DarkFace::Fill(HDC dc, const RECT& rect) {
  if (HighContrastOn()) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  if (!face_) face_ = CreateSolidBrush(kDarkFaceColor);
  FillRect(dc, &rect, face_);
}

}  // namespace scrv
