#include "integration/icon_files_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>

#include "controls/image_strip_win.h"

namespace scrv {
namespace {

// The icons taken so far, by file, index and size, with the file's state when they were
// taken: the association list shows the same few icons on every open, and taking one out of
// its file opens and maps the file and creates the icon, each a trip to the window server.
// There are as many as the associations listed, at the sizes they were shown at.
struct FileStamp {
  uint64_t size = 0;
  uint64_t written = 0;
  bool operator==(const FileStamp&) const = default;
};
struct KeptIcon {
  FileStamp stamp;
  HICON icon = nullptr;
  IconBitmaps bitmaps;  // read when the icon is first added to an image list
};
using IconKey = std::tuple<std::wstring, int, int>;

std::mutex& KeptLock() {
  static std::mutex lock;
  return lock;
}
// The icons and their bitmaps are the library's: they go when it is unloaded.
struct KeptIcons {
  std::map<IconKey, KeptIcon> icons;
  ~KeptIcons() {
    for (auto& [key, kept] : icons) {
      DestroyIcon(kept.icon);
      FreeIconBitmaps(kept.bitmaps);
    }
  }
};

std::map<IconKey, KeptIcon>& Kept() {
  static KeptIcons kept;
  return kept.icons;
}

std::optional<FileStamp> StampOf(const std::wstring& file) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return FileStamp{
      uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
      uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime};
}

// ExtractIconsAt without the keeping: the caller owns the icons.
std::vector<HICON> TakeIconsAt(const std::wstring& file, const std::vector<int>& indexes, int size);

}  // namespace

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
  const std::optional<FileStamp> stamp = StampOf(file);
  std::lock_guard<std::mutex> hold(KeptLock());
  std::map<IconKey, KeptIcon>& kept = Kept();
  std::vector<int> missing;
  for (size_t i = 0; i < indexes.size(); ++i) {
    auto at = kept.find(IconKey{file, indexes[i], size});
    if (at != kept.end() && stamp && at->second.stamp == *stamp)
      icons[i] = at->second.icon;
    else if (std::find(missing.begin(), missing.end(), indexes[i]) == missing.end())
      missing.push_back(indexes[i]);
  }
  if (missing.empty()) return icons;
  std::vector<HICON> taken = TakeIconsAt(file, missing, size);
  for (size_t m = 0; m < missing.size(); ++m) {
    HICON icon = taken[m];
    if (!icon) continue;
    // An icon of a file whose state cannot be had is kept too (it is the library's), but
    // taken anew every time.
    auto [at, added] = kept.try_emplace(IconKey{file, missing[m], size});
    if (!added) {  // from a file that has changed since
      DestroyIcon(at->second.icon);
      FreeIconBitmaps(at->second.bitmaps);
    }
    at->second = {stamp.value_or(FileStamp{}), icon, {}};
    for (size_t i = 0; i < indexes.size(); ++i)
      if (indexes[i] == missing[m]) icons[i] = icon;
  }
  return icons;
}

bool AddKeptIconImage(HIMAGELIST list, HICON icon) {
  std::lock_guard<std::mutex> hold(KeptLock());
  for (auto& [key, kept] : Kept()) {
    if (kept.icon != icon) continue;
    if (!kept.bitmaps.color) kept.bitmaps = ReadIconBitmaps(icon);
    return AddIconBitmaps(list, kept.bitmaps, icon);
  }
  return AddIconImage(list, icon);
}

namespace {

std::vector<HICON> TakeIconsAt(const std::wstring& file, const std::vector<int>& indexes,
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

}  // namespace

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
