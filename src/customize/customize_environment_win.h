#pragma once
// The Customize pages' environment on the real platform: the flag table, the system's colours
// and version, locale names, the language folders below "mui", and the shell actions of the
// Shortcut page.

#include <windows.h>

#include "customize/customize_environment.h"

namespace scrv {

// The host's rendering defaults, which it fills in when asked (SCM_RENDERING, wParam 0).
struct RenderingDefaults {
  float gamma = 0;
  float contrast = 0;
  float clearTypeLevel = 0;
  uint32_t antialiasing = 0;
  uint32_t renderingMode = 0;
  uint8_t directWrite = 0;
  uint8_t reserved[3] = {};
};
static_assert(sizeof(RenderingDefaults) == 24);

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

 private:
  RenderingDefaults rendering_;
  bool dark_;
};

}  // namespace scrv
