#include "controls/column_list_win.h"

#include "base/text_win.h"

namespace scrv {

int ScaleForList(const CCheckList& list, int pixels96) {
  return MulDiv(pixels96, list.dpi ? static_cast<int>(list.dpi) : 96, 96);
}

void AddListColumn(HWND list, int index, UINT headerStringId, int width) {
  std::wstring title = LoadResString(headerStringId);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = title.data();
  column.cx = width;
  column.iSubItem = index;
  SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&column));
}

void AppendCallbackRow(CCheckList& list, LPARAM param, bool checked) {
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = list.RowCount();
  item.pszText = LPSTR_TEXTCALLBACKW;
  item.lParam = param;
  int row = static_cast<int>(list.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return;
  // Further columns ask for their texts too.
  HWND header = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
  int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  for (int c = 1; c < columns; ++c) {
    LVITEMW sub = {};
    sub.iSubItem = c;
    sub.pszText = LPSTR_TEXTCALLBACKW;
    list.SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
  }
  // A list with check boxes inserts its rows unchecked.
  const auto extended = static_cast<DWORD>(list.SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
  if (checked || !(extended & LVS_EX_CHECKBOXES)) list.SetRowChecked(row, checked);
}

void FillDisplayText(NMLVDISPINFOW& info, std::u16string_view text) {
  if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
  CopyBounded(info.item.pszText, static_cast<size_t>(info.item.cchTextMax), ToW(text));
}

void AttachColumnChoiceList(CCheckList& list, HWND control, int columnCount, bool darkTheme,
                            CheckListSwapFn swap, void* swapContext) {
  list.checkAllId = IDC_CHECK_ALL;
  list.columnCount = columnCount;
  list.options.checkBoxes = true;
  list.options.moving = swap != nullptr;
  list.options.editing = false;
  list.options.pasteEnabled = false;
  list.options.cutEnabled = false;
  list.ownCopy = true;
  list.upDownButtons = swap != nullptr;
  list.topBottomButtons = swap != nullptr;
  list.swapCallback = swap;
  list.swapContext = swapContext;
  list.darkTheme = darkTheme;
  list.SubclassWindow(control);
}

void AttachOwnedList(CCheckList& list, HWND control, const OwnedListSetup& setup, bool darkTheme) {
  list.checkAllId = 0;
  list.columnCount = setup.columnCount;
  list.options = setup.options;
  list.ownCopy = true;
  list.ownPaste = setup.ownPaste;
  list.textCallback = setup.textCallback;
  list.darkTheme = darkTheme;
  list.SubclassWindow(control);
}

}  // namespace scrv
