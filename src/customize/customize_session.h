#pragma once
// What DoCustomize does around the sheet, without the sheet: every page loads its working copy
// before the sheet opens, and after OK every page that was shown saves in the same order (the
// Language page last) while the sheet collects the result word, the change bits and the restart
// notice; then it decides who is told.

#include <array>
#include <cstdint>

#include "customize/customize_pages.h"
#include "customize/page_model.h"

namespace scrv {

struct CustomizeOutcome {
  uint32_t result = 0;   // CustomizeResult
  uint64_t changes = 0;  // ChangeFlags
};

class CustomizeSession {
 public:
  explicit CustomizeSession(CustomizeEnvironment& env);

  PageModel& Page(size_t index) { return pages_[index]; }
  CustomizeEnvironment& Environment() { return env_; }

  // The load steps, through `common` (the "Common" configuration open for reading).
  void Load(SettingsStore& store, SettingsHandle common);
  // The save steps after OK, through `common` open for writing. `restart` is the host's
  // RestartNotice, or null.
  CustomizeOutcome Save(SettingsStore& store, SettingsHandle common, uint32_t* restart);

 private:
  CustomizeEnvironment& env_;
  std::array<PageModel, page::kCount> pages_;
};

// The change bits that the tray program must hear about too.
constexpr uint64_t kTrayChangeBits = 0x80 | 0x400000000;
inline bool TrayNeedsChange(uint64_t changes) {
  return (changes & kTrayChangeBits) != 0;
}

}  // namespace scrv
