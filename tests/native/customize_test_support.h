#pragma once
// A Customize environment in memory for the page tests: the flag table of a Western system,
// fixed system defaults and locale names, and a record of the shell actions asked for.

#include <algorithm>
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
  std::u16string String(uint32_t id) override {
    auto it = strings.find(id);
    return it == strings.end() ? std::u16string() : it->second;
  }
  std::optional<RecordLists> ReadRecord(uint32_t number) override {
    auto it = records.find(number);
    if (it == records.end()) return std::nullopt;
    return it->second;
  }
  bool WriteRecord(uint32_t number, const RecordLists& lists) override {
    records[number] = lists;
    return true;
  }
  std::vector<std::u16string> Configurations(SettingsStore&) override { return configurations; }
  uint64_t FileTimeNow() override { return now; }
  void CsvFormatsMoved(const std::vector<uint32_t>& oldIndex) override {
    moved.push_back(oldIndex);
  }
  bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) override {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](auto x, auto y) { return lower(x) == lower(y); });
  }
  RenderingModel::System RenderingSystem() override { return rendering; }

  FlagTable flags{1252};
  std::map<SystemDefault, uint64_t> defaults = {{SystemDefault::kBarTextColor, 0x000000},
                                                {SystemDefault::kBarBackColor, 0xF0F0F0},
                                                {SystemDefault::kActiveTabColor, 0xD1B499},
                                                {SystemDefault::kIconDesign, 1}};
  std::map<uint32_t, std::u16string> lcids = {{1031, u"de-DE"}};
  std::u16string systemLocale = u"en-US";
  std::vector<std::u16string> shell;
  std::map<uint32_t, std::u16string> strings;
  std::map<uint32_t, RecordLists> records;
  std::vector<std::u16string> configurations;
  uint64_t now = 0x01DB000000000000;
  std::vector<std::vector<uint32_t>> moved;
  RenderingModel::System rendering = {{2.2f, 1.0f, 0.5f, 1, 0, 1, {}}, false, true};
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
