// Dialog base, help, message boxes, resource modules.
#pragma once

// Icons and bitmaps of the image module.
#define IDI_APP_COLOR 128
#define IDI_APP_MONO 129

// Controls several dialogs share.
#define IDC_SIZE_GRIP 100
#define IDC_DIALOG_ICON 1920
