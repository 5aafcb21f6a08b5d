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

 protected:
  RawValue ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) override;
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override;
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override;
};

}  // namespace scrv
