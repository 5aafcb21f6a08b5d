#pragma once
// One pass of reads from "Common" through a single open handle: a dialog reads its look and its
// placement when it opens, and each read of "Common" would otherwise open and close the key on
// its own. Everything else (writes, other keys, the INI back end's sections) goes to the store
// unchanged.

#include "settings/settings_store.h"

namespace scrv {

class CommonReadPass : public SettingsStore {
 public:
  explicit CommonReadPass(SettingsStore& store) : store_(store) {}
  ~CommonReadPass() override;
  CommonReadPass(const CommonReadPass&) = delete;
  CommonReadPass& operator=(const CommonReadPass&) = delete;

  bool IniMode() const override { return store_.IniMode(); }
  // The read-only open of "Common" is made once and then handed out again.
  SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) override;
  SettingsHandle OpenConfig(std::u16string_view name, uint32_t flags) override {
    return store_.OpenConfig(name, flags);
  }
  // The shared handle stays open until the pass ends.
  void CloseSettings(SettingsHandle h) override;

  uint32_t ReadDword(SettingsHandle h, std::u16string_view name, uint32_t def) override {
    return store_.ReadDword(h, name, def);
  }
  uint32_t WriteDword(SettingsHandle h, std::u16string_view name, uint32_t value) override {
    return store_.WriteDword(h, name, value);
  }
  uint64_t ReadQword(SettingsHandle h, std::u16string_view name, uint64_t def) override {
    return store_.ReadQword(h, name, def);
  }
  uint32_t WriteQword(SettingsHandle h, std::u16string_view name, uint64_t value) override {
    return store_.WriteQword(h, name, value);
  }
  std::u16string ReadString(SettingsHandle h, std::u16string_view name, size_t capacity,
                            std::u16string_view def) override {
    return store_.ReadString(h, name, capacity, def);
  }
  bool ReadBinary(SettingsHandle h, std::u16string_view name, void* buffer, size_t size) override {
    return store_.ReadBinary(h, name, buffer, size);
  }
  std::optional<std::vector<uint8_t>> ReadBinaryAlloc(SettingsHandle h,
                                                      std::u16string_view name) override {
    return store_.ReadBinaryAlloc(h, name);
  }
  uint32_t WriteBinary(SettingsHandle h, std::u16string_view name, const void* data, size_t size,
                       bool suppressSizeValue) override {
    return store_.WriteBinary(h, name, data, size, suppressSizeValue);
  }
  uint32_t DeleteValue(SettingsHandle h, std::u16string_view name, bool alsoSizeValue) override {
    return store_.DeleteValue(h, name, alsoSizeValue);
  }

 protected:
  uint32_t WriteStringValue(SettingsHandle h, std::u16string_view name, std::u16string_view value,
                            bool quote) override;

 private:
  SettingsStore& store_;
  bool opened_ = false;
  SettingsHandle common_ = 0;
};

}  // namespace scrv
