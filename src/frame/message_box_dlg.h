#pragma once
// The library's own message box (message_box_layout.h) on the real platform: shown instead of
// the task dialog where the dialogs' look must hold, painted by the dialog frame like every
// other dialog. It answers the task dialog's click messages (TDM_CLICK_BUTTON,
// TDM_CLICK_RADIO_BUTTON, TDM_CLICK_VERIFICATION) as the task dialog does.

#include <windows.h>

#include "frame/message_box_model.h"

namespace scrv {

// Runs `request` over `owner` (null: none); the result as the task dialog reports it, the
// button 0 when the dialog could not be shown.
TaskDialogResult RunOwnMessageBox(HWND owner, const TaskDialogRequest& request);

}  // namespace scrv
