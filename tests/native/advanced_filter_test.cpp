#include "tools/advanced_filter.h"
#include "filter_test_util.h"

#include <gtest/gtest.h>

#include "filter_ids.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

using namespace filter_flag;
using Box = FilterFlagBox;
using State = FilterBoxState;
using Rows = std::vector<size_t>;

AdvancedFilterModel Model(std::vector<FilterCondition> list, uint64_t defaults = 0) {
  return AdvancedFilterModel(std::move(list), {u"Name", u"City"}, u"(any)", u"(lines)", defaults,
                             true);
}

TEST(AdvancedFilter, ListCellsShowTextColumnAndLetters) {
  auto m = Model({Make(kEnabled | kCase | kNumberRange, -1, 0, -1, u"abc"), Make(0, 1, 0, -1, u"x"),
                  Make(0, -2, -1, -1, u"r"), Make(0, -2, 4, 9, u"r"),
                  Make(0, 7, 0, -1, u"out of range")});
  EXPECT_EQ(m.CellText(0, 0), u"abc");
  EXPECT_EQ(m.CellText(0, 1), u"(any)");
  EXPECT_EQ(m.CellText(0, 2), u"#C");
  EXPECT_EQ(m.CellText(1, 1), u"City");
  EXPECT_EQ(m.CellText(2, 1), u"(lines) (1...*)");
  EXPECT_EQ(m.CellText(3, 1), u"(lines) (5...9)");
  EXPECT_EQ(m.CellText(4, 1), u"");
  EXPECT_EQ(m.CellText(9, 0), u"");
}

TEST(AdvancedFilter, ColumnEntriesMapToColumns) {
  auto m = Model({});
  EXPECT_EQ(m.ColumnEntries(),
            (std::vector<std::u16string>{u"(any)", u"Name", u"City", u"(lines)"}));
  EXPECT_EQ(m.EntryToColumn(0), -1);
  EXPECT_EQ(m.EntryToColumn(-1), -1);
  EXPECT_EQ(m.EntryToColumn(1), 0);
  EXPECT_EQ(m.EntryToColumn(2), 1);
  EXPECT_EQ(m.EntryToColumn(3), -2);
  EXPECT_EQ(m.ColumnToEntry(-1), 0);
  EXPECT_EQ(m.ColumnToEntry(1), 2);
  EXPECT_EQ(m.ColumnToEntry(-2), 3);
  EXPECT_EQ(m.ColumnToEntry(2), -1);
  EXPECT_EQ(m.ColumnToEntry(-3), -1);
}

TEST(AdvancedFilter, NoSelectionShowsTheDefaultsWithEverythingDisabled) {
  auto m = Model({Make(kCase, 0, 0, -1, u"a")}, kOnlyWord | kRegExp);
  FilterControls v = m.ControlsFor({});
  EXPECT_EQ(v.Box(Box::kOnlyWord), State::kChecked);
  EXPECT_EQ(v.Box(Box::kCase), State::kUnchecked);
  EXPECT_EQ(v.matchKind, FilterMatchKind::kRegExp);
  EXPECT_EQ(v.columnEntry, -1);
  EXPECT_FALSE(v.anySelected);
  for (bool e : v.boxEnabled) EXPECT_FALSE(e);
  EXPECT_FALSE(v.openStartEnabled || v.startFieldEnabled || v.endFieldEnabled);
  EXPECT_TRUE(v.startText.empty() && v.endText.empty());
  EXPECT_TRUE(v.secondFilterEnabled);
}

TEST(AdvancedFilter, MixedSelectionShowsIndeterminateAndAClickSetsAll) {
  auto m = Model({Make(kCase | kRegExp, 0, 0, -1, u"a"), Make(kRegExp, 0, 0, -1, u"b"),
                  Make(0, 1, 0, -1, u"c")});
  Rows both = {0, 1};
  FilterControls v = m.ControlsFor(both);
  EXPECT_EQ(v.Box(Box::kCase), State::kIndeterminate);
  EXPECT_EQ(v.Box(Box::kOnlyWord), State::kUnchecked);
  EXPECT_EQ(v.matchKind, FilterMatchKind::kRegExp);
  EXPECT_EQ(v.columnEntry, 1);

  EXPECT_EQ(m.ClickFlagBox(both, Box::kCase), State::kChecked);
  EXPECT_TRUE(m.Conditions()[0].flags & kCase);
  EXPECT_TRUE(m.Conditions()[1].flags & kCase);
  EXPECT_FALSE(m.Conditions()[2].flags & kCase);
  EXPECT_TRUE(m.DefaultFlags() & kCase);
  EXPECT_EQ(m.ControlsFor(both).Box(Box::kCase), State::kChecked);

  EXPECT_EQ(m.ClickFlagBox(both, Box::kCase), State::kUnchecked);
  EXPECT_FALSE(m.Conditions()[0].flags & kCase);
  EXPECT_FALSE(m.DefaultFlags() & kCase);

  Rows mixedKinds = {0, 2};
  v = m.ControlsFor(mixedKinds);
  EXPECT_FALSE(v.matchKind);
  EXPECT_EQ(v.columnEntry, -1);
}

TEST(AdvancedFilter, BookmarkedAndUnbookmarkedExcludeEachOther) {
  auto m = Model({Make(kUnbookmarkedOnly, 0, 0, -1, u"a")}, kUnbookmarkedOnly);
  Rows one = {0};
  EXPECT_TRUE(m.ControlsFor(one).BoxEnabled(Box::kUnbookmarkedOnly));
  m.ClickFlagBox(one, Box::kBookmarkedOnly);
  EXPECT_EQ(m.Conditions()[0].flags & (kBookmarkedOnly | kUnbookmarkedOnly), kBookmarkedOnly);
  EXPECT_EQ(m.DefaultFlags(), kBookmarkedOnly);
  FilterControls v = m.ControlsFor(one);
  EXPECT_EQ(v.Box(Box::kUnbookmarkedOnly), State::kUnchecked);
  EXPECT_FALSE(v.BoxEnabled(Box::kUnbookmarkedOnly));

  m.ClickFlagBox(one, Box::kBookmarkedOnly);
  m.ClickFlagBox(one, Box::kUnbookmarkedOnly);
  m.ClickFlagBox(one, Box::kBookmarkedOnly);
  EXPECT_EQ(m.Conditions()[0].flags & (kBookmarkedOnly | kUnbookmarkedOnly), kBookmarkedOnly);
}

TEST(AdvancedFilter, LineEndBoxesNeedTheGateCheckedOrMixed) {
  auto m = Model({Make(kMatchNL | kCrLf, 0, 0, -1, u"a"), Make(0, 0, 0, -1, u"b")});
  Rows first = {0}, second = {1}, both = {0, 1};
  EXPECT_TRUE(m.ControlsFor(first).BoxEnabled(Box::kCrLf));
  EXPECT_FALSE(m.ControlsFor(second).BoxEnabled(Box::kCrLf));
  EXPECT_TRUE(m.ControlsFor(both).BoxEnabled(Box::kNLOthers));
  EXPECT_EQ(m.ControlsFor(both).Box(Box::kMatchNL), State::kIndeterminate);
}

TEST(AdvancedFilter, MatchKindRadiosClearTheOtherKinds) {
  auto m = Model({Make(kEscSeq | kCase, 0, 0, -1, u"a"), Make(kNumberRange, 0, 0, -1, u"b")},
                 kEscSeq | kRegExp | kNumberRange | kOnlyWord);
  Rows both = {0, 1};
  m.ChooseMatchKind(both, FilterMatchKind::kRegExp);
  EXPECT_EQ(m.Conditions()[0].flags, kRegExp | kCase);
  EXPECT_EQ(m.Conditions()[1].flags, kRegExp);
  EXPECT_EQ(m.DefaultFlags(), kRegExp | kOnlyWord);
  m.ChooseMatchKind(both, FilterMatchKind::kNone);
  EXPECT_EQ(m.Conditions()[0].flags, kCase);
  EXPECT_EQ(m.DefaultFlags(), kOnlyWord);
  EXPECT_EQ(m.ControlsFor(both).matchKind, FilterMatchKind::kNone);
}

TEST(AdvancedFilter, NumberRangeDialogSeedsAndReplacesTheSelectedTexts) {
  auto m = Model({Make(0, 0, 0, -1, std::u16string(200, u'9')), Make(kRegExp, 0, 0, -1, u"b"),
                  Make(0, 0, 0, -1, u"c")});
  EXPECT_TRUE(m.NeedsNumberRangeDialog(false));
  EXPECT_FALSE(m.NeedsNumberRangeDialog(true));
  EXPECT_FALSE(Model({}).NeedsNumberRangeDialog(false));
  Rows sel = {1, 0};
  EXPECT_EQ(m.NumberRangeDialogText(sel), std::u16string(159, u'9'));
  m.ApplyNumberRange(sel, u"[1 , 2]");
  EXPECT_EQ(m.Conditions()[0].text, u"[1 , 2]");
  EXPECT_EQ(m.Conditions()[1].flags, kNumberRange);
  EXPECT_EQ(m.Conditions()[2].text, u"c");
  m.ApplyNumberRange(sel, u"");
  EXPECT_EQ(m.Conditions()[1].text, u"[1 , 2]");
}

TEST(AdvancedFilter, ChoosingAColumnEntrySetsTheSelectedColumns) {
  auto m = Model({Make(0, 0, 0, -1, u"a"), Make(0, 0, 0, -1, u"b")});
  Rows both = {0, 1};
  m.ChooseColumnEntry(both, 3);
  EXPECT_EQ(m.Conditions()[1].column, -2);
  FilterControls v = m.ControlsFor(both);
  EXPECT_EQ(v.columnEntry, 3);
  EXPECT_TRUE(v.openStartEnabled && v.openEndEnabled && v.startFieldEnabled);
  m.ChooseColumnEntry(both, -1);
  EXPECT_EQ(m.Conditions()[0].column, -1);
  EXPECT_FALSE(m.ControlsFor(both).openStartEnabled);
}

TEST(AdvancedFilter, RangeFieldsShowFirstNumberAndEnd) {
  auto m = Model({Make(0, -2, 4, 9, u"a"), Make(0, -2, 4, 12, u"b"), Make(0, -2, -1, -1, u"c"),
                  Make(0, -2, 0, -1, u"d")});
  Rows both = {0, 1};
  FilterControls v = m.ControlsFor(both);
  EXPECT_EQ(v.startText, u"5");
  EXPECT_EQ(v.endText, u"");
  EXPECT_FALSE(v.openStart || v.openEnd);
  Rows open = {2};
  v = m.ControlsFor(open);
  EXPECT_TRUE(v.openStart && v.openEnd);
  EXPECT_FALSE(v.startFieldEnabled || v.endFieldEnabled);
  EXPECT_TRUE(v.openStartEnabled);
  EXPECT_TRUE(v.startText.empty() && v.endText.empty());
  // A new range condition starts at line 1 with an open end; the open-end box stays clear.
  Rows fresh = {3};
  v = m.ControlsFor(fresh);
  EXPECT_EQ(v.startText, u"1");
  EXPECT_FALSE(v.openEnd);
  EXPECT_TRUE(v.endFieldEnabled);
}

TEST(AdvancedFilter, ClearingStartGivesLineOneButClearingEndChangesNothing) {
  auto m = Model({Make(0, -2, 4, 9, u"a")});
  Rows one = {0};
  m.EditRangeStart(one, u"");
  EXPECT_EQ(m.Conditions()[0].rangeStart, 0);
  m.EditRangeEnd(one, u"");
  EXPECT_EQ(m.Conditions()[0].rangeEnd, 9);
  m.EditRangeStart(one, u"12");
  EXPECT_EQ(m.Conditions()[0].rangeStart, 11);
  m.EditRangeEnd(one, u" +30 ");
  EXPECT_EQ(m.Conditions()[0].rangeEnd, 30);
  for (std::u16string_view bad : {u"0", u"-3", u"1x", u"-", u"99999999999"}) {
    m.EditRangeStart(one, bad);
    m.EditRangeEnd(one, bad);
  }
  EXPECT_EQ(m.Conditions()[0].rangeStart, 11);
  EXPECT_EQ(m.Conditions()[0].rangeEnd, 30);
}

TEST(AdvancedFilter, OpenBoxesOpenTheEndOrApplyTheField) {
  auto m = Model({Make(0, -2, 4, 9, u"a")});
  Rows one = {0};
  m.SetOpenStart(one, true, u"5");
  m.SetOpenEnd(one, true, u"9");
  EXPECT_EQ(m.Conditions()[0].rangeStart, -1);
  EXPECT_EQ(m.Conditions()[0].rangeEnd, -1);
  m.SetOpenStart(one, false, u"");
  m.SetOpenEnd(one, false, u"0");
  EXPECT_EQ(m.Conditions()[0].rangeStart, -1);
  EXPECT_EQ(m.Conditions()[0].rangeEnd, -1);
  m.SetOpenStart(one, false, u"3");
  m.SetOpenEnd(one, false, u"7");
  EXPECT_EQ(m.Conditions()[0].rangeStart, 2);
  EXPECT_EQ(m.Conditions()[0].rangeEnd, 7);
}

TEST(AdvancedFilter, AddTakesTheFirstSelectedFlagsOrTheDefaults) {
  auto m = Model({Make(kCase | kHostOnly, 1, 3, 4, u"a")}, kOnlyWord);
  EXPECT_EQ(m.Add({}), 1u);
  EXPECT_EQ(m.Conditions()[1], Make(kOnlyWord | kEnabled, -1, 0, -1, u""));
  Rows first = {0};
  EXPECT_EQ(m.Add(first), 2u);
  EXPECT_EQ(m.Conditions()[2], Make(kCase | kHostOnly | kEnabled, -1, 0, -1, u""));
}

TEST(AdvancedFilter, DeleteSelectsTheOldFirstRowOrTheLast) {
  auto m = Model({Make(0, 0, 0, -1, u"a"), Make(0, 0, 0, -1, u"b"), Make(0, 0, 0, -1, u"c"),
                  Make(0, 0, 0, -1, u"d")});
  Rows middle = {2, 1, 2, 9};
  EXPECT_EQ(m.DeleteSelected(middle), 1u);
  ASSERT_EQ(m.Count(), 2u);
  EXPECT_EQ(m.Conditions()[1].text, u"d");
  Rows last = {1};
  EXPECT_EQ(m.DeleteSelected(last), 0u);
  Rows all = {0};
  EXPECT_EQ(m.DeleteSelected(all), std::nullopt);
  EXPECT_EQ(m.DeleteSelected({}), std::nullopt);
}

TEST(AdvancedFilter, CopyAndPasteRoundTripBeforeTheFirstSelected) {
  auto m = Model({Make(kEnabled | kCase, 0, 0, -1, u"a"), Make(kLogicalOr, -2, 2, 5, u"b"),
                  Make(kEnabled, 1, 0, -1, u"c")},
                 kWholeString);
  Rows copy = {0, 1};
  std::u16string clip = m.Copy(copy);
  EXPECT_EQ(clip, u"on\ta\t0\tC\t0\t-1\r\noff\tb\t-2\tO\t2\t5\r\n");
  Rows at = {2};
  FilterInsertedRows rows = m.Paste(at, clip + u"plain");
  EXPECT_EQ(rows.first, 2u);
  EXPECT_EQ(rows.count, 3u);
  ASSERT_EQ(m.Count(), 6u);
  EXPECT_EQ(m.Conditions()[2], m.Conditions()[0]);
  EXPECT_EQ(m.Conditions()[3], m.Conditions()[1]);
  EXPECT_EQ(m.Conditions()[4], Make(kWholeString | kEnabled, -1, 0, -1, u"plain"));
  EXPECT_EQ(m.Conditions()[5].text, u"c");
  rows = m.Paste({}, u"tail");
  EXPECT_EQ(rows.first, 6u);
  EXPECT_EQ(m.Conditions()[6].text, u"tail");
}

TEST(AdvancedFilter, FilterRefusesTheFirstInvalidEnabledRange) {
  auto m = Model({Make(kNumberRange, 0, 0, -1, u"bad, disabled"),
                  Make(kEnabled | kNumberRange, 0, 0, -1, u"[1 , 2]"),
                  Make(kEnabled, 0, 0, -1, u"not a range"),
                  Make(kEnabled | kNumberRange, 0, 0, -1, u"bad")});
  auto valid = [](std::u16string_view t) { return t.starts_with(u"["); };
  EXPECT_EQ(m.FindInvalidRange(valid), 3u);
  m.SetEnabled(3, false);
  EXPECT_EQ(m.FindInvalidRange(valid), std::nullopt);
  m.SetEnabled(3, true);
  m.SetText(3, u"[5 , 6]");
  EXPECT_EQ(m.FindInvalidRange(valid), std::nullopt);
}

TEST(AdvancedFilter, SecondButtonIsDisabledByUseAndEnabledByOk) {
  auto m = Model({});
  m.NoteFilterApplied(true);
  EXPECT_FALSE(m.ControlsFor({}).secondFilterEnabled);
  m.NoteFilterApplied(false);
  EXPECT_TRUE(m.SecondFilterEnabled());
}

TEST(AdvancedFilter, InitialFocusFollowsTheFirstRangeCondition) {
  EXPECT_EQ(Model({Make(0, -2, 3, -1, u"")}).InitialFocus(), FilterFocus::kRangeStart);
  EXPECT_EQ(Model({Make(0, -2, -1, 8, u"")}).InitialFocus(), FilterFocus::kRangeEnd);
  EXPECT_EQ(Model({Make(0, -2, -1, -1, u"")}).InitialFocus(), FilterFocus::kDefault);
  EXPECT_EQ(Model({Make(0, 0, 3, 8, u"")}).InitialFocus(), FilterFocus::kDefault);
  EXPECT_EQ(Model({}).InitialFocus(), FilterFocus::kDefault);
}

TEST(AdvancedFilter, EditsKeepTextsWithinTheLimitAndIgnoreMissingRows) {
  auto m = Model({Make(0, 0, 0, -1, u"a"), Make(0, 0, 0, -1, u"b")});
  m.SetText(0, std::u16string(kFilterTextMax + 1, u'x'));
  EXPECT_EQ(m.Conditions()[0].text.size(), kFilterTextMax);
  m.SetText(5, u"x");
  m.SetEnabled(5, true);
  m.Swap(0, 5);
  m.Swap(0, 1);
  EXPECT_EQ(m.Conditions()[0].text, u"b");
  Rows missing = {7};
  m.ClickFlagBox(missing, Box::kCase);
  EXPECT_EQ(m.Conditions()[0].flags | m.Conditions()[1].flags, 0u);
}

TEST(AdvancedFilter, DefaultFlagsPersistInCommon) {
  for (bool ini : {false, true}) {
    MemorySettings settings(ini);
    const FlagTable flags(1252);
    EXPECT_EQ(ReadFilterSettings(settings, flags).defaultFlags, 0u);
    EXPECT_FALSE(ReadFilterSettings(settings, flags).closeAfter);
    WriteFilterDefaultFlags(settings, kNegative | kCase);
    WriteCommonFlag(settings, flags, flag::kFilterClose, 1);
    const FilterSettings read = ReadFilterSettings(settings, flags);
    EXPECT_EQ(read.defaultFlags, kNegative | kCase);
    EXPECT_TRUE(read.closeAfter);
    EXPECT_EQ(settings.OpenHandles(), 0);
    const StoredValue* stored = settings.Find(u"Common", u"FilterDefFlags");
    ASSERT_NE(stored, nullptr);
    if (ini) {
      EXPECT_EQ(stored->text, u"1073741826");  // decimal text in [Common]
    } else {
      EXPECT_EQ(stored->type, ValueType::kQword);
    }
  }
}

// A number range belongs to its one text: no added or pasted condition takes the kind over,
// and the default flags never hold it, whether read, edited or written.
TEST(AdvancedFilter, TheNumberRangeKindIsNeverPassedOn) {
  auto m = Model({Make(kEnabled | kNumberRange | kCase, -1, 0, -1, u"[1 , 2]")},
                 kNumberRange | kOnlyWord);
  EXPECT_EQ(m.DefaultFlags(), kOnlyWord);
  Rows first = {0};
  m.ChooseMatchKind(first, FilterMatchKind::kNumberRange);
  EXPECT_EQ(m.DefaultFlags(), kOnlyWord);
  EXPECT_EQ(m.Conditions()[m.Add(first)].flags, kEnabled | kCase);
  const FilterInsertedRows pasted = m.Paste({}, u"plain\r\non\tx\t-1\tC\t0\t-1\r\n");
  for (size_t i = 0; i < pasted.count; ++i)
    EXPECT_EQ(m.Conditions()[pasted.first + i].flags & kNumberRange, 0u) << i;
  MemorySettings settings(false);
  WriteFilterDefaultFlags(settings, kNumberRange | kCase);
  EXPECT_EQ(ReadFilterSettings(settings, FlagTable(1252)).defaultFlags, kCase);
  settings.WriteCommonQword(u"FilterDefFlags", kNumberRange | kCase);  // an earlier version's
  EXPECT_EQ(ReadFilterSettings(settings, FlagTable(1252)).defaultFlags, kCase);
}

TEST(AdvancedFilter, RangeFieldsRefuseAMissingLineAndAnInvertedRange) {
  auto m = Model({Make(kEnabled, -2, 599, 5, u""), Make(kEnabled, -2, 4, 9, u""),
                  Make(kEnabled, -2, -1, 3, u""), Make(kEnabled, -1, 9, 2, u"")});
  struct Case {
    Rows selection;
    std::u16string start;
    bool startInUse;
    std::u16string end;
    bool endInUse;
    FilterRangeProblem problem;
  } cases[] = {
      {{0}, u"600", true, u"5", true, FilterRangeProblem::kInverted},
      {{1}, u"5", true, u"9", true, FilterRangeProblem::kNone},
      {{1}, u"", true, u"9", true, FilterRangeProblem::kNoStart},
      {{1}, u"0", true, u"9", true, FilterRangeProblem::kNoStart},
      {{1}, u"5", true, u"", true, FilterRangeProblem::kNoEnd},
      {{1}, u"", false, u"", false, FilterRangeProblem::kNone},  // differing or untouched
      {{2}, u"", false, u"3", true, FilterRangeProblem::kNone},  // open start
      {{3}, u"", false, u"", false, FilterRangeProblem::kNone},  // not a range condition
      {{}, u"", false, u"", false, FilterRangeProblem::kNone},
      {{1, 0}, u"", false, u"", false, FilterRangeProblem::kInverted},
  };
  for (const Case& c : cases)
    EXPECT_EQ(m.CheckRangeFields(c.selection, c.start, c.startInUse, c.end, c.endInUse).problem,
              c.problem)
        << c.selection.size() << " " << c.start.size() << " " << c.end.size();
  const FilterRangeIssue inverted = m.CheckRangeFields(Rows{0}, u"", false, u"", false);
  EXPECT_EQ(inverted.first, 600);
  EXPECT_EQ(inverted.last, 5);
  auto text = [](uint32_t id) { return id == IDS_AF_WHY_INVERTED ? u"%1-%2" : u"?"; };
  EXPECT_EQ(AdvancedFilterModel::RangeIssueText(inverted, text), u"600-5");
  EXPECT_EQ(AdvancedFilterModel::RangeIssueText({}, text), u"");
}

}  // namespace
}  // namespace scrv
