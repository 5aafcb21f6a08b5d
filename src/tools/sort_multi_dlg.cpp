#include "tools/sort_multi_dlg.h"

#include "frame/text_win.h"
#include "frame/wide_string_list.h"
#include "tools/column_list_win.h"

namespace scrv {

static_assert(kSortMultiKeyListControl == IDC_CHECK_LIST);
static_assert(kSortMultiEntireGroupBox == IDC_SM_ENTIRE_GROUP);
static_assert(kSortMultiSelectionOnlyBox == IDC_SM_SELECTION_ONLY);
static_assert(kSortMultiSecondSortButton == IDC_SM_SORT_SECOND);
static_assert(kSortKindRadioFirst == IDC_SM_KIND_FIRST && kSortKindRadioLast == IDC_SM_KIND_LAST);

CSortMultiDlg::CSortMultiDlg(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                             bool selectionFlag)
    : names_(columnNames), model_(std::move(columnNames), keys, groupFlag, selectionFlag) {}

bool CSortMultiDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result, DWORD mapId) {
  if (list_.OnParentMessage(hwnd, msg, wParam, lParam, result)) return true;
  if (CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result, mapId)) {
    // The list has been laid out anew: its last column fills it again.
    if (msg == WM_SIZE) FitLastColumn(list_);
    return true;
  }
  if (NMLVDISPINFOW* info = DisplayRequest(msg, lParam, IDC_CHECK_LIST)) {
    OnRowText(*info);
    result = 0;
    return true;
  }
  switch (msg) {
    case WM_INITDIALOG:
      result = OnInitDialog();
      return true;
    case SCM_CHECKLIST:
      if (wParam == kClSelectionChanged) Refresh();
      result = 0;
      return true;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id >= IDC_SM_KIND_FIRST && id <= IDC_SM_KIND_LAST) {
        if (HIWORD(wParam) == BN_CLICKED) OnKindRadio(id);
        return true;
      }
      switch (id) {
        case IDOK:
        case IDC_SM_SORT_SECOND:
        case IDCANCEL:
          OnClose(id);
          return true;
      }
      break;
    }
  }
  return false;
}

LRESULT CSortMultiDlg::OnInitDialog() {
  model_.Load(Settings());
  CheckDlgButton(IDC_SM_ENTIRE_GROUP, model_.entireGroup ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_SM_SELECTION_ONLY, model_.selectionOnly ? BST_CHECKED : BST_UNCHECKED);

  AttachColumnChoiceList(list_, GetDlgItem(IDC_CHECK_LIST), 1, IsDarkTheme(), SwapRows, this);
  AddListColumn(list_, 0, IDS_KEY_COLUMN_HEADER, FillColumnWidth(list_, 0));

  for (size_t row = 0; row < model_.RowCount(); ++row) {
    AppendCallbackRow(list_, model_.Keys().Column(row), model_.rowChecked[row]);
  }
  if (model_.RowCount() > 0) {
    list_.SelectRows({0}, 0);
    ::SetFocus(list_);
  }
  Refresh();
  return model_.RowCount() == 0;  // FALSE: the focus is on the first row already
}

// The row's parameter is the column its key named when the row was filled; the key moves with
// the row, so the name does too.
void CSortMultiDlg::OnRowText(NMLVDISPINFOW& info) const {
  LPARAM column = info.item.lParam;
  if (column >= 0 && static_cast<size_t>(column) < names_.size())
    FillDisplayText(info, names_[static_cast<size_t>(column)]);
  else
    FillDisplayText(info, u"");
}

void CSortMultiDlg::ReadList() {
  model_.rowChecked.assign(model_.RowCount(), false);
  for (size_t row = 0; row < model_.RowCount(); ++row)
    model_.rowChecked[row] = list_.IsRowChecked(static_cast<int>(row));
  model_.selectedRows.clear();
  for (int row : list_.SelectedRows()) model_.selectedRows.push_back(static_cast<size_t>(row));
  model_.entireGroup = IsDlgButtonChecked(IDC_SM_ENTIRE_GROUP);
  model_.selectionOnly = IsDlgButtonChecked(IDC_SM_SELECTION_ONLY);
}

void CSortMultiDlg::Refresh() {
  ReadList();
  SortMultiView view = model_.Refresh();
  for (int radio = IDC_SM_KIND_FIRST; radio <= IDC_SM_KIND_LAST; ++radio) {
    CheckDlgButton(radio, radio == view.checkedRadio ? BST_CHECKED : BST_UNCHECKED);
    EnableDlgItem(radio, view.radiosEnabled);
  }
  EnableDlgItem(IDOK, view.okEnabled);
  EnableDlgItem(IDC_SM_SORT_SECOND, view.okEnabled);
  EnableDlgItem(IDC_SM_ENTIRE_GROUP, view.entireGroupEnabled);
  EnableDlgItem(IDC_SM_SELECTION_ONLY, view.selectionOnlyEnabled);
  list_.UpdateControls();
}

void CSortMultiDlg::OnKindRadio(int radio) {
  ReadList();
  model_.ChooseRadio(radio);
  Refresh();
}

void CSortMultiDlg::OnClose(int button) {
  ReadList();
  model_.Close(Settings());
  EndDialog(button);
}

void CSortMultiDlg::SwapRows(int first, int second, void* self) {
  if (first < 0 || second < 0) return;
  static_cast<CSortMultiDlg*>(self)->model_.SwapRows(static_cast<size_t>(first),
                                                     static_cast<size_t>(second));
}

}  // namespace scrv

extern "C" int DoSortMulti(HWND owner, const void* columnNames, void* sortKeys, int groupFlag,
                           int selectionFlag) {
  try {
    std::optional<std::vector<std::u16string>> names = scrv::ReadWideStringList(columnNames);
    std::optional<scrv::KeyList> keys = scrv::KeyList::Attach(sortKeys);
    if (!names || !keys) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return -1;
    }
    scrv::CSortMultiDlg dlg(std::move(*names), *keys, groupFlag != 0, selectionFlag != 0);
    INT_PTR result = dlg.DoModal(owner);
    return result > 0 ? static_cast<int>(result) : -1;
  } catch (...) {
    SetLastError(ERROR_OUTOFMEMORY);
    return -1;
  }
}
