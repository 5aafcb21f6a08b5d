#include "customize/customize_undo.h"

#include <algorithm>

namespace scrv {

bool CustomizePageStates::Same(const CustomizeSheetState& a, const CustomizeSheetState& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
           return x.first == y.first && SameState(x.second, y.second);
         });
}

bool CustomizeUndo::RecordSheet(UndoPlace place, UndoKind kind, std::vector<PageState> before) {
  CustomizeSheetState was, now;
  for (size_t p = 0; p < before.size(); ++p) {
    PageState after = CapturePage(session_.Page(p));
    if (SameState(before[p], after)) continue;
    was.emplace_back(p, std::move(before[p]));
    now.emplace_back(p, std::move(after));
  }
  return Record(place, kind, std::move(was), std::move(now));
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
  if (page == page::kActiveString) marks.rows = ChangedActiveStringRows(model, defaults);
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
