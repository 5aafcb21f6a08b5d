#include "frame/dialog_appearance.h"

#include "settings/small_value_table.h"

namespace scrv {

uint32_t DialogIconId(SettingsStore& settings, bool packaged) {
  return settings.ReadCommonDword(u"IconDesign", packaged ? 0 : 1) ? kAppIconCurrent
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
