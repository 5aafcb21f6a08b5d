#pragma once
// The options of the host's start dialog: whether it is shown and how it looks, all rows of
// the flag table, so a value equal to its default is removed rather than stored.

#include <array>
#include <cstdint>

#include "settings/flag_table.h"
#include "settings/settings_store.h"

namespace scrv {

struct StartOptionRow {
  uint32_t flagRow;
  bool look;  // a look option: changing one asks the host to redraw its start dialog
};

constexpr size_t kStartOptionCount = 11;
extern const std::array<StartOptionRow, kStartOptionCount> kStartOptionRows;

class StartOptionsModel {
 public:
  // Reads every row through one handle and remembers the look options as loaded.
  void Load(SettingsStore& store, const FlagTable& flags);
  // The rows' defaults (nothing is written).
  void Reset(const FlagTable& flags);
  // Writes every row through one handle. Returns 1 when a look option differs from what was
  // loaded, else 0.
  int Save(SettingsStore& store, const FlagTable& flags) const;

  std::array<bool, kStartOptionCount> values{};

 private:
  std::array<bool, kStartOptionCount> loaded_{};
};

}  // namespace scrv
