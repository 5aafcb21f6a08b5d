// One keystroke in the open Customize sheet under Wine, windows included: the text of the
// search box set (the page list filled anew, the marks of the page shown sent to it) and the
// sheet repainted, for several queries against an empty query, interleaved, in the same run.
// Run by hand under Wine (it writes the sheet's last page and placement, as closing it does):
//   scripts/wine-run build/win64/bin/search_sheet_bench.exe [rounds]

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "controls_ids.h"
#include "scrvdlgs_api.h"

namespace {

constexpr UINT kRunWhenShown = WM_APP + 1;
HWND g_runner = nullptr;
HHOOK g_activate = nullptr;
int g_rounds = 100;

void Keystroke(HWND sheet, const wchar_t* text) {
  SetDlgItemTextW(sheet, IDC_NAV_SEARCH, text);
  RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Measure(HWND sheet) {
  const wchar_t* queries[] = {L"e", L"tab", L"width", L"show encoding", L"@modified", L"zzzz"};
  std::printf("%-16s %12s %12s %8s %10s\n", "query", "median ms", "empty ms", "ratio", "max ms");
  for (const wchar_t* q : queries) {
    std::vector<double> ours, empty;
    for (int i = 0; i < g_rounds; ++i) {
      double a = Now();
      Keystroke(sheet, q);
      double b = Now();
      Keystroke(sheet, L"");
      double c = Now();
      ours.push_back(b - a);
      empty.push_back(c - b);
    }
    const std::wstring name(q);
    std::printf("%-16s %12.3f %12.3f %8.2f %10.3f\n", std::string(name.begin(), name.end()).c_str(),
                Median(ours) * 1e3, Median(empty) * 1e3, Median(ours) / Median(empty),
                *std::max_element(ours.begin(), ours.end()) * 1e3);
    std::fflush(stdout);
  }
}

LRESULT CALLBACK RunnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kRunWhenShown) {
    auto sheet = reinterpret_cast<HWND>(wParam);
    Measure(sheet);
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
  if ((code == HCBT_ACTIVATE || code == HCBT_SETFOCUS) && g_runner) {
    HWND window = GetAncestor(reinterpret_cast<HWND>(wParam), GA_ROOT);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (wcscmp(cls, L"#32770") == 0 && GetDlgItem(window, IDC_NAV_SEARCH)) {
      PostMessageW(g_runner, kRunWhenShown, reinterpret_cast<WPARAM>(window), 0);
      g_runner = nullptr;  // once
    }
  }
  return CallNextHookEx(g_activate, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  g_rounds = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 100;
  InitCommonControls();
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring bin = path;
  bin.resize(bin.rfind(L'\\') + 1);
  HMODULE lib = LoadLibraryW((bin + L"scrvdlgs.dll").c_str());
  auto doCustomize = lib ? reinterpret_cast<decltype(&DoCustomize)>(
                               reinterpret_cast<void*>(GetProcAddress(lib, "DoCustomize")))
                         : nullptr;
  if (!doCustomize) {
    std::fprintf(stderr, "cannot load scrvdlgs.dll\n");
    return 1;
  }
  WNDCLASSW wc = {};
  wc.lpfnWndProc = RunnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ScrivletSearchBenchRunner";
  RegisterClassW(&wc);
  g_runner = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             wc.hInstance, nullptr);
  g_activate = SetWindowsHookExW(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
  uint32_t restart = 0;
  doCustomize(nullptr, 9, &restart, -1, 0, 0);  // on the Tab page
  UnhookWindowsHookEx(g_activate);
  return 0;
}
