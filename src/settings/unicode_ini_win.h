#pragma once
// The profile functions keep an INI file in the encoding it already has and write a new one in
// the ANSI code page. A file that must hold UTF-16 text is therefore created first, holding
// only the UTF-16LE byte-order mark.

#include <string>

namespace scrv {

// Creates `path` with the bytes FF FE when it does not exist; true when a file (not a folder)
// exists there afterwards.
bool EnsureUnicodeIni(const std::wstring& path);

}  // namespace scrv
