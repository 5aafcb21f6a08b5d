#include "settings/flag_table.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/memory_settings.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

// A sample across the tables: both ends, the code-page row, and rows the dialogs use.
struct FlagSample {
  uint32_t row;
  const char16_t* name;
  int def;
};
constexpr FlagSample kFlagSamples[] = {
    {0, u"AddMymacros", 1},   {2, u"AlwaysTop", 0},           {34, u"DeleteDuplicateIgnoreCase", 0},
    {51, u"FilterLimit", 1},  {100, u"PromptSearchedEnd", 1}, {150, u"UseSysColorCaret", 1},
    {168, u"FilterClose", 0}, {203, u"StartDlgNewOption", 1}, {204, u"ShowClipHist", 1},
};
struct SmallSample {
  uint32_t row;
  const char16_t* name;
  int def;
  int limit;
};
constexpr SmallSample kSmallSamples[] = {
    {0, u"AdjustColumnVisible", 3, 3},
    {1, u"AdjustTabWidth", 2, 3},
    {30, u"MaxRecentFile", 16, 127},
    {59, u"ExtractFreqCsv", 0, 63},
};

constexpr uint32_t kWesternCodePage = 1252;
constexpr uint32_t kSentinel = 0xDEADBEEF;

TEST(FlagTable, SampledRowsHaveTheirNamesAndDefaultsAndNamesAreUnique) {
  ASSERT_EQ(kFlagRowCount, 205u);
  FlagTable table(kWesternCodePage);
  for (const FlagSample& s : kFlagSamples) {
    ASSERT_NE(table.Row(s.row), nullptr);
    EXPECT_EQ(table.Row(s.row)->name, std::u16string_view(s.name));
    EXPECT_EQ(table.Row(s.row)->def, s.def) << "row " << s.row;
  }
  // 97 rows are off by default; with the code-page row that makes 98 in a western code page.
  std::set<std::u16string_view> names;
  int off = 0;
  for (uint32_t row = 0; row < kFlagRowCount; ++row) {
    names.insert(table.Row(row)->name);
    off += table.Row(row)->def == 0;
  }
  EXPECT_EQ(names.size(), size_t{kFlagRowCount});
  EXPECT_EQ(off, 98);
  EXPECT_EQ(table.Row(kFlagRowCount), nullptr);
  EXPECT_EQ(table.Row(flag::kBackslashJapanese)->name, u"BackslashJapanese");
  EXPECT_EQ(table.Row(flag::kBackslashJapanese)->def, 0);
  EXPECT_EQ(FlagTable(kJapaneseCodePage).Row(flag::kBackslashJapanese)->def, 1);
  EXPECT_EQ(flag::kStartDlgNewOption, 203u);
  EXPECT_EQ(flag::kFilterClose, 168u);
  EXPECT_EQ(flag::kShowClipHist, 204u);
}

TEST(SmallValueTable, SampledRowsHaveTheirNamesDefaultsAndLimits) {
  ASSERT_EQ(kSmallValueRowCount, 60u);
  for (const SmallSample& s : kSmallSamples) {
    const SmallValueRow* r = SmallValueRowAt(s.row);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->name, std::u16string_view(s.name));
    EXPECT_EQ(r->def, s.def) << "row " << s.row;
    EXPECT_EQ(r->limit, s.limit) << "row " << s.row;
  }
  std::set<std::u16string_view> names;
  for (uint32_t row = 0; row < kSmallValueRowCount; ++row) {
    names.insert(SmallValueRowAt(row)->name);
  }
  EXPECT_EQ(names.size(), size_t{kSmallValueRowCount});
  EXPECT_EQ(SmallValueRowAt(kSmallValueRowCount), nullptr);
  EXPECT_EQ(SmallValueRowAt(small_value::kTabIcon)->def, 1);
  EXPECT_EQ(SmallValueRowAt(small_value::kTabCloseBtn)->def, 2);
}

// Counts the store operations, to show that rows outside the tables touch nothing.
class CountingSettings : public MemorySettings {
 public:
  using MemorySettings::MemorySettings;
  SettingsHandle OpenAppKey(std::u16string_view key, uint32_t flags) override {
    ++calls;
    return MemorySettings::OpenAppKey(key, flags);
  }
  int calls = 0;

 protected:
  RawValue ReadRaw(SettingsHandle h, std::u16string_view name, size_t capacity) override {
    ++calls;
    return MemorySettings::ReadRaw(h, name, capacity);
  }
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override {
    ++calls;
    return MemorySettings::WriteRaw(h, name, type, data, size);
  }
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override {
    ++calls;
    return MemorySettings::DeleteRaw(h, name);
  }
};

// Every accessor behaves the same over the registry and the INI shapes of the store.
class FlagAccess : public ::testing::TestWithParam<bool> {
 protected:
  bool Ini() const { return GetParam(); }
  // The key path (registry) or section (INI) of the "Common" settings in the memory store.
  static constexpr std::u16string_view kCommon = u"Common";
  bool StoredInCommon(std::u16string_view name) const { return store.Find(kCommon, name); }
  uint32_t CommonDword(std::u16string_view name) { return store.ReadCommonDword(name, kSentinel); }

  CountingSettings store{GetParam()};
  FlagTable table{kWesternCodePage};
};

TEST_P(FlagAccess, DefaultOnFlagIsRemovedWhenSetBackAndStoredWhenCleared) {
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kStartDlgNewOption)) << "nothing stored";
  WriteCommonFlag(store, table, flag::kStartDlgNewOption, 0);
  EXPECT_EQ(CommonDword(u"StartDlgNewOption"), 0u);
  if (Ini()) EXPECT_EQ(store.Find(kCommon, u"StartDlgNewOption")->text, u"0");
  EXPECT_FALSE(ReadCommonFlag(store, table, flag::kStartDlgNewOption));
  WriteCommonFlag(store, table, flag::kStartDlgNewOption, 1);
  EXPECT_FALSE(StoredInCommon(u"StartDlgNewOption"));
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kStartDlgNewOption));
  EXPECT_EQ(store.OpenHandles(), 0) << "Common is closed after every access";
}

TEST_P(FlagAccess, DefaultOffFlagIsStoredWhenSet) {
  EXPECT_FALSE(ReadCommonFlag(store, table, flag::kAlwaysTop));
  WriteCommonFlag(store, table, flag::kAlwaysTop, 1);
  EXPECT_EQ(CommonDword(u"AlwaysTop"), 1u);
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kAlwaysTop));
  WriteCommonFlag(store, table, flag::kAlwaysTop, 0);
  EXPECT_FALSE(StoredInCommon(u"AlwaysTop"));
}

TEST_P(FlagAccess, AnyNonzeroStoredValueReadsAsOnAndWritingTheDefaultDeletesIt) {
  store.WriteCommonDword(u"ShowStatusBar", 2);
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kShowStatusBar));
  store.WriteCommonDword(u"AutoCopy", 2);
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kAutoCopy));
  WriteCommonFlag(store, table, flag::kShowStatusBar, 1);
  EXPECT_FALSE(StoredInCommon(u"ShowStatusBar"));
}

TEST_P(FlagAccess, FlagsThroughAHandleUseThatHandle) {
  SettingsHandle config = store.OpenConfig(u"Text", 0);
  EXPECT_TRUE(ReadFlag(store, table, config, flag::kBeep));
  WriteFlag(store, table, config, flag::kBeep, 0);
  EXPECT_EQ(store.ReadDword(config, u"Beep", kSentinel), 0u);
  EXPECT_FALSE(ReadFlag(store, table, config, flag::kBeep));
  EXPECT_TRUE(ReadCommonFlag(store, table, flag::kBeep)) << "Common is a different place";
  WriteFlag(store, table, config, flag::kBeep, 1);
  EXPECT_EQ(store.ReadDword(config, u"Beep", kSentinel), kSentinel);
  store.CloseSettings(config);
}

TEST_P(FlagAccess, BackslashJapaneseDefaultFollowsTheCodePage) {
  FlagTable japanese(kJapaneseCodePage);
  EXPECT_TRUE(ReadCommonFlag(store, japanese, flag::kBackslashJapanese));
  EXPECT_FALSE(ReadCommonFlag(store, table, flag::kBackslashJapanese));
  WriteCommonFlag(store, table, flag::kBackslashJapanese, 1);
  EXPECT_EQ(CommonDword(u"BackslashJapanese"), 1u);
  WriteCommonFlag(store, japanese, flag::kBackslashJapanese, 1);
  EXPECT_FALSE(StoredInCommon(u"BackslashJapanese"));
}

TEST_P(FlagAccess, RowsOutsideTheTablesTouchNothing) {
  SettingsHandle h = store.OpenAppKey(u"Common", kCommonWriteFlags);
  store.WriteDword(h, u"AddMymacros", 0);
  store.calls = 0;
  EXPECT_FALSE(ReadFlag(store, table, h, kFlagRowCount));
  EXPECT_FALSE(ReadCommonFlag(store, table, kFlagRowCount));
  WriteFlag(store, table, h, kFlagRowCount, 0);
  WriteCommonFlag(store, table, kFlagRowCount, 0);
  WriteSmallValue(store, h, kSmallValueRowCount, 7);
  EXPECT_EQ(store.calls, 0);
  store.CloseSettings(h);
}

TEST_P(FlagAccess, SmallValueEqualToItsDefaultIsDeleted) {
  SettingsHandle h = store.OpenAppKey(u"Common", kCommonWriteFlags);
  WriteSmallValue(store, h, small_value::kTabCloseBtn, 3);
  EXPECT_EQ(store.ReadDword(h, u"TabCloseBtn", kSentinel), 3u);
  WriteSmallValue(store, h, small_value::kTabCloseBtn, 2);
  EXPECT_EQ(store.ReadDword(h, u"TabCloseBtn", kSentinel), kSentinel);
  WriteSmallValue(store, h, small_value::kMaxFindHistory, 0);
  EXPECT_EQ(store.ReadDword(h, u"MaxFindHistory", kSentinel), 0u);
  store.CloseSettings(h);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, FlagAccess, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
