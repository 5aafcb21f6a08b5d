#pragma once
// Image lists made from bitmap strips of the image module: square frames side by side, drawn
// for 16 pixels at 96 DPI, with magenta (255, 0, 255) as the transparent colour. Each frame is
// fitted to the list's image size the way the check list's state images are.

#include <windows.h>
#include <commctrl.h>

namespace scrv {

// The strip's frames as images of `size` × `size` pixels; null when the bitmap is missing or
// not a strip of square frames.
HIMAGELIST LoadImageStrip(HMODULE module, int bitmapId, int size);

}  // namespace scrv
