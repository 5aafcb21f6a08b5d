#pragma once
// Undo and redo over the Customize sheet's pages, and what the sheet's search needs to know of
// the pages' defaults: which pages hold a setting that differs from its default, and which of
// their controls and option rows do.

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "customize/customize_session.h"
#include "customize/page_state.h"
#include "frame/search_index.h"
#include "frame/undo_stack.h"

namespace scrv {

// The Customize pages' states: those of the pages one action changed, each with its page (one
// for an edit, several for an import).
using CustomizeSheetState = std::vector<std::pair<size_t, PageState>>;
struct CustomizePageStates {
  CustomizeSession* session;
  CustomizeSheetState Capture(size_t page) { return {{page, CapturePage(session->Page(page))}}; }
  void Restore(size_t, const CustomizeSheetState& state) {
    for (const auto& [page, pageState] : state) RestorePage(session->Page(page), pageState);
  }
  static bool Same(const CustomizeSheetState& a, const CustomizeSheetState& b);
  PageModel& Target(size_t page) { return session->Page(page); }
};

class CustomizeUndo : public SheetUndo<CustomizePageStates> {
 public:
  explicit CustomizeUndo(CustomizeSession& session) : SheetUndo({&session}), session_(session) {}

  // An action that may change any page (an import): one step that undoes every page it
  // changed. `action` gets the session; `place` is where to show it.
  template <class Action>
  bool TrackSheet(UndoPlace place, UndoKind kind, Action&& action) {
    std::vector<PageState> before;
    for (size_t p = 0; p < page::kCount; ++p) before.push_back(CapturePage(session_.Page(p)));
    action(session_);
    return RecordSheet(place, kind, std::move(before));
  }

 private:
  bool RecordSheet(UndoPlace place, UndoKind kind, std::vector<PageState> before);

  CustomizeSession& session_;
};

// The pages' default states, taken once after the load (defaults do not change while the
// sheet is open).
class CustomizeDefaults {
 public:
  explicit CustomizeDefaults(CustomizeSession& session) : session_(session) {}

  const PageDefaults& Of(size_t page);
  // Whether the page holds a setting that differs from its default ("@modified").
  bool PageModified(size_t page);
  // The controls (in binding order) and option-list rows whose settings differ.
  PageHits Marks(size_t page);

 private:
  CustomizeSession& session_;
  std::array<std::optional<PageDefaults>, page::kCount> states_;
};

}  // namespace scrv
