// Undo on the marker sheet: any actions on its pages, all undone, leave OK writing exactly what
// an OK without them writes.

#include "markers/marker_undo.h"

#include <gtest/gtest.h>

#include <random>

#include "marker_test_util.h"
#include "settings/flag_table.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

namespace mf = marker_flag;

void Act(std::mt19937& rng, MarkerSheetModel& m) {
  switch (rng() % 7) {
    case 0:
      m.markers.push_back(M(u"new", '3', mf::kOn));
      break;
    case 1:
      if (!m.markers.empty()) m.markers[rng() % m.markers.size()].text += u"x";
      break;
    case 2:
      if (!m.markers.empty()) m.markers[rng() % m.markers.size()].Set(mf::kMatchCase, rng() % 2);
      break;
    case 3:
      if (m.markers.size() > 1) std::swap(m.markers.front(), m.markers.back());
      break;
    case 4:
      if (!m.markers.empty()) m.markers.erase(m.markers.begin() + rng() % m.markers.size());
      break;
    case 5:
      m.autoFlags ^= 1u << (rng() % 5);
      break;
    default:
      m.optionsPageOpened = true;
      m.options.countMatches = !m.options.countMatches;
      m.options.defaultColor = static_cast<int32_t>(rng() % 11) - 1;
  }
}

std::map<std::u16string, std::map<std::u16string, std::pair<std::vector<uint8_t>, std::u16string>>>
Contents(MemorySettings& store) {
  std::map<std::u16string, std::map<std::u16string, std::pair<std::vector<uint8_t>, std::u16string>>>
      out;
  for (auto& [key, values] : store.Keys())
    for (auto& [name, v] : values) out[key][name] = {v.bytes, v.text};
  return out;
}

class MarkerUndoTest : public ::testing::TestWithParam<bool> {};

TEST_P(MarkerUndoTest, NActionsThenNUndosSaveExactlyWhatAPlainOkSaves) {
  const FlagTable flags{1252};
  for (unsigned seed = 1; seed <= 8; ++seed) {
    auto prepared = [&] {
      MemorySettings store(GetParam());
      SettingsHandle h = store.OpenCommon(true);
      SaveMarkers(store, h, {M(u"alpha", '0', mf::kOn), M(u"beta", '1', 0)});
      store.WriteDword(h, u"AutoMarkerFlags", 5);
      store.CloseSettings(h);
      return store;
    };
    MemorySettings plainStore = prepared(), store = prepared();
    MarkerSheetModel plain, edited;
    plain.Load(plainStore, flags);
    edited.Load(store, flags);
    const uint64_t plainBits = plain.Save(plainStore, flags);

    MarkerUndo undo(edited);
    std::mt19937 rng(seed);
    size_t recorded = 0;
    for (int i = 0; i < 40; ++i)
      recorded += undo.Track({rng() % 3}, UndoKind::kListEdit, [&](MarkerSheetModel& m) {
        Act(rng, m);
      });
    size_t undone = 0;
    while (undo.Undo()) ++undone;
    EXPECT_EQ(undone, recorded);
    EXPECT_GT(undone, 20u);
    EXPECT_EQ(edited.Save(store, flags), plainBits) << seed;
    EXPECT_EQ(Contents(store), Contents(plainStore)) << seed;
  }
}

TEST_P(MarkerUndoTest, RedoPutsTheActionBackAndANewActionForgetsIt) {
  MemorySettings store(GetParam());
  const FlagTable flags{1252};
  MarkerSheetModel model;
  model.Load(store, flags);
  MarkerUndo undo(model);
  EXPECT_TRUE(undo.Track({0, 7}, UndoKind::kListEdit,
                         [](MarkerSheetModel& m) { m.markers.push_back(M(u"a", '0', 0)); }));
  EXPECT_FALSE(undo.Track({0}, UndoKind::kChange, [](MarkerSheetModel&) {}));
  EXPECT_EQ(undo.Undo(), (UndoPlace{0, 7}));
  EXPECT_TRUE(model.markers.empty());
  EXPECT_EQ(undo.Redo(), (UndoPlace{0, 7}));
  EXPECT_EQ(model.markers.size(), 1u);
  EXPECT_EQ(undo.Undo(), (UndoPlace{0, 7}));
  EXPECT_TRUE(undo.Track({1}, UndoKind::kChange, [](MarkerSheetModel& m) { m.autoFlags ^= 2; }));
  EXPECT_FALSE(undo.CanRedo());
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, MarkerUndoTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
