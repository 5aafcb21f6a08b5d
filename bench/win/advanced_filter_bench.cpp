// Opening the advanced filter on a long condition list: the export opened on 10,000 conditions
// and closed at once, as a ratio against the same on an empty list and against the platform
// running the bare template. Run by hand under Wine:
//   scripts/wine-run build/win64/bin/advanced_filter_bench.exe

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "tools/filter_block.h"
#include "tools/filter_condition.h"
#include "scrvdlgs_api.h"

namespace {

using DoAdvancedFilterFn = decltype(&DoAdvancedFilterDlg);
constexpr int kRounds = 7;
constexpr size_t kLongList = 10000;

HHOOK g_hook = nullptr;

// Closes each dialog as soon as it is first activated: its initialisation and first show are
// what is measured.
LRESULT CALLBACK CloseOnActivate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND w = reinterpret_cast<HWND>(wParam);
    wchar_t cls[16] = {};
    GetClassNameW(w, cls, 16);
    if (wcscmp(cls, L"#32770") == 0) PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

INT_PTR CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(hwnd, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

// The median of kRounds runs, after one run that warms the caches up.
template <typename F>
double Median(F run) {
  run();
  std::vector<double> times;
  for (int i = 0; i < kRounds; ++i) {
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    run();
    QueryPerformanceCounter(&b);
    times.push_back(Seconds(a, b));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

HGLOBAL MakeBlock(size_t count) {
  std::vector<scrv::FilterCondition> conditions(count);
  for (size_t i = 0; i < count; ++i) {
    std::string n = std::to_string(i);
    conditions[i].text = u"condition " + std::u16string(n.begin(), n.end());
    conditions[i].flags = scrv::filter_flag::kEnabled | (i % 3 ? scrv::filter_flag::kCase : 0);
    conditions[i].column = static_cast<int32_t>(i % 4) - 1;
  }
  if (count == 0) return nullptr;
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, scrv::FilterBlockSize(count));
  if (!h) return nullptr;
  scrv::WriteFilterBlock(conditions, static_cast<uint8_t*>(GlobalLock(h)));
  GlobalUnlock(h);
  return h;
}

}  // namespace

int main() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L'\\') + 1);
  HMODULE lib = LoadLibraryW((folder + L"scrvdlgs.dll").c_str());
  HMODULE loc = LoadLibraryExW((folder + L"mui\\1033\\scrvloc.dll").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto fn = lib ? reinterpret_cast<DoAdvancedFilterFn>(
                      reinterpret_cast<void*>(GetProcAddress(lib, "DoAdvancedFilterDlg")))
                : nullptr;
  if (!fn || !loc) {
    std::printf("cannot load the library or its localisation module\n");
    return 1;
  }
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
  g_hook = SetWindowsHookExW(WH_CBT, CloseOnActivate, nullptr, GetCurrentThreadId());

  HGLOBAL empty = nullptr;
  HGLOBAL full = MakeBlock(kLongList);
  if (!full) {
    std::printf("cannot allocate the %zu-condition block\n", kLongList);
    return 1;
  }
  int result = 0;
  const double bare = Median(
      [&] { DialogBoxParamW(loc, MAKEINTRESOURCEW(IDD_ADVANCED_FILTER), owner, BareProc, 0); });
  const double none = Median([&] { result = fn(owner, nullptr, &empty, 1); });
  const double many = Median([&] { result |= fn(owner, nullptr, &full, 1); });

  UnhookWindowsHookEx(g_hook);
  GlobalFree(full);
  DestroyWindow(owner);
  std::printf("bare template             %8.2f ms\n", bare * 1e3);
  std::printf("export, empty list        %8.2f ms  (%.2f x the bare template)\n", none * 1e3,
              none / bare);
  std::printf("export, %zu conditions %8.2f ms  (%.2f x the empty list)\n", kLongList, many * 1e3,
              many / none);
  std::printf("results %d (2 expected)\n", result);
  return result == 2 ? 0 : 1;
}
