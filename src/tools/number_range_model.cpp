#include "tools/number_range_model.h"

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
  std::optional<std::u16string> normal = ComposedNormalForm(state);
  state.expression = normal ? std::move(*normal) : std::u16string();
}

void NumberRangeExpressionChanged(NumberRangeDialogState& state) {
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
