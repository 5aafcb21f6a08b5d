#include "frame/std_file_system_queries.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace scrv {
namespace {

namespace fs = std::filesystem;

bool ToPath(std::u16string_view text, fs::path* out) {
  std::u16string s(text);
  if (fs::path::preferred_separator == '/') std::replace(s.begin(), s.end(), u'\\', u'/');
  try {
    *out = fs::path(s);
  } catch (...) {
    return false;  // not representable in the system's encoding
  }
  return true;
}

}  // namespace

bool StdFileSystemQueries::IsDirectory(std::u16string_view path) const {
  fs::path p;
  std::error_code ec;
  return !path.empty() && ToPath(path, &p) && fs::is_directory(p, ec);
}

bool StdFileSystemQueries::IsFile(std::u16string_view path) const {
  fs::path p;
  std::error_code ec;
  if (path.empty() || !ToPath(path, &p)) return false;
  fs::file_status st = fs::status(p, ec);
  return !ec && fs::exists(st) && !fs::is_directory(st);
}

std::vector<FolderEntry> StdFileSystemQueries::ListFolder(std::u16string_view folder) const {
  std::vector<FolderEntry> entries;
  fs::path p;
  if (folder.empty() || !ToPath(folder, &p)) return entries;
  std::error_code ec;
  for (fs::directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec)) {
    FolderEntry e;
    try {
      e.name = it->path().filename().u16string();
    } catch (...) {
      continue;  // a name that is not valid in the system's encoding
    }
    std::error_code typeError;
    e.isDirectory = it->is_directory(typeError);
    entries.push_back(std::move(e));
  }
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return entries;
}

}  // namespace scrv
