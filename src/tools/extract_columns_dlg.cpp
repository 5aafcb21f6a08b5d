#include "tools/extract_columns_dlg.h"

#include <cstring>

#include "controls/ole_object_win.h"
#include "frame/export_guard_win.h"
#include "scrvdlgs_api.h"
#include "tools/host_names.h"

namespace scrv {
namespace {

// Where the block's handle goes in the host's record.
constexpr size_t kBlockFieldOffset = 24;

}  // namespace

BOOL CExtractColumnsDlg::OnInitDialog() {
  HWND parent = GetParent();
  if (parent) {
    names_ = RequestHostNames([parent](size_t count, char16_t* buffer) {
      return static_cast<intptr_t>(::SendMessageW(
          parent, SCM_COLUMN_NAMES, static_cast<WPARAM>(ColumnNamesWParam(kCurrentDocument, count)),
          reinterpret_cast<LPARAM>(buffer)));
    });
  }
  model_.emplace(names_);
  {
    ListViewFillScope fill(GetDlgItem(IDC_CHECK_LIST));
    AttachColumnList(1, true);
    AddListColumn(list_, 0, IDS_JOIN_COLUMN_HEADER, FillColumnWidth(list_, 0));
    for (const ColumnEntry& entry : model_->Entries())
      AppendCallbackRow(list_, static_cast<LPARAM>(entry.column), true);
    if (model_->RowCount() > 0) list_.SelectRows({0}, 0);
  }
  list_.UpdateControls();
  return TRUE;
}

// A row's parameter is its column index, which moves with the row.
std::u16string_view CExtractColumnsDlg::RowText(LPARAM column, int) const {
  if (column < 0 || static_cast<size_t>(column) >= names_.size()) return {};
  return names_[static_cast<size_t>(column)];
}

void CExtractColumnsDlg::OnOK() {
  if (model_) {
    for (size_t row = 0; row < model_->RowCount(); ++row)
      model_->SetRowChecked(row, list_.IsRowChecked(static_cast<int>(row)));
  }
  EndDialog(IDOK);
}

}  // namespace scrv

extern "C" int DoExtractColumns(HWND owner, void* record) {
  return scrv::GuardExport(0, [&] {
    if (!record) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
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
  });
}
