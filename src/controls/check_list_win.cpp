#include "controls/check_list_win.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "controls/clipboard_rows.h"
#include "controls/clipboard_win.h"
#include "controls/dpi_scale.h"
#include "controls/image_strip_win.h"
#include "controls/list_columns_win.h"
#include "controls/list_drag_win.h"
#include "controls/ole_object_win.h"
#include "frame/control_look_win.h"
#include "frame/dialog_appearance.h"
#include "frame/dialog_appearance_win.h"
#include "frame/dpi_win.h"
#include "frame/popup_menu_win.h"

namespace scrv {
namespace {

// List colours of the dark application theme (COLORREF, red in the low byte).
constexpr COLORREF kDarkListText = 0xE0FFFC;
constexpr COLORREF kDarkListBackground = 0x262D30;
constexpr int kCheckBoxImages = 2;  // the list view's own unchecked and checked images
constexpr UINT kMsgDpiChangedAfterParent = 0x02E3;

int HeaderColumnCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  int n = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  return std::max(n, 1);
}

std::wstring ItemText(HWND list, int row, int column) {
  std::wstring buf(256, L'\0');
  for (;;) {
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buf.data();
    item.cchTextMax = static_cast<int>(buf.size());
    int n = static_cast<int>(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                          reinterpret_cast<LPARAM>(&item)));
    if (n < static_cast<int>(buf.size()) - 1 || buf.size() >= (1u << 20)) {
      buf.resize(static_cast<size_t>(std::clamp(n, 0, static_cast<int>(buf.size()) - 1)));
      return buf;
    }
    buf.assign(buf.size() * 2, L'\0');
  }
}

// Everything of a row that the list view itself keeps.
struct ListRow {
  LVITEMW item = {};
  std::vector<std::wstring> texts;
};

ListRow ReadRow(HWND list, int row, int columns) {
  ListRow r;
  r.item.mask = LVIF_PARAM | LVIF_IMAGE | LVIF_INDENT | LVIF_STATE;
  r.item.iItem = row;
  r.item.stateMask = LVIS_STATEIMAGEMASK | LVIS_OVERLAYMASK;
  SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&r.item));
  for (int c = 0; c < columns; ++c) r.texts.push_back(ItemText(list, row, c));
  return r;
}

void WriteRow(HWND list, int row, ListRow& r) {
  r.item.iItem = row;
  r.item.iSubItem = 0;
  SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&r.item));
  for (size_t c = 0; c < r.texts.size(); ++c) {
    LVITEMW t = {};
    t.iSubItem = static_cast<int>(c);
    t.pszText = r.texts[c].data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&t));
  }
}

bool IsSeparator(HMENU menu, int pos) {
  MENUITEMINFOW mii = {sizeof mii};
  mii.fMask = MIIM_FTYPE;
  return GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mii) && (mii.fType & MFT_SEPARATOR);
}

// No separator at the start, the end, or next to another one (after items were removed).
void TidySeparators(HMENU menu) {
  bool previousSeparator = true;
  for (int i = 0; i < GetMenuItemCount(menu);) {
    bool separator = IsSeparator(menu, i);
    if (separator && previousSeparator) {
      DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
      continue;
    }
    previousSeparator = separator;
    ++i;
  }
  int last = GetMenuItemCount(menu) - 1;
  if (last >= 0 && IsSeparator(menu, last))
    DeleteMenu(menu, static_cast<UINT>(last), MF_BYPOSITION);
}

}  // namespace

CCheckList::~CCheckList() {
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    KillTimer(m_hWnd, kCheckListSelectionTimer);
    KillTimer(m_hWnd, kCheckListScrollTimer);
  }
}

bool CCheckList::SubclassWindow(HWND list) {
  if (!CSubclassedWindow::SubclassWindow(list)) return false;
  parentControls_.Attach(::GetParent(list), parentLookup);
  controlId = static_cast<UINT16>(GetDlgCtrlID(list));
  if (dpi == 0) dpi = WindowDpi(list);
  ApplyConfiguration();
  return true;
}

void CCheckList::ApplyConfiguration() {
  if (!m_hWnd) return;
  constexpr DWORD mask = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_CHECKBOXES;
  DWORD styles = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
  if (options.checkBoxes) styles |= LVS_EX_CHECKBOXES;
  SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, styles);
  ApplyColors();
  // An owner-data list asks for the check states of the rows it draws.
  if (OwnerData()) SendMessage(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK);
  // A list still empty and hidden is being set up: its dialog fills it and then updates the
  // controls (disabling them now would only have them enabled again a moment later).
  if (RowCount() > 0 || IsWindowVisible(m_hWnd)) UpdateControls();
}

void CCheckList::ApplyColors() {
  if (!m_hWnd) return;
  COLORREF back = darkTheme ? kDarkListBackground : GetSysColor(COLOR_WINDOW);
  COLORREF text = darkTheme ? kDarkListText : GetSysColor(COLOR_WINDOWTEXT);
  SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
  if (options.checkBoxes) RebuildStateImages();
  // A list not shown yet is painted in its new colours when it first appears.
  if (IsWindowVisible(m_hWnd)) InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CCheckList::RebuildStateImages() {
  auto list = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_STATE));
  HMODULE images = Module().imageModule;
  if (!list || !images) return;
  const bool system = HighContrastOn();
  if (darkTheme || system) {
    // The list view's own boxes would stay light (or, in high contrast, keep the theme's
    // colours): all four are drawn as the dialog's check boxes are, dimmed in a disabled list.
    ImageList_RemoveAll(list);
    const bool enabled = IsWindowEnabled(m_hWnd) != FALSE;
    const int scale = static_cast<int>(dpi ? dpi : 96);
    struct Box {
      BoxMark mark;
      bool enabled;
    };
    for (const Box& b : {Box{BoxMark::kNone, enabled}, Box{BoxMark::kChecked, enabled},
                         Box{BoxMark::kMixed, enabled}, Box{BoxMark::kChecked, false}}) {
      AddDrawnImage(list, [&](HDC dc, const RECT& cell) {
        const int size = std::min({MulDiv(13, scale, 96), static_cast<int>(cell.right),
                                   static_cast<int>(cell.bottom)});
        const RECT box = {(cell.right - size) / 2, (cell.bottom - size) / 2,
                          (cell.right - size) / 2 + size, (cell.bottom - size) / 2 + size};
        DrawCheckSquare(dc, box, b.mark, b.enabled, false, scale, system);
      });
    }
    drawnBoxes_ = true;
    return;
  }
  if (drawnBoxes_) {
    // Back from drawn boxes: the list view makes its own again when the style comes back, and
    // unchecks every row it keeps, which get their states back.
    drawnBoxes_ = false;
    std::vector<int> states;
    if (!OwnerData())
      for (int row = 0; row < RowCount(); ++row) states.push_back(RowStateImage(row));
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, 0);
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    for (int row = 0; row < static_cast<int>(states.size()); ++row)
      if (RowStateImage(row) != states[row]) SetRowStateImage(row, states[row]);
    list = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_STATE));
    if (!list) return;
  }
  for (int n = ImageList_GetImageCount(list); n > kCheckBoxImages; --n)
    ImageList_Remove(list, n - 1);
  for (int id : {IDB_STATE_PARTIAL, IDB_STATE_CHECKED_DIMMED}) AddStripImages(list, images, id);
}

// A burst of selection and check changes ends in one kClSelectionChanged a moment later.
void CCheckList::NoteStateChange() {
  if (!selectionTimer_)
    selectionTimer_ = SetTimer(m_hWnd, kCheckListSelectionTimer, 10, nullptr) != 0;
}

// An owner-data list keeps no check states: the rows it draws get theirs from the dialog, and
// a state the list view changes (a click on a check box, LVM_SETITEMSTATE) goes to the dialog.
void CCheckList::OnOwnerDataNotify(NMHDR* header) {
  if (header->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_STATEIMAGEMASK)) {
      item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                   INDEXTOSTATEIMAGEMASK(static_cast<UINT>(RowStateImage(item.iItem)) & 0xF);
    }
    return;
  }
  // A list view that reports check changes of its own (the click was toggled already).
  if (header->code != LVN_ITEMCHANGED || clicking_) return;
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
  if ((change->uChanged & LVIF_STATE) &&
      ((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK))
    SetOwnerDataStates(change->iItem, change->uNewState);
}

// A state image set on an owner-data list (by LVM_SETITEMSTATE or a change it reports): the
// row's, or every row's for -1.
void CCheckList::SetOwnerDataStates(int row, UINT state) {
  const int image = static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12);
  if (image == 0) return;
  if (row >= 0) {
    if (RowStateImage(row) != image) SetRowStateImage(row, image);
    return;
  }
  for (int r = 0, count = RowCount(); r < count; ++r)
    if (RowStateImage(r) != image) SetRowStateImage(r, image);
}

// A click on an owner-data row's check box: the list view keeps no check state to toggle, so
// the control toggles the dialog's, then lets the list view focus and select as usual.
bool CCheckList::OnOwnerDataClick(LPARAM lParam) {
  LVHITTESTINFO hit = {};
  hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 ||
      !(hit.flags & LVHT_ONITEMSTATEICON))
    return false;
  const int image = RowStateImage(hit.iItem);
  if (image == 1 || image == 2) SetRowStateImage(hit.iItem, 3 - image);
  return true;
}

bool CCheckList::OwnerData() const {
  return (GetWindowLongW(m_hWnd, GWL_STYLE) & LVS_OWNERDATA) != 0;
}

LRESULT CCheckList::Notify(WPARAM code, LPARAM lParam) const {
  HWND parent = Parent();
  return parent ? ::SendMessageW(parent, SLM_CHECKLIST, code, lParam) : 0;
}

int CCheckList::RowCount() const {
  return m_hWnd ? static_cast<int>(SendMessage(LVM_GETITEMCOUNT)) : 0;
}

std::vector<int> CCheckList::SelectedRows() const {
  std::vector<int> rows;
  if (!m_hWnd) return rows;
  int count = RowCount();
  for (int i = -1;;) {
    int next =
        static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED));
    if (next < 0 || next <= i || next >= count) break;
    rows.push_back(next);
    i = next;
  }
  return rows;
}

void CCheckList::SelectRows(const std::vector<int>& rows, int focusRow) {
  LVITEMW clear = {};
  clear.stateMask = LVIS_SELECTED;
  SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  for (int r : rows) {
    LVITEMW sel = {};
    sel.stateMask = LVIS_SELECTED;
    sel.state = LVIS_SELECTED;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&sel));
  }
  if (focusRow >= 0 && focusRow < RowCount()) {
    LVITEMW focus = {};
    focus.stateMask = LVIS_FOCUSED;
    focus.state = LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(focusRow), reinterpret_cast<LPARAM>(&focus));
    SendMessage(LVM_SETSELECTIONMARK, 0, focusRow);
    SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(focusRow), FALSE);
  }
}

int CCheckList::RowStateImage(int row) const {
  if (OwnerData()) {
    if (row < 0 || row >= RowCount()) return 0;
    return static_cast<int>(Notify(kClGetStateImage, static_cast<LPARAM>(row)));
  }
  auto state = static_cast<UINT>(
      SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12);
}

void CCheckList::SetRowStateImage(int row, int image) {
  if (OwnerData()) {
    if (row < 0 || row >= RowCount()) return;
    CheckListRowState state{row, image & 0xF};
    if (Notify(kClSetStateImage, reinterpret_cast<LPARAM>(&state)) <= 0) return;
    SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
    NoteStateChange();
    return;
  }
  LVITEMW item = {};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(image) & 0xF);
  SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool CCheckList::IsRowChecked(int row) const {
  return RowStateImage(row) == 2;
}

void CCheckList::SetRowChecked(int row, bool checked) {
  SetRowStateImage(row, checked ? 2 : 1);
}

CheckListSelection CCheckList::CurrentSelection() const {
  CheckListSelection s;
  if (!m_hWnd) return s;
  s.rowCount = RowCount();
  s.selectedCount = static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT));
  if (s.rowCount > 0) {
    s.firstRowSelected = SendMessage(LVM_GETITEMSTATE, 0, LVIS_SELECTED) & LVIS_SELECTED;
    s.lastRowSelected =
        SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(s.rowCount - 1), LVIS_SELECTED) &
        LVIS_SELECTED;
  }
  s.labelEditing = (GetWindowLongW(m_hWnd, GWL_STYLE) & LVS_EDITLABELS) != 0;
  return s;
}

bool CCheckList::IsCommandAvailable(UINT command) const {
  return CheckListCommandAvailable(command, options, CurrentSelection());
}

void CCheckList::RunCommand(UINT command) {
  if (!m_hWnd || !IsCommandAvailable(command)) return;
  switch (command) {
    case ID_CL_CUT:
      Notify(kClCut);
      break;
    case ID_CL_COPY:
      if (ownCopy)
        CopySelection();
      else
        Notify(kClCopy);
      break;
    case ID_CL_PASTE:
      if (ownPaste)
        PasteRows();
      else
        Notify(kClPaste);
      break;
    case ID_CL_SELECT_ALL: {
      LVITEMW all = {};
      all.stateMask = LVIS_SELECTED;
      all.state = LVIS_SELECTED;
      SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
      break;
    }
    case IDC_CL_MOVE_UP:
      MoveSelection(MoveDirection::kUp);
      break;
    case IDC_CL_MOVE_DOWN:
      MoveSelection(MoveDirection::kDown);
      break;
    case IDC_CL_MOVE_TOP:
      MoveSelection(MoveDirection::kTop);
      break;
    case IDC_CL_MOVE_BOTTOM:
      MoveSelection(MoveDirection::kBottom);
      break;
    case ID_CL_DELETE:
      Notify(kClDelete);
      break;
    case ID_CL_RENAME: {
      int row = static_cast<int>(
          SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED));
      if (row < 0)
        row =
            static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
      if (row >= 0) {
        ::SetFocus(m_hWnd);
        SendMessage(LVM_EDITLABELW, static_cast<WPARAM>(row));
      }
      break;
    }
    case ID_CL_ADD:
      Notify(kClAdd);
      break;
    case ID_CL_LOAD:
      Notify(kClLoad);
      break;
    case ID_CL_SAVE:
      Notify(kClSave);
      break;
    case kClToggleEach:
      Toggle(false);
      break;
    case kClToggleAsFirst:
      Toggle(true);
      break;
  }
  if (m_hWnd) UpdateControls();
}

void CCheckList::Toggle(bool asFirst) {
  std::vector<int> rows = SelectedRows();
  std::vector<bool> states;
  states.reserve(rows.size());
  for (int r : rows) states.push_back(IsRowChecked(r));
  std::vector<bool> next = asFirst ? ToggleAsFirst(states) : ToggleEach(states);
  for (size_t i = 0; i < rows.size(); ++i) SetRowChecked(rows[i], next[i]);
}

void CCheckList::SwapListRows(int first, int second) {
  // Callback texts follow the data through the swap callback; copying them would freeze them.
  int columns = textCallback ? 0 : HeaderColumnCount(m_hWnd);
  ListRow a = ReadRow(m_hWnd, first, columns);
  ListRow b = ReadRow(m_hWnd, second, columns);
  WriteRow(m_hWnd, first, b);
  WriteRow(m_hWnd, second, a);
}

void CCheckList::ApplyMove(const RowMove& move) {
  if (move.swaps.empty()) return;
  bool ownerData = OwnerData();
  SendMessage(WM_SETREDRAW, FALSE);
  for (const RowSwap& s : move.swaps) {
    if (swapCallback) swapCallback(s.first, s.second, swapContext);
    if (!ownerData) SwapListRows(s.first, s.second);
  }
  SendMessage(WM_SETREDRAW, TRUE);
  SelectRows(move.selection, move.visibleRow);
  InvalidateRect(m_hWnd, nullptr, TRUE);
  UpdateControls();
}

void CCheckList::MoveSelection(MoveDirection direction) {
  ApplyMove(MoveSelectedRows(RowCount(), SelectedRows(), direction));
}

void CCheckList::MoveSelectionTo(int target) {
  ApplyMove(MoveSelectedRowsTo(RowCount(), SelectedRows(), target));
}

void CCheckList::DropMove(void* context, int target) {
  static_cast<CCheckList*>(context)->MoveSelectionTo(target);
}

std::wstring CCheckList::RowText(int row) const {
  if (OwnerData()) {
    CheckListRowText request;
    request.row = row;
    return Notify(kClGetRowText, reinterpret_cast<LPARAM>(&request)) > 0 ? request.text
                                                                         : std::wstring();
  }
  int columns = HeaderColumnCount(m_hWnd);
  std::wstring text = ItemText(m_hWnd, row, 0);
  for (int c = 1; c < columns; ++c) text += L'\t' + ItemText(m_hWnd, row, c);
  return text;
}

bool CCheckList::CopySelection() {
  std::vector<int> rows = SelectedRows();
  if (rows.empty()) return false;
  std::vector<std::u16string> texts;
  texts.reserve(rows.size());
  for (int r : rows) texts.push_back(ToU(RowText(r)));
  return WriteClipboardText(m_hWnd, JoinClipboardRows(texts));
}

int CCheckList::PasteRows() {
  std::optional<std::u16string> text = ReadClipboardText(m_hWnd);
  if (!text) return 0;
  std::vector<int> selected = SelectedRows();
  int at = selected.empty() ? RowCount() : selected.back() + 1;
  std::vector<int> inserted;
  for (const std::u16string& line : SplitClipboardRows(*text)) {
    CheckListPastedRow row;
    row.row = at;
    row.text = ToW(line);
    if (Notify(kClInsertPastedRow, reinterpret_cast<LPARAM>(&row)) > 0) inserted.push_back(at++);
  }
  if (!inserted.empty()) SelectRows(inserted, inserted.back());
  UpdateControls();
  return static_cast<int>(inserted.size());
}

void CCheckList::UpdateControls() {
  HWND parent = m_hWnd ? Parent() : nullptr;
  if (!parent) return;
  int count = RowCount();
  std::vector<int> rows = SelectedRows();
  if (checkAllId) {
    if (HWND box = parentControls_[checkAllId]) {
      CheckAllView view = ComputeCheckAll(count, rows, [this](int r) { return IsRowChecked(r); });
      std::wstring caption = LoadResString(view.captionId);
      if (!caption.empty() && caption != GetWindowTextString(box))
        SetWindowTextW(box, caption.c_str());
      SetButtonCheck(box, static_cast<UINT>(view.state));
    }
  }
  std::optional<HWND> focus;  // asked for once, when a button is to be disabled
  auto enable = [&](UINT id, bool on) {
    HWND button = parentControls_[static_cast<int>(id)];
    if (!button || (IsWindowEnabled(button) != FALSE) == on) return;
    if (!on && !focus) focus = GetFocus();
    // A button that disables itself must not keep the focus: the keyboard would be lost.
    if (!on && *focus == button)
      ::SendMessageW(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWnd), TRUE);
    EnableWindow(button, on);
  };
  bool up = CanMoveUp(count, rows), down = CanMoveDown(count, rows);
  if (upDownButtons) {
    enable(IDC_CL_MOVE_UP, up);
    enable(IDC_CL_MOVE_DOWN, down);
  }
  if (topBottomButtons) {
    enable(IDC_CL_MOVE_TOP, up);
    enable(IDC_CL_MOVE_BOTTOM, down);
  }
}

void CCheckList::OnCheckAllClicked() {
  std::vector<int> rows = SelectedRows();
  int count = RowCount();
  CheckAllView shown = ComputeCheckAll(count, rows, [this](int r) { return IsRowChecked(r); });
  CheckAllClick click = ClickCheckAll(shown.state, rows.size());
  if (click.allRows) {
    for (int r = 0; r < count; ++r) SetRowChecked(r, click.check);
  } else {
    for (int r : rows) SetRowChecked(r, click.check);
  }
  UpdateControls();
}

HMENU CCheckList::BuildContextMenu() const {
  HMODULE module = Module().resourceModule;
  if (!contextMenuId || !module) return nullptr;
  HMENU bar = LoadMenuW(module, MAKEINTRESOURCEW(contextMenuId));
  if (!bar) return nullptr;
  HMENU popup = GetSubMenu(bar, 0);
  if (popup) RemoveMenu(bar, 0, MF_BYPOSITION);  // the popup now outlives the bar
  DestroyMenu(bar);
  if (!popup) return nullptr;
  CheckListSelection sel = CurrentSelection();
  HWND parent = Parent();
  for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
    if (IsSeparator(popup, i)) continue;
    UINT id = GetMenuItemID(popup, i);
    if (id == static_cast<UINT>(-1)) continue;  // a submenu
    if (id == ID_CL_SELECT_ALL && options.selectAllDisabled) {
      DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
      continue;
    }
    wchar_t buf[128] = {};
    GetMenuStringW(popup, static_cast<UINT>(i), buf, 128, MF_BYPOSITION);
    std::wstring label = buf;
    label = label.substr(0, label.find(L'\t'));
    // An item that mirrors a button of the dialog (the move commands) reads as the button
    // does, mnemonic included, so the two never disagree.
    if (HWND button = parent ? ::GetDlgItem(parent, static_cast<int>(id)) : nullptr) {
      std::wstring text = GetWindowTextString(button);
      if (!text.empty()) label = text;
    }
    std::u16string_view keys = CheckListAcceleratorText(id);
    if (!keys.empty()) label += L'\t' + ToW(keys);
    MENUITEMINFOW mii = {sizeof mii};
    mii.fMask = MIIM_STRING;
    mii.dwTypeData = label.data();
    SetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &mii);
    bool available = CheckListCommandAvailable(id, options, sel);
    EnableMenuItem(popup, static_cast<UINT>(i),
                   MF_BYPOSITION | (available ? MF_ENABLED : MF_GRAYED));
  }
  TidySeparators(popup);
  return popup;
}

void CCheckList::ShowContextMenu(LPARAM lParam) {
  POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1) {
    // From the keyboard: below the focused row.
    pt = {0, 0};
    int row = static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    RECT r = {};
    r.left = LVIR_LABEL;
    if (row >= 0 &&
        SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)))
      pt = {r.left, r.bottom};
    ClientToScreen(m_hWnd, &pt);
  }
  HMENU menu = BuildContextMenu();
  if (!menu) return;
  UINT command = static_cast<UINT>(
      TrackMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, m_hWnd));
  DestroyMenu(menu);
  if (command) RunCommand(command);
}

bool CCheckList::OnKeyDown(WPARAM key) {
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool alt = GetKeyState(VK_MENU) < 0;
  uint32_t command = CheckListCommandForKey(static_cast<uint16_t>(key), ctrl, shift, alt);
  if (!command) return false;
  // Without check boxes Space keeps its list view meaning (selecting the focused row).
  if ((command == kClToggleEach || command == kClToggleAsFirst) && !options.checkBoxes)
    return false;
  RunCommand(command);
  return true;
}

void CCheckList::BeginDrag() {
  if (!options.moving || !swapCallback || !swapContext || dragging_) return;
  if (SelectedRows().empty()) return;
  auto* target = new CDropTargetList(m_hWnd, DropMove, this);
  HRESULT registered = RegisterDragDrop(m_hWnd, target);
  auto* data = new CListDataObject(m_hWnd);
  auto* source = new CListDropSource();
  HWND list = m_hWnd;
  dragging_ = true;
  SetTimer(list, kCheckListScrollTimer, 100, nullptr);
  DWORD effect = DROPEFFECT_NONE;
  DoDragDrop(data, source, DROPEFFECT_MOVE, &effect);
  dragging_ = false;
  if (::IsWindow(list)) {
    KillTimer(list, kCheckListScrollTimer);
    if (SUCCEEDED(registered)) RevokeDragDrop(list);
    LVINSERTMARK none = {sizeof none, 0, -1, 0};
    ::SendMessageW(list, LVM_SETINSERTMARK, 0, reinterpret_cast<LPARAM>(&none));
  }
  data->Release();
  source->Release();
  target->Release();
}

void CCheckList::AutoScroll() {
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(m_hWnd, &pt);
  RECT client;
  GetClientRect(m_hWnd, &client);
  if (pt.x < client.left || pt.x >= client.right) return;
  int top = client.top;
  HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
  if (header && IsWindowVisible(header)) {
    RECT hr;
    GetWindowRect(header, &hr);
    top += hr.bottom - hr.top;
  }
  RECT item = {};
  item.left = LVIR_BOUNDS;
  int first = static_cast<int>(SendMessage(LVM_GETTOPINDEX));
  int height =
      SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(first), reinterpret_cast<LPARAM>(&item))
          ? item.bottom - item.top
          : 16;
  if (height <= 0) height = 16;
  if (pt.y < top + height)
    SendMessage(LVM_SCROLL, 0, -height);
  else if (pt.y >= client.bottom - height)
    SendMessage(LVM_SCROLL, 0, height);
}

void CCheckList::OnDpiChanged() {
  UINT now = WindowDpi(m_hWnd);
  if (now && dpi && now != dpi) {
    for (int c = 0; c < columnCount; ++c) {
      int width = static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c)));
      SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c),
                  MAKELPARAM(RescaleForDpi(width, now, dpi), 0));
    }
  }
  if (now) dpi = now;
  if (options.checkBoxes) RebuildStateImages();
}

// A disabled list shows its rows, the selected ones too, in the disabled text on the face.
bool CCheckList::DrawDisabledRow(NMLVCUSTOMDRAW& draw, LRESULT& result) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      result = CDRF_NOTIFYITEMDRAW;
      return true;
    case CDDS_ITEMPREPAINT:
      draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_FOCUS);
      draw.clrText = darkTheme ? kDarkDisabledTextColor : GetSysColor(COLOR_GRAYTEXT);
      draw.clrTextBk = darkTheme ? kDarkFaceColor : GetSysColor(COLOR_BTNFACE);
      result = CDRF_DODEFAULT;
      return true;
  }
  return false;
}

bool CCheckList::OnParentMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!m_hWnd) return false;
  switch (msg) {
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (!header || header->hwndFrom != m_hWnd || header->idFrom != controlId) return false;
      if (header->code == NM_CUSTOMDRAW && !IsWindowEnabled(m_hWnd))
        return DrawDisabledRow(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam), result);
      if (OwnerData()) OnOwnerDataNotify(header);
      if (header->code == LVN_BEGINDRAG && options.moving) {
        BeginDrag();
        result = 0;
        return true;
      }
      if (header->code == LVN_ITEMCHANGED) {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (change->uChanged & LVIF_STATE) NoteStateChange();
      }
      return false;
    }
    case WM_COMMAND: {
      UINT id = LOWORD(wParam);
      if (!lParam || HIWORD(wParam) != BN_CLICKED) return false;
      if (checkAllId && id == checkAllId) {
        OnCheckAllClicked();
        result = 0;
        return true;
      }
      // A dialog with several lists gives the move buttons to the one that has them.
      const bool mine = (id == IDC_CL_MOVE_UP || id == IDC_CL_MOVE_DOWN) ? upDownButtons
                        : (id == IDC_CL_MOVE_TOP || id == IDC_CL_MOVE_BOTTOM)
                            ? topBottomButtons
                            : id == ID_CL_SELECT_ALL;
      if (!mine) return false;
      RunCommand(id);
      result = 0;
      return true;
    }
  }
  return false;
}

bool CCheckList::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result) {
  switch (msg) {
    case WM_TIMER:
      if (wParam == kCheckListSelectionTimer) {
        KillTimer(m_hWnd, kCheckListSelectionTimer);
        selectionTimer_ = false;
        UpdateControls();
        Notify(kClSelectionChanged);
        result = 0;
        return true;
      }
      if (wParam == kCheckListScrollTimer) {
        if (dragging_) AutoScroll();
        result = 0;
        return true;
      }
      return false;
    case LVM_SETITEMSTATE:
      if (lParam && OwnerData()) {
        const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
        if (item->stateMask & LVIS_STATEIMAGEMASK)
          SetOwnerDataStates(static_cast<int>(wParam), item->state);
      }
      return false;
    case LVM_SETITEMW:
      if (lParam && OwnerData()) {
        const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
        if ((item->mask & LVIF_STATE) && item->iSubItem == 0 &&
            (item->stateMask & LVIS_STATEIMAGEMASK) && item->iItem >= 0)
          SetOwnerDataStates(item->iItem, item->state);
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!options.checkBoxes || !OwnerData() || !OnOwnerDataClick(lParam)) return false;
      clicking_ = true;
      result = DefWindowProc(msg, wParam, lParam);
      clicking_ = false;
      return true;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) {
        result = 0;
        return true;
      }
      return false;
    case WM_CHAR:
      // The characters of the keys handled above (Ctrl+letters, Space) would otherwise start
      // the list view's incremental search.
      if (wParam < 0x20 || (wParam == L' ' && options.checkBoxes)) {
        result = 0;
        return true;
      }
      return false;
    case WM_CONTEXTMENU:
      if (!contextMenuId) return false;
      ShowContextMenu(lParam);
      result = 0;
      return true;
    case WM_SIZE:
      // Resized, rescaled, or a scroll bar came or went: the last column fills the list again.
      // Fitting it may itself show or hide the horizontal scroll bar, hence the guard.
      result = DefWindowProc(msg, wParam, lParam);
      if (fillLastColumn && !fitting_) {
        fitting_ = true;
        FitLastColumn(m_hWnd);
        fitting_ = false;
      }
      return true;
    case WM_ENABLE:
      // Drawn boxes dim with the list (the list view's own ones stay as they are).
      if (options.checkBoxes && (darkTheme || HighContrastOn())) RebuildStateImages();
      return false;
    case kMsgDpiChangedAfterParent:
      result = DefWindowProc(msg, wParam, lParam);
      OnDpiChanged();
      return true;
    case WM_DESTROY:
      parentControls_.Attach(nullptr);
      // Only running timers are stopped: each call is a trip to the window server.
      if (selectionTimer_) KillTimer(m_hWnd, kCheckListSelectionTimer);
      if (dragging_) KillTimer(m_hWnd, kCheckListScrollTimer);
      selectionTimer_ = false;
      return false;
  }
  return false;
}

}  // namespace scrv
