#include "frame/placement.h"

#include <gtest/gtest.h>

#include "fake_dialog_window.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

using testing::FakeDialogWindow;

std::vector<uint8_t> Bytes(const PlacementRecord& r) {
  auto a = EncodePlacement(r);
  return {a.begin(), a.end()};
}

std::optional<PlacementRecord> Stored(MemorySettings& s, std::u16string_view key) {
  const StoredValue* v = s.Find(u"Common", key);
  if (!v) return std::nullopt;
  return DecodePlacement(v->bytes.data(), v->bytes.size());
}

TEST(PlacementRecord, FourLittleEndianSignedIntegers) {
  EXPECT_EQ(Bytes({1, -2, 400, 300}), (std::vector<uint8_t>{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF,
                                                            0x90, 0x01, 0, 0, 0x2C, 0x01, 0, 0}));
  auto b = Bytes({-100, 2000, 640, 480});
  EXPECT_EQ(DecodePlacement(b.data(), b.size()), (PlacementRecord{-100, 2000, 640, 480}));
}

TEST(PlacementRecord, OnlySixteenBytesCount) {
  auto b = Bytes({1, 2, 3, 4});
  b.push_back(0);
  EXPECT_FALSE(DecodePlacement(b.data(), 17));
  EXPECT_FALSE(DecodePlacement(b.data(), 15));
  EXPECT_FALSE(DecodePlacement(nullptr, 16));
}

TEST(PlacementUnits, PixelsAtScaleAndSystemDpiToUnitsAndBack) {
  EXPECT_EQ(ToPlacementUnits({600, 300}, 150, 96), (Size{400, 200}));
  EXPECT_EQ(ToPlacementUnits({600, 300}, 100, 144), (Size{400, 200}));
  EXPECT_EQ(FromPlacementUnits({400, 200}, 96, 150), (Size{600, 300}));
  EXPECT_EQ(FromPlacementUnits({400, 200}, 144, 100), (Size{600, 300}));
  EXPECT_EQ(ToPlacementUnits({600, 300}, 0, 0), (Size{600, 300})) << "unknown scale and DPI";
}

TEST(PlacementUnits, RestoredSizeNeverBelowTheTemplate) {
  Size min = MinimumPlacementSize({450, 300}, 150);
  EXPECT_EQ(min, (Size{300, 200}));
  EXPECT_EQ(RestoredWindowSize({100, 50}, min, 96, 150, 3), (Size{450, 300}));
  EXPECT_EQ(RestoredWindowSize({400, 250}, min, 96, 150, 3), (Size{600, 375}));
  EXPECT_EQ(RestoredWindowSize({400, 250}, min, 96, 150, 1), (Size{600, 300}))
      << "width-only dialogs never take the stored height";
  EXPECT_EQ(RestoredWindowSize({400, 250}, min, 96, 150, 2), (Size{600, 375}));
}

TEST(PlacementUnits, OnlyAResizeChangesTheSavedSize) {
  EXPECT_EQ(SavedPlacementSize(false, {999, 999}, {401, 251}, 150, 96), (Size{401, 251}));
  EXPECT_EQ(SavedPlacementSize(true, {600, 375}, {401, 251}, 150, 96), (Size{400, 250}));
}

TEST(Centring, OverTheReferenceThenInsideTheWorkArea) {
  Rect work{0, 0, 1920, 1040};
  EXPECT_EQ(CenterPosition({200, 100, 1000, 700}, work, {400, 300}), (Point{400, 250}));
  EXPECT_EQ(CenterPosition({1800, 900, 2000, 1000}, work, {400, 300}), (Point{1520, 740}));
  EXPECT_EQ(CenterPosition({-500, -500, -100, -100}, work, {400, 300}), (Point{0, 0}));
  EXPECT_EQ(CenterPosition(work, work, {400, 300}), (Point{760, 370}));
  // Taller than the work area: aligned to its top.
  EXPECT_EQ(CenterPosition(work, work, {400, 2000}).y, 0);
}

TEST(Clamping, OffMonitorPositionsArePulledIntoTheWorkArea) {
  Rect work{0, 0, 1920, 1040};
  EXPECT_EQ(ClampPosition({5000, 3000}, {400, 300}, work), (Point{1520, 740}));
  EXPECT_EQ(ClampPosition({-3000, -50}, {400, 300}, work), (Point{0, 0}));
  EXPECT_EQ(ClampPosition({100, 100}, {400, 300}, work), (Point{100, 100}));
  EXPECT_EQ(ClampPosition({100, 100}, {2000, 300}, work), (Point{0, 100}));
  Rect second{1920, 0, 3840, 1080};
  EXPECT_EQ(ClampPosition({1800, 10}, {400, 300}, second), (Point{1920, 10}));
}

TEST(NearestMonitor, LargestOverlapElseClosest) {
  // Two monitors side by side, the second with a taskbar on its left edge.
  const std::vector<MonitorArea> monitors{{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                                          {{1920, 0, 3840, 1080}, {1980, 0, 3840, 1080}}};
  const struct {
    Rect rect;
    size_t monitor;
  } cases[] = {
      {{100, 100, 500, 400}, 0},      // inside the first
      {{1800, 100, 2200, 400}, 1},    // more of it on the second
      {{1720, 100, 2120, 400}, 0},    // equal halves: the first of equals
      {{5000, 100, 5400, 400}, 1},    // off to the right: the closest
      {{-900, -900, -500, -600}, 0},  // off to the top left
      {{2000, 2000, 2000, 2000}, 1},  // an empty rectangle below the second
  };
  for (const auto& c : cases)
    EXPECT_EQ(NearestMonitor(monitors, c.rect), &monitors[c.monitor]) << c.rect.left;
  EXPECT_EQ(NearestMonitor({}, {0, 0, 10, 10}), nullptr);
}

TEST(NearestMonitor, ARectangleInsideAWorkAreaIsOnItsMonitor) {
  const Rect work{0, 0, 1920, 1040};
  EXPECT_TRUE(Contains(work, {0, 0, 1920, 1040}));
  EXPECT_TRUE(Contains(work, {100, 100, 500, 400}));
  EXPECT_FALSE(Contains(work, {1800, 100, 2200, 400}));  // partly on the next monitor
  EXPECT_FALSE(Contains(work, {-8, -8, 1928, 1048}));    // a maximised window's frame
  EXPECT_FALSE(Contains(work, {100, 100, 100, 400}));    // empty: could touch a neighbour
}

class PlacementFlow : public ::testing::Test {
 protected:
  // Opens a dialog whose template is 300 x 200 at 100 % over a visible parent.
  PlacementState Open(uint32_t scale, uint32_t resizeMode = 3,
                      const char16_t* key = u"JumpDlgPos") {
    w.scale = scale;
    Size initial{300 * static_cast<int32_t>(scale) / 100, 200 * static_cast<int32_t>(scale) / 100};
    w.window = {0, 0, initial.width, initial.height};
    PlacementState st;
    st.initialOuter = initial;
    RestorePlacement(st, w, settings, key, resizeMode);
    return st;
  }
  void UserResizes(PlacementState& st, Size s) {
    w.ResizeWindow(s);
    st.resized = true;  // the layout pass of WM_SIZE
  }

  FakeDialogWindow w;
  MemorySettings settings;
};

TEST_F(PlacementFlow, NothingStoredOpensCentredOverTheParent) {
  w.parent = Rect{200, 100, 1000, 700};
  PlacementState st = Open(100);
  EXPECT_EQ(w.window, (Rect{450, 300, 750, 500}));
  EXPECT_EQ(st.savedSize, (Size{0, 0}));
  EXPECT_EQ(st.key, u"JumpDlgPos");
}

TEST_F(PlacementFlow, WrongSizedValuesAreIgnored) {
  w.parent = Rect{200, 100, 1000, 700};
  for (size_t n : {15u, 17u}) {
    settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, std::vector<uint8_t>(n, 1));
    Open(100);
    EXPECT_EQ(w.window, (Rect{450, 300, 750, 500})) << n;
    EXPECT_EQ(w.resizes, 0);
  }
}

TEST_F(PlacementFlow, HiddenParentCentresOnTheWorkArea) {
  w.parent = Rect{200, 100, 1000, 700};
  w.parentVisible = false;
  Open(100);
  EXPECT_EQ(w.window, (Rect{810, 420, 1110, 620}));
}

TEST_F(PlacementFlow, StoredPlacementIsRelativeToTheReferenceClientArea) {
  settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({200, 150, 400, 280}));
  PlacementState st = Open(100);
  EXPECT_EQ(w.window, (Rect{300, 200, 700, 480}));
  EXPECT_EQ(st.savedSize, (Size{400, 280}));
  EXPECT_FALSE(st.resized);
}

TEST_F(PlacementFlow, At150PercentSixHundredPixelsAreStoredAsFourHundred) {
  PlacementState st = Open(150);
  UserResizes(st, {600, 420});
  SavePlacement(st, w, settings);
  auto rec = Stored(settings, u"JumpDlgPos");
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->width, 400);
  EXPECT_EQ(rec->height, 280);
  EXPECT_TRUE(st.key.empty()) << "written once per dialog life";

  Open(150);
  EXPECT_EQ(w.window.Extent(), (Size{600, 420}));
  Open(100);
  EXPECT_EQ(w.window.Extent(), (Size{400, 280}));
}

TEST_F(PlacementFlow, PositionOnAMissingMonitorIsPulledBackKeepingTheSize) {
  w.referenceOrigin = {0, 0};
  settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({2500, 100, 400, 300}));
  Open(100);
  EXPECT_EQ(w.window, (Rect{1520, 100, 1920, 400}));

  settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({-6000, -4000, 400, 300}));
  Open(100);
  EXPECT_EQ(w.window, (Rect{0, 0, 400, 300}));

  // With the second monitor attached again, the position is kept there.
  w.workAreas.push_back({1920, 0, 3840, 1080});
  settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({2500, 100, 400, 300}));
  Open(100);
  EXPECT_EQ(w.window, (Rect{2500, 100, 2900, 400}));
}

TEST_F(PlacementFlow, SmallStoredSizeOpensAtTheTemplateAndOnlyMovingKeepsIt) {
  settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({10, 10, 100, 50}));
  PlacementState st = Open(100);
  EXPECT_EQ(w.window.Extent(), (Size{300, 200}));
  w.MoveWindowTo({500, 500});
  SavePlacement(st, w, settings);
  EXPECT_EQ(Stored(settings, u"JumpDlgPos"), (PlacementRecord{400, 450, 100, 50}));
}

TEST_F(PlacementFlow, WidthOnlyDialogIgnoresTheStoredHeight) {
  settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({10, 10, 500, 400}));
  Open(100, 1);
  EXPECT_EQ(w.window.Extent(), (Size{500, 200}));
}

TEST_F(PlacementFlow, WithoutReferenceWindowNothingIsReadOrWritten) {
  w.hasReference = false;
  settings.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({10, 10, 500, 400}));
  PlacementState st = Open(100);
  EXPECT_EQ(w.window.Extent(), (Size{300, 200}));
  UserResizes(st, {700, 300});
  SavePlacement(st, w, settings);
  EXPECT_EQ(Stored(settings, u"JumpDlgPos"), (PlacementRecord{10, 10, 500, 400}));
}

TEST_F(PlacementFlow, NullKeyKeepsNoPlacement) {
  PlacementState st = Open(100, 3, nullptr);
  EXPECT_TRUE(st.key.empty());
  UserResizes(st, {700, 300});
  SavePlacement(st, w, settings);
  EXPECT_TRUE(settings.Keys().empty() || settings.Keys()[u"Common"].empty());
}

TEST_F(PlacementFlow, KeyIsCutAtThirtyNineCharacters) {
  std::u16string longKey(45, u'K');
  PlacementState st = Open(100, 3, longKey.c_str());
  EXPECT_EQ(st.key, std::u16string(39, u'K'));
}

TEST_F(PlacementFlow, ADialogClosedWhereItOpenedWritesNothing) {
  struct CountingSettings : MemorySettings {
    uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                      size_t size) override {
      ++writes;
      return MemorySettings::WriteRaw(h, name, type, data, size);
    }
    int writes = 0;
  } counting;
  counting.PutRaw(u"Common", u"JumpDlgPos", ValueType::kBinary, Bytes({200, 150, 400, 280}));
  PlacementState st;
  st.initialOuter = {300, 200};
  RestorePlacement(st, w, counting, u"JumpDlgPos", 3);
  SavePlacement(st, w, counting);
  EXPECT_EQ(counting.writes, 0);
  EXPECT_TRUE(st.key.empty());

  // Moved by one pixel: written.
  RestorePlacement(st, w, counting, u"JumpDlgPos", 3);
  w.MoveWindowTo({w.window.left + 1, w.window.top});
  SavePlacement(st, w, counting);
  EXPECT_EQ(counting.writes, 1);
  EXPECT_EQ(Stored(counting, u"JumpDlgPos"), (PlacementRecord{201, 150, 400, 280}));

  // Nothing stored before: the first close writes.
  counting.Keys().clear();
  RestorePlacement(st, w, counting, u"JumpDlgPos", 3);
  SavePlacement(st, w, counting);
  EXPECT_EQ(counting.writes, 2);
}

TEST(PlacementIni, WrittenWithoutSizeCompanionAndReadBack) {
  MemorySettings ini(true);
  FakeDialogWindow w;
  PlacementState st;
  st.initialOuter = {300, 200};
  RestorePlacement(st, w, ini, u"SortMultiDlgPos", 3);
  w.MoveWindowTo({400, 300});
  w.ResizeWindow({500, 260});
  st.resized = true;
  SavePlacement(st, w, ini);
  EXPECT_TRUE(ini.Find(u"Common", u"SortMultiDlgPos"));
  EXPECT_FALSE(ini.Find(u"Common", u"SortMultiDlgPos-Size"));

  FakeDialogWindow again;
  PlacementState st2;
  st2.initialOuter = {300, 200};
  RestorePlacement(st2, again, ini, u"SortMultiDlgPos", 3);
  EXPECT_EQ(again.window, (Rect{400, 300, 900, 560}));
}

}  // namespace
}  // namespace scrv
