#include "controls/cell_tip_win.h"

#include <commctrl.h>

#include "controls/column_tip_win.h"
#include "frame/subclass_win.h"

namespace scrv {
namespace {

constexpr UINT_PTR kCellsTool = 1;

}  // namespace

CCellTip::~CCellTip() {
  if (list_) RemoveSubclass(list_, ListProc, reinterpret_cast<UINT_PTR>(this));
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void CCellTip::Attach(HWND list, int column) {
  list_ = list;
  column_ = column;
  if (!(tip_ = CreateColumnTooltip(list))) return;
  AddColumnTool(tip_, list_, kCellsTool, LPSTR_TEXTCALLBACKW);
  SetSubclass(list_, ListProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
  Fit();
}

void CCellTip::Fit() {
  FitColumnTools(tip_, list_, column_, 0, kCellsTool);
}

std::wstring CCellTip::TipText(int row) const {
  if (row < 0 || !list_) return {};
  wchar_t buffer[1024] = {};
  LVITEMW item = {};
  item.iSubItem = column_;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(std::size(buffer));
  SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  const std::wstring text = buffer;
  if (text.empty()) return {};
  // The list draws a cell's text inside a margin on either side.
  const int room = static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, column_, 0)) -
                   2 * GetSystemMetrics(SM_CXEDGE) * 3;
  HDC dc = GetDC(list_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(list_, dc);
  return size.cx > room ? text : std::wstring();
}

LRESULT CALLBACK CCellTip::ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR data) {
  auto* self = reinterpret_cast<CCellTip*>(data);
  if (msg == WM_MOUSEMOVE) {
    LVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    SendMessageW(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    const int row = hit.iSubItem == self->column_ ? hit.iItem : -1;
    // Another cell: the tip goes and comes back with that cell's text.
    if (row != self->row_) {
      self->row_ = row;
      SendMessageW(self->tip_, TTM_POP, 0, 0);
    }
  } else if (msg == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom == self->tip_ && header->code == TTN_GETDISPINFOW) {
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
      self->shown_ = self->TipText(self->row_);
      info->szText[0] = L'\0';
      info->lpszText = self->shown_.empty() ? info->szText : self->shown_.data();
      return 0;
    }
  } else if (msg == WM_SIZE || msg == WM_HSCROLL) {
    const LRESULT r = DefSubclass(list, msg, wParam, lParam);
    self->Fit();
    return r;
  }
  return DefSubclass(list, msg, wParam, lParam);
}

}  // namespace scrv
