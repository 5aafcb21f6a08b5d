#include "frame/resizer_model.h"

#include <gtest/gtest.h>

#include "fake_dialog_window.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

using testing::FakeDialogWindow;

class Resizer : public ::testing::Test {
 protected:
  void SetUp() override {
    w.client = {300, 200};
    w.controls[1] = {230, 170, 290, 190};
    model.Attach({316, 239}, w.client, {16, 16});
    ASSERT_TRUE(model.AddAnchor(1, anchor::kMoveRight | anchor::kMoveBottom));
    model.RestorePlacement(w, settings, u"TestDlgPos", 3);
  }

  FakeDialogWindow w;
  MemorySettings settings;
  ResizerModel model;
};

TEST_F(Resizer, SizingLaysOutAndMarksTheDialogResized) {
  EXPECT_FALSE(model.Placement().resized);
  w.client = {400, 260};
  model.OnSize(w);
  EXPECT_TRUE(model.Placement().resized);
  EXPECT_EQ(w.controls[1], (Rect{330, 230, 390, 250}));
}

TEST_F(Resizer, FallbackGripFollowsTheCorner) {
  w.controls[kFallbackGripId] = {284, 184, 300, 200};
  w.client = {400, 260};
  model.OnSize(w);
  EXPECT_EQ(w.controls[kFallbackGripId], (Rect{384, 244, 400, 260}));
}

TEST_F(Resizer, OffsetsFollowTheWindowScaleOnlyUnderPerMonitorV2) {
  w.scale = 150;
  w.client = {450, 300};
  model.OnSize(w);
  EXPECT_EQ(w.controls[1], (Rect{345, 255, 405, 275})) << "offsets 70, 30 become 105, 45";
  w.perMonitorV2 = false;
  model.OnSize(w);
  EXPECT_EQ(w.controls[1], (Rect{380, 270, 440, 290}));
}

TEST_F(Resizer, MinimumTrackingSizeAndFixedHeight) {
  TrackLimits t = model.OnGetMinMaxInfo(w, 1);
  EXPECT_EQ(t.minimum, (Size{316, 239}));
  EXPECT_EQ(t.maximumHeight, 239);
  w.scale = 200;
  EXPECT_EQ(model.OnGetMinMaxInfo(w, 3).minimum, (Size{632, 478}));
}

TEST_F(Resizer, GripAnswersBottomRightUnlessHeightIsFixed) {
  EXPECT_EQ(model.OnNcHitTest(w, {290, 190}, 1, 3), hit::kBottomRight);
  EXPECT_EQ(model.OnNcHitTest(w, {290, 190}, 1, 1), hit::kRight);
  EXPECT_EQ(model.OnNcHitTest(w, {280, 190}, 1, 3), 1);
  EXPECT_EQ(model.OnNcHitTest(w, {-3, 50}, hit::kTopLeft, 1), hit::kLeft);
  w.scale = 200;  // the grip doubles with the scale
  EXPECT_EQ(model.OnNcHitTest(w, {270, 170}, 1, 3), hit::kBottomRight);
}

TEST_F(Resizer, DestroySavesThePlacementAndForgetsTheAnchors) {
  w.ResizeWindow({500, 300});
  w.client = {484, 261};
  model.OnSize(w);
  model.OnDestroy(w, settings);
  EXPECT_TRUE(model.Anchors().Entries().empty());
  const StoredValue* v = settings.Find(u"Common", u"TestDlgPos");
  ASSERT_TRUE(v);
  auto rec = DecodePlacement(v->bytes.data(), v->bytes.size());
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->width, 500);
  EXPECT_EQ(rec->height, 300);
}

TEST_F(Resizer, ReanchorTakesTheCurrentScaleAndClientSize) {
  ResizerModel late;
  ASSERT_TRUE(late.AddAnchor(1, anchor::kMoveRight));
  w.scale = 125;
  late.Reanchor(w);
  EXPECT_EQ(late.Placement().scale, 125u);
  w.client = {350, 200};
  late.OnSize(w);
  EXPECT_EQ(late.Anchors().Entries()[0].first, 70);
}

// Anchors are taken at the first size change, from the controls as they stand then against
// the size they were placed for; a size message that changes nothing looks no control up.
TEST_F(Resizer, AnchorsWaitForTheFirstSizeChange) {
  ResizerModel lazy;
  lazy.Attach({316, 239}, w.client, {16, 16});
  ASSERT_TRUE(lazy.AddAnchor(1, anchor::kMoveRight | anchor::kStretchBottom));
  ASSERT_TRUE(lazy.AddAnchor(99, anchor::kMoveRight));
  w.controls[1] = {230, 100, 290, 150};  // where the dialog put it after the anchors were added
  lazy.OnSize(w);
  EXPECT_EQ(lazy.Anchors().Entries()[0].first, 0) << "not taken yet";
  EXPECT_EQ(w.controlMoves, 0);
  w.client = {400, 260};
  lazy.OnSize(w);
  ASSERT_EQ(lazy.Anchors().Entries().size(), 1u) << "a missing control is dropped";
  EXPECT_EQ(w.controls[1], (Rect{330, 100, 390, 210}));
  w.client = {300, 200};  // taken once: the way back restores the first place
  lazy.OnSize(w);
  EXPECT_EQ(w.controls[1], (Rect{230, 100, 290, 150}));
}

}  // namespace
}  // namespace scrv
