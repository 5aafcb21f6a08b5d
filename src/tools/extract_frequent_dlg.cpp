#include "tools/extract_frequent_dlg.h"

#include "controls/dialog_items_win.h"
#include "frame/export_guard_win.h"
#include "frame/message_box_win.h"
#include "base/text_win.h"
#include "settings/app_data_path_win.h"
#include "settings/csv_formats.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"
#include "controls/column_list_win.h"

namespace scrv {
namespace {

// Digits of the largest line count a 32-bit number holds.
constexpr WPARAM kLineCountDigits = 10;

std::wstring IgnoreFilePath() {
  return GetBinFilePath(ToW(kIgnoreListFolder).c_str(), nullptr, ToW(kIgnoreListName));
}

IgnoreList LoadIgnoreList() {
  Win32FileStore files;
  std::vector<uint8_t> bytes;
  if (files.ReadWholeFile(ToU(IgnoreFilePath()), nullptr, bytes) != ReadResult::kRead) return {};
  return IgnoreList(ParseIgnoreList(bytes.data(), bytes.size()));
}

// The configured formats' names ("csv2", else the older "csv"), or the three defaults.
std::vector<std::u16string> FormatNames() {
  std::u16string pipe = ToU(LoadResString(IDS_CSV_FORMAT_PIPE));
  for (auto [number, older] : {std::pair{record::kCsv2, false}, std::pair{record::kCsv, true}}) {
    std::optional<SettingsRecord> record = OpenAppRecord(number);
    if (!record || LoadAppRecord(*record) != ReadResult::kRead) continue;
    if (auto names = CsvFormatNames(record->Lists(), older, pipe)) return *names;
  }
  return {ToU(LoadResString(IDS_CSV_FORMAT_COMMA)), ToU(LoadResString(IDS_CSV_FORMAT_TAB)),
          ToU(LoadResString(IDS_CSV_FORMAT_SEMICOLON))};
}

}  // namespace

BOOL CExtractFrequentDlg::OnInitDialog() {
  OwnedListSetup setup;
  setup.options.editing = true;
  setup.ownPaste = true;
  HWND list = GetDlgItem(IDC_CHECK_LIST);
  AttachOwnedList(list_, list, setup, DarkTheme());
  AddParentHook(list_);

  FillFormats();
  ::SendMessageW(GetDlgItem(IDC_EF_LINES), EM_LIMITTEXT, kLineCountDigits, 0);
  ShowOptions(LoadExtractFrequentOptions(Settings(), Flags(), selectionFlag_));
  ::EnableWindow(GetDlgItem(IDC_EF_SELECTION_ONLY), selectionFlag_);

  words_ = LoadIgnoreList();
  {
    ListFillScope fill(list);
    AddListColumn(list, 0, IDS_IGNORE_LIST_HEADER, FillColumnWidth(list, 0));
    list_.SendMessage(LVM_SETITEMCOUNT, words_.size(), LVSICF_NOSCROLL);
  }
  list_.UpdateControls();
  return TRUE;
}

void CExtractFrequentDlg::FillFormats() {
  HWND combo = GetDlgItem(IDC_EF_FORMAT);
  ListFillScope fill(combo);
  for (const std::u16string& name : FormatNames())
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
}

void CExtractFrequentDlg::ShowOptions(const ExtractFrequentOptions& o) {
  SetControlText(GetDlgItem(IDC_EF_LINES), std::to_wstring(o.lines));
  HWND format = GetDlgItem(IDC_EF_FORMAT);
  auto formats = static_cast<int>(::SendMessageW(format, CB_GETCOUNT, 0, 0));
  ::SendMessageW(format, CB_SETCURSEL, o.formatIndex < formats ? o.formatIndex : 0, 0);
  SetButtonChecked(GetDlgItem(IDC_EF_MATCH_CASE), o.matchCase);
  HWND words = GetDlgItem(IDC_EF_WORDS), lines = GetDlgItem(IDC_EF_LINES_KIND);
  CheckRadio({words, lines}, o.secondKind ? lines : words);
  SetButtonChecked(GetDlgItem(IDC_EF_SELECTION_ONLY), o.selectionOnly);
}

LRESULT CExtractFrequentDlg::OnCheckList(UINT code, LPARAM lParam) {
  switch (code) {
    case kClCut:
      if (list_.CopySelection()) DeleteSelected();
      return 0;
    case kClDelete:
      DeleteSelected();
      return 0;
    case kClAdd:
      AddWord();
      return 0;
    case kClGetRowText: {
      auto* request = reinterpret_cast<CheckListRowText*>(lParam);
      if (!request || request->row < 0 || static_cast<size_t>(request->row) >= words_.size())
        return 0;
      request->text = ToW(words_[static_cast<size_t>(request->row)]);
      return 1;
    }
    case kClInsertPastedRow: {
      auto* row = reinterpret_cast<CheckListPastedRow*>(lParam);
      if (!row || row->row < 0 || !words_.Insert(static_cast<size_t>(row->row), ToU(row->text)))
        return 0;
      SetRowCount(words_.size());
      return 1;
    }
  }
  return 0;
}

bool CExtractFrequentDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_EF_ADD:
      AddWord();
      return true;
    case IDC_EF_DELETE:
      DeleteSelected();
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

bool CExtractFrequentDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (id != IDC_CHECK_LIST) return false;
  auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      size_t row = static_cast<size_t>(info.item.iItem);
      FillDisplayText(info, row < words_.size() ? std::u16string_view(words_[row]) : u"");
      result = 0;
      return true;
    }
    case LVN_ENDLABELEDITW:
      result = EndEdit(info);
      return true;
  }
  return false;
}

void CExtractFrequentDlg::SetRowCount(size_t count) {
  list_.SendMessage(LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL);
  list_.UpdateControls();
}

void CExtractFrequentDlg::AddWord() {
  if (adding_) return;
  adding_ = true;
  auto row = static_cast<int>(words_.size());
  SetRowCount(words_.size() + 1);
  list_.SelectRows({row}, row);
  ::SetFocus(list_.m_hWnd);
  if (!list_.SendMessage(LVM_EDITLABELW, static_cast<WPARAM>(row))) {
    adding_ = false;
    SetRowCount(words_.size());
  }
}

void CExtractFrequentDlg::DeleteSelected() {
  std::vector<int> rows = list_.SelectedRows();
  if (rows.empty()) return;
  int next = words_.Delete(rows);
  list_.SelectRows({}, -1);
  SetRowCount(words_.size());
  if (next >= 0) list_.SelectRows({next}, next);
  list_.SendMessage(LVM_REDRAWITEMS, 0, static_cast<LPARAM>(words_.size()));
}

bool CExtractFrequentDlg::EndEdit(const NMLVDISPINFOW& info) {
  bool wasAdding = adding_;
  adding_ = false;
  bool accepted = info.item.pszText && info.item.iItem >= 0 &&
                  words_.Edit(static_cast<size_t>(info.item.iItem), ToU(info.item.pszText)) ==
                      IgnoreList::EditResult::kAccepted;
  if (info.item.pszText && !accepted) MessageBeep(MB_ICONWARNING);
  // A new row whose text was refused or abandoned goes again.
  if (wasAdding && !accepted) SetRowCount(words_.size());
  return accepted;
}

void CExtractFrequentDlg::OnOK() {
  std::optional<int32_t> lines = ParseLineCount(ToU(GetWindowTextString(GetDlgItem(IDC_EF_LINES))));
  if (!lines) return;  // no count to extract: the dialog stays as it is
  ExtractFrequentOptions o;
  o.lines = *lines;
  auto format = static_cast<int>(::SendMessageW(GetDlgItem(IDC_EF_FORMAT), CB_GETCURSEL, 0, 0));
  o.formatIndex = static_cast<uint8_t>(format > 0 ? format : 0);
  o.matchCase = IsButtonChecked(GetDlgItem(IDC_EF_MATCH_CASE));
  o.secondKind = IsButtonChecked(GetDlgItem(IDC_EF_LINES_KIND));
  o.selectionOnly = IsButtonChecked(GetDlgItem(IDC_EF_SELECTION_ONLY));
  SaveExtractFrequentOptions(Settings(), Flags(), o, selectionFlag_);

  std::vector<uint8_t> file = words_.FileBytes();
  Win32FileStore files;
  if (!files.WriteWholeFile(ToU(IgnoreFilePath()), file.data(), file.size())) {
    // The words would be lost: say why and leave the dialog open (Cancel still leaves).
    ShowError(m_hWnd, GetLastError(), nullptr);
    return;
  }
  EndDialog(IDOK);
}

}  // namespace scrv

extern "C" int DoExtractFrequent(HWND owner, uint8_t selectionFlag) {
  return scrv::GuardExport(0, [&] {
    scrv::CExtractFrequentDlg dlg(selectionFlag != 0);
    return dlg.DoModal(owner) == IDOK ? 1 : 0;
  });
}
