#include "host_menu_demos.h"

#include <commctrl.h>

#include "menus_ids.h"
#include "scrvdlgs_api.h"

namespace {

HTREEITEM Child(HWND tree, HTREEITEM parent, int index) {
  HTREEITEM item = TreeView_GetChild(tree, parent);
  while (item && index-- > 0) item = TreeView_GetNextSibling(tree, item);
  return item;
}

HTREEITEM Root(HWND tree, int index) {
  HTREEITEM item = TreeView_GetRoot(tree);
  while (item && index-- > 0) item = TreeView_GetNextSibling(tree, item);
  return item;
}

// The main menu's Edit popup, opened.
HTREEITEM OpenEdit(HWND tree) {
  HTREEITEM edit = Root(tree, 1);
  if (edit) TreeView_Expand(tree, edit, TVE_EXPAND);
  return edit;
}

void ShowProperties(HWND dlg, HTREEITEM item) {
  HWND tree = GetDlgItem(dlg, IDC_MENUS_TREE);
  if (!item) return;
  TreeView_SelectItem(tree, item);
  // Posted: the properties dialog runs its own modal loop over the menus dialog.
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MENUS_PROPERTIES, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_MENUS_PROPERTIES)));
}

}  // namespace

std::wstring OpenMainMenuDemo(HWND owner) {
  return L"returned " + std::to_wstring(DoMenu(owner, 0));
}

std::wstring OpenUserMenuDemo(HWND owner) {
  return L"returned " + std::to_wstring(DoMenu(owner, 5));
}

void PrepareMainMenuDemo(HWND dlg) {
  HWND tree = GetDlgItem(dlg, IDC_MENUS_TREE);
  HTREEITEM edit = OpenEdit(tree);
  // Edit's Convert popup is its thirteenth position (after its separators and two popups).
  for (HTREEITEM item = TreeView_GetChild(tree, edit); item;
       item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[64] = {};
    TVITEMW tvi = {};
    tvi.mask = TVIF_TEXT;
    tvi.hItem = item;
    tvi.pszText = text;
    tvi.cchTextMax = 64;
    TreeView_GetItem(tree, &tvi);
    if (wcscmp(text, L"C&onvert") == 0) {
      TreeView_Expand(tree, item, TVE_EXPAND);
      TreeView_SelectItem(tree, Child(tree, item, 1));
      SetFocus(tree);
      return;
    }
  }
}

void PrepareCommandPropertiesDemo(HWND dlg) {
  HWND tree = GetDlgItem(dlg, IDC_MENUS_TREE);
  ShowProperties(dlg, Child(tree, OpenEdit(tree), 4));  // Copy
}

void PreparePopupPropertiesDemo(HWND dlg) {
  ShowProperties(dlg, OpenEdit(GetDlgItem(dlg, IDC_MENUS_TREE)));
}

void PrepareUnlabelledPropertiesDemo(HWND dlg) {
  PrepareCommandPropertiesDemo(dlg);
  // The properties dialog opens from the posted command; a thread timer finds it once it shows.
  static HWND s_menus;
  s_menus = dlg;
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND props = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM found) -> BOOL {
          if (GetWindow(w, GW_OWNER) != s_menus || !IsWindowVisible(w)) return TRUE;
          *reinterpret_cast<HWND*>(found) = w;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&props));
    if (!props) return;
    KillTimer(nullptr, id);
    SetDlgItemTextW(props, IDC_MPROP_LABEL, L"");
    SendMessageW(props, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
}

void PreparePasteOfNoItemsDemo(HWND dlg) {
  constexpr wchar_t kText[] = L"Just a sentence, not a menu item.";
  if (OpenClipboard(dlg)) {
    EmptyClipboard();
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof kText)) {
      memcpy(GlobalLock(block), kText, sizeof kText);
      GlobalUnlock(block);
      if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
  }
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(ID_MENUS_PASTE, 0), 0);
}

INT_PTR BareMenusDialog(HWND owner) {
  static HMODULE loc = [] {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring bin = path;
    bin.resize(bin.rfind(L'\\') + 1);
    return LoadLibraryExW((bin + L"mui\\1033\\scrvloc.dll").c_str(), nullptr,
                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }();
  return DialogBoxParamW(
      loc, MAKEINTRESOURCEW(IDD_MENUS), owner,
      [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) -> INT_PTR {
        if (msg == WM_INITDIALOG) return TRUE;
        if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) return EndDialog(hwnd, IDCANCEL);
        return FALSE;
      },
      0);
}
