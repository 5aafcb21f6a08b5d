#pragma once
// An in-memory settings store for native tests. In registry style it keeps typed values per
// key path; in INI style it keeps every value as the text the INI back end would write, with
// the same encodings, so table and page logic can be tested against both shapes.

#include <map>
#include <string>

#include "settings/settings_store.h"

namespace scrv {

enum class ValueType : uint32_t { kString = 1, kBinary = 3, kDword = 4, kQword = 11 };

struct StoredValue {
  ValueType type = ValueType::kString;
  std::vector<uint8_t> bytes;  // registry style: the raw value; INI style: unused
  std::u16string text;         // INI style: the text as written to the file
};

class MemorySettings : public SettingsStore {
 public:
  explicit MemorySettings(bool iniStyle = false) : ini_(iniStyle) {}

  bool IniMode() const override { return ini_; }
  SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) override;
  SettingsHandle OpenConfig(std::u16string_view name, uint32_t flags) override;
  void CloseSettings(SettingsHandle h) override;

  uint32_t ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def) override;
  uint32_t WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value) override;
  uint64_t ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def) override;
  uint32_t WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value) override;
  std::u16string ReadString(SettingsHandle h, std::u16string_view name, size_t capacity,
                            std::u16string_view def) override;
  bool ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer, size_t size) override;
  std::optional<std::vector<uint8_t>> ReadBinaryAlloc(SettingsHandle h,
                                                      std::u16string_view name) override;
  uint32_t WriteBinary(SettingsHandle h, std::u16string_view name, const void* data, size_t size,
                       bool suppressSizeValue) override;
  uint32_t DeleteValue(SettingsHandle h, std::u16string_view name, bool alsoSizeValue) override;

  // Test access. Registry style: key paths such as u"Common" or u"Config\\Text"; INI style:
  // section names such as u"Common".
  using Values = std::map<std::u16string, StoredValue>;
  std::map<std::u16string, Values>& Keys() { return keys_; }
  const StoredValue* Find(std::u16string_view key, std::u16string_view name) const;
  void PutRaw(std::u16string_view key, std::u16string_view name, ValueType type,
              std::vector<uint8_t> bytes);
  void PutText(std::u16string_view section, std::u16string_view name, std::u16string_view text);
  int OpenHandles() const { return static_cast<int>(open_.size()); }

 protected:
  uint32_t WriteStringValue(SettingsHandle h, std::u16string_view name, std::u16string_view value,
                            bool quote) override;

 private:
  Values* Resolve(SettingsHandle h);
  const StoredValue* Get(SettingsHandle h, std::u16string_view name);
  void Put(SettingsHandle h, std::u16string_view name, StoredValue v);
  std::optional<std::u16string> Text(SettingsHandle h, std::u16string_view name);

  bool ini_;
  std::map<std::u16string, Values> keys_;
  std::map<SettingsHandle, std::u16string> open_;  // handle -> key path or section
  SettingsHandle next_ = 1;
};

}  // namespace scrv
