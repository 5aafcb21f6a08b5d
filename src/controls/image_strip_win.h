#pragma once
// Images from bitmap strips of the image module: square frames side by side, drawn for 16
// pixels at 96 DPI, with magenta (255, 0, 255) as the transparent colour. Each frame is fitted
// to the image list's size (see state_image.h), transparent both through a mask and through the
// alpha channel, whichever the list draws with.

#include <windows.h>
#include <commctrl.h>

#include <functional>

namespace scrv {

// Appends the strip's frames to `list` at the list's image size; false when the bitmap is
// missing, is not a strip of square frames, or a frame could not be added.
bool AddStripImages(HIMAGELIST list, HMODULE module, int bitmapId);

// Appends an image `draw` paints with GDI over the whole cell (the list's image size, the
// rectangle it is given); what it leaves untouched stays transparent. False when it could not
// be added.
bool AddDrawnImage(HIMAGELIST list, const std::function<void(HDC, const RECT&)>& draw);

// Appends `icon` to `list`; the icon stays the caller's. An icon of the list's size is added
// through its own bitmaps, which costs the platform far less than drawing it into the list
// (under Wine, some forty round trips to the server less per icon); any other is drawn.
bool AddIconImage(HIMAGELIST list, HICON icon);

// An icon's image, copied into a 32-bit DIB section (alpha kept), and its mask: what
// AddIconImage adds, in a form an image list takes without the screen (the icon's own image
// is a device bitmap, and asking for it, as adding it, costs trips to the display under
// Wine). For icons the library keeps; null bitmaps when the icon has no colour image.
struct IconBitmaps {
  HBITMAP color = nullptr;
  HBITMAP mask = nullptr;
  int width = 0;
  int height = 0;
};
IconBitmaps ReadIconBitmaps(HICON icon);
void FreeIconBitmaps(IconBitmaps& bitmaps);
// Appends the icon's image through `bitmaps` when they are of the list's size, else as
// AddIconImage does.
bool AddIconBitmaps(HIMAGELIST list, const IconBitmaps& bitmaps, HICON icon);

// A one-column report list whose rows show images of a strip: the column fills the list and
// the strip becomes the list's small images, at the system's small icon size.
void SetUpImageRows(HWND list, HMODULE module, int bitmapId);

}  // namespace scrv
