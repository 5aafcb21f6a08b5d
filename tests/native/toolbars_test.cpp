#include "menus/toolbars.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

// A rebar as a map of band identifiers to styles.
class FakeRebar : public BandQuery {
 public:
  std::optional<uint32_t> BandStyle(uint32_t band) override {
    auto it = bands.find(band);
    if (it == bands.end()) return std::nullopt;
    return it->second;
  }
  std::map<uint32_t, uint32_t> bands;
};

TEST(ToolbarBands, UserToolbarsAreListedUpToTheFirstMissingOrHiddenBand) {
  FakeRebar rebar;
  EXPECT_EQ(ListedUserToolbars(rebar), 0u);
  rebar.bands = {{512, 0}, {513, 0x40}, {514, kBandHidden}, {515, 0}, {768, 0}};
  EXPECT_EQ(ListedUserToolbars(rebar), 2u);
  rebar.bands.erase(513);
  EXPECT_EQ(ListedUserToolbars(rebar), 1u);
  rebar.bands = {{513, 0}};
  EXPECT_EQ(ListedUserToolbars(rebar), 0u) << "the first user toolbar is missing";
  for (uint32_t b = 512; b < 900; ++b) rebar.bands[b] = 0;
  EXPECT_EQ(ListedUserToolbars(rebar), 256u) << "user toolbars end where built-in bars begin";
}

TEST(ToolbarBands, ABandIsShownWhenPresentWithoutTheHiddenBit) {
  FakeRebar rebar;
  rebar.bands = {{768, 0x200}, {769, 0x208}};
  EXPECT_TRUE(IsBandShown(rebar, 768));
  EXPECT_FALSE(IsBandShown(rebar, 769));
  EXPECT_FALSE(IsBandShown(rebar, 772));
}

TEST(ToolbarBands, ListTextReplacesTheNumberOfItsFormat) {
  EXPECT_EQ(UserToolbarName(u"Toolbar %d", 3), u"Toolbar 3");
  EXPECT_EQ(UserToolbarName(u"%d%% %d %s", 12), u"12% %d %s");
  EXPECT_EQ(UserToolbarName(u"no number %", 1), u"no number %");
}

TEST(ToolbarZoom, SliderPositionsAndLabel) {
  EXPECT_EQ(ZoomOfPosition(zoom_slider::kMinPosition), 75);
  EXPECT_EQ(ZoomOfPosition(zoom_slider::kMaxPosition), 200);
  EXPECT_EQ(PositionOfZoom(100), 20);
  EXPECT_EQ(PositionOfZoom(103), 21);
  EXPECT_EQ(PositionOfZoom(10), 15);
  EXPECT_EQ(PositionOfZoom(900), 40);
  EXPECT_EQ(ZoomLabel(125), u"125 %");
}

class ToolbarSettingsTest : public ::testing::TestWithParam<bool> {
 protected:
  bool Has(std::u16string_view name) const { return store.Find(u"Common", name) != nullptr; }
  MemorySettings store{GetParam()};
  const FlagTable flags{1252};
};

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ToolbarSettingsTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

TEST_P(ToolbarSettingsTest, StoredZoomOutsideTheSliderReadsAsOneHundred) {
  struct Case {
    uint32_t stored;
    int zoom;
  } cases[] = {{100000, 100}, {75000, 75},  {200999, 200}, {150500, 150},
               {0, 100},      {74999, 100}, {201000, 100}, {0xFFFFFFFF, 100}};
  for (const Case& c : cases) {
    store.WriteCommonDword(u"ComboZoom", c.stored);
    EXPECT_EQ(LoadToolbarSettings(store, flags, u"Tahoma").zoom, c.zoom) << c.stored;
  }
}

TEST_P(ToolbarSettingsTest, FaceIsTheDefaultUntilOneIsStoredAndTheDefaultIsNeverStored) {
  ToolbarSettings s = LoadToolbarSettings(store, flags, u"Tahoma");
  EXPECT_EQ(s.face, u"Tahoma");
  EXPECT_FALSE(s.textLabels);
  WriteComboFace(store, u"Courier New", u"Tahoma");
  EXPECT_EQ(LoadToolbarSettings(store, flags, u"Tahoma").face, u"Courier New");
  WriteComboFace(store, u"Tahoma", u"Tahoma");
  EXPECT_FALSE(Has(u"ComboFontName"));
  WriteComboZoom(store, 100);
  EXPECT_EQ(store.ReadCommonDword(u"ComboZoom", 0), 100000u);
  WriteTextLabels(store, flags, true);
  EXPECT_TRUE(LoadToolbarSettings(store, flags, u"Tahoma").textLabels);
}

TEST_P(ToolbarSettingsTest, ResetRemovesTheLayoutUpToTheFirstGapAfterTheFirstIndex) {
  for (const char16_t* name : {u"RebarSize", u"PIB1", u"PIB2", u"PIB4", u"CellEditHeight",
                               u"ComboFontName", u"ComboZoom", u"Other"})
    store.WriteCommonDword(name, 7);
  store.WriteCommonDword(u"ToolbarText", 1);
  ResetToolbarSettings(store, flags);
  for (const char16_t* gone :
       {u"RebarSize", u"PIB1", u"PIB2", u"CellEditHeight", u"ComboFontName", u"ComboZoom"})
    EXPECT_FALSE(Has(gone)) << "removed";
  EXPECT_TRUE(Has(u"PIB4")) << "PIB3 was missing";
  EXPECT_TRUE(Has(u"Other"));
  EXPECT_EQ(store.ReadCommonDword(u"ToolbarText", 9), 0u);
  EXPECT_EQ(store.OpenHandles(), 0);
}

TEST(ToolbarFaces, FaceListIsSortedWithoutRegardToCaseAndEachNameOnce) {
  auto faces = SortedFaceNames(
      {u"Verdana", u"arial", u"Arial", u"Courier New", u"\u00c9lan", u"Verdana", u"\u00e9lan"});
  EXPECT_EQ(faces,
            (std::vector<std::u16string>{u"arial", u"Courier New", u"Verdana", u"\u00c9lan"}));
  EXPECT_EQ(FindFaceName(faces, u"COURIER NEW"), 1);
  EXPECT_EQ(FindFaceName(faces, u"\u00e9LAN"), 3);
  EXPECT_EQ(FindFaceName(faces, u"Courier"), -1);
}

}  // namespace
}  // namespace scrv
