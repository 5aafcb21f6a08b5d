#pragma once
// The clipboard's Unicode text, as the dialogs' copy and paste commands use it.

#include <windows.h>

#include <optional>
#include <string>

namespace scrv {

// Puts `text` (and its terminating zero) on the clipboard as Unicode text; false when the
// clipboard cannot be opened or the block cannot be had.
bool PutClipboardText(HWND owner, const std::u16string& text);

// The clipboard's Unicode text up to its first zero (or the end of its block); nothing when
// the clipboard holds none or cannot be opened.
std::optional<std::u16string> GetClipboardText(HWND owner);

}  // namespace scrv
