#pragma once
// Rows of a list as clipboard text: one line per row, each ended by CR LF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scrv {

// The text of a clipboard block of `bytes` bytes (CF_UNICODETEXT): its UTF-16 units up to the
// first NUL, or to the end of the block when it holds none; an odd last byte is not a unit.
// Nothing beyond the block is read, whatever the block holds.
std::u16string ClipboardBlockText(const void* block, size_t bytes);

// Every row followed by CR LF (an empty list gives empty text).
std::u16string JoinClipboardRows(const std::vector<std::u16string>& rows);

// The lines of clipboard text: split at CR LF, a lone LF or a lone CR; the text ends at its
// first NUL; a final line break does not start another (empty) row.
std::vector<std::u16string> SplitClipboardRows(std::u16string_view text);

}  // namespace scrv
