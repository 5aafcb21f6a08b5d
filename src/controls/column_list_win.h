#pragma once
// What the key and column dialogs (sort multi, delete duplicates, join CSV, extract columns) do
// alike with their check list 119: a list of columns the user checks and, where allowed,
// reorders; header columns from string resources; rows whose texts are asked from the dialog
// when shown, each row carrying a value of the dialog's choosing (its `param`) that names its
// data, so that a row moved by the check list still finds its own text; and a last column that
// fills the list's width (the check list keeps it so).

#include <windows.h>

#include <commctrl.h>

#include <string_view>
#include <vector>

#include "controls/check_list_win.h"
#include "controls/list_columns_win.h"
#include "controls_ids.h"
#include "frame/dialog_impl_win.h"

namespace scrv {

// Appends a header column titled by a string of the localisation module.
void AddListColumn(HWND list, int index, UINT headerStringId, int width);
// Pixels at 96 DPI converted to the DPI the check list works at.
int ScaleForList(const CCheckList& list, int pixels96);
// Appends a row with texts on demand and the given check state; `param` comes back with each
// of the row's text requests.
void AppendCallbackRow(CCheckList& list, LPARAM param, bool checked);
// Copies `text` into a display request's buffer (truncated, terminated).
void FillDisplayText(NMLVDISPINFOW& info, std::u16string_view text);
// How a dialog that keeps a list's rows itself wants its check list: `ownPaste` hands pasted
// lines back one by one; `textCallback` when every text comes from LVN_GETDISPINFO.
struct OwnedListSetup {
  int columnCount = 1;
  CheckListOptions options;
  bool ownPaste = false;
  bool textCallback = false;
};
// Subclasses `control` as such a list: no check-all box, its own copy, the dialog's theme.
// The dialog then adds it as a parent hook.
void AttachOwnedList(CCheckList& list, HWND control, const OwnedListSetup& setup, bool darkTheme);

// Sets `list` up as a list of columns the user checks (check-all box, own copy, no editing,
// cutting or pasting) and subclasses `control`. With a swap callback the rows can also be
// reordered by the move buttons, keys and drag; without one they stay in place.
void AttachColumnChoiceList(CCheckList& list, HWND control, int columnCount, bool darkTheme,
                            CheckListSwapFn swap, void* swapContext);

// The base of the four dialogs. A dialog calls AttachColumnList in its OnInitDialog, adds its
// header columns and rows, and answers RowText; a reorderable one also answers OnRowsSwapped.
template <class T>
class CColumnListDialog : public CMyDialogImpl<T> {
 public:
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override {
    if (id != IDC_CHECK_LIST || header.code != LVN_GETDISPINFOW) return false;
    auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
    FillDisplayText(info, RowText(info.item.lParam, info.item.iSubItem));
    result = 0;
    return true;
  }

  LRESULT OnCheckList(UINT code, LPARAM) override {
    if (code == kClSelectionChanged) OnListSelectionChanged();
    return 0;
  }

 protected:
  // Attaches the check list 119 with `columnCount` columns; `movable` lets the user reorder the
  // rows (OnRowsSwapped then follows every exchange).
  void AttachColumnList(int columnCount, bool movable) {
    list_.parentLookup = [this](int id) { return this->GetDlgItem(id); };
    AttachColumnChoiceList(list_, this->GetDlgItem(IDC_CHECK_LIST), columnCount, this->DarkTheme(),
                           movable ? SwapRows : nullptr, this);
    this->AddParentHook(list_);
  }

  // The check boxes of the first `rows` rows.
  std::vector<bool> RowChecks(size_t rows) const {
    std::vector<bool> checked(rows);
    for (size_t row = 0; row < rows; ++row)
      checked[row] = list_.IsRowChecked(static_cast<int>(row));
    return checked;
  }

  // The text of a row's column, by the param the row was appended with.
  virtual std::u16string_view RowText(LPARAM param, int column) const = 0;
  // The check list exchanged rows `first` and `second` (first < second).
  virtual void OnRowsSwapped(size_t /*first*/, size_t /*second*/) {}
  // A burst of selection or check changes in the list has ended (the check-all box is up to
  // date already).
  virtual void OnListSelectionChanged() {}

  CCheckList list_;

 private:
  static void SwapRows(int first, int second, void* self) {
    if (first < 0 || second < 0) return;
    static_cast<CColumnListDialog*>(self)->OnRowsSwapped(static_cast<size_t>(first),
                                                         static_cast<size_t>(second));
  }
};

}  // namespace scrv
