#pragma once
// Whether the text of a file the user chose to read is text at all: a file of another kind
// (an image, a program, an archive) decodes to zero units and control characters, and is
// refused as a damaged file rather than read as lines of garbage.

#include <string_view>

namespace scrv {

// True when `text` (a whole file, decoded) holds a zero unit before its trailing zeros, or when
// more than one unit in 32, and at least two, are control characters other than TAB, LF, VT,
// FF, CR and ESC or unpaired surrogates. A text that merely holds a control character here and
// there (a condition searching for one, say) passes.
bool LooksLikeBinary(std::u16string_view text);

}  // namespace scrv
