#pragma once
// Word boundaries of an edit control's text for Ctrl+Delete and Ctrl+Backspace.
//
// A word is a run of characters of one kind: word characters (letters, digits, underscore and
// any character beyond ASCII that is not a blank or a punctuation mark listed here), or
// punctuation. Blanks separate words and go with the word before them.

#include <string_view>

#include "controls/text_range.h"

namespace scrv {

// From `caret`: past the rest of the word there (if any), then past the blanks after it.
size_t NextWordBoundary(std::u16string_view text, size_t caret);
// From `caret` backwards: past the blanks before it, then to the start of the word before.
size_t PreviousWordBoundary(std::u16string_view text, size_t caret);

// What Ctrl+Delete (`forward`) or Ctrl+Backspace removes: the selection when there is one,
// else the text between the caret (the selection's end) and the neighbouring word boundary.
// Positions beyond the text are pulled back to its end.
TextRange WordDeletionRange(std::u16string_view text, TextRange selection, bool forward);

}  // namespace scrv
