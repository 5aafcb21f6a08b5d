#pragma once
// The dialog resizing engine without its window calls: the anchors, the placement state and
// the grip size, and what each message the engine handles decides. The Win32 resizer
// implements ResizerWindow with the platform's window functions, keeps the grip bitmap and
// paints it, and forwards WM_INITDIALOG, WM_SIZE, WM_GETMINMAXINFO, WM_NCHITTEST and
// WM_DESTROY here.

#include <cstdint>

#include "frame/anchor_layout.h"
#include "frame/placement.h"
#include "settings/settings_store.h"

namespace scrv {

class ResizerWindow : public ControlGeometry, public PlacementWindow {
 public:
  // Whether the thread runs per-monitor aware, version 2: only then do offsets follow the
  // window's current scale.
  virtual bool PerMonitorV2() = 0;
};

class ResizerModel {
 public:
  // WM_INITDIALOG: the window's outer and client sizes now (the template at this moment's
  // scale) and the size of the grip bitmap in pixels.
  void Attach(Size initialOuter, Size initialClient, Size grip);
  // The entry's offsets wait for ResolveAnchors; an invalid rule is refused.
  bool AddAnchor(uint32_t controlId, uint32_t flags);
  // An engine that is not attached (a page's): the client size and the scale are taken now.
  void Reanchor(ResizerWindow& window);
  // Takes the offsets of the waiting anchors from where their controls are, against the client
  // size they were placed for, and drops those whose control does not exist. Until the client
  // area first changes every control is where its anchors would put it, so this waits for the
  // first size change (OnSize), or is called before the platform rescales the controls for a
  // new DPI. Each control looked up is a round trip to the window system, which a dialog that
  // is never resized then does not pay.
  void ResolveAnchors(ResizerWindow& window);
  void RestorePlacement(ResizerWindow& window, SettingsStore& settings, const char16_t* key,
                        uint32_t resizeMode);

  // The scale the layout works at: the window's own under per-monitor v2, else the scale the
  // offsets were taken at.
  uint32_t CurrentScale(ResizerWindow& window);

  void OnSize(ResizerWindow& window);
  TrackLimits OnGetMinMaxInfo(ResizerWindow& window, uint32_t resizeMode);
  // `defaultHit` is the frame's own answer for the point.
  int OnNcHitTest(ResizerWindow& window, Point client, int defaultHit, uint32_t resizeMode);
  Rect GripPaintRect(ResizerWindow& window, uint32_t windowDpi);
  // Saves the placement and empties the anchor list.
  void OnDestroy(ResizerWindow& window, SettingsStore& settings);

  AnchorList& Anchors() { return anchors_; }
  PlacementState& Placement() { return placement_; }
  Size Grip() const { return grip_; }

 private:
  AnchorList anchors_;
  bool anchorsWaiting_ = false;
  Size initialClient_;
  PlacementState placement_;
  Size grip_;
};

}  // namespace scrv
