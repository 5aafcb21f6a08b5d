#include "menus/menu_storage.h"

#include "menus/menu_defaults.h"
#include "menus/menu_labels.h"
#include "menus/menu_set.h"

namespace scrv {
namespace {

constexpr int kLevelBits = 6;
constexpr int kKindBits = 3;

// The command values of the old form that stand for the kinds without a command.
constexpr uint32_t kOldPopup = 0xFFFFFFFF;
constexpr uint32_t kOldPlugIn = 0xFFFFFFFE;
constexpr uint32_t kOldTool = 0xFFFFFFFD;
constexpr uint32_t kOldMacro = 0xFFFFFFFC;

void AddBits(SettingsRecord& record, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) record.AddBit((value >> i) & 1);
}

std::optional<uint32_t> NextBits(SettingsRecord& record, int count) {
  uint32_t value = 0;
  for (int i = 0; i < count; ++i) {
    std::optional<bool> bit = record.NextBit();
    if (!bit) return std::nullopt;
    value |= static_cast<uint32_t>(*bit) << i;
  }
  return value;
}

uint8_t ClampLevel(uint32_t level) {
  return static_cast<uint8_t>(level > kMaxMenuLevel ? kMaxMenuLevel : level);
}

void ReadCurrentForm(SettingsRecord& record, MenuList& out) {
  if (!record.NextDword()) return;  // reserved
  std::optional<uint32_t> count = record.NextDword();
  for (uint32_t i = 0; count && i < *count; ++i) {
    std::optional<uint16_t> command = record.NextWord();
    std::optional<uint32_t> level = NextBits(record, kLevelBits);
    std::optional<uint32_t> kind = NextBits(record, kKindBits);
    std::optional<uint32_t> has = NextBits(record, 2);
    if (!command || !level || !kind || !has) return;
    MenuItem item;
    item.command = *command;
    item.level = ClampLevel(*level);
    item.kind = MenuKindFromNumber(*kind);
    if (*has & 1) {
      std::optional<std::u16string> text = record.NextText();
      if (!text) return;
      item.text = Truncated(*text, kMenuTextMax);
    }
    if (*has & 2) {
      std::optional<std::u16string> target = record.NextText();
      if (!target) return;
      item.target = Truncated(*target, kMenuTargetMax);
    }
    out.push_back(std::move(item));
  }
}

void ReadOldForm(SettingsRecord& record, MenuList& out) {
  std::optional<uint32_t> count = record.NextDword();
  for (uint32_t i = 0; count && i < *count; ++i) {
    std::optional<uint32_t> command = record.NextDword();
    std::optional<uint32_t> level = record.NextDword();
    std::optional<std::u16string> text = record.NextText();
    std::optional<std::u16string> target = record.NextText();
    if (!command || !level || !text || !target) return;
    MenuItem item;
    item.level = ClampLevel(*level);
    item.text = Truncated(*text, kMenuTextMax);
    item.target = Truncated(*target, kMenuTargetMax);
    switch (*command) {
      case kOldPopup:
        item.kind = MenuKind::kPopup;
        break;
      case kOldPlugIn:
        item.kind = MenuKind::kPlugIn;
        break;
      case kOldTool:
        item.kind = MenuKind::kTool;
        break;
      case kOldMacro:
        item.kind = MenuKind::kMacro;
        break;
      default:
        item.kind = MenuKind::kCustom;
        item.command = static_cast<uint16_t>(*command);
    }
    out.push_back(std::move(item));
  }
}

// The reference popup that holds `command`, when its label is `label`.
bool PopupLabelled(const MenuList& reference, uint16_t command, const std::u16string& label) {
  const MenuItem* popup = ParentPopupOfCommand(reference, command);
  return popup && !popup->text.empty() && popup->text == label;
}

}  // namespace

void WriteMenuRecord(const MenuList& list, SettingsRecord& record) {
  record.AddDword(kMenuFormCurrent);
  record.AddDword(0);
  record.AddDword(static_cast<uint32_t>(list.size()));
  for (const MenuItem& item : list) {
    record.AddWord(item.command);
    AddBits(record, item.level, kLevelBits);
    AddBits(record, static_cast<uint32_t>(item.kind), kKindBits);
    record.AddBit(!item.text.empty());
    record.AddBit(!item.target.empty());
    if (!item.text.empty()) record.AddText(item.text);
    if (!item.target.empty()) record.AddText(item.target);
  }
}

std::optional<StoredMenuForm> ReadMenuRecord(SettingsRecord& record) {
  std::optional<uint32_t> version = record.NextDword();
  if (!version || (*version != kMenuFormOld && *version != kMenuFormCurrent)) return std::nullopt;
  StoredMenuForm form;
  form.oldForm = *version == kMenuFormOld;
  if (form.oldForm)
    ReadOldForm(record, form.items);
  else
    ReadCurrentForm(record, form.items);
  return form;
}

void ConvertOldForm(MenuList& list, const MenuList& reference, MenuResources& strings) {
  if (list.empty() || reference.empty()) return;
  MenuLabelSources sources;
  sources.strings = &strings;
  for (size_t i = 0; i < list.size(); ++i) {
    MenuItem& item = list[i];
    if (item.kind == MenuKind::kCustom) {
      if (item.command == 0) {
        item.kind = MenuKind::kDefaultLabel;
        continue;
      }
      int found = FindCommand(reference, item.command);
      if (found >= 0 && !reference[static_cast<size_t>(found)].text.empty() &&
          reference[static_cast<size_t>(found)].text == item.text) {
        item.kind = MenuKind::kDefaultLabel;
        item.text.clear();
        continue;
      }
      std::u16string name = sources.CommandName(item.command);
      if (!name.empty() && name == item.text) {
        item.kind = MenuKind::kCommandName;
        item.text.clear();
      }
    } else if (item.kind == MenuKind::kPopup) {
      for (size_t j = i + 1; j < list.size() && list[j].level > item.level; ++j) {
        if (list[j].level != item.level + 1 || list[j].command == 0) continue;
        if (PopupLabelled(reference, list[j].command, item.text)) {
          item.command = list[j].command;
          item.text.clear();
          break;
        }
      }
    }
  }
}

MenuList WrapInRootPopup(const MenuList& list) {
  MenuList wrapped;
  wrapped.reserve(list.size() + 1);
  MenuItem root;
  root.kind = MenuKind::kPopup;
  wrapped.push_back(root);
  for (const MenuItem& item : list) {
    wrapped.push_back(item);
    wrapped.back().level = ClampLevel(item.level + 1u);
  }
  return wrapped;
}

void UnwrapRootPopup(MenuList& list) {
  if (list.empty() || !list.front().IsPopup()) return;
  list.erase(list.begin());
  for (MenuItem& item : list)
    if (item.level > 0) --item.level;
}

std::optional<MenuList> LoadStoredMenuWrapped(uint32_t index, const MenuRecordFiles& where,
                                              MenuResources& resources) {
  if (index >= kMenuCount || !where.files) return std::nullopt;
  std::optional<SettingsRecord> record = OpenRecord(MenuRecordNumber(index), where.binPath);
  if (!record || LoadRecord(*record, *where.files) != ReadResult::kRead) return std::nullopt;
  std::optional<StoredMenuForm> form = ReadMenuRecord(*record);
  if (!form || form->items.empty()) return std::nullopt;
  if (form->oldForm) ConvertOldForm(form->items, LoadReferenceMenu(resources, index), resources);
  return std::move(form->items);
}

std::optional<MenuList> LoadStoredMenu(uint32_t index, const MenuRecordFiles& where,
                                       MenuResources& resources) {
  std::optional<MenuList> list = LoadStoredMenuWrapped(index, where, resources);
  if (list && index != kMainMenu) UnwrapRootPopup(*list);
  return list;
}

bool SaveMenu(uint32_t index, const MenuList& list, bool isDefault, const MenuRecordFiles& where) {
  if (index >= kMenuCount || !where.files) return false;
  std::optional<SettingsRecord> record = OpenRecord(MenuRecordNumber(index), where.binPath);
  if (!record) return false;
  if (isDefault) return where.files->RemoveWholeFile(record->Path());
  WriteMenuRecord(index == kMainMenu ? list : WrapInRootPopup(list), *record);
  return SaveRecord(*record, *where.files);
}

}  // namespace scrv
