// The typed rules of the settings store, above the back ends' primitives: shown once on the
// in-memory store in each shape; the Wine tests show the registry and the INI files give the
// primitives the same meaning.

#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

std::vector<uint8_t> Le(uint64_t v, size_t n) {
  std::vector<uint8_t> b(n);
  std::memcpy(b.data(), &v, n);
  return b;
}

std::vector<uint8_t> Utf16(std::u16string_view s) {
  std::vector<uint8_t> b(s.size() * 2);
  std::memcpy(b.data(), s.data(), b.size());
  return b;
}

TEST(RegistryShape, WrongTypesAndSizesGiveTheDefault) {
  MemorySettings store;
  struct Case {
    const char16_t* name;
    ValueType type;
    std::vector<uint8_t> bytes;
    uint32_t dword;
    uint64_t qword;
  };
  const Case cases[] = {
      {u"Dword", ValueType::kDword, Le(7, 4), 7, 0xAAAAAAAA00000007ull},  // high half: default
      {u"Qword", ValueType::kQword, Le(0x100000002ull, 8), 99, 0x100000002ull},
      {u"Short", ValueType::kDword, Le(7, 2), 99, 0xAAAAAAAAAAAAAAAAull},
      {u"Long", ValueType::kDword, Le(7, 6), 99, 0xAAAAAAAAAAAAAAAAull},
      {u"Text", ValueType::kString, Utf16(u"7"), 99, 0xAAAAAAAAAAAAAAAAull},
  };
  for (const Case& c : cases) store.PutRaw(u"Common", c.name, c.type, c.bytes);
  for (const Case& c : cases) {
    EXPECT_EQ(store.ReadCommonDword(c.name, 99), c.dword) << std::string(c.name, c.name + 4);
    EXPECT_EQ(store.ReadCommonQword(c.name, 0xAAAAAAAAAAAAAAAAull), c.qword);
  }
  EXPECT_EQ(store.ReadCommonString(u"Dword", 8, u"def"), u"def");
}

TEST(RegistryShape, AStringLongerThanItsCapacityGivesTheDefault) {
  MemorySettings store;
  store.WriteCommonString(u"Name", u"abcd");
  EXPECT_EQ(store.ReadCommonString(u"Name", 5, u"def"), u"abcd");  // 4 + terminator
  EXPECT_EQ(store.ReadCommonString(u"Name", 4, u"def"), u"def");
  EXPECT_EQ(store.ReadCommonString(u"Name", 2, u"default"), u"d") << "the default is cut too";
  store.PutRaw(u"Common", u"NoTerminator", ValueType::kExpandString, Utf16(u"xyz"));
  EXPECT_EQ(store.ReadCommonString(u"NoTerminator", 4, u""), u"xyz");
}

TEST(RegistryShape, BinaryValuesNeedTheirExactSizeAndAtLeastOneByte) {
  MemorySettings store;
  SettingsHandle h = store.OpenCommon(true);
  const uint8_t bytes[3] = {1, 2, 3};
  store.WriteBinary(h, u"Bin", bytes, 3, false);
  uint8_t two[2] = {9, 9};
  EXPECT_FALSE(store.ReadBinary(h, u"Bin", two, 2));
  EXPECT_EQ(two[0], 9);
  store.WriteBinary(h, u"Empty", bytes, 0, false);
  EXPECT_FALSE(store.ReadBinaryAlloc(h, u"Empty"));
  EXPECT_EQ(store.WriteBinary(h, u"Bin", nullptr, 0, false), 0u);
  EXPECT_EQ(store.WriteBinary(h, u"Bin", nullptr, 0, false), kErrorFileNotFound);
  EXPECT_EQ(store.DeleteValue(h, u"Empty", false), 0u);
  EXPECT_EQ(store.DeleteValue(h, u"Empty", false), kErrorFileNotFound);
  store.CloseSettings(h);
}

TEST(IniShape, TextsAreEncodedCutAndCheckedForLineBreaks) {
  MemorySettings store(true);
  SettingsHandle h = store.OpenCommon(true);
  store.WriteDword(h, u"Minus", 0xFFFFFFFF);
  EXPECT_EQ(store.Find(u"Common", u"Minus")->text, u"-1");
  store.PutText(u"Common", u"Garbage", u"twelve");
  EXPECT_EQ(store.ReadDword(h, u"Garbage", 5), 5u);
  EXPECT_EQ(store.ReadString(h, u"Garbage", 4, u""), u"twe") << "cut, not refused";
  store.PutText(u"Common", u"Empty", u"");
  EXPECT_EQ(store.ReadString(h, u"Empty", 8, u"def"), u"") << "present, though empty";
  EXPECT_EQ(store.DeleteValue(h, u"Empty", false), kErrorFileNotFound);
  EXPECT_TRUE(store.Find(u"Common", u"Empty")) << "an empty value is not deleted";
  EXPECT_EQ(store.WriteString(h, u"Forged", u"x\r\n[Other]"), kErrorInvalidData);
  EXPECT_FALSE(store.Find(u"Common", u"Forged"));
  store.WriteString(h, u"Padded", u" a ", true);
  EXPECT_EQ(store.ReadString(h, u"Padded", 8, u""), u" a ");
  store.CloseSettings(h);
}

TEST(IniShape, BinaryValuesCarryTheirByteCountAndLoseItWithThem) {
  MemorySettings store(true);
  SettingsHandle h = store.OpenCommon(true);
  const uint8_t bytes[2] = {0xAB, 0x01};
  EXPECT_EQ(store.WriteBinary(h, u"Bin", bytes, 2, false), 0u);
  EXPECT_EQ(store.Find(u"Common", u"Bin")->text, u"AB01AC");
  EXPECT_EQ(store.ReadBinaryAlloc(h, u"Bin"), std::vector<uint8_t>(bytes, bytes + 2));
  store.PutText(u"Common", u"Bin-Size", u"2000000");
  EXPECT_FALSE(store.ReadBinaryAlloc(h, u"Bin")) << "a byte count beyond the limit";
  EXPECT_EQ(store.WriteBinary(h, u"Bin", nullptr, 0, false), 0u);
  EXPECT_FALSE(store.Find(u"Common", u"Bin"));
  EXPECT_FALSE(store.Find(u"Common", u"Bin-Size"));
  store.CloseSettings(h);
}

}  // namespace
}  // namespace scrv
