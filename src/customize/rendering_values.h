#pragma once
// The Rendering page's values: the host's defaults, the working values the page previews and
// saves, their copies as loaded, and the rules between the stored values, the controls and the
// store. The working rendering values are also the block the host applies as a preview.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace scrv {

class FlagTable;

// What the host answers when asked for its defaults.
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

// The block sent with a preview.
struct RenderingValues {
  float gamma = 0;
  float contrast = 0;
  float clearTypeLevel = 0;
  uint32_t antialiasing = 1;   // 1, 2 or 3
  uint32_t renderingMode = 0;  // 0 to 6
  uint8_t directWrite = 0;
  uint8_t automatic = 0;
  uint8_t loaded = 0;
  uint8_t reserved = 0;
};
static_assert(sizeof(RenderingValues) == 24);

// The controls' state, as the page reads and sets them.
struct RenderingControls {
  bool directWrite = false, automatic = false, colorFonts = false, fastDrawOff = false;
  int antialiasItem = -1;  // the combo's selection, -1 for none
  int modeItem = -1;
  int gammaPos = 0, contrastPos = 0, levelPos = 0;
};

constexpr int kGammaPositions = 30;
constexpr int kContrastPositions = 50;
constexpr int kLevelPositions = 50;

class RenderingModel {
 public:
  // What the system decides: the host's defaults, a packaged installation (DirectWrite off),
  // and the default of colour fonts (on from system version 6.3, which also allows them).
  struct System {
    RenderingDefaults defaults;
    bool packaged = false;
    bool colorFontsDefault = true;
  };

  void Load(SettingsStore& store, SettingsHandle h, const FlagTable& flags, const System& system);
  // The defaults button: the host's defaults, precise drawing, colour fonts by the system and
  // no fallback families.
  void Reset();

  RenderingControls Controls() const;
  void SetControls(const RenderingControls& c);

  // The save step: writes what changed and answers its change bits.
  uint64_t Save(SettingsStore& store, SettingsHandle h, const FlagTable& flags) const;
  // Puts the values as loaded back after a preview, a value equal to its default deleted.
  void WriteBack(SettingsStore& store, SettingsHandle h, const FlagTable& flags) const;

  RenderingValues values, loadedValues;
  bool fastDrawOff = false, loadedFastDrawOff = false;
  bool colorFonts = false, loadedColorFonts = false;
  std::vector<std::u16string> fallback, loadedFallback;
  bool applied = false;  // a change was previewed
  bool hasLoaded = false;
  System system;
};

// A slider's value label: position / range x maximum with `decimals` digits.
std::u16string SliderLabel(int position, int range, double maximum, int decimals);
// A value in the thousandths it is stored in (float noise below a thousandth ignored).
int32_t Thousandths(float value);

}  // namespace scrv
