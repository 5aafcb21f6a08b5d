#include "tools/filter_condition.h"

#include <string>

namespace scrv {
namespace {

struct LetterBit {
  char16_t letter;
  uint64_t mask;
};

// The letters after "#" and the match kind, in display order.
constexpr LetterBit kPlainLetters[] = {
    {u'W', filter_flag::kOnlyWord},       {u'N', filter_flag::kNegative},
    {u'H', filter_flag::kWholeString},    {u'O', filter_flag::kLogicalOr},
    {u'B', filter_flag::kBookmarkedOnly}, {u'U', filter_flag::kUnbookmarkedOnly},
};

// The line-end kinds, shown only behind the gate.
constexpr LetterBit kLineEndLetters[] = {
    {u'0', filter_flag::kCrLf},
    {u'1', filter_flag::kCrOnly},
    {u'2', filter_flag::kLfOnly},
    {u'3', filter_flag::kNLOthers},
};

void AppendDecimal(std::u16string& out, int64_t value) {
  for (char c : std::to_string(value)) out += static_cast<char16_t>(c);
}

}  // namespace

std::u16string FilterLetters(uint64_t flags, bool withNumberRange) {
  std::u16string out;
  if (withNumberRange && (flags & filter_flag::kNumberRange)) out += u'#';
  if (flags & filter_flag::kCase) out += u'C';
  if (flags & filter_flag::kRegExp) {
    out += u'R';
  } else if (flags & filter_flag::kEscSeq) {
    out += u'E';
  }
  for (const LetterBit& l : kPlainLetters) {
    if (flags & l.mask) out += l.letter;
  }
  if (flags & filter_flag::kMatchNL) {
    for (const LetterBit& l : kLineEndLetters) {
      if (flags & l.mask) out += l.letter;
    }
  }
  return out;
}

uint64_t FilterFlagsFromLetters(std::u16string_view letters) {
  uint64_t flags = 0;
  for (char16_t c : letters) {
    switch (c) {
      case u'C':
        flags |= filter_flag::kCase;
        break;
      case u'E':
        flags |= filter_flag::kEscSeq;
        break;
      case u'R':
        flags |= filter_flag::kRegExp;
        break;
      default:
        for (const LetterBit& l : kPlainLetters) {
          if (c == l.letter) flags |= l.mask;
        }
        for (const LetterBit& l : kLineEndLetters) {
          if (c == l.letter) flags |= l.mask | filter_flag::kMatchNL;
        }
        break;
    }
  }
  return flags;
}

std::u16string FilterRangeText(int32_t rangeStart, int32_t rangeEnd) {
  const bool openStart = rangeStart == kFilterRangeOpen;
  const bool openEnd = rangeEnd == kFilterRangeOpen;
  std::u16string out;
  if (openStart && openEnd) return u"1...*";
  if (openStart) {
    out = u"*...";
  } else {
    // Stored as the first number minus one; int64 so that the largest start cannot overflow.
    AppendDecimal(out, static_cast<int64_t>(rangeStart) + 1);
    out += u"...";
  }
  if (openEnd) {
    out += u'*';
  } else {
    AppendDecimal(out, rangeEnd);
  }
  return out;
}

std::u16string_view ClampFilterText(std::u16string_view text) {
  return text.substr(0, kFilterTextMax);
}

}  // namespace scrv
