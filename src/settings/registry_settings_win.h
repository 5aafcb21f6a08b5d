#pragma once
// The registry back end: "Software\Korvan\Scrivlet v3\..." below HKEY_CURRENT_USER.

#include "settings/settings_store.h"

namespace scrv {

class RegistrySettings : public SettingsStore {
 public:
  bool IniMode() const override { return false; }
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

 protected:
  uint32_t WriteStringValue(SettingsHandle h, std::u16string_view name, std::u16string_view value,
                            bool quote) override;
};

}  // namespace scrv
