#pragma once
// Rows of a list as clipboard text: one line per row, each ended by CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace scrv {

// Every row followed by CR LF (an empty list gives empty text).
std::u16string JoinClipboardRows(const std::vector<std::u16string>& rows);

// The lines of clipboard text: split at CR LF, a lone LF or a lone CR; the text ends at its
// first NUL; a final line break does not start another (empty) row.
std::vector<std::u16string> SplitClipboardRows(std::u16string_view text);

}  // namespace scrv
