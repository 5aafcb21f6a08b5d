#include "menus/menu_resources_win.h"

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "settings/file_store_win.h"
#include "settings/settings_tables_win.h"

namespace scrv {

std::optional<std::vector<ResourceMenuItem>> CModuleMenuResources::LoadMenuResource(uint32_t id) {
  auto cached = menus_.find(id);
  if (cached != menus_.end()) return cached->second;
  // The template is read as it is stored: no menu is built just to be walked.
  std::optional<std::vector<ResourceMenuItem>> items;
  HMODULE module = Module().resourceModule;
  if (HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(id), RT_MENU) : nullptr)
    if (HGLOBAL loaded = LoadResource(module, found))
      if (const void* bytes = LockResource(loaded))
        items =
            ParseMenuTemplate(static_cast<const uint8_t*>(bytes), SizeofResource(module, found));
  return menus_[id] = std::move(items);
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
  // Every export holds an AppDataScope (GuardExport): the shell is asked once per call.
  return {AppRecordPath, &files};
}

}  // namespace scrv
