#pragma once
// Room for captions longer than their controls: a language whose texts run longer than the
// template's English ones gets them whole where the dialog has empty room beside the control.

#include <cstdint>
#include <vector>

#include "frame/geometry.h"

namespace scrv {

struct CaptionControl {
  Rect rect;         // in the parent's client coordinates
  int32_t need = 0;  // the width its caption needs; 0 for a control that only takes room
};

// The new right edge of every control, in order. A control whose caption needs more width
// than it has grows to the right into empty room, up to its need and never:
//   - onto a control beside it (one that shares some of its rows and starts right of its left
//     edge: that control keeps a `gap` to it),
//   - past a frame around it (a control that contains it), less the indent it has inside,
//   - past `room` less the left margin of the leftmost control.
// Controls are never made narrower, moved or made taller; the others keep their edges.
std::vector<int32_t> WidenCaptions(const Rect& room, int32_t gap,
                                   const std::vector<CaptionControl>& controls);

}  // namespace scrv
