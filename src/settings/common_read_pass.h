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

 protected:
  RawValue ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) override {
    return store_.ReadRaw(h, name, capacity);
  }
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override {
    return store_.WriteRaw(h, name, type, data, size);
  }
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override {
    return store_.DeleteRaw(h, name);
  }

 private:
  SettingsStore& store_;
  bool opened_ = false;
  SettingsHandle common_ = 0;
};

}  // namespace scrv
