#include "frame/caption_room_win.h"

#include <string>
#include <vector>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "frame/caption_room.h"
#include "frame/dpi_win.h"
#include "frame/resource_modules_win.h"

namespace scrv {
namespace {

// What a caption needs on one line, in `font`, its box or edges included.
struct CaptionNeed {
  int32_t width = 0;   // 0 for a control whose caption is not measured
  bool wraps = false;  // a label whose text may take several lines
  UINT format = 0;     // DrawTextW's flags for the measuring
};

// The need of a control of class `cls` and `style` with caption `text`, `clientWidth` wide: 0
// for a caption that is not measured (no caption, an image, an ellipsis, an owner-drawn
// button, a group box's caption, a box without room for any caption).
CaptionNeed MeasureCaption(HDC dc, HFONT font, const wchar_t* cls, LONG style,
                           const std::wstring& text, int clientWidth, int dpi) {
  const bool isStatic = lstrcmpiW(cls, L"Static") == 0;
  if (text.empty() || (!isStatic && lstrcmpiW(cls, L"Button") != 0)) return {};
  CaptionNeed need;
  need.format = DT_CALCRECT | DT_SINGLELINE;
  int extra = 0;
  const LONG staticType = style & SS_TYPEMASK;
  if (isStatic) {
    need.wraps = staticType == SS_LEFT || staticType == SS_CENTER || staticType == SS_RIGHT;
    if (!need.wraps && staticType != SS_SIMPLE && staticType != SS_LEFTNOWORDWRAP)
      return {};  // pictures, frames, owner-drawn
    if (style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS)) return {};
    if (style & SS_NOPREFIX) need.format |= DT_NOPREFIX;
  } else {
    const LONG type = style & BS_TYPEMASK;
    if (style & (BS_ICON | BS_BITMAP | BS_MULTILINE) || type == BS_OWNERDRAW ||
        type == BS_GROUPBOX)
      return {};
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
      extra = MulDiv(4, dpi, 96);  // the edges
    } else {
      extra = MulDiv(13 + 4, dpi, 96);  // the box or dot, and the gap after it
      if (clientWidth <= extra) return {};
    }
  }
  HGDIOBJ old = SelectObject(dc, font);
  RECT line = {0, 0, 1, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line, need.format);
  SelectObject(dc, old);
  need.width = line.right + extra;
  return need;
}

// The width a control's caption needs in its own font; 0 when it is not measured or is a
// label that holds its text in its lines as they are.
int32_t NeededWidth(HWND control, HDC dc, int dpi) {
  wchar_t cls[16] = {};
  GetClassNameW(control, cls, 16);
  RECT client;
  GetClientRect(control, &client);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  const std::wstring text = GetWindowTextString(control);
  const CaptionNeed need = MeasureCaption(dc, font, cls, GetWindowLongW(control, GWL_STYLE),
                                          text, client.right, dpi);
  if (need.wraps && need.width > client.right) {
    RECT wrapped = {0, 0, client.right, 0};
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &wrapped,
              (need.format & ~DT_SINGLELINE) | DT_WORDBREAK);
    SelectObject(dc, old);
    if (wrapped.bottom <= client.bottom && wrapped.right <= client.right) return 0;
  }
  return need.width;
}

// Whether a caption of `text`, as the template has it, could want more width than its control
// gives it: every caption measured on one line in the dialog's font, on a memory DC (no round
// trip to the window system, where a walk over the controls costs one per control). A label
// that would need more than one line counts as wanting room: the template has no height to
// tell.
bool TemplateMayWantRoom(HWND dialog, const DialogTemplateText& text) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return true;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  const int dpi = static_cast<int>(WindowDpi(dialog));
  bool wants = false;
  for (const TemplateControl& c : text.controls) {
    if (c.title.empty()) continue;
    RECT units = {0, 0, c.width, 0};
    MapDialogRect(dialog, &units);
    const CaptionNeed need = MeasureCaption(dc, font, W(c.className), static_cast<LONG>(c.style),
                                            ToW(c.title), units.right, dpi);
    if (need.width > units.right) {
      wants = true;
      break;
    }
  }
  DeleteDC(dc);
  return wants;
}

}  // namespace

void GiveCaptionsRoom(HWND parent) {
  std::vector<HWND> windows;
  std::vector<CaptionControl> controls;
  HDC dc = GetDC(parent);
  if (!dc) return;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  bool anyShort = false;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT rc;
    GetWindowRect(c, &rc);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    const int32_t need = NeededWidth(c, dc, dpi);
    anyShort = anyShort || need > rc.right - rc.left;
    windows.push_back(c);
    controls.push_back({{rc.left, rc.top, rc.right, rc.bottom}, need});
  }
  ReleaseDC(parent, dc);
  if (!anyShort) return;
  RECT client;
  GetClientRect(parent, &client);
  const std::vector<int32_t> right =
      WidenCaptions({0, 0, client.right, client.bottom}, MulDiv(4, dpi, 96), controls);
  for (size_t i = 0; i < windows.size(); ++i)
    if (right[i] != controls[i].rect.right)
      SetWindowPos(windows[i], nullptr, 0, 0, right[i] - controls[i].rect.left,
                   controls[i].rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void GiveDialogCaptionsRoom(HWND dialog, UINT templateId) {
  const std::optional<DialogTemplateText> text =
      ReadTemplateText(Module().resourceModule, templateId);
  if (text && !TemplateMayWantRoom(dialog, *text)) return;
  GiveCaptionsRoom(dialog);
}

}  // namespace scrv
