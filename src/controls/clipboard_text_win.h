#pragma once
// The clipboard's Unicode text, put and taken whole.

#include <windows.h>

#include <optional>
#include <string>

namespace scrv {

// Replaces the clipboard's contents by `text`; false when the clipboard cannot be had.
bool PutClipboardText(HWND owner, const std::u16string& text);
// The clipboard's Unicode text up to its first zero (or the end of its block); nothing when
// the clipboard holds none or cannot be opened.
std::optional<std::u16string> GetClipboardText(HWND owner);

}  // namespace scrv
