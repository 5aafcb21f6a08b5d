// Every typed value written and read back through the chosen settings back end, once with the
// registry and once with INI files in a private application folder.

#include <gtest/gtest.h>

#include <cstring>

#include "base/module_state_win.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using scrv::SettingsHandle;

namespace {

class SettingsRoundTrip : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    scrv::SettingsStartup(folder.Path());
    ASSERT_EQ(scrv::Module().iniMode, GetParam());
    common = store().OpenCommon(true);
    ASSERT_NE(common, 0u);
  }
  void TearDown() override {
    store().CloseSettings(common);
    ClearRegistrySettings();
  }
  scrv::SettingsStore& store() { return scrv::Settings(); }

  AppFolder folder{GetParam(), false};
  SettingsHandle common = 0;
};

TEST_P(SettingsRoundTrip, DwordsKeepAll32Bits) {
  for (uint32_t v : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 123456789u}) {
    EXPECT_EQ(store().WriteDword(common, u"Dw", v), 0u);
    EXPECT_EQ(store().ReadDword(common, u"Dw", v ^ 1), v);
  }
  EXPECT_EQ(store().ReadDword(common, u"Missing", 77), 77u);
}

TEST_P(SettingsRoundTrip, QwordsKeepAll64Bits) {
  for (uint64_t v : {0ull, 1ull, 0x100000000ull, 0x8000000000000000ull, ~0ull}) {
    EXPECT_EQ(store().WriteQword(common, u"Qw", v), 0u);
    EXPECT_EQ(store().ReadQword(common, u"Qw", v ^ 1), v);
  }
  EXPECT_EQ(store().ReadQword(common, u"Missing", 0x123456789ull), 0x123456789ull);
}

TEST_P(SettingsRoundTrip, StringsComeBackAsWritten) {
  for (std::u16string v : {u"plain", u"", u"C:\\Path With\\Blanks", u"a=b;c"}) {
    EXPECT_EQ(store().WriteString(common, u"Str", v), 0u);
    EXPECT_EQ(store().ReadString(common, u"Str", 260, u"default"), v);
  }
  EXPECT_EQ(store().ReadString(common, u"Missing", 260, u"default"), u"default");
  EXPECT_EQ(store().ReadString(common, u"Missing", 260, u""), u"");
}

TEST_P(SettingsRoundTrip, TextOutsideTheAnsiCodePageSurvives) {
  const std::u16string v = u"Gr\u00FC\u00DFe \u03A9\u2211 \u65E5\u672C";
  EXPECT_EQ(store().WriteString(common, u"Unicode", v), 0u);
  EXPECT_EQ(store().ReadString(common, u"Unicode", 64, u""), v);
}

TEST_P(SettingsRoundTrip, QuotedStringsKeepTheirOuterBlanks) {
  EXPECT_EQ(store().WriteString(common, u"Padded", u"  two blanks ", true), 0u);
  EXPECT_EQ(store().ReadString(common, u"Padded", 64, u""), u"  two blanks ");
}

TEST_P(SettingsRoundTrip, StringEqualToItsDefaultIsDeletedFromCommon) {
  ASSERT_EQ(store().WriteCommonString(u"Font", u"Consolas"), 0u);
  EXPECT_EQ(store().ReadCommonString(u"Font", 64, u"none"), u"Consolas");
  EXPECT_EQ(store().WriteCommonString(u"Font", u"Arial", u"Arial"), 0u);
  EXPECT_EQ(store().ReadCommonString(u"Font", 64, u"none"), u"none");
  // Different case is a different value: it is stored.
  EXPECT_EQ(store().WriteCommonString(u"Font", u"arial", u"Arial"), 0u);
  EXPECT_EQ(store().ReadCommonString(u"Font", 64, u"none"), u"arial");
}

TEST_P(SettingsRoundTrip, BinaryValuesNeedTheExactSize) {
  const uint8_t bytes[16] = {0, 1, 2, 0x7F, 0x80, 0xFE, 0xFF, 9, 10, 11, 12, 13, 14, 15, 16, 17};
  ASSERT_EQ(store().WriteBinary(common, u"Bin", bytes, sizeof bytes, false), 0u);
  uint8_t back[16] = {};
  EXPECT_TRUE(store().ReadBinary(common, u"Bin", back, sizeof back));
  EXPECT_EQ(std::memcmp(back, bytes, sizeof bytes), 0);

  uint8_t wrong[12];
  std::memset(wrong, 0xAA, sizeof wrong);
  EXPECT_FALSE(store().ReadBinary(common, u"Bin", wrong, sizeof wrong));
  EXPECT_EQ(wrong[0], 0xAA) << "a refused read leaves the caller's buffer alone";
  EXPECT_FALSE(store().ReadBinary(common, u"Missing", back, sizeof back));

  auto all = store().ReadBinaryAlloc(common, u"Bin");
  ASSERT_TRUE(all);
  EXPECT_EQ(*all, std::vector<uint8_t>(bytes, bytes + sizeof bytes));
  EXPECT_FALSE(store().ReadBinaryAlloc(common, u"Missing"));
}

TEST_P(SettingsRoundTrip, NullBinaryDataDeletesTheValue) {
  const uint8_t bytes[4] = {1, 2, 3, 4};
  ASSERT_EQ(store().WriteBinary(common, u"Bin", bytes, 4, false), 0u);
  EXPECT_EQ(store().WriteBinary(common, u"Bin", nullptr, 0, false), 0u);
  uint8_t back[4];
  EXPECT_FALSE(store().ReadBinary(common, u"Bin", back, 4));
  EXPECT_FALSE(store().ReadBinaryAlloc(common, u"Bin"));
}

TEST_P(SettingsRoundTrip, StringListsKeepTheirItemsInOrder) {
  std::vector<std::u16string> items = {u"first", u"second item", u"C:\\third"};
  ASSERT_EQ(store().WriteStringList(common, u"List", items), 0u);
  EXPECT_EQ(store().ReadStringList(common, u"List"), items);
  ASSERT_EQ(store().WriteStringList(common, u"List", {}), 0u);
  EXPECT_TRUE(store().ReadStringList(common, u"List").empty());
  EXPECT_TRUE(store().ReadStringList(common, u"Missing").empty());
}

TEST_P(SettingsRoundTrip, DeleteValueRemovesAStoredValueOnce) {
  ASSERT_EQ(store().WriteDword(common, u"Gone", 5), 0u);
  EXPECT_EQ(store().DeleteValue(common, u"Gone", false), 0u);
  EXPECT_EQ(store().ReadDword(common, u"Gone", 9), 9u);
  EXPECT_EQ(store().DeleteValue(common, u"Gone", false), scrv::kErrorFileNotFound);
}

TEST_P(SettingsRoundTrip, CommonShortcutsShareTheCommonSettings) {
  store().WriteCommonDword(u"MaxFindHistory", 42);
  store().WriteCommonQword(u"FilterDefFlags", 0x1234567890ull);
  EXPECT_EQ(store().ReadDword(common, u"MaxFindHistory", 0), 42u);
  EXPECT_EQ(store().ReadCommonDword(u"MaxFindHistory", 0), 42u);
  EXPECT_EQ(store().ReadCommonQword(u"FilterDefFlags", 0), 0x1234567890ull);
  EXPECT_EQ(store().DeleteCommonValue(u"MaxFindHistory"), 0u);
  EXPECT_EQ(store().ReadCommonDword(u"MaxFindHistory", 3), 3u);
}

TEST_P(SettingsRoundTrip, ConfigurationsAreSeparateFromCommonAndEachOther) {
  SettingsHandle text = store().OpenConfig(u"Text", 0);
  SettingsHandle csv = store().OpenConfig(u"CSV", 0);
  ASSERT_NE(text, 0u);
  ASSERT_NE(csv, 0u);
  EXPECT_EQ(store().WriteDword(text, u"TabSize", 4), 0u);
  EXPECT_EQ(store().WriteString(csv, u"Delimiter", u";"), 0u);
  EXPECT_EQ(store().ReadDword(text, u"TabSize", 0), 4u);
  EXPECT_EQ(store().ReadDword(csv, u"TabSize", 8), 8u);
  EXPECT_EQ(store().ReadDword(common, u"TabSize", 8), 8u);
  EXPECT_EQ(store().ReadString(csv, u"Delimiter", 8, u","), u";");
  store().CloseSettings(text);
  store().CloseSettings(csv);

  SettingsHandle again = store().OpenConfig(u"Text", scrv::kOpenExisting);
  ASSERT_NE(again, 0u);
  EXPECT_EQ(store().ReadDword(again, u"TabSize", 0), 4u);
  store().CloseSettings(again);
  EXPECT_EQ(store().OpenConfig(u"", 0), 0u) << "no configuration without a name";
}

TEST_P(SettingsRoundTrip, UnresolvableHandlesGiveDefaultsAndStoreNothing) {
  for (SettingsHandle h : {SettingsHandle{0}, SettingsHandle{0x7FFFFF01}}) {
    if (h && !GetParam()) continue;  // pseudo-handles exist in INI mode only
    EXPECT_NE(store().WriteDword(h, u"Nowhere", 1), 0u);
    EXPECT_EQ(store().ReadDword(h, u"Nowhere", 6), 6u);
    EXPECT_EQ(store().ReadString(h, u"Nowhere", 8, u"def"), u"def");
    uint8_t b[2];
    EXPECT_FALSE(store().ReadBinary(h, u"Nowhere", b, 2));
    EXPECT_NE(store().DeleteValue(h, u"Nowhere", false), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(BackEnds, SettingsRoundTrip, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Ini" : "Registry";
                         });

}  // namespace
