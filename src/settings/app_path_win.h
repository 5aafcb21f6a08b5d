#pragma once
// Paths the user configures: environment variables, the "$(AppDir)" placeholder for the host
// program's folder, and relative paths made absolute; and the folder of macro files.

#include <string>
#include <string_view>

namespace scrv {

// `path` (cut to 259 characters) with its environment variables expanded and every
// "$(AppDir)" replaced by the folder of the host program's executable. When nothing was
// replaced and the path is relative and not a URL, it is combined with `baseFolder` and
// canonicalised; empty when that does not fit a path. At most 259 characters.
std::wstring ExpandAppPath(std::wstring_view path, std::wstring_view baseFolder);

// The folder of macro files: "MacroFolder" of "Common" when set, else the user's documents
// folder plus "My Macros" (registry mode) or the application folder (INI mode); with its
// environment variables expanded and, when relative and not a URL, made absolute against the
// application folder.
std::wstring GetMacroFolder();

}  // namespace scrv
