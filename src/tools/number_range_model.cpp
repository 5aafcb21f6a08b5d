#include "tools/number_range_model.h"

#include "tools_ids.h"

namespace scrv {
namespace {

void FillFromRange(NumberRangeDialogState& state, const NumberRange& range) {
  state.lower = range.lowerText;
  state.upper = range.upperText;
  state.lowerInclusive = range.lowerInclusive;
  state.upperInclusive = range.upperInclusive;
  state.integersOnly = range.integers;
}

// The normal form of what the fields compose, when the fields and the range are valid and the
// result fits the expression field.
std::optional<std::u16string> ComposedNormalForm(const NumberRangeDialogState& state) {
  NumberRangeFields fields{state.lower, state.upper, state.lowerInclusive, state.upperInclusive,
                           state.integersOnly};
  std::u16string composed;
  if (!ComposeNumberRange(fields, state.decimalChar, &composed)) return std::nullopt;
  NumberRange range;
  if (ParseNumberRange(composed, state.decimalChar, &range) == kNumberRangeInvalid) {
    return std::nullopt;
  }
  if (range.expression.size() > kNumberRangeMaxLength) return std::nullopt;
  return std::move(range.expression);
}

}  // namespace

NumberRangeDialogState InitialNumberRangeState(std::u16string_view hostText, char16_t decimalChar) {
  NumberRangeDialogState state;
  state.decimalChar = decimalChar;
  state.cut = hostText.size() > kNumberRangeMaxLength;
  hostText = hostText.substr(0, kNumberRangeMaxLength);
  if (hostText.empty()) return state;
  NumberRange range;
  int result = ParseNumberRange(hostText, decimalChar, &range);
  if (result == kNumberRangeInvalid) return state;
  FillFromRange(state, range);
  state.expression = std::move(range.expression);
  state.directMode = result == kNumberRangeBlock;
  return state;
}

void NumberRangeFieldsChanged(NumberRangeDialogState& state) {
  state.cut = false;
  std::optional<std::u16string> normal = ComposedNormalForm(state);
  state.expression = normal ? std::move(*normal) : std::u16string();
}

void NumberRangeExpressionChanged(NumberRangeDialogState& state) {
  state.cut = false;
  NumberRange range;
  if (state.expression.size() <= kNumberRangeMaxLength &&
      ParseNumberRange(state.expression, state.decimalChar, &range) != kNumberRangeInvalid) {
    FillFromRange(state, range);
  } else {
    state.lower.clear();
    state.upper.clear();
  }
}

std::optional<std::u16string> NumberRangeResultText(const NumberRangeDialogState& state) {
  if (!state.directMode) return ComposedNormalForm(state);
  if (state.expression.size() > kNumberRangeMaxLength ||
      ParseNumberRange(state.expression, state.decimalChar, nullptr) == kNumberRangeInvalid) {
    return std::nullopt;
  }
  return state.expression;
}

NumberRangeEnabling NumberRangeEnablingOf(const NumberRangeDialogState& state) {
  NumberRangeEnabling e;
  e.expression = state.directMode;
  e.fields = !state.directMode;
  e.ok = NumberRangeResultText(state).has_value();
  return e;
}

}  // namespace scrv

namespace scrv {
namespace {

std::u16string_view TrimBlanks(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  return text;
}

bool IsAddress(NumberRangeBoundKind kind) {
  return kind == NumberRangeBoundKind::kIpv4 || kind == NumberRangeBoundKind::kIpv6;
}

// The reason for two bounds as the fields hold them; kNone when the interval would parse.
NumberRangeReason BoundsReason(const NumberRangeFields& fields, char16_t decimalChar) {
  NumberRangeReason r;
  const std::u16string_view lower = TrimBlanks(fields.lower), upper = TrimBlanks(fields.upper);
  r.lowerKind = CheckNumberRangeBound(lower, fields.integersOnly, decimalChar);
  r.upperKind = CheckNumberRangeBound(upper, fields.integersOnly, decimalChar);
  for (const bool isLower : {true, false}) {
    if ((isLower ? r.lowerKind : r.upperKind) != NumberRangeBoundKind::kInvalid) continue;
    const std::u16string_view bound = isLower ? lower : upper;
    // A bound the integer mode refuses that would pass without it is refused for that reason.
    const bool numberOtherwise =
        fields.integersOnly &&
        CheckNumberRangeBound(bound, false, decimalChar) != NumberRangeBoundKind::kInvalid;
    if (numberOtherwise)
      r.problem =
          isLower ? NumberRangeProblem::kLowerNotInteger : NumberRangeProblem::kUpperNotInteger;
    else
      r.problem = isLower ? NumberRangeProblem::kLowerNotValid : NumberRangeProblem::kUpperNotValid;
    r.detail = bound;
    return r;
  }
  if (r.lowerKind != NumberRangeBoundKind::kEmpty && r.upperKind != NumberRangeBoundKind::kEmpty &&
      r.lowerKind != r.upperKind) {
    r.problem = NumberRangeProblem::kKindsDiffer;
    return r;
  }
  std::u16string composed;
  ComposeNumberRange(fields, decimalChar, &composed);
  if (ParseNumberRange(composed, decimalChar, nullptr) != kNumberRangeInvalid) return r;
  // Both ends inclusive tell an upper bound below the lower one from ends that exclude the
  // only values between them.
  NumberRangeFields inclusive = fields;
  inclusive.lowerInclusive = inclusive.upperInclusive = true;
  ComposeNumberRange(inclusive, decimalChar, &composed);
  r.problem = ParseNumberRange(composed, decimalChar, nullptr) == kNumberRangeInvalid
                  ? NumberRangeProblem::kUpperBelowLower
                  : NumberRangeProblem::kNothingBetween;
  return r;
}

uint32_t KindNoun(NumberRangeBoundKind kind) {
  switch (kind) {
    case NumberRangeBoundKind::kIpv4:
      return IDS_NR_KIND_IPV4;
    case NumberRangeBoundKind::kIpv6:
      return IDS_NR_KIND_IPV6;
    default:
      return IDS_NR_KIND_NUMBER;
  }
}

uint32_t ReasonTextId(NumberRangeProblem problem) {
  switch (problem) {
    case NumberRangeProblem::kNone:
      return 0;
    case NumberRangeProblem::kLowerNotValid:
      return IDS_NR_WHY_LOWER_INVALID;
    case NumberRangeProblem::kUpperNotValid:
      return IDS_NR_WHY_UPPER_INVALID;
    case NumberRangeProblem::kLowerNotInteger:
    case NumberRangeProblem::kUpperNotInteger:
      return IDS_NR_WHY_NOT_INTEGER;
    case NumberRangeProblem::kKindsDiffer:
      return IDS_NR_WHY_KINDS_DIFFER;
    case NumberRangeProblem::kUpperBelowLower:
      return IDS_NR_WHY_UPPER_BELOW;
    case NumberRangeProblem::kNothingBetween:
      return IDS_NR_WHY_NOTHING_BETWEEN;
    case NumberRangeProblem::kBadPrefix:
      return IDS_NR_WHY_BAD_PREFIX;
    case NumberRangeProblem::kBadExpression:
      return IDS_NR_WHY_BAD_EXPRESSION;
    case NumberRangeProblem::kTooLong:
      return IDS_NR_WHY_TOO_LONG;
    case NumberRangeProblem::kCut:
      return IDS_NR_WHY_CUT;
  }
  return 0;
}

void ReplaceAll(std::u16string& text, std::u16string_view mark, std::u16string_view value) {
  for (size_t at = text.find(mark); at != std::u16string::npos;
       at = text.find(mark, at + value.size()))
    text.replace(at, mark.size(), value);
}

}  // namespace

NumberRangeReason NumberRangeExpressionReason(std::u16string_view text, char16_t decimalChar) {
  NumberRangeReason r;
  if (text.size() > kNumberRangeMaxLength) {
    r.problem = NumberRangeProblem::kTooLong;
    return r;
  }
  if (ParseNumberRange(text, decimalChar, nullptr) != kNumberRangeInvalid) return r;
  const std::u16string_view t = TrimBlanks(text);
  if (!t.empty() && (t.front() == u'[' || t.front() == u'(')) {
    const size_t comma = t.find(u',');
    const char16_t close = t.back();
    if (comma != std::u16string_view::npos && (close == u']' || close == u')')) {
      NumberRangeFields fields;
      fields.lower = t.substr(1, comma - 1);
      fields.upper = t.substr(comma + 1, t.size() - comma - 2);
      for (std::u16string* bound : {&fields.lower, &fields.upper}) {
        std::u16string_view b = TrimBlanks(*bound);
        if (!b.empty() && b.front() == u'+') b.remove_prefix(1);
        *bound = b;
      }
      fields.lowerInclusive = t.front() == u'[';
      fields.upperInclusive = close == u']';
      r = BoundsReason(fields, decimalChar);
      if (r.problem != NumberRangeProblem::kNone) return r;
    }
  } else if (const size_t slash = t.find(u'/'); slash != std::u16string_view::npos) {
    const NumberRangeBoundKind address =
        CheckNumberRangeBound(t.substr(0, slash), false, decimalChar);
    if (IsAddress(address)) {
      r.problem = NumberRangeProblem::kBadPrefix;
      r.detail = t.substr(slash + 1);
      return r;
    }
  }
  r.problem = NumberRangeProblem::kBadExpression;
  return r;
}

NumberRangeReason NumberRangeReasonOf(const NumberRangeDialogState& state) {
  if (state.cut) return {NumberRangeProblem::kCut};
  if (state.directMode) return NumberRangeExpressionReason(state.expression, state.decimalChar);
  NumberRangeReason r = BoundsReason(
      {state.lower, state.upper, state.lowerInclusive, state.upperInclusive, state.integersOnly},
      state.decimalChar);
  if (r.problem == NumberRangeProblem::kNone && !ComposedNormalForm(state))
    r.problem = NumberRangeProblem::kTooLong;
  return r;
}

}  // namespace scrv

namespace scrv {

std::u16string NumberRangeReasonText(const NumberRangeReason& reason,
                                     const std::function<std::u16string(uint32_t)>& text) {
  const uint32_t id = ReasonTextId(reason.problem);
  if (!id) return {};
  std::u16string out = text(id);
  if (reason.problem == NumberRangeProblem::kKindsDiffer) {
    ReplaceAll(out, u"%1", text(KindNoun(reason.lowerKind)));
    ReplaceAll(out, u"%2", text(KindNoun(reason.upperKind)));
  } else {
    ReplaceAll(out, u"%1", reason.detail);
  }
  if (!out.empty() && out[0] >= u'a' && out[0] <= u'z') out[0] = static_cast<char16_t>(out[0] - 32);
  return out;
}

}  // namespace scrv
