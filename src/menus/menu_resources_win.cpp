#include "menus/menu_resources_win.h"

#include "frame/module_state_win.h"
#include "frame/text_win.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {
namespace {

std::u16string ItemText(HMENU menu, int position) {
  wchar_t text[kMenuTextCapacity] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, kMenuTextCapacity, MF_BYPOSITION);
  return ToU(text);
}

std::vector<ResourceMenuItem> Walk(HMENU menu, int depth) {
  std::vector<ResourceMenuItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    ResourceMenuItem item;
    item.id = GetMenuItemID(menu, i);
    if (item.id == kSubMenuId) {
      item.text = ItemText(menu, i);
      if (HMENU sub = GetSubMenu(menu, i); sub && depth < kMaxMenuLevel)
        item.items = Walk(sub, depth + 1);
    } else if (item.id != 0) {
      item.text = ItemText(menu, i);
    }
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace

std::optional<std::vector<ResourceMenuItem>> CModuleMenuResources::LoadMenuResource(uint32_t id) {
  HMODULE module = Module().resourceModule;
  HMENU menu = module ? LoadMenuW(module, MAKEINTRESOURCEW(id)) : nullptr;
  if (!menu) return std::nullopt;
  std::vector<ResourceMenuItem> items = Walk(menu, 0);
  DestroyMenu(menu);
  return items;
}

std::u16string CModuleMenuResources::LoadText(uint32_t id) {
  return ToU(LoadResString(id));
}

bool SameNameOrdinal(std::u16string_view a, std::u16string_view b) {
  return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()),
                              static_cast<int>(a.size()),
                              reinterpret_cast<const wchar_t*>(b.data()),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

MenuRecordFiles AppMenuRecordFiles() {
  static Win32FileStore files;
  return {AppRecordPath, &files};
}

}  // namespace scrv
