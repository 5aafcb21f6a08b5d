#pragma once
// An in-memory settings store for native tests, in either shape of back end. In registry style
// it keeps typed values per key path; in INI style it keeps every value as the text the INI back
// end would write (the typed operations above the primitives encode it alike), so table and
// page logic can be tested against both shapes.

#include <map>
#include <string>

#include "settings/settings_store.h"

namespace scrv {

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
  RawValue ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) override;
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override;
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override;

 private:
  Values* Resolve(SettingsHandle h);

  bool ini_;
  std::map<std::u16string, Values> keys_;
  std::map<SettingsHandle, std::u16string> open_;  // handle -> key path or section
  SettingsHandle next_ = 1;
};

}  // namespace scrv
