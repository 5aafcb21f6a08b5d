#include "frame/host_windows_win.h"

#include <string_view>

#include "scrvdlgs_api.h"

namespace scrv {

bool IsHostMainWindow(HWND hwnd) {
  wchar_t name[64] = {};
  return hwnd && GetClassNameW(hwnd, name, 64) && std::wstring_view(name) == kHostMainWindowClass;
}

std::vector<HWND> HostMainWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        if (IsHostMainWindow(w)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
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

void SendChangesToMainWindows(uint64_t changes, bool stopAtNonzero) {
  if (!changes) return;
  SendToMainWindows(SCM_SETTINGS_CHANGED, static_cast<WPARAM>(changes & 0xFFFFFFFF),
                    static_cast<LPARAM>(changes >> 32), stopAtNonzero);
}

}  // namespace scrv
