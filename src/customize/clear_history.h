#pragma once
// Clearing histories at once: ten choices, remembered as the bits of "ClearHistoryFlags", and
// what each removes from the store. The recent lists are keys (registry) or sections (INI)
// of their own, and the filter history has a data file: the platform removes those.

#include <cstdint>
#include <string_view>

#include "settings/settings_store.h"

namespace scrv {

constexpr size_t kClearHistoryChoices = 10;
constexpr uint32_t kDefaultClearHistoryFlags = 127;
// The rows' labels, in choice order.
extern const uint16_t kClearHistoryLabels[kClearHistoryChoices];

// What clearing needs beyond values of "Common".
class HistoryRemover {
 public:
  virtual ~HistoryRemover() = default;
  // The "Recent ... List" key or section.
  virtual void RemoveRecentList(std::u16string_view name) = 0;
  // The data file of the filter history.
  virtual void DeleteFilterData() = 0;
};

// Clears what `flags` choose: the values of choices 5, 9 and 6 through `common` (open for
// writing), then the recent lists of choices 0 to 4, then the filter history's data file.
void ClearHistories(SettingsStore& store, SettingsHandle common, uint32_t flags,
                    HistoryRemover& remover);

}  // namespace scrv
