#pragma once
// Every context or drop-down menu the library shows goes through TrackMenu, so that it takes
// the dialogs' theme.

#include <windows.h>

namespace scrv {

// TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr), with its result. In the dark theme the
// menu and its submenus are drawn dark while they are open: the items are owner-drawn for that
// time (text, accelerator text after a tab, check and radio marks, separators, disabled items)
// by a subclass of `owner`, which also finds the item of a typed mnemonic; afterwards every
// item and menu is as it was. In the light theme and in high contrast it is the system's menu.
int TrackMenu(HMENU menu, UINT flags, int x, int y, HWND owner);

}  // namespace scrv
