// Values of the outline plug-in in both back ends, and the UTF-16 INI files the plug-in file
// is created as.

#include <gtest/gtest.h>

#include "base/module_state_win.h"
#include "settings/app_settings_win.h"
#include "settings/plugin_settings_win.h"
#include "settings/unicode_ini_win.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace settings_test;

namespace {

constexpr wchar_t kPlugInKey[] = L"Software\\Korvan\\ScrivletPlugIns\\OutlineText";

TEST(UnicodeIni, MissingFileIsCreatedHoldingOnlyTheByteOrderMark) {
  AppFolder folder(false, false);
  EXPECT_TRUE(scrv::EnsureUnicodeIni(folder.File(L"new.ini")));
  EXPECT_EQ(folder.ReadBytes(L"new.ini"), std::string("\xFF\xFE"));
  ASSERT_TRUE(WritePrivateProfileStringW(L"S", L"K", L"\x03A9", folder.File(L"new.ini").c_str()));
  EXPECT_EQ(folder.IniText(L"new.ini", L"S", L"K"), L"\x03A9");
}

TEST(UnicodeIni, ExistingFileIsLeftAsItIs) {
  AppFolder folder(false, false);
  ASSERT_TRUE(WritePrivateProfileStringW(L"S", L"K", L"v", folder.File(L"old.ini").c_str()));
  const std::string before = folder.ReadBytes(L"old.ini");
  EXPECT_TRUE(scrv::EnsureUnicodeIni(folder.File(L"old.ini")));
  EXPECT_EQ(folder.ReadBytes(L"old.ini"), before);
}

TEST(UnicodeIni, FolderOrUnreachablePathIsNoFile) {
  AppFolder folder(false, false);
  ASSERT_TRUE(CreateDirectoryW(folder.File(L"dir.ini").c_str(), nullptr));
  EXPECT_FALSE(scrv::EnsureUnicodeIni(folder.File(L"dir.ini")));
  EXPECT_FALSE(scrv::EnsureUnicodeIni(folder.File(L"missing\\x.ini")));
}

class PlugInRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    scrv::SettingsStartup(folder.Path());
    ASSERT_FALSE(scrv::Module().iniMode);
  }
  void TearDown() override { ClearRegistrySettings(); }
  void Plant(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kPlugInKey, name, type, data, size),
              ERROR_SUCCESS);
  }
  AppFolder folder{false, false};
};

TEST_F(PlugInRegistry, ADwordIsReadWithStatusZero) {
  const DWORD seven = 7;
  Plant(L"Width", REG_DWORD, &seven, 4);
  uint32_t v = 0;
  EXPECT_EQ(scrv::ReadPlugInDword(u"Width", &v), 0u);
  EXPECT_EQ(v, 7u);
  EXPECT_EQ(scrv::ReadPlugInDwordOr(u"Width", 1), 7u);
}

TEST_F(PlugInRegistry, AMissingValueCreatesTheKeyAndAnswersNotFound) {
  uint32_t v = 99;
  EXPECT_EQ(scrv::ReadPlugInDword(u"Width", &v), static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(v, 99u);
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kPlugInKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) RegCloseKey(key);
  EXPECT_EQ(scrv::ReadPlugInDwordOr(u"Width", 5), 5u);
}

TEST_F(PlugInRegistry, AnythingButAFourByteDwordIsABadArgument) {
  const BYTE bytes[8] = {1, 0, 0, 0, 0, 0, 0, 0};
  Plant(L"Text", REG_SZ, L"7", 4);
  Plant(L"Binary", REG_BINARY, bytes, 4);
  Plant(L"Long", REG_DWORD, bytes, 8);
  Plant(L"Short", REG_DWORD, bytes, 2);
  Plant(L"Qword", REG_QWORD, bytes, 8);
  for (const wchar_t* name : {L"Text", L"Binary", L"Long", L"Short", L"Qword"}) {
    uint32_t v = 99;
    EXPECT_EQ(scrv::ReadPlugInDword(U(name), &v), static_cast<uint32_t>(ERROR_BAD_ARGUMENTS))
        << name;
    EXPECT_EQ(v, 99u) << name;
    EXPECT_EQ(scrv::ReadPlugInDwordOr(U(name), 3), 3u) << name;
  }
}

class PlugInIni : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    scrv::SettingsStartup(folder.Path());
    ASSERT_TRUE(scrv::Module().iniMode);
  }
  void TearDown() override { ClearRegistrySettings(); }
  void Put(const wchar_t* name, const wchar_t* text) {
    ASSERT_TRUE(WritePrivateProfileStringW(L"OutlineText", name, text, PlugInFile().c_str()));
  }
  std::wstring PlugInFile() const { return folder.File(L"scPlugins.ini"); }
  AppFolder folder{true, false};
};

TEST_F(PlugInIni, FirstUseResolvesAndCreatesTheUnicodePlugInFile) {
  EXPECT_TRUE(scrv::Module().pluginsIni.empty());
  uint32_t v = 0;
  EXPECT_NE(scrv::ReadPlugInDword(u"Width", &v), 0u);
  EXPECT_EQ(scrv::Module().pluginsIni, PlugInFile());
  EXPECT_EQ(folder.ReadBytes(L"scPlugins.ini"), std::string("\xFF\xFE"));
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kPlugInKey, 0, KEY_READ, &key), ERROR_SUCCESS)
      << "INI mode leaves the registry alone";
}

TEST_F(PlugInIni, StoredNumbersAreReadFromTheOutlineSection) {
  ASSERT_TRUE(scrv::EnsureUnicodeIni(PlugInFile()));
  Put(L"Width", L"12");
  Put(L"Minus", L"-1");
  uint32_t v = 0;
  EXPECT_EQ(scrv::ReadPlugInDword(u"Width", &v), 0u);
  EXPECT_EQ(v, 12u);
  EXPECT_EQ(scrv::ReadPlugInDwordOr(u"Minus", 0), 0xFFFFFFFFu);
  ASSERT_TRUE(WritePrivateProfileStringW(L"Other", L"Height", L"4", PlugInFile().c_str()));
  EXPECT_EQ(scrv::ReadPlugInDwordOr(u"Height", 9), 9u) << "only [OutlineText] counts";
}

TEST_F(PlugInIni, TheAbsentMarkerAndGarbageReadAsAbsent) {
  Put(L"Marker", L"-2147483648");
  Put(L"Garbage", L"wide");
  Put(L"Empty", L"");
  for (const wchar_t* name : {L"Marker", L"Garbage", L"Empty", L"Missing"}) {
    uint32_t v = 5;
    EXPECT_NE(scrv::ReadPlugInDword(U(name), &v), 0u) << name;
    EXPECT_EQ(v, 5u) << name;
    EXPECT_EQ(scrv::ReadPlugInDwordOr(U(name), 8), 8u) << name;
  }
}

}  // namespace
