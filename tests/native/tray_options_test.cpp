#include "integration/tray_options.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

TEST(TrayOptions, EntriesAndValuesMapBothWaysAndUnknownCommandsShowAsNothing) {
  struct {
    uint32_t value;
    int entry;
  } cases[] = {{0, 0}, {1, 1}, {2, 2}, {4462, 3}, {4096, 4}, {4244, 17}, {4245, 0}, {3, 0}};
  for (const auto& c : cases) EXPECT_EQ(TrayEntryForValue(c.value), c.entry) << c.value;
  EXPECT_EQ(TrayValueForEntry(2), 2u);
  EXPECT_EQ(TrayValueForEntry(3), 4462u);
  EXPECT_EQ(TrayValueForEntry(11), 4207u);
  EXPECT_EQ(TrayValueForEntry(18), 0u);
  EXPECT_EQ(TrayValueForEntry(-1), 0u);
}

TEST(TrayOptions, HotKeysWithoutAltBecomeCtrlAlt) {
  using namespace hot_key;
  constexpr uint16_t kF = 'F';
  auto hk = [](uint8_t mods, uint16_t key) { return static_cast<uint16_t>(mods << 8 | key); };
  struct {
    uint32_t stored;
    uint16_t result;
  } cases[] = {
      {kF, hk(kControl | kAlt, kF)},                         // no modifier
      {hk(kShift, kF), hk(kControl | kAlt, kF)},             // Shift alone
      {hk(kControl, kF), hk(kControl | kAlt, kF)},           // Ctrl alone
      {hk(kShift | kControl, kF), hk(kControl | kAlt, kF)},  // Shift+Ctrl
      {hk(kShift | kControl | kExtended, 0x21), hk(kControl | kAlt | kExtended, 0x21)},
      {hk(kAlt, kF), hk(kAlt, kF)},  // kept
      {hk(kShift | kAlt, kF), hk(kShift | kAlt, kF)},
      {hk(kControl | kAlt, kF), hk(kControl | kAlt, kF)},
      {hk(kControl, 0), 0},                               // no key: no hot key
      {0xABCD0000u | hk(0xF0 | kAlt, kF), hk(kAlt, kF)},  // unknown bits dropped
  };
  for (const auto& c : cases) EXPECT_EQ(ApplyHotKeyRule(c.stored), c.result) << c.stored;
}

class TrayOptionsStore : public ::testing::TestWithParam<bool> {
 protected:
  uint32_t Dword(std::u16string_view name) { return store.ReadCommonDword(name, 0xDEAD); }
  MemorySettings store{GetParam()};
};

TEST_P(TrayOptionsStore, DefaultsAreRead) {
  TrayOptions o = LoadTrayOptions(store);
  EXPECT_EQ(o.entries, (std::array<int, 4>{1, 2, 3, 4}));
  EXPECT_EQ(o.hotKeys, (std::array<uint16_t, 2>{0, 0}));
  EXPECT_EQ(store.OpenHandles(), 0);
}

TEST_P(TrayOptionsStore, LeftClickCommandClearsTheDoubleClickAndUnknownCommandsWriteZero) {
  store.WriteCommonDword(u"TrayLClick", 4123);
  store.WriteCommonDword(u"TrayMClick", 9999);
  store.WriteCommonString(u"TrayRClick", u"garbage");  // wrong type: the default
  store.WriteCommonDword(u"EditHotKey", 0x0246);
  TrayOptions o = LoadTrayOptions(store);
  EXPECT_FALSE(o.DoubleClickAllowed());
  EXPECT_EQ(o.entries, (std::array<int, 4>{5, 2, 0, 0}));
  EXPECT_EQ(o.hotKeys[1], 0x0646) << "Ctrl alone becomes Ctrl+Alt";
  SaveTrayOptions(store, o);
  EXPECT_EQ(Dword(u"TrayLClick"), 4123u);
  EXPECT_EQ(Dword(u"TrayRClick"), 2u);
  EXPECT_EQ(Dword(u"TrayMClick"), 0u);
  EXPECT_EQ(Dword(u"TrayLDblClk"), 0u);
  EXPECT_EQ(Dword(u"TrayHotKey"), 0u);
  EXPECT_EQ(Dword(u"EditHotKey"), 0x0646u);

  TrayOptions d = DefaultTrayOptions();
  d.entries[kTrayLeftClick] = 2;
  d.ApplyLeftClickRule();
  EXPECT_EQ(d.entries[kTrayDoubleClick], 4) << "a menu on the left click keeps the double click";
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, TrayOptionsStore, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
