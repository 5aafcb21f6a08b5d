#include "frame/caption_room.h"

#include <algorithm>

namespace scrv {

std::vector<int32_t> WidenCaptions(const Rect& room, int32_t gap,
                                   const std::vector<CaptionControl>& controls) {
  std::vector<int32_t> right;
  int32_t margin = room.Width();
  for (const CaptionControl& c : controls) {
    right.push_back(c.rect.right);
    margin = std::min(margin, std::max(0, c.rect.left - room.left));
  }
  for (size_t i = 0; i < controls.size(); ++i) {
    const Rect& r = controls[i].rect;
    if (controls[i].need <= r.Width()) continue;
    int32_t limit = Saturate32(std::min<int64_t>(int64_t{r.left} + controls[i].need,
                                                 int64_t{room.right} - margin));
    for (size_t j = 0; j < controls.size(); ++j) {
      if (j == i) continue;
      const Rect& o = controls[j].rect;
      if (o.top >= r.bottom || o.bottom <= r.top) continue;  // no row in common
      if (Contains(o, r))
        limit = std::min(limit, o.right - (r.left - o.left));
      else if (o.left > r.left)
        limit = std::min(limit, o.left - gap);
    }
    right[i] = std::max(r.right, limit);
  }
  return right;
}

}  // namespace scrv
