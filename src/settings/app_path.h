#pragma once
// Path text of the settings store that needs no file system: the "$(AppDir)" placeholder of
// configured paths, folder joins and the parts of a path the application-data folder is built
// from. Paths use backslashes, as the platform writes them.

#include <string>
#include <string_view>

namespace scrv {

// Every "$(AppDir)" (case-sensitive) replaced by `appDir`. `replaced` (when given) tells
// whether there was any.
std::u16string ReplaceAppDir(std::u16string_view path, std::u16string_view appDir,
                             bool* replaced = nullptr);

// "C:\" for a path that begins with a drive letter and a colon; empty otherwise.
std::u16string DriveRoot(std::u16string_view path);

// `folder` and `name` with exactly one backslash between them; an empty side gives the other.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);

// The folder of a file path: everything before the last backslash (or slash), keeping the one
// of a drive root ("C:\x.exe" gives "C:\"); a name without a folder gives an empty text.
std::u16string RemoveFileName(std::u16string_view path);

// A folder without its trailing backslash, except a drive root ("C:\") which keeps it.
std::u16string WithoutTrailingBackslash(std::u16string_view folder);

}  // namespace scrv
