#pragma once
// Plain pixel geometry shared by the resizing engine and the placement code: points, sizes and
// rectangles with the platform's conventions (right and bottom are exclusive edges), and the
// platform's MulDiv rounding, which every DPI and scale conversion of the dialogs goes through.

#include <cstdint>

namespace scrv {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t Width() const { return static_cast<int32_t>(int64_t{right} - left); }
  int32_t Height() const { return static_cast<int32_t>(int64_t{bottom} - top); }
  Size Extent() const { return {Width(), Height()}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Whether `inner` is a non-empty rectangle lying wholly inside `outer`.
bool Contains(const Rect& outer, const Rect& inner);

// a * b / c in 64-bit, rounded half away from zero; -1 when c is 0 or the result does not fit
// in 32 bits. Same contract as the system's MulDiv, so that the core and the Win32 layer agree
// to the pixel.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// Narrows a 64-bit intermediate to 32 bits, saturating instead of wrapping.
int32_t Saturate32(int64_t v);

}  // namespace scrv
