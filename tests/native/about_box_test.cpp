#include "integration/about_box.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

TEST(AboutBox, FormatTextsTakeTheirValueAtTheFirstPlaceholder) {
  EXPECT_EQ(FillFormat(u"Version %s", u"3.0"), u"Version 3.0");
  EXPECT_EQ(FillFormat(u"100%% %s (%s)", u"x"), u"100% x (%s)");
  EXPECT_EQ(FillFormat(u"Version", u"3.0"), u"Version 3.0");
  EXPECT_EQ(FillFormat(u"", u"3.0"), u"3.0");
  EXPECT_EQ(FillFormat(u"end %", u"1"), u"end % 1");
}

}  // namespace
}  // namespace scrv
