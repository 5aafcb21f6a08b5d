#pragma once
// The default of a menu, taken from its menu resource.

#include <cstdint>

#include "menus/menu_item.h"
#include "menus/menu_resources.h"

namespace scrv {

// Walks the menu resource of menu `index` into an item list: separators and commands as
// `DefaultLabel` items, sub-menus as popups whose command is the first command directly in
// them. With `takeSubMenu`, every menu but the main menu is the first sub-menu of its
// resource instead of the whole resource. With `labelsByReference`, commands, and popups that
// got a command, are left without text: their labels are looked up at display time. A
// resource that cannot be loaded gives an empty list.
MenuList LoadDefaultMenu(MenuResources& resources, uint32_t index, bool takeSubMenu,
                         bool labelsByReference);

// The default as the menus dialog shows it: sub-menu taken, labels by reference.
inline MenuList LoadShownDefault(MenuResources& resources, uint32_t index) {
  return LoadDefaultMenu(resources, index, true, true);
}
// The whole resource with every label, that label resolution looks commands and popups up in.
inline MenuList LoadReferenceMenu(MenuResources& resources, uint32_t index) {
  return LoadDefaultMenu(resources, index, false, false);
}

}  // namespace scrv
