#pragma once
// What the dialog base decides about its look from the settings: the application icon's
// design and the dark application theme with its colours.

#include <cstdint>
#include <functional>
#include <optional>

#include "frame_ids.h"
#include "settings/settings_store.h"

namespace scrv {

// Icons of the image module.
constexpr uint32_t kAppIconCurrent = IDI_APP_COLOR;
constexpr uint32_t kAppIconClassic = IDI_APP_MONO;

// "IconDesign" in "Common": nonzero (the default of an unpackaged installation) gives icon
// 128, 0 (the packaged default) icon 129.
uint32_t DialogIconId(SettingsStore& settings, bool packaged);

// COLORREF values (red in the low byte) of edit fields and lists in the dark theme.
constexpr uint32_t kDarkTextColor = 0xE0FFFC;
constexpr uint32_t kDarkBackgroundColor = 0x262D30;
// The dark theme's dialog face and what the dialog base draws on it.
constexpr uint32_t kDarkFaceColor = 0x202020;
constexpr uint32_t kDarkButtonColor = 0x333333;
constexpr uint32_t kDarkPressedColor = 0x4A4A4A;
constexpr uint32_t kDarkBorderColor = 0x6B6B6B;
constexpr uint32_t kDarkAccentColor = 0xD77800;  // the default button's frame, the chosen tab
constexpr uint32_t kDarkDisabledTextColor = 0x858585;
constexpr uint32_t kDarkHeaderColor = 0x2B2B2B;

// "AppTheme" in "Common" (default 1): 2 is dark, any other nonzero value light, 0 follows the
// system, which is dark exactly when its "AppsUseLightTheme" value reads 0. The system value
// is asked for only when needed; nullopt means the key or value is missing (light).
bool IsDarkTheme(SettingsStore& settings,
                 const std::function<std::optional<uint32_t>()>& systemAppsUseLightTheme);

}  // namespace scrv
