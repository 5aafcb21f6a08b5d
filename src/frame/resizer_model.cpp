#include "frame/resizer_model.h"

#include <utility>

namespace scrv {

void ResizerModel::Attach(Size initialOuter, Size initialClient, Size grip) {
  placement_.initialOuter = initialOuter;
  initialClient_ = initialClient;
  grip_ = grip;
}

bool ResizerModel::AddAnchor(uint32_t controlId, uint32_t flags) {
  if (!anchors_.Add(nullptr, controlId, flags)) return false;
  anchorsWaiting_ = true;
  return true;
}

void ResizerModel::Reanchor(ResizerWindow& window) {
  placement_.scale = window.ScalePercent();
  initialClient_ = window.ClientSize();
}

void ResizerModel::ResolveAnchors(ResizerWindow& window) {
  if (!std::exchange(anchorsWaiting_, false)) return;
  anchors_.Reanchor(window, initialClient_);
}

void ResizerModel::RestorePlacement(ResizerWindow& window, SettingsStore& settings,
                                    const char16_t* key, uint32_t resizeMode) {
  scrv::RestorePlacement(placement_, window, settings, key, resizeMode);
}

uint32_t ResizerModel::CurrentScale(ResizerWindow& window) {
  return window.PerMonitorV2() ? window.ScalePercent() : placement_.scale;
}

void ResizerModel::OnSize(ResizerWindow& window) {
  uint32_t scale = CurrentScale(window);
  Size client = window.ClientSize();
  placement_.resized = true;
  if (std::optional<Rect> grip = window.ControlRect(kFallbackGripId))
    window.MoveControl(kFallbackGripId, FallbackGripPosition(client, grip->Extent()));
  if (anchorsWaiting_ && client == initialClient_ && scale == placement_.scale) return;
  ResolveAnchors(window);
  anchors_.Layout(window, scale, placement_.scale);
}

TrackLimits ResizerModel::OnGetMinMaxInfo(ResizerWindow& window, uint32_t resizeMode) {
  return ComputeTrackLimits(placement_.initialOuter, CurrentScale(window), placement_.scale,
                            resizeMode);
}

int ResizerModel::OnNcHitTest(ResizerWindow& window, Point client, int defaultHit,
                              uint32_t resizeMode) {
  Size grip = RescaleSize(grip_, CurrentScale(window), placement_.scale);
  int code = InSizeGrip(client, window.ClientSize(), grip) ? hit::kBottomRight : defaultHit;
  return AdjustHitTest(code, resizeMode);
}

Rect ResizerModel::GripPaintRect(ResizerWindow& window, uint32_t windowDpi) {
  return scrv::GripPaintRect(window.ClientSize(), grip_, windowDpi, CurrentScale(window),
                             placement_.scale);
}

void ResizerModel::OnDestroy(ResizerWindow& window, SettingsStore& settings) {
  SavePlacement(placement_, window, settings);
  anchors_.Clear();
  anchorsWaiting_ = false;
}

}  // namespace scrv
