// Number-range expressions come from users and from stored filter conditions. Invariants: the
// parser never reads past its input; a valid expression's normal form parses again to the same
// normal form and the same range; and the bounds it reports compose (in field mode) an
// expression of the same range.
//
// Input: the first byte picks the decimal character (bit 0: "," instead of ".") and the text
// encoding (bit 1: one character per byte, else UTF-16 little-endian pairs).

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/number_range.h"

namespace {

bool SameLimit(const scrv::NumberRangeLimit& a, const scrv::NumberRangeLimit& b) {
  return std::memcmp(&a.number, &b.number, sizeof a.number) == 0 && a.integer == b.integer &&
         a.ipv4 == b.ipv4 && a.ipv6 == b.ipv6;
}

bool SameRange(const scrv::NumberRange& a, const scrv::NumberRange& b) {
  return a.kind == b.kind && SameLimit(a.lower, b.lower) && SameLimit(a.upper, b.upper);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  char16_t dec = (data[0] & 1) ? u',' : u'.';
  bool bytes = (data[0] & 2) != 0;
  std::u16string text;
  if (bytes) {
    for (size_t k = 1; k < size; ++k) text += static_cast<char16_t>(data[k]);
  } else {
    for (size_t k = 1; k + 1 < size; k += 2) {
      text += static_cast<char16_t>(data[k] | (data[k + 1] << 8));
    }
  }

  scrv::NumberRange range;
  int result = scrv::ParseNumberRange(text, dec, &range);
  if (result < 0 || result > 2) std::abort();
  if (result != scrv::ParseNumberRange(text, dec, nullptr)) std::abort();
  if (result == scrv::kNumberRangeInvalid) return 0;

  scrv::NumberRange again;
  if (scrv::ParseNumberRange(range.expression, dec, &again) == scrv::kNumberRangeInvalid) {
    std::abort();
  }
  if (again.expression != range.expression || !SameRange(range, again)) std::abort();

  scrv::NumberRangeFields fields{range.lowerText, range.upperText, range.lowerInclusive,
                                 range.upperInclusive, false};
  std::u16string composed;
  if (!scrv::ComposeNumberRange(fields, dec, &composed)) std::abort();
  scrv::NumberRange fromFields;
  if (scrv::ParseNumberRange(composed, dec, &fromFields) != scrv::kNumberRangeInterval) {
    std::abort();
  }
  if (!SameRange(range, fromFields)) std::abort();
  return 0;
}
