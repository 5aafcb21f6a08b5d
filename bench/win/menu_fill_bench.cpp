// Opening the menus dialog on a main menu of 2,000 items: DoMenu opened and cancelled as soon as
// it has been shown and painted, against the same on the default main menu and against the
// platform running the bare template 101, interleaved; and how many items the tree holds once
// open (drawing is off while it is filled, and the children of closed popups are put into it
// only when they are opened). Run by hand under Wine:
//   scripts/wine-run build/win64/bin/menu_fill_bench.exe [rounds]
// The 2,000-item menu is stored in the user's record of the main menu for the run and removed
// afterwards.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/module_state_win.h"
#include "frame/dllmain_win.h"
#include "menus/menu_set.h"
#include "menus/menu_storage.h"
#include "menus_ids.h"
#include "scrvdlgs_api.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"

namespace {

constexpr UINT kCloseWhenPainted = WM_APP + 1;
HWND g_closer = nullptr;
HHOOK g_activate = nullptr;
int g_treeItems = 0;  // items in the tree when the dialog was closed

LRESULT CALLBACK CloserProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kCloseWhenPainted) {
    auto dlg = reinterpret_cast<HWND>(wParam);
    if (HWND tree = GetDlgItem(dlg, IDC_MENUS_TREE))
      g_treeItems = static_cast<int>(TreeView_GetCount(tree));
    RedrawWindow(dlg, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    wchar_t cls[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 16);
    if (wcscmp(cls, L"#32770") == 0) PostMessageW(g_closer, kCloseWhenPainted, wParam, 0);
  }
  return CallNextHookEx(g_activate, code, wParam, lParam);
}

INT_PTR CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) return EndDialog(hwnd, IDCANCEL);
  return FALSE;
}

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Twenty popups of 99 commands each, plus the popups: 2,000 items.
scrv::MenuList LongMenu() {
  scrv::MenuList list;
  for (int p = 0; p < 20; ++p) {
    list.push_back({u"Popup " + std::u16string(1, static_cast<char16_t>(u'A' + p)), u"", 0, 0,
                    scrv::MenuKind::kPopup});
    for (int c = 0; c < 99; ++c)
      list.push_back({u"", u"", static_cast<uint16_t>(4096 + c), 1, scrv::MenuKind::kCommandName});
  }
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 30;
  InitCommonControls();
  OleInitialize(nullptr);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // This program's own copy of the settings layer names the same record file as the library.
  scrv::ModuleAttach(instance);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring bin = path;
  bin.resize(bin.rfind(L'\\') + 1);
  HMODULE lib = LoadLibraryW((bin + L"scrvdlgs.dll").c_str());
  HMODULE loc = LoadLibraryExW((bin + L"mui\\1033\\scrvloc.dll").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto doMenu = lib ? reinterpret_cast<decltype(&DoMenu)>(
                          reinterpret_cast<void*>(GetProcAddress(lib, "DoMenu")))
                    : nullptr;
  if (!doMenu || !loc) {
    std::fprintf(stderr, "cannot load scrvdlgs.dll or mui\\1033\\scrvloc.dll\n");
    return 1;
  }
  WNDCLASSW wc = {};
  wc.lpfnWndProc = CloserProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"ScrivletMenuBenchCloser";
  RegisterClassW(&wc);
  g_closer = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             instance, nullptr);
  g_activate = SetWindowsHookExW(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());

  scrv::Win32FileStore files;
  const scrv::MenuRecordFiles records{scrv::AppRecordPath, &files};
  auto open = [&] { doMenu(nullptr, 0); };
  auto bare = [&] { DialogBoxParamW(loc, MAKEINTRESOURCEW(IDD_MENUS), nullptr, BareProc, 0); };

  // The long menu's record stays for the first series, then goes for the default one.
  scrv::SaveMenu(scrv::kMainMenu, LongMenu(), false, records);
  open();
  const int inserted = g_treeItems;

  auto series = [&](auto ours) {
    for (int i = 0; i < 2; ++i) ours(), bare();
    std::vector<double> ratio, oursT;
    for (int i = 0; i < rounds; ++i) {
      double t0 = Now();
      i % 2 ? bare() : ours();
      double t1 = Now();
      i % 2 ? ours() : bare();
      double t2 = Now();
      double o = i % 2 ? t2 - t1 : t1 - t0, b = i % 2 ? t1 - t0 : t2 - t1;
      oursT.push_back(o);
      ratio.push_back(o / b);
    }
    return std::make_pair(Median(oursT) * 1000, Median(ratio));
  };
  auto longMenu = series(open);
  scrv::SaveMenu(scrv::kMainMenu, {}, true, records);
  auto defaultMenu = series(open);

  std::printf(
      "DoMenu, 2,000-item main menu: median %.2f ms, ratio to bare template 101 %.3f, "
      "items put into the tree %d\n",
      longMenu.first, longMenu.second, inserted);
  std::printf("DoMenu, default main menu:    median %.2f ms, ratio to bare template 101 %.3f\n",
              defaultMenu.first, defaultMenu.second);
  UnhookWindowsHookEx(g_activate);
  scrv::ModuleDetach();
  OleUninitialize();
  return 0;
}
