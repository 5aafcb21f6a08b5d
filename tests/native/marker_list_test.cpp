#include "markers/marker_list.h"

#include <gtest/gtest.h>

#include "marker_test_util.h"

#include <cstring>
#include <string>
#include <vector>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

namespace mf = marker_flag;
using Bytes = std::vector<uint8_t>;

// A stored value written by hand, field by field.
struct Value {
  Bytes b;
  Value& U8(uint8_t v) {
    b.push_back(v);
    return *this;
  }
  Value& U16(uint16_t v) { return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8)); }
  Value& U32(uint32_t v) {
    return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16));
  }
  Value& Len(int bytes, uint32_t v) { return bytes == 1 ? U8(static_cast<uint8_t>(v)) : U16(v); }
  Value& Units(std::u16string_view s) {
    for (char16_t c : s) U16(c);
    return *this;
  }
  Value& Zeros(size_t n) {
    b.insert(b.end(), n, 0);
    return *this;
  }
  Value& Head(uint32_t tag, uint32_t count) { return U32(tag).U32(count); }
  // A marker of the two newer layouts (16- or 8-bit lengths); the name only when given.
  Value& Entry(int lengthBytes, char color, uint8_t flags, std::u16string_view text,
               std::u16string_view name = u"") {
    U8(color).U8(flags).Len(lengthBytes, text.size()).Units(text);
    return Len(lengthBytes, name.size()).Units(name);
  }
  // A marker of the oldest layout: bytes 0, 4, 5 and 6 of its header, then the text.
  Value& Old(uint8_t color, uint8_t b4, uint8_t b5, uint8_t b6, std::u16string_view text) {
    U8(color).Zeros(3).U8(b4).U8(b5).U8(b6).U8(0).U32(text.size());
    return Units(text);
  }
};

MarkerList Read(const Bytes& b) {
  MarkerList out;
  ReadMarkerValue(b.data(), b.size(), out);
  return out;
}

TEST(MarkerValue, OneMarkerIsWrittenFieldByField) {
  auto values = EncodeMarkerValues({M(u"ab", '3', mf::kOn | mf::kNamed | mf::kRegExp, u"N")});
  ASSERT_EQ(values.size(), 1u);
  Bytes expected = {0x01, 0x0F, 0xFF, 0, 1, 0, 0, 0, '3', 0x1A, 2, 0, 'a', 0, 'b', 0, 1, 0, 'N', 0};
  EXPECT_EQ(values[0], expected);
}

TEST(MarkerValue, NameIsWrittenOnlyForNamedMarkersAndHighFlagBitsAreNotStored) {
  auto values = EncodeMarkerValues({M(u"x", '0', mf::kOn | 0xE0, u"kept in memory only")});
  EXPECT_EQ(values[0], Value().Head(0xFF0F01, 1).Entry(2, '0', mf::kOn, u"x").b);
  EXPECT_EQ(Read(values[0]), (MarkerList{M(u"x", '0', mf::kOn)}));
}

TEST(MarkerValue, EachTagIsReadAsItsLayoutSays) {
  constexpr uint8_t kAllOld = mf::kWholeWord | mf::kRegExp | mf::kOn | mf::kMatchCase;
  struct Case {
    const char* what;
    Bytes value;
    MarkerList expected;
  } cases[] = {
      {"current, high flag bits kept as read",
       Value().Head(0xFF0F01, 2).Entry(2, '9', 0xF8, u"abc").Entry(2, '1', 0x11, u"d", u"Nm").b,
       {M(u"abc", '9', 0xF8), M(u"d", '1', 0x11, u"Nm")}},
      {"8-bit lengths",
       Value().Head(0xFF0F00, 1).Entry(1, '2', 0x18, u"hi", u"n").b,
       {M(u"hi", '2', 0x18, u"n")}},
      {"oldest: header bits, empty text dropped, numeric colour",
       Value()
           .Head(0xFF0100, 3)
           .Old('4', 3, 2, 1, u"ok")
           .Old('5', 0, 0, 0, u"")
           .Old(7, 0, 0, 0, u"z")
           .b,
       {M(u"ok", '4', kAllOld), M(u"z", '7', 0)}},
      {"other tag skipped", Value().Head(0xFF0F02, 1).Entry(2, '1', 0, u"a").b, {}},
      {"non-digit colour is colour 1",
       Value().Head(0xFF0F01, 1).Entry(2, 'Z', 0, u"a").b,
       {M(u"a", '0', 0)}},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.value), c.expected) << c.what;
}

TEST(MarkerValue, OverlongTextAndNameAreCutAndTheNextMarkerStillRead) {
  std::u16string longText(10005, u't'), longName(90, u'n');
  Bytes value = Value()
                    .Head(0xFF0F01, 2)
                    .Entry(2, '0', mf::kNamed, longText, longName)
                    .Entry(2, '1', 0, u"b")
                    .b;
  MarkerList got = Read(value);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].text, std::u16string(10000, u't'));
  EXPECT_EQ(got[0].name, std::u16string(79, u'n'));
  EXPECT_EQ(got[1], M(u"b", '1', 0));
}

TEST(MarkerValue, BadValuesGiveWhatIsWhollyInside) {
  auto current = [](uint32_t count) {
    return Value().Head(0xFF0F01, count).Entry(2, '1', 0, u"a");
  };
  struct Case {
    const char* what;
    Bytes value;
    size_t markers;
  } cases[] = {
      {"empty", {}, 0},
      {"three bytes", {0x01, 0x0F, 0xFF}, 0},
      {"tag only", Value().U32(0xFF0F01).b, 0},
      {"count far past the end", current(0xFFFFFFFF).b, 1},
      {"text length past the end", current(2).U8('1').U8(0).U16(500).Units(u"ab").b, 1},
      {"name length past the end", current(2).U8('1').U8(0x10).U16(1).Units(u"a").U16(40).b, 1},
      {"8-bit lengths cut short",
       Value().Head(0xFF0F00, 3).Entry(1, '1', 0, u"a").U8('2').U8(0).U8(9).b, 1},
      {"8-bit name length missing", Value().Head(0xFF0F00, 1).U8('1').U8(0).U8(0).b, 0},
      {"oldest header cut short", Value().Head(0xFF0100, 1).Zeros(11).b, 0},
      {"oldest length 0xFFFFFFFF",
       Value().Head(0xFF0100, 1).U8('1').Zeros(7).U32(0xFFFFFFFF).Units(u"ab").b, 0},
      {"count smaller than the markers", current(0).b, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.value).size(), c.markers) << c.what;
}

// The stored list in both back ends.
class MarkerStore : public ::testing::TestWithParam<bool> {
 protected:
  bool Has(std::u16string_view name) const { return store.Find(u"Common", name) != nullptr; }
  MarkerList Load() {
    SettingsHandle h = store.OpenCommon(false);
    MarkerList list = LoadMarkers(store, h);
    store.CloseSettings(h);
    return list;
  }
  void Save(const MarkerList& list) {
    SettingsHandle h = store.OpenCommon(true);
    SaveMarkers(store, h, list);
    store.CloseSettings(h);
  }
  void Put(std::u16string_view name, const Bytes& bytes) {
    static const uint8_t kNone = 0;  // an empty value, not a removal
    SettingsHandle h = store.OpenCommon(true);
    store.WriteBinary(h, name, bytes.empty() ? &kNone : bytes.data(), bytes.size(), false);
    store.CloseSettings(h);
  }

  MemorySettings store{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(BothBackEnds, MarkerStore, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

TEST_P(MarkerStore, ListLargerThanOneValueSpillsIntoTheSecondAndShrinkingRemovesIt) {
  // Each marker takes 2 + 2 + 2 × 1000 + 2 = 2006 bytes: seven fit below 16000 after the
  // 8-byte header (14050), the eighth crosses the limit and still goes into the first value.
  MarkerList big;
  for (int i = 0; i < 10; ++i)
    big.push_back(M(std::u16string(1000, static_cast<char16_t>(u'a' + i)), '0', mf::kOn));
  auto values = EncodeMarkerValues(big);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].size(), 8u + 8 * 2006);
  EXPECT_EQ(values[0][4], 8);
  EXPECT_EQ(values[1][4], 2);

  Save(big);
  EXPECT_TRUE(Has(u"Marker"));
  EXPECT_TRUE(Has(u"Marker2"));
  EXPECT_FALSE(Has(u"Marker3"));
  EXPECT_EQ(Load(), big);

  Save({big[0]});
  EXPECT_TRUE(Has(u"Marker"));
  EXPECT_FALSE(Has(u"Marker2"));
  EXPECT_EQ(Load(), MarkerList{big[0]});
}

TEST_P(MarkerStore, StaleValuesAreRemovedUntilOneIsMissing) {
  const Bytes stale = EncodeMarkerValues({M(u"old", '0', 0)})[0];
  Put(u"Marker2", stale);
  Put(u"Marker4", stale);
  Save({M(u"new", '1', mf::kOn)});
  EXPECT_FALSE(Has(u"Marker2"));
  EXPECT_TRUE(Has(u"Marker4")) << "the missing Marker3 ends the removal";
  EXPECT_EQ(Load(), MarkerList{M(u"new", '1', mf::kOn)}) << "Marker4 lies after the gap";
}

TEST_P(MarkerStore, AnEmptyListIsOneValueWithoutMarkers) {
  Save({});
  EXPECT_TRUE(Has(u"Marker"));
  EXPECT_EQ(Load(), MarkerList{});
}

TEST_P(MarkerStore, UnreadableValuesAreSkippedAndTheRestIsRead) {
  Put(u"Marker", {1, 2, 3});
  Put(u"Marker2", Value().Head(0x12345678, 1).b);
  Put(u"Marker3", {});
  Put(u"Marker4", EncodeMarkerValues({M(u"kept", '5', mf::kOn)})[0]);
  EXPECT_EQ(Load(), MarkerList{M(u"kept", '5', mf::kOn)});
}

TEST(MarkerColor, NewMarkerTakesThePreferredOrTheFirstColourUsedLessThanColourOne) {
  auto withColors = [](std::string digits) {
    MarkerList l;
    for (char d : digits) l.push_back(M(u"x", d, 0));
    return l;
  };
  struct Case {
    std::string colors;
    int32_t preferred;
    int expected;
  } cases[] = {
      {"001", -1, 1},  // colours 1, 1, 2: colour 2 has one use, colour 1 two
      {"", -1, 0},     // nothing is used less than colour 1
      {"0123456789", -1, 0}, {"00112", -1, 2}, {"0", 7, 7},
      {"0", 9, 9},           {"001", 10, 1},  // outside 0..9: the least-used rule
      {"0", 15, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NewMarkerColor(withColors(c.colors), c.preferred), c.expected)
        << c.colors << " preferred " << c.preferred;
}

TEST(MarkerValueName, FirstValueHasNoNumber) {
  EXPECT_EQ(MarkerValueName(1), u"Marker");
  EXPECT_EQ(MarkerValueName(2), u"Marker2");
  EXPECT_EQ(MarkerValueName(12), u"Marker12");
}

}  // namespace
}  // namespace scrv
