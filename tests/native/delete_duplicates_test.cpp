#include "tools/delete_duplicates.h"

#include <gtest/gtest.h>

#include "host_key_list.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

class DeleteDuplicatesTest : public ::testing::Test {
 protected:
  uint32_t Stored(std::u16string_view name) { return settings_.ReadCommonDword(name, 0xDEAD); }

  std::vector<std::u16string> names_ = {u"Id", u"Name", u"Mail"};
  MemorySettings settings_;
  const FlagTable flags_{1252};
};

TEST_F(DeleteDuplicatesTest, OptionBoxesStartFromTheirSettingsAndSelectionOnlyFromTheMode) {
  settings_.WriteCommonDword(u"DeleteDuplicateIgnoreCase", 1);
  settings_.WriteCommonDword(u"DeleteDuplicateAdjacentOnly", 1);
  settings_.WriteCommonDword(u"DeleteDuplicateSelOnly", 1);
  HostKeyList host({{0, 0}, {1, 0}, {2, 0}});
  DeleteDuplicatesModel model(names_, host.List(), false, 0);
  model.Load(settings_, flags_);
  EXPECT_TRUE(model.options.ignoreCase);
  EXPECT_TRUE(model.options.adjacentOnly);
  EXPECT_FALSE(model.options.ignoreEmptyLines);
  EXPECT_EQ(model.options.selectionOnly, CheckState::kUnchecked);

  DeleteDuplicatesModel one(names_, host.List(), false, 1);
  one.Load(settings_, flags_);
  EXPECT_EQ(one.options.selectionOnly, CheckState::kChecked);
  DeleteDuplicatesModel two(names_, host.List(), false, 2);
  two.Load(settings_, flags_);
  EXPECT_EQ(two.options.selectionOnly, CheckState::kIndeterminate);
}

TEST_F(DeleteDuplicatesTest, InspectSelectionDefaultAppliesOnlyInModeTwo) {
  settings_.WriteCommonDword(u"InspectSelOnlyDD", 1);
  HostKeyList host({{0, 0}});
  DeleteDuplicatesModel modeOne(names_, host.List(), true, 1);
  modeOne.Load(settings_, flags_);
  EXPECT_EQ(modeOne.comparison, DuplicateComparison::kLines);
  DeleteDuplicatesModel modeTwo(names_, host.List(), false, 2);
  modeTwo.Load(settings_, flags_);
  EXPECT_EQ(modeTwo.comparison, DuplicateComparison::kLinesInSelection);

  settings_.WriteCommonDword(u"InspectSelOnlyDD", 0);
  modeTwo.Load(settings_, flags_);
  EXPECT_EQ(modeTwo.comparison, DuplicateComparison::kLines);
}

TEST_F(DeleteDuplicatesTest, EnablingFollowsComparisonGroupFlagAndMode) {
  HostKeyList host({{0, 0}, {1, 0}, {2, 0}});
  DeleteDuplicatesModel model(names_, host.List(), false, 0);
  model.Load(settings_, flags_);
  DeleteDuplicatesView view = model.Refresh();
  EXPECT_FALSE(view.columnListEnabled);
  EXPECT_TRUE(view.columnsRadioEnabled);
  EXPECT_FALSE(view.entireGroupEnabled);
  EXPECT_FALSE(view.selectionOnlyEnabled);
  EXPECT_FALSE(view.inSelectionRadioEnabled);
  model.comparison = DuplicateComparison::kColumns;
  EXPECT_TRUE(model.Refresh().columnListEnabled);

  DeleteDuplicatesModel modeOne(names_, host.List(), false, 1);
  EXPECT_TRUE(modeOne.Refresh().selectionOnlyEnabled);
  EXPECT_FALSE(modeOne.Refresh().inSelectionRadioEnabled);
  DeleteDuplicatesModel modeTwo(names_, host.List(), false, 2);
  EXPECT_TRUE(modeTwo.Refresh().inSelectionRadioEnabled);
  DeleteDuplicatesModel group(names_, host.List(), true, 0);
  view = group.Refresh();
  EXPECT_TRUE(view.entireGroupEnabled);
  EXPECT_TRUE(view.selectionOnlyEnabled);
  EXPECT_TRUE(view.inSelectionRadioEnabled);
}

TEST_F(DeleteDuplicatesTest, WithoutColumnNamesTheListAndColumnsRadioAreDisabled) {
  HostKeyList host({{0, 0}});
  DeleteDuplicatesModel model({}, host.List(), true, 2);
  model.Load(settings_, flags_);
  EXPECT_EQ(model.RowCount(), 0u);
  model.comparison = DuplicateComparison::kColumns;  // cannot be chosen, but even so
  DeleteDuplicatesView view = model.Refresh();
  EXPECT_FALSE(view.columnsRadioEnabled);
  EXPECT_FALSE(view.columnListEnabled);
}

TEST_F(DeleteDuplicatesTest, OkWithIgnoreCaseAndEmptyLinesComparingLines) {
  HostKeyList host({{0, 0x4000000}, {1, 0}, {2, 0x80}});
  DeleteDuplicatesModel model(names_, host.List(), false, 0);
  model.Load(settings_, flags_);
  model.options.ignoreCase = true;
  model.options.ignoreEmptyLines = true;
  model.comparison = DuplicateComparison::kLines;
  model.Accept(settings_, flags_, false);
  EXPECT_EQ(model.OptionFlags(false), 0xC010001u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(host[i].column, -1) << i;
  EXPECT_EQ(host[0].flags, 0xC010001u);
  EXPECT_EQ(host[1].flags, 0xC010001u);
  EXPECT_EQ(host[2].flags, 0xC010081u);
}

TEST_F(DeleteDuplicatesTest, SecondButtonWithColumnsWritesCheckedRowsAndClearsUnchecked) {
  HostKeyList host({{0, 0x4000000}, {1, 0x4000000 | 0x4}, {2, 0}});
  DeleteDuplicatesModel model(names_, host.List(), false, 0);
  model.Load(settings_, flags_);
  model.comparison = DuplicateComparison::kColumns;
  model.options.ignoreEmptyCells = true;
  model.rowChecked = {true, false, true};
  model.Accept(settings_, flags_, true);
  EXPECT_EQ(host[0].column, 0);
  EXPECT_EQ(host[0].flags, 0x4000000u | 0xC200000u | 0x2000u);
  EXPECT_EQ(host[1].column, 1);
  EXPECT_EQ(host[1].flags, 0x4u);
  EXPECT_EQ(host[2].column, 2);
  EXPECT_EQ(host[2].flags, 0xC200000u | 0x2000u);
}

TEST_F(DeleteDuplicatesTest, EveryOptionBoxAddsItsFlag) {
  DeleteDuplicatesModel model(names_, KeyList(), true, 2);
  EXPECT_EQ(model.OptionFlags(false), 0xC000000u);
  model.options.entireGroup = true;
  model.options.selectionOnly = CheckState::kChecked;
  EXPECT_EQ(model.OptionFlags(false), 0xC000000u);  // these two only go to the settings
  model.options.ignoreEmptyCells = true;
  model.options.adjacentOnly = true;
  model.options.includeAll = true;
  EXPECT_EQ(model.OptionFlags(false), 0xC000000u | 0x2000u | 0x20000u | 0x8000u);
  model.comparison = DuplicateComparison::kLinesInSelection;
  EXPECT_EQ(model.OptionFlags(true), 0xC200000u | 0x2000u | 0x20000u | 0x8000u | 0x100u);
}

TEST_F(DeleteDuplicatesTest, AcceptWritesTheSevenSettings) {
  HostKeyList host({{0, 0}});
  DeleteDuplicatesModel model(names_, host.List(), true, 1);
  model.Load(settings_, flags_);
  model.options.entireGroup = true;
  model.options.includeAll = true;
  model.Accept(settings_, flags_, false);
  EXPECT_EQ(Stored(u"DeleteDuplicateEntireGroup"), 1u);
  EXPECT_EQ(Stored(u"DeleteDuplicateSelOnly"), 1u);
  EXPECT_EQ(Stored(u"DeleteDuplicateIgnoreEmptyLines"), 0u);
  EXPECT_EQ(Stored(u"DeleteDuplicateIgnoreEmptyCells"), 0u);
  EXPECT_EQ(Stored(u"DeleteDuplicateAdjacentOnly"), 0u);
  EXPECT_EQ(Stored(u"DeleteDuplicateIncludeAll"), 1u);
  EXPECT_EQ(Stored(u"DeleteDuplicateIgnoreCase"), 0u);
  EXPECT_EQ(Stored(u"InspectSelOnlyDD"), 0xDEADu);  // read, never written
}

TEST_F(DeleteDuplicatesTest, IndeterminateSelectionOnlyStoresFalse) {
  DeleteDuplicatesModel model(names_, KeyList(), false, 2);
  model.Load(settings_, flags_);
  model.Accept(settings_, flags_, false);
  EXPECT_EQ(Stored(u"DeleteDuplicateSelOnly"), 0u);
}

TEST_F(DeleteDuplicatesTest, LinesComparisonWithoutColumnNamesStillWritesEveryKey) {
  HostKeyList host({{3, 0}});
  DeleteDuplicatesModel model({}, host.List(), false, 0);
  model.Load(settings_, flags_);
  model.options.ignoreCase = true;
  model.Accept(settings_, flags_, false);
  EXPECT_EQ(host[0].column, -1);
  EXPECT_EQ(host[0].flags, 0xC000001u);
}

TEST_F(DeleteDuplicatesTest, EditsReachNeitherKeysNorSettingsBeforeAccept) {
  HostKeyList host({{1, 0x4000000}, {2, 0}});
  DeleteDuplicatesModel model(names_, host.List(), true, 1);
  model.Load(settings_, flags_);
  model.options.ignoreCase = true;
  model.comparison = DuplicateComparison::kColumns;
  model.rowChecked = {false, true};
  // Cancel: the dialog ends without calling Accept.
  EXPECT_EQ(Stored(u"DeleteDuplicateIgnoreCase"), 0xDEADu);
  EXPECT_EQ(host[0].flags, 0x4000000u);
  EXPECT_EQ(host[1].flags, 0u);
  EXPECT_EQ(host[0].column, 1);
}

TEST_F(DeleteDuplicatesTest, RowsShowTheKeysColumnAndItsBit26) {
  HostKeyList host({{2, 0x4000000}, {0, 0}, {9, 0}});
  DeleteDuplicatesModel model(names_, host.List(), false, 0);
  model.Load(settings_, flags_);
  EXPECT_EQ(model.rowChecked, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(model.RowText(0), u"Mail");
  EXPECT_EQ(model.RowText(1), u"Id");
  EXPECT_EQ(model.RowText(2), u"");
}

}  // namespace
}  // namespace scrv
