#pragma once
// Display names of keys and keyboard shortcuts: a key's name comes from the keyboard layout
// where it has one, and from a fixed English table otherwise; a shortcut is spelled with its
// modifiers in the order Alt, Ctrl, Shift, each named like any other key.

#include <cstddef>
#include <cstdint>
#include <string>

namespace scrv {

// Modifier flags of an accelerator, as the platform's ACCEL record has them.
constexpr uint8_t kAccelVirtKey = 0x01;  // the key is a virtual-key code, else a character
constexpr uint8_t kAccelShift = 0x04;
constexpr uint8_t kAccelControl = 0x08;
constexpr uint8_t kAccelAlt = 0x10;

struct Accelerator {
  uint8_t flags = 0;
  uint16_t key = 0;
  uint16_t command = 0;  // not part of the name
};

// A spelled accelerator fills a buffer of this many characters, terminator included.
constexpr size_t kAcceleratorTextCapacity = 40;

constexpr uint32_t kVkShift = 16;
constexpr uint32_t kVkControl = 17;
constexpr uint32_t kVkAlt = 18;

// Bit of a key-name argument that asks for the extended key of a scan code.
constexpr uint32_t kExtendedKeyBit = 0x1000000;

// What the keyboard layout and the platform's character classes answer.
class KeyNameSource {
 public:
  virtual ~KeyNameSource() = default;
  // The scan code of a virtual key (MapVirtualKeyW with MAPVK_VK_TO_VSC).
  virtual uint32_t ScanCode(uint32_t vk) = 0;
  // The layout's name for a key-name argument (scan code << 16, maybe the extended bit), or
  // empty when it has none (GetKeyNameTextW).
  virtual std::u16string KeyNameText(uint32_t keyArgument) = 0;
  virtual bool IsLower(char16_t c) = 0;
  virtual bool IsLetterOrDigit(char16_t c) = 0;
  virtual char16_t ToLower(char16_t c) = 0;
};

// The navigation block, Insert, Delete, the Windows keys and the application key are named
// as extended keys.
bool IsExtendedKey(uint32_t vk);
uint32_t KeyNameArgument(uint32_t scanCode, uint32_t vk);

// The English name of a key the layout does not name: digits and letters as themselves,
// "Num 0" to "Num 9", the keypad operators, "F1" to "F24", the table names, else "(?)".
std::u16string FallbackKeyName(uint32_t vk);

// A layout name of two or more characters without a lower-case letter in title case: in each
// word (letters, digits and "-") only the first character keeps its case.
void TitleCaseKeyName(KeyNameSource& source, std::u16string& name);

// The display name of a key in at most capacity - 1 characters (capacity counts the
// terminator of the caller's buffer); empty when nothing could be found.
std::u16string GetVirtualKeyName(KeyNameSource& source, uint32_t vk, size_t capacity);

// "Alt+Ctrl+Shift+Key" in at most kAcceleratorTextCapacity - 1 characters. A modifier key
// leaves the text ending in "+"; a character key is shown as itself, without Shift.
std::u16string FormatAccelerator(KeyNameSource& source, const Accelerator& accel);

}  // namespace scrv
