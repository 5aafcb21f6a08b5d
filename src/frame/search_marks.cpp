#include "frame/search_marks.h"

#include <algorithm>

namespace scrv {
namespace {

int32_t Scaled(int32_t pixels, uint32_t dpi) {
  return std::max<int32_t>(1, MulDiv(pixels, static_cast<int32_t>(dpi ? dpi : 96), 96));
}

}  // namespace

uint32_t MarkColor(MarkKind kind, bool dark) {
  if (kind == MarkKind::kMatch) return dark ? 0x0000B0FF : 0x000060C8;  // amber / deep orange
  return dark ? 0x00FFA53D : 0x00C06000;                               // light / deep blue
}

uint32_t MatchRowBackground(bool dark) {
  return dark ? 0x0000435A : 0x00A0E8FF;
}

MarkFrame MatchFrame(const Rect& control, uint32_t dpi) {
  const int32_t gap = Scaled(1, dpi), thickness = Scaled(2, dpi);
  const int32_t out = gap + thickness;
  return {{control.left - out, control.top - out, control.right + out, control.bottom + out},
          thickness};
}

Rect ModifiedBar(const Rect& control, uint32_t dpi) {
  const int32_t gap = Scaled(2, dpi), width = Scaled(3, dpi);
  return {control.left - gap - width, control.top, control.left - gap, control.bottom};
}

}  // namespace scrv
