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

}  // namespace
}  // namespace scrv
