#pragma once
// The delete duplicates dialog: how the host finds duplicate lines (whole lines, or only the
// checked columns) and what it does with them. Writes the options into the settings and into
// the host's key list on OK and on the second button; Cancel writes nothing.

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "resource_ids.h"
#include "tools/delete_duplicates.h"

namespace scrv {

class CDeleteDuplicateAdvancedDlg : public CMyDialogImpl<CDeleteDuplicateAdvancedDlg> {
 public:
  enum { IDD = IDD_DELETE_DUPLICATES };

  CDeleteDuplicateAdvancedDlg(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                              uint32_t mode);

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

 private:
  LRESULT OnInitDialog();
  void OnRowText(NMLVDISPINFOW& info) const;
  void ShowOptions();
  void ReadControls();
  void Refresh();
  void OnAccept(int button);

  DeleteDuplicatesModel model_;
  CCheckList list_;
};

}  // namespace scrv

// Returns IDOK, IDC_DD_DELETE_SECOND or IDCANCEL; -1 when the dialog could not be started
// (including a key list or column name list that cannot be read). Null lists count as empty.
extern "C" int DoDeleteDuplicateAdvanced(HWND owner, const void* columnNames, void* keys,
                                         int groupFlag, int mode);
