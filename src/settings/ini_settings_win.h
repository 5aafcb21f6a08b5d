#pragma once
// The INI back end: sections of "scCommon.ini" (fixed pseudo-handles) and of "scConfig.ini"
// (global atoms of configuration names), through the system's profile functions. A file that
// does not exist yet is created as UTF-16 before the first write, so that no text is lost to
// the ANSI code page; an existing file keeps the encoding it has.

#include <string>

#include "settings/settings_store.h"

namespace scrv {

// A DWORD of a section of an INI file: the signed or unsigned decimal text, or `def` when the
// value is missing, empty or not a number.
uint32_t ReadIniDword(const std::wstring& section, std::u16string_view name, uint32_t def,
                      const std::wstring& file);

class IniSettings : public SettingsStore {
 public:
  IniSettings(const std::wstring* commonFile, const std::wstring* configFile)
      : common_(commonFile), config_(configFile) {}

  bool IniMode() const override { return true; }
  // INI mode has no keys: the key names of the common file map to their pseudo-handles.
  SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) override;
  SettingsHandle OpenConfig(std::u16string_view name, uint32_t flags) override;
  void CloseSettings(SettingsHandle h) override;

 protected:
  RawValue ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) override;
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override;
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override;

 private:
  struct Target {
    std::wstring section;
    const std::wstring* file = nullptr;
    bool ok() const { return file && !section.empty(); }
  };
  Target Resolve(SettingsHandle h) const;

  const std::wstring* common_;
  const std::wstring* config_;
};

}  // namespace scrv
