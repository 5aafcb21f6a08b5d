#pragma once
// The host's main windows (top-level windows of class "ScrivletMainFrame3"; several may exist,
// also in other processes of the host) and messages sent to all of them.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace scrv {

bool IsHostMainWindow(HWND hwnd);

// The main windows in enumeration order.
std::vector<HWND> HostMainWindows();

// Sends `msg` to every main window in turn; with `stopAtNonzero` the first nonzero answer ends
// the round. Returns whether any window answered nonzero.
bool SendToMainWindows(UINT msg, WPARAM wParam, LPARAM lParam, bool stopAtNonzero = false);

// SCM_SETTINGS_CHANGED with a change mask (low 32 bits in wParam, high 32 bits in lParam) to
// every main window; nothing when the mask is empty.
void SendChangesToMainWindows(uint64_t changes, bool stopAtNonzero = false);

}  // namespace scrv
