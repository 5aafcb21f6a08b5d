#include "frame/path_text.h"

#include <vector>

namespace scrv {
namespace {

bool IsSeparator(char16_t c) {
  return c == u'\\' || c == u'/';
}

bool IsLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The root of an absolute path ("C:\" or "\\server\share"), empty for a relative one.
std::u16string_view RootOf(std::u16string_view path) {
  if (path.size() >= 3 && IsLetter(path[0]) && path[1] == u':' && IsSeparator(path[2]))
    return path.substr(0, 3);
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    // Server and share: the two parts after the leading backslashes.
    size_t server = path.find_first_of(u"\\/", 2);
    if (server == std::u16string_view::npos) return path;
    size_t share = path.find_first_of(u"\\/", server + 1);
    return share == std::u16string_view::npos ? path : path.substr(0, share);
  }
  return {};
}

std::vector<std::u16string_view> SplitParts(std::u16string_view rest) {
  std::vector<std::u16string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= rest.size(); ++i) {
    if (i == rest.size() || IsSeparator(rest[i])) {
      if (i > start) parts.push_back(rest.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

}  // namespace

bool IsUrl(std::u16string_view path) {
  size_t colon = path.find(u':');
  if (colon == std::u16string_view::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i) {
    char16_t c = path[i];
    bool ok =
        IsLetter(c) || (i > 0 && ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.'));
    if (!ok) return false;
  }
  return true;
}

bool IsAbsolutePath(std::u16string_view path) {
  return !RootOf(path).empty();
}

std::u16string CanonicalizePath(std::u16string_view path) {
  std::u16string_view root = RootOf(path);
  const bool rooted = !root.empty() || (!path.empty() && IsSeparator(path[0]));
  std::vector<std::u16string_view> kept;
  size_t leadingUps = 0;  // only a relative path keeps the parts above its start
  for (std::u16string_view part : SplitParts(path.substr(root.size()))) {
    if (part == u".") continue;
    if (part != u"..") {
      kept.push_back(part);
    } else if (!kept.empty()) {
      kept.pop_back();
    } else if (!rooted) {
      ++leadingUps;
    }
  }
  std::u16string out(root);
  if (!out.empty() && IsSeparator(out.back())) {
    out.back() = u'\\';
  } else if (!out.empty() && !kept.empty()) {
    out += u'\\';
  } else if (out.empty() && rooted) {
    out = u"\\";
  }
  for (size_t i = 0; i < leadingUps; ++i)
    out += i + 1 < leadingUps || !kept.empty() ? u"..\\" : u"..";
  for (size_t i = 0; i < kept.size(); ++i) {
    if (i) out += u'\\';
    out.append(kept[i]);
  }
  return out;
}

std::optional<std::u16string> RelativePath(std::u16string_view folder, std::u16string_view path,
                                           const TextCase& tc) {
  std::u16string from = CanonicalizePath(folder), to = CanonicalizePath(path);
  std::u16string_view fromRoot = RootOf(from), toRoot = RootOf(to);
  if (fromRoot.empty() || !EqualIgnoreCase(tc, fromRoot, toRoot)) return std::nullopt;
  std::vector<std::u16string_view> a =
      SplitParts(std::u16string_view(from).substr(fromRoot.size()));
  std::vector<std::u16string_view> b = SplitParts(std::u16string_view(to).substr(toRoot.size()));
  size_t common = 0;
  while (common < a.size() && common < b.size() && EqualIgnoreCase(tc, a[common], b[common]))
    ++common;
  std::u16string out;
  if (common == a.size()) {
    out = u".";
  } else {
    for (size_t i = common; i < a.size(); ++i) out += i == common ? u".." : u"\\..";
  }
  for (size_t i = common; i < b.size(); ++i) {
    out += u'\\';
    out.append(b[i]);
  }
  return out;
}

std::u16string_view FileNameOf(std::u16string_view path) {
  size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::u16string_view FileTitleOf(std::u16string_view path) {
  std::u16string_view name = FileNameOf(path);
  size_t dot = name.rfind(u'.');
  return dot == std::u16string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace scrv
