#pragma once
// The tray icon's options: what each click on the notification-area icon does and the two
// system-wide hot keys, as the host reads them from "Common".
//
// A click setting holds 0 (nothing), 1 or 2 (tray menu 1 or 2) or one of fifteen host
// commands. Its combo box lists the three fixed entries, then the commands by name, so entry
// k >= 3 stands for command k - 3.

#include <array>
#include <cstdint>

#include "settings/settings_store.h"

namespace scrv {

constexpr size_t kTrayCommandCount = 15;
extern const std::array<uint16_t, kTrayCommandCount> kTrayCommands;
constexpr int kTrayFixedEntries = 3;
constexpr int kTrayEntryCount = kTrayFixedEntries + static_cast<int>(kTrayCommandCount);

// The four clicks and the two hot keys, in the order the dialog keeps them.
enum TrayClick : size_t { kTrayLeftClick, kTrayRightClick, kTrayMiddleClick, kTrayDoubleClick };
constexpr size_t kTrayClickCount = 4;
constexpr size_t kTrayHotKeyCount = 2;

// Entry of a stored value: the value itself below 3, the command's position plus 3, and 0
// (nothing) for a command that is not offered.
int TrayEntryForValue(uint32_t value);
// The value an entry stands for; 0 for an entry outside the list.
uint32_t TrayValueForEntry(int entry);

// Hot key values: the virtual key in the low byte, the modifiers in the high byte.
namespace hot_key {
constexpr uint8_t kShift = 0x1, kControl = 0x2, kAlt = 0x4, kExtended = 0x8;
}  // namespace hot_key
// The hot key controls refuse a key without modifiers, with Shift alone, with Ctrl alone and
// with Shift+Ctrl, and put Ctrl+Alt in their place. The same rule for a stored value: only its
// low 16 bits count, modifier bits the control does not know are dropped, and a value without
// a key is no hot key (0).
uint16_t ApplyHotKeyRule(uint32_t value);

struct TrayOptions {
  std::array<int, kTrayClickCount> entries{};  // combo entries
  std::array<uint16_t, kTrayHotKeyCount> hotKeys{};

  // While the left click runs a command, a double click cannot be told from it: the
  // double-click combo is disabled and set to nothing.
  bool DoubleClickAllowed() const { return entries[kTrayLeftClick] < kTrayFixedEntries; }
  void ApplyLeftClickRule();
};

// The defaults: tray menu 1, tray menu 2, the first two commands; no hot keys.
TrayOptions DefaultTrayOptions();
// Reads the six values through one handle (a value of the wrong type reads as its default),
// then applies the left-click rule.
TrayOptions LoadTrayOptions(SettingsStore& store);
// Writes the six values as DWORDs through one handle.
void SaveTrayOptions(SettingsStore& store, const TrayOptions& options);

}  // namespace scrv
