#include "integration/code_page_dlg.h"

#include <cstring>

#include "frame/export_guard_win.h"
#include "frame/host_windows_win.h"
#include "base/text_win.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"
#include "controls/column_list_win.h"

namespace scrv {
namespace {

// The name column takes this share of the list's width, the script column the rest.
constexpr int kNameColumnPercent = 70;

std::vector<uint16_t> StoredCodePages() {
  std::optional<SettingsRecord> record = OpenAppRecord(record::kNewCp);
  if (!record || LoadAppRecord(*record) != ReadResult::kRead) return DefaultCodePages();
  std::optional<std::vector<uint16_t>> list = CodePagesFromRecord(*record);
  return list ? *list : DefaultCodePages();
}

uint64_t NowAsFileTime() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime;
}

// COM for the thread while the dialog runs; the last thing released on every path.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComScope() {
    if (ok_) CoUninitialize();
  }
  bool Ok() const { return ok_; }

 private:
  bool ok_;
};

}  // namespace

// The rows are owner data: their ticks live in the selection, asked for as rows are drawn.
LRESULT CCodePageDlg::OnCheckList(UINT code, LPARAM lParam) {
  switch (code) {
    case kClGetStateImage:
      return selection_->Ticked(static_cast<size_t>(lParam)) ? 2 : 1;
    case kClSetStateImage: {
      const auto* state = reinterpret_cast<const CheckListRowState*>(lParam);
      if (!state || state->row < 0 || static_cast<size_t>(state->row) >= selection_->size())
        return 0;
      selection_->SetTicked(static_cast<size_t>(state->row), state->image == 2);
      return 1;
    }
    case kClGetRowText: {  // copy: both columns, as a plain list view joins them
      auto* request = reinterpret_cast<CheckListRowText*>(lParam);
      if (!request || request->row < 0 || static_cast<size_t>(request->row) >= selection_->size())
        return 0;
      auto row = static_cast<size_t>(request->row);
      request->text = Description(row) + L'\t' + ScriptName(row);
      return 1;
    }
  }
  return 0;
}

bool CCodePageDlg::OnCommand(int id, int code, HWND control) {
  if (id != IDC_CP_RESET) return CMyDialogImpl::OnCommand(id, code, control);
  selection_->Reset();
  ShowTicks();
  return true;
}

bool CCodePageDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (id != IDC_CHECK_LIST || header.code != LVN_GETDISPINFOW) return false;
  OnRowText(reinterpret_cast<NMLVDISPINFOW&>(header));
  result = 0;
  return true;
}

BOOL CCodePageDlg::OnInitDialog() {
  service_ = std::make_unique<MultiLanguage>();
  selection_.emplace(CandidateCodePages(service_->Enumerate()), StoredCodePages());
  descriptions_.assign(selection_->size(), std::nullopt);

  // No check-all box: 1734 is the note here.
  OwnedListSetup setup;
  setup.columnCount = 2;
  setup.options.checkBoxes = true;
  setup.textCallback = true;
  HWND list = GetDlgItem(IDC_CHECK_LIST);
  {
    ListViewFillScope fill(list);
    AttachOwnedList(list_, list, setup, DarkTheme());
    AddParentHook(list_);
    // The columns start at their fitted widths: each later width change costs a header layout.
    auto [nameWidth, scriptWidth] = ColumnWidths();
    AddListColumn(list, 0, IDS_CP_NAME_HEADER, nameWidth);
    AddListColumn(list, 1, IDS_CP_SCRIPT_HEADER, scriptWidth);
    list_.SendMessage(LVM_SETITEMCOUNT, selection_->size());
    if (selection_->size() > 0) list_.SelectRows({0}, 0);
  }
  list_.UpdateControls();
  return TRUE;
}

std::pair<int, int> CCodePageDlg::ColumnWidths() const {
  int width = FillColumnWidth(list_.m_hWnd, 0);
  int nameWidth = MulDiv(width, kNameColumnPercent, 100);
  return {nameWidth, width - nameWidth};
}

void CCodePageDlg::FitColumns() {
  if (!list_.m_hWnd) return;
  auto [nameWidth, scriptWidth] = ColumnWidths();
  if (list_.SendMessage(LVM_GETCOLUMNWIDTH, 0) != nameWidth)
    list_.SendMessage(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(nameWidth, 0));
  if (list_.SendMessage(LVM_GETCOLUMNWIDTH, 1) != scriptWidth)
    list_.SendMessage(LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(scriptWidth, 0));
}

void CCodePageDlg::OnRowText(NMLVDISPINFOW& info) {
  if (info.item.iItem < 0 || static_cast<size_t>(info.item.iItem) >= selection_->size()) return;
  auto row = static_cast<size_t>(info.item.iItem);
  FillDisplayText(info, ToU(info.item.iSubItem == 0 ? Description(row) : ScriptName(row)));
}

const std::wstring& CCodePageDlg::Description(size_t row) {
  std::optional<std::wstring>& text = descriptions_[row];
  if (!text) {
    uint16_t codePage = selection_->CodePage(row);
    text = service_->Description(codePage);
    if (text->empty()) text = std::to_wstring(codePage);
  }
  return *text;
}

std::wstring CCodePageDlg::ScriptName(size_t row) {
  uint32_t offset = CharsetNameOffset(service_->Charset(selection_->CodePage(row)));
  return LoadResString(IDS_CP_CHARSET_FIRST + offset);
}

void CCodePageDlg::ShowTicks() {
  InvalidateRect(list_.m_hWnd, nullptr, TRUE);
  list_.UpdateControls();
}

void CCodePageDlg::OnOK() {
  if (std::optional<SettingsRecord> record = OpenAppRecord(record::kNewCp)) {
    Win32FileStore files;
    SaveCodePages(*record, files, selection_->Result(), NowAsFileTime());
  }
  HWND target = owner_ && !IsHostMainWindow(owner_) ? ::GetParent(owner_) : owner_;
  if (target) ::SendMessageW(target, SCM_SETTINGS_CHANGED, 8, 0);
  EndDialog(IDOK);
}

}  // namespace scrv

extern "C" int DoCodePage(HWND owner) {
  return scrv::GuardExport(-1, [&] {
    scrv::ComScope com;
    if (!com.Ok()) return 0;
    scrv::CCodePageDlg dlg(owner);
    return static_cast<int>(dlg.DoModal(owner));
  });
}

extern "C" void ResetCodePage(void* list) {
  if (!list) return;
  scrv::GuardExport(0, [&] {
    scrv::HostVectorHeader header;
    std::memcpy(&header, list, sizeof header);
    constexpr size_t count = scrv::kDefaultCodePageCount;
    constexpr size_t bytes = count * sizeof(uint16_t);
    auto* first = static_cast<uint16_t*>(const_cast<void*>(header.first));
    if (scrv::PlanWordStorage(header, count) == scrv::WordStorage::kNewBlock) {
      // The host's old block stays the host's: it may come from another allocator.
      first = static_cast<uint16_t*>(HeapAlloc(GetProcessHeap(), 0, bytes));
      if (!first) return 0;
      header.first = first;
      header.end = first + count;
    }
    std::memcpy(first, scrv::kDefaultCodePages.data(), bytes);
    header.last = first + count;
    std::memcpy(list, &header, sizeof header);
    return 0;
  });
}
