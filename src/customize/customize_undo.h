#pragma once
// Undo and redo over the Customize sheet's pages, and what the sheet's search needs to know of
// the pages' defaults: which pages hold a setting that differs from its default, and which of
// their controls and option rows do.

#include <array>
#include <optional>

#include "customize/customize_session.h"
#include "customize/page_state.h"
#include "frame/search_index.h"
#include "frame/undo_stack.h"

namespace scrv {

// The Customize pages' states, page by page.
struct CustomizePageStates {
  CustomizeSession* session;
  PageState Capture(size_t page) { return CapturePage(session->Page(page)); }
  void Restore(size_t page, const PageState& state) { RestorePage(session->Page(page), state); }
  static bool Same(const PageState& a, const PageState& b) { return SameState(a, b); }
  PageModel& Target(size_t page) { return session->Page(page); }
};

class CustomizeUndo : public SheetUndo<CustomizePageStates> {
 public:
  explicit CustomizeUndo(CustomizeSession& session) : SheetUndo({&session}) {}
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
