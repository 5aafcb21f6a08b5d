#pragma once
// Number-range expressions, the search conditions that the number range dialog builds and the
// advanced filter validates:
//   interval       "[" or "(", lower bound, ",", upper bound, "]" or ")"; an empty bound is open
//   address block  an IPv4 or IPv6 address, "/", a prefix length ("10.0.0.0/8")
// Bounds are decimal numbers written with the locale's decimal character, IPv4 addresses or
// IPv6 addresses; both bounds of one interval are of the same kind.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scrv {

// The longest expression the dialog and the filter conditions keep (a 160-unit buffer).
constexpr size_t kNumberRangeMaxLength = 159;

// Network byte order, as the platform's IPv6 address structure holds it.
using Ipv6Address = std::array<uint8_t, 16>;

enum class NumberRangeKind : uint8_t { kNumber, kIpv4, kIpv6 };

// One end of the parsed range. Only the members of the range's kind are meaningful.
struct NumberRangeLimit {
  // kNumber: the bound's value; an open end is the lowest or highest finite double.
  double number = 0;
  // kNumber: the first (lower) or last (upper) integer inside the range, saturated to the
  // 64-bit range; an open end is INT64_MIN or INT64_MAX.
  int64_t integer = 0;
  // kIpv4: the address as a 32-bit value (10.0.0.1 is 0x0A000001); kIpv6: the address. An
  // exclusive end is already moved one address inwards, an open end is the lowest or highest
  // address.
  uint32_t ipv4 = 0;
  Ipv6Address ipv6{};
};

struct NumberRange {
  // The bounds as the fields of the dialog show them: numbers as written (without a leading
  // "+"), addresses in their canonical text; empty for an open end. For an address block, its
  // lowest and highest address.
  std::u16string lowerText;
  std::u16string upperText;
  // The expression in its normal form; parsing it again gives the same normal form.
  std::u16string expression;
  bool lowerInclusive = true;
  bool upperInclusive = true;
  // The lower bound (or, when it is open, the upper bound) is a number without a decimal part.
  bool integers = false;
  NumberRangeKind kind = NumberRangeKind::kNumber;
  NumberRangeLimit lower;
  NumberRangeLimit upper;
};

enum NumberRangeResult : int {
  kNumberRangeInvalid = 0,
  kNumberRangeInterval = 1,
  kNumberRangeBlock = 2,
};

// Parses `text`. Returns 0 when it is not a valid expression, 1 for a valid interval and 2 for a
// valid address block; on success fills *out (when not null). decimalChar is the locale's
// decimal character; a digit, a blank or a character the expression syntax uses ("+", "-",
// brackets, "/", ":") cannot be one and is taken as ".".
int ParseNumberRange(std::u16string_view text, char16_t decimalChar, NumberRange* out);

enum class NumberRangeBoundKind : uint8_t { kInvalid, kEmpty, kNumber, kIpv4, kIpv6 };

// The check of one bound typed into the dialog's fields: leading and trailing blanks and tabs
// are allowed and so is a sign. With integersOnly a bound is an optional sign and 1 to 19
// decimal digits; otherwise an IPv4 address, an IPv6 address or a decimal number.
NumberRangeBoundKind CheckNumberRangeBound(std::u16string_view text, bool integersOnly,
                                           char16_t decimalChar);

// What the dialog's fields hold.
struct NumberRangeFields {
  std::u16string lower;
  std::u16string upper;
  bool lowerInclusive = true;
  bool upperInclusive = true;
  bool integersOnly = false;
};

// Composes the expression from the fields: bracket, lower bound, " , ", upper bound, bracket.
// Outside integer mode a number without a decimal part gets the decimal character and "0". The
// expression is composed even from invalid fields; the result says whether both bounds passed
// the bound check and are of the same kind (the parser still decides whether the range is).
bool ComposeNumberRange(const NumberRangeFields& fields, char16_t decimalChar,
                        std::u16string* expression);

}  // namespace scrv
