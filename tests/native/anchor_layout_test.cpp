#include "frame/anchor_layout.h"

#include <gtest/gtest.h>

#include "fake_dialog_window.h"

namespace scrv {
namespace {

using testing::FakeDialogWindow;

// Anchors a control at client 300 x 200, then lays it out at another client size.
ControlPlacement Relayout(uint32_t flags, Rect control, Size newClient, uint32_t current = 100,
                          uint32_t anchored = 100) {
  AnchorOffsets o = ComputeAnchorOffsets(flags, {300, 200}, control);
  AnchorEntry e{{7, flags}, o.first, o.second, 0xFFFF};
  return LayoutAnchor(e, newClient, control, current, anchored);
}

TEST(MulDiv, RoundsHalfAwayFromZeroAndRefusesOverflow) {
  EXPECT_EQ(MulDiv(5, 3, 2), 8);
  EXPECT_EQ(MulDiv(-5, 3, 2), -8);
  EXPECT_EQ(MulDiv(7, -1, 2), -4);
  EXPECT_EQ(MulDiv(10, 1, -3), -3);
  EXPECT_EQ(MulDiv(600, 100, 150), 400);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(0x40000000, 4, 1), -1);
}

TEST(AnchorRule, MasksPartitionTheRules) {
  EXPECT_EQ(anchor::kMoveMask & anchor::kStretchMask, 0u);
  EXPECT_EQ(anchor::kMoveMask, 0x129493u);
  EXPECT_EQ(anchor::kStretchMask, 0x2D6B6Cu);
}

TEST(AnchorRule, OneRulePerAxisAndSpansAndThirdsStandAlone) {
  EXPECT_TRUE(IsValidAnchorRule(0x1));
  EXPECT_TRUE(IsValidAnchorRule(0x4 | 0x8)) << "a list filling the dialog";
  EXPECT_TRUE(IsValidAnchorRule(0x1 | 0x2));
  EXPECT_TRUE(IsValidAnchorRule(0x40));
  EXPECT_TRUE(IsValidAnchorRule(0x200));
  EXPECT_FALSE(IsValidAnchorRule(0));
  EXPECT_FALSE(IsValidAnchorRule(0x400000)) << "unknown bit";
  EXPECT_FALSE(IsValidAnchorRule(0x1 | 0x4)) << "two horizontal rules";
  EXPECT_FALSE(IsValidAnchorRule(0x2 | 0x8)) << "two vertical rules";
  EXPECT_FALSE(IsValidAnchorRule(0x40 | 0x8)) << "span x with a vertical rule";
  EXPECT_FALSE(IsValidAnchorRule(0x200 | 0x1)) << "span y with a horizontal rule";
  EXPECT_FALSE(IsValidAnchorRule(0x8000 | 0x2)) << "third-based horizontal with a vertical rule";
  EXPECT_FALSE(IsValidAnchorRule(0x10000 | 0x8));
}

TEST(AnchorLayout, MoveRulesFollowEdgesHalvesAndThirds) {
  Rect c{250, 20, 290, 40};
  EXPECT_EQ(ComputeAnchorOffsets(0x1, {300, 200}, c), (AnchorOffsets{50, 0}));
  EXPECT_EQ(Relayout(0x1, c, {400, 200}).moveTo, (Point{350, 20}));
  EXPECT_EQ(Relayout(0x1, c, {400, 200}).resizeTo, std::nullopt);

  Rect mid{160, 20, 200, 40};  // 10 right of W/2
  EXPECT_EQ(Relayout(0x10, mid, {401, 200}).moveTo, (Point{210, 20}));
  Rect third{90, 20, 120, 40};  // 10 left of W/3
  EXPECT_EQ(Relayout(0x8000, third, {400, 200}).moveTo, (Point{123, 20}));
  // 2W/3 is twice W divided by 3: 802 / 3 = 267, not 2 * 133.
  Rect twoThirds{190, 20, 220, 40};
  EXPECT_EQ(Relayout(0x20000, twoThirds, {401, 200}).moveTo, (Point{257, 20}));

  Rect low{10, 150, 50, 170};
  EXPECT_EQ(Relayout(0x2, low, {300, 260}).moveTo, (Point{10, 210}));
  EXPECT_EQ(Relayout(0x80, low, {300, 301}).moveTo, (Point{10, 200}));
  EXPECT_EQ(Relayout(0x400, Rect{10, 60, 50, 80}, {300, 300}).moveTo, (Point{10, 94}));
  EXPECT_EQ(Relayout(0x1000, Rect{10, 130, 50, 150}, {300, 301}).moveTo, (Point{10, 197}));
  // The fixed top only follows the scale.
  EXPECT_EQ(ComputeAnchorOffsets(0x100000, {300, 200}, low), (AnchorOffsets{0, 150}));
  EXPECT_EQ(Relayout(0x100000, low, {300, 999}).moveTo, (Point{10, 150}));
  EXPECT_EQ(Relayout(0x100000, low, {300, 999}, 150, 100).moveTo, (Point{10, 225}));
}

TEST(AnchorLayout, StretchRulesPlaceTheFarEdge) {
  Rect edit{10, 20, 290, 40};
  EXPECT_EQ(ComputeAnchorOffsets(0x4, {300, 200}, edit), (AnchorOffsets{10, 0}));
  ControlPlacement p = Relayout(0x4, edit, {500, 200});
  EXPECT_EQ(p.moveTo, std::nullopt);
  EXPECT_EQ(p.resizeTo, (Size{480, 20}));
  EXPECT_EQ(Relayout(0x20, Rect{10, 20, 140, 40}, {401, 200}).resizeTo, (Size{180, 20}));
  EXPECT_EQ(Relayout(0x10000, Rect{10, 20, 90, 40}, {600, 200}).resizeTo, (Size{180, 20}));

  Rect list{10, 10, 290, 190};
  EXPECT_EQ(Relayout(0x4 | 0x8, list, {400, 300}).resizeTo, (Size{380, 280}));
  EXPECT_EQ(Relayout(0x100, Rect{10, 10, 50, 90}, {300, 301}).resizeTo, (Size{40, 130}));
  EXPECT_EQ(Relayout(0x800, Rect{10, 10, 50, 60}, {300, 300}).resizeTo, (Size{40, 84}));
  EXPECT_EQ(Relayout(0x200000, Rect{10, 10, 50, 120}, {300, 301}).resizeTo, (Size{40, 177}));
}

TEST(AnchorLayout, SpanRulesMoveTheNearEdgeAndPlaceTheFarOne) {
  Rect half{160, 20, 290, 40};  // from 10 right of W/2 to 10 left of W
  EXPECT_EQ(ComputeAnchorOffsets(0x40, {300, 200}, half), (AnchorOffsets{10, 10}));
  ControlPlacement p = Relayout(0x40, half, {400, 200});
  EXPECT_EQ(p.moveTo, (Point{210, 20}));
  EXPECT_EQ(p.resizeTo, (Size{180, 20}));

  Rect mid{110, 20, 190, 40};  // W/3 + 10 .. 2W/3 - 10
  p = Relayout(0x40000, mid, {600, 200});
  EXPECT_EQ(p.moveTo, (Point{210, 20}));
  EXPECT_EQ(p.resizeTo, (Size{180, 20}));
  p = Relayout(0x80000, Rect{210, 20, 290, 40}, {600, 200});
  EXPECT_EQ(p.moveTo, (Point{410, 20}));
  EXPECT_EQ(p.resizeTo, (Size{180, 20}));

  Rect lower{10, 110, 50, 190};  // H/2 + 10 .. H - 10
  EXPECT_EQ(ComputeAnchorOffsets(0x200, {300, 200}, lower), (AnchorOffsets{10, 10}));
  p = Relayout(0x200, lower, {300, 400});
  EXPECT_EQ(p.moveTo, (Point{10, 210}));
  EXPECT_EQ(p.resizeTo, (Size{40, 180}));
  p = Relayout(0x2000, Rect{10, 76, 50, 123}, {300, 600});
  EXPECT_EQ(p.moveTo, (Point{10, 210}));
  EXPECT_EQ(p.resizeTo, (Size{40, 180}));
  p = Relayout(0x4000, Rect{10, 143, 50, 190}, {300, 600});
  EXPECT_EQ(p.moveTo, (Point{10, 410}));
  EXPECT_EQ(p.resizeTo, (Size{40, 180}));
}

TEST(AnchorLayout, ACoordinateComputingToZeroKeepsItsValue) {
  // Anchored at left 0: at the same width the rule computes 0, so the current left stays.
  AnchorEntry e{{7, 0x1}, 300, 0, 0xFFFF};
  EXPECT_EQ(LayoutAnchor(e, {300, 200}, Rect{7, 20, 40, 40}, 100, 100).moveTo, (Point{7, 20}));
  // A stretch edge at W/2 - 50 = 0 keeps the current right edge.
  AnchorEntry s{{7, 0x20}, 50, 0, 0xFFFF};
  EXPECT_EQ(LayoutAnchor(s, {100, 200}, Rect{10, 20, 90, 40}, 100, 100).resizeTo, (Size{80, 20}));
}

TEST(AnchorLayout, MoveThenStretchAcrossAxes) {
  ControlPlacement p = Relayout(0x1 | 0x8, Rect{250, 10, 290, 100}, {400, 300});
  EXPECT_EQ(p.moveTo, (Point{350, 10}));
  EXPECT_EQ(p.resizeTo, (Size{40, 190})) << "the width moves with the control";
}

TEST(AnchorLayout, OffsetsFollowTheScaleWithMulDiv) {
  AnchorEntry e{{7, 0x1}, 5, 0, 0xFFFF};
  EXPECT_EQ(LayoutAnchor(e, {600, 200}, Rect{0, 0, 10, 10}, 150, 100).moveTo, (Point{592, 0}));
  AnchorEntry neg{{7, 0x10}, -5, 0, 0xFFFF};
  EXPECT_EQ(LayoutAnchor(neg, {600, 200}, Rect{0, 0, 10, 10}, 150, 100).moveTo, (Point{308, 0}));
  EXPECT_EQ(LayoutAnchor(e, {600, 200}, Rect{0, 0, 10, 10}, 100, 150).moveTo, (Point{597, 0}));
}

TEST(AnchorList, EntriesApplyInOrderForOneControlOnTwoAxes) {
  FakeDialogWindow w;
  w.controls[30] = {160, 20, 290, 180};
  AnchorList anchors;
  ASSERT_TRUE(anchors.Add(&w, 30, 0x40));
  ASSERT_TRUE(anchors.Add(&w, 30, 0x8));
  w.client = {500, 300};
  anchors.Layout(w, 100, 100);
  EXPECT_EQ(w.controls[30], (Rect{260, 20, 490, 280}));
}

TEST(AnchorList, ALayoutThatChangesNothingMovesNoControl) {
  FakeDialogWindow w;
  w.controls[1] = {250, 10, 290, 100};
  AnchorList anchors;
  ASSERT_TRUE(anchors.Add(&w, 1, 0x1 | 0x8));
  anchors.Layout(w, 100, 100);
  EXPECT_EQ(w.controlMoves, 0);
  w.client = {400, 300};
  anchors.Layout(w, 100, 100);
  EXPECT_EQ(w.controls[1], (Rect{350, 10, 390, 200}));
  EXPECT_EQ(w.controlMoves, 2);
}

TEST(AnchorList, MissingControlsAndBadRulesAreNotAdded) {
  FakeDialogWindow w;
  w.controls[1] = {250, 170, 290, 190};
  AnchorList anchors;
  EXPECT_FALSE(anchors.Add(&w, 99, 0x1));
  EXPECT_FALSE(anchors.Add(&w, 1, 0x40 | 0x8));
  EXPECT_TRUE(anchors.Add(&w, 1, 0x1 | 0x2));
  EXPECT_EQ(anchors.Entries().size(), 1u);
}

TEST(AnchorList, ReanchorFillsOnlyEntriesWithoutOffsets) {
  FakeDialogWindow w;
  w.controls[1] = {250, 170, 290, 190};
  w.controls[2] = {10, 10, 290, 30};
  AnchorList anchors;
  ASSERT_TRUE(anchors.Add(nullptr, 1, 0x1 | 0x2));
  ASSERT_TRUE(anchors.Add(&w, 2, 0x4));
  EXPECT_EQ(anchors.Entries()[0].first, 0);
  w.controls[2] = {10, 10, 200, 30};  // an entry with offsets keeps them
  w.client = {500, 300};              // the offsets are taken against the size given
  anchors.Reanchor(w, {300, 200});
  EXPECT_EQ(anchors.Entries()[0].first, 50);
  EXPECT_EQ(anchors.Entries()[0].second, 30);
  EXPECT_EQ(anchors.Entries()[1].first, 10);
}

TEST(AnchorList, InactiveEntriesAreSkipped) {
  FakeDialogWindow w;
  w.controls[1] = {250, 170, 290, 190};
  AnchorList anchors;
  anchors.Add(&w, 1, 0x1);
  anchors.SetActive(1, false);
  w.client = {400, 200};
  anchors.Layout(w, 100, 100);
  EXPECT_EQ(w.controls[1].left, 250);
  anchors.SetActive(1, true);
  anchors.Layout(w, 100, 100);
  EXPECT_EQ(w.controls[1].left, 350);
}

TEST(HitTest, WidthOnlyDialogsOfferSidesAndBorders) {
  EXPECT_EQ(AdjustHitTest(hit::kTopLeft, 1), hit::kLeft);
  EXPECT_EQ(AdjustHitTest(hit::kBottomLeft, 1), hit::kLeft);
  EXPECT_EQ(AdjustHitTest(hit::kTopRight, 1), hit::kRight);
  EXPECT_EQ(AdjustHitTest(hit::kBottomRight, 1), hit::kRight);
  EXPECT_EQ(AdjustHitTest(hit::kTop, 1), hit::kBorder);
  EXPECT_EQ(AdjustHitTest(hit::kBottom, 1), hit::kBorder);
  EXPECT_EQ(AdjustHitTest(hit::kLeft, 1), hit::kLeft);
}

TEST(HitTest, FixedDialogsOfferOnlyBordersAndResizableOnesEverything) {
  for (int code : {hit::kLeft, hit::kRight, hit::kTopLeft, hit::kBottomRight, hit::kTop})
    EXPECT_EQ(AdjustHitTest(code, 0), hit::kBorder) << code;
  for (int code = hit::kLeft; code <= hit::kBorder; ++code) {
    EXPECT_EQ(AdjustHitTest(code, 3), code);
    EXPECT_EQ(AdjustHitTest(code, 2), code);
  }
  EXPECT_EQ(AdjustHitTest(1, 0), 1) << "the client area stays the client area";
}

TEST(SizeGrip, SquareAtTheBottomRightCorner) {
  EXPECT_TRUE(InSizeGrip({280, 180}, {300, 200}, {20, 20}));
  EXPECT_TRUE(InSizeGrip({299, 199}, {300, 200}, {20, 20}));
  EXPECT_FALSE(InSizeGrip({279, 199}, {300, 200}, {20, 20}));
  EXPECT_FALSE(InSizeGrip({300, 199}, {300, 200}, {20, 20}));
}

TEST(SizeGrip, PaintRectUsesDpiForWidthAndScaleForHeight) {
  EXPECT_EQ(GripPaintRect({300, 200}, {24, 24}, 144, 150, 150), (Rect{284, 176, 300, 200}));
  EXPECT_EQ(GripPaintRect({300, 200}, {16, 16}, 96, 150, 100), (Rect{284, 176, 300, 200}));
  EXPECT_EQ(FallbackGripPosition({300, 200}, {16, 17}), (Point{284, 183}));
}

TEST(TrackLimits, MinimumIsTheInitialSizeAtTheCurrentScale) {
  TrackLimits t = ComputeTrackLimits({400, 300}, 150, 100, 1);
  EXPECT_EQ(t.minimum, (Size{600, 450}));
  EXPECT_EQ(t.maximumHeight, 450);
  EXPECT_EQ(ComputeTrackLimits({400, 300}, 100, 100, 3).maximumHeight, std::nullopt);
}

}  // namespace
}  // namespace scrv
