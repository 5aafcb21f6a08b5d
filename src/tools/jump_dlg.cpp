#include "tools/jump_dlg.h"

#include <string>

#include "base/text_win.h"
#include "controls/dialog_items_win.h"
#include "controls/list_columns_win.h"
#include "frame/export_guard_win.h"
#include "scrvdlgs_api.h"

namespace scrv {

bool CJumpDlg::OnCommand(int id, int code, HWND control) {
  if (id == IDC_JUMP_CHOICE) {
    if (code == CBN_SELCHANGE) OnChoiceChanged();
    return true;
  }
  if (id == IDC_JUMP_TARGET || id == IDC_JUMP_SECONDARY) {
    if (code == EN_CHANGE) ShowNote();
    return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

BOOL CJumpDlg::OnInitDialog() {
  for (int id : {IDC_JUMP_TARGET, IDC_JUMP_SECONDARY})
    SendDlgItemMessage(id, EM_LIMITTEXT, JumpModel::kFieldDigits);
  ::SetWindowTextW(GetDlgItem(IDC_JUMP_TARGET), std::to_wstring(model_.TargetShown()).c_str());
  ::SetWindowTextW(GetDlgItem(IDC_JUMP_SECONDARY),
                   std::to_wstring(model_.SecondaryShown()).c_str());
  CheckDlgButton(IDC_JUMP_CHECK, model_.CheckedOnOpen() ? BST_CHECKED : BST_UNCHECKED);
  if (model_.ChoiceListEnabled()) {
    ListFillScope fill(GetDlgItem(IDC_JUMP_CHOICE));
    for (const std::u16string& choice : model_.Choices())
      SendDlgItemMessage(IDC_JUMP_CHOICE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(choice)));
    SendDlgItemMessage(IDC_JUMP_CHOICE, CB_SETCURSEL,
                       static_cast<WPARAM>(static_cast<INT_PTR>(model_.InitialSelection())));
  } else {
    EnableDlgItem(IDC_JUMP_CHOICE, false);
  }
  return TRUE;
}

void CJumpDlg::OnChoiceChanged() {
  ::SetWindowTextW(GetDlgItem(IDC_JUMP_SECONDARY),
                   std::to_wstring(JumpModel::kSecondaryAfterChoiceChange).c_str());
}

// Text that OK would not take as it is stays in its field (OK keeps the opening value or uses
// the nearest number in range), and the line under the fields says so meanwhile.
void CJumpDlg::ShowNote() {
  const auto text = [](uint32_t id) { return ToU(LoadResString(id)); };
  std::u16string note =
      model_.FieldNote(ReadField(IDC_JUMP_TARGET), static_cast<uint32_t>(model_.TargetShown()),
                       ToU(GetWindowTextString(GetDlgItem(IDC_JUMP_TARGET_LABEL))), text);
  if (note.empty())
    note = model_.FieldNote(ReadField(IDC_JUMP_SECONDARY),
                            static_cast<uint32_t>(model_.SecondaryShown()),
                            ToU(GetWindowTextString(GetDlgItem(IDC_JUMP_SECONDARY_LABEL))), text);
  SetControlText(GetDlgItem(IDC_JUMP_NOTE), ToW(note));
}

std::optional<uint32_t> CJumpDlg::ReadField(int id) const {
  BOOL valid = FALSE;
  UINT value = GetDlgItemInt(m_hWnd, id, &valid, FALSE);
  if (!valid) return std::nullopt;
  return value;
}

void CJumpDlg::OnOK() {
  auto selection = static_cast<int32_t>(SendDlgItemMessage(IDC_JUMP_CHOICE, CB_GETCURSEL));
  model_.Accept(ReadField(IDC_JUMP_TARGET), ReadField(IDC_JUMP_SECONDARY),
                IsDlgButtonChecked(IDC_JUMP_CHECK), selection < 0 ? -1 : selection);
  EndDialog(IDOK);
}

}  // namespace scrv

extern "C" int DoJump(HWND owner, uint32_t* target, uint32_t* secondary, int32_t* choiceIndex,
                      const void* choiceList, int asIs) {
  return scrv::GuardExport(scrv::kJumpCancelled, [&] {
    if (!target || !secondary || !choiceIndex) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return scrv::kJumpCancelled;
    }
    scrv::JumpValues host{*target, *secondary, *choiceIndex};
    scrv::CJumpDlg dlg(scrv::JumpModel(host, asIs != 0, scrv::ReadJumpChoices(choiceList)));
    INT_PTR result = dlg.DoModal(owner);
    int checked = scrv::FinishJump(result, dlg.Model(), host);
    if (checked != scrv::kJumpCancelled) {
      *target = host.target;
      *secondary = host.secondary;
      *choiceIndex = host.choiceIndex;
    }
    return checked;
  });
}
