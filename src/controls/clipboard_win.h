#pragma once
// The clipboard's Unicode text, for the lists that copy and paste rows as lines.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace scrv {

// The clipboard's CF_UNICODETEXT, read within its memory block (see ClipboardBlockText);
// nothing when the clipboard holds no text or cannot be opened.
std::optional<std::u16string> ReadClipboardText(HWND owner);

// Replaces the clipboard's contents by `text` (CF_UNICODETEXT, terminated); false when the
// clipboard cannot be opened or the block cannot be made.
bool WriteClipboardText(HWND owner, std::u16string_view text);

}  // namespace scrv
