#include "frame/caption_room_win.h"

#include <string>
#include <vector>

#include "frame/caption_room.h"

namespace scrv {
namespace {

// The width a control's caption needs, in its own font, its box or edges included; 0 for a
// control whose caption is not measured (no caption, an image, an ellipsis, an owner-drawn
// button, a group box's caption, a box without room for any caption).
int32_t NeededWidth(HWND control, HDC dc, int dpi) {
  wchar_t cls[16] = {};
  GetClassNameW(control, cls, 16);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const bool isStatic = lstrcmpiW(cls, L"Static") == 0;
  if (!isStatic && lstrcmpiW(cls, L"Button") != 0) return 0;
  const int length = GetWindowTextLengthW(control);
  if (length == 0) return 0;
  RECT client;
  GetClientRect(control, &client);
  UINT format = DT_CALCRECT | DT_SINGLELINE;
  int extra = 0;
  const LONG staticType = style & SS_TYPEMASK;
  const bool wraps = isStatic && (staticType == SS_LEFT || staticType == SS_CENTER ||
                                  staticType == SS_RIGHT);
  if (isStatic) {
    if (!wraps && staticType != SS_SIMPLE && staticType != SS_LEFTNOWORDWRAP)
      return 0;  // pictures, frames, owner-drawn
    if (style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS)) return 0;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  } else {
    const LONG type = style & BS_TYPEMASK;
    if (style & (BS_ICON | BS_BITMAP | BS_MULTILINE) || type == BS_OWNERDRAW ||
        type == BS_GROUPBOX)
      return 0;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
      extra = MulDiv(4, dpi, 96);  // the edges
    } else {
      extra = MulDiv(13 + 4, dpi, 96);  // the box or dot, and the gap after it
      if (client.right <= extra) return 0;
    }
  }
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
  HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT line = {0, 0, 1, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line, format);
  SelectObject(dc, old);
  // A label that wraps and holds its text in its lines as they are needs no more width.
  if (wraps && line.right > client.right) {
    RECT wrapped = {0, 0, client.right, 0};
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &wrapped,
              (format & ~DT_SINGLELINE) | DT_WORDBREAK);
    SelectObject(dc, old);
    if (wrapped.bottom <= client.bottom && wrapped.right <= client.right) return 0;
  }
  return line.right + extra;
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

}  // namespace scrv
