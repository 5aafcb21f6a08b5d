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

// A one-column report list whose rows show images of a strip: the column fills the list and
// the strip becomes the list's small images, at the system's small icon size.
void SetUpImageRows(HWND list, HMODULE module, int bitmapId);

}  // namespace scrv
