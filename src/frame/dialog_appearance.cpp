#include "frame/dialog_appearance.h"

#include <algorithm>
#include <cmath>

#include "settings/small_value_table.h"

namespace scrv {
namespace {

// The relative luminance of an sRGB colour.
double Luminance(uint32_t colorref) {
  const auto channel = [](uint32_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colorref & 0xFF) + 0.7152 * channel((colorref >> 8) & 0xFF) +
         0.0722 * channel((colorref >> 16) & 0xFF);
}

}  // namespace

double ContrastRatio(uint32_t a, uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

uint32_t DialogIconId(SettingsStore& settings, bool packaged) {
  return settings.ReadCommonDword(kIconDesignKey, IconDesignDefault(packaged)) ? kAppIconCurrent
                                                                               : kAppIconClassic;
}

bool IsDarkTheme(SettingsStore& settings,
                 const std::function<std::optional<uint32_t>()>& systemAppsUseLightTheme) {
  uint32_t theme = ReadCommonSmallValue(settings, small_value::kAppTheme);
  if (theme != 0) return theme == 2;
  if (!systemAppsUseLightTheme) return false;
  std::optional<uint32_t> light = systemAppsUseLightTheme();
  return light && *light == 0;
}

}  // namespace scrv
