#include "settings/common_read_pass.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

// Counts the opens of "Common" that reach the store.
class CountingSettings : public MemorySettings {
 public:
  using MemorySettings::MemorySettings;
  SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) override {
    if (key == u"Common") ++commonOpens;
    return MemorySettings::OpenAppKey(key, flags);
  }
  int commonOpens = 0;
};

TEST(CommonReadPass, ReadsOfCommonShareOneHandleClosedAtTheEnd) {
  CountingSettings store;
  store.WriteCommonDword(u"IconDesign", 0);
  store.WriteCommonDword(u"AppTheme", 2);
  store.commonOpens = 0;
  {
    CommonReadPass pass(store);
    EXPECT_EQ(pass.ReadCommonDword(u"IconDesign", 1), 0u);
    EXPECT_EQ(pass.ReadCommonDword(u"AppTheme", 1), 2u);
    EXPECT_EQ(pass.ReadCommonString(u"LangFolder", 260, u"1033"), u"1033");
    EXPECT_EQ(store.commonOpens, 1);
    EXPECT_EQ(store.OpenHandles(), 1);
  }
  EXPECT_EQ(store.OpenHandles(), 0);
}

TEST(CommonReadPass, WritesAndOtherKeysGoToTheStoreAsUsual) {
  CountingSettings store;
  CommonReadPass pass(store);
  pass.WriteCommonDword(u"PromptHelp", 0);
  EXPECT_EQ(pass.ReadCommonDword(u"PromptHelp", 1), 0u);
  pass.WriteCommonString(u"LangFolder", u"1031");
  EXPECT_EQ(store.ReadCommonString(u"LangFolder", 260, u""), u"1031");
  SettingsHandle tools = pass.OpenAppKey(u"Tools", kCommonWriteFlags);
  pass.WriteDword(tools, u"Count", 3);
  pass.CloseSettings(tools);
  EXPECT_EQ(store.ReadDword(store.OpenAppKey(u"Tools", kCommonReadFlags), u"Count", 0), 3u);
  EXPECT_EQ(store.commonOpens, 4);  // two writes, the pass's read, the direct read
}

TEST(CommonReadPass, AMissingCommonKeyGivesDefaultsWithoutRetrying) {
  CountingSettings store;
  CommonReadPass pass(store);
  EXPECT_EQ(pass.ReadCommonDword(u"AppTheme", 1), 1u);
  EXPECT_EQ(pass.ReadCommonDword(u"IconDesign", 1), 1u);
  EXPECT_EQ(store.commonOpens, 1);
}

TEST(CommonReadPass, TheIniBackEndReadsItsCommonSection) {
  MemorySettings ini(true);
  ini.WriteCommonDword(u"AppTheme", 2);
  CommonReadPass pass(ini);
  EXPECT_TRUE(pass.IniMode());
  EXPECT_EQ(pass.ReadCommonDword(u"AppTheme", 1), 2u);
}

}  // namespace
}  // namespace scrv
