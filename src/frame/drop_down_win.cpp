#include "frame/drop_down_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace scrv {

void WidenDropDownToItems(HWND combo) {
  HDC dc = GetDC(combo);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)));
  int widest = 0;
  int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
    if (length <= 0) continue;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    SIZE size = {};
    if (GetTextExtentPoint32W(dc, text.c_str(), length, &size))
      widest = std::max<int>(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(combo, dc);
  RECT box = {};
  GetWindowRect(combo, &box);
  int width = widest + 2 * GetSystemMetrics(SM_CXEDGE) + 8;
  if (count > static_cast<int>(SendMessageW(combo, CB_GETMINVISIBLE, 0, 0)))
    width += GetSystemMetrics(SM_CXVSCROLL);
  SendMessageW(combo, CB_SETDROPPEDWIDTH,
               static_cast<WPARAM>(std::max<LONG>(width, box.right - box.left)), 0);
}

}  // namespace scrv
