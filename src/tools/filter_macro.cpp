#include "tools/filter_macro.h"

#include <string>

namespace scrv {
namespace {

struct FlagName {
  uint64_t mask;
  const char16_t* name;
};

constexpr FlagName kSearchNames[] = {
    {filter_flag::kCase, u"scFindReplaceCase"},
    {filter_flag::kEscSeq, u"scFindReplaceEscSeq"},
    {filter_flag::kOnlyWord, u"scFindReplaceOnlyWord"},
    {filter_flag::kRegExp, u"scFindReplaceRegExp"},
    {filter_flag::kNegative, u"scFindNegative"},
    {filter_flag::kContinue, u"scFindContinue"},
    {filter_flag::kKeepPrevious, u"scFindKeepPrevious"},
    {filter_flag::kWholeString, u"scFindWholeString"},
    {filter_flag::kLogicalOr, u"scFindLogicalOr"},
};

constexpr FlagName kExtendedNames[] = {
    {filter_flag::kBookmarkedOnly, u"scExFindBookmarkedOnly"},
    {filter_flag::kCrLf, u"scExFindCrLf"},
    {filter_flag::kCrOnly, u"scExFindCrOnly"},
    {filter_flag::kLfOnly, u"scExFindLfOnly"},
    {filter_flag::kMatchNL, u"scExFindMatchNL"},
    {filter_flag::kNLOthers, u"scExFindNLOthers"},
    {filter_flag::kUnbookmarkedOnly, u"scExFindUnbookmarkedOnly"},
    {filter_flag::kNumberRange, u"scExFindNumberRange"},
};

template <size_t N>
std::u16string JoinNames(uint64_t flags, const FlagName (&names)[N], MacroLanguage language) {
  const char16_t* separator = language == MacroLanguage::kVBScript ? u" Or " : u" | ";
  std::u16string out;
  for (const FlagName& n : names) {
    if (!(flags & n.mask)) continue;
    if (!out.empty()) out += separator;
    out += n.name;
  }
  return out.empty() ? u"0" : out;
}

void AppendDecimal(std::u16string& out, int64_t value) {
  for (char c : std::to_string(value)) out += static_cast<char16_t>(c);
}

}  // namespace

std::u16string FilterSearchFlagNames(uint64_t flags, MacroLanguage language) {
  return JoinNames(flags, kSearchNames, language);
}

std::u16string FilterExtendedFlagNames(uint64_t flags, MacroLanguage language) {
  return JoinNames(flags, kExtendedNames, language);
}

std::u16string FormatFilterMacro(std::span<const FilterCondition> conditions,
                                 MacroLanguage language) {
  size_t last = conditions.size();
  for (size_t i = 0; i < conditions.size(); ++i) {
    if (conditions[i].Enabled()) last = i;
  }
  const bool js = language == MacroLanguage::kJavaScript;
  std::u16string out;
  for (size_t i = 0; i < conditions.size(); ++i) {
    const FilterCondition& c = conditions[i];
    if (!c.Enabled()) continue;
    const uint64_t flags = c.flags | (i != last ? filter_flag::kContinue : 0);
    // int64 throughout: the host may hand any 32-bit value, and plus one must not overflow.
    const int64_t start = c.IsRange() ? int64_t{c.rangeStart} + 1 : 0;
    const int64_t end = c.IsRange() ? int64_t{c.rangeEnd} + 1 : 0;
    out += js ? u"document.Filter(" : u"document.Filter ";
    out += MacroStringLiteral(ClampFilterText(c.text), language);
    out += u',';
    AppendDecimal(out, int64_t{c.column} + 1);
    out += u',';
    out += FilterSearchFlagNames(flags, language);
    out += u',';
    AppendDecimal(out, start);
    out += u',';
    AppendDecimal(out, end);
    out += u',';
    out += FilterExtendedFlagNames(flags, language);
    out += js ? u");\r\n" : u"\r\n";
  }
  return out;
}

}  // namespace scrv
