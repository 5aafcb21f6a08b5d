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

// The marker sheet's pages share one model: every page's state is the whole sheet's.
struct MarkerSheetStates {
  MarkerSheetModel* model;
  MarkerSheetState Capture(size_t) { return CaptureMarkers(*model); }
  void Restore(size_t, const MarkerSheetState& state) { RestoreMarkers(*model, state); }
  static bool Same(const MarkerSheetState& a, const MarkerSheetState& b) { return a == b; }
  MarkerSheetModel& Target(size_t) { return *model; }
};

class MarkerUndo : public SheetUndo<MarkerSheetStates> {
 public:
  explicit MarkerUndo(MarkerSheetModel& model) : SheetUndo({&model}) {}
};

}  // namespace scrv
