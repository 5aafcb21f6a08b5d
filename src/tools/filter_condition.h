#pragma once
// One condition of the advanced filter: a search text with search flags, the column it applies
// to and, for the range kind of condition, a first and a last line number.

#include <cstdint>
#include <string>
#include <string_view>

namespace scrv {

// Condition flags. The bit values are shared with the host's search engine and with the
// macro constants of the same names.
namespace filter_flag {
constexpr uint64_t kEnabled = 1ull << 0;  // the row's check box
constexpr uint64_t kCase = 1ull << 1;
constexpr uint64_t kEscSeq = 1ull << 2;
constexpr uint64_t kOnlyWord = 1ull << 6;
constexpr uint64_t kRegExp = 1ull << 8;
constexpr uint64_t kLogicalOr = 1ull << 10;
constexpr uint64_t kContinue = 1ull << 12;      // macro statements only
constexpr uint64_t kKeepPrevious = 1ull << 13;  // named in macros, never set here
constexpr uint64_t kHostOnly = 1ull << 17;      // the host's own; handed back untouched
constexpr uint64_t kWholeString = 1ull << 22;
constexpr uint64_t kNegative = 1ull << 30;
constexpr uint64_t kMatchNL = 1ull << 37;  // gate for the four line-end kinds below
constexpr uint64_t kCrOnly = 1ull << 38;
constexpr uint64_t kLfOnly = 1ull << 39;
constexpr uint64_t kCrLf = 1ull << 40;
constexpr uint64_t kNLOthers = 1ull << 41;
constexpr uint64_t kBookmarkedOnly = 1ull << 42;
constexpr uint64_t kUnbookmarkedOnly = 1ull << 43;
constexpr uint64_t kNumberRange = 1ull << 44;
// The match kind: at most one of these is meant to be set.
constexpr uint64_t kMatchKindMask = kEscSeq | kRegExp | kNumberRange;
// What the host gets back: the flags the dialog edits plus the host's own bit 17.
constexpr uint64_t kKeptMask = 0x1FE040420547ull;
}  // namespace filter_flag

// Columns that are not an index into the document's column names.
constexpr int32_t kFilterColumnAny = -1;    // the first entry of the column list
constexpr int32_t kFilterColumnRange = -2;  // the line-number range condition (the last entry)

// A range end that is left open.
constexpr int32_t kFilterRangeOpen = -1;
// Digits a line-number field takes: enough for the largest line number, 2147483647.
constexpr uint32_t kFilterLineDigits = 10;

// Longest condition text, in UTF-16 units, everywhere a text is kept or handed on.
constexpr size_t kFilterTextMax = 10000;

struct FilterCondition {
  uint64_t flags = 0;
  int32_t column = kFilterColumnAny;
  // The first line number minus one; kFilterRangeOpen for an open start.
  int32_t rangeStart = 0;
  // The last line number; kFilterRangeOpen for an open end.
  int32_t rangeEnd = kFilterRangeOpen;
  std::u16string text;

  bool Enabled() const { return (flags & filter_flag::kEnabled) != 0; }
  bool IsRange() const { return column == kFilterColumnRange; }
  friend bool operator==(const FilterCondition&, const FilterCondition&) = default;
};

// The letters of the list's third column and of the file format, in their fixed order: "#"
// (only when withNumberRange), "C", "R" or else "E", "W", "N", "H", "O", "B", "U", and when
// the line-end gate is set "0", "1", "2", "3" for CR LF, CR, LF and other line ends.
std::u16string FilterLetters(uint64_t flags, bool withNumberRange);

// The flags that letters stand for: C, E, R, W, N, H, O, B and U set their bits, 0 to 3 set
// their bit together with the line-end gate; any other character (including "#") is ignored.
uint64_t FilterFlagsFromLetters(std::u16string_view letters);

// The range as the list shows it: "5...9", "5...*", "*...9" or "1...*".
std::u16string FilterRangeText(int32_t rangeStart, int32_t rangeEnd);

// A text cut to kFilterTextMax units.
std::u16string_view ClampFilterText(std::u16string_view text);

}  // namespace scrv
