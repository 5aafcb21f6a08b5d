#include "controls/dpi_scale.h"

#include <limits>

namespace scrv {

int32_t RescaleForDpi(int32_t value, uint32_t newDpi, uint32_t oldDpi) {
  if (oldDpi == 0) return value;
  int64_t num = static_cast<int64_t>(value) * static_cast<int64_t>(newDpi);
  int64_t den = static_cast<int64_t>(oldDpi);
  int64_t half = den / 2;
  int64_t r = num >= 0 ? (num + half) / den : -((-num + half) / den);
  if (r > std::numeric_limits<int32_t>::max() || r < std::numeric_limits<int32_t>::min())
    return value;
  return static_cast<int32_t>(r);
}

}  // namespace scrv
