#include "menus/menu_prop_dlg.h"

#include "controls/dialog_items_win.h"
#include "base/text_win.h"
#include "controls/list_columns_win.h"
#include "base/command_table.h"

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
  {
    ListFillScope fill(list);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const auto& text : texts)
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(text)));
  }
  // A list not shown yet is drawn whole when it first appears.
  if (IsWindowVisible(list)) InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

BOOL CMenuPropDlg::OnInitDialog() {
  label_.SubclassWindow(GetDlgItem(IDC_MPROP_LABEL));
  ::SendMessageW(GetDlgItem(IDC_MPROP_LABEL), EM_LIMITTEXT, kMenuTextMax, 0);

  std::vector<std::u16string> categories;
  for (uint32_t i = 0; i < model_.Offer().count; ++i)
    categories.push_back(ToU(LoadResString(CategoryNameId(model_.Offer().first + i))));
  FillListBox(GetDlgItem(IDC_MPROP_CATEGORIES), categories);
  FillCommands();
  HWND choices[std::size(kChoices)] = {}, chosen = nullptr;
  for (size_t c = 0; c < std::size(kChoices); ++c) {
    choices[c] = GetDlgItem(kChoices[c].id);
    if (model_.Choice() == kChoices[c].choice) chosen = choices[c];
  }
  CheckRadio(choices, std::size(choices), chosen);
  ShowLabel();
  ShowState();
  return TRUE;
}

void CMenuPropDlg::FillCommands() {
  ::SendMessageW(GetDlgItem(IDC_MPROP_CATEGORIES), LB_SETCURSEL,
                 static_cast<WPARAM>(model_.CategoryPosition()), 0);
  std::vector<std::u16string> texts;
  texts.reserve(model_.CommandList().size());
  for (const CommandChoice& c : model_.CommandList()) texts.push_back(c.text);
  FillListBox(GetDlgItem(IDC_MPROP_COMMANDS), texts);
  ::SendMessageW(GetDlgItem(IDC_MPROP_COMMANDS), LB_SETCURSEL,
                 static_cast<WPARAM>(static_cast<INT_PTR>(model_.CommandPosition())), 0);
}

void CMenuPropDlg::ShowLabel() {
  showing_ = true;
  SetControlText(label_, ToW(model_.Label()));
  showing_ = false;
}

void CMenuPropDlg::ShowState() {
  ::EnableWindow(GetDlgItem(IDC_MPROP_COMMAND), model_.CommandChoiceEnabled());
  ::EnableWindow(GetDlgItem(IDC_MPROP_POPUP), model_.PopupChoiceEnabled());
  ::EnableWindow(GetDlgItem(IDC_MPROP_SEPARATOR), model_.SeparatorChoiceEnabled());
  ::EnableWindow(GetDlgItem(IDC_MPROP_CATEGORIES), model_.ListsEnabled());
  ::EnableWindow(GetDlgItem(IDC_MPROP_COMMANDS), model_.ListsEnabled());
  ::EnableWindow(GetDlgItem(IDC_MPROP_LABEL), model_.LabelEnabled());
  const int show = model_.StatusShown() ? SW_SHOWNA : SW_HIDE;
  ShowWindow(GetDlgItem(IDC_MPROP_STATUS_LABEL), show);
  ShowWindow(GetDlgItem(IDC_MPROP_STATUS), show);
  SetControlText(GetDlgItem(IDC_MPROP_STATUS), ToW(model_.StatusText()));
  if (refused_) ShowReason();
}

void CMenuPropDlg::ShowReason() {
  SetControlText(GetDlgItem(IDC_MPROP_REASON),
                 ToW(model_.ProblemText([](uint32_t id) { return ToU(LoadResString(id)); })));
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
            static_cast<int>(::SendMessageW(GetDlgItem(IDC_MPROP_CATEGORIES), LB_GETCURSEL, 0, 0)));
        FillCommands();
        ShowState();
      }
      return true;
    case IDC_MPROP_COMMANDS:
      if (code == LBN_SELCHANGE) {
        model_.ChooseCommand(
            static_cast<int>(::SendMessageW(GetDlgItem(IDC_MPROP_COMMANDS), LB_GETCURSEL, 0, 0)));
        ShowLabel();
        ShowState();
      }
      return true;
    case IDC_MPROP_LABEL:
      if (code == EN_CHANGE && !showing_) {
        model_.TypeLabel(ToU(GetWindowTextString(GetDlgItem(IDC_MPROP_LABEL))));
        if (refused_) ShowReason();
      }
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

// OK never leaves an item that runs nothing known or shows an empty entry: the dialog stays
// open, says why beside the label, and puts the focus where the fix is made.
void CMenuPropDlg::OnOK() {
  const MenuPropProblem problem = model_.Problem();
  if (problem != MenuPropProblem::kNone) {
    refused_ = true;
    ShowReason();
    MessageBeep(MB_ICONWARNING);
    const int fix =
        problem == MenuPropProblem::kUnknownCommand ? IDC_MPROP_COMMANDS : IDC_MPROP_LABEL;
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(fix)), TRUE);
    return;
  }
  result_ = model_.Accept();
  EndDialog(IDOK);
}

}  // namespace scrv
