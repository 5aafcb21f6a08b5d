#include "frame/search_query.h"

#include <algorithm>

namespace scrv {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

char16_t AsciiLower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 0x20) : c;
}

bool IsModifiedFilter(std::u16string_view word) {
  return word.size() == kModifiedFilter.size() &&
         std::equal(word.begin(), word.end(), kModifiedFilter.begin(),
                    [](char16_t a, char16_t b) { return AsciiLower(a) == b; });
}

}  // namespace

bool SearchQuery::Empty() const {
  return !modified && std::all_of(words.begin(), words.end(), IsBlank);
}

SearchQuery ParseSearchQuery(std::u16string_view typed) {
  SearchQuery query;
  std::u16string rest;
  for (size_t i = 0; i < typed.size();) {
    while (i < typed.size() && IsBlank(typed[i])) ++i;
    const size_t start = i;
    while (i < typed.size() && !IsBlank(typed[i])) ++i;
    const std::u16string_view word = typed.substr(start, i - start);
    if (word.empty()) continue;
    if (IsModifiedFilter(word)) {
      query.modified = true;
      continue;
    }
    if (!rest.empty()) rest.push_back(u' ');
    rest.append(word);
  }
  // Without the filter the words stay as typed: the page list's own limits apply to them.
  query.words = query.modified ? rest : std::u16string(typed);
  return query;
}

}  // namespace scrv

namespace scrv {

std::u16string FormatText(std::u16string_view format, std::u16string_view text, bool forMenu) {
  std::u16string arg;
  for (char16_t c : text) {
    arg.push_back(c);
    if (forMenu && c == u'&') arg.push_back(u'&');
  }
  std::u16string out(format);
  if (size_t at = out.find(u"%s"); at != std::u16string::npos)
    out.replace(at, 2, arg);
  else
    out += arg;
  return out;
}

}  // namespace scrv
