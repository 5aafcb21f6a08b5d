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

constexpr uint32_t kErrorFileNotFound = 2;

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual bool IniMode() const = 0;

  // Handles.
  virtual SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) = 0;
  virtual SettingsHandle OpenConfig(std::u16string_view name, uint32_t flags) = 0;
  virtual void CloseSettings(SettingsHandle h) = 0;

  // Typed values. Reads never fail visibly: they give the caller's default.
  virtual uint32_t ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def) = 0;
  virtual uint32_t WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value) = 0;
  virtual uint64_t ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def) = 0;
  virtual uint32_t WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value) = 0;
  // At most capacity - 1 characters are returned (capacity counts the terminator).
  virtual std::u16string ReadString(SettingsHandle h, std::u16string_view name, size_t capacity,
                                    std::u16string_view def) = 0;
  // Succeeds only when the stored value has exactly `size` bytes.
  virtual bool ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer,
                          size_t size) = 0;
  virtual std::optional<std::vector<uint8_t>> ReadBinaryAlloc(SettingsHandle h,
                                                              std::u16string_view name) = 0;
  // A null data pointer deletes the value (registry back end).
  virtual uint32_t WriteBinary(SettingsHandle h, std::u16string_view name, const void* data,
                               size_t size, bool suppressSizeValue) = 0;
  virtual uint32_t DeleteValue(SettingsHandle h, std::u16string_view name, bool alsoSizeValue) = 0;

  // A string write. With a default, a value equal to it (exactly) is deleted from "Common"
  // instead and 0 is returned; callers pass a default only with the "Common" handle.
  uint32_t WriteString(SettingsHandle h, std::u16string_view name, std::u16string_view value,
                       bool quote = false, const char16_t* def = nullptr);

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

 protected:
  virtual uint32_t WriteStringValue(SettingsHandle h, std::u16string_view name,
                                    std::u16string_view value, bool quote) = 0;
};

}  // namespace scrv
