#include "tools/delete_duplicates_dlg.h"

#include "controls/dialog_items_win.h"
#include "frame/export_guard_win.h"
#include "controls/wide_string_list.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {
namespace {

// The two-state option boxes and where the model keeps them.
struct OptionBox {
  int control;
  bool DeleteDuplicateOptions::*field;
};
constexpr OptionBox kOptionBoxes[] = {
    {IDC_DD_ENTIRE_GROUP, &DeleteDuplicateOptions::entireGroup},
    {IDC_DD_IGNORE_EMPTY_LINES, &DeleteDuplicateOptions::ignoreEmptyLines},
    {IDC_DD_IGNORE_EMPTY_CELLS, &DeleteDuplicateOptions::ignoreEmptyCells},
    {IDC_DD_ADJACENT_ONLY, &DeleteDuplicateOptions::adjacentOnly},
    {IDC_DD_INCLUDE_ALL, &DeleteDuplicateOptions::includeAll},
    {IDC_DD_IGNORE_CASE, &DeleteDuplicateOptions::ignoreCase},
};

constexpr int kComparisonRadios[] = {IDC_DD_COMPARE_LINES, IDC_DD_COMPARE_LINES_SELECTION,
                                     IDC_DD_COMPARE_COLUMNS};

}  // namespace

CDeleteDuplicateAdvancedDlg::CDeleteDuplicateAdvancedDlg(std::vector<std::u16string> columnNames,
                                                         KeyList keys, bool groupFlag,
                                                         uint32_t mode)
    : model_(std::move(columnNames), keys, groupFlag, mode) {}

bool CDeleteDuplicateAdvancedDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_DD_COMPARE_LINES:
    case IDC_DD_COMPARE_LINES_SELECTION:
    case IDC_DD_COMPARE_COLUMNS:
    case IDC_DD_ADJACENT_ONLY:
      if (code == BN_CLICKED) Refresh();
      return true;
    case IDC_DD_DELETE_SECOND:
      OnAccept(id);
      return true;
  }
  return CColumnListDialog::OnCommand(id, code, control);
}

BOOL CDeleteDuplicateAdvancedDlg::OnInitDialog() {
  model_.Load(Settings(), Flags());
  ShowOptions();

  {
    ListViewFillScope fill(GetDlgItem(IDC_CHECK_LIST));
    AttachColumnList(1, false);
    AddListColumn(list_, 0, IDS_KEY_COLUMN_HEADER, FillColumnWidth(list_, 0));
    // Rows never move here, so a row's index names its key.
    for (size_t row = 0; row < model_.RowCount(); ++row)
      AppendCallbackRow(list_, static_cast<LPARAM>(row), model_.rowChecked[row]);
    if (model_.RowCount() > 0) list_.SelectRows({0}, 0);
  }
  Refresh();
  return TRUE;
}

std::u16string_view CDeleteDuplicateAdvancedDlg::RowText(LPARAM row, int) const {
  return row >= 0 ? model_.RowText(static_cast<size_t>(row)) : std::u16string_view();
}

void CDeleteDuplicateAdvancedDlg::ShowOptions() {
  for (const OptionBox& box : kOptionBoxes)
    SetButtonChecked(GetDlgItem(box.control), model_.options.*box.field);
  SetButtonCheck(GetDlgItem(IDC_DD_SELECTION_ONLY),
                 static_cast<UINT>(model_.options.selectionOnly));
  HWND radios[std::size(kComparisonRadios)] = {}, checked = nullptr;
  for (size_t r = 0; r < std::size(radios); ++r) {
    radios[r] = GetDlgItem(kComparisonRadios[r]);
    if (kComparisonRadios[r] == static_cast<int>(model_.comparison)) checked = radios[r];
  }
  CheckRadio(radios, std::size(radios), checked);
}

void CDeleteDuplicateAdvancedDlg::ReadControls() {
  for (const OptionBox& box : kOptionBoxes)
    model_.options.*box.field = IsButtonChecked(GetDlgItem(box.control));
  model_.options.selectionOnly =
      static_cast<CheckState>(::SendMessageW(GetDlgItem(IDC_DD_SELECTION_ONLY), BM_GETCHECK, 0, 0));
  for (int radio : kComparisonRadios)
    if (IsButtonChecked(GetDlgItem(radio)))
      model_.comparison = static_cast<DuplicateComparison>(radio);
  model_.rowChecked = RowChecks(model_.RowCount());
}

void CDeleteDuplicateAdvancedDlg::Refresh() {
  ReadControls();
  DeleteDuplicatesView view = model_.Refresh();
  ::EnableWindow(list_, view.columnListEnabled);
  ::EnableWindow(GetDlgItem(IDC_DD_IGNORE_EMPTY_CELLS), view.columnListEnabled);
  ::EnableWindow(GetDlgItem(IDC_CHECK_ALL), view.columnListEnabled);
  ::EnableWindow(GetDlgItem(IDC_DD_ENTIRE_GROUP), view.entireGroupEnabled);
  ::EnableWindow(GetDlgItem(IDC_DD_SELECTION_ONLY), view.selectionOnlyEnabled);
  ::EnableWindow(GetDlgItem(IDC_DD_COMPARE_LINES_SELECTION), view.inSelectionRadioEnabled);
  ::EnableWindow(GetDlgItem(IDC_DD_COMPARE_COLUMNS), view.columnsRadioEnabled);
  list_.UpdateControls();
}

void CDeleteDuplicateAdvancedDlg::OnAccept(int button) {
  ReadControls();
  model_.Accept(Settings(), Flags(), button == IDC_DD_DELETE_SECOND);
  EndDialog(button);
}

}  // namespace scrv

extern "C" int DoDeleteDuplicateAdvanced(HWND owner, const void* columnNames, void* keys,
                                         int groupFlag, int mode) {
  return scrv::GuardExport(-1, [&] {
    std::optional<std::vector<std::u16string>> names =
        columnNames ? scrv::ReadWideStringList(columnNames) : std::vector<std::u16string>();
    std::optional<scrv::KeyList> list = keys ? scrv::KeyList::Attach(keys) : scrv::KeyList();
    if (!names || !list) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return -1;
    }
    scrv::CDeleteDuplicateAdvancedDlg dlg(std::move(*names), *list, groupFlag != 0,
                                          static_cast<uint32_t>(mode));
    INT_PTR result = dlg.DoModal(owner);
    return result > 0 ? static_cast<int>(result) : -1;
  });
}
