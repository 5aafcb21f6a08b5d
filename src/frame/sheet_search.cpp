#include "frame/sheet_search.h"

#include <algorithm>

namespace scrv {

SheetSearch::SheetSearch(const SearchIndex& index, const TextFolder& folder, ModifiedFn modified,
                         MarksFn modifiedMarks)
    : index_(index), folder_(folder), modified_(std::move(modified)),
      marks_(std::move(modifiedMarks)) {
  Update(u"");
}

const std::vector<PageListRow>& SheetSearch::Update(std::u16string_view typed) {
  query_ = ParseSearchQuery(typed);
  rows_ = index_.List(query_, folder_, modified_);
  walk_.reset();
  current_.reset();
  return rows_;
}

PageHits SheetSearch::Places(size_t page) const {
  PageHits hits = index_.Hits(page, OptionQuery(query_.words, folder_));
  if (query_.modified && marks_) {
    const PageHits changed = marks_(page);
    for (uint32_t id : changed.controls)
      if (std::find(hits.controls.begin(), hits.controls.end(), id) == hits.controls.end())
        hits.controls.push_back(id);
    for (size_t r : changed.rows)
      if (std::find(hits.rows.begin(), hits.rows.end(), r) == hits.rows.end())
        hits.rows.push_back(r);
    std::sort(hits.rows.begin(), hits.rows.end());
  }
  return hits;
}

const std::vector<SearchMatch>& SheetSearch::Walk() {
  if (!walk_) walk_ = index_.Walk(rows_, [this](size_t p) { return Places(p); });
  return *walk_;
}

std::optional<SearchMatch> SheetSearch::Step(bool backwards) {
  if (!HasQuery()) return std::nullopt;
  const std::vector<SearchMatch>& walk = Walk();
  const std::optional<size_t> at = StepMatch(walk, current_, backwards);
  if (!at) return std::nullopt;
  current_ = walk[*at];
  return current_;
}

std::optional<SearchMatch> SheetSearch::FirstOn(size_t page) {
  if (!HasQuery()) return std::nullopt;
  for (const SearchMatch& m : Walk())
    if (m.page == page) return current_ = m;
  return std::nullopt;
}

}  // namespace scrv
