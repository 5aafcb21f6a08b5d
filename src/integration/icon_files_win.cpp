#include "integration/icon_files_win.h"

#include <algorithm>

namespace scrv {

HICON ExtractIconAt(const std::wstring& file, int index, int size) {
  if (file.empty()) return nullptr;
  HICON icon = nullptr;
  UINT id = 0;
  UINT n = PrivateExtractIconsW(file.c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
  if (n == 0 || n == 0xFFFFFFFF) return nullptr;
  return icon;
}

std::vector<HICON> ExtractIconsAt(const std::wstring& file, const std::vector<int>& indexes,
                                  int size) {
  std::vector<HICON> icons(indexes.size(), nullptr);
  if (indexes.empty() || file.empty()) return icons;
  // Each extraction reads the file anew: one run from the lowest to the highest index serves
  // all of them when they lie close together (negative indexes name resources, one by one).
  constexpr int kMaxRun = 64;
  auto [low, high] = std::minmax_element(indexes.begin(), indexes.end());
  if (*low >= 0 && *high - *low < kMaxRun) {
    const UINT run = static_cast<UINT>(*high - *low + 1);
    std::vector<HICON> all(run, nullptr);
    std::vector<UINT> ids(run, 0);
    UINT got = PrivateExtractIconsW(file.c_str(), *low, size, size, all.data(), ids.data(), run,
                                    LR_DEFAULTCOLOR);
    if (got == 0xFFFFFFFF) got = 0;
    for (size_t i = 0; i < indexes.size(); ++i) {
      HICON& icon = all[static_cast<size_t>(indexes[i] - *low)];
      if (!icon) continue;
      // An index named twice gets a copy of its own.
      icons[i] = std::find(icons.begin(), icons.begin() + static_cast<ptrdiff_t>(i), icon) ==
                         icons.begin() + static_cast<ptrdiff_t>(i)
                     ? icon
                     : CopyIcon(icon);
    }
    for (HICON icon : all)
      if (icon && std::find(icons.begin(), icons.end(), icon) == icons.end()) DestroyIcon(icon);
    return icons;
  }
  for (size_t i = 0; i < indexes.size(); ++i) icons[i] = ExtractIconAt(file, indexes[i], size);
  return icons;
}

std::vector<HICON> ExtractAllIcons(const std::wstring& file, int size) {
  std::vector<HICON> icons;
  if (file.empty()) return icons;
  // Without an output array the call counts the file's icons.
  UINT count = PrivateExtractIconsW(file.c_str(), 0, 0, 0, nullptr, nullptr, 0, 0);
  if (count == 0 || count == 0xFFFFFFFF) return icons;
  if (count > kMaxIconsListed) count = kMaxIconsListed;
  icons.assign(count, nullptr);
  std::vector<UINT> ids(count, 0);
  UINT got = PrivateExtractIconsW(file.c_str(), 0, size, size, icons.data(), ids.data(), count,
                                  LR_DEFAULTCOLOR);
  if (got == 0xFFFFFFFF) got = 0;
  // A slot the call could not fill stays null, so that positions stay the file's indexes.
  icons.resize(got < count ? got : count);
  return icons;
}

void DestroyIcons(std::vector<HICON>& icons) {
  for (HICON icon : icons)
    if (icon) DestroyIcon(icon);
  icons.clear();
}

}  // namespace scrv
