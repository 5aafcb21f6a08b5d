#pragma once
// Drop-down lists that open as wide as their longest entry.

#include <windows.h>

namespace scrv {

// Sets the width of the combo box's list (CB_SETDROPPEDWIDTH) to its widest entry in the
// control's font, with room for the scroll bar when the entries do not all show; never
// narrower than the box. Called on CBN_DROPDOWN.
void WidenDropDownToItems(HWND combo);

}  // namespace scrv
