#include "integration/start_options_dlg.h"

#include "controls/dialog_items_win.h"
#include "frame/export_guard_win.h"
#include "base/module_state_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {
namespace {

// The control of each row, in the model's row order; the large-icon row is a radio pair whose
// "off" button is IDC_SD_SMALL_ICONS.
constexpr int kRowControls[kStartOptionCount] = {
    IDC_SD_SHOW,         IDC_SD_DOWN_KEY,   IDC_SD_PROMPT_WORKSPACE,
    IDC_SD_NAME_VISIBLE, IDC_SD_NEW_OPTION, IDC_SD_SNAP,
    IDC_SD_DATE,         IDC_SD_TYPE,       IDC_SD_SIZE,
    IDC_SD_LARGE_ICONS,  IDC_SD_ADD_BUTTON};

}  // namespace

bool CCustomizeStartDlg::OnCommand(int id, int code, HWND control) {
  if (id != IDC_SD_RESET) return CMyDialogImpl::OnCommand(id, code, control);
  model_.Reset(Flags());
  ShowValues();
  return true;
}

BOOL CCustomizeStartDlg::OnInitDialog() {
  model_.Load(Settings(), Flags());
  ShowValues();
  return TRUE;
}

void CCustomizeStartDlg::ShowValues() {
  // Set only where a state changes, and a radio without its group walk: both cost round trips.
  for (size_t i = 0; i < kStartOptionCount; ++i)
    SetButtonChecked(GetDlgItem(kRowControls[i]), model_.values[i]);
  SetButtonChecked(GetDlgItem(IDC_SD_SMALL_ICONS), !IsDlgButtonChecked(IDC_SD_LARGE_ICONS));
}

void CCustomizeStartDlg::OnOK() {
  for (size_t i = 0; i < kStartOptionCount; ++i)
    model_.values[i] = IsDlgButtonChecked(kRowControls[i]);
  lookChanged_ = model_.Save(Settings(), Flags());
  EndDialog(IDOK);
}

}  // namespace scrv

extern "C" int DoCustomizeStart(HWND owner) {
  return scrv::GuardExport(-1, [&] {
    scrv::CCustomizeStartDlg dlg;
    INT_PTR result = dlg.DoModal(owner);
    if (result == -1) return -1;
    return result == IDOK ? dlg.LookChanged() : 0;
  });
}
