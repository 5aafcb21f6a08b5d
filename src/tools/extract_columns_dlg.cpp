#include "tools/extract_columns_dlg.h"

#include <cstring>

#include "controls/ole_object_win.h"
#include "frame/text_win.h"
#include "tools/column_list_win.h"
#include "tools/host_names.h"

namespace scrv {
namespace {

static_assert(kExtractColumnList == IDC_CHECK_LIST);

// Where the block's handle goes in the host's record.
constexpr size_t kBlockFieldOffset = 24;

}  // namespace

bool CExtractColumnsDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
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
      // The check list has already brought its check-all box up to date.
      result = 0;
      return true;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          OnOK();
          return true;
        case IDCANCEL:
          EndDialog(IDCANCEL);
          return true;
      }
      break;
  }
  return false;
}

LRESULT CExtractColumnsDlg::OnInitDialog() {
  AttachColumnChoiceList(list_, GetDlgItem(IDC_CHECK_LIST), 1, IsDarkTheme(), SwapRows, this);
  AddListColumn(list_, 0, IDS_JOIN_COLUMN_HEADER, FillColumnWidth(list_, 0));

  HWND parent = GetParent();
  if (parent) {
    names_ = RequestHostNames([parent](size_t count, char16_t* buffer) {
      return static_cast<intptr_t>(
          ::SendMessageW(parent, kHostMsgColumnNames,
                         static_cast<WPARAM>(ColumnNamesWParam(kCurrentDocument, count)),
                         reinterpret_cast<LPARAM>(buffer)));
    });
  }
  model_.emplace(names_);
  for (const ColumnEntry& entry : model_->Entries())
    AppendCallbackRow(list_, static_cast<LPARAM>(entry.column), true);
  if (model_->RowCount() > 0) list_.SelectRows({0}, 0);
  list_.UpdateControls();
  return TRUE;
}

// A row's parameter is its column index, which moves with the row.
void CExtractColumnsDlg::OnRowText(NMLVDISPINFOW& info) const {
  LPARAM column = info.item.lParam;
  FillDisplayText(info, column >= 0 && static_cast<size_t>(column) < names_.size()
                            ? std::u16string_view(names_[static_cast<size_t>(column)])
                            : std::u16string_view());
}

void CExtractColumnsDlg::OnOK() {
  if (model_) {
    for (size_t row = 0; row < model_->RowCount(); ++row)
      model_->SetRowChecked(row, list_.IsRowChecked(static_cast<int>(row)));
  }
  EndDialog(IDOK);
}

void CExtractColumnsDlg::SwapRows(int first, int second, void* self) {
  auto* dlg = static_cast<CExtractColumnsDlg*>(self);
  if (first < 0 || second < 0 || !dlg->model_) return;
  dlg->model_->SwapRows(static_cast<size_t>(first), static_cast<size_t>(second));
}

}  // namespace scrv

extern "C" int DoExtractColumns(HWND owner, void* record) {
  if (!record) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  try {
    scrv::CExtractColumnsDlg dlg;
    if (dlg.DoModal(owner) != IDOK) return 0;
    std::vector<uint8_t> entries = dlg.Block();
    // An empty list still gets a block (of one byte), so the host always has one to free.
    HGLOBAL block = scrv::NewMovableBlock(entries.data(), entries.size());
    if (!block) {
      SetLastError(ERROR_OUTOFMEMORY);
      return 0;
    }
    uint64_t handle = reinterpret_cast<uintptr_t>(block);
    std::memcpy(static_cast<uint8_t*>(record) + scrv::kBlockFieldOffset, &handle, sizeof handle);
    return 1;
  } catch (...) {
    SetLastError(ERROR_OUTOFMEMORY);
    return 0;
  }
}
