#include "tools/filter_condition.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

using namespace filter_flag;

TEST(FilterLetters, FollowTheListOrderWithNumberRangeFirst) {
  EXPECT_EQ(FilterLetters(kNumberRange | kCase | kRegExp | kOnlyWord | kNegative | kWholeString |
                              kLogicalOr | kBookmarkedOnly | kUnbookmarkedOnly,
                          true),
            u"#CRWNHOBU");
  EXPECT_EQ(FilterLetters(kNumberRange | kCase, false), u"C");
  EXPECT_EQ(FilterLetters(0, true), u"");
}

TEST(FilterLetters, RegExpHidesEscapeSequences) {
  EXPECT_EQ(FilterLetters(kEscSeq, true), u"E");
  EXPECT_EQ(FilterLetters(kEscSeq | kRegExp, true), u"R");
}

TEST(FilterLetters, LineEndKindsShowOnlyBehindTheGate) {
  const uint64_t kinds = kCrLf | kCrOnly | kLfOnly | kNLOthers;
  EXPECT_EQ(FilterLetters(kinds, true), u"");
  EXPECT_EQ(FilterLetters(kinds | kMatchNL, true), u"0123");
  EXPECT_EQ(FilterLetters(kLfOnly | kMatchNL | kCase, true), u"C2");
}

TEST(FilterLetters, ReadBackSetsTheGateAndIgnoresOtherCharacters) {
  EXPECT_EQ(FilterFlagsFromLetters(u"CEWNHOBU"), kCase | kEscSeq | kOnlyWord | kNegative |
                                                     kWholeString | kLogicalOr | kBookmarkedOnly |
                                                     kUnbookmarkedOnly);
  EXPECT_EQ(FilterFlagsFromLetters(u"R"), kRegExp);
  EXPECT_EQ(FilterFlagsFromLetters(u"2"), kLfOnly | kMatchNL);
  EXPECT_EQ(FilterFlagsFromLetters(u"0123"), kCrLf | kCrOnly | kLfOnly | kNLOthers | kMatchNL);
  EXPECT_EQ(FilterFlagsFromLetters(u"#cxyz 4"), 0u);
}

TEST(FilterLetters, RoundTripEveryLetterCombinationWithoutNumberRange) {
  // Each flag a letter stands for; the line-end kinds are only meaningful behind the gate.
  const uint64_t masks[] = {kCase,        kEscSeq,    kOnlyWord,       kNegative,
                            kWholeString, kLogicalOr, kBookmarkedOnly, kUnbookmarkedOnly};
  for (uint32_t pick = 0; pick < (1u << 8); ++pick) {
    uint64_t flags = 0;
    for (int i = 0; i < 8; ++i) {
      if (pick & (1u << i)) flags |= masks[i];
    }
    EXPECT_EQ(FilterFlagsFromLetters(FilterLetters(flags, false)), flags) << pick;
  }
}

TEST(FilterRangeText, ShowsFirstNumberAndOpenEnds) {
  EXPECT_EQ(FilterRangeText(-1, -1), u"1...*");
  EXPECT_EQ(FilterRangeText(4, 9), u"5...9");
  EXPECT_EQ(FilterRangeText(0, -1), u"1...*");
  EXPECT_EQ(FilterRangeText(9, -1), u"10...*");
  EXPECT_EQ(FilterRangeText(-1, 20), u"*...20");
  EXPECT_EQ(FilterRangeText(2147483647, 2147483647), u"2147483648...2147483647");
}

}  // namespace
}  // namespace scrv
