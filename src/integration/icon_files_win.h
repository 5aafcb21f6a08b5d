#pragma once
// Icons taken out of icon files (".ico", programs and libraries) at a given size.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace scrv {

// The icon at `index` of the file (a negative index names a resource number), or null.
HICON ExtractIconAt(const std::wstring& file, int index, int size);
// The icons at `indexes` of one file (null where an icon cannot be had). Indexes close to each
// other are taken in one pass over the file. The icons are the library's, kept for later calls
// while the file keeps its size and time of last change: the caller must not destroy them.
std::vector<HICON> ExtractIconsAt(const std::wstring& file, const std::vector<int>& indexes,
                                  int size);
// Appends an icon that ExtractIconsAt gave to `list` as AddIconImage does, through bitmaps
// kept with the icon (read on its first use), which the list takes without the screen.
bool AddKeptIconImage(HIMAGELIST list, HICON icon);
// Every icon of the file, in order (at most kMaxIconsListed; an icon that cannot be read is
// null in its place); empty when the file has none.
constexpr UINT kMaxIconsListed = 2000;
std::vector<HICON> ExtractAllIcons(const std::wstring& file, int size);
void DestroyIcons(std::vector<HICON>& icons);

}  // namespace scrv
