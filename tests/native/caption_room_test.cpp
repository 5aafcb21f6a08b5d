// Captions longer than their controls take the empty room beside them, and only that.

#include "frame/caption_room.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

TEST(CaptionRoom, ALongCaptionTakesTheEmptyRoomBesideItAndNoMore) {
  const Rect room = {0, 0, 300, 200};  // the leftmost control is 10 in: 10 stays free on the right
  struct Case {
    const char* what;
    std::vector<CaptionControl> controls;
    std::vector<int32_t> right;
  } cases[] = {
      {"fits: nothing moves", {{{10, 10, 100, 20}, 80}}, {100}},
      {"grows to its need", {{{10, 10, 100, 20}, 150}}, {160}},
      {"stops at the room's margin", {{{10, 10, 100, 20}, 400}}, {290}},
      {"stops a gap before a control beside it",
       {{{10, 10, 100, 20}, 200}, {{150, 5, 200, 25}, 0}},
       {146, 200}},
      {"a control in other rows is no bar",
       {{{10, 10, 100, 20}, 200}, {{150, 20, 200, 30}, 0}},
       {210, 200}},
      {"stops at its frame less its indent",
       {{{20, 30, 100, 40}, 250}, {{10, 20, 200, 100}, 0}},
       {190, 200}},
      {"a control already overlapping it: no growth, never narrower",
       {{{10, 10, 100, 20}, 200}, {{90, 10, 120, 20}, 0}},
       {100, 120}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WidenCaptions(room, 4, c.controls), c.right) << c.what;
}

}  // namespace
}  // namespace scrv
