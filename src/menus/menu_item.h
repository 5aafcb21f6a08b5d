#pragma once
// One item of a customisable menu. A menu is a list of items in pre-order (each popup followed
// by its whole sub-tree); nesting is given by each item's level, not by pointers: the parent
// of an item is the nearest earlier item one level above it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace scrv {

enum class MenuKind : uint8_t {
  kCustom = 0,        // a command labelled by `text`
  kDefaultLabel = 1,  // a command labelled as in the menu's default; command 0 is a separator
  kCommandName = 2,   // a command labelled by its command name
  kPopup = 3,         // a sub-menu labelled by `text`, or by the default's popup of `command`
  kPlugIn = 4,        // runs the plug-in whose file name is `target`
  kTool = 5,          // runs the external tool named `target`
  kMacro = 6,         // runs the macro named `target`
};
constexpr uint8_t kMenuKindCount = 7;

// Kinds outside the known seven read as a command with its own label.
constexpr MenuKind MenuKindFromNumber(uint32_t n) {
  return n < kMenuKindCount ? static_cast<MenuKind>(n) : MenuKind::kCustom;
}

// Capacities in UTF-16 units, the terminator included: texts are at most one less.
constexpr size_t kMenuTextCapacity = 256;
constexpr size_t kMenuTargetCapacity = 260;
constexpr size_t kMenuTextMax = kMenuTextCapacity - 1;
constexpr size_t kMenuTargetMax = kMenuTargetCapacity - 1;

// Levels are stored in 6 bits.
constexpr uint8_t kMaxMenuLevel = 63;

struct MenuItem {
  std::u16string text;
  std::u16string target;
  uint16_t command = 0;
  uint8_t level = 0;
  MenuKind kind = MenuKind::kCustom;

  bool IsSeparator() const { return kind == MenuKind::kDefaultLabel && command == 0; }
  bool IsPopup() const { return kind == MenuKind::kPopup; }
  bool operator==(const MenuItem&) const = default;
};

using MenuList = std::vector<MenuItem>;

// Plug-in, tool and macro items have no fixed command: theirs follows from their position in
// the current lists.
constexpr uint32_t kPlugInCommandBase = 5888;
constexpr uint32_t kPlugInCommandCount = 256;
constexpr uint32_t kToolCommandBase = 8448;
constexpr uint32_t kToolCommandCount = 256;
constexpr uint32_t kMacroCommandBase = 10240;
constexpr uint32_t kMacroCommandCount = 1024;

// The label a separator shows.
constexpr char16_t kSeparatorLabel[] = u"--------------------";

// Position of the first item whose command is `command` and that is not a popup; -1 when none.
int FindCommand(const MenuList& list, uint16_t command);
// The popup holding the item that FindCommand finds: the nearest earlier item one level above
// it. Null when the command is missing or stands at level 0.
const MenuItem* ParentPopupOfCommand(const MenuList& list, uint16_t command);

// Cuts a text to at most `max` units.
inline std::u16string Truncated(std::u16string_view s, size_t max) {
  return std::u16string(s.substr(0, max));
}

}  // namespace scrv
