#include "markers/marker_sheet_dlg.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <optional>
#include <string>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "controls/clipboard_win.h"
#include "controls/dialog_items_win.h"
#include "controls/image_strip_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/export_guard_win.h"
#include "frame/host_windows_win.h"
#include "markers/marker_clipboard.h"
#include "markers/marker_edit.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/common_read_pass.h"
#include "settings/settings_tables_win.h"

namespace scrv {
namespace {

// The option boxes of the list page and the flag each one shows for the selected markers.
struct FlagBox {
  int id;
  uint8_t flag;
};
constexpr FlagBox kFlagBoxes[] = {{IDC_ML_WHOLE_WORD, marker_flag::kWholeWord},
                                  {IDC_ML_MATCH_CASE, marker_flag::kMatchCase},
                                  {IDC_ML_REGEXP, marker_flag::kRegExp},
                                  {IDC_ML_NAMED, marker_flag::kNamed}};

// Controls that act on the selected markers, disabled while none is selected.
constexpr int kSelectionControls[] = {IDC_ML_DELETE, IDC_ML_WHOLE_WORD,  IDC_ML_MATCH_CASE,
                                      IDC_ML_REGEXP, IDC_ML_NAMED,       IDC_ML_COLOR_LABEL,
                                      IDC_ML_COLOR,  IDC_ML_COLOR_SAMPLE};

constexpr size_t kConfigurationCapacity = 260;

void AddComboNumbers(HWND combo, int first, int last) {
  // The drop-down list is drawn once, after the last number.
  ::SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
  for (int i = first; i <= last; ++i)
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(i).c_str()));
  ::SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
}

// The command name of a command string: the part after the status text's line feed.
std::wstring CommandName(UINT id) {
  const std::wstring text = LoadResString(id);
  const size_t feed = text.rfind(L'\n');
  return feed == std::wstring::npos ? text : text.substr(feed + 1);
}

}  // namespace

bool HostRegexCheck::IsValid(std::u16string_view pattern, bool matchCase) {
  if (owner_ && ::IsWindow(owner_)) {
    const std::wstring text = ToW(pattern);
    RegexQuery query{text.c_str(), matchCase ? 1u : 0u};
    const LRESULT answer =
        ::SendMessageW(owner_, SCM_QUERY, kQueryRegex, reinterpret_cast<LPARAM>(&query));
    if (answer == kRegexValid) return true;
    if (answer == kRegexInvalid) return false;
  }
  return RegexSyntaxValid(pattern);
}

// The marker list page.

CMarkerListPage::CMarkerListPage(MarkerSheetModel& model, const MarkerColorSet& colors, HWND owner,
                                 int selectMarker)
    : CPropertyPageBase(IDD_MARKER_LIST, HELP_TOPIC_MARKER_LIST),
      model_(model),
      colors_(colors),
      owner_(owner),
      selectMarker_(selectMarker) {}

CMarkerListPage::~CMarkerListPage() {
  if (sampleBrush_) DeleteObject(sampleBrush_);
}

BOOL CMarkerListPage::OnInitDialog() {
  list_.options.editing = true;
  list_.options.moving = true;
  list_.options.checkBoxes = true;
  list_.swapCallback = SwapMarkers;
  list_.swapContext = this;
  list_.darkTheme = DarkTheme();
  HWND list = GetDlgItem(IDC_CHECK_LIST);
  // Laid out once it is filled and sized, when the chosen marker is scrolled into view.
  HoldRedraw(list, true);
  list_.SubclassWindow(list);
  AddParentHook(list_);
  SetUpImageRows(list_.m_hWnd, Module().imageModule, IDB_MARKER_COLORS);
  SendDlgItemMessage(IDC_ML_NAME, EM_LIMITTEXT, kMarkerNameMax);
  AddComboNumbers(GetDlgItem(IDC_ML_COLOR), 1, kMarkerColorCount);
  for (size_t i = 0; i < model_.markers.size(); ++i) InsertRow(static_cast<int>(i));
  if (!model_.markers.empty()) {
    const int count = static_cast<int>(model_.markers.size());
    const int row = selectMarker_ >= 0 && selectMarker_ < count ? selectMarker_ : 0;
    list_.SelectRows({row}, row);
  }
  list_.UpdateControls();
  ShowSelection();
  return TRUE;
}

bool CMarkerListPage::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                           LRESULT& result) {
  if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == GetDlgItem(IDC_ML_COLOR_SAMPLE)) {
    if (HBRUSH brush = SampleBrush(reinterpret_cast<HDC>(wParam))) {
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
  }
  return CPropertyPageBase::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
}

LRESULT CMarkerListPage::OnCheckList(UINT code, LPARAM) {
  OnCheckListCommand(code);
  return 0;
}

bool CMarkerListPage::OnCommand(int id, int code, HWND) {
  if (id == IDC_ML_NAME) {
    if (code == EN_CHANGE && !showing_)
      SetSelectionName(model_.markers, selection_, ToU(GetDlgItemText(IDC_ML_NAME)));
    return true;
  }
  if (id == IDC_ML_COLOR) {
    if (code == CBN_SELCHANGE) OnColor();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_ML_ADD:
      OnCheckListCommand(kClAdd);
      return true;
    case IDC_ML_DELETE:
      Delete();
      return true;
    case IDC_ML_NAMED:
      OnNamed();
      return true;
  }
  for (const FlagBox& box : kFlagBoxes) {
    if (box.id != id) continue;
    OnFlagBox(id, box.flag);
    return true;
  }
  return false;
}

bool CMarkerListPage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (id != IDC_CHECK_LIST) return false;
  switch (header.code) {
    case LVN_BEGINLABELEDITW:
      if (HWND edit = reinterpret_cast<HWND>(list_.SendMessage(LVM_GETEDITCONTROL)))
        ::SendMessageW(edit, EM_LIMITTEXT, kMarkerTextMax, 0);
      result = FALSE;
      return true;
    case LVN_ENDLABELEDITW: {
      const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
      const bool accepted =
          item.pszText && item.iItem >= 0 && item.iItem < static_cast<int>(model_.markers.size());
      if (accepted) {
        model_.markers[item.iItem].text = ToU(item.pszText).substr(0, kMarkerTextMax);
        ForgetRefusal();
      }
      result = accepted;
      return true;
    }
  }
  return false;
}

bool CMarkerListPage::OnKillActive() {
  ReadChecks();
  return false;
}

int CMarkerListPage::ShowRegexReason() {
  HostRegexCheck check(owner_);
  const int invalid = FindInvalidMarker(model_.markers, check);
  SetControlText(GetDlgItem(IDC_ML_REASON),
                 ToW(InvalidMarkerReason(model_.markers, invalid,
                                         [](uint32_t id) { return ToU(LoadResString(id)); })));
  return invalid;
}

bool CMarkerListPage::OnApply() {
  ReadChecks();
  const int invalid = ShowRegexReason();
  refused_ = invalid >= 0;
  if (invalid < 0) return true;
  list_.SelectRows({invalid}, invalid);
  list_.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(invalid), FALSE);
  ShowSelection();
  // The sheet brings this page back after the refusal; the focus follows once it has.
  ::PostMessageW(Sheet(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_.m_hWnd), TRUE);
  return false;
}

void CMarkerListPage::OnModelRestored() {
  const std::vector<int> selected = list_.SelectedRows();
  FillList();
  const int count = static_cast<int>(model_.markers.size());
  if (count) {
    const int row = selected.empty() ? 0 : std::min(selected.front(), count - 1);
    list_.SelectRows({row}, row);
  }
  list_.UpdateControls();
  ShowSelection();
}

void CMarkerListPage::FillList() {
  list_.SendMessage(WM_SETREDRAW, FALSE);
  list_.SendMessage(LVM_DELETEALLITEMS);
  for (size_t i = 0; i < model_.markers.size(); ++i) InsertRow(static_cast<int>(i));
  list_.SendMessage(WM_SETREDRAW, TRUE);
}

void CMarkerListPage::InsertRow(int row) {
  const Marker& marker = model_.markers[row];
  std::wstring text = ToW(marker.text);
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.pszText = text.data();
  item.iImage = marker.ColorIndex();
  list_.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  list_.SetRowChecked(row, marker.Has(marker_flag::kOn));
}

void CMarkerListPage::AppendAndSelect(const MarkerList& added, bool editFirst) {
  if (added.empty()) return;
  ReadChecks();
  const int first = static_cast<int>(model_.markers.size());
  std::vector<int> rows;
  for (const Marker& m : added) {
    rows.push_back(static_cast<int>(model_.markers.size()));
    model_.markers.push_back(m);
    InsertRow(rows.back());
  }
  list_.SelectRows(rows, first);
  list_.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(rows.back()), FALSE);
  list_.UpdateControls();
  ShowSelection();
  if (editFirst) {
    ::SetFocus(list_.m_hWnd);
    list_.SendMessage(LVM_EDITLABELW, static_cast<WPARAM>(first));
  }
}

void CMarkerListPage::ReadChecks() {
  const int rows = std::min(list_.RowCount(), static_cast<int>(model_.markers.size()));
  for (int i = 0; i < rows; ++i) model_.markers[i].Set(marker_flag::kOn, list_.IsRowChecked(i));
}

void CMarkerListPage::ShowSelection() {
  selection_ = list_.SelectedRows();
  const bool any = !selection_.empty();
  showing_ = true;
  for (const FlagBox& box : kFlagBoxes)
    CheckDlgButton(box.id, static_cast<UINT>(SelectionFlagState(model_.markers, selection_,
                                                                box.flag, BoxState::kUnchecked)));
  for (int id : kSelectionControls) EnableDlgItem(id, any);
  EnableDlgItem(IDC_ML_NAME, any && GetDlgButtonState(IDC_ML_NAMED) == BST_CHECKED);
  SetDlgItemText(IDC_ML_NAME, ToW(SelectionName(model_.markers, selection_)));
  SendDlgItemMessage(IDC_ML_COLOR, CB_SETCURSEL,
                     static_cast<WPARAM>(SelectionColor(model_.markers, selection_)));
  ::InvalidateRect(GetDlgItem(IDC_ML_COLOR_SAMPLE), nullptr, TRUE);
  showing_ = false;
}

// The reason of a refused OK stays until the markers are edited; OK checks them again.
void CMarkerListPage::ForgetRefusal() {
  if (!refused_) return;
  refused_ = false;
  SetControlText(GetDlgItem(IDC_ML_REASON), L"");
}

void CMarkerListPage::OnFlagBox(int id, uint8_t flag) {
  // A box showing mixed markers sets the flag on all of them.
  SetSelectionFlag(model_.markers, selection_, flag, GetDlgButtonState(id) != BST_CHECKED);
  ForgetRefusal();
  ShowSelection();
}

void CMarkerListPage::OnNamed() {
  const bool named = GetDlgButtonState(IDC_ML_NAMED) != BST_CHECKED;
  SetSelectionNamed(model_.markers, selection_, named);
  ShowSelection();
  if (named)
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_ML_NAME)), TRUE);
}

void CMarkerListPage::OnColor() {
  const int color = static_cast<int>(SendDlgItemMessage(IDC_ML_COLOR, CB_GETCURSEL));
  if (color < 0) return;
  SetSelectionColor(model_.markers, selection_, color);
  for (int row : selection_) {
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = color;
    list_.SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::InvalidateRect(GetDlgItem(IDC_ML_COLOR_SAMPLE), nullptr, TRUE);
}

void CMarkerListPage::OnCheckListCommand(WPARAM code) {
  switch (code) {
    case kClSelectionChanged:
      ReadChecks();
      ShowSelection();
      break;
    case kClAdd: {
      ReadChecks();
      uint8_t flags = 0;
      for (const FlagBox& box : kFlagBoxes)
        if (box.flag != marker_flag::kNamed && IsDlgButtonChecked(box.id)) flags |= box.flag;
      AppendAndSelect({MakeNewMarker(model_.markers, model_.options.defaultColor,
                                     ToU(LoadResString(IDS_NEW_MARKER_TEXT)), flags)},
                      true);
      break;
    }
    case kClCopy:
      Copy();
      break;
    case kClCut:
      if (Copy()) Delete();
      break;
    case kClPaste:
      Paste();
      break;
    case kClDelete:
      Delete();
      break;
  }
}

bool CMarkerListPage::Copy() {
  ReadChecks();
  const std::vector<int> rows = list_.SelectedRows();
  if (rows.empty()) return false;
  return WriteClipboardText(m_hWnd, FormatMarkerLines(SelectedMarkers(model_.markers, rows)));
}

void CMarkerListPage::Paste() {
  if (const std::optional<std::u16string> text = ReadClipboardText(m_hWnd))
    AppendAndSelect(ParseMarkerLines(*text), false);
}

void CMarkerListPage::Delete() {
  ReadChecks();
  const std::vector<int> rows = list_.SelectedRows();
  if (rows.empty()) return;
  const int next = RemoveSelection(model_.markers, rows);
  ForgetRefusal();
  FillList();
  if (next >= 0) list_.SelectRows({next}, next);
  list_.UpdateControls();
  ShowSelection();
}

HBRUSH CMarkerListPage::SampleBrush(HDC dc) {
  const int color = SelectionColor(model_.markers, selection_);
  if (color < 0) return nullptr;
  const COLORREF rgb = colors_[color];
  if (!sampleBrush_ || sampleColor_ != rgb) {
    if (sampleBrush_) DeleteObject(sampleBrush_);
    sampleBrush_ = CreateSolidBrush(rgb);
    sampleColor_ = rgb;
  }
  SetBkColor(dc, rgb);
  return sampleBrush_;
}

void CMarkerListPage::SwapMarkers(int first, int second, void* context) {
  MarkerList& markers = static_cast<CMarkerListPage*>(context)->model_.markers;
  if (first >= 0 && second < static_cast<int>(markers.size()))
    std::swap(markers[first], markers[second]);
}

// The automatic markers page: one box per bit of the flags.

CMarkerAutoPage::CMarkerAutoPage(MarkerSheetModel& model)
    : CPropertyPageBase(IDD_MARKER_AUTO, HELP_TOPIC_MARKER_AUTO), model_(model) {}

BOOL CMarkerAutoPage::OnInitDialog() {
  for (size_t bit = 0; bit < std::size(kAutoMarkerBoxes); ++bit)
    CheckDlgButton(kAutoMarkerBoxes[bit], (model_.autoFlags >> bit) & 1);
  return TRUE;
}

void CMarkerAutoPage::OnModelRestored() {
  OnInitDialog();
}

bool CMarkerAutoPage::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  for (size_t bit = 0; bit < std::size(kAutoMarkerBoxes); ++bit) {
    if (kAutoMarkerBoxes[bit] != id) continue;
    const uint32_t mask = 1u << bit;
    model_.autoFlags = IsDlgButtonChecked(id) ? model_.autoFlags | mask : model_.autoFlags & ~mask;
    return true;
  }
  return false;
}

// The options page.

CMarkerOptionsPage::CMarkerOptionsPage(MarkerSheetModel& model)
    : CPropertyPageBase(IDD_MARKER_OPTIONS, HELP_TOPIC_MARKER_OPTIONS), model_(model) {}

BOOL CMarkerOptionsPage::OnInitDialog() {
  model_.optionsPageOpened = true;
  HWND combo = GetDlgItem(IDC_MO_DEFAULT_COLOR);
  ::SendMessageW(combo, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(LoadResString(IDS_MARKER_LEAST_USED_COLOR).c_str()));
  AddComboNumbers(combo, 1, kMarkerColorCount);
  ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(model_.options.defaultColor + 1), 0);
  for (const MarkerOptionBox& box : kMarkerOptionBoxes)
    CheckDlgButton(box.control, model_.options.*box.field ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

void CMarkerOptionsPage::OnModelRestored() {
  const int color = static_cast<int>(model_.options.defaultColor + 1);
  SendDlgItemMessage(IDC_MO_DEFAULT_COLOR, CB_SETCURSEL, static_cast<WPARAM>(color));
  for (const MarkerOptionBox& box : kMarkerOptionBoxes)
    CheckDlgButton(box.control, model_.options.*box.field ? BST_CHECKED : BST_UNCHECKED);
}

bool CMarkerOptionsPage::OnCommand(int id, int code, HWND) {
  if (id == IDC_MO_DEFAULT_COLOR) {
    if (code == CBN_SELCHANGE)
      model_.options.defaultColor = static_cast<int32_t>(SendDlgItemMessage(id, CB_GETCURSEL)) - 1;
    return true;
  }
  if (code != BN_CLICKED) return false;
  for (const MarkerOptionBox& box : kMarkerOptionBoxes) {
    if (box.control != id) continue;
    model_.options.*box.field = IsDlgButtonChecked(id);
    return true;
  }
  return false;
}

CMarkerSheet::CMarkerSheet(SheetOptions options, HWND owner, MarkerSheetModel& model,
                           const MarkerColorSet& colors, int selectMarker)
    : CPropertySheetBase(std::move(options)),
      listPage_(model, colors, owner, selectMarker),
      autoPage_(model),
      optionsPage_(model),
      undo_(model) {
  AddPage(listPage_, u"");
  AddPage(autoPage_, u"");
  AddPage(optionsPage_, u"");
  TrackSteps(*this);
}

void CMarkerSheet::BeginStep(size_t page) {
  if (!replaying_) undo_.Begin(page);
}

void CMarkerSheet::EndStep(UndoPlace place, UndoKind kind) {
  if (!replaying_) undo_.End(place, kind);
}

bool CMarkerSheet::OnUndo(bool redo) {
  replaying_ = true;
  const std::optional<UndoPlace> place = redo ? undo_.Redo() : undo_.Undo();
  if (place) ShowRestored(*place);
  replaying_ = false;
  return place.has_value();
}

}  // namespace scrv

extern "C" int DoCustomizeMarkers(HWND owner, int startPage, const wchar_t* configuration,
                                  int selectMarker, uint32_t focusControl, uint32_t focusItem) {
  using namespace scrv;
  return GuardExport(0, [&] {
    SettingsStore& store = Settings();
    const std::u16string config =
        configuration
            ? ToU(std::wstring_view(configuration, wcsnlen(configuration, kConfigurationCapacity)))
            : std::u16string();
    MarkerSheetModel model;
    MarkerColorSet colors;
    bool dark = false;
    {
      // The model and the theme read "Common" through one handle.
      CommonReadPass reads(store);
      model.Load(reads, Flags());
      colors = LoadMarkerColors(reads, config);
      dark = IsDarkTheme(reads);
    }

    SheetOptions options;
    options.caption = CommandName(IDS_CMD_CUSTOMIZE_MARKERS);
    options.owner = owner;
    options.startPage = static_cast<UINT>(model.StartPage(startPage));
    options.navigation = model.Navigation();
    options.lastPageKey = kMarkerStartPageKey.data();
    options.focusControl = focusControl;
    options.focusItem = focusControl ? static_cast<int>(focusItem) : -1;
    options.dark = dark;
    CMarkerSheet sheet(std::move(options), owner, model, colors, selectMarker);
    if (sheet.DoModal() != IDOK) return 0;
    SendChangesToMainWindows(model.Save(store, Flags()));
    return 1;
  });
}
