#pragma once
// Icons taken out of icon files (".ico", programs and libraries) at a given size.

#include <windows.h>

#include <string>
#include <vector>

namespace scrv {

// The icon at `index` of the file (a negative index names a resource number), or null.
HICON ExtractIconAt(const std::wstring& file, int index, int size);
// The icons at `indexes` of one file (null where an icon cannot be had). Indexes close to each
// other are taken in one pass over the file.
std::vector<HICON> ExtractIconsAt(const std::wstring& file, const std::vector<int>& indexes,
                                  int size);
// Every icon of the file, in order (at most kMaxIconsListed; an icon that cannot be read is
// null in its place); empty when the file has none.
constexpr UINT kMaxIconsListed = 2000;
std::vector<HICON> ExtractAllIcons(const std::wstring& file, int size);
void DestroyIcons(std::vector<HICON>& icons);

}  // namespace scrv
