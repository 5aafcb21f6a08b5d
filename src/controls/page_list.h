#pragma once
// The page list that replaces a property sheet's tab row: which pages a search lists, in page
// order, how each was found, and which row stays selected as the list is filled anew.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "controls/option_search.h"

namespace scrv {

// What the search knows of one page.
struct PageSearchEntry {
  std::u16string title;                          // from the tab control
  std::u16string extraText;                      // its option labels joined with "::"
  const DialogTemplateText* controls = nullptr;  // null without a template copy
};

struct PageListRow {
  size_t page = 0;
  PageMatchResult match;  // kNone for every row of an empty query
};

// The pages to list for `query`: all of them for an empty query, else those that match.
std::vector<PageListRow> ListPages(const std::vector<PageSearchEntry>& pages,
                                   const OptionQuery& query);

// The row to select after a refill: the page that was selected before, else (when none was)
// the current page; nothing when that page is not listed.
std::optional<size_t> RowToSelect(const std::vector<PageListRow>& rows,
                                  std::optional<size_t> selectedPage, size_t currentPage);

// The row of `page`, if it is listed.
std::optional<size_t> RowOfPage(const std::vector<PageListRow>& rows, size_t page);

}  // namespace scrv
