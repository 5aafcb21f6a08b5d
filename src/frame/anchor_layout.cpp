#include "frame/anchor_layout.h"

#include <algorithm>
#include <bit>

namespace scrv {
namespace {

// Which part of the client extent an edge follows.
enum class Ref { kZero, kFull, kHalf, kThird, kTwoThirds };
enum class Axis { kX, kY };
enum class Slot { kFirst, kSecond };

// A rule moves the control's start edge (left or top) and/or places its end edge (right or
// bottom). A start edge either keeps its distance below the reference (edge = ref - offset,
// the move rules) or above it (edge = ref + offset, the span rules and kKeepTop). An end edge
// is always edge = ref - offset.
struct EdgeRule {
  Ref ref;
  Slot slot;
  bool plus;
};

struct RuleDef {
  uint32_t flag;
  Axis axis;
  bool isMove;
  std::optional<EdgeRule> start;
  std::optional<EdgeRule> end;
};

using enum Ref;
using enum Slot;

constexpr RuleDef kRules[] = {
    {anchor::kMoveRight, Axis::kX, true, EdgeRule{kFull, kFirst, false}, {}},
    {anchor::kMoveHalfX, Axis::kX, true, EdgeRule{kHalf, kFirst, false}, {}},
    {anchor::kMoveThirdX, Axis::kX, true, EdgeRule{kThird, kFirst, false}, {}},
    {anchor::kMoveTwoThirdsX, Axis::kX, true, EdgeRule{kTwoThirds, kFirst, false}, {}},
    {anchor::kMoveBottom, Axis::kY, true, EdgeRule{kFull, kSecond, false}, {}},
    {anchor::kMoveHalfY, Axis::kY, true, EdgeRule{kHalf, kSecond, false}, {}},
    {anchor::kMoveThirdY, Axis::kY, true, EdgeRule{kThird, kSecond, false}, {}},
    {anchor::kMoveTwoThirdsY, Axis::kY, true, EdgeRule{kTwoThirds, kSecond, false}, {}},
    {anchor::kKeepTop, Axis::kY, true, EdgeRule{kZero, kSecond, true}, {}},
    {anchor::kStretchRight, Axis::kX, false, {}, EdgeRule{kFull, kFirst, false}},
    {anchor::kStretchHalfX, Axis::kX, false, {}, EdgeRule{kHalf, kFirst, false}},
    {anchor::kStretchThirdX, Axis::kX, false, {}, EdgeRule{kThird, kFirst, false}},
    {anchor::kSpanHalfToRight, Axis::kX, false, EdgeRule{kHalf, kSecond, true},
     EdgeRule{kFull, kFirst, false}},
    {anchor::kSpanThirdToTwoThirds, Axis::kX, false, EdgeRule{kThird, kSecond, true},
     EdgeRule{kTwoThirds, kFirst, false}},
    {anchor::kSpanTwoThirdsToRight, Axis::kX, false, EdgeRule{kTwoThirds, kSecond, true},
     EdgeRule{kFull, kFirst, false}},
    {anchor::kStretchBottom, Axis::kY, false, {}, EdgeRule{kFull, kSecond, false}},
    {anchor::kStretchHalfY, Axis::kY, false, {}, EdgeRule{kHalf, kSecond, false}},
    {anchor::kStretchThirdY, Axis::kY, false, {}, EdgeRule{kThird, kSecond, false}},
    {anchor::kStretchTwoThirdsY, Axis::kY, false, {}, EdgeRule{kTwoThirds, kSecond, false}},
    {anchor::kSpanHalfToBottom, Axis::kY, false, EdgeRule{kHalf, kFirst, true},
     EdgeRule{kFull, kSecond, false}},
    {anchor::kSpanThirdToTwoThirdsY, Axis::kY, false, EdgeRule{kThird, kFirst, true},
     EdgeRule{kTwoThirds, kSecond, false}},
    {anchor::kSpanTwoThirdsToBottom, Axis::kY, false, EdgeRule{kTwoThirds, kFirst, true},
     EdgeRule{kFull, kSecond, false}},
};

constexpr uint32_t kThirdBasedX = anchor::kMoveThirdX | anchor::kMoveTwoThirdsX |
                                  anchor::kStretchThirdX | anchor::kSpanThirdToTwoThirds |
                                  anchor::kSpanTwoThirdsToRight;
constexpr uint32_t kSpanX =
    anchor::kSpanHalfToRight | anchor::kSpanThirdToTwoThirds | anchor::kSpanTwoThirdsToRight;
constexpr uint32_t kSpanY =
    anchor::kSpanHalfToBottom | anchor::kSpanThirdToTwoThirdsY | anchor::kSpanTwoThirdsToBottom;

constexpr uint32_t AxisMask(Axis axis) {
  uint32_t m = 0;
  for (const RuleDef& r : kRules)
    if (r.axis == axis) m |= r.flag;
  return m;
}
constexpr uint32_t kXRules = AxisMask(Axis::kX);
constexpr uint32_t kYRules = AxisMask(Axis::kY);

static_assert((kXRules | kYRules) == anchor::kAllRules);

int64_t RefValue(Ref ref, int64_t extent) {
  switch (ref) {
    case kZero:
      return 0;
    case kFull:
      return extent;
    case kHalf:
      return extent / 2;
    case kThird:
      return extent / 3;
    case kTwoThirds:
      return 2 * extent / 3;
  }
  return 0;
}

// The first rule of one axis among the flags, in table order.
const RuleDef* RuleFor(uint32_t flags, Axis axis) {
  for (const RuleDef& r : kRules)
    if (r.axis == axis && (flags & r.flag)) return &r;
  return nullptr;
}

int32_t& SlotOf(AnchorOffsets& o, Slot s) {
  return s == kFirst ? o.first : o.second;
}

int32_t Scaled(int32_t offset, uint32_t currentScale, uint32_t anchorScale) {
  if (anchorScale == 0 || currentScale == anchorScale) return offset;
  return MulDiv(offset, static_cast<int32_t>(currentScale), static_cast<int32_t>(anchorScale));
}

// The edge a rule places, or nullopt when it computes to exactly 0 (the edge then stays).
std::optional<int32_t> PlaceEdge(const EdgeRule& rule, int64_t extent, int32_t offset) {
  int64_t ref = RefValue(rule.ref, extent);
  int64_t v = rule.plus ? ref + offset : ref - offset;
  if (v == 0) return std::nullopt;
  return Saturate32(v);
}

}  // namespace

bool IsValidAnchorRule(uint32_t flags) {
  if (flags == 0 || (flags & ~anchor::kAllRules)) return false;
  uint32_t x = flags & kXRules;
  uint32_t y = flags & kYRules;
  if (std::popcount(x) > 1 || std::popcount(y) > 1) return false;
  if (x && y && ((flags & (kSpanX | kSpanY)) || (flags & kThirdBasedX))) return false;
  return true;
}

AnchorOffsets ComputeAnchorOffsets(uint32_t flags, Size client, const Rect& control) {
  AnchorOffsets out;
  for (Axis axis : {Axis::kX, Axis::kY}) {
    const RuleDef* r = RuleFor(flags, axis);
    if (!r) continue;
    int64_t extent = axis == Axis::kX ? client.width : client.height;
    int64_t start = axis == Axis::kX ? control.left : control.top;
    int64_t end = axis == Axis::kX ? control.right : control.bottom;
    if (r->start) {
      int64_t ref = RefValue(r->start->ref, extent);
      SlotOf(out, r->start->slot) = Saturate32(r->start->plus ? start - ref : ref - start);
    }
    if (r->end) SlotOf(out, r->end->slot) = Saturate32(RefValue(r->end->ref, extent) - end);
  }
  return out;
}

ControlPlacement LayoutAnchor(const AnchorEntry& entry, Size client, const Rect& control,
                              uint32_t currentScale, uint32_t anchorScale) {
  AnchorOffsets off{Scaled(entry.first, currentScale, anchorScale),
                    Scaled(entry.second, currentScale, anchorScale)};
  const RuleDef* rx = RuleFor(entry.flags, Axis::kX);
  const RuleDef* ry = RuleFor(entry.flags, Axis::kY);
  ControlPlacement out;

  // The move: move rules first; a span rule then moves the start edge before the resize.
  Rect r = control;
  bool moved = false;
  auto moveStart = [&](const RuleDef* rule, bool spans) {
    if (!rule || !rule->start || rule->isMove == spans) return;
    bool isX = rule->axis == Axis::kX;
    std::optional<int32_t> v =
        PlaceEdge(*rule->start, isX ? client.width : client.height, SlotOf(off, rule->start->slot));
    moved = true;
    if (!v) return;
    int32_t& startEdge = isX ? r.left : r.top;
    int32_t& endEdge = isX ? r.right : r.bottom;
    endEdge = Saturate32(int64_t{endEdge} + (int64_t{*v} - startEdge));
    startEdge = *v;
  };
  moveStart(rx, false);
  moveStart(ry, false);
  moveStart(rx, true);
  moveStart(ry, true);
  if (moved) out.moveTo = Point{r.left, r.top};

  bool sized = false;
  for (const RuleDef* rule : {rx, ry}) {
    if (!rule || !rule->end) continue;
    bool isX = rule->axis == Axis::kX;
    sized = true;
    std::optional<int32_t> v =
        PlaceEdge(*rule->end, isX ? client.width : client.height, SlotOf(off, rule->end->slot));
    if (v) (isX ? r.right : r.bottom) = *v;
  }
  if (sized) out.resizeTo = r.Extent();
  return out;
}

bool AnchorList::Add(ControlGeometry* window, uint32_t controlId, uint32_t flags) {
  if (!IsValidAnchorRule(flags)) return false;
  AnchorEntry e{{controlId, flags}, 0, 0, 0xFFFF};
  if (window) {
    std::optional<Rect> rc = window->ControlRect(controlId);
    if (!rc) return false;
    AnchorOffsets o = ComputeAnchorOffsets(flags, window->ClientSize(), *rc);
    e.first = o.first;
    e.second = o.second;
  }
  entries_.push_back(e);
  return true;
}

void AnchorList::Reanchor(ControlGeometry& window, Size client) {
  std::erase_if(entries_, [&](AnchorEntry& e) {
    if (e.first != 0 || e.second != 0) return false;
    std::optional<Rect> rc = window.ControlRect(e.controlId);
    if (!rc) return true;
    AnchorOffsets o = ComputeAnchorOffsets(e.flags, client, *rc);
    e.first = o.first;
    e.second = o.second;
    return false;
  });
}

void AnchorList::Layout(ControlGeometry& window, uint32_t currentScale, uint32_t anchorScale) {
  Size client = window.ClientSize();
  for (const AnchorEntry& e : entries_) {
    if (!e.active) continue;
    std::optional<Rect> rc = window.ControlRect(e.controlId);
    if (!rc) continue;
    ControlPlacement p = LayoutAnchor(e, client, *rc, currentScale, anchorScale);
    // A control already in place is left alone: each move costs the platform a round of
    // position messages, and a dialog's first layout mostly finds its controls where they are.
    if (p.moveTo && (p.moveTo->x != rc->left || p.moveTo->y != rc->top))
      window.MoveControl(e.controlId, *p.moveTo);
    if (p.resizeTo && *p.resizeTo != rc->Extent()) window.SizeControl(e.controlId, *p.resizeTo);
  }
}

void AnchorList::SetActive(uint32_t controlId, bool active) {
  for (AnchorEntry& e : entries_)
    if (e.controlId == controlId) e.active = active ? 0xFFFF : 0;
}

int AdjustHitTest(int hitCode, uint32_t resizeMode) {
  if (resizeMode & kResizeHeight) return hitCode;
  switch (hitCode) {
    case hit::kTopLeft:
    case hit::kBottomLeft:
      hitCode = hit::kLeft;
      break;
    case hit::kTopRight:
    case hit::kBottomRight:
      hitCode = hit::kRight;
      break;
    case hit::kTop:
    case hit::kBottom:
      hitCode = hit::kBorder;
      break;
    default:
      break;
  }
  if (!(resizeMode & kResizeWidth) && (hitCode == hit::kLeft || hitCode == hit::kRight))
    hitCode = hit::kBorder;
  return hitCode;
}

bool InSizeGrip(Point client, Size clientSize, Size grip) {
  return client.x >= int64_t{clientSize.width} - grip.width && client.x < clientSize.width &&
         client.y >= int64_t{clientSize.height} - grip.height && client.y < clientSize.height;
}

Size RescaleSize(Size size, uint32_t currentScale, uint32_t anchorScale) {
  return {Scaled(size.width, currentScale, anchorScale),
          Scaled(size.height, currentScale, anchorScale)};
}

TrackLimits ComputeTrackLimits(Size initialOuter, uint32_t currentScale, uint32_t anchorScale,
                               uint32_t resizeMode) {
  TrackLimits t{RescaleSize(initialOuter, currentScale, anchorScale), std::nullopt};
  if (!(resizeMode & kResizeHeight)) t.maximumHeight = t.minimum.height;
  return t;
}

Rect GripPaintRect(Size clientSize, Size grip, uint32_t windowDpi, uint32_t currentScale,
                   uint32_t anchorScale) {
  int32_t w = windowDpi ? MulDiv(grip.width, 96, static_cast<int32_t>(windowDpi)) : grip.width;
  int32_t h = Scaled(grip.height, currentScale, anchorScale);
  return {Saturate32(int64_t{clientSize.width} - w), Saturate32(int64_t{clientSize.height} - h),
          clientSize.width, clientSize.height};
}

Point FallbackGripPosition(Size clientSize, Size gripControl) {
  return {Saturate32(int64_t{clientSize.width} - gripControl.width),
          Saturate32(int64_t{clientSize.height} - gripControl.height)};
}

}  // namespace scrv
