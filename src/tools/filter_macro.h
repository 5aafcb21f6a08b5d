#pragma once
// Condition lists as macro statements: one document.Filter call per enabled condition, in list
// order, for the JavaScript or the VBScript macro engine.

#include <cstdint>
#include <span>
#include <string>

#include "tools/filter_condition.h"
#include "tools/macro_literal.h"

namespace scrv {

// The flag names of one argument joined with " | " (VBScript " Or "), or "0" when there is
// none. The search argument names, in this order, Case, EscSeq, OnlyWord, RegExp, Negative,
// Continue, KeepPrevious, WholeString and LogicalOr; the extended argument BookmarkedOnly,
// CrLf, CrOnly, LfOnly, MatchNL, NLOthers, UnbookmarkedOnly and NumberRange.
std::u16string FilterSearchFlagNames(uint64_t flags, MacroLanguage language);
std::u16string FilterExtendedFlagNames(uint64_t flags, MacroLanguage language);

// The statements, each ended by CR LF:
//   JavaScript  document.Filter("text",column+1,search flags,start,end,extended flags);
//   VBScript    document.Filter "text",column+1,search flags,start,end,extended flags
// start and end are the range start and end plus one for a range condition, else 0 and 0.
// Every statement but the last carries scFindContinue, so that the filters run as one.
std::u16string FormatFilterMacro(std::span<const FilterCondition> conditions,
                                 MacroLanguage language);

}  // namespace scrv
