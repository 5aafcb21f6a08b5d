#pragma once
// The sort multi dialog: which columns take part in a sort, in which priority, and how each
// compares. Edits the host's key list in place; the host sorts.

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "resource_ids.h"
#include "tools/sort_multi.h"

namespace scrv {

class CSortMultiDlg : public CMyDialogImpl<CSortMultiDlg> {
 public:
  enum { IDD = IDD_SORT_MULTI };

  CSortMultiDlg(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                bool selectionFlag);

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

 private:
  LRESULT OnInitDialog();
  void OnRowText(NMLVDISPINFOW& info) const;
  void ReadList();
  void Refresh();
  void OnKindRadio(int radio);
  void OnClose(int button);
  static void SwapRows(int first, int second, void* self);

  std::vector<std::u16string> names_;  // a row's text is the name of its key's column
  SortMultiModel model_;
  CCheckList list_;
};

}  // namespace scrv

// Returns IDOK, IDC_SM_SORT_SECOND or IDCANCEL; -1 when the dialog could not be started
// (including a key list or column name list that cannot be read).
extern "C" int DoSortMulti(HWND owner, const void* columnNames, void* sortKeys, int groupFlag,
                           int selectionFlag);
