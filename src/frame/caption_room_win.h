#pragma once
// Gives the captions of a dialog's or page's controls the empty room beside them when they are
// longer than the control (a language with longer texts than the template's): see
// frame/caption_room.h. Nothing moves when every caption fits.

#include <windows.h>

namespace scrv {

void GiveCaptionsRoom(HWND parent);
// The same for a dialog made from template `templateId` of the localisation module, before its
// own initialisation has changed any caption: when every caption of the template fits its
// control, nothing is walked.
void GiveDialogCaptionsRoom(HWND dialog, UINT templateId);

}  // namespace scrv
