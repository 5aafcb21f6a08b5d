#include "host_customize_demos.h"

#include <commctrl.h>

#include <iterator>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "scrvdlgs_api.h"

namespace {

// The page templates in sheet order.
constexpr int kPages[] = {
    IDD_CUST_FILE,         IDD_CUST_EDIT,       IDD_CUST_SORT,          IDD_CUST_SEARCH,
    IDD_CUST_HISTORY,      IDD_CUST_VIEW,       IDD_CUST_RENDERING,     IDD_CUST_WINDOW,
    IDD_CUST_WORKSPACE,    IDD_CUST_TAB,        IDD_CUST_MOUSE,         IDD_CUST_STATUS,
    IDD_CUST_SHORTCUT,     IDD_CUST_MARKS,      IDD_CUST_FORMAT,        IDD_CUST_OUTLINE,
    IDD_CUST_ADVANCED,     IDD_CUST_CSV,        IDD_CUST_ACTIVE_STRING, IDD_CUST_SYNC,
    IDD_CUST_OPTIMIZATION, IDD_CUST_VALIDATION, IDD_CUST_LANGUAGE};

std::wstring OpenOn(HWND owner, int page) {
  uint32_t restart = 0;
  uint32_t r = DoCustomize(owner, page, &restart, -1, 0, 0);
  return L"returned " + std::to_wstring(r) + L", restart notice " + std::to_wstring(restart);
}

// Types a search into the sheet's page list.
std::function<void(HWND)> Search(const wchar_t* words) {
  return [words](HWND sheet) { SetDlgItemTextW(sheet, IDC_NAV_SEARCH, words); };
}

HWND CurrentPage(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// The comma and the tab formats selected together: their differing fields shown as such.
void SelectTwoFormats(HWND sheet) {
  HWND list = GetDlgItem(CurrentPage(sheet), IDC_CSV_FORMATS);
  for (int row : {0, 1}) {
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
}

// The gamma slider moved: the host is shown the new value while the store keeps the old.
void PreviewGamma(HWND sheet) {
  HWND page = CurrentPage(sheet);
  SendDlgItemMessageW(page, IDC_RENDER_AUTOMATIC, BM_CLICK, 0, 0);
  HWND gamma = GetDlgItem(page, IDC_RENDER_GAMMA);
  SendMessageW(gamma, TBM_SETPOS, TRUE, 25);
  SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(gamma));
}

}  // namespace

static INT_PTR CALLBACK TrivialPageProc(HWND, UINT msg, WPARAM, LPARAM) {
  return msg == WM_INITDIALOG;
}

INT_PTR BarePropertySheet(HWND owner, const int* templates, size_t count, int startPage,
                          const wchar_t* caption) {
  static HMODULE loc = [] {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring bin = path;
    bin.resize(bin.rfind(L'\\') + 1);
    return LoadLibraryExW((bin + L"mui\\1033\\scrvloc.dll").c_str(), nullptr,
                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }();
  std::vector<HPROPSHEETPAGE> pages(count);
  for (size_t i = 0; i < count; ++i) {
    PROPSHEETPAGEW p = {};
    p.dwSize = sizeof p;
    p.dwFlags = PSP_HASHELP;
    p.hInstance = loc;
    p.pszTemplate = MAKEINTRESOURCEW(templates[i]);
    p.pfnDlgProc = TrivialPageProc;
    pages[i] = CreatePropertySheetPageW(&p);
  }
  PROPSHEETHEADERW h = {};
  h.dwSize = sizeof h;
  h.dwFlags = PSH_NOAPPLYNOW | PSH_HASHELP;
  h.hwndParent = owner;
  h.hInstance = loc;
  h.pszCaption = caption;
  h.nPages = static_cast<UINT>(count);
  h.nStartPage = static_cast<UINT>(startPage);
  h.phpage = pages.data();
  return PropertySheetW(&h);
}

namespace {

// The platform's property sheet over the same templates, opened on the same page, with pages
// that do nothing.
INT_PTR BareCustomize(HWND owner, int startPage) {
  return BarePropertySheet(owner, kPages, std::size(kPages), startPage, L"Customize");
}

DemoEntry OnPage(const wchar_t* title, int page, std::function<void(HWND)> prepare = nullptr) {
  return {title,
          L"DoCustomize",
          kPages[page],
          [page](HWND owner) { return OpenOn(owner, page); },
          std::move(prepare),
          [page](HWND owner) { return BareCustomize(owner, page); }};
}

// The page list's context menu, opened from the keyboard over the selected page. The sheet
// under it is walked as "Customize: File"; the benchmark measures it there.
DemoEntry PageListMenu() {
  DemoEntry e = OnPage(L"Customize: the page list's menu", 0, [](HWND sheet) {
    HWND titles = GetDlgItem(sheet, IDC_NAV_TITLES);
    SetFocus(titles);
    PostMessageW(sheet, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(titles), -1);
  });
  e.measured = false;
  e.walked = false;
  return e;
}

// A dialog a page opens from one of its buttons, shown over the sheet: the benchmark, which
// measures the sheet, leaves it out.
DemoEntry FromPage(const wchar_t* title, int page, int templateId, int button) {
  return {title,
          L"DoCustomize",
          templateId,
          [page](HWND owner) { return OpenOn(owner, page); },
          [button](HWND sheet) {
            // Posted: the dialog runs its own modal loop over the sheet.
            HWND p = CurrentPage(sheet);
            PostMessageW(p, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(p, button)));
          },
          nullptr,
          false};
}

// The Tab page's icon box changed, then its context menu opened from the keyboard: "Reset to
// default (...)" with the default as the box shows it. The shot takes the menu in; the menu
// closes after it.
DemoEntry ResetMenu() {
  DemoEntry e = OnPage(L"Customize: a setting's menu, its default shown", 9, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    HWND icon = GetDlgItem(page, IDC_TAB_ICON);
    SendMessageW(icon, BM_CLICK, 0, 0);
    SetFocus(icon);
    PostMessageW(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(icon), -1);
  });
  e.area = [](HWND sheet) {
    RECT r = {};
    GetWindowRect(sheet, &r);
    HWND menu = FindWindowW(L"#32768", nullptr);
    RECT m = {};
    if (menu && IsWindowVisible(menu) && GetWindowRect(menu, &m)) UnionRect(&r, &r, &m);
    EndMenu();
    return r;
  };
  return e;
}

}  // namespace

std::vector<DemoEntry> CustomizeDemoEntries() {
  std::vector<DemoEntry> entries = {
      OnPage(L"Customize: File", 0),
      OnPage(L"Customize: searching \"tab width\"", 9, Search(L"tab width")),
      OnPage(L"Customize: searching \"encoding\"", 0, Search(L"encoding")),
      OnPage(L"Customize: searching \"width\", every match marked", 9, Search(L"width")),
      OnPage(L"Customize: a search that finds nothing", 9, Search(L"no such setting")),
      OnPage(L"Customize: @modified, a changed setting marked", 9,
             [](HWND sheet) {
               HWND page = CurrentPage(sheet);
               SendMessageW(GetDlgItem(page, IDC_TAB_ICON), BM_CLICK, 0, 0);
               SetDlgItemTextW(sheet, IDC_NAV_SEARCH, L"@modified");
             }),
      ResetMenu(),
      OnPage(L"Customize: CSV, two formats selected", 17, SelectTwoFormats),
      OnPage(L"Customize: Text Rendering, previewing", 6, PreviewGamma),
      PageListMenu(),
      FromPage(L"Customize: History, Clear History", 4, IDD_CLEAR_HISTORY, IDC_HISTORY_CLEAR),
      OnPage(L"Customize: History, a limit beyond what the setting holds (refused)", 4,
             [](HWND sheet) {
               HWND files = GetDlgItem(CurrentPage(sheet), IDC_HISTORY_FILES);
               SetWindowTextW(files, L"99999");
               SendMessageW(sheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(files), TRUE);
             }),
      FromPage(L"Customize: Text Rendering, adding a fallback font", 6, IDD_FONT_FAMILY,
               IDC_RENDER_FALLBACK_ADD),
  };
  static const wchar_t* const kTitles[] = {
      L"Customize: Edit",     L"Customize: Sort",         L"Customize: Search",
      L"Customize: History",  L"Customize: View",         L"Customize: Text Rendering",
      L"Customize: Window",   L"Customize: Workspace",    L"Customize: Tab",
      L"Customize: Mouse",    L"Customize: Status Bar",   L"Customize: Shortcut",
      L"Customize: Marks",    L"Customize: Format",       L"Customize: Outline",
      L"Customize: Advanced", L"Customize: CSV",          L"Customize: Active String",
      L"Customize: Sync",     L"Customize: Optimization", L"Customize: Validation",
      L"Customize: Language"};
  for (int page = 1; page < static_cast<int>(std::size(kPages)); ++page)
    entries.push_back(OnPage(kTitles[page - 1], page));
  return entries;
}
