#pragma once
// Check states of a dialog's buttons set without needless trips to the window server. Every
// BM_SETCHECK on a radio button rewrites its style, even when the state stays; checking an
// automatic radio button also makes the button walk the whole dialog to clear the rest of its
// group. These set a state only where it changes, and clear a radio group themselves.

#include <windows.h>

#include <initializer_list>

namespace scrv {

// Sets `button`'s check state when it differs from the one shown.
// A radio button is checked alone: CheckRadio clears its group too.
void SetButtonCheck(HWND button, UINT state);
inline void SetButtonChecked(HWND button, bool checked) {
  SetButtonCheck(button, checked ? BST_CHECKED : BST_UNCHECKED);
}
// Checks `checked` (one of `group`, or null for none) and clears the others of `group`: the
// radio buttons of one group.
void CheckRadio(const HWND* group, size_t count, HWND checked);
inline void CheckRadio(std::initializer_list<HWND> group, HWND checked) {
  CheckRadio(group.begin(), group.size(), checked);
}

}  // namespace scrv
