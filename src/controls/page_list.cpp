#include "controls/page_list.h"

namespace scrv {

std::vector<PageListRow> ListPages(const std::vector<PageSearchEntry>& pages,
                                   const OptionQuery& query) {
  std::vector<PageListRow> rows;
  for (size_t i = 0; i < pages.size(); ++i) {
    if (query.Empty()) {
      rows.push_back({i, {}});
      continue;
    }
    PageMatchResult match = MatchPage(query, pages[i].title, pages[i].extraText, pages[i].controls);
    if (match.where != PageMatch::kNone) rows.push_back({i, match});
  }
  return rows;
}

std::optional<size_t> RowOfPage(const std::vector<PageListRow>& rows, size_t page) {
  for (size_t r = 0; r < rows.size(); ++r)
    if (rows[r].page == page) return r;
  return std::nullopt;
}

std::optional<size_t> RowToSelect(const std::vector<PageListRow>& rows,
                                  std::optional<size_t> selectedPage, size_t currentPage) {
  return RowOfPage(rows, selectedPage ? *selectedPage : currentPage);
}

}  // namespace scrv
