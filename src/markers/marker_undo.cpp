#include "markers/marker_undo.h"

namespace scrv {

MarkerSheetState CaptureMarkers(const MarkerSheetModel& model) {
  return {model.markers, model.autoFlags, model.options, model.optionsPageOpened};
}

void RestoreMarkers(MarkerSheetModel& model, const MarkerSheetState& state) {
  model.markers = state.markers;
  model.autoFlags = state.autoFlags;
  model.options = state.options;
  model.optionsPageOpened = state.optionsPageOpened;
}

bool MarkerUndo::End(UndoPlace place, UndoKind kind) {
  if (!pending_) return false;
  MarkerSheetState before = std::move(*pending_);
  pending_.reset();
  return stack_.Record(place, kind, std::move(before), CaptureMarkers(model_),
                       [](const MarkerSheetState& a, const MarkerSheetState& b) { return a == b; });
}

std::optional<UndoPlace> MarkerUndo::Undo() {
  const auto* entry = stack_.Undo();
  if (!entry) return std::nullopt;
  RestoreMarkers(model_, entry->before);
  return entry->place;
}

std::optional<UndoPlace> MarkerUndo::Redo() {
  const auto* entry = stack_.Redo();
  if (!entry) return std::nullopt;
  RestoreMarkers(model_, entry->after);
  return entry->place;
}

}  // namespace scrv
