#pragma once
// How a customised menu is kept: menu N in settings record 9 + N. The current form (version 1)
// packs each item's level and kind into the record's bit list; the old form (version 0) kept
// labels in every item and is converted against the menu's default on reading. Every menu but
// the main menu is stored inside one more popup, the root popup.

#include <cstdint>
#include <optional>

#include "menus/menu_item.h"
#include "menus/menu_resources.h"
#include "settings/file_store.h"
#include "settings/settings_record.h"

namespace scrv {

constexpr uint32_t kMenuFormOld = 0;
constexpr uint32_t kMenuFormCurrent = 1;

// Appends a list to a record in the current form.
void WriteMenuRecord(const MenuList& list, SettingsRecord& record);

struct StoredMenuForm {
  MenuList items;
  bool oldForm = false;
};
// Reads a list from a record's lists: as much of it as is whole. Nothing for a version other
// than 0 and 1 or a record without a version. Texts are cut to their capacities, levels past 63
// to 63, unknown kinds read as `Custom`.
std::optional<StoredMenuForm> ReadMenuRecord(SettingsRecord& record);

// Turns an old-form list, which kept every label as text, into the current kinds: labels equal
// to the reference menu's label of the command become `DefaultLabel`, labels equal to the
// command name `CommandName` (both without text), and popups whose label equals the reference
// menu's popup of a command one level inside them refer to that command. Commands without a
// command become separators. Nothing happens when either list is empty.
void ConvertOldForm(MenuList& list, const MenuList& reference, MenuResources& strings);

// The root popup: levels one deeper under an empty popup first; and back, when the first
// item is a popup.
MenuList WrapInRootPopup(const MenuList& list);
void UnwrapRootPopup(MenuList& list);

// Where the menu records are.
struct MenuRecordFiles {
  BinPathBuilder binPath;
  FileStore* files = nullptr;
};

// Menu `index` as stored, unwrapped and converted; nothing when nothing usable is stored (no
// readable record, an unknown version or no items). A stored user menu that holds only its
// root popup comes back as an empty list: stored, and empty.
std::optional<MenuList> LoadStoredMenu(uint32_t index, const MenuRecordFiles& where,
                                       MenuResources& resources);
// The raw stored list of a menu (root popup kept), converted from the old form; nothing when
// nothing usable is stored.
std::optional<MenuList> LoadStoredMenuWrapped(uint32_t index, const MenuRecordFiles& where,
                                              MenuResources& resources);

// Writes menu `index` (wrapped for every menu but the main menu); at its default the record is
// removed instead, so that the next load takes the default again. True when that succeeded.
bool SaveMenu(uint32_t index, const MenuList& list, bool isDefault, const MenuRecordFiles& where);

}  // namespace scrv
