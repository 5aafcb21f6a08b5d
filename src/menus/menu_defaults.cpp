#include "menus/menu_defaults.h"

#include "menus/menu_set.h"

namespace scrv {
namespace {

uint16_t FirstCommandIn(const std::vector<ResourceMenuItem>& items) {
  for (const ResourceMenuItem& item : items)
    if (item.id != 0 && item.id != kSubMenuId) return static_cast<uint16_t>(item.id);
  return 0;
}

void Walk(const std::vector<ResourceMenuItem>& items, uint8_t level, bool labelsByReference,
          MenuList& out) {
  for (const ResourceMenuItem& position : items) {
    MenuItem item;
    item.level = level;
    if (position.id == kSubMenuId) {
      item.kind = MenuKind::kPopup;
      item.command = FirstCommandIn(position.items);
      if (!labelsByReference || item.command == 0)
        item.text = Truncated(position.text, kMenuTextMax);
      out.push_back(std::move(item));
      Walk(position.items, level < kMaxMenuLevel ? level + 1 : level, labelsByReference, out);
      continue;
    }
    item.kind = MenuKind::kDefaultLabel;
    item.command = static_cast<uint16_t>(position.id);
    if (item.command != 0 && !labelsByReference) item.text = Truncated(position.text, kMenuTextMax);
    out.push_back(std::move(item));
  }
}

}  // namespace

MenuList LoadDefaultMenu(MenuResources& resources, uint32_t index, bool takeSubMenu,
                         bool labelsByReference) {
  std::optional<std::vector<ResourceMenuItem>> menu =
      resources.LoadMenuResource(DefaultMenuResource(index));
  MenuList list;
  if (!menu) return list;
  const std::vector<ResourceMenuItem>* items = &*menu;
  if (index != kMainMenu && takeSubMenu) {
    if (menu->empty() || menu->front().id != kSubMenuId) return list;
    items = &menu->front().items;
  }
  Walk(*items, 0, labelsByReference, list);
  return list;
}

}  // namespace scrv
