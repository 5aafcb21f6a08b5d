#pragma once
// Path arithmetic on text, the way the shell's path functions do it, without touching the file
// system: canonical form, relative paths between folders, URLs and file names. Paths use
// backslashes; a root is a drive ("C:\") or a share ("\\server\share").

#include <optional>
#include <string>
#include <string_view>

#include "frame/text_case.h"

namespace scrv {

// A scheme of two or more characters followed by a colon ("http:", "file:"); a drive letter is
// not a scheme.
bool IsUrl(std::u16string_view path);
// Begins with a drive and a backslash, or with two backslashes (a share).
bool IsAbsolutePath(std::u16string_view path);

// "." parts removed and every ".." part taking the part before it away, never the root; a
// trailing backslash is kept only on a root. Relative paths stay relative (leading ".." parts
// are kept).
std::u16string CanonicalizePath(std::u16string_view path);

// `path` relative to `folder` (both absolute): ".\" and the rest when it lies inside the
// folder, else one "..\" per folder level left and the rest. Nothing when the two have no root
// in common. Parts are compared without regard to case.
std::optional<std::u16string> RelativePath(std::u16string_view folder, std::u16string_view path,
                                           const TextCase& tc);

// The part after the last backslash or slash.
std::u16string_view FileNameOf(std::u16string_view path);
// The file name without its last extension (".dll").
std::u16string_view FileTitleOf(std::u16string_view path);

}  // namespace scrv
