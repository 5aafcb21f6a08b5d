#pragma once
// The host's main windows (top-level windows of class "ScrivletMainFrame3"; several may exist)
// and messages sent to all of them.

#include <windows.h>

#include <vector>

namespace scrv {

std::vector<HWND> HostMainWindows();

// Sends `msg` to every main window in turn; with `stopAtNonzero` the first nonzero answer ends
// the round. Returns whether any window answered nonzero.
bool SendToMainWindows(UINT msg, WPARAM wParam, LPARAM lParam, bool stopAtNonzero);

}  // namespace scrv
