#include "tools/number_range_dlg.h"

#include "base/text_win.h"
#include "frame/export_guard_win.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {

char16_t LocaleDecimalChar() {
  wchar_t buf[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buf, 8) > 0 && buf[0])
    return static_cast<char16_t>(buf[0]);
  return u'.';
}

bool CNumberRangeDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_NR_LOWER:
    case IDC_NR_UPPER:
      if (code == EN_CHANGE) OnFieldsChanged();
      return true;
    case IDC_NR_LOWER_INCLUSIVE:
    case IDC_NR_UPPER_INCLUSIVE:
    case IDC_NR_INTEGERS:
      if (code == BN_CLICKED) OnFieldsChanged();
      return true;
    case IDC_NR_EXPRESSION:
      if (code == EN_CHANGE) OnExpressionChanged();
      return true;
    case IDC_NR_DIRECT:
      ReadControls();
      Refresh();
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

BOOL CNumberRangeDlg::OnInitDialog() {
  lowerEdit_.SubclassWindow(GetDlgItem(IDC_NR_LOWER));
  upperEdit_.SubclassWindow(GetDlgItem(IDC_NR_UPPER));
  expressionEdit_.SubclassWindow(GetDlgItem(IDC_NR_EXPRESSION));
  for (int id : {IDC_NR_LOWER, IDC_NR_UPPER, IDC_NR_EXPRESSION})
    SendDlgItemMessage(id, EM_LIMITTEXT, kCapacity - 1);
  state_ = InitialNumberRangeState(ToU(text), LocaleDecimalChar());
  ShowState();
  Refresh();
  return TRUE;
}

void CNumberRangeDlg::ReadControls() {
  state_.lower = ToU(GetDlgItemText(IDC_NR_LOWER));
  state_.upper = ToU(GetDlgItemText(IDC_NR_UPPER));
  state_.expression = ToU(GetDlgItemText(IDC_NR_EXPRESSION));
  state_.lowerInclusive = IsDlgButtonChecked(IDC_NR_LOWER_INCLUSIVE);
  state_.upperInclusive = IsDlgButtonChecked(IDC_NR_UPPER_INCLUSIVE);
  state_.integersOnly = IsDlgButtonChecked(IDC_NR_INTEGERS);
  state_.directMode = IsDlgButtonChecked(IDC_NR_DIRECT);
}

// Writes the state into the controls without reacting to the change notifications it causes.
void CNumberRangeDlg::ShowState() {
  filling_ = true;
  auto setIfChanged = [this](int id, const std::u16string& value) {
    if (GetDlgItemText(id) != ToW(value)) SetDlgItemText(id, ToW(value));
  };
  setIfChanged(IDC_NR_LOWER, state_.lower);
  setIfChanged(IDC_NR_UPPER, state_.upper);
  setIfChanged(IDC_NR_EXPRESSION, state_.expression);
  CheckDlgButton(IDC_NR_LOWER_INCLUSIVE, state_.lowerInclusive ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_NR_UPPER_INCLUSIVE, state_.upperInclusive ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_NR_INTEGERS, state_.integersOnly ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_NR_DIRECT, state_.directMode ? BST_CHECKED : BST_UNCHECKED);
  filling_ = false;
}

void CNumberRangeDlg::Refresh() {
  NumberRangeEnabling e = NumberRangeEnablingOf(state_);
  EnableDlgItem(IDC_NR_EXPRESSION, e.expression);
  for (int id : {IDC_NR_INTEGERS, IDC_NR_LOWER, IDC_NR_UPPER, IDC_NR_LOWER_INCLUSIVE,
                 IDC_NR_UPPER_INCLUSIVE})
    EnableDlgItem(id, e.fields);
  EnableDlgItem(IDOK, e.ok);
}

void CNumberRangeDlg::OnFieldsChanged() {
  if (filling_) return;
  ReadControls();
  NumberRangeFieldsChanged(state_);
  ShowState();
  Refresh();
}

void CNumberRangeDlg::OnExpressionChanged() {
  if (filling_) return;
  ReadControls();
  NumberRangeExpressionChanged(state_);
  ShowState();
  Refresh();
}

void CNumberRangeDlg::RememberSkip() {
  if (IsDlgButtonChecked(IDC_NR_SKIP)) WriteCommonFlag(Settings(), Flags(), flag::kSkipNumRange, 1);
}

void CNumberRangeDlg::OnOK() {
  ReadControls();
  std::optional<std::u16string> result = NumberRangeResultText(state_);
  if (!result) return;
  RememberSkip();
  CopyBounded(text, kCapacity, ToW(*result));
  EndDialog(IDOK);
}

void CNumberRangeDlg::OnCancel() {
  RememberSkip();
  EndDialog(IDCANCEL);
}

}  // namespace scrv

extern "C" int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity) {
  return scrv::GuardExport(-1, [&] {
    scrv::CNumberRangeDlg dlg;
    if (text) scrv::CopyBounded(dlg.text, scrv::CNumberRangeDlg::kCapacity, text);
    INT_PTR result = dlg.DoModal(owner);
    if (result == IDOK && text && capacity > 0)
      scrv::CopyBounded(text, static_cast<size_t>(capacity), dlg.text);
    return static_cast<int>(result);
  });
}
