#include "menus/menus_dlg.h"

#include <commctrl.h>

#include "controls/dialog_items_win.h"
#include "controls/list_columns_win.h"
#include "controls/clipboard_win.h"
#include "controls/list_drag_win.h"
#include "frame/export_guard_win.h"
#include "frame/host_windows_win.h"
#include "frame/key_names_win.h"
#include "frame/message_box_win.h"
#include "frame/popup_menu_win.h"
#include "frame/reason_text.h"
#include "base/text_win.h"
#include "menus/jump_list_win.h"
#include "menus/menu_prop_dlg.h"
#include "menus/menu_resources_win.h"
#include "menus/stored_plugin_labels.h"
#include "scrvdlgs_api.h"

namespace scrv {
namespace {

// The tree's keys and the commands they share with the context menu; the first key of a
// command is the shortcut the context menu shows.
struct TreeKey {
  UINT vk;
  bool ctrl;
  bool shift;
  int command;
};
constexpr TreeKey kTreeKeys[] = {
    {'X', true, false, ID_MENUS_CUT},
    {'C', true, false, ID_MENUS_COPY},
    {'V', true, false, ID_MENUS_PASTE},
    {'C', true, true, ID_MENUS_COPY_MENU},
    {VK_DELETE, false, true, ID_MENUS_DELETE_ALL},
    {'U', true, false, ID_MENUS_MOVE_UP},
    {'D', true, false, ID_MENUS_MOVE_DOWN},
    {'T', true, false, ID_MENUS_MOVE_TOP},
    {'B', true, false, ID_MENUS_MOVE_BOTTOM},
    {VK_DELETE, false, false, ID_MENUS_DELETE},
    {VK_F2, false, false, ID_MENUS_RENAME},
    {VK_INSERT, false, false, IDC_MENUS_INSERT_BEFORE},
};

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMs = 100;
// What the settings-changed broadcast after saving tells the host's windows.
constexpr WPARAM kMenusChangedMask = 0x800000;

bool KeyDown(int vk) {
  return (GetKeyState(vk) & 0x8000) != 0;
}

}  // namespace

CMenusDlg::CMenusDlg(int32_t start, MenuResources& resources, PlugInLabels* plugIns)
    : start_(start),
      resources_(resources),
      model_(resources, AppMenuRecordFiles(), plugIns, SameNameOrdinal),
      runDrag_([](IDataObject* data, IDropSource* source) {
        DWORD effect = DROPEFFECT_NONE;
        DoDragDrop(data, source, DROPEFFECT_MOVE, &effect);
      }) {}

HTREEITEM CMenusDlg::ItemOf(const MenuNode* node) const {
  auto it = items_.find(node);
  return it == items_.end() ? nullptr : it->second;
}

MenuNode* CMenusDlg::NodeOf(HTREEITEM item) const {
  if (!item) return nullptr;
  TVITEMW tvi = {};
  tvi.mask = TVIF_PARAM;
  tvi.hItem = item;
  if (!TreeView_GetItem(tree_, &tvi)) return nullptr;
  return reinterpret_cast<MenuNode*>(tvi.lParam);
}

MenuNode* CMenusDlg::Selected() const {
  return NodeOf(TreeView_GetSelection(tree_));
}

bool CMenusDlg::Editing() const {
  return TreeView_GetEditControl(tree_) != nullptr;
}

BOOL CMenusDlg::OnInitDialog() {
  tree_ = GetDlgItem(IDC_MENUS_TREE);
  model_.Load(Settings(), start_);
  if (DarkTheme()) {
    ControlColors dark = EditColors(true);
    TreeView_SetTextColor(tree_, dark.text);
    TreeView_SetBkColor(tree_, dark.background);
  }
  dropTarget_ = new CMenuDropTarget(tree_);
  dropRegistered_ = SUCCEEDED(RegisterDragDrop(tree_, dropTarget_));

  HWND list = GetDlgItem(IDC_MENUS_LIST);
  {
    ListFillScope fill(list);
    for (uint32_t i = 0; i < kMenuCount; ++i)
      ::SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(LoadResString(MenuNameStringId(i)).c_str()));
  }
  ::SendMessageW(list, LB_SETCURSEL, model_.Current(), 0);

  delayFormat_ = GetWindowTextString(GetDlgItem(IDC_MENUS_DELAY_TEXT));
  ::SendMessageW(GetDlgItem(IDC_MENUS_DELAY), TBM_SETRANGE, FALSE, MAKELPARAM(0, kDelaySliderMax));
  ::SendMessageW(GetDlgItem(IDC_MENUS_DELAY), TBM_SETTICFREQ, 2, 0);
  ::SendMessageW(GetDlgItem(IDC_MENUS_DELAY), TBM_SETPAGESIZE, 0, 10);
  FillTree(nullptr);
  return TRUE;
}

void CMenusDlg::InsertNodes(HTREEITEM parent, const std::vector<std::unique_ptr<MenuNode>>& nodes) {
  for (const auto& node : nodes) {
    TVINSERTSTRUCTW tvis = {};
    tvis.hParent = parent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_PARAM;
    tvis.item.pszText = LPSTR_TEXTCALLBACKW;
    tvis.item.cChildren = I_CHILDRENCALLBACK;
    tvis.item.lParam = reinterpret_cast<LPARAM>(node.get());
    HTREEITEM item = TreeView_InsertItem(tree_, &tvis);
    items_[node.get()] = item;
    // The children of a closed popup are inserted when it is first opened.
    if (node->expanded && !node->children.empty()) {
      InsertNodes(item, node->children);
      TreeView_Expand(tree_, item, TVE_EXPAND);
    }
  }
}

void CMenusDlg::FillTree(MenuNode* select) {
  // The node to select is shown, whatever popups it is in.
  for (MenuNode* n = select ? select->parent : nullptr; n; n = n->parent) n->expanded = true;
  refilling_ = true;
  const MenuNode* firstShown = NodeOf(TreeView_GetFirstVisible(tree_));
  ::SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(tree_);
  items_.clear();
  InsertNodes(TVI_ROOT, model_.Tree().TopLevel());
  if (HTREEITEM first = ItemOf(firstShown)) TreeView_Select(tree_, first, TVGN_FIRSTVISIBLE);
  HTREEITEM selected = ItemOf(select ? select : model_.Tree().FirstVisible());
  TreeView_SelectItem(tree_, selected);
  if (selected) TreeView_EnsureVisible(tree_, selected);
  ::SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  // A tree not shown yet is drawn whole when it first appears.
  if (IsWindowVisible(tree_)) InvalidateRect(tree_, nullptr, TRUE);
  refilling_ = false;
  UpdateButtons();
  ShowDelay();
}

void CMenusDlg::RefreshItem(const MenuNode* node) {
  TVITEMW tvi = {};
  tvi.mask = TVIF_TEXT | TVIF_CHILDREN;
  tvi.hItem = ItemOf(node);
  tvi.pszText = LPSTR_TEXTCALLBACKW;
  tvi.cChildren = I_CHILDRENCALLBACK;
  if (tvi.hItem) TreeView_SetItem(tree_, &tvi);
}

void CMenusDlg::UpdateButtons() {
  const MenuNode* s = Selected();
  const MenuTree& tree = model_.Tree();
  ::EnableWindow(GetDlgItem(IDC_MENUS_INSERT_BEFORE), s != nullptr);
  ::EnableWindow(GetDlgItem(IDC_MENUS_INSERT_INTO), s && s->IsPopup());
  ::EnableWindow(GetDlgItem(IDC_MENUS_PROPERTIES), s != nullptr);
  ::EnableWindow(GetDlgItem(IDC_MENUS_DELETE), s != nullptr);
  ::EnableWindow(GetDlgItem(IDC_MENUS_UP), s && tree.HasVisibleBefore(s));
  ::EnableWindow(GetDlgItem(IDC_MENUS_DOWN), s && tree.HasVisibleAfter(s));
}

void CMenusDlg::ShowDelay() {
  ::EnableWindow(GetDlgItem(IDC_MENUS_DELAY), IsUserMenu(model_.Current()));
  ::SendMessageW(GetDlgItem(IDC_MENUS_DELAY), TBM_SETPOS, TRUE, model_.DelaySliderPosition());
  SetControlText(GetDlgItem(IDC_MENUS_DELAY_TEXT),
                 ToW(FormatDelayText(ToU(delayFormat_), model_.Delay())));
}

void CMenusDlg::OnDelaySlider() {
  model_.SetDelayFromSlider(
      static_cast<uint32_t>(::SendMessageW(GetDlgItem(IDC_MENUS_DELAY), TBM_GETPOS, 0, 0)));
  ShowDelay();
}

void CMenusDlg::Insert(MenuInsert how) {
  std::optional<PendingMenuInsert> pending = model_.BeginInsert(how, Selected());
  if (!pending) return;
  CMenuPropDlg props(pending->item, model_.Current(), pending->item.IsPopup(), model_.Sources());
  if (props.DoModal(m_hWnd) != IDOK) return;
  if (MenuNode* node = model_.CommitInsert(*pending, props.Result())) FillTree(node);
}

void CMenusDlg::ShowProperties(MenuNode* node) {
  if (!node) return;
  CMenuPropDlg props(node->item, model_.Current(), node->IsPopup(), model_.Sources());
  if (props.DoModal(m_hWnd) != IDOK) return;
  model_.ReplaceItem(node, props.Result());
  FillTree(node);
}

void CMenusDlg::Remove() {
  if (MenuNode* node = Selected()) FillTree(model_.Remove(node));
}

void CMenusDlg::Move(MenuMove move) {
  MenuNode* node = Selected();
  if (!node) return;
  model_.Move(node, move);
  FillTree(node);  // a refused move may still have opened popups on its way
}

bool CMenusDlg::Copy() {
  const MenuNode* node = Selected();
  return node && WriteClipboardText(m_hWnd, model_.CopyText(node));
}

// Text that is not a run of item records, that names a command the editor does not know, that
// the main-menu rule would keep off the top level or that would nest too deep here, is refused
// as a whole and the user is told why.
void CMenusDlg::Paste() {
  std::optional<std::u16string> text = ReadClipboardText(m_hWnd);
  const MenuPasteRefusal refusal =
      text ? model_.CheckPaste(*text, Selected()) : MenuPasteRefusal{MenuPasteProblem::kNoItems};
  if (refusal.problem == MenuPasteProblem::kNeedsPopup ||
      refusal.problem == MenuPasteProblem::kTooDeep) {
    ShowMessage(m_hWnd,
                UiText::Res(refusal.problem == MenuPasteProblem::kTooDeep
                                ? IDS_MENUS_PASTE_TOO_DEEP
                                : IDS_MENUS_PASTE_NEEDS_POPUP),
                {}, MB_ICONINFORMATION);
    return;
  }
  if (refusal.problem == MenuPasteProblem::kNoItems) {
    ShowMessage(m_hWnd, UiText::Res(IDS_MENUS_PASTE_NO_ITEMS), {}, MB_ICONINFORMATION);
    return;
  }
  if (refusal.problem == MenuPasteProblem::kUnknownCommand) {
    ShowMessage(m_hWnd,
                UiText::Of(FillArguments(ToU(LoadResString(IDS_MENUS_PASTE_UNKNOWN_COMMAND)),
                                         {DecimalText(static_cast<int64_t>(refusal.line)),
                                          DecimalText(refusal.command)})),
                {}, MB_ICONINFORMATION);
    return;
  }
  if (MenuNode* first = model_.Paste(*text, Selected())) FillTree(first);
}

void CMenusDlg::RunCommand(int id) {
  switch (id) {
    case IDC_MENUS_INSERT_BEFORE:
      Insert(MenuInsert::kBefore);
      break;
    case IDC_MENUS_INSERT_AFTER:
      Insert(MenuInsert::kAfter);
      break;
    case IDC_MENUS_INSERT_INTO:
      Insert(MenuInsert::kInto);
      break;
    case IDC_MENUS_PROPERTIES:
      ShowProperties(Selected());
      break;
    case ID_MENUS_DELETE:
      Remove();
      break;
    case IDC_MENUS_UP:
    case ID_MENUS_MOVE_UP:
      Move(MenuMove::kUp);
      break;
    case IDC_MENUS_DOWN:
    case ID_MENUS_MOVE_DOWN:
      Move(MenuMove::kDown);
      break;
    case ID_MENUS_MOVE_TOP:
      Move(MenuMove::kTop);
      break;
    case ID_MENUS_MOVE_BOTTOM:
      Move(MenuMove::kBottom);
      break;
    case IDC_MENUS_RESET:
      model_.Reset();
      FillTree(nullptr);
      break;
    case ID_MENUS_CUT:
      if (Copy()) Remove();
      break;
    case ID_MENUS_COPY:
      Copy();
      break;
    case ID_MENUS_PASTE:
      Paste();
      break;
    case ID_MENUS_COPY_MENU:
      WriteClipboardText(m_hWnd, model_.CopyAllText());
      break;
    case ID_MENUS_DELETE_ALL:
      model_.RemoveAll();
      FillTree(nullptr);
      break;
    case ID_MENUS_RENAME:
      if (HTREEITEM item = TreeView_GetSelection(tree_)) TreeView_EditLabel(tree_, item);
      break;
  }
}

bool CMenusDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_MENUS_LIST:
      if (code == LBN_SELCHANGE) {
        const auto index = ::SendMessageW(GetDlgItem(IDC_MENUS_LIST), LB_GETCURSEL, 0, 0);
        if (index >= 0 && model_.SelectMenu(static_cast<uint32_t>(index))) FillTree(nullptr);
      }
      return true;
    case IDC_MENUS_INSERT_BEFORE:
    case IDC_MENUS_INSERT_AFTER:
    case IDC_MENUS_INSERT_INTO:
    case IDC_MENUS_PROPERTIES:
    case IDC_MENUS_UP:
    case IDC_MENUS_DOWN:
    case IDC_MENUS_RESET:
    case ID_MENUS_DELETE:
    case ID_MENUS_CUT:
    case ID_MENUS_COPY:
    case ID_MENUS_PASTE:
    case ID_MENUS_COPY_MENU:
    case ID_MENUS_DELETE_ALL:
    case ID_MENUS_MOVE_UP:
    case ID_MENUS_MOVE_DOWN:
    case ID_MENUS_MOVE_TOP:
    case ID_MENUS_MOVE_BOTTOM:
    case ID_MENUS_RENAME:
      if (code == BN_CLICKED) RunCommand(id);
      return true;
  }
  return CMyDialogImpl::OnCommand(id, code, control);
}

bool CMenusDlg::OnTreeKey(const NMTVKEYDOWN& key) {
  const bool ctrl = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT);
  if (KeyDown(VK_MENU)) return false;
  for (const TreeKey& k : kTreeKeys) {
    if (k.vk == key.wVKey && k.ctrl == ctrl && k.shift == shift) {
      RunCommand(k.command);
      return true;
    }
  }
  return false;
}

void CMenusDlg::OnTreeDoubleClick(LRESULT& result) {
  TVHITTESTINFO hit = {};
  GetCursorPos(&hit.pt);
  ScreenToClient(tree_, &hit.pt);
  MenuNode* node = NodeOf(TreeView_HitTest(tree_, &hit));
  if (!node || node->IsPopup()) return;  // popups open and close as usual
  TreeView_SelectItem(tree_, ItemOf(node));
  ShowProperties(node);
  result = TRUE;
}

bool CMenusDlg::OnNotify(int id, NMHDR& header, LRESULT& result) {
  if (id != IDC_MENUS_TREE) return false;
  switch (header.code) {
    case TVN_GETDISPINFOW: {
      auto& info = reinterpret_cast<NMTVDISPINFOW&>(header);
      const MenuNode* node = reinterpret_cast<const MenuNode*>(info.item.lParam);
      if (!node) return true;
      if (info.item.mask & TVIF_TEXT)
        CopyBounded(info.item.pszText, static_cast<size_t>(info.item.cchTextMax),
                    ToW(model_.Label(node)));
      if (info.item.mask & TVIF_CHILDREN) info.item.cChildren = node->IsPopup() ? 1 : 0;
      return true;
    }
    case TVN_SELCHANGEDW:
      if (!refilling_) UpdateButtons();
      return true;
    case TVN_ITEMEXPANDINGW: {
      auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
      const MenuNode* node = reinterpret_cast<const MenuNode*>(change.itemNew.lParam);
      if (node && (change.action & TVE_EXPAND) && !TreeView_GetChild(tree_, change.itemNew.hItem)) {
        ::SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
        InsertNodes(change.itemNew.hItem, node->children);
        ::SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
      }
      result = FALSE;
      return true;
    }
    case TVN_ITEMEXPANDEDW: {
      auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
      if (MenuNode* node = reinterpret_cast<MenuNode*>(change.itemNew.lParam))
        node->expanded = (change.action & TVE_EXPAND) != 0;
      if (!refilling_) UpdateButtons();
      return true;
    }
    case TVN_BEGINLABELEDITW:
      if (HWND edit = TreeView_GetEditControl(tree_))
        ::SendMessageW(edit, EM_LIMITTEXT, kMenuTextMax, 0);
      result = FALSE;
      return true;
    case TVN_ENDLABELEDITW: {
      auto& info = reinterpret_cast<NMTVDISPINFOW&>(header);
      MenuNode* node = reinterpret_cast<MenuNode*>(info.item.lParam);
      if (node && info.item.pszText && model_.Rename(node, ToU(info.item.pszText)))
        RefreshItem(node);
      result = FALSE;  // the label stays supplied on demand
      return true;
    }
    case TVN_KEYDOWN:
      result = OnTreeKey(reinterpret_cast<NMTVKEYDOWN&>(header)) ? TRUE : FALSE;
      return true;
    case TVN_BEGINDRAGW:
      StartDrag(reinterpret_cast<MenuNode*>(reinterpret_cast<NMTREEVIEWW&>(header).itemNew.lParam));
      return true;
    case NM_DBLCLK:
      OnTreeDoubleClick(result);
      return true;
    case NM_RCLICK: {
      // The context menu's commands act on the item that was right-clicked.
      TVHITTESTINFO hit = {};
      GetCursorPos(&hit.pt);
      ScreenToClient(tree_, &hit.pt);
      if (HTREEITEM item = TreeView_HitTest(tree_, &hit)) TreeView_SelectItem(tree_, item);
      ::SendMessageW(m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree_), GetMessagePos());
      result = TRUE;
      return true;
    }
  }
  return false;
}

void CMenusDlg::OnContextMenu(LPARAM lParam) {
  HMENU menu = LoadMenuW(Module().resourceModule, MAKEINTRESOURCEW(IDM_MENUS_TREE));
  if (!menu) return;
  HMENU popup = GetSubMenu(menu, 0);
  const MenuNode* s = Selected();
  const MenuTree& tree = model_.Tree();
  const int count = popup ? GetMenuItemCount(popup) : 0;
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (id == 0 || id == kSubMenuId) continue;
    bool enabled = true;
    switch (id) {
      case ID_MENUS_CUT:
      case ID_MENUS_COPY:
      case ID_MENUS_DELETE:
      case ID_MENUS_RENAME:
        enabled = s != nullptr;
        break;
      case ID_MENUS_MOVE_UP:
      case ID_MENUS_MOVE_TOP:
        enabled = s && tree.HasVisibleBefore(s);
        break;
      case ID_MENUS_MOVE_DOWN:
      case ID_MENUS_MOVE_BOTTOM:
        enabled = s && tree.HasVisibleAfter(s);
        break;
    }
    for (const TreeKey& k : kTreeKeys) {
      if (static_cast<UINT>(k.command) != id) continue;
      ACCEL accel = {static_cast<BYTE>(FVIRTKEY | (k.ctrl ? FCONTROL : 0) | (k.shift ? FSHIFT : 0)),
                     static_cast<WORD>(k.vk), 0};
      wchar_t keys[kAcceleratorTextCapacity] = {};
      FormatAccelerator(keys, accel);
      std::wstring text(kMenuTextCapacity, L'\0');
      text.resize(static_cast<size_t>(GetMenuStringW(popup, static_cast<UINT>(i), text.data(),
                                                     kMenuTextCapacity, MF_BYPOSITION)));
      text += L'\t';
      text += keys;
      ModifyMenuW(popup, static_cast<UINT>(i), MF_BYPOSITION | MF_STRING, id, text.c_str());
      break;
    }
    EnableMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  }

  POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (lParam == -1) {
    // From the keyboard: at the left of the tree, below the selected item.
    at = {8, 8};
    RECT r = {};
    if (HTREEITEM item = TreeView_GetSelection(tree_);
        item && TreeView_GetItemRect(tree_, item, &r, TRUE))
      at.y = r.bottom;
    ClientToScreen(tree_, &at);
  }
  const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  if (popup) TrackMenu(popup, align | TPM_RIGHTBUTTON, at.x, at.y, m_hWnd);
  DestroyMenu(menu);
}

void CMenusDlg::StartDrag(MenuNode* node) {
  if (!node || dragged_) return;
  dragged_ = node;
  auto* data = new CListDataObject(tree_);
  auto* source = new CListDropSource();
  runDrag_(data, source);
  data->Release();
  source->Release();
  EndDragFeedback();
  dragged_ = nullptr;
}

void CMenusDlg::OnDragOver(DWORD* effect) {
  if (!effect) return;
  if (!dragged_ || !dropTarget_) {
    *effect = DROPEFFECT_NONE;
    return;
  }
  POINT pt = dropTarget_->LastPoint();
  ScreenToClient(tree_, &pt);
  const int height = TreeView_GetItemHeight(tree_);
  TVHITTESTINFO hit = {};
  hit.pt = pt;
  HTREEITEM item = TreeView_HitTest(tree_, &hit);
  int offset = 0;
  HTREEITEM above = nullptr;
  if (item) {
    RECT r = {};
    TreeView_GetItemRect(tree_, item, &r, FALSE);
    offset = pt.y - r.top;
  } else {
    TVHITTESTINFO higher = {};
    higher.pt = {pt.x, pt.y - height};
    above = TreeView_HitTest(tree_, &higher);
  }
  drop_ = DecideMenuDrop(model_.Tree(), dragged_, NodeOf(item), offset, height, NodeOf(above));
  if (!drop_.target || !drop_.allowed) {
    *effect = DROPEFFECT_NONE;
    return;
  }
  const HTREEITEM target = ItemOf(drop_.target);
  if (drop_.place == MenuPlace::kInto) {
    TreeView_SelectDropTarget(tree_, target);
    TreeView_SetInsertMark(tree_, nullptr, FALSE);
  } else {
    TreeView_SetInsertMark(tree_, target, drop_.place == MenuPlace::kAfter);
    TreeView_SelectDropTarget(tree_, nullptr);
  }
  *effect = DROPEFFECT_MOVE;
  if (!scrolling_) scrolling_ = SetTimer(m_hWnd, kAutoScrollTimer, kAutoScrollMs, nullptr) != 0;
}

void CMenusDlg::EndDragFeedback() {
  if (scrolling_) KillTimer(m_hWnd, kAutoScrollTimer);
  scrolling_ = false;
  TreeView_SetInsertMark(tree_, nullptr, FALSE);
  TreeView_SelectDropTarget(tree_, nullptr);
}

LRESULT CMenusDlg::OnDrop() {
  EndDragFeedback();
  MenuDropTarget drop = drop_;
  drop_ = {};
  if (!dragged_ || !drop.target || !drop.allowed) return 0;
  if (!model_.Drop(dragged_, drop.target, drop.place)) return 0;
  FillTree(dragged_);
  return 1;
}

void CMenusDlg::OnAutoScroll() {
  POINT pt = {};
  GetCursorPos(&pt);
  ScreenToClient(tree_, &pt);
  RECT client = {};
  GetClientRect(tree_, &client);
  const int vertical = AutoScrollLines(pt.y, client.bottom);
  const int horizontal = AutoScrollLines(pt.x, client.right);
  for (int i = 0; i < (vertical < 0 ? -vertical : vertical); ++i)
    ::SendMessageW(tree_, WM_VSCROLL, vertical < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  for (int i = 0; i < (horizontal < 0 ? -horizontal : horizontal); ++i)
    ::SendMessageW(tree_, WM_HSCROLL, horizontal < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
}

bool CMenusDlg::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                     LRESULT& result) {
  if (CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result)) return true;
  switch (msg) {
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) != tree_) return false;
      OnContextMenu(lParam);
      result = 0;
      return true;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(IDC_MENUS_DELAY)) return false;
      switch (LOWORD(wParam)) {
        case TB_THUMBTRACK:
        case TB_THUMBPOSITION:
        case TB_ENDTRACK:
          OnDelaySlider();
          break;
      }
      result = 0;
      return true;
    case WM_TIMER:
      if (wParam != kAutoScrollTimer) return false;
      OnAutoScroll();
      result = 0;
      return true;
    case SLM_MENU_TREE_DRAGOVER:
      OnDragOver(reinterpret_cast<DWORD*>(lParam));
      result = 0;
      return true;
    case SLM_MENU_TREE_DROP:
      result = OnDrop();
      return true;
    case SLM_MENU_TREE_DRAGLEAVE:
      EndDragFeedback();
      drop_ = {};
      result = 0;
      return true;
    case WM_DESTROY:
      EndDragFeedback();
      if (dropRegistered_) RevokeDragDrop(tree_);
      dropRegistered_ = false;
      if (dropTarget_) dropTarget_->Release();
      dropTarget_ = nullptr;
      return false;
  }
  return false;
}

void CMenusDlg::OnOK() {
  if (Editing()) {
    TreeView_EndEditLabelNow(tree_, FALSE);
    return;
  }
  model_.Save(Settings());
  RebuildAppJumpList(resources_);
  SendChangesToMainWindows(kMenusChangedMask);
  EndDialog(IDOK);
}

void CMenusDlg::OnCancel() {
  if (Editing()) {
    TreeView_EndEditLabelNow(tree_, TRUE);
    return;
  }
  EndDialog(IDCANCEL);
}

}  // namespace scrv

extern "C" int DoMenu(HWND owner, int32_t start) {
  return scrv::GuardExport(-1, [&] {
    scrv::CModuleMenuResources resources;
    const scrv::MenuRecordFiles records = scrv::AppMenuRecordFiles();
    scrv::StoredPlugInLabels plugIns(records.binPath, *records.files);
    scrv::CMenusDlg dlg(start, resources, &plugIns);
    return static_cast<int>(dlg.DoModal(owner));
  });
}
