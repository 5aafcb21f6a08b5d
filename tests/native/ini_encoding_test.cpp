#include "settings/ini_encoding.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

TEST(IniEncoding, DwordIsSignedDecimal) {
  EXPECT_EQ(EncodeIniDword(0xFFFFFFFFu), u"-1");
  EXPECT_EQ(EncodeIniDword(0x80000000u), u"-2147483648");
  EXPECT_EQ(EncodeIniDword(42), u"42");
  EXPECT_EQ(ParseIniDword(u"-1", 7), 0xFFFFFFFFu);
  EXPECT_EQ(ParseIniDword(u"  12abc", 7), 12u);
  EXPECT_EQ(ParseIniDword(u"0x1F", 7), 31u);
  EXPECT_EQ(ParseIniDword(u"", 7), 7u);
  EXPECT_EQ(ParseIniDword(u"abc", 7), 7u);
}

TEST(IniEncoding, QwordIsUnsignedDecimal) {
  EXPECT_EQ(EncodeIniQword(0xFFFFFFFFFFFFFFFFull), u"18446744073709551615");
  EXPECT_EQ(ParseIniQword(u"18446744073709551615", 1), 0xFFFFFFFFFFFFFFFFull);
  EXPECT_EQ(ParseIniQword(u"", 9), 9u);
  EXPECT_EQ(ParseIniQword(u"x", 9), 9u);
}

TEST(IniEncoding, BinaryIsHexPlusChecksum) {
  const uint8_t bytes[] = {0x01, 0x02};
  EXPECT_EQ(EncodeIniBinary(bytes, 2), u"010203");
  const uint8_t wrap[] = {0xFF, 0x02, 0xAB};
  EXPECT_EQ(EncodeIniBinary(wrap, 3), u"FF02ABAC");
  EXPECT_EQ(EncodeIniBinary(nullptr, 0), u"00");
  auto decoded = DecodeIniBinary(u"010203", 2);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(*decoded, (std::vector<uint8_t>{1, 2}));
  EXPECT_TRUE(DecodeIniBinary(u"ff02abac", 3));
  EXPECT_FALSE(DecodeIniBinary(u"010204", 2)) << "bad checksum";
  EXPECT_FALSE(DecodeIniBinary(u"010203", 3)) << "wrong size";
  EXPECT_FALSE(DecodeIniBinary(u"01020", 2)) << "odd length";
  EXPECT_FALSE(DecodeIniBinary(u"0G0203", 2)) << "not hex";
  EXPECT_EQ(IniSizeValueName(u"JumpDlgPos"), u"JumpDlgPos-Size");
}

TEST(IniEncoding, StringListsEndWithAnEmptyItem) {
  EXPECT_EQ(EncodeStringList({u"a", u"b", u"c"}), u"a|b|c||");
  EXPECT_EQ(EncodeStringList({}), u"|");
  EXPECT_EQ(DecodeStringList(u"|x||y|"), (std::vector<std::u16string>{u"x", u"y"}));
  EXPECT_EQ(DecodeStringList(u"a|b|c||"), (std::vector<std::u16string>{u"a", u"b", u"c"}));
  EXPECT_TRUE(DecodeStringList(u"").empty());
  EXPECT_EQ(DecodeStringList(u"last"), (std::vector<std::u16string>{u"last"}));
}

TEST(IniEncoding, QuotesOnlyValuesWithOuterBlanks) {
  EXPECT_EQ(QuoteIniString(u" a"), u"\" a\"");
  EXPECT_EQ(QuoteIniString(u"a "), u"\"a \"");
  EXPECT_EQ(QuoteIniString(u"a b"), u"a b");
  EXPECT_EQ(QuoteIniString(u""), u"");
}

}  // namespace
}  // namespace scrv
