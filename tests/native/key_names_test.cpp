#include "frame/key_names.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace scrv {
namespace {

// A keyboard layout with the scan codes of a US keyboard and whatever names a test gives it;
// character classes for ASCII.
class FakeLayout : public KeyNameSource {
 public:
  uint32_t ScanCode(uint32_t vk) override {
    static const std::map<uint32_t, uint32_t> kScan = {
        {16, 0x2A}, {17, 0x1D}, {18, 0x38},  {45, 0x52},  {46, 0x53}, {65, 0x1E},
        {70, 0x21}, {96, 0x52}, {120, 0x43}, {144, 0x45}, {33, 0x49}};
    auto it = kScan.find(vk);
    return it == kScan.end() ? 0 : it->second;
  }
  std::u16string KeyNameText(uint32_t arg) override {
    asked.push_back(arg);
    auto it = names.find(arg);
    return it == names.end() ? u"" : it->second;
  }
  bool IsLower(char16_t c) override { return c >= u'a' && c <= u'z'; }
  bool IsLetterOrDigit(char16_t c) override {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
  }
  char16_t ToLower(char16_t c) override { return c >= u'A' && c <= u'Z' ? c + 32 : c; }

  std::map<uint32_t, std::u16string> names;
  std::vector<uint32_t> asked;
};

// The names an English layout gives.
FakeLayout English() {
  FakeLayout l;
  l.names = {{0x2A0000, u"Shift"}, {0x1D0000, u"Ctrl"},    {0x380000, u"Alt"}, {0x210000, u"F"},
             {0x1E0000, u"A"},     {0x1530000, u"Delete"}, {0x430000, u"F9"}};
  return l;
}

Accelerator Accel(uint8_t flags, uint16_t key) {
  return Accelerator{flags, key, 0};
}

TEST(FormatAccelerator, ModifiersAlwaysInTheOrderAltCtrlShiftThenTheKey) {
  FakeLayout l = English();
  EXPECT_EQ(FormatAccelerator(l, Accel(kAccelVirtKey | kAccelControl | kAccelShift, 70)),
            u"Ctrl+Shift+F");
  EXPECT_EQ(
      FormatAccelerator(l, Accel(kAccelShift | kAccelAlt | kAccelVirtKey | kAccelControl, 65)),
      u"Alt+Ctrl+Shift+A");
}

TEST(FormatAccelerator, KeyNameComesFromTheLayout) {
  FakeLayout l = English();
  l.names[0x1530000] = u"Supr";
  EXPECT_EQ(FormatAccelerator(l, Accel(kAccelVirtKey | kAccelAlt | kAccelControl, 46)),
            u"Alt+Ctrl+Supr");
}

TEST(FormatAccelerator, KeysTheLayoutDoesNotNameUseTheEnglishForms) {
  FakeLayout none;
  EXPECT_EQ(FormatAccelerator(none, Accel(kAccelVirtKey, 96)), u"Num 0");
  EXPECT_EQ(FormatAccelerator(none, Accel(kAccelVirtKey, 120)), u"F9");
  EXPECT_EQ(FormatAccelerator(none, Accel(kAccelVirtKey | kAccelControl, 120)), u"Ctrl+F9");
}

TEST(FormatAccelerator, AModifierAloneEndsInPlus) {
  FakeLayout l = English();
  EXPECT_EQ(FormatAccelerator(l, Accel(kAccelVirtKey | kAccelControl, 17)), u"Ctrl+");
  EXPECT_EQ(FormatAccelerator(l, Accel(kAccelVirtKey | kAccelShift, 16)), u"Shift+");
}

TEST(FormatAccelerator, ACharacterKeyIsShownAsItselfWithoutShift) {
  FakeLayout l = English();
  EXPECT_EQ(FormatAccelerator(l, Accel(kAccelControl | kAccelShift, u'a')), u"Ctrl+a");
  EXPECT_EQ(FormatAccelerator(l, Accel(0, u'+')), u"+");
}

TEST(FormatAccelerator, TheTextStaysWithinItsBuffer) {
  FakeLayout l = English();
  l.names[0x380000] = u"Alternative Graphic Key";
  l.names[0x1D0000] = u"Control Key Of Some Length";
  std::u16string text =
      FormatAccelerator(l, Accel(kAccelVirtKey | kAccelAlt | kAccelControl | kAccelShift, 70));
  EXPECT_EQ(text.size(), kAcceleratorTextCapacity - 1);
  EXPECT_EQ(text, u"Alternative Graphic Key+Control Key Of ");
  text = FormatAccelerator(l, Accel(kAccelAlt | kAccelControl, u'x'));
  EXPECT_EQ(text.size(), kAcceleratorTextCapacity - 1) << "no room left for the character";
}

TEST(GetVirtualKeyName, ExtendedKeysRetryWithoutTheExtendedBit) {
  FakeLayout l;
  l.names[0x530000] = u"Num Del";
  EXPECT_EQ(GetVirtualKeyName(l, 46, 64), u"Num Del");
  EXPECT_EQ(l.asked, (std::vector<uint32_t>{0x1530000, 0x530000}));

  l.asked.clear();
  l.names[0x1520000] = u"Insert";
  EXPECT_EQ(GetVirtualKeyName(l, 45, 64), u"Insert");
  EXPECT_EQ(l.asked, (std::vector<uint32_t>{0x1520000})) << "named at the first ask";

  l.asked.clear();
  EXPECT_EQ(GetVirtualKeyName(l, 65, 64), u"A");
  EXPECT_EQ(l.asked, (std::vector<uint32_t>{0x1E0000})) << "not an extended key: one ask";
}

TEST(GetVirtualKeyName, ExtendedKeysAreTheNavigationBlockAndTheWindowsKeys) {
  for (uint32_t vk = 0; vk < 256; ++vk) {
    bool expected = vk == 3 || (vk >= 33 && vk <= 46) || vk == 91 || vk == 92 || vk == 93;
    EXPECT_EQ(IsExtendedKey(vk), expected) << vk;
  }
  EXPECT_EQ(KeyNameArgument(0x49, 33), 0x1490000u);
  EXPECT_EQ(KeyNameArgument(0x1E, 65), 0x1E0000u);
}

TEST(GetVirtualKeyName, UpperCaseLayoutNamesAreTitleCased) {
  FakeLayout l;
  l.names[0x450000] = u"NUM LOCK";
  l.names[0x1490000] = u"PAGE UP";
  EXPECT_EQ(GetVirtualKeyName(l, 144, 64), u"Num Lock");
  EXPECT_EQ(GetVirtualKeyName(l, 33, 64), u"Page Up");

  std::u16string name = u"NUM-LOCK/PAD2 9X";
  TitleCaseKeyName(l, name);
  EXPECT_EQ(name, u"Num-lock/Pad2 9x") << "a hyphen joins, a slash separates";
  name = u"Page UP";
  TitleCaseKeyName(l, name);
  EXPECT_EQ(name, u"Page UP") << "a name with a lower-case letter is kept";
  name = u"Q";
  TitleCaseKeyName(l, name);
  EXPECT_EQ(name, u"Q");
}

TEST(GetVirtualKeyName, NamesAreCutToTheCapacity) {
  FakeLayout l = English();
  EXPECT_EQ(GetVirtualKeyName(l, 46, 4), u"Del");
  EXPECT_EQ(GetVirtualKeyName(l, 46, 1), u"");
  EXPECT_EQ(GetVirtualKeyName(l, 96, 4), u"Num") << "fallbacks too";
  EXPECT_EQ(GetVirtualKeyName(l, 96, 1), u"") << "no fallback below two characters";
  l.names[0x450000] = u"NUM LOCK";
  EXPECT_EQ(GetVirtualKeyName(l, 144, 6), u"Num L") << "cut, then title-cased";
}

TEST(FallbackKeyName, ComputedRanges) {
  EXPECT_EQ(FallbackKeyName(48), u"0");
  EXPECT_EQ(FallbackKeyName(57), u"9");
  EXPECT_EQ(FallbackKeyName(65), u"A");
  EXPECT_EQ(FallbackKeyName(90), u"Z");
  EXPECT_EQ(FallbackKeyName(96), u"Num 0");
  EXPECT_EQ(FallbackKeyName(105), u"Num 9");
  EXPECT_EQ(FallbackKeyName(106), u"*");
  EXPECT_EQ(FallbackKeyName(107), u"+");
  EXPECT_EQ(FallbackKeyName(111), u"/");
  EXPECT_EQ(FallbackKeyName(112), u"F1");
  EXPECT_EQ(FallbackKeyName(120), u"F9");
  EXPECT_EQ(FallbackKeyName(135), u"F24");
  EXPECT_EQ(FallbackKeyName(136), u"(?)");
}

TEST(FallbackKeyName, NamedKeysAndUnnamedOnes) {
  const std::pair<uint32_t, std::u16string_view> sample[] = {
      {8, u"Backspace"},      {27, u"Esc"}, {33, u"PageUp"}, {46, u"Delete"},
      {92, u"Right Windows"}, {186, u";"},  {222, u"'"},
  };
  for (const auto& [vk, name] : sample) EXPECT_EQ(FallbackKeyName(vk), name) << vk;
  for (uint32_t vk : {0u, 3u, 12u, 41u, 93u, 144u, 223u, 255u})
    EXPECT_EQ(FallbackKeyName(vk), u"(?)") << vk;
}

}  // namespace
}  // namespace scrv
