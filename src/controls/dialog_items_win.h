#pragma once
// A dialog's controls without needless trips to the window server. Every lookup of a control
// by identifier walks the dialog's children, so DialogItems looks each one up once. Every
// BM_SETCHECK on a radio button rewrites its style, even when the state stays, and checking an
// automatic radio button makes the button walk the whole dialog to clear the rest of its
// group: SetButtonCheck sets a state only where it changes, and CheckRadio clears a group
// itself.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace scrv {

// A dialog's controls by identifier, each looked up when first asked for.
class DialogItems {
 public:
  // Forgets what was looked up in another dialog. `lookup`, when given, is the dialog's own
  // look-up of its controls (one that keeps what it found), asked instead of the window server.
  void Attach(HWND dialog, std::function<HWND(int)> lookup = {});
  // The control, or null when the dialog has none.
  HWND operator[](int id);

 private:
  HWND dialog_ = nullptr;
  std::function<HWND(int)> lookup_;
  std::vector<std::pair<int, HWND>> items_;
};

// Sets a control's text when it differs from the one shown (each change is a trip to the
// server and a repaint).
void SetControlText(HWND control, const std::wstring& text);

// After a control of `dialog` was disabled: when it held the focus, the focus goes to
// `preferred` (when that can take it) or else to the next control that can, so that the keys
// keep working without a click. `pressed`, when given, is the button whose command this is: a
// box it asked closes and gives the focus back to it later, so it counts as holding the focus
// while the dialog has none.
void KeepFocusUsable(HWND dialog, HWND preferred, HWND pressed = nullptr);

bool IsButtonChecked(HWND button);
// Sets `button`'s check state when it differs from the one shown. A radio button is checked
// alone: CheckRadio clears its group too.
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
