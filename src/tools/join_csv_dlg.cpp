#include "tools/join_csv_dlg.h"

#include <algorithm>
#include <cstring>

#include "controls/dialog_items_win.h"
#include "base/text_win.h"
#include "controls/ole_object_win.h"
#include "frame/drop_down_win.h"
#include "frame/export_guard_win.h"
#include "frame/file_dialog_win.h"
#include "frame/message_box_win.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/file_store_win.h"
#include "tools/host_names.h"

namespace scrv {
namespace {

// The width of the document column of the pair list, at 96 DPI.
constexpr int kDocumentColumnWidth = 200;

// What a simple merge leaves without meaning.
constexpr int kKeyControls[] = {
    IDC_JOIN_FIRST_KEY,        IDC_JOIN_SECOND_KEY,       IDC_JOIN_UNIQUE_KEY1,
    IDC_JOIN_UNIQUE_KEY2,      IDC_JOIN_INCLUDE_ALL1,     IDC_JOIN_INCLUDE_ALL2,
    IDC_JOIN_IGNORE_HEADINGS1, IDC_JOIN_IGNORE_HEADINGS2, IDC_JOIN_MATCH_CASE};

int DocumentList(JoinSide side) {
  return side == JoinSide::kFirst ? IDC_JOIN_FIRST_DOCUMENT : IDC_JOIN_SECOND_DOCUMENT;
}
int KeyColumnList(JoinSide side) {
  return side == JoinSide::kFirst ? IDC_JOIN_FIRST_KEY : IDC_JOIN_SECOND_KEY;
}

// A row's parameter: the side in bit 32, the column index below.
LPARAM RowParam(const ColumnEntry& entry) {
  return static_cast<LPARAM>((static_cast<uint64_t>(entry.flags & kColumnSecondDocument) << 32) |
                             entry.column);
}

void AddComboString(HWND combo, std::u16string_view text) {
  std::wstring w = ToW(text);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
}

}  // namespace

CJoinCSVDlg::CJoinCSVDlg(std::vector<std::u16string> documentNames, const JoinCsvRecord& record)
    : model_(std::move(documentNames), [this](int32_t document) { return AskColumns(document); }),
      record_(record) {}

bool CJoinCSVDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_JOIN_FIRST_DOCUMENT:
    case IDC_JOIN_SECOND_DOCUMENT:
      if (code == CBN_SELCHANGE)
        OnDocumentChanged(id == IDC_JOIN_FIRST_DOCUMENT ? JoinSide::kFirst : JoinSide::kSecond);
      else if (code == CBN_DROPDOWN)
        WidenDropDownToItems(GetDlgItem(id));
      return true;
    case IDC_JOIN_FIRST_KEY:
    case IDC_JOIN_SECOND_KEY:
      if (code == CBN_SELCHANGE)
        OnKeyColumnChanged(id == IDC_JOIN_FIRST_KEY ? JoinSide::kFirst : JoinSide::kSecond);
      else if (code == CBN_DROPDOWN)
        WidenDropDownToItems(GetDlgItem(id));
      return true;
    case IDC_JOIN_SIMPLE_MERGE:
      if (code == BN_CLICKED) {
        ReadOptions();
        ShowEnabling();
      }
      return true;
    case IDC_JOIN_SAVE_MACRO:
      if (code == BN_CLICKED) OnSaveMacro();
      return true;
  }
  return CColumnListDialog::OnCommand(id, code, control);
}

void CJoinCSVDlg::OnListSelectionChanged() {
  ReadOptions();
  ShowEnabling();
}

BOOL CJoinCSVDlg::OnInitDialog() {
  {
    // The list's styles, columns and first rows go in before it lays itself out.
    ListViewFillScope fill(GetDlgItem(IDC_CHECK_LIST));
    AttachColumnList(2, true);
    model_.Load(Settings(), record_);
    for (const JoinOptionBox& box : kJoinOptionBoxes)
      SetButtonChecked(GetDlgItem(box.control), (model_.flags & box.bit) != 0);

    for (JoinSide side : {JoinSide::kFirst, JoinSide::kSecond}) {
      HWND combo = GetDlgItem(DocumentList(side));
      {
        ListFillScope comboFill(combo);
        for (const std::u16string& name : model_.DocumentNames()) AddComboString(combo, name);
      }
      if (model_.Document(side) >= 0) {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(model_.Document(side)), 0);
        FillKeyColumns(side);
      }
    }
    FillPairRows();
  }
  list_.UpdateControls();
  ShowEnabling();
  return TRUE;
}

std::vector<std::u16string> CJoinCSVDlg::AskColumns(int32_t document) {
  HWND parent = GetParent();
  if (!parent || document < 0) return {};
  return RequestHostNames([parent, document](size_t count, char16_t* buffer) {
    return static_cast<intptr_t>(::SendMessageW(
        parent, SCM_COLUMN_NAMES,
        static_cast<WPARAM>(ColumnNamesWParam(static_cast<uint32_t>(document), count)),
        reinterpret_cast<LPARAM>(buffer)));
  });
}

void CJoinCSVDlg::FillKeyColumns(JoinSide side) {
  HWND combo = GetDlgItem(KeyColumnList(side));
  {
    ListFillScope fill(combo);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : model_.ColumnNames(side)) AddComboString(combo, name);
  }
  if (model_.KeyColumn(side) >= 0)
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(model_.KeyColumn(side)), 0);
}

void CJoinCSVDlg::FillPairList() {
  {
    ListViewFillScope fill(list_);
    FillPairRows();
  }
  list_.UpdateControls();
}

void CJoinCSVDlg::FillPairRows() {
  if (!columnsAdded_) {
    const int documentWidth = ScaleForList(list_, kDocumentColumnWidth);
    AddListColumn(list_, 0, IDS_JOIN_DOCUMENT_HEADER, documentWidth);
    AddListColumn(list_, 1, IDS_JOIN_COLUMN_HEADER, FillColumnWidth(list_, documentWidth));
    columnsAdded_ = true;
  }
  list_.SendMessage(LVM_DELETEALLITEMS);
  for (const ColumnEntry& entry : model_.Pairs())
    AppendCallbackRow(list_, RowParam(entry), (entry.flags & kColumnTaken) != 0);
  if (model_.RowCount() > 0) list_.SelectRows({0}, 0);
}

// The texts follow the row's parameter, not its position: the check list reads a row's texts
// while it moves it, after the pair entries have already changed places.
std::u16string_view CJoinCSVDlg::RowText(LPARAM param, int listColumn) const {
  const JoinSide side =
      (static_cast<uint64_t>(param) >> 32) & 1 ? JoinSide::kSecond : JoinSide::kFirst;
  const auto column = static_cast<uint32_t>(param & 0xFFFFFFFF);
  if (listColumn == 0) {
    int32_t document = model_.Document(side);
    if (document >= 0 && static_cast<size_t>(document) < model_.DocumentNames().size())
      return model_.DocumentNames()[static_cast<size_t>(document)];
    return {};
  }
  const std::vector<std::u16string>& columns = model_.ColumnNames(side);
  return column < columns.size() ? std::u16string_view(columns[column]) : std::u16string_view();
}

void CJoinCSVDlg::ReadOptions() {
  uint32_t flags = 0;
  for (const JoinOptionBox& box : kJoinOptionBoxes)
    if (IsButtonChecked(GetDlgItem(box.control))) flags |= box.bit;
  model_.flags = flags;
}

void CJoinCSVDlg::ShowEnabling() {
  const bool enabled = model_.KeyControlsEnabled();
  for (int id : kKeyControls) ::EnableWindow(GetDlgItem(id), enabled);
}

void CJoinCSVDlg::OnDocumentChanged(JoinSide side) {
  auto selected =
      static_cast<int>(::SendMessageW(GetDlgItem(DocumentList(side)), CB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  model_.SelectDocument(side, selected);
  FillKeyColumns(side);
  FillPairList();
}

void CJoinCSVDlg::OnKeyColumnChanged(JoinSide side) {
  model_.SelectKeyColumn(side, static_cast<int32_t>(::SendMessageW(GetDlgItem(KeyColumnList(side)),
                                                                   CB_GETCURSEL, 0, 0)));
}

void CJoinCSVDlg::ReadRowChecks() {
  for (size_t row = 0; row < model_.RowCount(); ++row)
    model_.SetRowChecked(row, list_.IsRowChecked(static_cast<int>(row)));
}

void CJoinCSVDlg::OnOK() {
  if (::SendMessageW(GetDlgItem(IDC_JOIN_FIRST_DOCUMENT), CB_GETCURSEL, 0, 0) < 0 ||
      ::SendMessageW(GetDlgItem(IDC_JOIN_SECOND_DOCUMENT), CB_GETCURSEL, 0, 0) < 0)
    return;
  ReadRowChecks();
  ReadOptions();
  JoinCsvRecord collected = model_.Collect(Settings());
  collected.unused = record_.unused;
  record_ = collected;
  EndDialog(IDOK);
}

void CJoinCSVDlg::OnSaveMacro() {
  std::optional<ChosenFile> file = AskFileToSave(m_hWnd, IDS_JOIN_MACRO_FILTER, L"tsv");
  if (!file) return;

  ReadRowChecks();
  ReadOptions();
  model_.Collect(Settings());
  const MacroLanguage language =
      file->typeIndex == 1 ? MacroLanguage::kJavaScript : MacroLanguage::kVBScript;
  std::vector<uint8_t> bytes = model_.MacroFile(language);
  Win32FileStore files;
  if (!files.WriteWholeFile(ToU(file->path), bytes.data(), bytes.size()))
    ShowError(m_hWnd, GetLastError(), file->path.c_str());
}

}  // namespace scrv

extern "C" int DoJoinCSV(HWND owner, void* record) {
  return scrv::GuardExport(0, [&] {
    if (!record) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    std::vector<std::u16string> documents =
        scrv::RequestHostNames([owner](size_t count, char16_t* buffer) {
          return static_cast<intptr_t>(::SendMessageW(owner, scrv::SCM_DOCUMENT_NAMES,
                                                      static_cast<WPARAM>(count),
                                                      reinterpret_cast<LPARAM>(buffer)));
        });
    if (documents.empty()) {
      scrv::ShowMessage(owner, scrv::UiText::Res(IDS_JOIN_NO_DOCUMENTS), {},
                        scrv::mb::kOk | scrv::mb::kIconError);
      return 0;
    }
    scrv::JoinCsvRecord in;
    std::memcpy(&in, record, sizeof in);
    scrv::CJoinCSVDlg dlg(std::move(documents), in);
    if (dlg.DoModal(owner) != IDOK) return 0;

    std::vector<uint8_t> pairs = dlg.PairBlock();
    // An empty list still gets a block (of one byte), so the host always has one to free.
    HGLOBAL block = scrv::NewMovableBlock(pairs.data(), pairs.size());
    if (!block) {
      SetLastError(ERROR_OUTOFMEMORY);
      return 0;
    }
    scrv::JoinCsvRecord out = dlg.Record();
    out.pairBlock = reinterpret_cast<uintptr_t>(block);
    std::memcpy(record, &out, sizeof out);
    return 1;
  });
}
