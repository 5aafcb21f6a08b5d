#include "integration/code_page_dlg.h"

#include <cstring>

#include "frame/export_guard_win.h"
#include "base/text_win.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"
#include "tools/column_list_win.h"

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

bool IsHostMainWindow(HWND hwnd) {
  wchar_t name[64] = {};
  return GetClassNameW(hwnd, name, 64) && std::wstring_view(name) == kHostMainWindowClass;
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

bool CCodePageDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
  if (!CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result)) return false;
  if (msg == WM_SIZE) FitColumns();
  return true;
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
  AttachOwnedList(list_, list, setup, IsDarkTheme());
  AddParentHook(list_);
  AddListColumn(list, 0, IDS_CP_NAME_HEADER, 0);
  AddListColumn(list, 1, IDS_CP_SCRIPT_HEADER, 0);
  list_.SendMessage(WM_SETREDRAW, FALSE);
  list_.SendMessage(LVM_SETITEMCOUNT, selection_->size());
  for (size_t row = 0; row < selection_->size(); ++row)
    AppendCallbackRow(list_, static_cast<LPARAM>(row), selection_->Ticked(row));
  list_.SendMessage(WM_SETREDRAW, TRUE);
  FitColumns();  // with the vertical scroll bar the rows may have brought
  if (selection_->size() > 0) list_.SelectRows({0}, 0);
  list_.UpdateControls();
  return TRUE;
}

void CCodePageDlg::FitColumns() {
  if (!list_.m_hWnd) return;
  int width = FillColumnWidth(list_.m_hWnd, 0);
  int nameWidth = MulDiv(width, kNameColumnPercent, 100);
  list_.SendMessage(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(nameWidth, 0));
  list_.SendMessage(LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(width - nameWidth, 0));
}

void CCodePageDlg::OnRowText(NMLVDISPINFOW& info) {
  if (info.item.lParam < 0 || static_cast<size_t>(info.item.lParam) >= selection_->size()) return;
  auto row = static_cast<size_t>(info.item.lParam);
  uint16_t codePage = selection_->CodePage(row);
  if (info.item.iSubItem == 0) {
    std::optional<std::wstring>& text = descriptions_[row];
    if (!text) {
      text = service_->Description(codePage);
      if (text->empty()) text = std::to_wstring(codePage);
    }
    FillDisplayText(info, ToU(*text));
  } else {
    uint32_t offset = CharsetNameOffset(service_->Charset(codePage));
    FillDisplayText(info, ToU(LoadResString(IDS_CP_CHARSET_FIRST + offset)));
  }
}

void CCodePageDlg::ShowTicks() {
  for (size_t row = 0; row < selection_->size(); ++row)
    list_.SetRowChecked(static_cast<int>(row), selection_->Ticked(row));
  list_.UpdateControls();
}

void CCodePageDlg::OnOK() {
  for (size_t row = 0; row < selection_->size(); ++row)
    selection_->SetTicked(row, list_.IsRowChecked(static_cast<int>(row)));
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
