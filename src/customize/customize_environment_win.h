#pragma once
// The Customize pages' environment on the real platform: the flag table, the system's colours
// and version, locale names, the language folders below "mui", and the shell actions of the
// Shortcut page; the record files, the configurations and the host's main windows.

#include <windows.h>

#include "customize/customize_environment.h"

namespace scrv {

class WinCustomizeEnvironment : public CustomizeEnvironment {
 public:
  WinCustomizeEnvironment(const RenderingDefaults& rendering, bool darkTheme)
      : rendering_(rendering), dark_(darkTheme) {}

  const FlagTable& Flags() override;
  uint64_t Default(SystemDefault which) override;
  std::u16string LocaleNameFromLcid(uint32_t lcid) override;
  std::u16string SystemLocaleName() override;
  std::vector<LanguageEntry> Languages() override;
  void SetTrayProgram(bool running) override;
  void SetStartupShortcut(bool present) override;
  std::u16string String(uint32_t id) override;
  std::optional<RecordLists> ReadRecord(uint32_t number) override;
  bool WriteRecord(uint32_t number, const RecordLists& lists) override;
  std::vector<std::u16string> Configurations(SettingsStore& store) override;
  uint64_t FileTimeNow() override;
  void CsvFormatsMoved(const std::vector<uint32_t>& oldIndex) override;
  bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) override;
  RenderingModel::System RenderingSystem() override;

 private:
  RenderingDefaults rendering_;
  bool dark_;
};

}  // namespace scrv
