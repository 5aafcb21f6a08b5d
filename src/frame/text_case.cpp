#include "frame/text_case.h"

namespace scrv {

std::u16string AsciiTextCase::Lower(std::u16string_view text) const {
  std::u16string out(text);
  for (char16_t& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return out;
}

std::u16string AsciiTextCase::Upper(std::u16string_view text) const {
  std::u16string out(text);
  for (char16_t& c : out)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return out;
}

bool EqualIgnoreCase(const TextCase& tc, std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && tc.Upper(a) == tc.Upper(b);
}

bool ContainsIgnoreCase(const TextCase& tc, std::u16string_view text, std::u16string_view part) {
  return tc.Lower(text).find(tc.Lower(part)) != std::u16string::npos;
}

}  // namespace scrv
