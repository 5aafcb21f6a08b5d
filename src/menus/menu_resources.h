#pragma once
// What the menu model reads from the localisation module: menu resources, walked position by
// position, and strings. The Win32 layer reads the real module; tests build menus in memory.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scrv {

// The identifier a menu gives a position that opens a sub-menu.
constexpr uint32_t kSubMenuId = 0xFFFFFFFF;

// One position of a menu resource: a command, a separator (identifier 0) or a sub-menu
// (kSubMenuId, with its own positions).
struct ResourceMenuItem {
  uint32_t id = 0;
  std::u16string text;
  std::vector<ResourceMenuItem> items;
};

class MenuResources {
 public:
  virtual ~MenuResources() = default;
  // The positions of a menu resource; nothing when it cannot be loaded.
  virtual std::optional<std::vector<ResourceMenuItem>> LoadMenuResource(uint32_t id) = 0;
  // A string; empty when it is missing.
  virtual std::u16string LoadText(uint32_t id) = 0;
};

}  // namespace scrv

namespace scrv {

// The positions of a menu template as the resource compiler stores it (the standard form,
// version 0, or the extended form, version 1), read without going past `size` bytes; nothing
// when the template is damaged. A sub-menu's positions follow it; texts are UTF-16.
std::optional<std::vector<ResourceMenuItem>> ParseMenuTemplate(const uint8_t* data, size_t size);

}  // namespace scrv
