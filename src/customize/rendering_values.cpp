#include "customize/rendering_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <span>

#include "settings/flag_table.h"

namespace scrv {
namespace {

// The page's stored values, each named once.
namespace key {
constexpr std::u16string_view UseDirectWrite = u"UseDirectWrite";
constexpr std::u16string_view AntialiasingMode = u"AntialiasingMode";
constexpr std::u16string_view RenderingMode = u"RenderingMode";
constexpr std::u16string_view Gamma = u"Gamma";
constexpr std::u16string_view Contrast = u"Contrast";
constexpr std::u16string_view CleartypeLevel = u"CleartypeLevel";
constexpr std::u16string_view FastDraw = u"FastDraw";
constexpr std::u16string_view UseColorFonts = u"UseColorFonts";
constexpr std::u16string_view DwFontFallback = u"DwFontFallback";
}  // namespace key

constexpr uint32_t kAntialiasValues[] = {1, 2, 3};
constexpr uint32_t kModeValues[] = {0, 2, 3, 4, 5, 6};
constexpr float kMinGamma = 0.001f;
constexpr float kMaxGamma = 3.0f;
constexpr float kMaxContrast = 3.0f;
constexpr float kMaxLevel = 1.0f;

float StoredFraction(SettingsStore& store, SettingsHandle h, std::u16string_view key, float def,
                     float lo, float hi) {
  const auto stored =
      static_cast<int32_t>(store.ReadDword(h, key, static_cast<uint32_t>(Thousandths(def))));
  return std::clamp(static_cast<float>(stored) / 1000.0f, lo, hi);
}

int ItemOf(std::span<const uint32_t> values, uint32_t value) {
  auto it = std::find(values.begin(), values.end(), value);
  return it == values.end() ? -1 : static_cast<int>(it - values.begin());
}

int Position(float value, double step, int last) {
  return std::clamp(static_cast<int>(std::lround(value / step)), 0, last);
}

bool SameValues(const RenderingValues& a, const RenderingValues& b) {
  return a.directWrite == b.directWrite && a.automatic == b.automatic &&
         a.antialiasing == b.antialiasing && a.renderingMode == b.renderingMode &&
         Thousandths(a.gamma) == Thousandths(b.gamma) &&
         Thousandths(a.contrast) == Thousandths(b.contrast) &&
         Thousandths(a.clearTypeLevel) == Thousandths(b.clearTypeLevel);
}

// A value written, or deleted when it equals the default.
void WriteMinimal(SettingsStore& store, SettingsHandle h, std::u16string_view key, uint32_t value,
                  uint32_t def) {
  if (value == def)
    store.DeleteValue(h, key, false);
  else
    store.WriteDword(h, key, value);
}

}  // namespace

int32_t Thousandths(float value) {
  return static_cast<int32_t>(static_cast<double>(value) * 1000.0 + 1e-3);
}

void RenderingModel::Load(SettingsStore& store, SettingsHandle h, const FlagTable& flags,
                          const System& sys) {
  system = sys;
  const RenderingDefaults& d = sys.defaults;
  fallback = store.ReadStringList(h, key::DwFontFallback);
  loadedFallback = fallback;
  values = {};
  values.directWrite = store.ReadDword(h, key::UseDirectWrite, d.directWrite) != 0 ? 1 : 0;
  if (sys.packaged) values.directWrite = 0;
  values.automatic = ReadFlag(store, flags, h, flag::kAutodetectDWSettings) ? 1 : 0;
  values.antialiasing = store.ReadDword(h, key::AntialiasingMode, d.antialiasing);
  if (values.antialiasing < 1 || values.antialiasing > 3) values.antialiasing = d.antialiasing;
  values.renderingMode = store.ReadDword(h, key::RenderingMode, d.renderingMode);
  if (values.renderingMode > 6) values.renderingMode = d.renderingMode;
  if (values.antialiasing == 1 && values.renderingMode == 6) values.renderingMode = 0;
  values.gamma = StoredFraction(store, h, key::Gamma, d.gamma, kMinGamma, kMaxGamma);
  values.contrast = StoredFraction(store, h, key::Contrast, d.contrast, 0, kMaxContrast);
  values.clearTypeLevel =
      StoredFraction(store, h, key::CleartypeLevel, d.clearTypeLevel, 0, kMaxLevel);
  values.loaded = 1;
  loadedValues = values;
  fastDrawOff = store.ReadDword(h, key::FastDraw, d.directWrite) == 0;
  colorFonts = sys.colorFontsDefault &&
               store.ReadDword(h, key::UseColorFonts, sys.colorFontsDefault ? 1 : 0) != 0;
  loadedFastDrawOff = fastDrawOff;
  loadedColorFonts = colorFonts;
  hasLoaded = true;
}

void RenderingModel::Reset() {
  const RenderingDefaults& d = system.defaults;
  values.gamma = d.gamma;
  values.contrast = d.contrast;
  values.clearTypeLevel = d.clearTypeLevel;
  values.antialiasing = d.antialiasing;
  values.renderingMode = d.renderingMode;
  values.directWrite = system.packaged ? 0 : d.directWrite;
  fastDrawOff = true;
  colorFonts = system.colorFontsDefault;
  fallback.clear();
}

RenderingControls RenderingModel::Controls() const {
  RenderingControls c;
  c.directWrite = values.directWrite != 0;
  c.automatic = values.automatic != 0;
  c.colorFonts = colorFonts;
  c.fastDrawOff = fastDrawOff;
  c.antialiasItem = ItemOf(kAntialiasValues, values.antialiasing);
  c.modeItem = ItemOf(kModeValues, values.renderingMode);
  c.gammaPos = values.gamma <= kMinGamma ? 0 : Position(values.gamma, 0.1, kGammaPositions);
  c.contrastPos = Position(values.contrast, 0.06, kContrastPositions);
  c.levelPos = Position(values.clearTypeLevel, 0.02, kLevelPositions);
  return c;
}

void RenderingModel::SetControls(const RenderingControls& c) {
  const RenderingDefaults& d = system.defaults;
  values.directWrite = c.directWrite ? 1 : 0;
  values.automatic = c.automatic ? 1 : 0;
  colorFonts = c.colorFonts;
  fastDrawOff = c.fastDrawOff;
  values.antialiasing = c.antialiasItem >= 0 && c.antialiasItem < 3
                            ? kAntialiasValues[c.antialiasItem]
                            : d.antialiasing;
  if (values.antialiasing == 3) {
    values.renderingMode = 0;
  } else if (c.modeItem < 0 || c.modeItem >= static_cast<int>(std::size(kModeValues)) ||
             (values.antialiasing == 1 && kModeValues[c.modeItem] == 6)) {
    values.renderingMode = d.renderingMode;
  } else {
    values.renderingMode = kModeValues[c.modeItem];
  }
  if (c.gammaPos == 0)
    values.gamma = kMinGamma;
  else if (c.gammaPos >= 1 && c.gammaPos <= kGammaPositions)
    values.gamma = static_cast<float>(c.gammaPos * 0.1);
  else
    values.gamma = d.gamma;
  values.contrast = c.contrastPos >= 0 && c.contrastPos <= kContrastPositions
                        ? static_cast<float>(c.contrastPos * 0.06)
                        : d.contrast;
  values.clearTypeLevel = c.levelPos >= 0 && c.levelPos <= kLevelPositions
                              ? static_cast<float>(c.levelPos * 0.02)
                              : d.clearTypeLevel;
}

uint64_t RenderingModel::Save(SettingsStore& store, SettingsHandle h,
                              const FlagTable& flags) const {
  uint64_t bits = 0;
  if (fallback != loadedFallback) {
    store.WriteStringList(h, key::DwFontFallback, fallback);
    bits = 0x800004000;
  }
  if (fastDrawOff != loadedFastDrawOff || colorFonts != loadedColorFonts) {
    store.WriteDword(h, key::FastDraw, fastDrawOff ? 0 : 1);
    store.WriteDword(h, key::UseColorFonts, colorFonts ? 1 : 0);
    bits |= 0x4000;
  }
  if (!SameValues(values, loadedValues)) {
    store.WriteDword(h, key::UseDirectWrite, values.directWrite);
    WriteFlag(store, flags, h, flag::kAutodetectDWSettings, values.automatic);
    store.WriteDword(h, key::AntialiasingMode, values.antialiasing);
    store.WriteDword(h, key::RenderingMode, values.renderingMode);
    store.WriteDword(h, key::Gamma, static_cast<uint32_t>(Thousandths(values.gamma)));
    store.WriteDword(h, key::Contrast, static_cast<uint32_t>(Thousandths(values.contrast)));
    store.WriteDword(h, key::CleartypeLevel,
                     static_cast<uint32_t>(Thousandths(values.clearTypeLevel)));
    bits |= 0x800000000;
  }
  return bits;
}

void RenderingModel::WriteBack(SettingsStore& store, SettingsHandle h,
                               const FlagTable& flags) const {
  if (!hasLoaded) return;
  const RenderingDefaults& d = system.defaults;
  const RenderingValues& v = loadedValues;
  WriteMinimal(store, h, key::UseDirectWrite, v.directWrite, d.directWrite);
  WriteMinimal(store, h, key::AntialiasingMode, v.antialiasing, d.antialiasing);
  WriteMinimal(store, h, key::RenderingMode, v.renderingMode, d.renderingMode);
  WriteMinimal(store, h, key::Gamma, static_cast<uint32_t>(Thousandths(v.gamma)),
               static_cast<uint32_t>(Thousandths(d.gamma)));
  WriteMinimal(store, h, key::Contrast, static_cast<uint32_t>(Thousandths(v.contrast)),
               static_cast<uint32_t>(Thousandths(d.contrast)));
  WriteMinimal(store, h, key::CleartypeLevel, static_cast<uint32_t>(Thousandths(v.clearTypeLevel)),
               static_cast<uint32_t>(Thousandths(d.clearTypeLevel)));
  if (loadedFastDrawOff)
    store.DeleteValue(h, key::FastDraw, false);
  else
    store.WriteDword(h, key::FastDraw, 1);
  WriteMinimal(store, h, key::UseColorFonts, loadedColorFonts ? 1 : 0,
               system.colorFontsDefault ? 1 : 0);
  WriteFlag(store, flags, h, flag::kAutodetectDWSettings, v.automatic);
  store.WriteStringList(h, key::DwFontFallback, loadedFallback);
}

std::u16string SliderLabel(int position, int range, double maximum, int decimals) {
  char text[32] = {};
  const double value = range > 0 ? position * maximum / range : 0;
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return std::u16string(text, text + std::strlen(text));
}

}  // namespace scrv
