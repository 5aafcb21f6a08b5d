#pragma once
// Gives the captions of a dialog's or page's controls the empty room beside them when they are
// longer than the control (a language with longer texts than the template's): see
// frame/caption_room.h. Nothing moves when every caption fits.

#include <windows.h>

namespace scrv {

void GiveCaptionsRoom(HWND parent);

}  // namespace scrv
