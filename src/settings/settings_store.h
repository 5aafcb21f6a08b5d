#pragma once
// The settings operations every reader and writer in the library goes through, whatever the
// back end: the registry, INI files beside the program, or memory (native tests).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrv {

// An open registry key, or in INI mode a section number: a global atom naming a section of
// the configuration file, or one of the fixed pseudo-handles for sections of the common file.
// 0 is "could not be opened": reads on it give the default, writes do nothing.
using SettingsHandle = std::uintptr_t;

namespace ini_section {
constexpr SettingsHandle kCommon = 0x7FFFFF00;
constexpr SettingsHandle kMacros = 0x7FFFFF02;
constexpr SettingsHandle kPlugIns = 0x7FFFFF03;
constexpr SettingsHandle kRecentFile = 0x7FFFFF04;
constexpr SettingsHandle kRecentFolder = 0x7FFFFF05;
constexpr SettingsHandle kRecentFont = 0x7FFFFF06;
constexpr SettingsHandle kRecentInsert = 0x7FFFFF07;
constexpr SettingsHandle kRecentWorkspace = 0x7FFFFF09;
constexpr SettingsHandle kActiveString = 0x7FFFFF0A;
constexpr SettingsHandle kFirstPseudo = 0x7FFFFF00;
// The section name of a pseudo-handle, or empty for a value that names no section.
std::u16string_view PseudoSectionName(SettingsHandle h);
}  // namespace ini_section

// Flags of OpenAppKey.
enum OpenFlags : uint32_t {
  kOpenExisting = 1,  // open only; without it the key is created
  kMachineWide = 2,   // below HKEY_LOCAL_MACHINE instead of HKEY_CURRENT_USER
  kNoProductKey = 4,  // "Software\Korvan\" + key, without "Scrivlet v3\"
  kReadOnly = 8,      // KEY_READ only
};
constexpr uint32_t kCommonWriteFlags = 0;
constexpr uint32_t kCommonReadFlags = kOpenExisting | kReadOnly;                        // 9
constexpr uint32_t kMachineCommonReadFlags = kOpenExisting | kMachineWide | kReadOnly;  // 11

// System error codes the store answers with.
constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorInvalidData = 13;
constexpr uint32_t kErrorInvalidParameter = 87;

// The registry's value types the store writes and checks.
enum class ValueType : uint32_t {
  kString = 1,
  kExpandString = 2,
  kBinary = 3,
  kDword = 4,
  kQword = 11
};

// One value as a back end's primitive read finds it.
struct RawValue {
  bool found = false;     // false: missing (or the handle is not usable)
  bool tooLarge = false;  // registry shape: the value has more bytes than were asked for
  uint32_t type = 0;      // registry shape: the value's type; INI shape: kString
  // Registry shape: the value's bytes. INI shape: the text as UTF-16 units, as the profile
  // functions return it (one pair of surrounding double quotes dropped), cut to the capacity.
  std::vector<uint8_t> bytes;
};

// The settings operations every reader and writer in the library goes through, whatever the
// back end. A back end provides only the primitives: handles, and reading, writing and
// deleting one raw value. Every typed rule (types and sizes that give the default, capacity
// cuts, the INI encodings, what a delete reports) is implemented once here, above them, so that
// the registry, the INI files and the in-memory store of the native tests behave alike.
//
// Two shapes of back end exist. The registry shape keeps typed values (the registry, and the
// memory store in that style); the INI shape keeps texts (the INI files, and the memory store in
// that style), with values encoded as ini_encoding.h says.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Primitives: the shape and the handles.
  virtual bool IniMode() const = 0;
  virtual SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) = 0;
  virtual SettingsHandle OpenConfig(std::u16string_view name, uint32_t flags) = 0;
  virtual void CloseSettings(SettingsHandle h) = 0;

  // Typed values. Reads never fail visibly: they give the caller's default.
  uint32_t ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def);
  uint32_t WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value);
  // A QWORD; a 4-byte DWORD gives the low half, with the default's high half.
  uint64_t ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def);
  uint32_t WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value);
  // At most capacity - 1 characters are returned (capacity counts the terminator). In the
  // registry shape a value longer than that is a failed read and gives the default.
  std::u16string ReadString(SettingsHandle h, std::u16string_view name, size_t capacity,
                            std::u16string_view def);
  // Succeeds only when the stored value has exactly `size` bytes; the buffer is untouched
  // otherwise.
  bool ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer, size_t size);
  // A binary value of any size but 0 (INI shape: the size its companion "-Size" value gives,
  // at most kMaxIniBinarySize).
  std::optional<std::vector<uint8_t>> ReadBinaryAlloc(SettingsHandle h, std::u16string_view name);
  // A null data pointer deletes the value (and in the INI shape its companion byte count,
  // which is otherwise written first unless suppressed).
  uint32_t WriteBinary(SettingsHandle h, std::u16string_view name, const void* data, size_t size,
                       bool suppressSizeValue);
  // 0, kErrorFileNotFound when there was no value (INI shape: also an empty one, which is
  // left in place), or the error of a delete that failed.
  uint32_t DeleteValue(SettingsHandle h, std::u16string_view name, bool alsoSizeValue);

  // A string write. With a default, a value equal to it (exactly) is deleted from "Common"
  // instead and 0 is returned; callers pass a default only with the "Common" handle. In the
  // INI shape `quote` keeps leading and trailing blanks, and a text with a line break is
  // refused (kErrorInvalidData): it would end the value early and forge a line of its own.
  uint32_t WriteString(SettingsHandle h, std::u16string_view name, std::u16string_view value,
                       bool quote = false, const char16_t* def = nullptr);

  // Whether a value of that name is stored at all, whatever its type.
  bool HasValue(SettingsHandle h, std::u16string_view name);

  std::vector<std::u16string> ReadStringList(SettingsHandle h, std::u16string_view name);
  uint32_t WriteStringList(SettingsHandle h, std::u16string_view name,
                           const std::vector<std::u16string>& items);

  // "Common" for one access: read-only open for reads, create-or-open for writes.
  SettingsHandle OpenCommon(bool forWriting);
  uint32_t ReadCommonDword(std::u16string_view name, uint32_t def);
  void WriteCommonDword(std::u16string_view name, uint32_t value);
  uint64_t ReadCommonQword(std::u16string_view name, uint64_t def);
  void WriteCommonQword(std::u16string_view name, uint64_t value);
  std::u16string ReadCommonString(std::u16string_view name, size_t capacity,
                                  std::u16string_view def);
  uint32_t WriteCommonString(std::u16string_view name, std::u16string_view value,
                             const char16_t* def = nullptr);
  uint32_t DeleteCommonValue(std::u16string_view name);

  // The largest binary value the INI shape reads or writes: its byte count is outside data
  // and is never trusted beyond this.
  static constexpr size_t kMaxIniBinarySize = 0x100000;
  // Asked for when no bound is known (a registry value of any size).
  static constexpr size_t kAnySize = SIZE_MAX;

 protected:
  // Primitives: one raw value. `capacity` is in bytes in the registry shape and in UTF-16 units
  // (the terminator counted) in the INI shape.
  virtual RawValue ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) = 0;
  // Registry shape: a value of `type` with `size` bytes. INI shape: the text of `size` / 2
  // units (type kString). kErrorInvalidHandle for a handle that is not usable.
  virtual uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type,
                            const void* data, size_t size) = 0;
  // Removes the value: 0, kErrorFileNotFound when there was none (registry shape), or the
  // back end's error; kErrorInvalidHandle for a handle that is not usable.
  virtual uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) = 0;

 private:
  friend class CommonReadPass;  // forwards the primitives of the store it wraps

  uint32_t WriteText(SettingsHandle h, std::u16string_view name, std::u16string_view text);
  std::optional<std::u16string> ReadText(SettingsHandle h, std::u16string_view name,
                                         size_t capacity);
};

}  // namespace scrv
