#pragma once
// The search of one open sheet over the library's index: the text in the box decides the page
// list (exactly as the page list always decided it, narrowed by "@modified"), the places
// Enter and F3 step through across pages, and what is marked on the page shown. The sheet
// window only shows what this decides.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frame/search_index.h"

namespace scrv {

class SheetSearch {
 public:
  // Whether page i holds a setting that differs from its default, and which of its controls
  // and list rows do.
  using ModifiedFn = std::function<bool(size_t)>;
  using MarksFn = std::function<PageHits(size_t)>;

  SheetSearch(const SearchIndex& index, const TextFolder& folder, ModifiedFn modified,
              MarksFn modifiedMarks);

  // A new text in the box: the page list anew, and the walk starts again from its first place.
  const std::vector<PageListRow>& Update(std::u16string_view typed);
  const std::vector<PageListRow>& Rows() const { return rows_; }
  const SearchQuery& Query() const { return query_; }
  bool HasQuery() const { return !query_.Empty(); }
  // A query that lists no page: the list says so.
  bool NoMatch() const { return HasQuery() && rows_.empty(); }

  // The places of page i the query leads to: its matches, and with "@modified" its changed
  // settings too.
  PageHits Places(size_t page) const;

  // Enter in the box and F3: the next place (the first when none was shown), round the end;
  // Shift+F3 the one before. Nothing without a query or without places.
  std::optional<SearchMatch> Step(bool backwards);
  // Enter on a row of the page list: the first place on that page.
  std::optional<SearchMatch> FirstOn(size_t page);
  std::optional<SearchMatch> Current() const { return current_; }

 private:
  const std::vector<SearchMatch>& Walk();

  const SearchIndex& index_;
  const TextFolder& folder_;
  ModifiedFn modified_;
  MarksFn marks_;
  SearchQuery query_;
  std::vector<PageListRow> rows_;
  std::optional<std::vector<SearchMatch>> walk_;
  std::optional<SearchMatch> current_;
};

}  // namespace scrv
