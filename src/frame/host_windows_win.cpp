#include "frame/host_windows_win.h"

#include <cwchar>

#include "scrvdlgs_api.h"

namespace scrv {

std::vector<HWND> HostMainWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (wcscmp(cls, kHostMainWindowClass) == 0)
          reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool SendToMainWindows(UINT msg, WPARAM wParam, LPARAM lParam, bool stopAtNonzero) {
  bool any = false;
  for (HWND w : HostMainWindows()) {
    if (SendMessageW(w, msg, wParam, lParam) == 0) continue;
    any = true;
    if (stopAtNonzero) break;
  }
  return any;
}

}  // namespace scrv
