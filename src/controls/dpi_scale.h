#pragma once
// Pixel sizes carried from one DPI to another.

#include <cstdint>

namespace scrv {

// `value` × newDpi / oldDpi, rounded to the nearest integer (halves away from zero), as the
// platform's MulDiv does; a zero old DPI or a result outside 32 bits leaves the value as is.
int32_t RescaleForDpi(int32_t value, uint32_t newDpi, uint32_t oldDpi);

}  // namespace scrv
