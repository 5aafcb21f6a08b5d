#pragma once
// The state of the number range dialog and its rules, so that the dialog window only moves
// values between its controls and this state. Two ways to enter a range: the bound fields with
// their check boxes (the expression follows them), or the expression typed directly (the fields
// follow it).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "tools/number_range.h"

namespace scrv {

struct NumberRangeDialogState {
  char16_t decimalChar = u'.';  // the locale's decimal character
  std::u16string lower;         // lower bound field (1997)
  std::u16string upper;         // upper bound field (1998)
  bool lowerInclusive = true;   // 1712
  bool upperInclusive = true;   // 1740
  bool integersOnly = false;    // 1958
  bool directMode = false;      // type the expression directly (1896)
  std::u16string expression;    // the expression field (2005)
  // The host's text was longer than the dialog takes and was cut; said until the user changes
  // the input.
  bool cut = false;
};

// What the dialog enables.
struct NumberRangeEnabling {
  bool expression = false;  // the expression field
  bool fields = false;      // bounds, inclusive boxes, integers only
  bool ok = false;
};

// The initial fill from the host's text (at most kNumberRangeMaxLength characters are taken):
// both ends inclusive, and when the parser accepts the text, the fields, boxes and expression
// from its outputs, with direct mode for an address block.
NumberRangeDialogState InitialNumberRangeState(std::u16string_view hostText, char16_t decimalChar);

// A bound field or one of the three boxes changed: the expression becomes the normal form of the
// composed expression, or empty when that is not valid.
void NumberRangeFieldsChanged(NumberRangeDialogState& state);

// The expression field changed: when it parses, the fields and boxes follow it; otherwise the
// bound fields are emptied.
void NumberRangeExpressionChanged(NumberRangeDialogState& state);

// The expression that OK would hand back: in direct mode the expression field, otherwise the
// normal form of the composed expression. Nothing when the input is not valid or too long.
std::optional<std::u16string> NumberRangeResultText(const NumberRangeDialogState& state);

NumberRangeEnabling NumberRangeEnablingOf(const NumberRangeDialogState& state);

// Why the input is refused, for the one line the dialog shows in place of its examples while
// OK is disabled (and for the filter's refusal of a condition).
enum class NumberRangeProblem : uint8_t {
  kNone,
  kLowerNotValid,    // detail: the bound
  kUpperNotValid,    // detail: the bound
  kLowerNotInteger,  // integers only; detail: the bound
  kUpperNotInteger,
  kKindsDiffer,  // lowerKind and upperKind say which
  kUpperBelowLower,
  kNothingBetween,  // exclusive ends leave no value
  kBadPrefix,       // an address block's prefix length; detail: the expression
  kBadExpression,   // neither an interval nor an address block
  kTooLong,
  kCut,  // the host's text was cut to kNumberRangeMaxLength characters
};

struct NumberRangeReason {
  NumberRangeProblem problem = NumberRangeProblem::kNone;
  std::u16string detail;
  NumberRangeBoundKind lowerKind = NumberRangeBoundKind::kEmpty;
  NumberRangeBoundKind upperKind = NumberRangeBoundKind::kEmpty;
};

// What is wrong with the dialog's input (kNone when OK would accept it).
NumberRangeReason NumberRangeReasonOf(const NumberRangeDialogState& state);
// What is wrong with an expression typed directly or kept by a filter condition.
NumberRangeReason NumberRangeExpressionReason(std::u16string_view text, char16_t decimalChar);
// The reason as one sentence, from the localisation module's texts (`text` loads a string by
// its number): the reason's template with %1 and %2 filled in. Empty for kNone.
std::u16string NumberRangeReasonText(const NumberRangeReason& reason,
                                     const std::function<std::u16string(uint32_t)>& text);

}  // namespace scrv
