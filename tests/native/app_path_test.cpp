#include "settings/app_path.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

TEST(AppPath, ReplacesEveryAppDirPlaceholder) {
  bool replaced = false;
  EXPECT_EQ(ReplaceAppDir(u"$(AppDir)\\Macros;$(AppDir)\\More", u"C:\\Prog", &replaced),
            u"C:\\Prog\\Macros;C:\\Prog\\More");
  EXPECT_TRUE(replaced);
  EXPECT_EQ(ReplaceAppDir(u"$(AppDir)", u"D:\\", &replaced), u"D:\\");
  EXPECT_TRUE(replaced);
}

TEST(AppPath, PlaceholderIsCaseSensitiveAndMustBeWhole) {
  bool replaced = true;
  EXPECT_EQ(ReplaceAppDir(u"$(appdir)\\x", u"C:\\Prog", &replaced), u"$(appdir)\\x");
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReplaceAppDir(u"$(AppDir", u"C:\\Prog", &replaced), u"$(AppDir");
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReplaceAppDir(u"", u"C:\\Prog", &replaced), u"");
  EXPECT_FALSE(replaced);
  // The replacement text is not searched again.
  EXPECT_EQ(ReplaceAppDir(u"$(AppDir)", u"$(AppDir)x"), u"$(AppDir)x");
}

TEST(AppPath, DriveRootOfAWindowsFolder) {
  EXPECT_EQ(DriveRoot(u"C:\\Windows"), u"C:\\");
  EXPECT_EQ(DriveRoot(u"d:"), u"d:\\");
  EXPECT_EQ(DriveRoot(u"\\\\server\\share"), u"");
  EXPECT_EQ(DriveRoot(u"1:\\x"), u"");
  EXPECT_EQ(DriveRoot(u"C"), u"");
}

TEST(AppPath, JoinPutsOneBackslashBetween) {
  EXPECT_EQ(JoinPath(u"C:\\a", u"b"), u"C:\\a\\b");
  EXPECT_EQ(JoinPath(u"C:\\a\\", u"b"), u"C:\\a\\b");
  EXPECT_EQ(JoinPath(u"C:\\a\\", u"\\b"), u"C:\\a\\b");
  EXPECT_EQ(JoinPath(u"", u"b"), u"b");
  EXPECT_EQ(JoinPath(u"C:\\a", u""), u"C:\\a");
}

TEST(AppPath, RemoveFileNameKeepsADriveRoot) {
  EXPECT_EQ(RemoveFileName(u"C:\\Prog\\scrivlet.exe"), u"C:\\Prog");
  EXPECT_EQ(RemoveFileName(u"C:\\scrivlet.exe"), u"C:\\");
  EXPECT_EQ(RemoveFileName(u"scrivlet.exe"), u"");
  EXPECT_EQ(RemoveFileName(u"C:\\Prog\\"), u"C:\\Prog");
  EXPECT_EQ(RemoveFileName(u"C:/Prog/x.bin"), u"C:/Prog");
  EXPECT_EQ(RemoveFileName(u"C:/x.bin"), u"C:/");
}

TEST(AppPath, TrailingBackslashesAreDroppedExceptAtARoot) {
  EXPECT_EQ(WithoutTrailingBackslash(u"C:\\Prog\\"), u"C:\\Prog");
  EXPECT_EQ(WithoutTrailingBackslash(u"C:\\Prog"), u"C:\\Prog");
  EXPECT_EQ(WithoutTrailingBackslash(u"C:\\"), u"C:\\");
  EXPECT_EQ(WithoutTrailingBackslash(u""), u"");
}

}  // namespace
}  // namespace scrv
