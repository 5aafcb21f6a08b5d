#pragma once
// String literals for the macro statements the tool dialogs write (filter conditions, joins).

#include <string>
#include <string_view>

namespace scrv {

enum class MacroLanguage { kJavaScript, kVBScript };

// The text as a double-quoted literal of the language. JavaScript escapes control characters,
// the double quote, DEL and the apostrophe as "\xNN" and doubles the backslash; VBScript has no
// escapes, so those characters leave the quoted run as Chr(n) terms joined with "&".
std::u16string MacroStringLiteral(std::u16string_view text, MacroLanguage language);

}  // namespace scrv
