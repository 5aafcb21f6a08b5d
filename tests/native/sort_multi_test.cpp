#include "tools/sort_multi.h"

#include <gtest/gtest.h>

#include "host_key_list.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

uint32_t CommonDword(MemorySettings& s, std::u16string_view name) {
  return s.ReadCommonDword(name, 0xDEAD);
}

TEST(SortKindMapping, EveryRadioReadsBackAsItself) {
  for (const SortKindRadio& r : kSortKindRadios) {
    uint32_t flags = 0xFFFFFFFF;
    ASSERT_TRUE(SortKindFlags(r.control, flags)) << r.control;
    EXPECT_EQ(flags, r.flags) << r.control;
    EXPECT_EQ(SortKindRadioFor(flags), r.control) << r.control;
    EXPECT_EQ(SortKindRadioFor(flags | kKeyIncluded), r.control) << r.control;
  }
  uint32_t flags = 0;
  EXPECT_FALSE(SortKindFlags(1857, flags));
  EXPECT_FALSE(SortKindFlags(1875, flags));
}

TEST(SortKindMapping, EvenRadiosAddBitThirtyOneToTheirPartner) {
  for (int radio = IDC_SM_KIND_FIRST; radio < IDC_SM_KIND_LAST; radio += 2) {
    uint32_t even = 0, odd = 0;
    ASSERT_TRUE(SortKindFlags(radio, even));
    ASSERT_TRUE(SortKindFlags(radio + 1, odd));
    EXPECT_EQ(even, odd | 0x80000000u) << radio;
  }
}

TEST(SortKindMapping, BitsAreTestedInPriorityOrder) {
  EXPECT_EQ(SortKindRadioFor(0x8000 | 0x4000), 1874);     // bit 15 before all
  EXPECT_EQ(SortKindRadioFor(0x80008000), 1874);          // and bit 31 does not pair it
  EXPECT_EQ(SortKindRadioFor(0x4000 | 0x2000), 1871);     // 14 before 13
  EXPECT_EQ(SortKindRadioFor(0x2000 | 0x200000), 1873);   // 13 before 21
  EXPECT_EQ(SortKindRadioFor(0x200000 | 0x80000), 1869);  // 21 before 19
  EXPECT_EQ(SortKindRadioFor(0x80000 | 0x100000), 1867);  // 19 before 20
  EXPECT_EQ(SortKindRadioFor(0x80000000 | 0x100000 | 0x400000), 1864);  // 20 before 22
  EXPECT_EQ(SortKindRadioFor(0x400000 | 0x40000000), 1863);             // 22 before 30
  EXPECT_EQ(SortKindRadioFor(0xC0000000), 1860);
  EXPECT_EQ(SortKindRadioFor(0x80000000), 1858);
  EXPECT_EQ(SortKindRadioFor(0), 1859);
  EXPECT_EQ(SortKindRadioFor(0x1), 1859);  // bits without a kind
}

class SortMultiTest : public ::testing::Test {
 protected:
  std::vector<std::u16string> names_ = {u"Name", u"City", u"Age"};
  MemorySettings settings_;
  const FlagTable flags_{1252};
};

TEST_F(SortMultiTest, CheckedKeyShowsItsKindAndChoosingThePartnerAddsBit31) {
  HostKeyList host({{0, 0x4004000}, {1, 0}, {2, 0}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  ASSERT_EQ(model.selectedRows, (std::vector<size_t>{0}));
  EXPECT_TRUE(model.rowChecked[0]);
  SortMultiView view = model.Refresh();
  EXPECT_EQ(view.checkedRadio, 1871);
  EXPECT_TRUE(view.radiosEnabled);

  model.ChooseRadio(1870);
  EXPECT_EQ(host[0].flags, 0x84004000u);
  EXPECT_EQ(model.Refresh().checkedRadio, 1870);
}

TEST_F(SortMultiTest, ChoosingARadioRewritesEverySelectedRowKeepingBit26) {
  HostKeyList host({{0, 0x4000000 | 0x2000}, {1, 0x400000}, {2, 0x8000}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  model.selectedRows = {0, 1};
  model.ChooseRadio(1864);
  EXPECT_EQ(host[0].flags, 0x4000000u | 0x80100000u);
  EXPECT_EQ(host[1].flags, 0x80100000u);  // unchecked rows change too
  EXPECT_EQ(host[2].flags, 0x8000u);      // not selected
  model.ChooseRadio(1);                   // not a radio
  EXPECT_EQ(host[1].flags, 0x80100000u);
}

TEST_F(SortMultiTest, NoSelectionLeavesRadiosUncheckedAndDisabled) {
  HostKeyList host({{0, 0x4000000}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  model.selectedRows.clear();
  SortMultiView view = model.Refresh();
  EXPECT_EQ(view.checkedRadio, 0);
  EXPECT_FALSE(view.radiosEnabled);
  EXPECT_TRUE(view.okEnabled);
}

TEST_F(SortMultiTest, CheckedRowsOfDifferentKindsCheckNoRadioButEnableAll) {
  HostKeyList host({{0, 0x4000000 | 0x4000}, {1, 0x4000000 | 0x2000}, {2, 0}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  model.selectedRows = {0, 1};
  SortMultiView view = model.Refresh();
  EXPECT_EQ(view.checkedRadio, 0);
  EXPECT_TRUE(view.radiosEnabled);
}

TEST_F(SortMultiTest, UncheckedSelectedRowsDoNotSpoilTheCommonKind) {
  HostKeyList host({{0, 0x4000000 | 0x4000}, {1, 0x2000}, {2, 0x4000000 | 0x4000}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  model.selectedRows = {0, 1, 2};
  EXPECT_EQ(model.Refresh().checkedRadio, 1871);
}

TEST_F(SortMultiTest, FirstSelectedRowUncheckedShowsNoKind) {
  HostKeyList host({{0, 0x4000}, {1, 0x4000000 | 0x4000}, {2, 0x4000}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  model.selectedRows = {0, 1};
  SortMultiView view = model.Refresh();
  EXPECT_EQ(view.checkedRadio, 0);
  EXPECT_TRUE(view.radiosEnabled);  // row 1 is checked

  model.selectedRows = {0, 2};
  view = model.Refresh();
  EXPECT_EQ(view.checkedRadio, 0);
  EXPECT_FALSE(view.radiosEnabled);
}

TEST_F(SortMultiTest, OkNeedsACheckedRow) {
  HostKeyList host({{0, 0}, {1, 0}, {2, 0}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  EXPECT_FALSE(model.Refresh().okEnabled);
  model.rowChecked[2] = true;
  EXPECT_TRUE(model.Refresh().okEnabled);
}

TEST_F(SortMultiTest, GroupAndSelectionFlagsEnableTheOptionBoxes) {
  HostKeyList host({{0, 0}});
  SortMultiModel neither(names_, host.List(), false, false);
  EXPECT_FALSE(neither.Refresh().entireGroupEnabled);
  EXPECT_FALSE(neither.Refresh().selectionOnlyEnabled);
  SortMultiModel selection(names_, host.List(), false, true);
  EXPECT_FALSE(selection.Refresh().entireGroupEnabled);
  EXPECT_TRUE(selection.Refresh().selectionOnlyEnabled);
  SortMultiModel group(names_, host.List(), true, false);
  EXPECT_TRUE(group.Refresh().entireGroupEnabled);
  EXPECT_TRUE(group.Refresh().selectionOnlyEnabled);
}

TEST_F(SortMultiTest, SelectionOnlyStartsFromItsSettingOnlyWithTheSelectionFlag) {
  settings_.WriteCommonDword(u"MultiSortSelOnly", 1);
  settings_.WriteCommonDword(u"MultiSortEntireGroup", 1);
  HostKeyList host({{0, 0}});
  SortMultiModel without(names_, host.List(), true, false);
  without.Load(settings_, flags_);
  EXPECT_FALSE(without.selectionOnly);
  EXPECT_TRUE(without.entireGroup);
  SortMultiModel with(names_, host.List(), false, true);
  with.Load(settings_, flags_);
  EXPECT_TRUE(with.selectionOnly);
}

TEST_F(SortMultiTest, CancelStillStoresBothBoxesAndRewritesBit26) {
  HostKeyList host({{0, 0x4000000 | 0x4000}, {1, 0x2000}, {2, 0x4000000}});
  SortMultiModel model(names_, host.List(), true, true);
  model.Load(settings_, flags_);
  model.entireGroup = true;
  model.selectionOnly = false;
  model.rowChecked = {false, true, true};
  model.Close(settings_, flags_);  // whichever button closed the dialog
  EXPECT_EQ(CommonDword(settings_, u"MultiSortEntireGroup"), 1u);
  EXPECT_EQ(CommonDword(settings_, u"MultiSortSelOnly"), 0u);
  EXPECT_EQ(host[0].flags, 0x4000u);
  EXPECT_EQ(host[1].flags, 0x4000000u | 0x2000u);
  EXPECT_EQ(host[2].flags, 0x4000000u);
}

TEST_F(SortMultiTest, MovingRowsSwapsKeysAndTheirChecks) {
  HostKeyList host({{0, 0x4000000 | 0x4000}, {1, 0}, {2, 0x8000}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  EXPECT_EQ(model.RowText(0), u"Name");
  model.SwapRows(0, 2);
  EXPECT_EQ(host[0].column, 2);
  EXPECT_EQ(host[2].column, 0);
  EXPECT_EQ(model.RowText(0), u"Age");
  EXPECT_EQ(model.RowText(2), u"Name");
  EXPECT_EQ(model.rowChecked, (std::vector<bool>{false, false, true}));
  model.Close(settings_, flags_);
  EXPECT_EQ(host[2].flags, 0x4000000u | 0x4000u);
  EXPECT_EQ(host[0].flags, 0x8000u);
}

TEST_F(SortMultiTest, RowsFollowTheShorterOfNamesAndKeys) {
  HostKeyList host({{7, 0x4000000}, {1, 0}});
  SortMultiModel model(names_, host.List(), false, false);
  model.Load(settings_, flags_);
  ASSERT_EQ(model.RowCount(), 2u);
  EXPECT_EQ(model.RowText(0), u"");  // index outside the names
  EXPECT_EQ(model.RowText(1), u"City");
  EXPECT_EQ(model.RowText(5), u"");
  model.selectedRows = {0, 9};
  model.ChooseRadio(1874);
  model.SwapRows(0, 5);
  EXPECT_EQ(host[0].flags, 0x4000000u | 0x8000u);
  EXPECT_EQ(host[0].column, 7);
}

TEST_F(SortMultiTest, EmptyListSelectsNothingAndDisablesOk) {
  SortMultiModel model({}, KeyList(), false, false);
  model.Load(settings_, flags_);
  EXPECT_TRUE(model.selectedRows.empty());
  SortMultiView view = model.Refresh();
  EXPECT_FALSE(view.okEnabled);
  EXPECT_FALSE(view.radiosEnabled);
  model.Close(settings_, flags_);
}

}  // namespace
}  // namespace scrv
