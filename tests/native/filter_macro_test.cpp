#include "tools/filter_macro.h"
#include "filter_test_util.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

using namespace filter_flag;

TEST(FilterMacro, FlagNamesFollowTheirFixedOrder) {
  EXPECT_EQ(
      FilterSearchFlagNames(kLogicalOr | kCase | kNegative | kContinue, MacroLanguage::kJavaScript),
      u"scFindReplaceCase | scFindNegative | scFindContinue | scFindLogicalOr");
  EXPECT_EQ(FilterSearchFlagNames(kRegExp | kOnlyWord, MacroLanguage::kVBScript),
            u"scFindReplaceOnlyWord Or scFindReplaceRegExp");
  EXPECT_EQ(
      FilterSearchFlagNames(kEscSeq | kKeepPrevious | kWholeString, MacroLanguage::kJavaScript),
      u"scFindReplaceEscSeq | scFindKeepPrevious | scFindWholeString");
  EXPECT_EQ(FilterExtendedFlagNames(kNumberRange | kUnbookmarkedOnly | kNLOthers | kMatchNL |
                                        kLfOnly | kCrOnly | kCrLf | kBookmarkedOnly,
                                    MacroLanguage::kJavaScript),
            u"scExFindBookmarkedOnly | scExFindCrLf | scExFindCrOnly | scExFindLfOnly | "
            u"scExFindMatchNL | scExFindNLOthers | scExFindUnbookmarkedOnly | "
            u"scExFindNumberRange");
  EXPECT_EQ(FilterSearchFlagNames(kEnabled | kNumberRange, MacroLanguage::kVBScript), u"0");
  EXPECT_EQ(FilterExtendedFlagNames(kCase, MacroLanguage::kVBScript), u"0");
}

TEST(FilterMacro, JavaScriptStatementsContinueUpToTheLastEnabled) {
  std::vector<FilterCondition> list = {
      Make(kEnabled | kCase, 2, 0, -1, u"a\"b"),
      Make(kEnabled | kNumberRange, -2, 4, 9, u"[1 , 5]"),
      Make(0, -1, 0, -1, u"skipped"),
  };
  EXPECT_EQ(FormatFilterMacro(list, MacroLanguage::kJavaScript),
            u"document.Filter(\"a\\x22b\",3,scFindReplaceCase | scFindContinue,0,0,0);\r\n"
            u"document.Filter(\"[1 , 5]\",-1,0,5,10,scExFindNumberRange);\r\n");
}

TEST(FilterMacro, VBScriptStatementsUseOrAndNoParentheses) {
  std::vector<FilterCondition> list = {
      Make(kEnabled | kOnlyWord | kBookmarkedOnly | kMatchNL, -1, 0, -1, u"tab\t"),
      Make(kEnabled, -2, -1, -1, u""),
  };
  EXPECT_EQ(FormatFilterMacro(list, MacroLanguage::kVBScript),
            u"document.Filter \"tab\" & Chr(9),0,scFindReplaceOnlyWord Or scFindContinue,0,0,"
            u"scExFindBookmarkedOnly Or scExFindMatchNL\r\n"
            u"document.Filter \"\",-1,0,0,0,0\r\n");
}

TEST(FilterMacro, NothingEnabledWritesNothing) {
  std::vector<FilterCondition> list = {Make(0, -1, 0, -1, u"x")};
  EXPECT_EQ(FormatFilterMacro(list, MacroLanguage::kJavaScript), u"");
  EXPECT_EQ(FormatFilterMacro({}, MacroLanguage::kVBScript), u"");
}

TEST(FilterMacro, ExtremeHostNumbersDoNotOverflow) {
  std::vector<FilterCondition> list = {Make(kEnabled, -2, 2147483647, 2147483647, u"x")};
  EXPECT_EQ(FormatFilterMacro(list, MacroLanguage::kJavaScript),
            u"document.Filter(\"x\",-1,0,2147483648,2147483648,0);\r\n");
}

}  // namespace
}  // namespace scrv
