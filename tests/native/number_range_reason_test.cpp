// Why the number range dialog refuses its input: the reason for each kind of fault, and the
// sentence the localisation module's texts make of it.

#include <gtest/gtest.h>

#include "resource_file.h"
#include "tools/number_range_model.h"

namespace scrv {
namespace {

struct ReasonCase {
  const char16_t* lower;
  const char16_t* upper;
  bool integersOnly;
  bool upperInclusive;
  NumberRangeProblem problem;
  const char16_t* sentence;  // with the real texts; nullptr when none is expected
};

std::u16string Sentence(const NumberRangeReason& reason) {
  return NumberRangeReasonText(
      reason, [](uint32_t id) { return testing_res::ResourceFile::Localisation().String(id); });
}

TEST(NumberRangeReason, FieldFaultsAreNamedWithTheFieldAndTheText) {
  using P = NumberRangeProblem;
  const ReasonCase cases[] = {
      {u"1", u"10", false, true, P::kNone, u""},
      {u"2.5", u"9", true, true, P::kLowerNotInteger, u"Integers only (at most 19 digits): 2.5"},
      {u"1", u"12345678901234567890", true, true, P::kUpperNotInteger, nullptr},
      {u"abc", u"9", false, true, P::kLowerNotValid,
       u"The lower bound is not a number or an IP address: abc"},
      {u"1", u" x1 ", false, true, P::kUpperNotValid, nullptr},
      {u"10.0.0.1", u"5", false, true, P::kKindsDiffer,
       u"An IPv4 address cannot be compared with a number."},
      {u"10", u"2", false, true, P::kUpperBelowLower, u"The upper bound is below the lower bound."},
      {u"10.0.0.1", u"10.0.0.1", false, false, P::kNothingBetween, nullptr},
  };
  for (const ReasonCase& c : cases) {
    NumberRangeDialogState state;
    state.lower = c.lower;
    state.upper = c.upper;
    state.integersOnly = c.integersOnly;
    state.upperInclusive = c.upperInclusive;
    const NumberRangeReason reason = NumberRangeReasonOf(state);
    EXPECT_EQ(reason.problem, c.problem) << std::string(c.lower, c.lower + 1);
    // OK is enabled exactly when there is nothing to explain.
    EXPECT_EQ(NumberRangeEnablingOf(state).ok, c.problem == P::kNone);
    if (c.sentence && testing_res::ResourceFile::Localisation().Loaded())
      EXPECT_EQ(Sentence(reason), c.sentence);
  }
}

TEST(NumberRangeReason, TypedExpressionsAreDiagnosedByTheirParts) {
  using P = NumberRangeProblem;
  const std::pair<std::u16string, P> cases[] = {
      {u"[1 , 10]", P::kNone},
      {u"192.168.0.0/24", P::kNone},
      {u"[5 , 1]", P::kUpperBelowLower},
      {u"[1 , ::1]", P::kKindsDiffer},
      {u"10.0.0.0/40", P::kBadPrefix},
      {u"hello", P::kBadExpression},
      {std::u16string(170, u'1'), P::kTooLong},
  };
  for (const auto& [text, problem] : cases) {
    EXPECT_EQ(NumberRangeExpressionReason(text, u'.').problem, problem)
        << std::string(text.begin(), text.begin() + std::min<size_t>(text.size(), 20));
    NumberRangeDialogState state;
    state.directMode = true;
    state.expression = text;
    EXPECT_EQ(NumberRangeReasonOf(state).problem, problem);
  }
  if (testing_res::ResourceFile::Localisation().Loaded())
    EXPECT_EQ(Sentence(NumberRangeExpressionReason(u"10.0.0.0/40", u'.')),
              u"The prefix length is above 32 (IPv4) or 128 (IPv6): 40");
}

}  // namespace
}  // namespace scrv
