#pragma once
// How the search marks controls on the page shown: a frame round every control the query
// matches, a bar beside every control whose setting differs from its default, and a coloured
// background on the option-list rows that match. Sizes follow the page's DPI so that a mark
// stays as visible at 150 % as at 100 %; colours are chosen per theme so that each mark stands
// out against the page and the lists (at least 3:1, the contrast a non-text mark needs) and
// the text of a marked row stays readable on it (at least 4.5:1).

#include <cstdint>

#include "frame/geometry.h"

namespace scrv {

enum class MarkKind : uint8_t { kMatch, kModified };

// COLORREF values (red in the low byte).
uint32_t MarkColor(MarkKind kind, bool dark);
uint32_t MatchRowBackground(bool dark);

// The frame round a matched control (page client coordinates): its outer rectangle, a gap
// away from the control, and the width of its line.
struct MarkFrame {
  Rect outer;
  int32_t thickness = 0;
};
MarkFrame MatchFrame(const Rect& control, uint32_t dpi);
// The bar left of a control whose setting was changed from its default.
Rect ModifiedBar(const Rect& control, uint32_t dpi);

}  // namespace scrv
