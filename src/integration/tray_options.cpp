#include "integration/tray_options.h"

#include <algorithm>

namespace scrv {
namespace {

struct TraySetting {
  const char16_t* name;
  uint32_t def;
};
constexpr std::array<TraySetting, kTrayClickCount> kClickSettings = {{
    {u"TrayLClick", 1},
    {u"TrayRClick", 2},
    {u"TrayMClick", 4462},
    {u"TrayLDblClk", 4096},
}};
constexpr std::array<const char16_t*, kTrayHotKeyCount> kHotKeySettings = {u"TrayHotKey",
                                                                           u"EditHotKey"};

constexpr uint8_t kKnownModifiers =
    hot_key::kShift | hot_key::kControl | hot_key::kAlt | hot_key::kExtended;

}  // namespace

const std::array<uint16_t, kTrayCommandCount> kTrayCommands = {
    4462, 4096, 4123, 4271, 4272, 4097, 4118, 4119, 4207, 4122, 4273, 4241, 4242, 4243, 4244};

int TrayEntryForValue(uint32_t value) {
  if (value < static_cast<uint32_t>(kTrayFixedEntries)) return static_cast<int>(value);
  auto it = std::find(kTrayCommands.begin(), kTrayCommands.end(), value);
  if (it == kTrayCommands.end()) return 0;
  return kTrayFixedEntries + static_cast<int>(it - kTrayCommands.begin());
}

uint32_t TrayValueForEntry(int entry) {
  if (entry < 0 || entry >= kTrayEntryCount) return 0;
  if (entry < kTrayFixedEntries) return static_cast<uint32_t>(entry);
  return kTrayCommands[static_cast<size_t>(entry - kTrayFixedEntries)];
}

uint16_t ApplyHotKeyRule(uint32_t value) {
  auto key = static_cast<uint8_t>(value & 0xFF);
  auto modifiers = static_cast<uint8_t>((value >> 8) & kKnownModifiers);
  if (key == 0) return 0;
  if (!(modifiers & hot_key::kAlt))
    modifiers =
        static_cast<uint8_t>((modifiers & hot_key::kExtended) | hot_key::kControl | hot_key::kAlt);
  return static_cast<uint16_t>(modifiers << 8 | key);
}

void TrayOptions::ApplyLeftClickRule() {
  if (!DoubleClickAllowed()) entries[kTrayDoubleClick] = 0;
}

TrayOptions DefaultTrayOptions() {
  TrayOptions o;
  for (size_t c = 0; c < kTrayClickCount; ++c)
    o.entries[c] = TrayEntryForValue(kClickSettings[c].def);
  return o;
}

TrayOptions LoadTrayOptions(SettingsStore& store) {
  TrayOptions o;
  SettingsHandle h = store.OpenCommon(false);
  for (size_t c = 0; c < kTrayClickCount; ++c)
    o.entries[c] =
        TrayEntryForValue(store.ReadDword(h, kClickSettings[c].name, kClickSettings[c].def));
  for (size_t k = 0; k < kTrayHotKeyCount; ++k)
    o.hotKeys[k] = ApplyHotKeyRule(store.ReadDword(h, kHotKeySettings[k], 0));
  store.CloseSettings(h);
  o.ApplyLeftClickRule();
  return o;
}

void SaveTrayOptions(SettingsStore& store, const TrayOptions& options) {
  SettingsHandle h = store.OpenCommon(true);
  for (size_t c = 0; c < kTrayClickCount; ++c)
    store.WriteDword(h, kClickSettings[c].name, TrayValueForEntry(options.entries[c]));
  for (size_t k = 0; k < kTrayHotKeyCount; ++k)
    store.WriteDword(h, kHotKeySettings[k], ApplyHotKeyRule(options.hotKeys[k]));
  store.CloseSettings(h);
}

}  // namespace scrv
