#pragma once
// The dialogs' look on the real platform: the application icon of the image module by the
// "IconDesign" setting, and the dark application theme with the system's own choice behind it.

#include <windows.h>

#include "frame/dialog_appearance.h"

namespace scrv {

// Icon 128 or 129 of the image module, by "IconDesign" in "Common".
UINT DialogIconId(SettingsStore& settings);
// Whether the system's high-contrast mode is on (SPI_GETHIGHCONTRAST). While it is, the dark
// theme and every colour of the library's own give way to the system colours; asked when a
// dialog opens, when the system says its colours or settings changed, and as controls paint.
bool HighContrastOn();
// "AppTheme" in "Common", and for 0 the system's "AppsUseLightTheme"; never while high
// contrast is on.
bool IsDarkTheme(SettingsStore& settings);
bool IsDarkTheme();
// The system's "AppsUseLightTheme"; nullopt when the key or value is missing.
std::optional<uint32_t> SystemAppsUseLightTheme();

// The caption's icons (WM_SETICON, ICON_BIG, and the same icon's small image as ICON_SMALL).
// Missing icons leave the dialog without one.
void SetBigIcon(HWND dialog, SettingsStore& settings);
// The caption icons, and the dialog icons of each size, are loaded once per image module;
// forgotten (the dialog icons destroyed) when the module is freed.
void ForgetAppIcons();
// Puts the icon into static control 1920 at the system icon size times the window's scale.
// The icon stays the library's; false when it is missing.
bool SetDialogIcon(HWND dialog);

// The colours of edit fields and lists: the dark theme's or the system's.
struct ControlColors {
  COLORREF text;
  COLORREF background;
};
ControlColors EditColors(bool dark);
// The colour of a link's text on the dialog's face.
COLORREF LinkColor(bool dark);

}  // namespace scrv
