#pragma once
// The fourteen customisable menus, addressed by a menu index 0 to 13: the index fixes the
// menu's name (used in settings names), its default menu resource, its settings record and the
// command categories its items are taken from.

#include <cstdint>
#include <string>
#include <string_view>

namespace scrv {

constexpr uint32_t kMenuCount = 14;
constexpr uint32_t kMainMenu = 0;
constexpr uint32_t kTrayMenu1 = 2;
constexpr uint32_t kTrayMenu2 = 3;
constexpr uint32_t kTabMenu = 4;
constexpr uint32_t kFirstUserMenu = 5;
constexpr uint32_t kLastUserMenu = 12;
constexpr uint32_t kJumpListMenu = 13;

// The name of a menu ("MainMenu", "UserMenu3", ...); empty past the last menu.
std::u16string_view MenuName(uint32_t index);
// The menu resource its default is loaded from (the user menus 2 to 8 share one).
uint32_t DefaultMenuResource(uint32_t index);
// The string that names the menu to the user.
uint32_t MenuNameStringId(uint32_t index);
// The settings record the menu is kept in.
uint32_t MenuRecordNumber(uint32_t index);

// Only the user menus carry a delay.
constexpr bool IsUserMenu(uint32_t index) {
  return index >= kFirstUserMenu && index <= kLastUserMenu;
}
// The DWORD in "Common" that holds a user menu's delay in milliseconds: "Delay-UserMenu1" ...
std::u16string DelayValueName(uint32_t index);
constexpr uint32_t kDefaultMenuDelay = 1000;

// Every menu but the main menu is stored inside one more popup, so its items can stand one
// level less deep.
uint8_t MaxMenuLevel(uint32_t index);

}  // namespace scrv
