#pragma once
// The anchor rules of the dialog resizing engine: which edge of a control follows which edge,
// half or third of the client area, the offsets taken when a control is anchored, and the new
// control rectangle computed for a client size. The Win32 resizer asks the window for client
// and control rectangles and moves controls; every number in between is decided here.

#include <cstdint>
#include <optional>
#include <vector>

#include "frame/geometry.h"

namespace scrv {

// Rule flags of an anchor entry. W and H are the client width and height; halves and thirds
// truncate toward zero (2W/3 is twice W divided by 3).
namespace anchor {
// Move x: left = ref - A.
constexpr uint32_t kMoveRight = 0x1;           // ref W
constexpr uint32_t kMoveHalfX = 0x10;          // ref W/2
constexpr uint32_t kMoveThirdX = 0x8000;       // ref W/3
constexpr uint32_t kMoveTwoThirdsX = 0x20000;  // ref 2W/3
// Move y: top = ref - B, except kKeepTop where top = B.
constexpr uint32_t kMoveBottom = 0x2;         // ref H
constexpr uint32_t kMoveHalfY = 0x80;         // ref H/2
constexpr uint32_t kMoveThirdY = 0x400;       // ref H/3
constexpr uint32_t kMoveTwoThirdsY = 0x1000;  // ref 2H/3
constexpr uint32_t kKeepTop = 0x100000;
// Stretch x: right = ref - A.
constexpr uint32_t kStretchRight = 0x4;       // ref W
constexpr uint32_t kStretchHalfX = 0x20;      // ref W/2
constexpr uint32_t kStretchThirdX = 0x10000;  // ref W/3
// Span x: left = start + B, right = end - A.
constexpr uint32_t kSpanHalfToRight = 0x40;          // W/2 .. W
constexpr uint32_t kSpanThirdToTwoThirds = 0x40000;  // W/3 .. 2W/3
constexpr uint32_t kSpanTwoThirdsToRight = 0x80000;  // 2W/3 .. W
// Stretch y: bottom = ref - B.
constexpr uint32_t kStretchBottom = 0x8;           // ref H
constexpr uint32_t kStretchHalfY = 0x100;          // ref H/2
constexpr uint32_t kStretchThirdY = 0x800;         // ref H/3
constexpr uint32_t kStretchTwoThirdsY = 0x200000;  // ref 2H/3
// Span y: top = start + A, bottom = end - B.
constexpr uint32_t kSpanHalfToBottom = 0x200;        // H/2 .. H
constexpr uint32_t kSpanThirdToTwoThirdsY = 0x2000;  // H/3 .. 2H/3
constexpr uint32_t kSpanTwoThirdsToBottom = 0x4000;  // 2H/3 .. H

constexpr uint32_t kMoveMask = 0x129493;
constexpr uint32_t kStretchMask = 0x2D6B6C;  // stretch and span rules together
constexpr uint32_t kAllRules = kMoveMask | kStretchMask;
}  // namespace anchor

// One control the resizing engine lays out, with its rule flags: what dialogs, pages and
// sheets declare.
struct Anchor {
  uint32_t controlId = 0;
  uint32_t flags = 0;
};

// An anchor as the engine keeps it, with the offsets taken when the control was anchored.
struct AnchorEntry : Anchor {
  int32_t first = 0;         // A
  int32_t second = 0;        // B
  uint16_t active = 0xFFFF;  // 0: skipped by the layout
};

struct AnchorOffsets {
  int32_t first = 0;
  int32_t second = 0;
  friend bool operator==(const AnchorOffsets&, const AnchorOffsets&) = default;
};

// True for a combination the layout can honour: only known bits, at least one rule, at most
// one rule per axis, no span rule together with a rule of the other axis, and no vertical rule
// beside a third-based horizontal one (such controls are anchored twice, once per axis).
bool IsValidAnchorRule(uint32_t flags);

// The offsets a control keeps from the client edges, halves or thirds, taken when anchored.
AnchorOffsets ComputeAnchorOffsets(uint32_t flags, Size client, const Rect& control);

// What one layout pass does to one control: first a move (size kept), then a resize (position
// kept). A coordinate without a rule, or one that computes to exactly 0, stays where it is.
struct ControlPlacement {
  std::optional<Point> moveTo;
  std::optional<Size> resizeTo;
  friend bool operator==(const ControlPlacement&, const ControlPlacement&) = default;
};

// The offsets are rescaled by currentScale / anchorScale (MulDiv) before use, so a dialog
// moved to a monitor of another DPI keeps its proportions.
ControlPlacement LayoutAnchor(const AnchorEntry& entry, Size client, const Rect& control,
                              uint32_t currentScale, uint32_t anchorScale);

// The window side of the engine: the client size, control rectangles in client coordinates
// and the two kinds of control moves.
class ControlGeometry {
 public:
  virtual ~ControlGeometry() = default;
  virtual Size ClientSize() = 0;
  // nullopt when the dialog has no control with that identifier.
  virtual std::optional<Rect> ControlRect(uint32_t controlId) = 0;
  virtual void MoveControl(uint32_t controlId, Point topLeft) = 0;  // size kept
  virtual void SizeControl(uint32_t controlId, Size size) = 0;      // position kept
};

// The dialog's anchors, in the order they were added.
class AnchorList {
 public:
  // With the window at hand the offsets are taken now and a missing control is not added;
  // without it (null) the entry waits with offsets 0, 0 for Reanchor. Invalid rules are refused.
  bool Add(ControlGeometry* window, uint32_t controlId, uint32_t flags);
  // Takes the offsets of every entry whose two offsets are still 0 from where its control is
  // now, against `client`, the client size the controls were placed for. An entry whose
  // control does not exist is dropped.
  void Reanchor(ControlGeometry& window, Size client);
  // One layout pass over the active entries, in order.
  void Layout(ControlGeometry& window, uint32_t currentScale, uint32_t anchorScale);
  // Entries of a control are skipped (or laid out again) while it is hidden (or shown).
  void SetActive(uint32_t controlId, bool active);
  void Clear() { entries_.clear(); }
  const std::vector<AnchorEntry>& Entries() const { return entries_; }

 private:
  std::vector<AnchorEntry> entries_;
};

// Hit-test codes of the non-client area.
namespace hit {
constexpr int kLeft = 10;
constexpr int kRight = 11;
constexpr int kTop = 12;
constexpr int kTopLeft = 13;
constexpr int kTopRight = 14;
constexpr int kBottom = 15;
constexpr int kBottomLeft = 16;
constexpr int kBottomRight = 17;
constexpr int kBorder = 18;
}  // namespace hit

// resizeMode: bit value 1 = may be resized horizontally, 2 = vertically.
constexpr uint32_t kResizeWidth = 1;
constexpr uint32_t kResizeHeight = 2;

// Turns the frame's hit-test answer into one that offers only the allowed directions: without
// vertical resizing corners become sides and top and bottom a plain border; without either,
// the sides become a border too.
int AdjustHitTest(int hitCode, uint32_t resizeMode);

// Whether a client point lies in the size-grip square at the client area's bottom-right corner.
bool InSizeGrip(Point client, Size clientSize, Size grip);

// A size taken at anchorScale, expressed at currentScale.
Size RescaleSize(Size size, uint32_t currentScale, uint32_t anchorScale);

// The tracking limits of WM_GETMINMAXINFO: never smaller than the window was when the engine
// was attached; without vertical resizing the height is fixed at that minimum.
struct TrackLimits {
  Size minimum;
  std::optional<int32_t> maximumHeight;
};
TrackLimits ComputeTrackLimits(Size initialOuter, uint32_t currentScale, uint32_t anchorScale,
                               uint32_t resizeMode);

// Where the themed size grip is painted: from the client area's bottom-right corner leftwards
// by the grip width × 96 / window DPI and upwards by the grip height rescaled to the current
// scale.
Rect GripPaintRect(Size clientSize, Size grip, uint32_t windowDpi, uint32_t currentScale,
                   uint32_t anchorScale);

// Top-left corner of the fallback grip control (used without visual styles), so that its
// bottom-right corner is the client area's.
Point FallbackGripPosition(Size clientSize, Size gripControl);

// Identifier of that fallback grip control.
constexpr uint32_t kFallbackGripId = 100;

}  // namespace scrv
