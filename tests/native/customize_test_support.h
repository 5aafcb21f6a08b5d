#pragma once
// A Customize environment in memory for the page tests: the flag table of a Western system,
// fixed system defaults and locale names, and a record of the shell actions asked for.

#include <map>
#include <string>
#include <vector>

#include "customize/customize_environment.h"
#include "settings/flag_table.h"
#include "settings/memory_settings.h"

namespace scrv {

class FakeCustomizeEnvironment : public CustomizeEnvironment {
 public:
  const FlagTable& Flags() override { return flags; }
  uint64_t Default(SystemDefault which) override {
    auto it = defaults.find(which);
    return it == defaults.end() ? 0 : it->second;
  }
  std::u16string LocaleNameFromLcid(uint32_t lcid) override {
    auto it = lcids.find(lcid);
    return it == lcids.end() ? std::u16string() : it->second;
  }
  std::u16string SystemLocaleName() override { return systemLocale; }
  std::vector<LanguageEntry> Languages() override { return {}; }
  void SetTrayProgram(bool running) override {
    shell.push_back(running ? u"tray on" : u"tray off");
  }
  void SetStartupShortcut(bool present) override {
    shell.push_back(present ? u"startup on" : u"startup off");
  }

  FlagTable flags{1252};
  std::map<SystemDefault, uint64_t> defaults = {
      {SystemDefault::kBarTextColor, 0x000000},   {SystemDefault::kBarBackColor, 0xF0F0F0},
      {SystemDefault::kActiveTabColor, 0xD1B499}, {SystemDefault::kIconDesign, 1},
      {SystemDefault::kDirectWrite, 1},           {SystemDefault::kAntialiasing, 1},
      {SystemDefault::kRenderingMode, 0},         {SystemDefault::kColorFonts, 1}};
  std::map<uint32_t, std::u16string> lcids = {{1031, u"de-DE"}};
  std::u16string systemLocale = u"en-US";
  std::vector<std::u16string> shell;
};

// "Common" of a memory store in either style, opened for writing.
inline SettingsHandle OpenCommon(MemorySettings& store) {
  return store.IniMode() ? ini_section::kCommon : store.OpenAppKey(u"Common", kCommonWriteFlags);
}

// The values stored in "Common", by name.
inline const MemorySettings::Values& CommonValues(MemorySettings& store) {
  return store.Keys()[u"Common"];
}

}  // namespace scrv
