#pragma once
// What a sheet's search box holds: the words the page list matches, and the "@modified"
// filter, which keeps only the pages holding a setting that differs from its default. A query
// without the filter is handed to the page list exactly as typed, so the list finds what it
// always found.

#include <string>
#include <string_view>

namespace scrv {

struct SearchQuery {
  std::u16string words;   // the query without its filter
  bool modified = false;  // "@modified" was among the words (in any case)
  bool Empty() const;     // nothing typed but blanks
};

SearchQuery ParseSearchQuery(std::u16string_view typed);

// The filter word as the user types it.
inline constexpr std::u16string_view kModifiedFilter = u"@modified";

}  // namespace scrv

namespace scrv {

// A resource text with its one "%s" replaced by `text` (appended when it has none), e.g. the
// line "No settings match "…"" or a menu entry. For a menu entry (`forMenu`), an ampersand of
// `text` is doubled so that it shows instead of marking a mnemonic.
std::u16string FormatText(std::u16string_view format, std::u16string_view text,
                          bool forMenu = false);

}  // namespace scrv
