#include "tools/number_range_model.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

NumberRangeDialogState Fields(std::u16string lower, std::u16string upper, bool integers,
                              char16_t dec = u'.') {
  NumberRangeDialogState s = InitialNumberRangeState(u"", dec);
  s.lower = std::move(lower);
  s.upper = std::move(upper);
  s.integersOnly = integers;
  NumberRangeFieldsChanged(s);
  return s;
}

TEST(NumberRangeModel, EmptyHostTextStartsInFieldModeWithInclusiveEnds) {
  NumberRangeDialogState s = InitialNumberRangeState(u"", u'.');
  EXPECT_TRUE(s.lowerInclusive);
  EXPECT_TRUE(s.upperInclusive);
  EXPECT_FALSE(s.integersOnly);
  EXPECT_FALSE(s.directMode);
  EXPECT_EQ(s.expression, u"");
  NumberRangeEnabling e = NumberRangeEnablingOf(s);
  EXPECT_TRUE(e.fields);
  EXPECT_FALSE(e.expression);
  // Two open ends make a valid (if unbounded) range.
  EXPECT_TRUE(e.ok);
}

TEST(NumberRangeModel, HostIntervalFillsFieldsAndBoxes) {
  NumberRangeDialogState s = InitialNumberRangeState(u"(1 , 10]", u'.');
  EXPECT_EQ(s.lower, u"1");
  EXPECT_EQ(s.upper, u"10");
  EXPECT_FALSE(s.lowerInclusive);
  EXPECT_TRUE(s.upperInclusive);
  EXPECT_TRUE(s.integersOnly);
  EXPECT_FALSE(s.directMode);
  EXPECT_EQ(s.expression, u"(1 , 10]");
  EXPECT_EQ(NumberRangeResultText(s), u"(1 , 10]");
}

TEST(NumberRangeModel, HostBlockStartsInDirectMode) {
  NumberRangeDialogState s = InitialNumberRangeState(u"10.1.0.0/16", u'.');
  EXPECT_TRUE(s.directMode);
  EXPECT_EQ(s.lower, u"10.1.0.0");
  EXPECT_EQ(s.upper, u"10.1.255.255");
  EXPECT_EQ(s.expression, u"10.1.0.0/16");
  NumberRangeEnabling e = NumberRangeEnablingOf(s);
  EXPECT_TRUE(e.expression);
  EXPECT_FALSE(e.fields);
  EXPECT_TRUE(e.ok);
}

TEST(NumberRangeModel, InvalidOrOverlongHostTextLeavesTheDialogEmpty) {
  NumberRangeDialogState bad = InitialNumberRangeState(u"[10 , 1]", u'.');
  EXPECT_EQ(bad.lower, u"");
  EXPECT_EQ(bad.expression, u"");
  // Only the first 159 characters are taken: the closing bracket is cut off.
  std::u16string longText = u"[1 , 2" + std::u16string(153, u' ') + u"]";
  ASSERT_EQ(longText.size(), 160u);
  EXPECT_EQ(InitialNumberRangeState(longText, u'.').expression, u"");
  EXPECT_EQ(InitialNumberRangeState(u"[1 , 2]" + std::u16string(152, u' '), u'.').expression,
            u"[1 , 2]");
}

TEST(NumberRangeModel, FieldsComposeTheExpression) {
  EXPECT_EQ(Fields(u"1", u"10", false).expression, u"[1.0 , 10.0]");
  EXPECT_EQ(Fields(u"1", u"10", false, u',').expression, u"[1,0 , 10,0]");
  EXPECT_EQ(Fields(u"1", u"10", true).expression, u"[1 , 10]");
  EXPECT_EQ(Fields(u"192.168.0.0", u"192.168.0.255", false).expression, u"192.168.0.0/24");

  NumberRangeDialogState s = Fields(u"1", u"", true);
  s.upperInclusive = false;
  NumberRangeFieldsChanged(s);
  EXPECT_EQ(s.expression, u"[1 , )");
  EXPECT_EQ(NumberRangeResultText(s), u"[1 , )");
}

TEST(NumberRangeModel, InvalidFieldsEmptyTheExpressionAndDisableOk) {
  NumberRangeDialogState digits = Fields(u"12345678901234567890", u"", true);
  EXPECT_EQ(digits.expression, u"");
  EXPECT_FALSE(NumberRangeEnablingOf(digits).ok);
  EXPECT_TRUE(NumberRangeEnablingOf(Fields(u"1234567890123456789", u"", true)).ok);

  NumberRangeDialogState mixed = Fields(u"192.168.0.1", u"10", false);
  EXPECT_EQ(mixed.expression, u"");
  EXPECT_FALSE(NumberRangeEnablingOf(mixed).ok);

  NumberRangeDialogState reversed = Fields(u"10", u"1", false);
  EXPECT_EQ(reversed.expression, u"");
  EXPECT_FALSE(NumberRangeResultText(reversed).has_value());

  // Bounds that compose an expression longer than the field holds.
  NumberRangeDialogState huge = Fields(std::u16string(80, u'1'), std::u16string(80, u'2'), false);
  EXPECT_EQ(huge.expression, u"");
  EXPECT_FALSE(NumberRangeEnablingOf(huge).ok);
}

TEST(NumberRangeModel, ExpressionFillsTheFields) {
  NumberRangeDialogState s = InitialNumberRangeState(u"", u'.');
  s.directMode = true;
  s.expression = u"(2.5 , 7]";
  NumberRangeExpressionChanged(s);
  EXPECT_EQ(s.lower, u"2.5");
  EXPECT_EQ(s.upper, u"7");
  EXPECT_FALSE(s.lowerInclusive);
  EXPECT_TRUE(s.upperInclusive);
  EXPECT_FALSE(s.integersOnly);
  EXPECT_EQ(NumberRangeResultText(s), u"(2.5 , 7]");

  s.expression = u"(2.5 , 7";
  NumberRangeExpressionChanged(s);
  EXPECT_EQ(s.lower, u"");
  EXPECT_EQ(s.upper, u"");
  EXPECT_FALSE(NumberRangeEnablingOf(s).ok);

  s.expression = u"::/127";
  NumberRangeExpressionChanged(s);
  EXPECT_EQ(s.lower, u"::");
  EXPECT_EQ(s.upper, u"::1");
  EXPECT_TRUE(s.lowerInclusive);
  EXPECT_TRUE(s.upperInclusive);
  EXPECT_TRUE(NumberRangeEnablingOf(s).ok);
}

TEST(NumberRangeModel, DirectModeHandsBackTheTypedTextFieldModeTheComposedOne) {
  NumberRangeDialogState s = InitialNumberRangeState(u"", u'.');
  s.directMode = true;
  s.expression = u"  [ 1,2 ]";
  NumberRangeExpressionChanged(s);
  EXPECT_EQ(NumberRangeResultText(s), u"  [ 1,2 ]");

  // Leaving direct mode: the fields filled from the expression now decide.
  s.directMode = false;
  EXPECT_EQ(NumberRangeResultText(s), u"[1 , 2]");
  s.upper = u"x";
  NumberRangeFieldsChanged(s);
  EXPECT_EQ(s.expression, u"");
  EXPECT_FALSE(NumberRangeEnablingOf(s).ok);
  // In direct mode the (now empty) expression field is what counts.
  s.directMode = true;
  EXPECT_FALSE(NumberRangeEnablingOf(s).ok);
}

TEST(NumberRangeModel, RoundTripFieldsToExpressionAndBack) {
  NumberRangeDialogState s = Fields(u"-3", u"4.75", false);
  s.lowerInclusive = false;
  NumberRangeFieldsChanged(s);
  EXPECT_EQ(s.expression, u"(-3.0 , 4.75]");
  NumberRangeDialogState back = InitialNumberRangeState(u"", u'.');
  back.expression = s.expression;
  NumberRangeExpressionChanged(back);
  EXPECT_EQ(back.lower, u"-3.0");
  EXPECT_EQ(back.upper, u"4.75");
  EXPECT_FALSE(back.lowerInclusive);
  NumberRangeFieldsChanged(back);
  EXPECT_EQ(back.expression, s.expression);
}

}  // namespace
}  // namespace scrv
