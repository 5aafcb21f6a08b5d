// The INI back end: the choice of it at start-up, the text each value is stored as in
// "scCommon.ini" and "scConfig.ini", and INI text that is garbage or out of range.

#include <gtest/gtest.h>

#include <fstream>

#include "base/module_state_win.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace settings_test;
using scrv::SettingsHandle;
namespace ini_section = scrv::ini_section;

namespace {

TEST(SettingsStartup, SwitchFileAsAFolderKeepsRegistryMode) {
  AppFolder folder(false, false);
  ASSERT_TRUE(CreateDirectoryW(folder.File(L"scUseIni.ini").c_str(), nullptr));
  scrv::SettingsStartup(folder.Path());
  EXPECT_FALSE(scrv::Module().iniMode);
  EXPECT_FALSE(scrv::Settings().IniMode());
}

TEST(SettingsStartup, SwitchFileChoosesIniModeAndItsPaths) {
  AppFolder folder(true, false);
  scrv::Module().pluginsIni = L"stale";
  scrv::SettingsStartup(folder.Path());
  EXPECT_TRUE(scrv::Module().iniMode);
  EXPECT_FALSE(scrv::Module().packaged);
  EXPECT_TRUE(scrv::Settings().IniMode());
  EXPECT_EQ(scrv::Module().commonIni, folder.File(L"scCommon.ini"));
  EXPECT_EQ(scrv::Module().configIni, folder.File(L"scConfig.ini"));
  EXPECT_TRUE(scrv::Module().pluginsIni.empty());

  AppFolder plain(false, false);
  scrv::SettingsStartup(plain.Path());
  EXPECT_FALSE(scrv::Module().iniMode);
}

TEST(SettingsStartup, EmptySwitchFileIsEnoughAndItsContentIsIgnored) {
  AppFolder folder(false, false);
  { std::ofstream(std::filesystem::path(folder.File(L"scUseIni.ini"))); }
  scrv::SettingsStartup(folder.Path());
  EXPECT_TRUE(scrv::Module().iniMode);
}

class IniSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    scrv::SettingsStartup(folder.Path());
    ASSERT_TRUE(scrv::Module().iniMode);
  }
  void TearDown() override { ClearRegistrySettings(); }
  scrv::SettingsStore& store() { return scrv::Settings(); }
  std::wstring CommonText(const std::wstring& key) {
    return folder.IniText(L"scCommon.ini", L"Common", key);
  }
  void PutCommonText(const std::wstring& key, const wchar_t* text) {
    ASSERT_TRUE(WritePrivateProfileStringW(L"Common", key.c_str(), text,
                                           folder.File(L"scCommon.ini").c_str()));
  }
  std::wstring Missing() const { return L"\x1"; }  // what IniText gives for no value

  AppFolder folder{true, false};
  const SettingsHandle common = ini_section::kCommon;
};

TEST_F(IniSettings, DwordsAreSignedDecimalText) {
  store().WriteDword(common, u"Minus", 0xFFFFFFFFu);
  store().WriteDword(common, u"Big", 3000000000u);
  EXPECT_EQ(CommonText(L"Minus"), L"-1");
  EXPECT_EQ(CommonText(L"Big"), L"-1294967296");
  EXPECT_EQ(store().ReadDword(common, u"Big", 0), 3000000000u);
}

TEST_F(IniSettings, QwordsAreUnsignedDecimalText) {
  store().WriteQword(common, u"Max", ~0ull);
  EXPECT_EQ(CommonText(L"Max"), L"18446744073709551615");
}

TEST_F(IniSettings, BinaryIsHexWithChecksumAndASizeCompanion) {
  const uint8_t bytes[2] = {0x01, 0x02};
  ASSERT_EQ(store().WriteBinary(common, u"Pos", bytes, 2, false), 0u);
  EXPECT_EQ(CommonText(L"Pos"), L"010203");
  EXPECT_EQ(CommonText(L"Pos-Size"), L"2");
  ASSERT_EQ(store().WriteBinary(common, u"Bare", bytes, 2, true), 0u);
  EXPECT_EQ(CommonText(L"Bare"), L"010203");
  EXPECT_EQ(CommonText(L"Bare-Size"), Missing());
  EXPECT_FALSE(store().ReadBinaryAlloc(common, u"Bare")) << "no size, no allocation";
}

TEST_F(IniSettings, StringListsAreJoinedWithBars) {
  store().WriteStringList(common, u"List", {u"a", u"b", u"c"});
  EXPECT_EQ(CommonText(L"List"), L"a|b|c||");
  PutCommonText(L"Other", L"|x||y|");
  EXPECT_EQ(store().ReadStringList(common, u"Other"), (std::vector<std::u16string>{u"x", u"y"}));
}

TEST_F(IniSettings, QuotingWrapsOnlyValuesWithOuterBlanks) {
  store().WriteString(common, u"Padded", u" lead", true);
  store().WriteString(common, u"Inner", u"a b", true);
  store().WriteString(common, u"Unquoted", u" lead", false);
  const std::string bytes = folder.ReadBytes(L"scCommon.ini");
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
  EXPECT_NE(text.find(L"Padded=\" lead\""), std::wstring::npos);
  EXPECT_NE(text.find(L"Inner=a b"), std::wstring::npos);
  EXPECT_EQ(store().ReadString(common, u"Unquoted", 16, u""), u"lead") << "blanks lost unquoted";
}

TEST_F(IniSettings, TextsWithLineBreaksAreRefusedRatherThanForgingKeys) {
  store().WriteString(common, u"Name", u"kept");
  EXPECT_EQ(store().WriteString(common, u"Name", u"x\r\nInjected=1"),
            static_cast<uint32_t>(ERROR_INVALID_DATA));
  EXPECT_EQ(store().WriteStringList(common, u"List", {u"a\nb"}),
            static_cast<uint32_t>(ERROR_INVALID_DATA));
  EXPECT_EQ(CommonText(L"Name"), L"kept");
  EXPECT_EQ(CommonText(L"Injected"), Missing());
  EXPECT_EQ(CommonText(L"List"), Missing());
}

TEST_F(IniSettings, NewFilesAreCreatedAsUtf16) {
  store().WriteDword(common, u"X", 1);
  const std::string bytes = folder.ReadBytes(L"scCommon.ini");
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE"));
}

TEST_F(IniSettings, DeleteValueLeavesAnEmptyValueAndAnswersNotFound) {
  PutCommonText(L"Empty", L"");
  EXPECT_EQ(store().DeleteValue(common, u"Empty", false), scrv::kErrorFileNotFound);
  const auto keys = IniKeys(folder.File(L"scCommon.ini"), L"Common");
  EXPECT_NE(std::find(keys.begin(), keys.end(), L"Empty"), keys.end());
}

TEST_F(IniSettings, DeleteValueTakesTheSizeCompanionWhenAsked) {
  const uint8_t bytes[2] = {1, 2};
  store().WriteBinary(common, u"A", bytes, 2, false);
  store().WriteBinary(common, u"B", bytes, 2, false);
  EXPECT_EQ(store().DeleteValue(common, u"A", true), 0u);
  EXPECT_EQ(store().DeleteValue(common, u"B", false), 0u);
  EXPECT_EQ(CommonText(L"A"), Missing());
  EXPECT_EQ(CommonText(L"A-Size"), Missing());
  EXPECT_EQ(CommonText(L"B"), Missing());
  EXPECT_EQ(CommonText(L"B-Size"), L"2");
}

TEST_F(IniSettings, PseudoHandlesNameTheirSectionsOfTheCommonFile) {
  const std::pair<SettingsHandle, const wchar_t*> sections[] = {
      {ini_section::kCommon, L"Common"},
      {ini_section::kMacros, L"Macros"},
      {ini_section::kPlugIns, L"PlugIns"},
      {ini_section::kRecentFile, L"Recent File List"},
      {ini_section::kRecentFolder, L"Recent Folder List"},
      {ini_section::kRecentFont, L"Recent Font List"},
      {ini_section::kRecentInsert, L"Recent Insert List"},
      {ini_section::kRecentWorkspace, L"Recent Workspace List"},
      {ini_section::kActiveString, L"ActiveString"}};
  for (const auto& [h, section] : sections) {
    ASSERT_EQ(store().WriteString(h, u"Item1", u"value"), 0u) << section;
    EXPECT_EQ(folder.IniText(L"scCommon.ini", section, L"Item1"), L"value") << section;
  }
  for (SettingsHandle none : {SettingsHandle{0x7FFFFF01}, SettingsHandle{0x7FFFFF08},
                              SettingsHandle{0x7FFFFF0B}, SettingsHandle{0xFFFFFFFF}}) {
    EXPECT_NE(store().WriteString(none, u"Item1", u"x"), 0u);
    EXPECT_EQ(store().ReadString(none, u"Item1", 8, u"def"), u"def");
  }
  EXPECT_EQ(store().OpenAppKey(u"Recent File List", 0), ini_section::kRecentFile);
  EXPECT_EQ(store().OpenAppKey(u"Common", scrv::kMachineCommonReadFlags), 0u);
  EXPECT_EQ(store().OpenAppKey(u"Config", 0), 0u);
}

TEST_F(IniSettings, ConfigurationsAreAtomsNamingSectionsOfTheConfigFile) {
  SettingsHandle text = store().OpenConfig(u"Text", 0);
  ASSERT_NE(text, 0u);
  EXPECT_LT(text, ini_section::kFirstPseudo);
  store().WriteDword(text, u"TabSize", 4);
  EXPECT_EQ(folder.IniText(L"scConfig.ini", L"Text", L"TabSize"), L"4");
  EXPECT_EQ(folder.IniText(L"scCommon.ini", L"Text", L"TabSize"), Missing());
  store().CloseSettings(text);
  wchar_t name[16];
  EXPECT_EQ(GetAtomNameW(static_cast<ATOM>(text), name, 16), 0u) << "closing frees the atom";
  EXPECT_EQ(store().ReadDword(text, u"TabSize", 8), 8u);
}

TEST_F(IniSettings, BinaryTextWithABadChecksumOrDigitsIsRefused) {
  PutCommonText(L"BadSum", L"010204");
  PutCommonText(L"BadSum-Size", L"2");
  PutCommonText(L"NotHex", L"0G0203");
  PutCommonText(L"Short", L"0102");
  PutCommonText(L"Long", L"01020303");
  uint8_t buf[2] = {0xEE, 0xEE};
  for (const wchar_t* name : {L"BadSum", L"NotHex", L"Short", L"Long", L"Missing"}) {
    EXPECT_FALSE(store().ReadBinary(common, U(name), buf, 2)) << name;
    EXPECT_EQ(buf[0], 0xEE) << name;
    EXPECT_EQ(buf[1], 0xEE) << name;
  }
  EXPECT_FALSE(store().ReadBinaryAlloc(common, u"BadSum"));
}

TEST_F(IniSettings, UntrustworthySizeCompanionsAllocateNothing) {
  PutCommonText(L"V", L"010203");
  for (const wchar_t* size : {L"0", L"-2", L"abc", L"3", L"1", L"2147483647", L"99999999999"}) {
    PutCommonText(L"V-Size", size);
    EXPECT_FALSE(store().ReadBinaryAlloc(common, u"V")) << size;
  }
  PutCommonText(L"V-Size", L"2");
  auto v = store().ReadBinaryAlloc(common, u"V");
  ASSERT_TRUE(v);
  EXPECT_EQ(*v, (std::vector<uint8_t>{1, 2}));
  EXPECT_FALSE(store().ReadBinaryAlloc(common, std::u16string(76, u'n'))) << "size name over 79";
}

TEST_F(IniSettings, NumbersThatAreNotNumbersGiveTheDefault) {
  PutCommonText(L"Word", L"abc");
  PutCommonText(L"Empty", L"");
  PutCommonText(L"Lead", L"  12abc");
  EXPECT_EQ(store().ReadDword(common, u"Word", 7), 7u);
  EXPECT_EQ(store().ReadDword(common, u"Empty", 7), 7u);
  EXPECT_EQ(store().ReadDword(common, u"Lead", 7), 12u);
  EXPECT_EQ(store().ReadQword(common, u"Word", 0x100000000ull), 0x100000000ull);
  EXPECT_EQ(store().ReadQword(common, u"Empty", 5), 5u);
  PutCommonText(L"Negative", L"-1");
  EXPECT_EQ(store().ReadQword(common, u"Negative", 5), 5u) << "QWORDs are unsigned";
}

TEST_F(IniSettings, OversizedStringsAreCutToCapacityLessOne) {
  PutCommonText(L"Long", L"abcdefghij");
  EXPECT_EQ(store().ReadString(common, u"Long", 5, u""), u"abcd");
  EXPECT_EQ(store().ReadString(common, u"Long", 1, u"x"), u"");
  EXPECT_EQ(store().ReadString(common, u"Missing", 4, u"default"), u"def");
  std::wstring huge(5000, L'z');
  PutCommonText(L"Huge", huge.c_str());
  auto items = store().ReadStringList(common, u"Huge");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].size(), 2999u) << "lists are read with room for 2999 characters";
}

}  // namespace
