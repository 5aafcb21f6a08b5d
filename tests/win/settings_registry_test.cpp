// The registry back end: key paths and flags, the stored types, and values of the wrong type
// or size planted with the raw registry API, which must read as the caller's default.

#include <gtest/gtest.h>

#include "base/module_state_win.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace settings_test;
using scrv::SettingsHandle;

namespace {

class RegistrySettings : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    scrv::SettingsStartup(folder.Path());
    ASSERT_FALSE(scrv::Module().iniMode);
    common = store().OpenCommon(true);
    ASSERT_NE(common, 0u);
  }
  void TearDown() override {
    store().CloseSettings(common);
    ClearRegistrySettings();
  }
  scrv::SettingsStore& store() { return scrv::Settings(); }
  void Plant(const std::wstring& name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(SetRawValue(L"Common", name, type, data, size), ERROR_SUCCESS);
  }
  void PlantString(const std::wstring& name, const std::wstring& text) {
    Plant(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  AppFolder folder{false, false};
  SettingsHandle common = 0;
};

TEST_F(RegistrySettings, ReadOnlyOpenOfAMissingKeyFailsWithTheRegistryStatus) {
  SetLastError(0);
  EXPECT_EQ(store().OpenAppKey(u"NoSuchKey", scrv::kCommonReadFlags), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  SettingsHandle created = store().OpenAppKey(u"NewKey", 0);
  ASSERT_NE(created, 0u);
  store().CloseSettings(created);
  EXPECT_EQ(GetRawValue(L"NewKey", L"x").status, ERROR_FILE_NOT_FOUND) << "key exists, no value";
  SettingsHandle opened = store().OpenAppKey(u"NewKey", scrv::kCommonReadFlags);
  EXPECT_NE(opened, 0u);
  store().CloseSettings(opened);
}

TEST_F(RegistrySettings, ReadOnlyHandleRefusesWrites) {
  SettingsHandle ro = store().OpenAppKey(u"Common", scrv::kCommonReadFlags);
  ASSERT_NE(ro, 0u);
  EXPECT_EQ(store().WriteDword(ro, u"X", 1), static_cast<uint32_t>(ERROR_ACCESS_DENIED));
  store().CloseSettings(ro);
}

TEST_F(RegistrySettings, KeyPathsAreBuiltBelowTheProductKey) {
  SettingsHandle plugins = store().OpenAppKey(u"ScrivletPlugIns\\OutlineText", scrv::kNoProductKey);
  ASSERT_NE(plugins, 0u);
  store().WriteDword(plugins, u"Width", 3);
  store().CloseSettings(plugins);
  DWORD v = 0, size = 4;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\ScrivletPlugIns\\OutlineText",
                         L"Width", RRF_RT_REG_DWORD, nullptr, &v, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(v, 3u);

  SettingsHandle text = store().OpenConfig(u"Text", 0);
  store().WriteDword(text, u"TabSize", 4);
  store().CloseSettings(text);
  EXPECT_EQ(GetRawValue(L"Config\\Text", L"TabSize").status, ERROR_SUCCESS);

  // "Software\Korvan\Scrivlet v3\" is 28 characters: a key name of 100 reaches 128.
  SetLastError(0);
  EXPECT_EQ(store().OpenAppKey(std::u16string(100, u'k'), 0), 0u);
  EXPECT_NE(GetLastError(), 0u);
  SettingsHandle longest = store().OpenAppKey(std::u16string(99, u'k'), 0);
  EXPECT_NE(longest, 0u);
  store().CloseSettings(longest);
}

TEST_F(RegistrySettings, ValuesAreStoredWithTheirRegistryTypes) {
  store().WriteDword(common, u"Dw", 7);
  store().WriteQword(common, u"Qw", 0x100000002ull);
  store().WriteString(common, u"Str", u"abc");
  const uint8_t bytes[3] = {1, 2, 3};
  store().WriteBinary(common, u"Bin", bytes, 3, false);
  store().WriteStringList(common, u"List", {u"a", u"b", u"c"});

  RawValue dw = GetRawValue(L"Common", L"Dw");
  EXPECT_EQ(dw.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(dw.bytes, (std::vector<BYTE>{7, 0, 0, 0}));
  RawValue qw = GetRawValue(L"Common", L"Qw");
  EXPECT_EQ(qw.type, static_cast<DWORD>(REG_QWORD));
  EXPECT_EQ(qw.bytes, (std::vector<BYTE>{2, 0, 0, 0, 1, 0, 0, 0}));
  RawValue str = GetRawValue(L"Common", L"Str");
  EXPECT_EQ(str.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(str.bytes.size(), 8u) << "three characters and the terminator";
  RawValue bin = GetRawValue(L"Common", L"Bin");
  EXPECT_EQ(bin.type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(bin.bytes, (std::vector<BYTE>{1, 2, 3}));
  EXPECT_EQ(GetRawValue(L"Common", L"Bin-Size").status, ERROR_FILE_NOT_FOUND);
  RawValue list = GetRawValue(L"Common", L"List");
  EXPECT_EQ(list.type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(reinterpret_cast<const wchar_t*>(list.bytes.data()), L"a|b|c||");
}

TEST_F(RegistrySettings, StringListTextWithEmptyItemsGivesTheNonEmptyOnes) {
  PlantString(L"List", L"|x||y|");
  EXPECT_EQ(store().ReadStringList(common, u"List"), (std::vector<std::u16string>{u"x", u"y"}));
}

TEST_F(RegistrySettings, DwordStoredAsQwordReadsTheLowHalfOverTheDefault) {
  const DWORD five = 5;
  Plant(L"Mixed", REG_DWORD, &five, 4);
  EXPECT_EQ(store().ReadQword(common, u"Mixed", 0x100000000ull), 0x100000005ull);
  EXPECT_EQ(store().ReadQword(common, u"Mixed", 0xFFFFFFFF00000000ull), 0xFFFFFFFF00000005ull);
}

TEST_F(RegistrySettings, WrongTypedOrSizedDwordsGiveTheDefault) {
  const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
  PlantString(L"AsText", L"5");
  Plant(L"AsBinary", REG_BINARY, eight, 4);
  Plant(L"Short", REG_DWORD, eight, 2);
  Plant(L"Long", REG_DWORD, eight, 8);
  Plant(L"AsQword", REG_QWORD, eight, 8);
  for (std::wstring name : {L"AsText", L"AsBinary", L"Short", L"Long", L"AsQword"})
    EXPECT_EQ(store().ReadDword(common, U(name), 99), 99u) << name;
}

TEST_F(RegistrySettings, WrongTypedOrSizedQwordsGiveTheDefault) {
  const BYTE bytes[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  Plant(L"ShortQ", REG_QWORD, bytes, 4);
  Plant(L"LongQ", REG_QWORD, bytes, 12);
  Plant(L"Bin8", REG_BINARY, bytes, 8);
  Plant(L"ShortD", REG_DWORD, bytes, 3);
  PlantString(L"Text", L"12");
  for (std::wstring name : {L"ShortQ", L"LongQ", L"Bin8", L"ShortD", L"Text"})
    EXPECT_EQ(store().ReadQword(common, U(name), 42), 42u) << name;
}

TEST_F(RegistrySettings, StringsOfOtherTypesOrTooLongGiveTheDefault) {
  const DWORD one = 1;
  Plant(L"Number", REG_DWORD, &one, 4);
  EXPECT_EQ(store().ReadString(common, u"Number", 16, u"def"), u"def");

  PlantString(L"Fits", L"abcd");
  EXPECT_EQ(store().ReadString(common, u"Fits", 5, u"def"), u"abcd");
  // Five characters and a terminator do not fit five: a failed read, not a cut one.
  PlantString(L"TooLong", L"abcde");
  EXPECT_EQ(store().ReadString(common, u"TooLong", 5, u"def"), u"def");
  EXPECT_EQ(store().ReadString(common, u"TooLong", 5, u"default text"), u"defa");
}

TEST_F(RegistrySettings, UnterminatedStringFillingTheBufferIsCutAndTerminated) {
  // A character follows the five: the registry would otherwise count the terminator after
  // the data in, as it does for callers that forget it.
  Plant(L"Raw", REG_SZ, L"abcdeX", 10);
  EXPECT_EQ(store().ReadString(common, u"Raw", 5, u""), u"abcd");
  EXPECT_EQ(store().ReadString(common, u"Raw", 6, u""), u"abcde");
  // An odd byte count drops the half character.
  Plant(L"Odd", REG_SZ, L"xyz", 5);
  EXPECT_EQ(store().ReadString(common, u"Odd", 8, u""), u"xy");
}

TEST_F(RegistrySettings, BinaryOfOtherTypesIsNotRead) {
  PlantString(L"Text", L"a");  // 4 bytes
  uint8_t buf[4] = {9, 9, 9, 9};
  EXPECT_FALSE(store().ReadBinary(common, u"Text", buf, 4));
  EXPECT_EQ(buf[0], 9);
  EXPECT_FALSE(store().ReadBinaryAlloc(common, u"Text"));
  Plant(L"Empty", REG_BINARY, nullptr, 0);
  EXPECT_FALSE(store().ReadBinaryAlloc(common, u"Empty"));
}

TEST_F(RegistrySettings, MachineWideCommonIsReadSeparately) {
  ASSERT_EQ(SetRawValue(L"Common", L"ModulePath", REG_SZ, L"C:\\m", 10, HKEY_LOCAL_MACHINE),
            ERROR_SUCCESS);
  SettingsHandle machine = store().OpenAppKey(u"Common", scrv::kMachineCommonReadFlags);
  ASSERT_NE(machine, 0u);
  EXPECT_EQ(store().ReadString(machine, u"ModulePath", 260, u""), u"C:\\m");
  EXPECT_EQ(store().ReadString(common, u"ModulePath", 260, u""), u"");
  store().CloseSettings(machine);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Korvan");
}

}  // namespace
