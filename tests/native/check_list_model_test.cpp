// The check list's portable rules: command availability and keys, the check toggles and the
// check-all box, clipboard rows and DPI rescaling of column widths.

#include <gtest/gtest.h>

#include <set>

#include "controls/check_list_commands.h"
#include "controls/check_states.h"
#include "controls/clipboard_rows.h"
#include "controls/dpi_scale.h"

namespace scrv {
namespace {

CheckListSelection Sel(int rows, int selected, bool first = false, bool last = false) {
  return {rows, selected, first, last, false};
}

TEST(CheckListCommands, EditingCommandsNeedEditingAndTheirOwnSwitch) {
  CheckListOptions o;
  auto s = Sel(3, 1);
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_CUT, o, s));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_PASTE, o, s));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_DELETE, o, s));
  o.editing = true;
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_CUT, o, s));
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_PASTE, o, s));
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_DELETE, o, s));
  o.cutEnabled = false;
  o.pasteEnabled = false;
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_CUT, o, s));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_PASTE, o, s));
}

TEST(CheckListCommands, SelectionCommandsNeedASelection) {
  CheckListOptions o;
  o.editing = true;
  auto none = Sel(3, 0);
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_COPY, o, none));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_CUT, o, none));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_DELETE, o, none));
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_PASTE, o, none));
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_COPY, o, Sel(3, 2)));
}

TEST(CheckListCommands, MovesFollowTheSelectionEdges) {
  CheckListOptions o;
  EXPECT_FALSE(CheckListCommandAvailable(IDC_CL_MOVE_UP, o, Sel(4, 1)));
  o.moving = true;
  EXPECT_TRUE(CheckListCommandAvailable(IDC_CL_MOVE_UP, o, Sel(4, 1)));
  EXPECT_FALSE(CheckListCommandAvailable(IDC_CL_MOVE_UP, o, Sel(4, 2, true)));
  EXPECT_FALSE(CheckListCommandAvailable(IDC_CL_MOVE_TOP, o, Sel(4, 2, true)));
  EXPECT_TRUE(CheckListCommandAvailable(IDC_CL_MOVE_DOWN, o, Sel(4, 2, true)));
  EXPECT_FALSE(CheckListCommandAvailable(IDC_CL_MOVE_BOTTOM, o, Sel(4, 1, false, true)));
  EXPECT_FALSE(CheckListCommandAvailable(IDC_CL_MOVE_DOWN, o, Sel(4, 0)));
}

TEST(CheckListCommands, OtherCommandsFollowTheirSwitches) {
  CheckListOptions o;
  auto s = Sel(2, 1);
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_SELECT_ALL, o, Sel(0, 0)));
  o.selectAllDisabled = true;
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_SELECT_ALL, o, s));
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_ADD, o, Sel(0, 0)));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_RENAME, o, s));
  s.labelEditing = true;
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_RENAME, o, s));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_LOAD, o, s));
  o.loadEnabled = true;
  EXPECT_TRUE(CheckListCommandAvailable(ID_CL_LOAD, o, s));
  EXPECT_FALSE(CheckListCommandAvailable(ID_CL_SAVE, o, s));
  EXPECT_FALSE(CheckListCommandAvailable(kClToggleEach, o, s));
  o.checkBoxes = true;
  EXPECT_TRUE(CheckListCommandAvailable(kClToggleAsFirst, o, s));
  EXPECT_FALSE(CheckListCommandAvailable(12345, o, s));
}

TEST(CheckListCommands, KeysMapOnlyWithTheirExactModifiers) {
  EXPECT_EQ(CheckListCommandForKey('X', true, false, false), uint32_t{ID_CL_CUT});
  EXPECT_EQ(CheckListCommandForKey('B', true, false, false), uint32_t{IDC_CL_MOVE_BOTTOM});
  EXPECT_EQ(CheckListCommandForKey(vk::kDelete, false, false, false), uint32_t{ID_CL_DELETE});
  EXPECT_EQ(CheckListCommandForKey(vk::kInsert, false, false, false), uint32_t{ID_CL_ADD});
  EXPECT_EQ(CheckListCommandForKey(vk::kSpace, false, false, false), kClToggleEach);
  EXPECT_EQ(CheckListCommandForKey(vk::kF9, false, false, false), kClToggleAsFirst);
  EXPECT_EQ(CheckListCommandForKey('X', false, false, false), 0u);
  EXPECT_EQ(CheckListCommandForKey('X', true, true, false), 0u);
  EXPECT_EQ(CheckListCommandForKey(vk::kDelete, true, false, false), 0u);
  EXPECT_EQ(CheckListCommandForKey(vk::kF2, false, false, true), 0u);
}

TEST(CheckListCommands, MenuCommandsCarryTheTextOfTheirKey) {
  EXPECT_EQ(CheckListAcceleratorText(ID_CL_CUT), u"Ctrl+X");
  EXPECT_EQ(CheckListAcceleratorText(IDC_CL_MOVE_TOP), u"Ctrl+T");
  EXPECT_EQ(CheckListAcceleratorText(ID_CL_DELETE), u"Delete");
  EXPECT_EQ(CheckListAcceleratorText(ID_CL_RENAME), u"F2");
  EXPECT_TRUE(CheckListAcceleratorText(ID_CL_LOAD).empty());
  EXPECT_TRUE(CheckListAcceleratorText(kClToggleEach).empty());
  // Every key letter appears once: no two commands share a key.
  std::set<uint32_t> commands;
  for (char16_t k = 'A'; k <= 'Z'; ++k)
    if (uint32_t c = CheckListCommandForKey(k, true, false, false))
      EXPECT_TRUE(commands.insert(c).second);
  EXPECT_EQ(commands.size(), 8u);
}

TEST(CheckStates, SpaceFlipsEachRowAndF9FollowsTheFirst) {
  std::vector<bool> states{true, false, true};
  EXPECT_EQ(ToggleEach(states), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(ToggleAsFirst(states), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(ToggleAsFirst({false, true}), (std::vector<bool>{true, true}));
  EXPECT_TRUE(ToggleAsFirst({}).empty());
}

TEST(CheckAll, WithoutSelectionShowsTheFirstRow) {
  std::vector<bool> rows{true, false};
  auto checked = [&](int r) { return static_cast<bool>(rows.at(static_cast<size_t>(r))); };
  auto v = ComputeCheckAll(2, {}, checked);
  EXPECT_EQ(v.state, BoxState::kChecked);
  EXPECT_EQ(v.captionId, uint32_t{IDS_CHECK_ALL});
  EXPECT_EQ(ComputeCheckAll(0, {}, checked).state, BoxState::kIndeterminate);
}

TEST(CheckAll, OneSelectedRowShowsThatRow) {
  std::vector<bool> rows{true, false, true};
  auto checked = [&](int r) { return static_cast<bool>(rows.at(static_cast<size_t>(r))); };
  auto v = ComputeCheckAll(3, {1}, checked);
  EXPECT_EQ(v.state, BoxState::kUnchecked);
  EXPECT_EQ(v.captionId, uint32_t{IDS_CHECK_ALL});
}

TEST(CheckAll, SeveralSelectedRowsShowTheirCommonStateOrIndeterminate) {
  std::vector<bool> rows{true, false, true, true};
  auto checked = [&](int r) { return static_cast<bool>(rows.at(static_cast<size_t>(r))); };
  auto v = ComputeCheckAll(4, {0, 2, 3}, checked);
  EXPECT_EQ(v.state, BoxState::kChecked);
  EXPECT_EQ(v.captionId, uint32_t{IDS_CHECK_SELECTED});
  EXPECT_EQ(ComputeCheckAll(4, {0, 1}, checked).state, BoxState::kIndeterminate);
}

TEST(CheckAll, ClickTogglesAndAppliesToAllRowsBelowTwoSelected) {
  auto c = ClickCheckAll(BoxState::kIndeterminate, 3);
  EXPECT_TRUE(c.check);
  EXPECT_FALSE(c.allRows);
  c = ClickCheckAll(BoxState::kChecked, 1);
  EXPECT_FALSE(c.check);
  EXPECT_TRUE(c.allRows);
  EXPECT_TRUE(ClickCheckAll(BoxState::kUnchecked, 0).check);
}

TEST(ClipboardRows, EveryRowEndsWithCrLf) {
  EXPECT_EQ(JoinClipboardRows({u"one", u"", u"three"}), u"one\r\n\r\nthree\r\n");
  EXPECT_EQ(JoinClipboardRows({}), u"");
}

TEST(ClipboardRows, SplitsAtEveryKindOfLineBreak) {
  EXPECT_EQ(SplitClipboardRows(u"a\r\nb\nc\rd"),
            (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(SplitClipboardRows(u"a\r\n\r\nb\r\n"), (std::vector<std::u16string>{u"a", u"", u"b"}));
  EXPECT_TRUE(SplitClipboardRows(u"").empty());
  EXPECT_EQ(SplitClipboardRows(std::u16string_view(u"x\ny\0z\n", 6)),
            (std::vector<std::u16string>{u"x", u"y"}));
  auto rows = std::vector<std::u16string>{u"p", u"q r"};
  EXPECT_EQ(SplitClipboardRows(JoinClipboardRows(rows)), rows);
}

TEST(ClipboardRows, ABlockIsReadUpToItsFirstZeroOrItsEndAndNoFurther) {
  const char16_t text[] = u"ab\0cd";
  EXPECT_EQ(ClipboardBlockText(text, sizeof text), u"ab");
  // No terminator, and an odd byte at the end: the two whole units, and nothing past them.
  EXPECT_EQ(ClipboardBlockText(text + 3, 5), u"cd");
  EXPECT_EQ(ClipboardBlockText(text, 1), u"");
  EXPECT_EQ(ClipboardBlockText(nullptr, 8), u"");
}

TEST(DpiScale, RoundsToNearestLikeMulDiv) {
  EXPECT_EQ(RescaleForDpi(100, 144, 96), 150);
  EXPECT_EQ(RescaleForDpi(101, 144, 96), 152);  // 151.5 rounds up
  EXPECT_EQ(RescaleForDpi(-101, 144, 96), -152);
  EXPECT_EQ(RescaleForDpi(150, 96, 144), 100);
  EXPECT_EQ(RescaleForDpi(77, 120, 0), 77);
  EXPECT_EQ(RescaleForDpi(2000000000, 960, 96), 2000000000);
}

}  // namespace
}  // namespace scrv
