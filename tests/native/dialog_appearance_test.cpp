#include "frame/dialog_appearance.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

TEST(DarkTheme, AppThemeTwoIsDarkOtherNonzeroLight) {
  MemorySettings s;
  int asked = 0;
  auto systemDark = [&]() -> std::optional<uint32_t> {
    ++asked;
    return 0;
  };
  EXPECT_FALSE(IsDarkTheme(s, systemDark)) << "default 1 is light";
  s.WriteCommonDword(u"AppTheme", 2);
  EXPECT_TRUE(IsDarkTheme(s, systemDark));
  s.WriteCommonDword(u"AppTheme", 3);
  EXPECT_FALSE(IsDarkTheme(s, systemDark));
  EXPECT_EQ(asked, 0) << "the system is asked only when following it";
}

TEST(DarkTheme, ZeroFollowsTheSystemWhichIsLightWhenUnknown) {
  MemorySettings s;
  s.WriteCommonDword(u"AppTheme", 0);
  EXPECT_TRUE(IsDarkTheme(s, [] { return std::optional<uint32_t>(0); }));
  EXPECT_FALSE(IsDarkTheme(s, [] { return std::optional<uint32_t>(1); }));
  EXPECT_FALSE(IsDarkTheme(s, [] { return std::optional<uint32_t>(); }));
}

TEST(DialogIcon, IconDesignDefaultsByInstallation) {
  MemorySettings s;
  EXPECT_EQ(DialogIconId(s, false), 128u);
  EXPECT_EQ(DialogIconId(s, true), 129u);
  s.WriteCommonDword(u"IconDesign", 0);
  EXPECT_EQ(DialogIconId(s, false), 129u);
  s.WriteCommonDword(u"IconDesign", 1);
  EXPECT_EQ(DialogIconId(s, true), 128u);
}

TEST(DarkTheme, ContrastRatioIsTheWebsRatioOfLuminances) {
  EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(0x123456, 0x123456), 1.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(0xFFFFFF, 0x000000), ContrastRatio(0x000000, 0xFFFFFF));
  EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);  // the lightest grey passing 4.5
  EXPECT_NEAR(ContrastRatio(0x0000FF, 0xFFFFFF), 3.99, 0.01);  // pure red: the low byte
}

// Every pair the dark theme draws reads: 4.5:1 for text, 3:1 for large text and graphics; and
// whatever is shown disabled stays visibly fainter than while enabled on the same background.
TEST(DarkTheme, EveryColourPairReads) {
  for (const ColourPair& p : kDarkColourPairs) {
    const double ratio = ContrastRatio(p.foreground, p.background);
    EXPECT_GE(ratio, p.large ? 3.0 : 4.5) << p.use << ": " << ratio << ":1";
    if (p.enabledForeground != kNotDisabled)
      EXPECT_LE(ratio, ContrastRatio(p.enabledForeground, p.background) * kDisabledContrastShare)
          << p.use << " would look enabled";
    if (p.foreground == kDarkDisabledTextColor)
      EXPECT_NE(p.enabledForeground, kNotDisabled) << p.use << " names no enabled look";
  }
}

}  // namespace
}  // namespace scrv
