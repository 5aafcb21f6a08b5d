#pragma once
// Undo and redo on the marker sheet: each user action on one of its pages (a marker added,
// edited, moved or removed, an automatic-marker box, an option) is one step, recorded with the
// sheet's state before and after it.

#include <optional>

#include "frame/undo_stack.h"
#include "markers/marker_sheet.h"

namespace scrv {

struct MarkerSheetState {
  MarkerList markers;
  uint32_t autoFlags = 0;
  MarkerOptions options;
  bool optionsPageOpened = false;
  friend bool operator==(const MarkerSheetState&, const MarkerSheetState&) = default;
};

MarkerSheetState CaptureMarkers(const MarkerSheetModel& model);
void RestoreMarkers(MarkerSheetModel& model, const MarkerSheetState& state);

class MarkerUndo {
 public:
  explicit MarkerUndo(MarkerSheetModel& model) : model_(model) {}

  void Begin() { pending_ = CaptureMarkers(model_); }
  bool End(UndoPlace place, UndoKind kind);
  template <class Action>
  bool Track(UndoPlace place, UndoKind kind, Action&& action) {
    Begin();
    action(model_);
    return End(place, kind);
  }

  std::optional<UndoPlace> Undo();
  std::optional<UndoPlace> Redo();
  bool CanUndo() const { return stack_.CanUndo(); }
  bool CanRedo() const { return stack_.CanRedo(); }

 private:
  MarkerSheetModel& model_;
  UndoStack<MarkerSheetState> stack_;
  std::optional<MarkerSheetState> pending_;
};

}  // namespace scrv
