#include "tools/number_range_dlg.h"

#include "controls/dialog_items_win.h"
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
    ::SendMessageW(GetDlgItem(id), EM_LIMITTEXT, kCapacity - 1, 0);
  state_ = InitialNumberRangeState(ToU(text), LocaleDecimalChar());
  state_.cut = state_.cut || textCut;
  ShowState();
  Refresh();
  // An expression typed directly is what the dialog opens on: the focus starts in it.
  if (state_.directMode) {
    ::SetFocus(expressionEdit_);
    ::SendMessageW(expressionEdit_, EM_SETSEL, 0, -1);
    return FALSE;
  }
  return TRUE;
}

void CNumberRangeDlg::ReadControls() {
  state_.lower = ToU(GetWindowTextString(lowerEdit_));
  state_.upper = ToU(GetWindowTextString(upperEdit_));
  state_.expression = ToU(GetWindowTextString(expressionEdit_));
  state_.lowerInclusive = IsButtonChecked(GetDlgItem(IDC_NR_LOWER_INCLUSIVE));
  state_.upperInclusive = IsButtonChecked(GetDlgItem(IDC_NR_UPPER_INCLUSIVE));
  state_.integersOnly = IsButtonChecked(GetDlgItem(IDC_NR_INTEGERS));
  state_.directMode = IsButtonChecked(GetDlgItem(IDC_NR_DIRECT));
}

// Writes the state into the controls without reacting to the change notifications it causes.
void CNumberRangeDlg::ShowState() {
  filling_ = true;
  SetControlText(lowerEdit_, ToW(state_.lower));
  SetControlText(upperEdit_, ToW(state_.upper));
  SetControlText(expressionEdit_, ToW(state_.expression));
  SetButtonChecked(GetDlgItem(IDC_NR_LOWER_INCLUSIVE), state_.lowerInclusive);
  SetButtonChecked(GetDlgItem(IDC_NR_UPPER_INCLUSIVE), state_.upperInclusive);
  SetButtonChecked(GetDlgItem(IDC_NR_INTEGERS), state_.integersOnly);
  SetButtonChecked(GetDlgItem(IDC_NR_DIRECT), state_.directMode);
  filling_ = false;
}

void CNumberRangeDlg::Refresh() {
  NumberRangeEnabling e = NumberRangeEnablingOf(state_);
  ::EnableWindow(GetDlgItem(IDC_NR_EXPRESSION), e.expression);
  for (int id : {IDC_NR_INTEGERS, IDC_NR_LOWER, IDC_NR_UPPER, IDC_NR_LOWER_INCLUSIVE,
                 IDC_NR_UPPER_INCLUSIVE})
    ::EnableWindow(GetDlgItem(id), e.fields);
  ::EnableWindow(GetDlgItem(IDOK), e.ok);
  // While OK is disabled, or the host's text had to be cut, the examples line says why.
  if (examples_.empty()) examples_ = GetWindowTextString(GetDlgItem(IDC_NR_EXAMPLES));
  const std::wstring line =
      e.ok && !state_.cut ? examples_
                          : ToW(NumberRangeReasonText(NumberRangeReasonOf(state_), [](uint32_t id) {
                              return ToU(LoadResString(id));
                            }));
  SetControlText(GetDlgItem(IDC_NR_EXAMPLES), line);
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
  if (IsButtonChecked(GetDlgItem(IDC_NR_SKIP)))
    WriteCommonFlag(Settings(), Flags(), flag::kSkipNumRange, 1);
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
    if (text) {
      scrv::CopyBounded(dlg.text, scrv::CNumberRangeDlg::kCapacity, text);
      dlg.textCut =
          wcsnlen(text, scrv::CNumberRangeDlg::kCapacity) >= scrv::CNumberRangeDlg::kCapacity;
    }
    INT_PTR result = dlg.DoModal(owner);
    if (result == IDOK && text && capacity > 0)
      scrv::CopyBounded(text, static_cast<size_t>(capacity), dlg.text);
    return static_cast<int>(result);
  });
}
