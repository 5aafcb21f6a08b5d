#pragma once
// What a sheet's search knows of its pages, built once from their templates and strings and
// kept while the library is loaded: the texts the page list matches (title, joined labels,
// control captions) and, so that every match on the page shown can be marked, each caption and
// each row of the page's searchable list on its own. The page list itself is decided by
// ListPages exactly as before; the marks and the walk through the matches come on top.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frame/dialog_template.h"
#include "frame/option_search.h"
#include "frame/page_list.h"
#include "frame/search_query.h"

namespace scrv {

// Where a label of a page is shown: a row (or an item) of one of its controls.
struct LabelPlace {
  uint32_t control = 0;
  int row = -1;
  friend bool operator==(const LabelPlace&, const LabelPlace&) = default;
};

struct IndexedPage {
  std::u16string title;
  std::u16string extraText;                   // the labels joined with "::"
  std::optional<DialogTemplateText> controls;  // none without a template
  std::vector<std::u16string> labels;         // the searchable labels, in the page's order
  uint32_t listControl = 0;                   // the list that shows them row by row
  std::vector<LabelPlace> places;             // where each label is, when not in that list

  LabelPlace PlaceOf(size_t label) const {
    if (label < places.size()) return places[label];
    return {listControl, static_cast<int>(label)};
  }
};

// What a query finds on one page: controls in template order, labels in the page's order.
struct PageHits {
  std::vector<uint32_t> controls;
  std::vector<size_t> rows;  // labels, each shown where PlaceOf says
  bool Empty() const { return controls.empty() && rows.empty(); }
  friend bool operator==(const PageHits&, const PageHits&) = default;
};

// One place a search leads to: a control of a page, a row of its list, or (for a page found
// by its title or by words spread over several labels) the page alone.
struct SearchMatch {
  size_t page = 0;
  uint32_t control = 0;  // 0: the page itself
  int row = -1;          // a row or item of that control (a label's place)
  friend bool operator==(const SearchMatch&, const SearchMatch&) = default;
};

class SearchIndex {
 public:
  SearchIndex() = default;
  explicit SearchIndex(std::vector<IndexedPage> pages);

  size_t Size() const { return pages_.size(); }
  const IndexedPage& Page(size_t i) const { return pages_[i]; }

  // The page list for a typed query: the pages its words find, exactly as ListPages finds
  // them; with "@modified", only those of them for which `modified` answers true.
  std::vector<PageListRow> List(const SearchQuery& query, const TextFolder& folder,
                                const std::function<bool(size_t)>& modified = {}) const;

  // Every caption and every list row of page i that the words match; nothing for a query
  // without words.
  PageHits Hits(size_t page, const OptionQuery& words) const;

  // The places a search leads to in page-list order; on each page its controls in template
  // order, each label's row where the control holding it stands among them. A listed page with
  // no hit of its own is one place.
  std::vector<SearchMatch> Walk(const std::vector<PageListRow>& rows,
                                const std::function<PageHits(size_t)>& hitsOf) const;

 private:
  std::vector<IndexedPage> pages_;
};

// The place after (or before) `current` among `matches`, round the end; the first (or last)
// when there is no current place or it is no longer among them.
std::optional<size_t> StepMatch(const std::vector<SearchMatch>& matches,
                                std::optional<SearchMatch> current, bool backwards);

}  // namespace scrv
