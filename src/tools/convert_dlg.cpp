#include "tools/convert_dlg.h"

#include <cstring>

#include "frame/export_guard_win.h"
#include "base/text_win.h"
#include "controls/dialog_items_win.h"
#include "settings/settings_tables_win.h"
#include "controls/column_list_win.h"

namespace scrv {
namespace {

// The category boxes in the model's box order.
constexpr int kCategoryBoxes[kCategoryCount] = {IDC_CV_KATAKANA, IDC_CV_ALPHANUMERIC, IDC_CV_MARKS,
                                                IDC_CV_SPACES, IDC_CV_KANA_MARKS};
static_assert(kCategories[0] == CharCategory::kKatakana &&
              kCategories[4] == CharCategory::kKanaMark);

constexpr UINT kSearchDelayMs = 500;
// Open windows are told of new display options; one that does not answer soon is skipped.
constexpr UINT kNotifyTimeoutMs = 200;
constexpr wchar_t kSettingsSection[] = L"Common";

BOOL CALLBACK NotifyWindow(HWND hwnd, LPARAM) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(hwnd, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kSettingsSection),
                      SMTO_ABORTIFHUNG | SMTO_NORMAL, kNotifyTimeoutMs, &ignored);
  return TRUE;
}

// The host's convert record.
struct ConvertRecord {
  uint8_t* characterState;  // starts with the 200-bit selection mask
  uint32_t flags;
};
constexpr size_t kFlagsOffset = 8;
static_assert(offsetof(ConvertRecord, flags) == kFlagsOffset);

}  // namespace

void CConvertDlg::AttachList(CCheckList& list, int id, UINT headerId) {
  OwnedListSetup setup;
  setup.options.checkBoxes = true;
  setup.textCallback = true;
  HWND control = GetDlgItem(id);
  // Both lists are at the dialog's DPI: the second need not ask for it again.
  if (characters_.dpi) list.dpi = characters_.dpi;
  AttachOwnedList(list, control, setup, DarkTheme());
  AddParentHook(list);
  AddListColumn(control, 0, headerId, FillColumnWidth(control, 0));
}

BOOL CConvertDlg::OnInitDialog() {
  model_.Load(Settings(), Flags(), hostFlags_);
  HWND toHalf = GetDlgItem(IDC_CV_TO_HALF), toFull = GetDlgItem(IDC_CV_TO_FULL);
  HWND selection = GetDlgItem(IDC_CV_SELECTION), document = GetDlgItem(IDC_CV_DOCUMENT);
  CheckRadio({toHalf, toFull}, model_.secondAction ? toFull : toHalf);
  CheckRadio({selection, document}, model_.firstScope ? selection : document);
  ::EnableWindow(document, !model_.scopeForced);

  // Both lists get their styles, column and rows with redraw off: each lays out its header
  // and scroll bars once, when its scope ends.
  ListViewFillScope fillCharacters(GetDlgItem(IDC_CV_CHARACTERS));
  ListViewFillScope fillOptions(GetDlgItem(IDC_CV_OPTIONS));
  AttachList(characters_, IDC_CV_CHARACTERS, IDS_CV_CHARACTER_HEADER);
  AttachList(options_, IDC_CV_OPTIONS, IDS_CV_OPTION_HEADER);
  for (size_t o = 0; o < kConvertOptionCount; ++o)
    AppendCallbackRow(options_, static_cast<LPARAM>(o), model_.options[o]);
  ShowBoxes();
  ShowCharacters();
  return TRUE;
}

bool CConvertDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
  switch (msg) {
    case WM_TIMER:
      if (wParam != IDT_CV_SEARCH) break;
      KillTimer(m_hWnd, IDT_CV_SEARCH);
      FillCharacters();
      result = 0;
      return true;
  }
  return CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
}

bool CConvertDlg::OnCommand(int id, int code, HWND control) {
  for (size_t b = 0; b < kCategoryCount; ++b) {
    if (id == kCategoryBoxes[b]) {
      if (code == BN_CLICKED) OnCategoryClicked(b);
      return true;
    }
  }
  switch (id) {
    case IDC_CV_SEARCH:
      if (code == EN_CHANGE) SetTimer(m_hWnd, IDT_CV_SEARCH, kSearchDelayMs, nullptr);
      return true;
    case IDC_CV_APPLY_OPTIONS:
      OnApplyOptions();
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

bool CConvertDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (header.code != LVN_GETDISPINFOW) return false;
  auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
  auto param = static_cast<size_t>(info.item.lParam);
  auto row = static_cast<size_t>(info.item.iItem);
  if (id == IDC_CV_CHARACTERS && row < shown_.size())
    FillDisplayText(info, RowText(shown_[row]));
  else if (id == IDC_CV_OPTIONS && param < kConvertOptionCount)
    FillDisplayText(info, ToU(LoadResString(static_cast<UINT>(IDS_CV_OPTION_FIRST + param))));
  else
    return false;
  result = 0;
  return true;
}

const std::u16string& CConvertDlg::Name(size_t index) {
  std::optional<std::u16string>& name = names_[index];
  if (!name) name = ToU(LoadResString(static_cast<UINT>(IDS_CV_CHAR_FIRST + index)));
  return *name;
}

// The character rows are owner data: their checks are the model's selection, asked for as
// rows are drawn and changed in place by clicks, keys and the check-all box.
LRESULT CConvertDlg::OnCheckList(UINT code, LPARAM lParam) {
  switch (code) {
    case kClSelectionChanged:
      ShowBoxes();
      return 0;
    case kClGetStateImage:
      return static_cast<size_t>(lParam) < shown_.size() && model_.selection[shown_[lParam]] ? 2
                                                                                             : 1;
    case kClSetStateImage: {
      const auto* state = reinterpret_cast<const CheckListRowState*>(lParam);
      if (!state || state->row < 0 || static_cast<size_t>(state->row) >= shown_.size()) return 0;
      model_.selection[shown_[state->row]] = state->image == 2;
      return 1;
    }
    case kClGetRowText: {  // copy
      auto* request = reinterpret_cast<CheckListRowText*>(lParam);
      if (!request || request->row < 0 || static_cast<size_t>(request->row) >= shown_.size())
        return 0;
      request->text = ToW(RowText(shown_[request->row]));
      return 1;
    }
  }
  return 0;
}

void CConvertDlg::ShowBoxes() {
  std::array<BoxState, kCategoryCount> states = model_.BoxStates();
  for (size_t b = 0; b < kCategoryCount; ++b)
    SetButtonCheck(GetDlgItem(kCategoryBoxes[b]), static_cast<UINT>(states[b]));
}

void CConvertDlg::ShowRowChecks() {
  InvalidateRect(characters_.m_hWnd, nullptr, TRUE);
}

void CConvertDlg::ShowCharacters() {
  std::u16string query = ToU(GetDlgItemText(IDC_CV_SEARCH));
  shown_.clear();
  for (size_t i = 0; i < kConvertCharCount; ++i)
    if (query.empty() || ConvertRowMatches(RowText(i), query)) shown_.push_back(i);
  characters_.SendMessage(LVM_DELETEALLITEMS);
  characters_.SendMessage(LVM_SETITEMCOUNT, shown_.size());
}

void CConvertDlg::FillCharacters() {
  {
    ListViewFillScope fill(characters_);
    ShowCharacters();
  }
  InvalidateRect(characters_.m_hWnd, nullptr, TRUE);
}

void CConvertDlg::OnCategoryClicked(size_t box) {
  model_.ClickCategory(box);
  ShowBoxes();
  ShowRowChecks();
}

void CConvertDlg::OnApplyOptions() {
  ConvertOptions checked{};
  for (size_t o = 0; o < kConvertOptionCount; ++o)
    checked[o] = options_.IsRowChecked(static_cast<int>(o));
  model_.ApplyOptions(Settings(), Flags(), checked);
  for (size_t o = 0; o < kConvertOptionCount; ++o)
    options_.SetRowChecked(static_cast<int>(o), model_.options[o]);
  EnumWindows(NotifyWindow, 0);
}

void CConvertDlg::Close(int button) {
  model_.secondAction = IsDlgButtonChecked(IDC_CV_TO_FULL);
  model_.firstScope = IsDlgButtonChecked(IDC_CV_SELECTION);
  model_.Save(Settings(), Flags());
  closed_ = true;
  EndDialog(button);
}

}  // namespace scrv

extern "C" int DoConvert(HWND owner, void* record) {
  return scrv::GuardExport(-1, [&] {
    if (!record) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return -1;
    }
    scrv::ConvertRecord host;
    std::memcpy(&host, record, sizeof host);
    scrv::CConvertDlg dlg(host.flags);
    INT_PTR result = dlg.DoModal(owner);
    if (dlg.Closed()) {
      // OK and Cancel alike hand the choice back.
      scrv::WriteSelectionMask(dlg.Model().selection, host.characterState);
      uint32_t flags = dlg.Model().FlagWord();
      std::memcpy(static_cast<uint8_t*>(record) + scrv::kFlagsOffset, &flags, sizeof flags);
    }
    return result == IDOK ? 0 : -1;
  });
}
