// The search's marks stand out in both themes and grow with the DPI.

#include "frame/search_marks.h"

#include <gtest/gtest.h>

#include "frame/dialog_appearance.h"

namespace scrv {
namespace {

TEST(SearchMarks, StandOutAgainstThePageAndTheListsInBothThemes) {
  struct Theme {
    bool dark;
    uint32_t face, list, text;
  } themes[] = {{false, 0xF0F0F0, 0xFFFFFF, 0x000000},
                {true, kDarkFaceColor, kDarkBackgroundColor, kDarkTextColor}};
  for (const Theme& t : themes) {
    for (MarkKind kind : {MarkKind::kMatch, MarkKind::kModified}) {
      EXPECT_GE(ContrastRatio(MarkColor(kind, t.dark), t.face), 3.0) << t.dark;
      EXPECT_GE(ContrastRatio(MarkColor(kind, t.dark), t.list), 3.0) << t.dark;
    }
    // The two marks can be told apart, and a marked row's text stays readable.
    EXPECT_NE(MarkColor(MarkKind::kMatch, t.dark), MarkColor(MarkKind::kModified, t.dark));
    EXPECT_GE(ContrastRatio(MatchRowBackground(t.dark), t.text), 4.5) << t.dark;
    EXPECT_GE(ContrastRatio(MatchRowBackground(t.dark), t.list), 1.2) << t.dark;
  }
  EXPECT_DOUBLE_EQ(ContrastRatio(0xFFFFFF, 0x000000), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(0x123456, 0x123456), 1.0);
}

TEST(SearchMarks, GrowWithTheDpiAndStayOutsideTheControl) {
  const Rect control{100, 50, 180, 70};
  struct Case {
    uint32_t dpi;
    int32_t thickness, reach, bar;
  } cases[] = {{96, 2, 3, 3}, {144, 3, 5, 5}, {192, 4, 6, 6}, {0, 2, 3, 3}};
  for (const Case& c : cases) {
    const MarkFrame f = MatchFrame(control, c.dpi);
    EXPECT_EQ(f.thickness, c.thickness) << c.dpi;
    EXPECT_EQ(f.outer, (Rect{100 - c.reach, 50 - c.reach, 180 + c.reach, 70 + c.reach})) << c.dpi;
    const Rect bar = ModifiedBar(control, c.dpi);
    EXPECT_EQ(bar.Width(), c.bar) << c.dpi;
    EXPECT_LT(bar.right, control.left) << c.dpi;
    EXPECT_EQ(bar.Height(), control.Height());
  }
}

}  // namespace
}  // namespace scrv
