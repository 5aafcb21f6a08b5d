#include "menus/menu_item.h"

namespace scrv {

int FindCommand(const MenuList& list, uint16_t command) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].command == command && !list[i].IsPopup()) return static_cast<int>(i);
  return -1;
}

const MenuItem* ParentPopupOfCommand(const MenuList& list, uint16_t command) {
  int found = FindCommand(list, command);
  if (found < 0 || list[static_cast<size_t>(found)].level == 0) return nullptr;
  const uint8_t parentLevel = list[static_cast<size_t>(found)].level - 1;
  for (int i = found - 1; i >= 0; --i)
    if (list[static_cast<size_t>(i)].level == parentLevel) return &list[static_cast<size_t>(i)];
  return nullptr;
}

}  // namespace scrv
