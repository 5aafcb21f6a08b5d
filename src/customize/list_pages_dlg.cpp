#include "customize/list_pages_dlg.h"

#include <algorithm>
#include <set>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "customize/clear_history.h"
#include "frame/dpi_win.h"
#include "base/command_table.h"
#include "scrvdlgs_api.h"
#include "settings/app_data_path_win.h"
#include "settings/app_settings_win.h"
#include "settings/settings_tables_win.h"
#include "controls/column_list_win.h"

namespace scrv {
namespace {

constexpr size_t kFolderCapacity = 260;
constexpr size_t kFamilyCapacity = 32;  // a face name with its terminator

void SetStatic(HWND page, int id, std::u16string_view text) {
  const std::wstring w = ToW(text);
  wchar_t now[64] = {};
  GetDlgItemTextW(page, id, now, 64);
  if (w != now) SetDlgItemTextW(page, id, w.c_str());
}

// The main window of the host, when one runs.
HWND HostMainWindow() {
  return FindWindowW(kHostMainWindowClass, nullptr);
}

}  // namespace

// --- A list of texts -------------------------------------------------------------------------

namespace {

// A list whose rows the user edits in place and reorders, without paste or cut; its texts come
// from the page.
OwnedListSetup EditAndMoveSetup() {
  OwnedListSetup setup;
  setup.options.editing = true;
  setup.options.moving = true;
  setup.options.pasteEnabled = false;
  setup.options.cutEnabled = false;
  setup.textCallback = true;
  return setup;
}

}  // namespace

void CTextListPart::Attach(HWND control, std::vector<std::u16string>& texts, size_t capacity,
                           bool darkTheme) {
  texts_ = &texts;
  capacity_ = capacity;
  const OwnedListSetup setup = EditAndMoveSetup();
  list.upDownButtons = true;
  list.swapCallback = Swapped;
  list.swapContext = this;
  EnableWindow(control, TRUE);
  AttachOwnedList(list, control, setup, darkTheme);
  AddListColumn(control, 0, 0, FillColumnWidth(control, 0));
}

void CTextListPart::Fill() {
  list.SendMessage(WM_SETREDRAW, FALSE);
  list.SendMessage(LVM_DELETEALLITEMS);
  for (size_t k = 0; k < texts_->size(); ++k) AppendCallbackRow(list, 0, false);
  list.SendMessage(WM_SETREDRAW, TRUE);
  list.UpdateControls();
}

void CTextListPart::Append(std::u16string_view text) {
  texts_->emplace_back(text.substr(0, capacity_ - 1));
  AppendCallbackRow(list, 0, false);
  const int row = list.RowCount() - 1;
  list.SelectRows({row}, row);
  list.UpdateControls();
  if (!text.empty() && changed) changed();
}

void CTextListPart::Swapped(int a, int b, void* self) {
  auto* part = static_cast<CTextListPart*>(self);
  auto& texts = *part->texts_;
  if (a < 0 || b < 0 || static_cast<size_t>(a) >= texts.size() ||
      static_cast<size_t>(b) >= texts.size())
    return;
  std::swap(texts[a], texts[b]);
  if (part->changed) part->changed();
}

void CTextListPart::DeleteSelected() {
  std::vector<int> rows = list.SelectedRows();
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows) {
    if (row < 0 || static_cast<size_t>(row) >= texts_->size()) continue;
    texts_->erase(texts_->begin() + row);
    list.SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(row));
  }
  list.UpdateControls();
  if (!rows.empty() && changed) changed();
}

void CTextListPart::Fit() {
  if (list.m_hWnd) FitLastColumn(list);
}

LRESULT CTextListPart::OnListCommand(WPARAM code) {
  if (code == kClDelete) {
    DeleteSelected();
  } else if (code == kClAdd && !adding_) {
    adding_ = true;
    Append(u"");
    ::SetFocus(list.m_hWnd);
    if (!list.SendMessage(LVM_EDITLABELW, static_cast<WPARAM>(list.RowCount() - 1))) {
      adding_ = false;
      DeleteSelected();
    }
  }
  return 0;
}

bool CTextListPart::OnNotify(NMHDR& header, LRESULT& result) {
  if (!list.m_hWnd || header.hwndFrom != list.m_hWnd) return false;
  auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
  const auto row = static_cast<size_t>(info.item.iItem);
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillDisplayText(info, row < texts_->size() ? std::u16string_view((*texts_)[row]) : u"");
      result = 0;
      return true;
    case LVN_BEGINLABELEDITW:
      ::SendMessageW(reinterpret_cast<HWND>(list.SendMessage(LVM_GETEDITCONTROL)), EM_LIMITTEXT,
                     capacity_ - 1, 0);
      result = FALSE;
      return true;
    case LVN_ENDLABELEDITW: {
      const bool wasAdding = adding_;
      adding_ = false;
      std::u16string text = info.item.pszText ? ToU(info.item.pszText) : std::u16string();
      const bool accepted = info.item.pszText && !text.empty() && row < texts_->size();
      if (accepted) (*texts_)[row] = text.substr(0, capacity_ - 1);
      if (wasAdding && !accepted) DeleteSelected();
      if (accepted && changed) changed();
      list.SendMessage(LVM_REDRAWITEMS, row, row);
      result = FALSE;  // the rows' texts come from the vector
      return true;
    }
  }
  return false;
}

// --- Status bar ------------------------------------------------------------------------------

BOOL CCustomizeStatusPage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  StatusExtension::Normalize(Model());
  list_.checkAllId = IDC_CHECK_ALL;
  list_.options.checkBoxes = true;
  list_.options.moving = true;
  list_.upDownButtons = true;
  list_.textCallback = true;
  list_.ownCopy = true;
  list_.darkTheme = DarkTheme();
  list_.swapCallback = Swapped;
  list_.swapContext = this;
  HWND list = GetDlgItem(IDC_CHECK_LIST);
  HoldRedraw(list);
  list_.SubclassWindow(list);
  AddParentHook(list_);
  AddListColumn(list_.m_hWnd, 0, 0, FillColumnWidth(list_.m_hWnd, 0));
  Fill();
  return TRUE;
}

void CCustomizeStatusPage::ShowModel() {
  ShowValues();
  Fill();
}

void CCustomizeStatusPage::Fill() {
  const StatusOrder& order = Status().order;
  const auto bits = static_cast<uint32_t>(StatusExtension::ShowBits(Model()).number);
  const bool redraw = !RedrawHeld(list_.m_hWnd);
  if (redraw) list_.SendMessage(WM_SETREDRAW, FALSE);
  list_.SendMessage(LVM_DELETEALLITEMS);
  for (size_t p = 1; p < kStatusItemCount; ++p)
    AppendCallbackRow(list_, 0, order[p] < 32 && ((bits >> order[p]) & 1));
  if (redraw) list_.SendMessage(WM_SETREDRAW, TRUE);
  list_.SelectRows({0}, 0);
  list_.UpdateControls();
}

void CCustomizeStatusPage::Swapped(int a, int b, void* self) {
  StatusOrder& order = static_cast<CCustomizeStatusPage*>(self)->Status().order;
  if (a >= 0 && b >= 0 && a + 1 < int(kStatusItemCount) && b + 1 < int(kStatusItemCount))
    std::swap(order[a + 1], order[b + 1]);
}

bool CCustomizeStatusPage::OnCommand(int id, int code, HWND control) {
  if (id == IDC_CUST_RESET && code == BN_CLICKED) {
    Model().Reset();
    StatusExtension::Reset(Model());
    ShowValues();
    Fill();
    return true;
  }
  return CCustomizePage::OnCommand(id, code, control);
}

bool CCustomizeStatusPage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (id != IDC_CHECK_LIST || header.code != LVN_GETDISPINFOW)
    return CCustomizePage::OnNotify(id, header, result);
  auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
  const int row = info.item.iItem;
  if (info.item.iSubItem == 0 && row >= 0 && row < int(kStatusItemCount) - 1)
    FillDisplayText(info, ToU(LoadResString(StatusItemLabel(Status().order[row + 1]))));
  result = 0;
  return true;
}

bool CCustomizeStatusPage::OnApply() {
  CCustomizePage::OnApply();
  Status().order[0] = 0;
  // A row without a state image counts as shown: only the unchecked image hides an item.
  bool shown[kStatusItemCount - 1] = {};
  for (int p = 0; p < int(kStatusItemCount) - 1; ++p) shown[p] = list_.RowStateImage(p) != 1;
  StatusExtension::ShowBits(Model()).number = StatusShowBits(Status().order, shown);
  Model().Working(0).number = IsDlgButtonChecked(IDC_STATUS_SHOW_TIME) ? 1 : 0;
  return true;
}

LRESULT CCustomizeStatusPage::OnCheckList(UINT, LPARAM) {
  return 0;
}

void CCustomizeStatusPage::OnLayout() {
  CCustomizePage::OnLayout();
  if (list_.m_hWnd) FitLastColumn(list_);
}

// --- CSV formats -----------------------------------------------------------------------------

namespace {

struct CsvControl {
  uint16_t id, mark;
  CsvField field;
};
constexpr CsvControl kCsvControls[] = {
    {IDC_CSV_SEPARATOR, IDC_CSV_SEPARATOR_MARK, CsvField::kSeparator},
    {IDC_CSV_SECOND_TEXT, IDC_CSV_SECOND_TEXT_MARK, CsvField::kSecondText},
    {IDC_CSV_FLAG_A, 0, CsvField::kA},
    {IDC_CSV_FLAG_B, 0, CsvField::kB},
    {IDC_CSV_FLAG_C, 0, CsvField::kC},
    {IDC_CSV_FLAG_D, 0, CsvField::kD},
    {IDC_CSV_VALUE_E, IDC_CSV_VALUE_E_MARK, CsvField::kE},
    {IDC_CSV_VALUE_F, IDC_CSV_VALUE_F_MARK, CsvField::kF},
    {IDC_CSV_VALUE_G, IDC_CSV_VALUE_G_MARK, CsvField::kG},
    {IDC_CSV_VALUE_H, IDC_CSV_VALUE_H_MARK, CsvField::kH},
    {IDC_CSV_VALUE_I, IDC_CSV_VALUE_I_MARK, CsvField::kI},
};
// Edits' limits: the texts' capacity, else the digits of the largest value.
int CsvLimit(CsvField f) {
  switch (f) {
    case CsvField::kSeparator:
      return 4 * (kCsvTextCapacity - 1);  // escaped, four units per character at most
    case CsvField::kSecondText:
      return kCsvTextCapacity - 1;
    case CsvField::kE:
      return 2;
    case CsvField::kG:
      return 8;
    default:
      return 3;
  }
}
bool IsBoxField(CsvField f) {
  return f == CsvField::kA || f == CsvField::kB || f == CsvField::kC || f == CsvField::kD;
}

}  // namespace

BOOL CCustomizeCsvPage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  const OwnedListSetup setup = EditAndMoveSetup();
  formats_.upDownButtons = true;
  formats_.swapCallback = Swapped;
  formats_.swapContext = this;
  HWND list = GetDlgItem(IDC_CSV_FORMATS);
  ::EnableWindow(list, TRUE);
  // Laid out once it is filled and sized, when the chosen format is scrolled into view.
  HoldRedraw(list, true);
  AttachOwnedList(formats_, list, setup, DarkTheme());
  AddParentHook(formats_);
  AddListColumn(list, 0, 0, FillColumnWidth(list, 0));
  for (const CsvControl& c : kCsvControls)
    if (!IsBoxField(c.field)) SendDlgItemMessage(c.id, EM_LIMITTEXT, CsvLimit(c.field));
  Refill(Model().Extension<CsvExtension>().preselect);
  return TRUE;
}

std::vector<size_t> CCustomizeCsvPage::Selected() const {
  std::vector<size_t> rows;
  for (int r : formats_.SelectedRows()) rows.push_back(static_cast<size_t>(r));
  return rows;
}

void CCustomizeCsvPage::ShowModel() {
  ShowValues();
  Refill(0);
}

void CCustomizeCsvPage::Refill(int select) {
  filling_ = true;
  const bool redraw = !RedrawHeld(formats_.m_hWnd);
  if (redraw) formats_.SendMessage(WM_SETREDRAW, FALSE);
  formats_.SendMessage(LVM_DELETEALLITEMS);
  for (size_t k = 0; k < List().Size(); ++k) AppendCallbackRow(formats_, 0, false);
  if (redraw) formats_.SendMessage(WM_SETREDRAW, TRUE);
  if (select >= 0 && static_cast<size_t>(select) < List().Size()) {
    // Unless the list allows only one selection, nothing else stays selected.
    formats_.SelectRows({select}, select);
    if (redraw) formats_.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(select), FALSE);
  }
  filling_ = false;
  formats_.UpdateControls();
  ShowSelection();
}

void CCustomizeCsvPage::ShowSelection() {
  const std::vector<size_t> selected = Selected();
  const auto view = List().View(selected);
  filling_ = true;
  for (const CsvControl& c : kCsvControls) {
    const CsvFieldView& v = view[static_cast<size_t>(c.field)];
    EnableDlgItem(c.id, !selected.empty());
    if (IsBoxField(c.field)) {
      CheckDlgButton(c.id, v.differs ? BST_INDETERMINATE : v.on ? BST_CHECKED : BST_UNCHECKED);
    } else {
      SetDlgItemText(c.id, ToW(v.text));
      SetStatic(m_hWnd, c.mark, v.differs ? u"*" : u"");
    }
  }
  filling_ = false;
}

void CCustomizeCsvPage::Swapped(int a, int b, void* self) {
  if (a >= 0 && b >= 0) static_cast<CCustomizeCsvPage*>(self)->List().Swap(a, b);
}

void CCustomizeCsvPage::AddFormat() {
  const std::vector<size_t> selected = Selected();
  const int row = List().Add(ToU(LoadResString(IDS_CSV_NEW_FORMAT)),
                             selected.empty() ? -1 : static_cast<int>(selected.front()));
  if (row < 0) {
    MessageBeep(MB_ICONWARNING);
    return;
  }
  Refill(row);
  ::SetFocus(formats_.m_hWnd);
  formats_.SendMessage(LVM_EDITLABELW, static_cast<WPARAM>(row));
}

void CCustomizeCsvPage::DeleteFormats() {
  std::vector<size_t> selected = Selected();
  if (selected.empty() || selected.size() >= List().Size()) return;  // one format stays
  std::sort(selected.rbegin(), selected.rend());
  for (size_t k : selected) List().Remove(k);
  Refill(static_cast<int>(std::min(selected.back(), List().Size() - 1)));
}

bool CCustomizeCsvPage::OnCommand(int id, int code, HWND control) {
  if (id == IDC_CSV_ADD && code == BN_CLICKED) {
    AddFormat();
    return true;
  }
  if (id == IDC_CSV_DELETE && code == BN_CLICKED) {
    DeleteFormats();
    return true;
  }
  for (const CsvControl& c : kCsvControls) {
    if (c.id != id) continue;
    if (filling_) return true;
    const std::vector<size_t> selected = Selected();
    if (IsBoxField(c.field) && code == BN_CLICKED) {
      // A box that showed the mixed state turns on for every selected format.
      const UINT state = GetDlgButtonState(id);
      const bool on = state != BST_UNCHECKED;
      if (state == BST_INDETERMINATE) CheckDlgButton(id, BST_CHECKED);
      List().Set(selected, c.field, u"", on);
      ShowSelection();
    } else if (!IsBoxField(c.field) && code == EN_KILLFOCUS) {
      const std::u16string text = ToU(GetDlgItemText(id));
      // An emptied field of several differing formats leaves them as they are.
      if (!text.empty() || c.field == CsvField::kSecondText)
        List().Set(selected, c.field, text, false);
      ShowSelection();
    }
    return true;
  }
  return CCustomizePage::OnCommand(id, code, control);
}

bool CCustomizeCsvPage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (id != IDC_CSV_FORMATS) return CCustomizePage::OnNotify(id, header, result);
  auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
  const auto row = static_cast<size_t>(info.item.iItem);
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillDisplayText(info,
                      row < List().Size() ? std::u16string_view(List().Formats()[row].name) : u"");
      break;
    case LVN_BEGINLABELEDITW:
      ::SendMessageW(reinterpret_cast<HWND>(formats_.SendMessage(LVM_GETEDITCONTROL)), EM_LIMITTEXT,
                     kCsvTextCapacity - 1, 0);
      result = FALSE;
      return true;
    case LVN_ENDLABELEDITW:
      if (info.item.pszText && *info.item.pszText) List().Rename(row, ToU(info.item.pszText));
      formats_.SendMessage(LVM_REDRAWITEMS, row, row);
      result = FALSE;
      return true;
    case LVN_ITEMCHANGED:
      if (!filling_ && (reinterpret_cast<NMLISTVIEW&>(header).uChanged & LVIF_STATE))
        ShowSelection();
      break;
  }
  result = 0;
  return true;
}

LRESULT CCustomizeCsvPage::OnCheckList(UINT code, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) != GetDlgItem(IDC_CUST_OPTIONS) &&
      (code == kClAdd || code == kClDelete) && ::GetFocus() == formats_.m_hWnd) {
    code == kClAdd ? AddFormat() : DeleteFormats();
    return 0;
  }
  return CCustomizePage::OnCheckList(code, lParam);
}

// --- Active strings --------------------------------------------------------------------------

namespace {
constexpr size_t kVariableMenuGap = 18;  // the two items of the menu that insert no variable
constexpr int kVariableMenuGapCount = 2;
}  // namespace

BOOL CCustomizeActiveStringTablePage::OnInitDialog() {
  CCustomizeActiveStringPage::OnInitDialog();
  HWND action = GetDlgItem(IDC_AS_ACTION);
  ::SendMessageW(action, CB_INITSTORAGE, kActiveStringActions, 64 * sizeof(wchar_t));
  for (uint32_t k = 0; k < kActiveStringActions; ++k) {
    const std::wstring text = LoadResString(IDS_AS_ACTION_FIRST + k);
    ::SendMessageW(action, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendDlgItemMessage(IDC_AS_TEXT, EM_LIMITTEXT, kActiveStringTextCapacity - 1);
  // The macros beside the program, offered for the text.
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW(AppPath(L"Macros\\*.*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) macros_.push_back(fd.cFileName);
    } while (FindNextFileW(find, &fd));
    FindClose(find);
  }
  std::sort(macros_.begin(), macros_.end());
  for (const std::wstring& m : macros_)
    SendDlgItemMessage(IDC_AS_MACROS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m.c_str()));
  // The commands offered for "Run a command", by their command names.
  commands_ = ActiveStringCommands();
  HWND commands = GetDlgItem(IDC_AS_COMMANDS);
  ::SendMessageW(commands, WM_SETREDRAW, FALSE, 0);
  for (uint16_t command : commands_) {
    const std::wstring name(ToW(std::u16string(CommandNameOf(ToU(LoadResString(command))))));
    ::SendMessageW(commands, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  ::SendMessageW(commands, WM_SETREDRAW, TRUE, 0);
  for (int id : {IDC_AS_ACTION, IDC_AS_TEXT, IDC_AS_VARIABLES, IDC_AS_MACROS, IDC_AS_COMMANDS})
    EnableDlgItem(id, true);
  ShowEntry();
  return TRUE;
}

ActiveStringEntry& CCustomizeActiveStringTablePage::Entry() {
  const auto kind = std::min<uint64_t>(Model().Working(0).number, kActiveStringKinds - 1);
  const auto occasion = std::min<uint64_t>(Model().Working(1).number, kActiveStringOccasions - 1);
  return Model().Extension<ActiveStringExtension>().table[kind * kActiveStringOccasions + occasion];
}

void CCustomizeActiveStringTablePage::ShowModel() {
  ShowValues();
  ShowEntry();
}

void CCustomizeActiveStringTablePage::ShowEntry() {
  filling_ = true;
  const ActiveStringEntry& e = Entry();
  SendDlgItemMessage(IDC_AS_ACTION, CB_SETCURSEL, e.action < kActiveStringActions ? e.action : 0);
  SetDlgItemText(IDC_AS_TEXT, ToW(e.text));
  const auto command = std::find(commands_.begin(), commands_.end(), e.value1);
  SendDlgItemMessage(IDC_AS_COMMANDS, LB_SETCURSEL,
                     e.action == kActiveStringRunCommand && command != commands_.end()
                         ? static_cast<WPARAM>(command - commands_.begin())
                         : static_cast<WPARAM>(-1));
  filling_ = false;
}

void CCustomizeActiveStringTablePage::ShowVariables() {
  HMENU menu = LoadMenuW(Module().resourceModule, MAKEINTRESOURCEW(IDR_AS_VARIABLES));
  if (!menu) return;
  HMENU popup = GetSubMenu(menu, 0);
  for (int k = 0; k < kVariableMenuGapCount && popup; ++k)
    DeleteMenu(popup, kVariableMenuGap, MF_BYPOSITION);
  RECT rc = {};
  ::GetWindowRect(GetDlgItem(IDC_AS_VARIABLES), &rc);
  const bool right = GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0;
  const UINT chosen =
      popup ? TrackPopupMenu(
                  popup, TPM_RETURNCMD | TPM_NONOTIFY | (right ? TPM_RIGHTALIGN : TPM_LEFTALIGN),
                  right ? rc.right : rc.left, rc.bottom, 0, m_hWnd, nullptr)
            : 0;
  DestroyMenu(menu);
  if (chosen < ID_AS_VARIABLE_FIRST) return;
  const std::wstring text = ToW(ActiveStringVariable(chosen - ID_AS_VARIABLE_FIRST));
  if (text.empty()) return;
  SendDlgItemMessage(IDC_AS_TEXT, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  Entry().text = ToU(GetDlgItemText(IDC_AS_TEXT));
}

bool CCustomizeActiveStringTablePage::OnCommand(int id, int code, HWND control) {
  if (filling_) return CCustomizeActiveStringPage::OnCommand(id, code, control);
  if (id == IDC_AS_ACTION && code == CBN_SELCHANGE) {
    const auto item = SendDlgItemMessage(IDC_AS_ACTION, CB_GETCURSEL);
    if (item >= 0) Entry().action = static_cast<uint32_t>(item);
    return true;
  }
  if (id == IDC_AS_TEXT && code == EN_CHANGE) {
    Entry().text = ToU(GetDlgItemText(IDC_AS_TEXT));
    return true;
  }
  if (id == IDC_AS_VARIABLES && code == BN_CLICKED) {
    ShowVariables();
    return true;
  }
  if (id == IDC_AS_COMMANDS && code == LBN_SELCHANGE) {
    // Choosing a command makes the entry run it.
    const auto item = SendDlgItemMessage(IDC_AS_COMMANDS, LB_GETCURSEL);
    if (item < 0 || static_cast<size_t>(item) >= commands_.size()) return true;
    Entry().action = kActiveStringRunCommand;
    Entry().value1 = commands_[static_cast<size_t>(item)];
    ShowEntry();
    return true;
  }
  if (id == IDC_AS_MACROS && code == LBN_DBLCLK) {
    const auto item = SendDlgItemMessage(IDC_AS_MACROS, LB_GETCURSEL);
    if (item >= 0 && static_cast<size_t>(item) < macros_.size())
      SetDlgItemText(IDC_AS_TEXT, L"$(AppDir)\\Macros\\" + macros_[item]);
    return true;
  }
  return CCustomizeActiveStringPage::OnCommand(id, code, control);
}

bool CCustomizeActiveStringTablePage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  const bool handled = CCustomizeActiveStringPage::OnNotify(id, header, result);
  if ((id == IDC_AS_KINDS || id == IDC_AS_OCCASIONS) && header.code == LVN_ITEMCHANGED) ShowEntry();
  return handled;
}

// --- Rendering -------------------------------------------------------------------------------

namespace {

struct Slider {
  uint16_t id, label;
  int positions;
  double maximum;
  int decimals;
};
constexpr Slider kSliders[] = {
    {IDC_RENDER_GAMMA, IDC_RENDER_GAMMA_VALUE, kGammaPositions, 3.0, 1},
    {IDC_RENDER_CONTRAST, IDC_RENDER_CONTRAST_VALUE, kContrastPositions, 3.0, 1},
    {IDC_RENDER_CLEARTYPE, IDC_RENDER_CLEARTYPE_VALUE, kLevelPositions, 1.0, 2},
};
constexpr uint16_t kAntialiasItems[] = {IDS_AA_DEFAULT, IDS_AA_GRAYSCALE, IDS_AA_CLEARTYPE};
constexpr uint16_t kModeItems[] = {IDS_RENDER_DEFAULT,     IDS_RENDER_ALIASED,
                                   IDS_RENDER_GDI_CLASSIC, IDS_RENDER_GDI_NATURAL,
                                   IDS_RENDER_NATURAL,     IDS_RENDER_NATURAL_SYMMETRIC};
// The controls that only count with DirectWrite, and those chosen by hand.
constexpr uint16_t kDirectWriteControls[] = {IDC_RENDER_AUTOMATIC, IDC_RENDER_COLOR_FONTS};
constexpr uint16_t kManualControls[] = {IDC_RENDER_ANTIALIAS_LABEL, IDC_RENDER_ANTIALIAS,
                                        IDC_RENDER_MODE_LABEL,      IDC_RENDER_MODE,
                                        IDC_RENDER_GAMMA_LABEL,     IDC_RENDER_GAMMA,
                                        IDC_RENDER_GAMMA_VALUE,     IDC_RENDER_CONTRAST_LABEL,
                                        IDC_RENDER_CONTRAST,        IDC_RENDER_CONTRAST_VALUE,
                                        IDC_RENDER_CLEARTYPE_LABEL, IDC_RENDER_CLEARTYPE,
                                        IDC_RENDER_CLEARTYPE_VALUE};

}  // namespace

BOOL CCustomizeRendering::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  for (const auto& [id, items] :
       {std::pair{IDC_RENDER_ANTIALIAS, std::span<const uint16_t>(kAntialiasItems)},
        std::pair{IDC_RENDER_MODE, std::span<const uint16_t>(kModeItems)}})
    for (uint16_t item : items) {
      const std::wstring text = LoadResString(item);
      SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  for (const Slider& s : kSliders)
    SendDlgItemMessage(s.id, TBM_SETRANGE, FALSE, MAKELPARAM(0, s.positions));
  families_.Attach(GetDlgItem(IDC_CHECK_LIST), Rendering().fallback, kFamilyCapacity, DarkTheme());
  AddParentHook(families_.list);
  families_.Fill();
  families_.changed = [this] { Preview(); };
  for (int id : {IDC_RENDER_FALLBACK_ADD, IDC_RENDER_FALLBACK_REMOVE, IDC_CUST_RESET})
    EnableDlgItem(id, true);
  ShowControls();
  return TRUE;
}

void CCustomizeRendering::ShowControls() {
  filling_ = true;
  const RenderingControls c = Rendering().Controls();
  CheckDlgButton(IDC_RENDER_DIRECTWRITE, c.directWrite ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_RENDER_AUTOMATIC, c.automatic ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_RENDER_COLOR_FONTS, c.colorFonts ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_RENDER_FAST_DRAW_OFF, c.fastDrawOff ? BST_CHECKED : BST_UNCHECKED);
  SendDlgItemMessage(IDC_RENDER_ANTIALIAS, CB_SETCURSEL, static_cast<WPARAM>(c.antialiasItem));
  SendDlgItemMessage(IDC_RENDER_MODE, CB_SETCURSEL, static_cast<WPARAM>(c.modeItem));
  SendDlgItemMessage(IDC_RENDER_GAMMA, TBM_SETPOS, TRUE, c.gammaPos);
  SendDlgItemMessage(IDC_RENDER_CONTRAST, TBM_SETPOS, TRUE, c.contrastPos);
  SendDlgItemMessage(IDC_RENDER_CLEARTYPE, TBM_SETPOS, TRUE, c.levelPos);
  for (uint16_t id : kDirectWriteControls) EnableDlgItem(id, c.directWrite);
  for (uint16_t id : kManualControls) EnableDlgItem(id, c.directWrite && !c.automatic);
  ShowLabels();
  filling_ = false;
}

void CCustomizeRendering::ShowLabels() {
  for (const Slider& s : kSliders)
    SetStatic(m_hWnd, s.label,
              SliderLabel(static_cast<int>(SendDlgItemMessage(s.id, TBM_GETPOS)), s.positions,
                          s.maximum, s.decimals));
}

void CCustomizeRendering::ReadControls() {
  RenderingControls c;
  c.directWrite = IsDlgButtonChecked(IDC_RENDER_DIRECTWRITE);
  c.automatic = IsDlgButtonChecked(IDC_RENDER_AUTOMATIC);
  c.colorFonts = IsDlgButtonChecked(IDC_RENDER_COLOR_FONTS);
  c.fastDrawOff = IsDlgButtonChecked(IDC_RENDER_FAST_DRAW_OFF);
  c.antialiasItem = static_cast<int>(SendDlgItemMessage(IDC_RENDER_ANTIALIAS, CB_GETCURSEL));
  c.modeItem = static_cast<int>(SendDlgItemMessage(IDC_RENDER_MODE, CB_GETCURSEL));
  c.gammaPos = static_cast<int>(SendDlgItemMessage(IDC_RENDER_GAMMA, TBM_GETPOS));
  c.contrastPos = static_cast<int>(SendDlgItemMessage(IDC_RENDER_CONTRAST, TBM_GETPOS));
  c.levelPos = static_cast<int>(SendDlgItemMessage(IDC_RENDER_CLEARTYPE, TBM_GETPOS));
  Rendering().SetControls(c);
}

// The host shows the new values at once, while the store keeps the values as loaded.
void CCustomizeRendering::Preview() {
  HWND owner = ::GetWindow(Sheet(), GW_OWNER);
  if (!owner) return;
  RenderingModel& m = Rendering();
  SettingsStore& store = Settings();
  SettingsHandle h = store.OpenCommon(true);
  m.Save(store, h, Flags());
  store.CloseSettings(h);
  ::SendMessageW(owner, SCM_RENDERING, 1, reinterpret_cast<LPARAM>(&m.values));
  h = store.OpenCommon(true);
  m.WriteBack(store, h, Flags());
  store.CloseSettings(h);
  m.applied = true;
}

bool CCustomizeRendering::OnCommand(int id, int code, HWND control) {
  if (filling_) return true;
  switch (id) {
    case IDC_RENDER_DIRECTWRITE:
    case IDC_RENDER_AUTOMATIC:
    case IDC_RENDER_COLOR_FONTS:
    case IDC_RENDER_FAST_DRAW_OFF:
      if (code != BN_CLICKED) return true;
      break;
    case IDC_RENDER_ANTIALIAS:
    case IDC_RENDER_MODE:
      if (code != CBN_SELCHANGE) return true;
      break;
    case IDC_RENDER_FALLBACK_ADD: {
      if (code != BN_CLICKED) return true;
      CFontFamilyDlg dlg;
      if (dlg.DoModal(m_hWnd) != IDOK) return true;
      families_.Append(ToU(dlg.Family()));
      return true;
    }
    case IDC_RENDER_FALLBACK_REMOVE:
      if (code != BN_CLICKED) return true;
      families_.DeleteSelected();
      return true;
    case IDC_CUST_RESET:
      if (code != BN_CLICKED) return true;
      Rendering().Reset();
      families_.Fill();
      ShowControls();
      Preview();
      return true;
    default:
      return CCustomizePage::OnCommand(id, code, control);
  }
  ReadControls();
  ShowControls();
  Preview();
  return true;
}

bool CCustomizeRendering::OnNotify(int id, NMHDR& header, LRESULT& result) {
  return families_.OnNotify(header, result) || CCustomizePage::OnNotify(id, header, result);
}

bool CCustomizeRendering::OnApply() {
  ReadControls();
  return true;
}

bool CCustomizeRendering::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                               LRESULT& result) {
  if (msg == WM_HSCROLL && lParam && !filling_) {
    ShowLabels();
    // One preview per move: while a thumb is dragged, its end says where it stopped.
    if (LOWORD(wParam) != TB_THUMBTRACK) {
      ReadControls();
      Preview();
    }
    result = 0;
    return true;
  }
  return CCustomizePage::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
}

void CCustomizeRendering::OnLayout() {
  CCustomizePage::OnLayout();
  families_.Fit();
}

// --- Font family -----------------------------------------------------------------------------

BOOL CFontFamilyDlg::OnInitDialog() {
  std::set<std::wstring> names;
  LOGFONTW lf = {};
  lf.lfCharSet = DEFAULT_CHARSET;
  HDC dc = ::GetDC(m_hWnd);
  EnumFontFamiliesExW(
      dc, &lf,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM p) -> int {
        // Vertical variants ("@...") are not families of their own.
        if (font->lfFaceName[0] && font->lfFaceName[0] != L'@')
          reinterpret_cast<std::set<std::wstring>*>(p)->insert(font->lfFaceName);
        return 1;
      },
      reinterpret_cast<LPARAM>(&names), 0);
  ::ReleaseDC(m_hWnd, dc);
  HWND combo = GetDlgItem(IDC_FONT_FAMILY);
  ::SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
  for (const std::wstring& n : names)
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
  ::SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
  // Nothing is chosen yet: OK waits for a choice rather than doing nothing when pressed.
  ::EnableWindow(GetDlgItem(IDOK), FALSE);
  return TRUE;
}

bool CFontFamilyDlg::OnCommand(int id, int code, HWND control) {
  if (id != IDC_FONT_FAMILY || code != CBN_SELCHANGE)
    return CMyDialogImpl::OnCommand(id, code, control);
  ::EnableWindow(GetDlgItem(IDOK), SendDlgItemMessage(IDC_FONT_FAMILY, CB_GETCURSEL) >= 0);
  return true;
}

void CFontFamilyDlg::OnOK() {
  const auto item = SendDlgItemMessage(IDC_FONT_FAMILY, CB_GETCURSEL);
  if (item < 0) return;  // nothing chosen: the dialog stays
  wchar_t name[kFamilyCapacity] = {};
  const auto length = SendDlgItemMessage(IDC_FONT_FAMILY, CB_GETLBTEXTLEN, item);
  if (length <= 0 || length >= LRESULT(kFamilyCapacity)) return;
  SendDlgItemMessage(IDC_FONT_FAMILY, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(name));
  family_ = name;
  EndDialog(IDOK);
}

// --- History ---------------------------------------------------------------------------------

namespace {

// The recent lists are keys below the product key, or sections of the common file.
class WinHistoryRemover : public HistoryRemover {
 public:
  void RemoveRecentList(std::u16string_view name) override {
    const std::wstring w = ToW(name);
    if (Settings().IniMode()) {
      WritePrivateProfileStringW(w.c_str(), nullptr, nullptr, Module().commonIni.c_str());
      return;
    }
    const SettingsHandle root =
        Settings().OpenAppKey(u"Scrivlet v3", kNoProductKey | kOpenExisting);
    if (!root) return;
    RegDeleteKeyW(reinterpret_cast<HKEY>(root), w.c_str());
    Settings().CloseSettings(root);
  }
  void DeleteFilterData() override {
    DeleteFileW(GetBinFilePath(L"Common", nullptr, L"RecentFilterList").c_str());
  }
};

}  // namespace

BOOL CCustomizeHistoryPage::OnInitDialog() {
  CCustomizePage::OnInitDialog();
  HWND list = GetDlgItem(IDC_CHECK_LIST);
  folders_.Attach(list, Model().Extension<HistoryExtension>().folders, kFolderCapacity,
                  DarkTheme());
  AddParentHook(folders_.list);
  folders_.Fill();
  EnableDlgItem(IDC_HISTORY_CLEAR, true);
  return TRUE;
}

bool CCustomizeHistoryPage::OnCommand(int id, int code, HWND control) {
  if (id == IDC_HISTORY_CLEAR && code == BN_CLICKED) {
    ClearHistory();
    return true;
  }
  return CCustomizePage::OnCommand(id, code, control);
}

bool CCustomizeHistoryPage::OnNotify(int id, NMHDR& header, LRESULT& result) {
  return folders_.OnNotify(header, result) || CCustomizePage::OnNotify(id, header, result);
}

void CCustomizeHistoryPage::OnLayout() {
  CCustomizePage::OnLayout();
  folders_.Fit();
}

void CCustomizeHistoryPage::ClearHistory() {
  SettingsStore& store = Settings();
  const uint32_t remembered =
      store.ReadCommonDword(u"ClearHistoryFlags", kDefaultClearHistoryFlags);
  CClearHistoryDlg dlg(remembered);
  if (dlg.DoModal(::GetActiveWindow()) != IDOK) return;
  const uint32_t flags = dlg.Flags();
  const SettingsHandle h = store.OpenCommon(true);
  WinHistoryRemover remover;
  ClearHistories(store, h, flags, remover);
  // The choice is remembered only when a host hears of it.
  if (HWND host = HostMainWindow()) {
    store.WriteDword(h, u"ClearHistoryFlags", flags);
    store.CloseSettings(h);
    ::SendMessageW(host, SCM_CLEAR_HISTORY, 0, static_cast<LPARAM>(flags));
    return;
  }
  store.CloseSettings(h);
}

BOOL CClearHistoryDlg::OnInitDialog() {
  list_.options.checkBoxes = true;
  list_.ownCopy = true;
  list_.contextMenuId = 0;
  list_.darkTheme = IsDarkTheme();
  list_.SubclassWindow(GetDlgItem(IDC_CHECK_LIST));
  AddParentHook(list_);
  AddListColumn(list_.m_hWnd, 0, 0, FillColumnWidth(list_.m_hWnd, 0));
  for (size_t k = 0; k < kClearHistoryChoices; ++k) {
    std::wstring label = LoadResString(kClearHistoryLabels[k]);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(k);
    item.pszText = label.data();
    list_.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    list_.SetRowChecked(static_cast<int>(k), (flags_ >> k) & 1);
  }
  list_.SelectRows({0}, 0);
  list_.UpdateControls();
  EnableDlgItem(IDOK, Ticked() != 0);
  return TRUE;
}

uint32_t CClearHistoryDlg::Ticked() const {
  uint32_t flags = 0;
  for (size_t k = 0; k < kClearHistoryChoices; ++k)
    if (list_.IsRowChecked(static_cast<int>(k))) flags |= 1u << k;
  return flags;
}

void CClearHistoryDlg::OnOK() {
  flags_ = Ticked();
  if (!flags_) return;
  EndDialog(IDOK);
}

LRESULT CClearHistoryDlg::OnCheckList(UINT code, LPARAM) {
  if (code == kClSelectionChanged) EnableDlgItem(IDOK, Ticked() != 0);
  return 0;
}

bool CClearHistoryDlg::OnNotify(int, NMHDR& header, LRESULT&) {
  // Check marks change through the list view's own keys and clicks too.
  if (header.code == LVN_ITEMCHANGED && list_.m_hWnd) EnableDlgItem(IDOK, Ticked() != 0);
  return false;
}

}  // namespace scrv
