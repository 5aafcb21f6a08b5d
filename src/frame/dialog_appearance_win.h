#pragma once
// The dialogs' look on the real platform: the application icon of the image module by the
// "IconDesign" setting, and the dark application theme with the system's own choice behind it.

#include <windows.h>

#include "frame/dialog_appearance.h"

namespace scrv {

// Icon 128 or 129 of the image module, by "IconDesign" in "Common".
UINT DialogIconId();
// "AppTheme" in "Common", and for 0 the system's "AppsUseLightTheme".
bool IsDarkTheme();

// The caption's big icon (WM_SETICON, ICON_BIG). Missing icons leave the dialog without one.
void SetBigIcon(HWND dialog);
// Puts the icon into static control 1920 at the system icon size times the window's scale.
// Returns the icon, which the caller destroys once the dialog is gone; null when missing.
HICON SetDialogIcon(HWND dialog);

// The colours of edit fields and lists: the dark theme's or the system's.
struct ControlColors {
  COLORREF text;
  COLORREF background;
};
ControlColors EditColors(bool dark);

}  // namespace scrv
