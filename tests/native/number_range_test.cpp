#include "tools/number_range.h"

#include <gtest/gtest.h>

#include <limits>

namespace scrv {
namespace {

struct Parsed {
  int result = 0;
  NumberRange range;
};

Parsed Parse(std::u16string_view text, char16_t dec = u'.') {
  Parsed p;
  p.result = ParseNumberRange(text, dec, &p.range);
  return p;
}

std::u16string Compose(std::u16string lower, std::u16string upper, bool integers,
                       bool lowerInc = true, bool upperInc = true, bool* valid = nullptr,
                       char16_t dec = u'.') {
  NumberRangeFields f{std::move(lower), std::move(upper), lowerInc, upperInc, integers};
  std::u16string e;
  bool ok = ComposeNumberRange(f, dec, &e);
  if (valid) *valid = ok;
  return e;
}

Ipv6Address V6(std::initializer_list<uint16_t> groups) {
  Ipv6Address a{};
  int j = 0;
  for (uint16_t g : groups) {
    a[2 * j] = static_cast<uint8_t>(g >> 8);
    a[2 * j + 1] = static_cast<uint8_t>(g);
    ++j;
  }
  return a;
}

TEST(NumberRange, NumberIntervalGivesBoundsLimitsAndIntegerFlag) {
  Parsed p = Parse(u"[1 , 10]");
  ASSERT_EQ(p.result, kNumberRangeInterval);
  EXPECT_EQ(p.range.kind, NumberRangeKind::kNumber);
  EXPECT_EQ(p.range.lowerText, u"1");
  EXPECT_EQ(p.range.upperText, u"10");
  EXPECT_EQ(p.range.expression, u"[1 , 10]");
  EXPECT_TRUE(p.range.lowerInclusive);
  EXPECT_TRUE(p.range.upperInclusive);
  EXPECT_TRUE(p.range.integers);
  EXPECT_EQ(p.range.lower.number, 1.0);
  EXPECT_EQ(p.range.upper.number, 10.0);
  EXPECT_EQ(p.range.lower.integer, 1);
  EXPECT_EQ(p.range.upper.integer, 10);

  Parsed d = Parse(u"(-2.5 , 7.25)");
  ASSERT_EQ(d.result, kNumberRangeInterval);
  EXPECT_FALSE(d.range.integers);
  EXPECT_FALSE(d.range.lowerInclusive);
  EXPECT_FALSE(d.range.upperInclusive);
  EXPECT_EQ(d.range.lower.number, -2.5);
  EXPECT_EQ(d.range.upper.number, 7.25);
  EXPECT_EQ(d.range.lower.integer, -2);
  EXPECT_EQ(d.range.upper.integer, 7);
}

TEST(NumberRange, ExclusiveIntegerEndsNarrowTheIntegerLimitsOnly) {
  Parsed p = Parse(u"(1 , 10)");
  ASSERT_EQ(p.result, kNumberRangeInterval);
  EXPECT_EQ(p.range.lower.number, 1.0);
  EXPECT_EQ(p.range.upper.number, 10.0);
  EXPECT_EQ(p.range.lower.integer, 2);
  EXPECT_EQ(p.range.upper.integer, 9);
  // Equal bounds are a valid interval even with exclusive ends.
  EXPECT_EQ(Parse(u"(5 , 5)").result, kNumberRangeInterval);
}

TEST(NumberRange, OpenEndsTakeTheExtremes) {
  Parsed up = Parse(u"[1 , )");
  ASSERT_EQ(up.result, kNumberRangeInterval);
  EXPECT_EQ(up.range.expression, u"[1 , )");
  EXPECT_EQ(up.range.upperText, u"");
  EXPECT_EQ(up.range.upper.number, std::numeric_limits<double>::max());
  EXPECT_EQ(up.range.upper.integer, std::numeric_limits<int64_t>::max());

  Parsed low = Parse(u"( , 2.5]");
  ASSERT_EQ(low.result, kNumberRangeInterval);
  EXPECT_EQ(low.range.expression, u"( , 2.5]");
  EXPECT_EQ(low.range.lower.number, std::numeric_limits<double>::lowest());
  EXPECT_EQ(low.range.lower.integer, std::numeric_limits<int64_t>::min());
  // With the lower end open the integer flag follows the upper bound.
  EXPECT_FALSE(low.range.integers);

  EXPECT_EQ(Parse(u"[,]").range.expression, u"[ , ]");
}

TEST(NumberRange, BlanksAndPlusSignsWhereAllowed) {
  Parsed p = Parse(u" \t[\t+1,+10 ]  ");
  ASSERT_EQ(p.result, kNumberRangeInterval);
  EXPECT_EQ(p.range.lowerText, u"1");
  EXPECT_EQ(p.range.expression, u"[1 , 10]");
  EXPECT_EQ(Parse(u"[+192.168.0.1 , +192.168.0.7]").result, kNumberRangeInterval);

  EXPECT_EQ(Parse(u"[+ 1 , 10]").result, kNumberRangeInvalid);  // blank after "+"
  EXPECT_EQ(Parse(u"[+ , 10]").result, kNumberRangeInvalid);    // "+" without a bound
  EXPECT_EQ(Parse(u"[++1 , 10]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[+-1 , 10]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[1 , 10] x").result, kNumberRangeInvalid);  // only blanks may follow
  EXPECT_EQ(Parse(u"[1  10]").result, kNumberRangeInvalid);     // the comma is mandatory
  EXPECT_EQ(Parse(u"[1 , 10").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[1 , 10]\n").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"   ").result, kNumberRangeInvalid);
}

TEST(NumberRange, NumbersAreComparedExactly) {
  EXPECT_EQ(Parse(u"[10 , 1]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[-1 , -2]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[0.30 , 0.3]").result, kNumberRangeInterval);
  EXPECT_EQ(Parse(u"[-0 , 0]").result, kNumberRangeInterval);
  // Beyond double precision: 2^53 + 1 against 2^53.
  EXPECT_EQ(Parse(u"[9007199254740993 , 9007199254740992]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[0.10000000000000000001 , 0.1]").result, kNumberRangeInvalid);
  // Huge numbers saturate the integer limits.
  Parsed big = Parse(u"[-99999999999999999999 , 99999999999999999999]");
  ASSERT_EQ(big.result, kNumberRangeInterval);
  EXPECT_EQ(big.range.lower.integer, std::numeric_limits<int64_t>::min());
  EXPECT_EQ(big.range.upper.integer, std::numeric_limits<int64_t>::max());
}

TEST(NumberRange, NumbersUseTheLocaleDecimalCharacter) {
  Parsed p = Parse(u"[1,5 , 2,25]", u',');
  ASSERT_EQ(p.result, kNumberRangeInterval);
  EXPECT_EQ(p.range.lowerText, u"1,5");
  EXPECT_EQ(p.range.lower.number, 1.5);
  EXPECT_EQ(p.range.upper.number, 2.25);
  EXPECT_EQ(Parse(u"[1.5 , 2]", u',').result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[1,5 , 2]", u'.').result, kNumberRangeInvalid);
  // A decimal character the syntax needs falls back to ".".
  EXPECT_EQ(Parse(u"[1.5 , 2]", u'-').result, kNumberRangeInterval);
  EXPECT_EQ(Parse(u"[1.5 , 2]", u'7').result, kNumberRangeInterval);
}

TEST(NumberRange, BoundsOfDifferentKindsAreRefused) {
  EXPECT_EQ(Parse(u"[192.168.0.1 , 10]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[1 , ::1]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[10.0.0.1 , ::ffff]").result, kNumberRangeInvalid);
}

TEST(NumberRange, AlignedIpv4IntervalIsNormalisedToABlock) {
  Parsed p = Parse(u"[192.168.0.0 , 192.168.0.255]");
  ASSERT_EQ(p.result, kNumberRangeInterval);
  EXPECT_EQ(p.range.expression, u"192.168.0.0/24");
  EXPECT_EQ(p.range.kind, NumberRangeKind::kIpv4);
  EXPECT_EQ(p.range.lowerText, u"192.168.0.0");
  EXPECT_EQ(p.range.upperText, u"192.168.0.255");
  EXPECT_FALSE(p.range.integers);
  EXPECT_EQ(p.range.lower.ipv4, 0xC0A80000u);
  EXPECT_EQ(p.range.upper.ipv4, 0xC0A800FFu);

  EXPECT_EQ(Parse(u"[10.0.0.1 , 10.0.0.1]").range.expression, u"10.0.0.1/32");
  EXPECT_EQ(Parse(u"[0.0.0.0 , 255.255.255.255]").range.expression, u"0.0.0.0/0");
  EXPECT_EQ(Parse(u"[ , 127.255.255.255]").range.expression, u"0.0.0.0/1");
  // Exclusive ends are moved before the alignment is judged.
  EXPECT_EQ(Parse(u"(10.0.0.255 , 10.0.2.0)").range.expression, u"10.0.1.0/24");
  // The size is a power of two but the start is not a multiple of it.
  EXPECT_EQ(Parse(u"[10.0.0.128 , 10.0.1.127]").range.expression, u"[10.0.0.128 , 10.0.1.127]");
}

TEST(NumberRange, ExclusiveAddressEndsMoveInwards) {
  Parsed p = Parse(u"(10.0.0.0 , 10.0.1.0)");
  ASSERT_EQ(p.result, kNumberRangeInterval);
  EXPECT_EQ(p.range.lower.ipv4, 0x0A000001u);
  EXPECT_EQ(p.range.upper.ipv4, 0x0A0000FFu);
  EXPECT_EQ(p.range.expression, u"(10.0.0.0 , 10.0.1.0)");
  EXPECT_EQ(p.range.lowerText, u"10.0.0.0");
  EXPECT_EQ(p.range.upperText, u"10.0.1.0");

  EXPECT_EQ(Parse(u"(10.0.0.1 , 10.0.0.2)").result, kNumberRangeInvalid);  // nothing left
  EXPECT_EQ(Parse(u"(10.0.0.1 , 10.0.0.3)").range.expression, u"10.0.0.2/32");
  EXPECT_EQ(Parse(u"(255.255.255.255 , ]").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[ , 0.0.0.0)").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"[10.0.0.2 , 10.0.0.1]").result, kNumberRangeInvalid);
}

TEST(NumberRange, Ipv6IntervalsAndCanonicalText) {
  Parsed p = Parse(u"[2001:DB8:0:0:0:0:0:0 , 2001:db8::ffff:ffff:ffff:ffff]");
  ASSERT_EQ(p.result, kNumberRangeInterval);
  EXPECT_EQ(p.range.kind, NumberRangeKind::kIpv6);
  EXPECT_EQ(p.range.expression, u"2001:db8::/64");
  EXPECT_EQ(p.range.lowerText, u"2001:db8::");
  EXPECT_EQ(p.range.lower.ipv6, V6({0x2001, 0xdb8, 0, 0, 0, 0, 0, 0}));

  Parsed q = Parse(u"(::1 , 1:0:0:2::3)");
  ASSERT_EQ(q.result, kNumberRangeInterval);
  EXPECT_EQ(q.range.lower.ipv6, V6({0, 0, 0, 0, 0, 0, 0, 2}));
  EXPECT_EQ(q.range.upper.ipv6, V6({1, 0, 0, 2, 0, 0, 0, 2}));
  EXPECT_EQ(q.range.upperText, u"1:0:0:2::3");

  Parsed m = Parse(u"[::ffff:10.0.0.1 , ::ffff:10.0.0.1]");
  EXPECT_EQ(m.range.expression, u"::ffff:a00:1/128");

  EXPECT_EQ(Parse(u"[:: , ]").range.expression, u"::/0");
  EXPECT_EQ(Parse(u"[1:0:0:1:0:0:0:1 , ]").range.lowerText, u"1:0:0:1::1");
  const char16_t* bad[] = {u"[1:2:3:4:5:6:7:8:9 , ]",
                           u"[1::2::3 , ]",
                           u"[12345:: , ]",
                           u"[:1:: , ]",
                           u"[1:2:3:4:5:6:7 , ]",
                           u"[1:2:3:4:5:6:7:1.2.3.4 , ]",
                           u"[1: , ]",
                           u"[::1.2.3 , ]"};
  for (size_t i = 0; i < std::size(bad); ++i) {
    EXPECT_EQ(Parse(bad[i]).result, kNumberRangeInvalid) << "case " << i;
  }
}

TEST(NumberRange, AddressBlocks) {
  Parsed p = Parse(u"  10.1.2.3/8 ");
  ASSERT_EQ(p.result, kNumberRangeBlock);
  EXPECT_EQ(p.range.expression, u"10.1.2.3/8");
  EXPECT_EQ(p.range.lowerText, u"10.0.0.0");
  EXPECT_EQ(p.range.upperText, u"10.255.255.255");
  EXPECT_TRUE(p.range.lowerInclusive);
  EXPECT_TRUE(p.range.upperInclusive);

  EXPECT_EQ(Parse(u"10.0.0.0/32").range.upperText, u"10.0.0.0");
  EXPECT_EQ(Parse(u"10.0.0.0/0").range.upperText, u"255.255.255.255");
  EXPECT_EQ(Parse(u"10.0.0.0/33").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"10.0.0.0/024").result, kNumberRangeInvalid);  // two digits for IPv4
  EXPECT_EQ(Parse(u"10.0.0.0/").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"10.0.0.0 /8").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"10.0.0.0/8 x").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"10.0.0/8").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"256.0.0.0/8").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"5/8").result, kNumberRangeInvalid);

  Parsed v6 = Parse(u"fe80::1234/10");
  ASSERT_EQ(v6.result, kNumberRangeBlock);
  EXPECT_EQ(v6.range.lowerText, u"fe80::");
  EXPECT_EQ(v6.range.upperText, u"febf:ffff:ffff:ffff:ffff:ffff:ffff:ffff");
  Parsed host = Parse(u"2001:db8::7/128");
  ASSERT_EQ(host.result, kNumberRangeBlock);
  EXPECT_EQ(host.range.lowerText, u"2001:db8::7");
  EXPECT_EQ(host.range.upperText, u"2001:db8::7");
  EXPECT_EQ(Parse(u"::/0").range.upperText, u"ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff");
  EXPECT_EQ(Parse(u"2001:db8::/65").range.upperText, u"2001:db8::7fff:ffff:ffff:ffff");
  EXPECT_EQ(Parse(u"2001:db8::/129").result, kNumberRangeInvalid);
  EXPECT_EQ(Parse(u"2001:db8::/0128").result, kNumberRangeInvalid);
}

TEST(NumberRange, NullOutputOnlyValidates) {
  EXPECT_EQ(ParseNumberRange(u"[1 , 2]", u'.', nullptr), kNumberRangeInterval);
  EXPECT_EQ(ParseNumberRange(u"1.2.3.4/5", u'.', nullptr), kNumberRangeBlock);
  EXPECT_EQ(ParseNumberRange(u"[2 , 1]", u'.', nullptr), kNumberRangeInvalid);
}

TEST(NumberRange, EmbeddedNulIsNotTheEnd) {
  std::u16string text = u"[1 , 2]";
  text += u'\0';
  EXPECT_EQ(Parse(text).result, kNumberRangeInvalid);
}

TEST(NumberRangeCompose, AppendsDecimalPartOutsideIntegerMode) {
  bool valid = false;
  EXPECT_EQ(Compose(u"1", u"10", false, true, true, &valid), u"[1.0 , 10.0]");
  EXPECT_TRUE(valid);
  EXPECT_EQ(Compose(u"1", u"10", true, true, true, &valid), u"[1 , 10]");
  EXPECT_TRUE(valid);
  EXPECT_EQ(Compose(u" -1 ", u"2,5", false, true, true, &valid, u','), u"[-1,0 , 2,5]");
  EXPECT_TRUE(valid);
  EXPECT_EQ(Compose(u"1.5", u"", false, true, false, &valid), u"[1.5 , )");
  EXPECT_TRUE(valid);
  EXPECT_EQ(Compose(u"10.0.0.1", u"10.0.0.9", false, false, true, &valid),
            u"(10.0.0.1 , 10.0.0.9]");
  EXPECT_TRUE(valid);
}

TEST(NumberRangeCompose, RefusesBadOrMixedBounds) {
  bool valid = true;
  Compose(u"12345678901234567890", u"", true, true, true, &valid);
  EXPECT_FALSE(valid);
  Compose(u"-1234567890123456789", u"+1234567890123456789", true, true, true, &valid);
  EXPECT_TRUE(valid);
  Compose(u"192.168.0.1", u"10", false, true, true, &valid);
  EXPECT_FALSE(valid);
  Compose(u"1.5", u"2", true, true, true, &valid);  // integer mode takes digits only
  EXPECT_FALSE(valid);
  Compose(u"1 2", u"", false, true, true, &valid);
  EXPECT_FALSE(valid);
  Compose(u"+-1", u"", false, true, true, &valid);
  EXPECT_FALSE(valid);
  Compose(u"-10.0.0.1", u"", false, true, true, &valid);
  EXPECT_FALSE(valid);
}

TEST(NumberRangeCompose, BoundCheckKinds) {
  EXPECT_EQ(CheckNumberRangeBound(u" \t", false, u'.'), NumberRangeBoundKind::kEmpty);
  EXPECT_EQ(CheckNumberRangeBound(u"\t+7 ", true, u'.'), NumberRangeBoundKind::kNumber);
  EXPECT_EQ(CheckNumberRangeBound(u"+", true, u'.'), NumberRangeBoundKind::kInvalid);
  EXPECT_EQ(CheckNumberRangeBound(u"+::1", false, u'.'), NumberRangeBoundKind::kIpv6);
  EXPECT_EQ(CheckNumberRangeBound(u"1.2.3.4", false, u'.'), NumberRangeBoundKind::kIpv4);
  EXPECT_EQ(CheckNumberRangeBound(u"1.2.3.4", true, u'.'), NumberRangeBoundKind::kInvalid);
  EXPECT_EQ(CheckNumberRangeBound(u"1.2", false, u'.'), NumberRangeBoundKind::kNumber);
  EXPECT_EQ(CheckNumberRangeBound(u"1.2", false, u','), NumberRangeBoundKind::kInvalid);
}

}  // namespace
}  // namespace scrv
