#include "customize/customize_undo.h"

namespace scrv {

void CustomizeUndo::Begin(size_t page) {
  pending_.emplace(page, CapturePage(session_.Page(page)));
}

bool CustomizeUndo::End(UndoPlace place, UndoKind kind) {
  if (!pending_ || pending_->first != place.page) {
    pending_.reset();
    return false;
  }
  PageState before = std::move(pending_->second);
  pending_.reset();
  return stack_.Record(place, kind, std::move(before), CapturePage(session_.Page(place.page)),
                       SameState);
}

std::optional<UndoPlace> CustomizeUndo::Undo() {
  const auto* entry = stack_.Undo();
  if (!entry) return std::nullopt;
  RestorePage(session_.Page(entry->place.page), entry->before);
  return entry->place;
}

std::optional<UndoPlace> CustomizeUndo::Redo() {
  const auto* entry = stack_.Redo();
  if (!entry) return std::nullopt;
  RestorePage(session_.Page(entry->place.page), entry->after);
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
