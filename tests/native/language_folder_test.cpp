#include "frame/language_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "frame/std_file_system_queries.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

namespace fs = std::filesystem;

// An application folder in a fresh temporary directory, removed after the test.
class LanguageFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "scrv-lang-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    ctx_.files = &files_;
    ctx_.appFolder = root_.u16string();
    ctx_.uiLanguage = 1033;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  void Dir(const std::string& rel) { fs::create_directories(root_ / rel); }
  void File(const std::string& rel) {
    fs::create_directories((root_ / rel).parent_path());
    std::ofstream(root_ / rel) << "MZ";
  }
  // A language folder holding its module.
  void Language(const std::string& name) { File("mui/" + name + "/scrvloc.dll"); }

  std::u16string App(std::u16string_view rel) {
    return ctx_.appFolder + u"\\" + std::u16string(rel);
  }

  std::u16string ModuleChosen(bool systemLang, std::u16string_view langFolder) {
    auto c = FindLocalisationModule(ctx_, systemLang, langFolder);
    return c ? c->modulePath : u"(none)";
  }

  fs::path root_;
  StdFileSystemQueries files_;
  LanguageFolderContext ctx_;
};

TEST_F(LanguageFolderTest, SystemLanguageFolderWinsWhenSystemLangIsSet) {
  Language("1033");
  Language("1041");
  ctx_.uiLanguage = 1041;
  auto c = FindLocalisationModule(ctx_, true, u"1033");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->folder, App(u"mui\\1041"));
  EXPECT_EQ(c->modulePath, App(u"mui\\1041\\scrvloc.dll"));
  EXPECT_EQ(c->infoPath, App(u"mui\\1041\\info.ini"));
  // Without SystemLang the chosen folder name decides.
  EXPECT_EQ(ModuleChosen(false, u"1033"), App(u"mui\\1033\\scrvloc.dll"));
  // A user interface language without a folder falls back to the chosen name.
  ctx_.uiLanguage = 1031;
  EXPECT_EQ(ModuleChosen(true, u"1041"), App(u"mui\\1041\\scrvloc.dll"));
}

TEST_F(LanguageFolderTest, NamesLeadingOutOfMuiAreRefused) {
  Language("1031");
  Language("1033");
  // A module outside "mui" that "mui\..\x" would reach.
  File("x/scrvloc.dll");
  std::u16string out = u"stale";
  EXPECT_FALSE(FindLanguageFolder(ctx_, false, u"..\\x", &out));
  EXPECT_EQ(out, u"");
  EXPECT_FALSE(FindLanguageFolder(ctx_, false, u"1033\\..\\..\\x", &out));
  EXPECT_FALSE(FindLanguageFolder(ctx_, false, u"1033/../../x", &out));
  EXPECT_FALSE(FindLanguageFolder(ctx_, false, u".", &out));
  EXPECT_FALSE(FindLanguageFolder(ctx_, false, u"", &out));
  EXPECT_EQ(ModuleChosen(false, u"..\\x"), App(u"mui\\1031\\scrvloc.dll"));
}

TEST_F(LanguageFolderTest, FolderWithoutModuleFallsBackTo1033ThenTheFirstFolder) {
  Dir("mui/1041");
  Language("1033");
  Language("1036");
  EXPECT_EQ(ModuleChosen(false, u"1041"), App(u"mui\\1033\\scrvloc.dll"));

  fs::remove_all(root_ / "mui/1033");
  EXPECT_EQ(ModuleChosen(false, u"1041"), App(u"mui\\1036\\scrvloc.dll"));

  // Folder 1033 exists but lacks its module: nothing further is tried.
  Dir("mui/1033");
  EXPECT_EQ(ModuleChosen(false, u"1041"), u"(none)");
}

TEST_F(LanguageFolderTest, ModuleMustBeAFileNotAFolder) {
  Dir("mui/1041/scrvloc.dll");
  Language("1033");
  EXPECT_EQ(ModuleChosen(false, u"1041"), App(u"mui\\1033\\scrvloc.dll"));
}

TEST_F(LanguageFolderTest, FirstFolderSkipsFilesAndDotNames) {
  Dir("mui/.hidden");
  File("mui/0000.txt");
  Language("2052");
  Language("3082");
  std::u16string out;
  ASSERT_TRUE(FindFirstLanguageFolder(ctx_, &out));
  EXPECT_EQ(out, App(u"mui\\2052"));
  // A missing chosen folder takes the first one.
  EXPECT_EQ(ModuleChosen(false, u"1049"), App(u"mui\\2052\\scrvloc.dll"));
}

TEST_F(LanguageFolderTest, EmptyOrMissingMuiGivesNothing) {
  std::u16string out;
  EXPECT_FALSE(FindFirstLanguageFolder(ctx_, &out));
  EXPECT_EQ(ModuleChosen(true, u"1033"), u"(none)");
  Dir("mui");
  EXPECT_FALSE(FindFirstLanguageFolder(ctx_, &out));
  EXPECT_EQ(ModuleChosen(true, u"1033"), u"(none)");
  File("mui/readme.txt");
  EXPECT_EQ(ModuleChosen(false, u"1033"), u"(none)");
}

TEST_F(LanguageFolderTest, PathsThatDoNotFitAreRefused) {
  std::string longName(250, '7');
  Dir("mui/" + longName);
  std::u16string name(longName.begin(), longName.end());
  std::u16string out;
  ASSERT_TRUE(files_.IsDirectory(App(u"mui\\" + name)));
  EXPECT_FALSE(FindLanguageFolder(ctx_, false, name, &out));
}

TEST_F(LanguageFolderTest, SettingsChooseTheFolderThroughOneHandle) {
  Language("1033");
  Language("1041");
  ctx_.uiLanguage = 1041;
  for (bool ini : {false, true}) {
    MemorySettings settings(ini);
    // Defaults: follow the system language.
    auto c = FindLocalisationModule(ctx_, settings, FlagTable(1252));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->folder, App(u"mui\\1041"));

    settings.WriteCommonDword(u"SystemLang", 0);
    c = FindLocalisationModule(ctx_, settings, FlagTable(1252));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->folder, App(u"mui\\1033"));  // the default "LangFolder"

    ctx_.uiLanguage = 1033;
    settings.WriteCommonDword(u"SystemLang", 1);
    settings.WriteCommonString(u"LangFolder", u"1041");
    c = FindLocalisationModule(ctx_, settings, FlagTable(1252));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->folder, App(u"mui\\1033"));
    settings.WriteCommonDword(u"SystemLang", 0);
    c = FindLocalisationModule(ctx_, settings, FlagTable(1252));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->folder, App(u"mui\\1041"));
    EXPECT_EQ(settings.OpenHandles(), 0);
    ctx_.uiLanguage = 1041;
  }
}

}  // namespace
}  // namespace scrv
