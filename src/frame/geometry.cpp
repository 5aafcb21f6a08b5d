#include "frame/geometry.h"

#include <limits>

namespace scrv {

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t num = int64_t{a} * b;
  int64_t den = c;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  int64_t q = num >= 0 ? (num + den / 2) / den : (num - den / 2) / den;
  if (q > std::numeric_limits<int32_t>::max() || q < -std::numeric_limits<int32_t>::max())
    return -1;
  return static_cast<int32_t>(q);
}

bool Contains(const Rect& outer, const Rect& inner) {
  return inner.left < inner.right && inner.top < inner.bottom && inner.left >= outer.left &&
         inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

int32_t Saturate32(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

}  // namespace scrv
