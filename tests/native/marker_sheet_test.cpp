#include "markers/marker_sheet.h"

#include <gtest/gtest.h>

#include "marker_test_util.h"

#include <cstring>

#include "markers/marker_edit.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

namespace mf = marker_flag;

// A store that records the writes and removals that reach it (not the INI shape's byte counts).
class RecordingSettings : public MemorySettings {
 public:
  using MemorySettings::MemorySettings;
  std::vector<std::u16string> changes;

 protected:
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override {
    if (!name.ends_with(u"-Size")) changes.emplace_back(name);
    return MemorySettings::WriteRaw(h, name, type, data, size);
  }
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override {
    const uint32_t rc = MemorySettings::DeleteRaw(h, name);
    if (rc == 0 && !name.ends_with(u"-Size")) changes.emplace_back(u"-" + std::u16string(name));
    return rc;
  }
};

class MarkerSheet : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    SettingsHandle h = store.OpenCommon(true);
    SaveMarkers(store, h, {M(u"alpha", '0', mf::kOn), M(u"beta", '1', 0)});
    store.WriteDword(h, u"AutoMarkerFlags", 5);
    store.WriteDword(h, u"AutoDisableMarkers", 0);
    store.CloseSettings(h);
    store.changes.clear();
    model.Load(store, flags);
  }
  uint32_t Dword(std::u16string_view name) { return store.ReadCommonDword(name, 0xBAD); }

  RecordingSettings store{GetParam()};
  const FlagTable flags{1252};
  MarkerSheetModel model;
};

INSTANTIATE_TEST_SUITE_P(BothBackEnds, MarkerSheet, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

TEST_P(MarkerSheet, LoadsTheListTheFlagsAndTheOptions) {
  EXPECT_EQ(model.markers.size(), 2u);
  EXPECT_EQ(model.autoFlags, 5u);
  MarkerOptions expected;
  expected.autoDisable = false;
  EXPECT_EQ(model.options, expected);
  EXPECT_EQ(store.OpenHandles(), 0);
}

TEST_P(MarkerSheet, NothingChangedAndNoPageOpenedWritesNothing) {
  EXPECT_EQ(model.Save(store, flags), 0u);
  model.markers[0].text = u"changed";
  model.markers[0].text = u"alpha";
  EXPECT_EQ(model.Save(store, flags), 0u);
  EXPECT_TRUE(store.changes.empty());
}

TEST_P(MarkerSheet, EachKindOfChangeWritesItsPartAndGivesItsBits) {
  struct Case {
    const char* what;
    void (*edit)(MarkerSheetModel&);
    uint64_t bits;
    std::vector<std::u16string> changes;
  } cases[] = {
      {"list", [](MarkerSheetModel& m) { m.markers.pop_back(); }, 0x60000004100, {u"Marker"}},
      {"automatic flags",
       [](MarkerSheetModel& m) { m.autoFlags = 0; },
       0x4100,
       {u"AutoMarkerFlags"}},
      {"options page opened, counting off",
       [](MarkerSheetModel& m) { m.optionsPageOpened = true; },
       0x4100,
       {u"DefMarkerColor", u"PromptRemoveMarker", u"AutoShowMarkersBar", u"AutoDisableMarkers"}},
      {"options page, counting on",
       [](MarkerSheetModel& m) {
         m.optionsPageOpened = true;
         m.options.countMatches = true;
         m.options.autoDisable = true;
       },
       0x40000004100,
       {u"DefMarkerColor", u"PromptRemoveMarker", u"AutoShowMarkersBar", u"-AutoDisableMarkers",
        u"CountMarkerMatches"}},
  };
  for (const Case& c : cases) {
    SetUp();
    c.edit(model);
    EXPECT_EQ(model.Save(store, flags), c.bits) << c.what;
    EXPECT_EQ(store.changes, c.changes) << c.what;
    EXPECT_EQ(store.OpenHandles(), 0);
  }
}

TEST_P(MarkerSheet, OptionsAreStoredAsTheirBoxesSayAndDefaultsOfTwoAreRemoved) {
  model.optionsPageOpened = true;
  model.options = {3, false, false, true, true};
  model.Save(store, flags);
  EXPECT_EQ(Dword(u"DefMarkerColor"), 3u);
  EXPECT_EQ(Dword(u"PromptRemoveMarker"), 0u);
  EXPECT_EQ(Dword(u"AutoShowMarkersBar"), 0u);
  EXPECT_EQ(Dword(u"AutoDisableMarkers"), 0xBADu) << "back to its default: removed";
  EXPECT_EQ(Dword(u"CountMarkerMatches"), 1u);
  model.options = {-1, true, true, false, false};
  model.Save(store, flags);
  EXPECT_EQ(Dword(u"DefMarkerColor"), 0xFFFFFFFFu);
  EXPECT_EQ(Dword(u"PromptRemoveMarker"), 1u) << "stored even at its default";
  EXPECT_EQ(Dword(u"AutoDisableMarkers"), 0u);
  EXPECT_EQ(Dword(u"CountMarkerMatches"), 0xBADu);
}

TEST_P(MarkerSheet, DefaultColourOutsideTheColoursMeansLeastUsed) {
  for (uint32_t stored : {0u, 9u, 10u, 15u, 0xFFFFFFFFu, 0x80000000u}) {
    store.WriteCommonDword(u"DefMarkerColor", stored);
    model.Load(store, flags);
    EXPECT_EQ(model.options.defaultColor, stored <= 9 ? static_cast<int32_t>(stored) : -1)
        << stored;
  }
}

TEST_P(MarkerSheet, StartPageIsTheCallersOrTheStoredOneWithinThePages) {
  store.WriteCommonDword(u"DefMarkerPage", 2);
  model.Load(store, flags);
  EXPECT_EQ(model.StartPage(-1), 2);
  EXPECT_EQ(model.StartPage(1), 1);
  EXPECT_EQ(model.StartPage(3), 0);
  store.WriteCommonDword(u"DefMarkerPage", 0xFFFFFFFF);
  model.Load(store, flags);
  EXPECT_EQ(model.StartPage(-5), 0);
}

TEST_P(MarkerSheet, ColourSetComesFromTheConfigurationWhenItHasOne) {
  EXPECT_EQ(LoadMarkerColors(store, u""), kDefaultMarkerColors);
  EXPECT_EQ(LoadMarkerColors(store, u"Text"), kDefaultMarkerColors);
  uint8_t bytes[40] = {};
  bytes[0] = 0x11, bytes[1] = 0x22, bytes[2] = 0x33, bytes[3] = 0xFF;  // top byte ignored
  SettingsHandle h = store.OpenConfig(u"Text", 0);
  store.WriteBinary(h, u"MarkerColors", bytes, sizeof bytes, false);
  store.CloseSettings(h);
  MarkerColorSet colors = LoadMarkerColors(store, u"Text");
  EXPECT_EQ(colors[0], 0x332211u);
  EXPECT_EQ(colors[1], 0u);
  EXPECT_EQ(LoadMarkerColors(store, u"Other"), kDefaultMarkerColors);
}

class ListedCheck : public RegexCheck {
 public:
  bool IsValid(std::u16string_view pattern, bool matchCase) override {
    asked.push_back({std::u16string(pattern), matchCase});
    return pattern != u"bad";
  }
  std::vector<std::pair<std::u16string, bool>> asked;
};

TEST(MarkerValidation, OnlyActiveExpressionsAreCheckedAndTheFirstBadOneIsFound) {
  MarkerList markers = {M(u"bad", '0', mf::kRegExp),  // off
                        M(u"bad", '0', mf::kOn),      // not an expression
                        M(u"good", '0', mf::kOn | mf::kRegExp | mf::kMatchCase),
                        M(u"bad", '0', mf::kOn | mf::kRegExp),
                        M(u"bad", '0', mf::kOn | mf::kRegExp)};
  ListedCheck check;
  EXPECT_EQ(FindInvalidMarker(markers, check), 3);
  EXPECT_EQ(check.asked,
            (std::vector<std::pair<std::u16string, bool>>{{u"good", true}, {u"bad", false}}));
  markers.resize(3);
  EXPECT_EQ(FindInvalidMarker(markers, check), -1);
}

TEST(MarkerValidation, SyntaxCheckRefusesOnlyBrokenExpressions) {
  const char16_t* valid[] = {u"",      u"abc",     u"a|b",     u"(a)(b)*", u"a+?",
                             u"a*+",   u"[]]",     u"[^]a]",   u"[a\\]]",  u"\\(",
                             u"(?:x)", u"(?<=a)b", u"(?i)abc", u"a{2,3}",  u"a{2,}",
                             u"{",     u"a{x}",    u"x{,3}",   u"^\\d+$",  u"(?<n>a)"};
  const char16_t* invalid[] = {u"(",   u")",      u"a)",  u"[abc", u"\\",   u"*a",   u"a**", u"(*)",
                               u"a|*", u"a{3,2}", u"{2}", u"(?",   u"[\\]", u"((a)", u"a??+"};
  for (const char16_t* p : valid) EXPECT_TRUE(RegexSyntaxValid(p)) << "valid";
  for (const char16_t* p : invalid) EXPECT_FALSE(RegexSyntaxValid(p)) << "invalid";
}

TEST(MarkerEdit, NewMarkerTakesTheColourRuleAndTheOptionBoxes) {
  MarkerList markers = {M(u"a", '0', 0), M(u"b", '0', 0), M(u"c", '1', 0)};
  Marker m = MakeNewMarker(markers, -1, u"New", mf::kWholeWord | mf::kNamed | 0x40);
  EXPECT_EQ(m, M(u"New", '1', mf::kOn | mf::kWholeWord));
  EXPECT_EQ(MakeNewMarker(markers, 6, u"x", 0).color, '6');
}

TEST(MarkerEdit, OptionsNameAndColourActOnEverySelectedMarker) {
  MarkerList markers = {M(u"first text", '0', mf::kOn), M(u"second", '2', mf::kMatchCase),
                        M(u"third", '0', 0)};
  const std::vector<int> rows = {0, 1, 7};
  EXPECT_EQ(SelectionFlagState(markers, rows, mf::kMatchCase, BoxState::kChecked),
            BoxState::kIndeterminate);
  EXPECT_EQ(SelectionFlagState(markers, {}, mf::kMatchCase, BoxState::kChecked),
            BoxState::kChecked);
  EXPECT_EQ(SelectionColor(markers, rows), -1);

  SetSelectionFlag(markers, rows, mf::kMatchCase, true);
  SetSelectionColor(markers, rows, 4);
  SetSelectionNamed(markers, rows, true);
  EXPECT_EQ(markers[0],
            M(u"first text", '4', mf::kOn | mf::kMatchCase | mf::kNamed, u"first text"));
  EXPECT_EQ(markers[1], M(u"second", '4', mf::kMatchCase | mf::kNamed, u"second"));
  EXPECT_EQ(markers[2], M(u"third", '0', 0)) << "not selected";
  EXPECT_EQ(SelectionColor(markers, rows), 4);

  SetSelectionName(markers, rows, std::u16string(100, u'n'));
  EXPECT_EQ(SelectionName(markers, rows), std::u16string(79, u'n'));
  SetSelectionNamed(markers, rows, false);
  EXPECT_EQ(markers[1], M(u"second", '4', mf::kMatchCase));
}

TEST(MarkerEdit, RemovingTheSelectionSelectsTheMarkerThatTookItsPlace) {
  MarkerList markers = {M(u"a", '0', 0), M(u"b", '0', 0), M(u"c", '0', 0), M(u"d", '0', 0)};
  EXPECT_EQ(SelectedMarkers(markers, {2, 0, 2}), (MarkerList{markers[0], markers[2]}));
  EXPECT_EQ(RemoveSelection(markers, {2, 0}), 0);
  EXPECT_EQ(markers, (MarkerList{M(u"b", '0', 0), M(u"d", '0', 0)}));
  EXPECT_EQ(RemoveSelection(markers, {1}), 0);
  EXPECT_EQ(RemoveSelection(markers, {0}), -1);
}

}  // namespace
}  // namespace scrv
