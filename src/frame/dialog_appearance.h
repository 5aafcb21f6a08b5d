#pragma once
// What the dialog base decides about its look from the settings: the application icon's
// design and the dark application theme with its colours.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "frame_ids.h"
#include "settings/settings_store.h"

namespace scrv {

// Icons of the image module.
constexpr uint32_t kAppIconCurrent = IDI_APP_COLOR;
constexpr uint32_t kAppIconClassic = IDI_APP_MONO;

// "IconDesign" in "Common": nonzero (the default of an unpackaged installation) gives icon
// 128, 0 (the packaged default) icon 129.
constexpr std::u16string_view kIconDesignKey = u"IconDesign";
constexpr uint32_t IconDesignDefault(bool packaged) {
  return packaged ? 0 : 1;
}
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
// Grey enough to read as disabled beside the text colour, light enough to be read on every
// background it is drawn on (see kDarkColourPairs).
constexpr uint32_t kDarkDisabledTextColor = 0xA6A6A6;
constexpr uint32_t kDarkHeaderColor = 0x2B2B2B;
// The frame of a check box or radio button: lighter than a control's frame, so that the box is
// found at a glance, and dimmed to the border colour when disabled.
constexpr uint32_t kDarkCheckFrameColor = 0xA0A0A0;
// Context menus: their background, and the line of a separator (also the frame of a disabled
// item reached with the keyboard); a highlighted item takes the pressed colour.
constexpr uint32_t kDarkMenuColor = 0x2B2B2B;
constexpr uint32_t kDarkMenuLineColor = 0x767676;
// Links (an address the user can open): blue on the light face, a light blue on the dark one.
constexpr uint32_t kLinkColor = 0xFF0000;
constexpr uint32_t kDarkLinkColor = 0xFFB45A;
// The light theme's default face, for the one colour of our own drawn on it (the link).
constexpr uint32_t kLightFaceColor = 0xF0F0F0;

// Every pair of colours the library draws one on the other in the dark theme, with what it is
// for. Text must reach a contrast ratio of 4.5:1 against its background; large text and the
// parts of a control that are no text (an arrow, a frame that shows where a control is) 3:1.
constexpr uint32_t kNotDisabled = 0xFFFFFFFF;
struct ColourPair {
  const char* use;
  uint32_t foreground;
  uint32_t background;
  bool large;  // large text or a graphic: 3:1 is enough
  // For a disabled element, its foreground while enabled (on the same background).
  uint32_t enabledForeground = kNotDisabled;
};
inline constexpr ColourPair kDarkColourPairs[] = {
    {"edit and list text", kDarkTextColor, kDarkBackgroundColor, false},
    {"disabled edit and list text", kDarkDisabledTextColor, kDarkBackgroundColor, false,
     kDarkTextColor},
    {"label, check box and radio caption", kDarkTextColor, kDarkFaceColor, false},
    {"disabled label and caption", kDarkDisabledTextColor, kDarkFaceColor, false, kDarkTextColor},
    {"push button caption", kDarkTextColor, kDarkButtonColor, false},
    {"pressed push button caption", kDarkTextColor, kDarkPressedColor, false},
    {"disabled push button caption", kDarkDisabledTextColor, kDarkButtonColor, false,
     kDarkTextColor},
    {"list header", kDarkTextColor, kDarkHeaderColor, false},
    {"disabled list header", kDarkDisabledTextColor, kDarkHeaderColor, false, kDarkTextColor},
    {"tab caption", kDarkTextColor, kDarkHeaderColor, false},
    {"chosen tab caption", kDarkTextColor, kDarkButtonColor, false},
    {"selected row of a list or tree without the focus", kDarkTextColor, kDarkPressedColor, false},
    {"disabled list or tree (the face)", kDarkDisabledTextColor, kDarkFaceColor, false,
     kDarkTextColor},
    {"combo box arrow", kDarkTextColor, kDarkButtonColor, true},
    {"disabled combo box arrow", kDarkDisabledTextColor, kDarkButtonColor, true, kDarkTextColor},
    {"control frame on the face", kDarkBorderColor, kDarkFaceColor, true},
    {"check box and radio button frame", kDarkCheckFrameColor, kDarkFaceColor, true},
    {"disabled check box and radio button frame", kDarkBorderColor, kDarkFaceColor, true,
     kDarkCheckFrameColor},
    {"check mark and radio dot", kDarkTextColor, kDarkBackgroundColor, true},
    {"pressed check box's mark", kDarkTextColor, kDarkPressedColor, true},
    {"disabled check mark and radio dot", kDarkDisabledTextColor, kDarkFaceColor, true,
     kDarkTextColor},
    {"tooltip text", kDarkTextColor, kDarkButtonColor, false},
    {"default button and chosen tab frame", kDarkAccentColor, kDarkFaceColor, true},
    {"size grip", kDarkBorderColor, kDarkFaceColor, true},
    {"menu item and its check mark", kDarkTextColor, kDarkMenuColor, false},
    {"highlighted menu item", kDarkTextColor, kDarkPressedColor, false},
    {"disabled menu item", kDarkDisabledTextColor, kDarkMenuColor, false, kDarkTextColor},
    {"menu separator and disabled item's highlight frame", kDarkMenuLineColor, kDarkMenuColor,
     true},
    {"link", kDarkLinkColor, kDarkFaceColor, false},
    {"link in the light theme", kLinkColor, kLightFaceColor, false},
};
// What the dark theme shows disabled must still look disabled: its contrast with its background
// at most this fraction of the enabled element's.
constexpr double kDisabledContrastShare = 0.6;

// The contrast ratio of two COLORREF values (red in the low byte): (L1 + 0.05) / (L2 + 0.05) of
// their relative luminances, the lighter one above; 1 for equal colours, 21 for black on white.
double ContrastRatio(uint32_t a, uint32_t b);

// "AppTheme" in "Common" (default 1): 2 is dark, any other nonzero value light, 0 follows the
// system, which is dark exactly when its "AppsUseLightTheme" value reads 0. The system value
// is asked for only when needed; nullopt means the key or value is missing (light).
bool IsDarkTheme(SettingsStore& settings,
                 const std::function<std::optional<uint32_t>()>& systemAppsUseLightTheme);

}  // namespace scrv
