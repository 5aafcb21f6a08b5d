#include "settings/app_path.h"

namespace scrv {
namespace {

constexpr std::u16string_view kAppDir = u"$(AppDir)";

bool IsSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

bool IsDriveRoot(std::u16string_view s) {
  return s.size() == 3 && s[1] == u':' && IsSeparator(s[2]);
}

}  // namespace

std::u16string ReplaceAppDir(std::u16string_view path, std::u16string_view appDir, bool* replaced) {
  std::u16string out;
  bool any = false;
  size_t pos = 0;
  for (size_t hit; (hit = path.find(kAppDir, pos)) != std::u16string_view::npos;) {
    out.append(path.substr(pos, hit - pos));
    out.append(appDir);
    pos = hit + kAppDir.size();
    any = true;
  }
  out.append(path.substr(pos));
  if (replaced) *replaced = any;
  return out;
}

std::u16string DriveRoot(std::u16string_view path) {
  if (path.size() < 2 || path[1] != u':') return {};
  char16_t c = path[0];
  if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return {};
  std::u16string root(path.substr(0, 2));
  root += u'\\';
  return root;
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
  while (!name.empty() && name.front() == u'\\') name.remove_prefix(1);
  if (folder.empty()) return std::u16string(name);
  std::u16string out(folder);
  if (name.empty()) return out;
  if (out.back() != u'\\') out += u'\\';
  out.append(name);
  return out;
}

std::u16string RemoveFileName(std::u16string_view path) {
  size_t slash = path.find_last_of(u"\\/");
  if (slash == std::u16string_view::npos) return {};
  std::u16string_view folder = path.substr(0, slash + 1);
  if (IsDriveRoot(folder)) return std::u16string(folder);
  return std::u16string(path.substr(0, slash));
}

std::u16string WithoutTrailingBackslash(std::u16string_view folder) {
  if (IsDriveRoot(folder)) return std::u16string(folder);
  while (!folder.empty() && folder.back() == u'\\') folder.remove_suffix(1);
  return std::u16string(folder);
}

}  // namespace scrv
