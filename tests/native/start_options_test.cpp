#include "integration/start_options.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

class StartOptionsTest : public ::testing::TestWithParam<bool> {
 protected:
  bool Stored(std::u16string_view name) const { return store.Find(u"Common", name) != nullptr; }
  size_t RowOf(uint32_t flagRow) {
    for (size_t i = 0; i < kStartOptionCount; ++i)
      if (kStartOptionRows[i].flagRow == flagRow) return i;
    return kStartOptionCount;
  }

  MemorySettings store{GetParam()};
  FlagTable flags{1252};
  StartOptionsModel model;
};

TEST_P(StartOptionsTest, EightLookRowsAndThreeBehaviourRows) {
  size_t looks = 0;
  for (const StartOptionRow& r : kStartOptionRows) looks += r.look;
  EXPECT_EQ(looks, 8u);
  EXPECT_FALSE(kStartOptionRows[RowOf(flag::kShowStartDlg)].look);
  EXPECT_TRUE(kStartOptionRows[RowOf(flag::kStartDlgLargeIcon)].look);
}

TEST_P(StartOptionsTest, OnlyALookChangeGivesOneAndDefaultsAreRemoved) {
  store.WriteCommonDword(u"StartDlgDate", 1);
  model.Load(store, flags);
  EXPECT_TRUE(model.values[RowOf(flag::kShowStartDlg)]);
  EXPECT_TRUE(model.values[RowOf(flag::kStartDlgDate)]);

  model.values[RowOf(flag::kShowStartDlg)] = false;  // behaviour only
  EXPECT_EQ(model.Save(store, flags), 0);
  EXPECT_EQ(store.ReadCommonDword(u"ShowStartDlg", 9), 0u);
  EXPECT_TRUE(Stored(u"StartDlgDate"));

  model.values[RowOf(flag::kStartDlgDate)] = false;  // back to its default: a look change
  EXPECT_EQ(model.Save(store, flags), 1);
  EXPECT_FALSE(Stored(u"StartDlgDate"));
}

TEST_P(StartOptionsTest, ResetShowsTheDefaultsWithoutWriting) {
  store.WriteCommonDword(u"StartDlgNewOption", 0);
  store.WriteCommonDword(u"StartDlgLargeIcon", 1);
  model.Load(store, flags);
  model.Reset(flags);
  EXPECT_TRUE(model.values[RowOf(flag::kStartDlgNewOption)]);
  EXPECT_FALSE(model.values[RowOf(flag::kStartDlgLargeIcon)]);
  EXPECT_TRUE(Stored(u"StartDlgNewOption"));
  EXPECT_EQ(model.Save(store, flags), 1);
  EXPECT_FALSE(Stored(u"StartDlgNewOption"));
  EXPECT_FALSE(Stored(u"StartDlgLargeIcon"));
  EXPECT_EQ(store.OpenHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, StartOptionsTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
