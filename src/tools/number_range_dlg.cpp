#include "tools/number_range_dlg.h"

#include "frame/text_win.h"

namespace scrv {

bool CNumberRangeDlg::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT& result,
                                           DWORD) {
  switch (msg) {
    case WM_INITDIALOG:
      result = OnInitDialog();
      return true;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: OnOK(); return true;
        case IDCANCEL: OnCancel(); return true;
      }
      break;
  }
  return false;
}

LRESULT CNumberRangeDlg::OnInitDialog() {
  for (int id : {IDC_NR_LOWER, IDC_NR_UPPER, IDC_NR_EXPRESSION})
    SendDlgItemMessage(id, EM_LIMITTEXT, kCapacity - 1);
  CheckDlgButton(IDC_NR_LOWER_INCLUSIVE, BST_CHECKED);
  CheckDlgButton(IDC_NR_UPPER_INCLUSIVE, BST_CHECKED);
  CheckDlgButton(IDC_NR_DIRECT, BST_CHECKED);
  SetDlgItemText(IDC_NR_EXPRESSION, text);
  return TRUE;
}

void CNumberRangeDlg::OnOK() {
  CopyBounded(text, kCapacity, GetDlgItemText(IDC_NR_EXPRESSION));
  EndDialog(IDOK);
}

void CNumberRangeDlg::OnCancel() { EndDialog(IDCANCEL); }

}  // namespace scrv

extern "C" int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity) {
  scrv::CNumberRangeDlg dlg;
  if (text) scrv::CopyBounded(dlg.text, scrv::CNumberRangeDlg::kCapacity, text);
  INT_PTR result = dlg.DoModal(owner);
  if (result == IDOK && text && capacity > 0)
    scrv::CopyBounded(text, static_cast<size_t>(capacity), dlg.text);
  return static_cast<int>(result);
}
