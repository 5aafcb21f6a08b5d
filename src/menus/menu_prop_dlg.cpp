#include "menus/menu_prop_dlg.h"

#include "base/text_win.h"
#include "menus/command_table.h"

namespace scrv {
namespace {

constexpr struct {
  int id;
  MenuItemChoice choice;
} kChoices[] = {{IDC_MPROP_COMMAND, MenuItemChoice::kCommand},
                {IDC_MPROP_POPUP, MenuItemChoice::kPopup},
                {IDC_MPROP_SEPARATOR, MenuItemChoice::kSeparator}};

// Fills a list box without drawing every row.
template <class Texts>
void FillListBox(HWND list, const Texts& texts) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const auto& text : texts)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(text)));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

BOOL CMenuPropDlg::OnInitDialog() {
  label_.SubclassWindow(GetDlgItem(IDC_MPROP_LABEL));
  SendDlgItemMessage(IDC_MPROP_LABEL, EM_LIMITTEXT, kMenuTextMax);

  std::vector<std::u16string> categories;
  for (uint32_t i = 0; i < model_.Offer().count; ++i)
    categories.push_back(ToU(LoadResString(CategoryNameId(model_.Offer().first + i))));
  FillListBox(GetDlgItem(IDC_MPROP_CATEGORIES), categories);
  FillCommands();
  for (const auto& c : kChoices)
    CheckDlgButton(c.id, model_.Choice() == c.choice ? BST_CHECKED : BST_UNCHECKED);
  ShowLabel();
  ShowState();
  return TRUE;
}

void CMenuPropDlg::FillCommands() {
  SendDlgItemMessage(IDC_MPROP_CATEGORIES, LB_SETCURSEL,
                     static_cast<WPARAM>(model_.CategoryPosition()));
  std::vector<std::u16string> texts;
  texts.reserve(model_.CommandList().size());
  for (const CommandChoice& c : model_.CommandList()) texts.push_back(c.text);
  FillListBox(GetDlgItem(IDC_MPROP_COMMANDS), texts);
  SendDlgItemMessage(IDC_MPROP_COMMANDS, LB_SETCURSEL,
                     static_cast<WPARAM>(static_cast<INT_PTR>(model_.CommandPosition())));
}

void CMenuPropDlg::ShowLabel() {
  showing_ = true;
  ::SetDlgItemTextW(m_hWnd, IDC_MPROP_LABEL, W(model_.Label()));
  showing_ = false;
}

void CMenuPropDlg::ShowState() {
  EnableDlgItem(IDC_MPROP_COMMAND, model_.CommandChoiceEnabled());
  EnableDlgItem(IDC_MPROP_POPUP, model_.PopupChoiceEnabled());
  EnableDlgItem(IDC_MPROP_SEPARATOR, model_.SeparatorChoiceEnabled());
  EnableDlgItem(IDC_MPROP_CATEGORIES, model_.ListsEnabled());
  EnableDlgItem(IDC_MPROP_COMMANDS, model_.ListsEnabled());
  EnableDlgItem(IDC_MPROP_LABEL, model_.LabelEnabled());
  const int show = model_.StatusShown() ? SW_SHOWNA : SW_HIDE;
  ShowWindow(GetDlgItem(IDC_MPROP_STATUS_LABEL), show);
  ShowWindow(GetDlgItem(IDC_MPROP_STATUS), show);
  ::SetDlgItemTextW(m_hWnd, IDC_MPROP_STATUS, W(model_.StatusText()));
}

bool CMenuPropDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_MPROP_COMMAND:
    case IDC_MPROP_POPUP:
    case IDC_MPROP_SEPARATOR:
      if (code == BN_CLICKED) {
        for (const auto& c : kChoices)
          if (c.id == id) model_.Choose(c.choice);
        ShowState();
      }
      return true;
    case IDC_MPROP_CATEGORIES:
      if (code == LBN_SELCHANGE) {
        model_.ChooseCategoryPosition(
            static_cast<int>(SendDlgItemMessage(IDC_MPROP_CATEGORIES, LB_GETCURSEL)));
        FillCommands();
        ShowState();
      }
      return true;
    case IDC_MPROP_COMMANDS:
      if (code == LBN_SELCHANGE) {
        model_.ChooseCommand(
            static_cast<int>(SendDlgItemMessage(IDC_MPROP_COMMANDS, LB_GETCURSEL)));
        ShowLabel();
        ShowState();
      }
      return true;
    case IDC_MPROP_LABEL:
      if (code == EN_CHANGE && !showing_)
        model_.TypeLabel(ToU(GetWindowTextString(GetDlgItem(IDC_MPROP_LABEL))));
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

void CMenuPropDlg::OnOK() {
  result_ = model_.Accept();
  EndDialog(IDOK);
}

}  // namespace scrv
