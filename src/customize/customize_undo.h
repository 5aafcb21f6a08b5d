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

class CustomizeUndo {
 public:
  explicit CustomizeUndo(CustomizeSession& session) : session_(session) {}

  // An action in two steps, for a page that changes its model over several messages: Begin
  // before the model changes, End after it (recorded only when the page changed).
  void Begin(size_t page);
  bool End(UndoPlace place, UndoKind kind);

  // An action in one step.
  template <class Action>
  bool Track(UndoPlace place, UndoKind kind, Action&& action) {
    Begin(place.page);
    action(session_.Page(place.page));
    return End(place, kind);
  }

  // An action that may change any page (an import): one step that undoes every page it
  // changed. `action` gets the session; `place` is where to show it.
  template <class Action>
  bool TrackSheet(UndoPlace place, UndoKind kind, Action&& action) {
    std::vector<PageState> before;
    for (size_t p = 0; p < page::kCount; ++p) before.push_back(CapturePage(session_.Page(p)));
    action(session_);
    return RecordSheet(place, kind, std::move(before));
  }

  // Takes the last action back (or does it again) and answers where it happened, for the
  // sheet to show that page and focus that control; nothing when there is none.
  std::optional<UndoPlace> Undo();
  std::optional<UndoPlace> Redo();

  bool CanUndo() const { return stack_.CanUndo(); }
  bool CanRedo() const { return stack_.CanRedo(); }

 private:
  // The states of the pages an action changed, before or after it.
  using SheetState = std::vector<std::pair<size_t, PageState>>;
  bool RecordSheet(UndoPlace place, UndoKind kind, std::vector<PageState> before);
  void Put(const SheetState& state);

  CustomizeSession& session_;
  UndoStack<SheetState> stack_;
  std::optional<std::pair<size_t, PageState>> pending_;
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
