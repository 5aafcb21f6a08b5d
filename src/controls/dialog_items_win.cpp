#include "controls/dialog_items_win.h"

#include "base/text_win.h"

namespace scrv {

void DialogItems::Attach(HWND dialog, std::function<HWND(int)> lookup) {
  dialog_ = dialog;
  lookup_ = dialog ? std::move(lookup) : nullptr;
  items_.clear();
}

HWND DialogItems::operator[](int id) {
  for (const auto& [known, control] : items_)
    if (known == id) return control;
  HWND control = lookup_ ? lookup_(id) : dialog_ ? ::GetDlgItem(dialog_, id) : nullptr;
  items_.emplace_back(id, control);
  return control;
}

void SetControlText(HWND control, const std::wstring& text) {
  if (control && GetWindowTextString(control) != text) ::SetWindowTextW(control, text.c_str());
}

void KeepFocusUsable(HWND dialog, HWND preferred, HWND pressed) {
  HWND focus = ::GetFocus();
  if (!focus || !::IsChild(dialog, focus)) focus = pressed;
  if (!focus || ::IsWindowEnabled(focus) || !::IsChild(dialog, focus)) return;
  auto usable = [](HWND w) { return w && ::IsWindowEnabled(w) && ::IsWindowVisible(w); };
  HWND next = usable(preferred) ? preferred : ::GetNextDlgTabItem(dialog, focus, FALSE);
  if (usable(next)) ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

bool IsButtonChecked(HWND button) {
  return button && ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetButtonCheck(HWND button, UINT state) {
  if (!button || ::SendMessageW(button, BM_GETCHECK, 0, 0) == static_cast<LRESULT>(state)) return;
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  if (state != BST_CHECKED || (style & BS_TYPEMASK) != BS_AUTORADIOBUTTON) {
    ::SendMessageW(button, BM_SETCHECK, state, 0);
    return;
  }
  // Checked as a plain radio button for the moment, which leaves the group alone.
  SetWindowLongPtrW(button, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_RADIOBUTTON);
  ::SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
  SetWindowLongPtrW(button, GWL_STYLE,
                    (GetWindowLongPtrW(button, GWL_STYLE) & ~BS_TYPEMASK) | BS_AUTORADIOBUTTON);
}

void CheckRadio(const HWND* group, size_t count, HWND checked) {
  for (size_t i = 0; i < count; ++i)
    if (group[i] && group[i] != checked && IsButtonChecked(group[i]))
      ::SendMessageW(group[i], BM_SETCHECK, BST_UNCHECKED, 0);
  SetButtonCheck(checked, static_cast<UINT>(BST_CHECKED));
}

}  // namespace scrv
