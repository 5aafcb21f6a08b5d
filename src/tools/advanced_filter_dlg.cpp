#include "tools/advanced_filter_dlg.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "controls/dialog_items_win.h"
#include "base/text_win.h"
#include "controls/clipboard_win.h"
#include "controls/list_columns_win.h"
#include "frame/dpi_win.h"
#include "frame/drop_down_win.h"
#include "frame/export_guard_win.h"
#include "frame/file_dialog_win.h"
#include "controls/wide_string_list.h"
#include "scrvdlgs_api.h"
#include "settings/app_settings_win.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"
#include "tools/filter_block.h"
#include "tools/filter_file.h"
#include "tools/number_range.h"
#include "tools/number_range_dlg.h"

namespace scrv {
namespace {

// The library's error code of a damaged condition file.
constexpr DWORD kErrorInvalidFilter = 0xA0000025;

struct FlagBoxControl {
  int id;
  FilterFlagBox box;
};
constexpr std::array<FlagBoxControl, kFilterFlagBoxCount> kFlagBoxes = {{
    {IDC_AF_CASE, FilterFlagBox::kCase},
    {IDC_AF_ONLY_WORD, FilterFlagBox::kOnlyWord},
    {IDC_AF_NEGATIVE, FilterFlagBox::kNegative},
    {IDC_AF_LOGICAL_OR, FilterFlagBox::kLogicalOr},
    {IDC_AF_WHOLE_STRING, FilterFlagBox::kWholeString},
    {IDC_AF_MATCH_NL, FilterFlagBox::kMatchNL},
    {IDC_AF_CR_ONLY, FilterFlagBox::kCrOnly},
    {IDC_AF_LF_ONLY, FilterFlagBox::kLfOnly},
    {IDC_AF_CRLF, FilterFlagBox::kCrLf},
    {IDC_AF_NL_OTHERS, FilterFlagBox::kNLOthers},
    {IDC_AF_BOOKMARKED, FilterFlagBox::kBookmarkedOnly},
    {IDC_AF_UNBOOKMARKED, FilterFlagBox::kUnbookmarkedOnly},
}};

struct MatchKindControl {
  int id;
  FilterMatchKind kind;
};
constexpr std::array<MatchKindControl, 4> kMatchKinds = {{
    {IDC_AF_MATCH_TEXT, FilterMatchKind::kNone},
    {IDC_AF_MATCH_REGEXP, FilterMatchKind::kRegExp},
    {IDC_AF_MATCH_ESCSEQ, FilterMatchKind::kEscSeq},
    {IDC_AF_MATCH_NUMRANGE, FilterMatchKind::kNumberRange},
}};

// The first two list columns are this wide at 96 DPI.
constexpr int kNarrowColumnWidth = 100;

UINT ButtonState(FilterBoxState s) {
  switch (s) {
    case FilterBoxState::kChecked:
      return BST_CHECKED;
    case FilterBoxState::kIndeterminate:
      return BST_INDETERMINATE;
    case FilterBoxState::kUnchecked:
      break;
  }
  return BST_UNCHECKED;
}

}  // namespace

CAdvancedFilterDlg::CAdvancedFilterDlg(std::vector<FilterCondition> conditions,
                                       std::vector<std::u16string> columnNames, HGLOBAL* hostBlock,
                                       bool secondFilterEnabled)
    : initial_(std::move(conditions)),
      columnNames_(std::move(columnNames)),
      hostBlock_(hostBlock),
      startSecondFilter_(secondFilterEnabled) {}

bool CAdvancedFilterDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                              LRESULT& result) {
  // The legend's tooltip is made when the mouse first comes over the list, not with the dialog.
  if (msg == WM_SETCURSOR && !flagsLegend_.Attached() && list_.m_hWnd) {
    auto over = reinterpret_cast<HWND>(wParam);
    if (over == list_.m_hWnd || ::GetParent(over) == list_.m_hWnd)
      flagsLegend_.Attach(list_.m_hWnd, 2, LoadResString(IDS_AF_FLAGS_LEGEND));
  }
  return CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
}

// ---------------------------------------------------------------------------------------------
// Initialisation

BOOL CAdvancedFilterDlg::OnInitDialog() {
  const FilterSettings stored = ReadFilterSettings(Settings(), Flags());
  model_.emplace(std::move(initial_), std::move(columnNames_),
                 ToU(LoadResString(IDS_AF_ANY_COLUMN)), ToU(LoadResString(IDS_AF_RANGE_COLUMN)),
                 stored.defaultFlags, startSecondFilter_);
  initial_.clear();
  columnNames_.clear();

  for (int id : {IDC_AF_RANGE_START, IDC_AF_RANGE_END})
    ::SendMessageW(GetDlgItem(id), EM_LIMITTEXT, kFilterLineDigits, 0);
  HWND combo = GetDlgItem(IDC_AF_COLUMN);
  {
    ListFillScope fill(combo);
    for (const std::u16string& entry : model_->ColumnEntries())
      ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(entry)));
  }

  {
    ListFillScope fill(GetDlgItem(IDC_CHECK_LIST));
    SetUpList();
    fillingList_ = true;
    ShowRowCount();
    if (model_->Count()) list_.SelectRows({0}, 0);
    fillingList_ = false;
  }
  list_.UpdateControls();

  RefreshControls();
  SetButtonCheck(GetDlgItem(IDC_AF_CLOSE_AFTER), stored.closeAfter ? BST_CHECKED : BST_UNCHECKED);
  switch (model_->InitialFocus()) {
    case FilterFocus::kRangeStart:
      ::SetFocus(GetDlgItem(IDC_AF_RANGE_START));
      return FALSE;
    case FilterFocus::kRangeEnd:
      ::SetFocus(GetDlgItem(IDC_AF_RANGE_END));
      return FALSE;
    case FilterFocus::kDefault:
      break;
  }
  return TRUE;
}

void CAdvancedFilterDlg::SetUpList() {
  HWND lv = GetDlgItem(IDC_CHECK_LIST);
  const UINT dpi = WindowDpi(lv);
  const int narrow = MulDiv(kNarrowColumnWidth, static_cast<int>(dpi), 96);
  RECT client = {};
  ::GetClientRect(lv, &client);
  const int rest = client.right - client.left - 2 * narrow - GetSystemMetrics(SM_CXVSCROLL) -
                   2 * GetSystemMetrics(SM_CXEDGE);
  const UINT headers[3] = {IDS_AF_HEADER_TEXT, IDS_AF_HEADER_COLUMN, IDS_AF_HEADER_FLAGS};
  const int widths[3] = {narrow, narrow, std::max(rest, narrow / 2)};
  for (int c = 0; c < 3; ++c) {
    std::wstring text = LoadResString(headers[c]);
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = text.data();
    col.cx = widths[c];
    col.iSubItem = c;
    ::SendMessageW(lv, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
  }

  list_.checkAllId = IDC_CHECK_ALL;
  list_.columnCount = 3;
  list_.options.editing = true;
  list_.options.moving = true;
  list_.options.checkBoxes = true;
  list_.options.loadEnabled = true;
  list_.options.saveEnabled = true;
  list_.textCallback = true;
  list_.swapCallback = SwapRows;
  list_.swapContext = this;
  list_.dpi = dpi;
  list_.fillLastColumn = false;  // the flags column keeps the width it was given
  list_.darkTheme = DarkTheme();
  list_.SubclassWindow(lv);
  AddParentHook(list_);
}

// ---------------------------------------------------------------------------------------------
// Messages

bool CAdvancedFilterDlg::OnCommand(int id, int code, HWND control) {
  for (const FlagBoxControl& f : kFlagBoxes) {
    if (f.id == id) {
      if (code == BN_CLICKED) OnFlagBox(id);
      return true;
    }
  }
  for (const MatchKindControl& m : kMatchKinds) {
    if (m.id == id) {
      if (code == BN_CLICKED) OnMatchKind(id);
      return true;
    }
  }
  switch (id) {
    case IDC_AF_COLUMN:
      if (code == CBN_SELCHANGE) OnColumnChosen();
      if (code == CBN_DROPDOWN) WidenDropDownToItems(GetDlgItem(IDC_AF_COLUMN));
      return true;
    case IDC_AF_RANGE_START:
      if (code == EN_CHANGE) OnRangeStartChanged();
      return true;
    case IDC_AF_RANGE_END:
      if (code == EN_CHANGE) OnRangeEndChanged();
      return true;
    case IDC_AF_OPEN_START:
      if (code == BN_CLICKED) OnOpenBound(true);
      return true;
    case IDC_AF_OPEN_END:
      if (code == BN_CLICKED) OnOpenBound(false);
      return true;
    case IDC_AF_CLOSE_AFTER:
      if (code == BN_CLICKED)
        WriteCommonFlag(Settings(), Flags(), flag::kFilterClose,
                        IsButtonChecked(GetDlgItem(IDC_AF_CLOSE_AFTER)) ? 1 : 0);
      return true;
    case IDC_AF_ADD:
      OnAdd();
      return true;
    case IDC_AF_DELETE:
      OnDelete();
      return true;
    case IDC_AF_LOAD:
      OnLoad();
      return true;
    case IDC_AF_SAVE:
      OnSave();
      return true;
    case IDC_AF_FILTER_AGAIN:
      OnFilter(true);
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

bool CAdvancedFilterDlg::OnNotify(int, NMHDR& header, LRESULT& result) {
  if (header.code == HDN_ITEMCHANGEDW || header.code == HDN_ENDTRACKW) flagsLegend_.Fit();
  if (header.hwndFrom != list_.m_hWnd || !model_) return false;
  auto* info = reinterpret_cast<NMLVDISPINFOW*>(&header);
  switch (header.code) {
    case LVN_GETDISPINFOW:
      OnGetDispInfo(info);
      result = 0;
      return true;
    case LVN_BEGINLABELEDITW:
      OnBeginLabelEdit(info);
      result = FALSE;  // allow the edit
      return true;
    case LVN_ENDLABELEDITW:
      OnEndLabelEdit(info);
      result = FALSE;  // the row keeps its callback text
      return true;
  }
  return false;
}

LRESULT CAdvancedFilterDlg::OnCheckList(UINT code, LPARAM lParam) {
  if (!model_) return 0;
  switch (code) {
    case kClCut:
      OnCut();
      return 0;
    case kClCopy:
      OnCopy();
      return 0;
    case kClPaste:
      OnPaste();
      return 0;
    case kClDelete:
      OnDelete();
      return 0;
    case kClAdd:
      OnAdd();
      return 0;
    case kClSave:
      OnSave();
      return 1;
    case kClLoad:
      OnLoad();
      return 1;
    case kClSelectionChanged:
      if (!fillingList_) RefreshControls();
      return 0;
    case kClGetStateImage:
      return static_cast<size_t>(lParam) < model_->Count() &&
                     model_->Conditions()[static_cast<size_t>(lParam)].Enabled()
                 ? 2
                 : 1;
    case kClSetStateImage: {
      const auto* state = reinterpret_cast<const CheckListRowState*>(lParam);
      if (!state || state->row < 0 || static_cast<size_t>(state->row) >= model_->Count()) return 0;
      model_->SetEnabled(static_cast<size_t>(state->row), state->image == 2);
      return 1;
    }
  }
  return 0;
}

// ---------------------------------------------------------------------------------------------
// The list view

std::vector<size_t> CAdvancedFilterDlg::Selection() const {
  std::vector<size_t> rows;
  for (int r : list_.SelectedRows()) rows.push_back(static_cast<size_t>(r));
  return rows;
}

// The list view shows the model's rows (owner data): only their number and the selection
// live in the control; texts and check states are asked for as rows are drawn.
void CAdvancedFilterDlg::ShowRowCount() {
  ::SendMessageW(list_.m_hWnd, LVM_SETITEMCOUNT, model_->Count(), LVSICF_NOSCROLL);
}

void CAdvancedFilterDlg::InsertRows(FilterInsertedRows rows) {
  HWND lv = list_.m_hWnd;
  fillingList_ = true;
  ShowRowCount();
  std::vector<int> inserted;
  inserted.reserve(rows.count);
  for (size_t i = 0; i < rows.count; ++i) inserted.push_back(static_cast<int>(rows.first + i));
  list_.SelectRows(inserted, inserted.empty() ? -1 : inserted.back());
  if (rows.count) ::SendMessageW(lv, LVM_ENSUREVISIBLE, rows.first, FALSE);
  ::InvalidateRect(lv, nullptr, TRUE);
  fillingList_ = false;
  list_.UpdateControls();
  RefreshControls();
}

void CAdvancedFilterDlg::RedrawRows(const std::vector<size_t>& rows) {
  if (rows.empty()) return;
  ::SendMessageW(list_.m_hWnd, LVM_REDRAWITEMS, rows.front(), rows.back());
}

void CAdvancedFilterDlg::OnGetDispInfo(NMLVDISPINFOW* info) {
  LVITEMW& item = info->item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  const std::u16string text = model_->CellText(static_cast<size_t>(item.iItem), item.iSubItem);
  CopyBounded(item.pszText, static_cast<size_t>(item.cchTextMax), ToW(text));
}

void CAdvancedFilterDlg::OnBeginLabelEdit(NMLVDISPINFOW* info) {
  HWND edit = reinterpret_cast<HWND>(::SendMessageW(list_.m_hWnd, LVM_GETEDITCONTROL, 0, 0));
  if (!edit) return;
  ::SendMessageW(edit, EM_LIMITTEXT, kFilterTextMax, 0);
  // The list view fills the edit through a short buffer; a long text is put in whole.
  const size_t row = static_cast<size_t>(info->item.iItem);
  if (row < model_->Count()) ::SetWindowTextW(edit, W(model_->Conditions()[row].text));
}

void CAdvancedFilterDlg::OnEndLabelEdit(NMLVDISPINFOW* info) {
  if (!info->item.pszText) return;  // the edit was cancelled
  const size_t row = static_cast<size_t>(info->item.iItem);
  model_->SetText(row, ToU(info->item.pszText));
  RedrawRows({row});
}

void CAdvancedFilterDlg::SwapRows(int first, int second, void* context) {
  auto* self = static_cast<CAdvancedFilterDlg*>(context);
  if (self->model_ && first >= 0 && second >= 0)
    self->model_->Swap(static_cast<size_t>(first), static_cast<size_t>(second));
}

// ---------------------------------------------------------------------------------------------
// The controls outside the list

void CAdvancedFilterDlg::RefreshControls() {
  const std::vector<size_t> selection = Selection();
  const FilterControls c = model_->ControlsFor(selection);
  fillingControls_ = true;
  for (const FlagBoxControl& f : kFlagBoxes) {
    SetButtonCheck(GetDlgItem(f.id), ButtonState(c.Box(f.box)));
    ::EnableWindow(GetDlgItem(f.id), c.anySelected && c.BoxEnabled(f.box));
  }
  for (const MatchKindControl& m : kMatchKinds) {
    SetButtonCheck(GetDlgItem(m.id),
                   c.matchKind && *c.matchKind == m.kind ? BST_CHECKED : BST_UNCHECKED);
    ::EnableWindow(GetDlgItem(m.id), c.anySelected);
  }
  ::SendMessageW(GetDlgItem(IDC_AF_COLUMN), CB_SETCURSEL, static_cast<WPARAM>(c.columnEntry), 0);
  ::EnableWindow(GetDlgItem(IDC_AF_COLUMN), c.anySelected);
  ::EnableWindow(GetDlgItem(IDC_AF_DELETE), c.anySelected);
  SetButtonCheck(GetDlgItem(IDC_AF_OPEN_START), c.openStart ? BST_CHECKED : BST_UNCHECKED);
  SetButtonCheck(GetDlgItem(IDC_AF_OPEN_END), c.openEnd ? BST_CHECKED : BST_UNCHECKED);
  SetControlText(GetDlgItem(IDC_AF_RANGE_START), ToW(c.startText));
  SetControlText(GetDlgItem(IDC_AF_RANGE_END), ToW(c.endText));
  fillingControls_ = false;
  EnableRangeFields(c.openStartEnabled);
  HWND second = GetDlgItem(IDC_AF_FILTER_AGAIN);
  if (!c.secondFilterEnabled && ::GetFocus() == second)
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDOK)), TRUE);
  ::EnableWindow(second, c.secondFilterEnabled);
}

// The range controls need a selection whose column list shows the range entry; each field
// also needs its open box unchecked, as the box shows now.
void CAdvancedFilterDlg::EnableRangeFields(bool rangeColumn) {
  const bool range = rangeColumn;
  ::EnableWindow(GetDlgItem(IDC_AF_OPEN_START), range);
  ::EnableWindow(GetDlgItem(IDC_AF_OPEN_END), range);
  ::EnableWindow(GetDlgItem(IDC_AF_RANGE_START),
                 range && !IsButtonChecked(GetDlgItem(IDC_AF_OPEN_START)));
  ::EnableWindow(GetDlgItem(IDC_AF_RANGE_END),
                 range && !IsButtonChecked(GetDlgItem(IDC_AF_OPEN_END)));
}

void CAdvancedFilterDlg::OnFlagBox(int id) {
  if (fillingControls_) return;
  const std::vector<size_t> selection = Selection();
  for (const FlagBoxControl& f : kFlagBoxes) {
    if (f.id == id) model_->ClickFlagBox(selection, f.box);
  }
  RefreshControls();
  RedrawRows(selection);
}

void CAdvancedFilterDlg::OnMatchKind(int id) {
  if (fillingControls_) return;
  const std::vector<size_t> selection = Selection();
  FilterMatchKind kind = FilterMatchKind::kNone;
  for (const MatchKindControl& m : kMatchKinds) {
    if (m.id == id) kind = m.kind;
  }
  if (kind == FilterMatchKind::kNumberRange &&
      model_->NeedsNumberRangeDialog(ReadCommonFlag(Settings(), Flags(), flag::kSkipNumRange))) {
    CNumberRangeDlg dlg;
    CopyBounded(dlg.text, CNumberRangeDlg::kCapacity,
                ToW(model_->NumberRangeDialogText(selection)));
    if (dlg.DoModal(m_hWnd) == IDOK) model_->ApplyNumberRange(selection, ToU(dlg.text));
  } else {
    model_->ChooseMatchKind(selection, kind);
  }
  RefreshControls();
  RedrawRows(selection);
}

void CAdvancedFilterDlg::OnColumnChosen() {
  if (fillingControls_) return;
  const std::vector<size_t> selection = Selection();
  const int entry = static_cast<int>(::SendMessageW(GetDlgItem(IDC_AF_COLUMN), CB_GETCURSEL, 0, 0));
  model_->ChooseColumnEntry(selection, entry);
  RefreshControls();
  RedrawRows(selection);
}

void CAdvancedFilterDlg::OnRangeStartChanged() {
  if (fillingControls_ || IsButtonChecked(GetDlgItem(IDC_AF_OPEN_START))) return;
  const std::vector<size_t> selection = Selection();
  model_->EditRangeStart(selection, ToU(GetWindowTextString(GetDlgItem(IDC_AF_RANGE_START))));
  RedrawRows(selection);
}

void CAdvancedFilterDlg::OnRangeEndChanged() {
  if (fillingControls_ || IsButtonChecked(GetDlgItem(IDC_AF_OPEN_END))) return;
  const std::vector<size_t> selection = Selection();
  model_->EditRangeEnd(selection, ToU(GetWindowTextString(GetDlgItem(IDC_AF_RANGE_END))));
  RedrawRows(selection);
}

// An open end's box: checked, the end is open and its field emptied; unchecked, the field's
// number counts again.
void CAdvancedFilterDlg::OnOpenBound(bool start) {
  const std::vector<size_t> selection = Selection();
  const int box = start ? IDC_AF_OPEN_START : IDC_AF_OPEN_END;
  const int field = start ? IDC_AF_RANGE_START : IDC_AF_RANGE_END;
  const bool open = IsButtonChecked(GetDlgItem(box));
  const std::u16string text = ToU(GetWindowTextString(GetDlgItem(field)));
  if (start)
    model_->SetOpenStart(selection, open, text);
  else
    model_->SetOpenEnd(selection, open, text);
  if (open) {
    fillingControls_ = true;
    SetControlText(GetDlgItem(field), L"");
    fillingControls_ = false;
  }
  EnableRangeFields(model_->ControlsFor(selection).openStartEnabled);
  RedrawRows(selection);
}

// ---------------------------------------------------------------------------------------------
// List commands

void CAdvancedFilterDlg::OnAdd() {
  const size_t row = model_->Add(Selection());
  fillingList_ = true;
  ShowRowCount();
  list_.SelectRows({static_cast<int>(row)}, static_cast<int>(row));
  fillingList_ = false;
  ::SendMessageW(list_.m_hWnd, LVM_ENSUREVISIBLE, row, FALSE);
  list_.UpdateControls();
  RefreshControls();
  ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_.m_hWnd), TRUE);
  ::SendMessageW(list_.m_hWnd, LVM_EDITLABELW, row, 0);
}

void CAdvancedFilterDlg::OnDelete() {
  const std::vector<size_t> selection = Selection();
  if (selection.empty()) return;
  const std::optional<size_t> next = model_->DeleteSelected(selection);
  fillingList_ = true;
  ShowRowCount();
  list_.SelectRows({}, -1);
  ::InvalidateRect(list_.m_hWnd, nullptr, TRUE);
  fillingList_ = false;
  if (next) list_.SelectRows({static_cast<int>(*next)}, static_cast<int>(*next));
  list_.UpdateControls();
  RefreshControls();
  ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDOK)), TRUE);
}

bool CAdvancedFilterDlg::OnCopy() {
  const std::vector<size_t> selection = Selection();
  if (selection.empty()) return false;
  return WriteClipboardText(m_hWnd, model_->Copy(selection));
}

void CAdvancedFilterDlg::OnCut() {
  if (OnCopy()) OnDelete();
}

void CAdvancedFilterDlg::OnPaste() {
  std::optional<std::u16string> text = ReadClipboardText(m_hWnd);
  if (!text) return;
  InsertRows(model_->Paste(Selection(), *text));
}

void CAdvancedFilterDlg::OnLoad() {
  std::optional<ChosenFile> file = AskFileToOpen(m_hWnd, IDS_AF_OPEN_FILTER, L"tsv");
  if (!file) return;

  Win32FileStore files;
  bool notText = false;
  std::optional<std::vector<FilterCondition>> loaded =
      LoadFilterFile(files, ToU(file->path), model_->DefaultFlags(), FromAnsi, &notText);
  if (notText) ShowError(m_hWnd, kErrorInvalidFilter, file->path.c_str());
  if (!loaded) return;
  if (model_->Count() > 0) {
    const int answer = ShowMessage(m_hWnd, UiText::Res(IDS_AF_LOAD_REPLACE), UiText{},
                                   MB_YESNOCANCEL | MB_ICONWARNING | MB_DEFBUTTON2);
    if (answer == IDYES) {
      model_->Clear();
      ShowRowCount();
    } else if (answer != IDNO) {
      return;
    }
  }
  InsertRows(model_->Insert(Selection(), std::move(*loaded)));
}

void CAdvancedFilterDlg::OnSave() {
  std::optional<ChosenFile> file = AskFileToSave(m_hWnd, IDS_AF_SAVE_FILTER, L"tsv");
  if (!file) return;
  Win32FileStore files;
  SaveFilterFile(files, ToU(file->path), model_->Conditions(),
                 FilterSaveTypeFromIndex(file->typeIndex));
}

// ---------------------------------------------------------------------------------------------
// Filter and closing

void CAdvancedFilterDlg::OnFilter(bool fromSecondButton) {
  const char16_t decimal = LocaleDecimalChar();
  std::optional<size_t> invalid = model_->FindInvalidRange([decimal](std::u16string_view text) {
    return ParseNumberRange(text, decimal, nullptr) != kNumberRangeInvalid;
  });
  if (invalid) {
    list_.SelectRows({static_cast<int>(*invalid)}, static_cast<int>(*invalid));
    // The range, and on a line of its own what is wrong with it.
    const std::u16string& range = model_->Conditions()[*invalid].text;
    const std::u16string why =
        NumberRangeReasonText(NumberRangeExpressionReason(range, decimal),
                              [](uint32_t id) { return ToU(LoadResString(id)); });
    ShowMessage(m_hWnd, UiText::Res(IDS_AF_BAD_NUMBER_RANGE), UiText::Of(range + u"\n" + why),
                MB_ICONINFORMATION);
    return;
  }
  ReplaceHostBlock();
  HWND parent = GetParent();
  if (parent)
    ::SendMessageW(parent, SCM_APPLY_FILTER, fromSecondButton ? 1 : 0,
                   reinterpret_cast<LPARAM>(*hostBlock_));
  model_->NoteFilterApplied(fromSecondButton);
  if (!fromSecondButton && IsButtonChecked(GetDlgItem(IDC_AF_CLOSE_AFTER))) {
    WriteFilterDefaultFlags(Settings(), model_->DefaultFlags());
    EndDialog(IDCANCEL);
    return;
  }
  RefreshControls();
}

void CAdvancedFilterDlg::ReplaceHostBlock() {
  if (*hostBlock_) GlobalFree(*hostBlock_);
  *hostBlock_ = nullptr;
  const std::vector<FilterCondition>& conditions = model_->Conditions();
  if (conditions.empty()) return;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, FilterBlockSize(conditions.size()));
  if (!block) return;
  auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return;
  }
  WriteFilterBlock(conditions, bytes);
  GlobalUnlock(block);
  *hostBlock_ = block;
}

void CAdvancedFilterDlg::OnCancel() {
  if (model_) WriteFilterDefaultFlags(Settings(), model_->DefaultFlags());
  EndDialog(IDCANCEL);
}

}  // namespace scrv

extern "C" int DoAdvancedFilterDlg(HWND owner, const void* columnNames, HGLOBAL* block,
                                   int secondButton) {
  return scrv::GuardExport(-1, [&] {
    std::vector<scrv::FilterCondition> conditions;
    if (block && *block) {
      const size_t size = GlobalSize(*block);
      if (const auto* data = static_cast<const uint8_t*>(GlobalLock(*block))) {
        conditions = scrv::ReadFilterBlock(data, size);
        GlobalUnlock(*block);
      }
    }
    std::vector<std::u16string> names =
        scrv::ReadWideStringList(columnNames).value_or(std::vector<std::u16string>());
    // Without a host handle the applied blocks are the library's own, freed at the end.
    struct OwnBlock {
      HGLOBAL handle = nullptr;
      ~OwnBlock() {
        if (handle) GlobalFree(handle);
      }
    } own;
    scrv::CAdvancedFilterDlg dlg(std::move(conditions), std::move(names),
                                 block ? block : &own.handle, secondButton != 0);
    INT_PTR result = dlg.DoModal(owner);
    return result > 0 ? static_cast<int>(result) : -1;
  });
}
