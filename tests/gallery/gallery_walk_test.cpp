// Every dialog and page of the gallery, opened through its export with the gallery's sample
// data, in the light and in the dark theme, held to the rules a user of a screen reader, of the
// keyboard alone or of a dark desktop depends on. Each rule is a row of one table; the walk
// prints, per dialog, how many findings each rule has, and fails on any.
//   name      every control a user can reach has a name by the platform's rule (its own caption
//             for buttons, check boxes and radio buttons, else the label just before it),
//             not blank, at most 512 characters, without its control type and without
//             private-use characters;
//   unique    no two reachable siblings share name and type;
//   geometry  every visible control is at least 25 square pixels, lies inside its parent, and
//             none covers another visible one completely;
//   fit       the caption of every static, button, check box, radio button and group box, and
//             every column heading of a list, fits the room the control gives it, in the
//             control's own font;
//   screen    the whole dialog fits the work area of a 1366x768 screen at 125 % with its
//             taskbar (1366x728 at 120 DPI; in proportion at other DPIs);
//   keyboard  Tab visits every enabled tab stop once, in reading order, never stays put, and
//             the control it reaches shows the focus; no two mnemonics of a dialog (with its
//             page) share a letter;
//   colours   in the dark theme no control, nor the face around them, paints the light face;
//             in high contrast (over the dark setting) nothing paints the dark theme's colours;
//             in both, the caption of every group box, check box and radio button shows on
//             the face, and in high contrast their boxes are in the window colour.
// The same walk runs at 144 DPI in a prefix of its own, and with the pseudo-localised language
// (texts 40 % longer) from the test copy of the program folder (see cmake/win64.cmake).
// SCRV_WALK_RULES=fit,screen runs only the rules it names; SCRV_WALK_FILTER=Toolbars only the
// entries whose title contains the text.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "frame/dialog_appearance.h"
#include "host_app.h"
#include "scrvdlgs_api.h"
#include "test_support.h"

namespace {

using testing_support::NestedDialogs;
using testing_support::PumpMessages;
using testing_support::RunDialog;


std::wstring ClassOf(HWND w) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  return cls;
}

std::wstring TextOf(HWND w) {
  const int n = GetWindowTextLengthW(w);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), n + 1)));
  return text;
}

std::string Narrow(const std::wstring& w) {
  std::string out;
  for (wchar_t c : w) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

LONG StyleOf(HWND w) { return GetWindowLongW(w, GWL_STYLE); }
LONG ButtonType(HWND w) { return StyleOf(w) & BS_TYPEMASK; }
bool IsGroupBox(HWND w) { return ClassOf(w) == L"Button" && ButtonType(w) == BS_GROUPBOX; }

// The dialog and, for a property sheet, its current page: the windows whose children a user
// sees.
std::vector<HWND> Surfaces(HWND dlg) {
  std::vector<HWND> out = {dlg};
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (ClassOf(c) == L"#32770" && IsWindowVisible(c)) out.push_back(c);
  return out;
}

// The visible controls of a surface, in z-order (the dialog's own order), pages left out.
std::vector<HWND> Controls(HWND surface) {
  std::vector<HWND> out;
  for (HWND c = GetWindow(surface, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c) && ClassOf(c) != L"#32770") out.push_back(c);
  return out;
}

std::string Describe(HWND c) {
  return Narrow(ClassOf(c)) + " " + std::to_string(GetDlgCtrlID(c)) + " \"" +
         Narrow(TextOf(c)).substr(0, 40) + "\"";
}

RECT ScreenRect(HWND w) {
  RECT rc;
  GetWindowRect(w, &rc);
  return rc;
}

RECT ClientOnScreen(HWND w) {
  RECT rc;
  GetClientRect(w, &rc);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

long Area(const RECT& rc) {
  return std::max(0L, static_cast<long>(rc.right - rc.left)) *
         std::max(0L, static_cast<long>(rc.bottom - rc.top));
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// ---------------------------------------------------------------------------------------------
// What a screen reader reads

// A control the user can reach with the keyboard or the mouse and that takes input.
bool Focusable(HWND c) {
  const std::wstring cls = ClassOf(c);
  if (cls == L"Button") return ButtonType(c) != BS_GROUPBOX;
  return cls == L"Edit" || cls == L"ComboBox" || cls == WC_LISTVIEWW || cls == WC_TREEVIEWW ||
         cls == TRACKBAR_CLASSW || cls == L"ListBox" || cls == WC_TABCONTROLW;
}

// The control's type as a screen reader says it: two focusable siblings may share a name only
// when their types differ, and a name must not repeat the type.
std::wstring ControlType(HWND c) {
  const std::wstring cls = ClassOf(c);
  if (cls == L"Button") {
    const LONG t = ButtonType(c);
    if (t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE)
      return L"check box";
    if (t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON) return L"radio button";
    return L"button";
  }
  if (cls == L"Edit") return L"edit";
  if (cls == L"ComboBox") return L"combo box";
  if (cls == WC_LISTVIEWW || cls == L"ListBox") return L"list";
  if (cls == WC_TREEVIEWW) return L"tree";
  if (cls == TRACKBAR_CLASSW) return L"slider";
  if (cls == WC_TABCONTROLW) return L"tab";
  return cls;
}

bool IsLabel(HWND w) {
  if (ClassOf(w) != L"Static") return false;
  const LONG type = StyleOf(w) & SS_TYPEMASK;
  return type != SS_ICON && type != SS_BITMAP && type != SS_ETCHEDHORZ && type != SS_ETCHEDVERT &&
         type != SS_ETCHEDFRAME && type != SS_BLACKRECT && type != SS_GRAYRECT &&
         type != SS_WHITERECT && type != SS_BLACKFRAME && type != SS_GRAYFRAME &&
         type != SS_WHITEFRAME && type != SS_OWNERDRAW && !TextOf(w).empty();
}

// As a screen reader reads it: without the mnemonic's "&" (a doubled one stays as one "&").
std::wstring WithoutAmpersand(const std::wstring& s) {
  std::wstring out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == L'&' && i + 1 < s.size()) ++i;
    else if (s[i] == L'&') continue;
    out += s[i];
  }
  return out;
}

// The name by the platform's rule: a button's own caption; otherwise the text of the label
// before the control in z-order, looking back past hidden windows (a hidden label directly before
// the control still names it) and past windows that are no stop, but not past a control that
// is one (WS_GROUP or WS_TABSTOP): then the control has no name.
std::wstring WindowsName(HWND c) {
  if (ClassOf(c) == L"Button") return WithoutAmpersand(TextOf(c));
  for (HWND p = GetWindow(c, GW_HWNDPREV); p; p = GetWindow(p, GW_HWNDPREV)) {
    if (!IsWindowVisible(p) && !(p == GetWindow(c, GW_HWNDPREV) && IsLabel(p))) continue;
    if (IsLabel(p) || IsGroupBox(p)) return WithoutAmpersand(TextOf(p));
    if (StyleOf(p) & (WS_GROUP | WS_TABSTOP)) return {};
  }
  return {};
}

bool HasWord(const std::wstring& text, const std::wstring& word) {
  std::wstring lower = text;
  for (wchar_t& ch : lower) ch = static_cast<wchar_t>(std::towlower(ch));
  for (size_t at = lower.find(word); at != std::wstring::npos; at = lower.find(word, at + 1)) {
    const bool before = at == 0 || !std::iswalnum(lower[at - 1]);
    const size_t end = at + word.size();
    const bool after = end == lower.size() || !std::iswalnum(lower[end]);
    if (before && after) return true;
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// The rules

enum class Look { kLight, kDark, kHighContrast };
const char* LookName(Look look) {
  return look == Look::kLight ? "light" : look == Look::kDark ? "dark" : "high contrast";
}

struct Walked {
  HWND dlg;
  Look look;
};
using Findings = std::vector<std::string>;

void NameRule(const Walked& w, Findings& out) {
  for (HWND surface : Surfaces(w.dlg))
    for (HWND c : Controls(surface)) {
      if (!Focusable(c) || ClassOf(c) == WC_TABCONTROLW) continue;
      const std::wstring name = WindowsName(c);
      const bool blank = name.find_first_not_of(L" \t\r\n") == std::wstring::npos;
      const bool privateUse = std::any_of(name.begin(), name.end(),
                                          [](wchar_t ch) { return ch >= 0xE000 && ch <= 0xF8FF; });
      if (blank)
        out.push_back(Describe(c) + ": no name");
      else if (name.size() > 512)
        out.push_back(Describe(c) + ": a name of " + std::to_string(name.size()) + " characters");
      else if (HasWord(name, ControlType(c)))
        out.push_back(Describe(c) + ": the name \"" + Narrow(name) + "\" says its type");
      else if (privateUse)
        out.push_back(Describe(c) + ": private-use characters in its name");
    }
}

void UniqueRule(const Walked& w, Findings& out) {
  for (HWND surface : Surfaces(w.dlg)) {
    std::map<std::pair<std::wstring, std::wstring>, std::vector<HWND>> seen;
    for (HWND c : Controls(surface)) {
      if (!Focusable(c)) continue;
      const std::wstring name = WindowsName(c);
      if (!name.empty()) seen[{name, ControlType(c)}].push_back(c);
    }
    for (const auto& [key, controls] : seen)
      if (controls.size() > 1)
        out.push_back(std::to_string(controls.size()) + " " + Narrow(key.second) + "es named \"" +
                      Narrow(key.first) + "\", the first " + Describe(controls[0]));
  }
}

// Windows whose business is to hold or frame others.
bool IsContainer(HWND c) {
  const std::wstring cls = ClassOf(c);
  if (IsGroupBox(c) || cls == WC_TABCONTROLW) return true;
  if (cls != L"Static") return false;
  const LONG type = StyleOf(c) & SS_TYPEMASK;
  return type == SS_ETCHEDFRAME || type == SS_BLACKFRAME || type == SS_GRAYFRAME ||
         type == SS_WHITEFRAME || type == SS_BLACKRECT || type == SS_GRAYRECT ||
         type == SS_WHITERECT || type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT;
}

void GeometryRule(const Walked& w, Findings& out) {
  for (HWND surface : Surfaces(w.dlg)) {
    const RECT room = ClientOnScreen(surface);
    const std::vector<HWND> controls = Controls(surface);
    for (HWND c : controls) {
      const RECT rc = ScreenRect(c);
      if (Area(rc) < 25) out.push_back(Describe(c) + ": " + std::to_string(Area(rc)) + " px²");
      if (!Contains(room, rc)) out.push_back(Describe(c) + ": reaches outside its parent");
      if (IsContainer(c)) continue;
      for (HWND other : controls)
        if (other != c && Contains(rc, ScreenRect(other)) && Area(ScreenRect(other)) > 0)
          out.push_back(Describe(c) + " covers " + Describe(other));
    }
  }
}

// A list's column headings against their columns, less the margins the heading draws inside.
void HeadingFit(HWND list, Findings& out) {
  HWND header = ListView_GetHeader(list);
  if (!header || !IsWindowVisible(header) || (StyleOf(list) & LVS_TYPEMASK) != LVS_REPORT) return;
  const int margin = 3 * GetSystemMetrics(SM_CXEDGE);
  HDC dc = GetDC(header);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
  for (int i = 0, n = Header_GetItemCount(header); i < n; ++i) {
    wchar_t text[260] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 260;
    RECT rc;
    if (!Header_GetItem(header, i, &item) || !Header_GetItemRect(header, i, &rc)) continue;
    const int room = rc.right - rc.left - 2 * margin;
    SIZE need = {};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &need);
    // A column of no width is one the list keeps hidden.
    if (*text && rc.right > rc.left && need.cx > room)
      out.push_back(Describe(list) + " heading \"" + Narrow(text).substr(0, 40) + "\": needs " +
                    std::to_string(need.cx) + ", has " + std::to_string(room));
  }
  SelectObject(dc, old);
  ReleaseDC(header, dc);
}

// The room a control's caption needs, in its own font, against the room it has.
void FitRule(const Walked& w, Findings& out) {
  for (HWND surface : Surfaces(w.dlg))
    for (HWND c : Controls(surface)) {
      const std::wstring cls = ClassOf(c);
      const std::wstring text = TextOf(c);
      if (cls == WC_LISTVIEWW) HeadingFit(c, out);
      if (text.empty() || (cls != L"Static" && cls != L"Button")) continue;
      const LONG style = StyleOf(c);
      RECT client;
      GetClientRect(c, &client);
      int roomW = client.right, roomH = client.bottom;
      UINT format = DT_CALCRECT;
      if (cls == L"Static") {
        if (!IsLabel(c) || style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS)) continue;
        const LONG type = style & SS_TYPEMASK;
        format |= type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE ? DT_SINGLELINE : DT_WORDBREAK;
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
      } else {
        const LONG type = ButtonType(c);
        if (style & (BS_ICON | BS_BITMAP) || type == BS_OWNERDRAW) continue;
        format |= style & BS_MULTILINE ? DT_WORDBREAK : DT_SINGLELINE;
        const UINT dpi = GetDpiForWindow(c);
        if (type == BS_GROUPBOX) {
          roomW -= MulDiv(10, static_cast<int>(dpi), 96);  // the frame's indent on both sides
          roomH = client.bottom;
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
          roomW -= MulDiv(4, static_cast<int>(dpi), 96);  // the edges
          roomH -= MulDiv(4, static_cast<int>(dpi), 96);
        } else {  // the box or dot, and the gap after it
          roomW -= MulDiv(13 + 4, static_cast<int>(dpi), 96);
          // A box with no room for its caption at all (one of a grid under column headings)
          // carries the caption as its name only.
          if (roomW <= 0) continue;
          // Wrapped lines are drawn inside the focus rectangle's margin.
          if (style & BS_MULTILINE) roomH -= MulDiv(2, static_cast<int>(dpi), 96);
        }
      }
      HDC dc = GetDC(c);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
      RECT need = {0, 0, std::max(1, roomW), 0};
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need, format);
      SelectObject(dc, old);
      ReleaseDC(c, dc);
      if (need.right > roomW || need.bottom > roomH)
        out.push_back(Describe(c) + ": needs " + std::to_string(need.right) + "x" +
                      std::to_string(need.bottom) + ", has " + std::to_string(roomW) + "x" +
                      std::to_string(roomH));
    }
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// A 1366x768 screen at 125 % less a taskbar leaves 1366x728 pixels at 120 DPI.
void ScreenRule(const Walked& w, Findings& out) {
  const int dpi = ScreenDpi();
  const RECT rc = ScreenRect(w.dlg);
  const int width = MulDiv(1366, dpi, 120), height = MulDiv(728, dpi, 120);
  if (rc.right - rc.left > width || rc.bottom - rc.top > height)
    out.push_back("the dialog is " + std::to_string(rc.right - rc.left) + "x" +
                  std::to_string(rc.bottom - rc.top) + ", the screen " + std::to_string(width) +
                  "x" + std::to_string(height));
}

// The letters after a single "&" in the captions a dialog and its page show.
void MnemonicFindings(HWND dlg, Findings& out) {
  std::map<wchar_t, std::vector<HWND>> letters;
  for (HWND surface : Surfaces(dlg))
    for (HWND c : Controls(surface)) {
      const std::wstring cls = ClassOf(c);
      if (cls != L"Button" && !(IsLabel(c) && !(StyleOf(c) & SS_NOPREFIX))) continue;
      const std::wstring text = TextOf(c);
      for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&')
          letters[static_cast<wchar_t>(std::towlower(text[i + 1]))].push_back(c);
        ++i;
      }
    }
  for (const auto& [letter, controls] : letters)
    if (controls.size() > 1) {
      std::string who;
      for (HWND c : controls) who += " " + Describe(c);
      out.push_back("mnemonic '" + std::string(1, static_cast<char>(letter)) + "' on" + who);
    }
}

// The pixels of a window as shown on the screen.
std::vector<uint32_t> Pixels(const RECT& screen) {
  const int w = screen.right - screen.left, h = screen.bottom - screen.top;
  std::vector<uint32_t> out;
  if (w <= 0 || h <= 0) return out;
  HDC dc = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(dc);
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, dc, screen.left, screen.top, SRCCOPY);
  const auto* px = static_cast<const uint32_t*>(bits);
  out.assign(px, px + static_cast<size_t>(w) * h);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, dc);
  return out;
}

// The enabled, visible tab stops of a dialog, its page included.
void TabStops(HWND parent, std::set<HWND>& out) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
    if (GetWindowLongW(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
      TabStops(c, out);
    else if (StyleOf(c) & WS_TABSTOP)
      out.insert(c);
  }
}

// One Tab key as the dialog's own loop handles it.
void PressTab(HWND dlg) {
  HWND focus = GetFocus();
  MSG down = {focus ? focus : dlg, WM_KEYDOWN, VK_TAB, 0x000F0001};
  if (!IsDialogMessageW(dlg, &down)) DispatchMessageW(&down);
  MSG up = {GetFocus() ? GetFocus() : dlg, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001)};
  if (!IsDialogMessageW(dlg, &up)) DispatchMessageW(&up);
  RedrawWindow(dlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages(0);
}

void KeyboardRule(const Walked& w, Findings& out) {
  MnemonicFindings(w.dlg, out);
  std::set<HWND> stops;
  TabStops(w.dlg, stops);
  if (stops.empty()) return;
  HWND first = GetNextDlgTabItem(w.dlg, nullptr, FALSE);
  if (!first) {
    out.push_back("Tab finds no control");
    return;
  }
  SetForegroundWindow(w.dlg);
  SetActiveWindow(w.dlg);
  SetFocus(first);
  PumpMessages(0);
  if (!GetFocus() || !IsChild(w.dlg, GetFocus())) {
    out.push_back("the dialog does not take the focus");
    return;
  }
  std::vector<HWND> visited = {GetFocus()};
  std::vector<uint32_t> shown = Pixels(ScreenRect(GetFocus()));
  for (size_t step = 0; step < stops.size() + 2; ++step) {
    HWND before = GetFocus();
    PressTab(w.dlg);
    HWND now = GetFocus();
    if (!now || !IsChild(w.dlg, now)) {
      out.push_back("Tab from " + Describe(before) + " leaves the dialog");
      return;
    }
    if (now == before) {
      out.push_back("Tab stays in " + Describe(before));
      return;
    }
    // The control left must look different from while it had the focus.
    if (ClassOf(before) == L"Button" && Pixels(ScreenRect(before)) == shown)
      out.push_back(Describe(before) + " shows no focus");
    shown = Pixels(ScreenRect(now));
    if (SendMessageW(now, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)
      out.push_back(Describe(now) + " hides its focus after Tab");
    if (now == visited.front()) break;
    // Reading order: top to bottom, left to right; a step back both up and left is out of it,
    // unless it goes from the page to the sheet's own controls or back.
    const RECT a = ScreenRect(before), b = ScreenRect(now);
    if (GetParent(before) == GetParent(now) && b.bottom <= a.top && b.right <= a.left)
      out.push_back("Tab goes back from " + Describe(before) + " to " + Describe(now));
    visited.push_back(now);
  }
  std::map<HWND, int> count;
  for (HWND c : visited) ++count[c];
  for (HWND c : stops)
    if (!count.count(c)) out.push_back("Tab never reaches " + Describe(c));
  for (const auto& [c, n] : count) {
    // Tab reaches a control inside a tab stop (the edit of a combo box) as that stop.
    if (!stops.count(c) && !stops.count(GetParent(c)))
      out.push_back("Tab reaches " + Describe(c) + ", which is no tab stop");
    if (n > 1) out.push_back("Tab reaches " + Describe(c) + " " + std::to_string(n) + " times");
  }
  if (visited.size() > stops.size() + 1 || GetFocus() != visited.front())
    out.push_back("Tab does not come back to " + Describe(visited.front()));
}

// How many pixels of a screen rectangle are exactly `color`.
long PixelsOf(const RECT& screen, COLORREF color) {
  const uint32_t want = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
  long hits = 0;
  for (uint32_t px : Pixels(screen)) hits += (px & 0xFFFFFF) == want;
  return hits;
}

// Where a caption the library may paint is drawn: a group box's in its top row, a check box's or
// radio button's beside the box; nothing for other controls or a box without room for it.
std::optional<RECT> CaptionArea(HWND c) {
  if (ClassOf(c) != L"Button" || TextOf(c).empty()) return std::nullopt;
  const LONG type = ButtonType(c);
  if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW ||
      StyleOf(c) & (BS_ICON | BS_BITMAP))
    return std::nullopt;
  const std::wstring text = TextOf(c);
  HDC dc = GetDC(c);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  RECT extent = {};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(c, dc);
  RECT rc = ClientOnScreen(c);
  if (type == BS_GROUPBOX) {
    rc.left += MulDiv(7, static_cast<int>(GetDpiForWindow(c)), 96);
    rc.bottom = rc.top + tm.tmHeight;
  } else {
    rc.left += MulDiv(13 + 4, static_cast<int>(GetDpiForWindow(c)), 96);
  }
  rc.right = std::min(rc.right, rc.left + extent.right);
  if (rc.right <= rc.left) return std::nullopt;
  return rc;
}

// A caption shows when some of its pixels reach 3:1 against the face (text needs more, but
// the colour pairs are measured in the native tests: here what counts is that it is drawn).
void CaptionFindings(HWND c, COLORREF face, Findings& out) {
  const std::optional<RECT> area = CaptionArea(c);
  if (!area) return;
  long shown = 0;
  for (uint32_t px : Pixels(*area))
    shown += scrv::ContrastRatio(RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF), face) >= 3.0;
  if (shown < 3) out.push_back(Describe(c) + ": its caption does not show on the face");
}

// In high contrast a check box's square or a radio button's circle is drawn in the window
// colour with its frame and mark in the text colour: most of the box's square is the window
// colour (a box a visual style drew light on any scheme is not).
void BoxFindings(HWND c, Findings& out) {
  const LONG type = ButtonType(c);
  if (ClassOf(c) != L"Button" || StyleOf(c) & (BS_ICON | BS_BITMAP | BS_PUSHLIKE) ||
      (type != BS_CHECKBOX && type != BS_AUTOCHECKBOX && type != BS_3STATE &&
       type != BS_AUTO3STATE && type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON))
    return;
  const RECT rc = ClientOnScreen(c);
  const int size = MulDiv(13, static_cast<int>(GetDpiForWindow(c)), 96);
  const LONG top = (rc.top + rc.bottom - size) / 2;
  const RECT box = {rc.left, top, rc.left + size, top + size};
  if (PixelsOf(box, GetSysColor(COLOR_WINDOW)) * 10 < Area(box) * 4)
    out.push_back(Describe(c) + ": its box is not in the window colour");
}

void ColoursRule(const Walked& w, Findings& out) {
  if (w.look == Look::kHighContrast) {
    for (HWND surface : Surfaces(w.dlg)) {
      const RECT whole = ClientOnScreen(surface);
      for (COLORREF own :
           {scrv::kDarkFaceColor, scrv::kDarkBackgroundColor, scrv::kDarkButtonColor})
        if (PixelsOf(whole, own) * 1000 / std::max(1L, Area(whole)) >= 5)
          out.push_back("the dark theme's colour " + std::to_string(own) + " in " +
                        Narrow(TextOf(surface)));
      for (HWND c : Controls(surface)) {
        CaptionFindings(c, GetSysColor(COLOR_BTNFACE), out);
        BoxFindings(c, out);
      }
    }
    return;
  }
  if (w.look != Look::kDark) return;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (HWND surface : Surfaces(w.dlg)) {
    const RECT whole = ClientOnScreen(surface);
    long onChildren = 0;
    for (HWND c : Controls(surface)) {
      CaptionFindings(c, scrv::kDarkFaceColor, out);
      const RECT rc = ClientOnScreen(c);
      const long light = PixelsOf(rc, face);
      onChildren += light;
      // An owner-drawn button shows a value the dialog draws (a colour), not a face.
      if (ClassOf(c) == L"Button" && ButtonType(c) == BS_OWNERDRAW) continue;
      // A few light pixels (a focus rectangle's dots, a box's edge) are no face.
      if (light * 1000 / std::max(1L, Area(rc)) >= 50)
        out.push_back(Describe(c) + " paints the light face");
    }
    if ((PixelsOf(whole, face) - onChildren) * 1000 / std::max(1L, Area(whole)) >= 20)
      out.push_back("the face of " + Narrow(TextOf(surface)) + " is light");
  }
}

struct Rule {
  const char* name;
  void (*check)(const Walked&, Findings&);
};
// In this order: the keyboard rule moves the focus, which the others do not care about.
constexpr Rule kRules[] = {{"name", NameRule},         {"unique", UniqueRule},
                           {"geometry", GeometryRule}, {"fit", FitRule},
                           {"screen", ScreenRule},     {"colours", ColoursRule},
                           {"keyboard", KeyboardRule}};

// The rules SCRV_WALK_RULES names (comma-separated), every rule when it is unset.
bool RuleWanted(const Rule& rule) {
  wchar_t names[128] = {};
  GetEnvironmentVariableW(L"SCRV_WALK_RULES", names, 128);
  if (!*names) return true;
  const std::string list = "," + Narrow(names) + ",";
  return list.find("," + std::string(rule.name) + ",") != std::string::npos;
}

// ---------------------------------------------------------------------------------------------
// The walk

class GalleryWalk : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    OleInitialize(nullptr);
    host_ = CreateHostWindow(GetModuleHandleW(nullptr));
    ShowWindow(host_, SW_SHOWNOACTIVATE);
    SetHostLogging(false);
  }
  static void TearDownTestSuite() {
    DestroyWindow(host_);
    OleUninitialize();
  }

  // Opens every gallery entry whose title contains SCRV_WALK_FILTER (every entry when unset),
  // runs every rule on its dialog once it has painted, prints the table and fails on any
  // finding.
  static void WalkAll(Look look) {
    DWORD value = 2;
    if (look != Look::kLight)
      RegSetKeyValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme", REG_DWORD, &value, sizeof value);
    std::optional<HighContrastScope> contrast;
    if (look == Look::kHighContrast) {
      contrast.emplace();
      ASSERT_TRUE(contrast->Active()) << "high contrast could not be simulated";
    }
    wchar_t filter[128] = {};
    GetEnvironmentVariableW(L"SCRV_WALK_FILTER", filter, 128);
    const int dpi = ScreenDpi();
    std::printf("%-58s", ("rules x findings, " + std::string(LookName(look)) + ", " +
                          std::to_string(dpi) + " DPI")
                             .c_str());
    for (const Rule& r : kRules) std::printf(" %8s", r.name);
    std::printf("\n");
    int dialogs = 0;
    size_t total = 0;
    for (const DemoEntry& e : DemoEntries()) {
      if (!e.walked || (e.walkedDarkOnly && look != Look::kDark)) continue;
      if (*filter && std::wstring(e.title).find(filter) == std::wstring::npos) continue;
      ++dialogs;
      std::vector<Findings> found(std::size(kRules));
      const auto check = [&](HWND d) {
        RedrawWindow(d, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages(100);
        for (size_t i = 0; i < std::size(kRules); ++i)
          if (RuleWanted(kRules[i])) kRules[i].check({d, look}, found[i]);
      };
      auto run = RunDialog([&] { return static_cast<INT_PTR>(e.open(host_).size()); },
                           [&](HWND dlg) {
                             if (e.measured || !e.prepare) {
                               check(dlg);
                             } else {
                               // A dialog the export opens only over its first one.
                               NestedDialogs inner(dlg, [&](HWND d) {
                                 check(d);
                                 // A question without Cancel is answered No.
                                 PostMessageW(d, WM_COMMAND, GetDlgItem(d, IDNO) ? IDNO : IDCANCEL, 0);
                               });
                               e.prepare(dlg);
                               for (int i = 0; i < 100 && !inner.Ran(); ++i) PumpMessages(50);
                               EXPECT_TRUE(inner.Ran()) << Narrow(e.title);
                             }
                             PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
                           });
      EXPECT_TRUE(run.scriptRan) << Narrow(e.title);
      EXPECT_FALSE(run.timedOut) << Narrow(e.title);
      std::printf("%-58s", Narrow(e.title).substr(0, 58).c_str());
      for (size_t i = 0; i < found.size(); ++i)
        if (RuleWanted(kRules[i])) std::printf(" %8zu", found[i].size());
        else std::printf(" %8s", "-");
      std::printf("\n");
      for (size_t i = 0; i < found.size(); ++i)
        for (const std::string& f : found[i]) {
          ADD_FAILURE() << Narrow(e.title) << ": " << kRules[i].name << ": " << f;
          ++total;
        }
    }
    std::printf("%d dialogs, %zu findings\n", dialogs, total);
    std::fflush(stdout);
    EXPECT_GT(dialogs, 0);
    if (look != Look::kLight) RegDeleteKeyValueW(HKEY_CURRENT_USER, kCommonKey, L"AppTheme");
  }

  static HWND host_;
};
HWND GalleryWalk::host_ = nullptr;

TEST_F(GalleryWalk, EveryDialogKeepsEveryRuleInTheLightTheme) { WalkAll(Look::kLight); }
TEST_F(GalleryWalk, EveryDialogKeepsEveryRuleInTheDarkTheme) { WalkAll(Look::kDark); }
TEST_F(GalleryWalk, EveryDialogKeepsEveryRuleInHighContrast) { WalkAll(Look::kHighContrast); }

}  // namespace
