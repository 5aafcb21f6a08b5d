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

}  // namespace scrv
