#include "customize/customize_undo.h"

#include <algorithm>

namespace scrv {

void CustomizeUndo::Begin(size_t page) {
  pending_.emplace(page, CapturePage(session_.Page(page)));
}

namespace {

bool SameSheet(const std::vector<std::pair<size_t, PageState>>& a,
               const std::vector<std::pair<size_t, PageState>>& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
           return x.first == y.first && SameState(x.second, y.second);
         });
}

}  // namespace

bool CustomizeUndo::End(UndoPlace place, UndoKind kind) {
  if (!pending_ || pending_->first != place.page) {
    pending_.reset();
    return false;
  }
  SheetState before;
  before.emplace_back(place.page, std::move(pending_->second));
  pending_.reset();
  SheetState after;
  after.emplace_back(place.page, CapturePage(session_.Page(place.page)));
  return stack_.Record(place, kind, std::move(before), std::move(after), SameSheet);
}

bool CustomizeUndo::RecordSheet(UndoPlace place, UndoKind kind, std::vector<PageState> before) {
  SheetState was, now;
  for (size_t p = 0; p < before.size(); ++p) {
    PageState after = CapturePage(session_.Page(p));
    if (SameState(before[p], after)) continue;
    was.emplace_back(p, std::move(before[p]));
    now.emplace_back(p, std::move(after));
  }
  return stack_.Record(place, kind, std::move(was), std::move(now), SameSheet);
}

void CustomizeUndo::Put(const SheetState& state) {
  for (const auto& [page, pageState] : state) RestorePage(session_.Page(page), pageState);
}

std::optional<UndoPlace> CustomizeUndo::Undo() {
  const auto* entry = stack_.Undo();
  if (!entry) return std::nullopt;
  Put(entry->before);
  return entry->place;
}

std::optional<UndoPlace> CustomizeUndo::Redo() {
  const auto* entry = stack_.Redo();
  if (!entry) return std::nullopt;
  Put(entry->after);
  return entry->place;
}

const PageDefaults& CustomizeDefaults::Of(size_t page) {
  if (!states_[page]) states_[page] = DefaultsOf(session_.Page(page), session_.Environment());
  return *states_[page];
}

bool CustomizeDefaults::PageModified(size_t page) {
  return PageDiffers(session_.Page(page), Of(page));
}

PageHits CustomizeDefaults::Marks(size_t page) {
  PageHits marks;
  PageModel& model = session_.Page(page);
  const PageDefaults& defaults = Of(page);
  if (page == page::kStatus) marks.rows = ChangedStatusItems(model, defaults);
  size_t row = 0;
  for (const Binding& b : model.Page().bindings) {
    const bool differs = BindingDiffers(model, defaults, b);
    if (b.inList) {
      if (differs) marks.rows.push_back(row);
      ++row;
    } else if (differs) {
      marks.controls.push_back(b.id);
    }
  }
  return marks;
}

}  // namespace scrv
