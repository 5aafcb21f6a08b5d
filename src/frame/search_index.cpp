#include "frame/search_index.h"

#include <algorithm>

namespace scrv {

SearchIndex::SearchIndex(std::vector<IndexedPage> pages) : pages_(std::move(pages)) {}

std::vector<PageListRow> SearchIndex::List(const SearchQuery& query, const TextFolder& folder,
                                           const std::function<bool(size_t)>& modified) const {
  const OptionQuery words(query.words, folder);
  std::vector<PageSearchEntry> entries(pages_.size());
  for (size_t i = 0; i < pages_.size(); ++i) {
    entries[i].title = pages_[i].title;
    entries[i].extraText = pages_[i].extraText;
    entries[i].controls = pages_[i].controls ? &*pages_[i].controls : nullptr;
  }
  std::vector<PageListRow> rows = ListPages(entries, words);
  if (query.modified)
    std::erase_if(rows, [&](const PageListRow& r) { return !modified || !modified(r.page); });
  return rows;
}

PageHits SearchIndex::Hits(size_t page, const OptionQuery& words) const {
  PageHits hits;
  if (words.Empty() || page >= pages_.size()) return hits;
  const IndexedPage& p = pages_[page];
  if (p.controls)
    for (const TemplateControl& c : p.controls->controls)
      if (!IsSearchIgnoredControl(c.id) && !c.title.empty() && words.Matches(c.title))
        hits.controls.push_back(c.id);
  for (size_t r = 0; r < p.labels.size(); ++r)
    if (words.Matches(p.labels[r])) hits.rows.push_back(r);
  return hits;
}

std::vector<SearchMatch> SearchIndex::Walk(const std::vector<PageListRow>& rows,
                                           const std::function<PageHits(size_t)>& hitsOf) const {
  std::vector<SearchMatch> walk;
  for (const PageListRow& row : rows) {
    if (row.page >= pages_.size()) continue;
    const IndexedPage& p = pages_[row.page];
    const PageHits hits = hitsOf(row.page);
    if (hits.Empty()) {
      walk.push_back({row.page});
      continue;
    }
    std::vector<uint32_t> order;  // the template's controls
    if (p.controls)
      for (const TemplateControl& c : p.controls->controls) order.push_back(c.id);
    auto inTemplate = [&](uint32_t id) {
      return std::find(order.begin(), order.end(), id) != order.end();
    };
    auto addLabels = [&](auto where) {
      for (size_t label : hits.rows) {
        const LabelPlace place = p.PlaceOf(label);
        if (where(place.control)) walk.push_back({row.page, place.control, place.row});
      }
    };
    for (uint32_t id : order) {
      addLabels([id](uint32_t control) { return control == id; });
      if (std::find(hits.controls.begin(), hits.controls.end(), id) != hits.controls.end())
        walk.push_back({row.page, id});
    }
    for (uint32_t id : hits.controls)
      if (!inTemplate(id)) walk.push_back({row.page, id});
    addLabels([&](uint32_t control) { return !inTemplate(control); });
  }
  return walk;
}

std::optional<size_t> StepMatch(const std::vector<SearchMatch>& matches,
                                std::optional<SearchMatch> current, bool backwards) {
  if (matches.empty()) return std::nullopt;
  const size_t n = matches.size();
  if (current) {
    auto it = std::find(matches.begin(), matches.end(), *current);
    if (it != matches.end()) {
      const size_t at = static_cast<size_t>(it - matches.begin());
      return backwards ? (at + n - 1) % n : (at + 1) % n;
    }
  }
  return backwards ? n - 1 : 0;
}

}  // namespace scrv
