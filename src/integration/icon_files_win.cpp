#include "integration/icon_files_win.h"

namespace scrv {

HICON ExtractIconAt(const std::wstring& file, int index, int size) {
  if (file.empty()) return nullptr;
  HICON icon = nullptr;
  UINT id = 0;
  UINT n = PrivateExtractIconsW(file.c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
  if (n == 0 || n == 0xFFFFFFFF) return nullptr;
  return icon;
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
