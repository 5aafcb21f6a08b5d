#include "controls/button_check_win.h"

namespace scrv {
namespace {

bool IsChecked(HWND button) {
  return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

void SetButtonCheck(HWND button, UINT state) {
  if (!button || ::SendMessageW(button, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(state)) return;
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  if (state != BST_CHECKED || (style & BS_TYPEMASK) != BS_AUTORADIOBUTTON) {
    ::SendMessageW(button, BM_SETCHECK, state, 0);
    return;
  }
  // Checked as a plain radio button for the moment: the caller clears the group (CheckRadio).
  SetWindowLongPtrW(button, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_RADIOBUTTON);
  ::SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
  SetWindowLongPtrW(button, GWL_STYLE,
                    (GetWindowLongPtrW(button, GWL_STYLE) & ~BS_TYPEMASK) | BS_AUTORADIOBUTTON);
}

void CheckRadio(const HWND* group, size_t count, HWND checked) {
  for (size_t i = 0; i < count; ++i)
    if (group[i] && group[i] != checked && IsChecked(group[i]))
      ::SendMessageW(group[i], BM_SETCHECK, BST_UNCHECKED, 0);
  SetButtonCheck(checked, static_cast<UINT>(BST_CHECKED));
}

}  // namespace scrv
