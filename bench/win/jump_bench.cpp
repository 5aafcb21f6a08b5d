// How much the jump dialog adds to the platform's own cost of a dialog: DoJump of the built
// library against a bare DialogBoxParamW of the same template (from the same localisation
// module) whose procedure does nothing. When their modal loop first goes idle both are painted
// whole and closed, so each run creates, shows, paints and destroys the dialog once. Runs are
// interleaved so that drift in the machine's load hits both sides alike; the figure is the median
// of the per-pair ratios.
//
//   scripts/wine-run build/win64/bin/jump_bench.exe [pairs]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frame/wide_string_list.h"
#include "jump_ids.h"
#include "scrvdlgs_api.h"

namespace {

using DoJumpFn = decltype(&DoJump);

HWND g_closing = nullptr;

// The owner: closes each dialog when its modal loop first has nothing to do.
LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
    HWND dlg = reinterpret_cast<HWND>(lParam);
    if (dlg && dlg != g_closing) {
      g_closing = dlg;
      // Shown means painted: the frame, the background and every control.
      RedrawWindow(dlg, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

INT_PTR CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(hwnd, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.rfind(L'\\') + 1);
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
  return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int pairs = argc > 1 ? std::atoi(argv[1]) : 200;
  if (pairs < 1) pairs = 200;
  std::wstring bin = ExeFolder();
  HMODULE lib = LoadLibraryW((bin + L"scrvdlgs.dll").c_str());
  HMODULE loc = LoadLibraryExW((bin + L"mui\\1033\\scrvloc.dll").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto doJump =
      lib ? reinterpret_cast<DoJumpFn>(reinterpret_cast<void*>(GetProcAddress(lib, "DoJump")))
          : nullptr;
  if (!doJump || !loc) {
    std::fprintf(stderr,
                 "cannot load scrvdlgs.dll or mui\\1033\\scrvloc.dll from the bin folder\n");
    return 1;
  }

  WNDCLASSW wc = {};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ScrivletBenchOwner";
  RegisterClassW(&wc);
  HWND owner = CreateWindowExW(0, wc.lpszClassName, L"bench", WS_OVERLAPPEDWINDOW, 100, 100, 800,
                               600, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(owner, SW_SHOWNOACTIVATE);

  scrv::WideStringListBuilder units({u"Logical lines", u"Display lines", u"Paragraphs", u"Pages"});
  auto runJump = [&] {
    uint32_t line = 119, column = 7;
    int32_t unit = 1;
    return doJump(owner, &line, &column, &unit, units.Descriptor(), 0);
  };
  auto runBare = [&] {
    return DialogBoxParamW(loc, MAKEINTRESOURCEW(IDD_JUMP), owner, BareProc, 0);
  };

  for (int i = 0; i < 5; ++i) runJump(), runBare();  // warm caches, fonts, the registry key

  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  std::vector<double> jump, bare, ratio;
  for (int i = 0; i < pairs; ++i) {
    LARGE_INTEGER t0, t1, t2;
    double j = 0, b = 0;
    if (i % 2 == 0) {
      QueryPerformanceCounter(&t0);
      int r = runJump();
      QueryPerformanceCounter(&t1);
      INT_PTR rb = runBare();
      QueryPerformanceCounter(&t2);
      if (r != -1 || rb != IDCANCEL) return 2;
      j = Seconds(t0, t1, freq);
      b = Seconds(t1, t2, freq);
    } else {
      QueryPerformanceCounter(&t0);
      INT_PTR rb = runBare();
      QueryPerformanceCounter(&t1);
      int r = runJump();
      QueryPerformanceCounter(&t2);
      if (r != -1 || rb != IDCANCEL) return 2;
      b = Seconds(t0, t1, freq);
      j = Seconds(t1, t2, freq);
    }
    jump.push_back(j);
    bare.push_back(b);
    ratio.push_back(j / b);
  }
  DestroyWindow(owner);
  std::printf(
      "pairs %d: DoJump median %.3f ms, bare DialogBoxParamW median %.3f ms, "
      "median ratio %.3f\n",
      pairs, Median(jump) * 1000, Median(bare) * 1000, Median(ratio));
  return 0;
}
