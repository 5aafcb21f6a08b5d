#include "controls/list_columns_win.h"

#include <commctrl.h>

namespace scrv {

int FillColumnWidth(HWND list, int otherColumns) {
  RECT client = {};
  GetClientRect(list, &client);
  const int width = client.right - client.left - otherColumns;
  return width > 20 ? width : 20;
}

void FitLastColumn(HWND list) {
  if (!list) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  if (columns <= 0) return;
  int others = 0;
  for (int c = 0; c + 1 < columns; ++c)
    others += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0));
  const int width = FillColumnWidth(list, others);
  if (SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(columns - 1), 0) != width)
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(columns - 1), MAKELPARAM(width, 0));
}

ListViewFillScope::~ListViewFillScope() {
  const LONG style = GetWindowLongW(list_, GWL_STYLE);
  if (!(style & (WS_VSCROLL | LVS_NOSCROLL))) {
    const auto rows = SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0);
    if (rows > SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0)) ShowScrollBar(list_, SB_VERT, TRUE);
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
}

}  // namespace scrv
