#include "settings/text_check.h"

namespace scrv {

bool LooksLikeBinary(std::u16string_view text) {
  while (!text.empty() && text.back() == u'\0') text.remove_suffix(1);
  size_t odd = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\0') return true;
    if (c < 0x20 && (c < u'\t' || c > u'\r') && c != 0x1B) {
      ++odd;
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
               text[i + 1] <= 0xDFFF) {
      ++i;  // a surrogate pair
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      ++odd;
    }
  }
  return odd >= 2 && odd * 32 > text.size();
}

}  // namespace scrv
