#pragma once
// Images from bitmap strips of the image module: square frames side by side, drawn for 16
// pixels at 96 DPI, with magenta (255, 0, 255) as the transparent colour. Each frame is fitted
// to the image list's size (see state_image.h), transparent both through a mask and through the
// alpha channel, whichever the list draws with.

#include <windows.h>
#include <commctrl.h>

namespace scrv {

// Appends the strip's frames to `list` at the list's image size; false when the bitmap is
// missing, is not a strip of square frames, or a frame could not be added.
bool AddStripImages(HIMAGELIST list, HMODULE module, int bitmapId);

// Appends `icon` to `list`; the icon stays the caller's. An icon of the list's size is added
// through its own bitmaps, which costs the platform far less than drawing it into the list
// (under Wine, some forty round trips to the server less per icon); any other is drawn.
bool AddIconImage(HIMAGELIST list, HICON icon);

// A one-column report list whose rows show images of a strip: the column fills the list and
// the strip becomes the list's small images, at the system's small icon size.
void SetUpImageRows(HWND list, HMODULE module, int bitmapId);

}  // namespace scrv
