#include "settings/tools_list.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"

namespace scrv {
namespace {

// A stored "Tools" value, written field by field.
struct Value {
  std::vector<uint8_t> b;
  Value& U8(uint8_t v) {
    b.push_back(v);
    return *this;
  }
  Value& U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  Value& Text(std::u16string_view s) {
    U32(static_cast<uint32_t>(s.size()));
    for (char16_t c : s) U8(c & 0xFF).U8(c >> 8);
    return *this;
  }
  // One tool of the given format with the given title and text 5.
  Value& Tool(uint32_t format, std::u16string_view title, std::u16string_view text5) {
    Text(title).Text(u"2").Text(u"3").Text(u"4").Text(text5);
    if (format == kToolsFormat2) Text(u"6");
    U32(0xA);
    if (format != kToolsFormat0) U32(0xB);
    if (format == kToolsFormat2) U32(0xC).U32(0xD);
    U8(1).U8(0).U8(0).U8(7);
    if (format == kToolsFormat2) U8(0).U8(9).U8(2).U8(0);
    return *this;
  }
};

std::vector<ToolRecord> Parse(const std::vector<uint8_t>& bytes, bool* valid = nullptr) {
  std::vector<ToolRecord> tools;
  bool ok = ParseToolsList(bytes.data(), bytes.size(), tools);
  if (valid) *valid = ok;
  return tools;
}

TEST(ToolsList, FormatOneHasFlagThreeSetAndNoLaterFields) {
  bool valid = false;
  auto tools = Parse(Value().U32(kToolsFormat1).U32(1).Tool(kToolsFormat1, u"Run", u"x").b, &valid);
  EXPECT_TRUE(valid);
  ASSERT_EQ(tools.size(), 1u);
  const ToolRecord& t = tools[0];
  EXPECT_EQ(t.title, u"Run");
  EXPECT_EQ(t.text2, u"2");
  EXPECT_EQ(t.text5, u"x");
  EXPECT_EQ(t.text6, u"");
  EXPECT_EQ(t.numberA, 0xAu);
  EXPECT_EQ(t.numberB, 0xBu);
  EXPECT_EQ(t.numberC, 0u);
  EXPECT_EQ(t.numberD, 0u);
  EXPECT_EQ(t.flags, (std::array<uint8_t, 8>{1, 0, 1, 1, 0, 0, 0, 0}));
}

TEST(ToolsList, FormatZeroHasNoNumberB) {
  bool valid = false;
  auto tools = Parse(Value().U32(kToolsFormat0).U32(1).Tool(kToolsFormat0, u"T", u"x").b, &valid);
  EXPECT_TRUE(valid);
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].numberA, 0xAu);
  EXPECT_EQ(tools[0].numberB, 0u);
  EXPECT_EQ(tools[0].flags[2], 1);
}

TEST(ToolsList, FormatTwoCarriesEveryFieldAndKeepsByteSixAsANumber) {
  bool valid = false;
  auto tools = Parse(Value().U32(kToolsFormat2).U32(1).Tool(kToolsFormat2, u"T", u"x").b, &valid);
  EXPECT_TRUE(valid);
  ASSERT_EQ(tools.size(), 1u);
  const ToolRecord& t = tools[0];
  EXPECT_EQ(t.text6, u"6");
  EXPECT_EQ(t.numberB, 0xBu);
  EXPECT_EQ(t.numberC, 0xCu);
  EXPECT_EQ(t.numberD, 0xDu);
  EXPECT_EQ(t.flags, (std::array<uint8_t, 8>{1, 0, 0, 1, 0, 9, 1, 0}));
}

TEST(ToolsList, LongTextsAreCutToTheirMaximum) {
  std::u16string longTitle(100, u't');
  Value v;
  v.U32(kToolsFormat2).U32(1).Text(longTitle);
  for (int i = 0; i < 5; ++i) v.Text(std::u16string(300, u'a'));
  v.U32(1).U32(2).U32(3).U32(4).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);
  bool valid = false;
  auto tools = Parse(v.b, &valid);
  EXPECT_TRUE(valid) << "the whole stored texts are stepped over";
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].title, std::u16string(79, u't'));
  EXPECT_EQ(tools[0].text6, std::u16string(259, u'a'));
  EXPECT_EQ(tools[0].numberD, 4u);
}

TEST(ToolsList, BytesLeftOverMakeTheListInvalidButKeepItsTools) {
  bool valid = true;
  auto tools = Parse(Value()
                         .U32(kToolsFormat1)
                         .U32(2)
                         .Tool(kToolsFormat1, u"a", u"x")
                         .Tool(kToolsFormat1, u"b", u"y")
                         .U8(0)
                         .b,
                     &valid);
  EXPECT_FALSE(valid);
  ASSERT_EQ(tools.size(), 2u);
  EXPECT_EQ(tools[1].title, u"b");
}

TEST(ToolsList, ALengthRunningPastTheEndStopsWithTheToolsBeforeIt) {
  Value v;
  v.U32(kToolsFormat0).U32(3).Tool(kToolsFormat0, u"a", u"x").U32(1000).U8('z').U8(0);
  bool valid = true;
  auto tools = Parse(v.b, &valid);
  EXPECT_FALSE(valid);
  ASSERT_EQ(tools.size(), 1u);
  EXPECT_EQ(tools[0].title, u"a");

  Value negative;
  negative.U32(kToolsFormat0).U32(1).U32(0xFFFFFFFF).b.resize(64);
  EXPECT_TRUE(Parse(negative.b, &valid).empty());
  EXPECT_FALSE(valid);
}

TEST(ToolsList, WrongFormatWordLoadsNothing) {
  bool valid = true;
  EXPECT_TRUE(
      Parse(Value().U32(0xFF0803).U32(1).Tool(kToolsFormat1, u"a", u"x").b, &valid).empty());
  EXPECT_FALSE(valid);
  EXPECT_TRUE(Parse({0x00, 0x08}, &valid).empty());
  EXPECT_FALSE(valid);
}

TEST(ToolsList, ACountOfZeroOrLessIsAnEmptyValidList) {
  bool valid = false;
  EXPECT_TRUE(Parse(Value().U32(kToolsFormat2).U32(0).b, &valid).empty());
  EXPECT_TRUE(valid);
  EXPECT_TRUE(Parse(Value().U32(kToolsFormat2).U32(0x80000000).b, &valid).empty());
  EXPECT_TRUE(valid);
  EXPECT_TRUE(Parse(Value().U32(kToolsFormat2).b, &valid).empty());
  EXPECT_FALSE(valid) << "the count is missing";
}

TEST(ToolsList, EveryPrefixOfAValueIsReadWithinItsBounds) {
  Value v;
  v.U32(kToolsFormat2).U32(2).Tool(kToolsFormat2, u"a", u"x").Tool(kToolsFormat2, u"b", u"");
  for (size_t n = 0; n < v.b.size(); ++n) {
    std::vector<uint8_t> prefix(v.b.begin(), v.b.begin() + n);
    bool valid = true;
    auto tools = Parse(prefix, &valid);
    EXPECT_FALSE(valid) << n;
    EXPECT_LE(tools.size(), 1u) << n;
  }
}

TEST(ToolsList, ToolsWithoutText5AreNotNumbered) {
  std::vector<ToolRecord> tools(3);
  tools[0].text5 = u"x";
  tools[2].text5 = u"y";
  AssignToolNumbers(tools);
  EXPECT_EQ(tools[0].toolNumber, 0);
  EXPECT_EQ(tools[1].toolNumber, -1);
  EXPECT_EQ(tools[2].toolNumber, 1);
}

class LoadTools : public ::testing::TestWithParam<bool> {};

TEST_P(LoadTools, ReadsToolsFromCommonAndNumbersThem) {
  MemorySettings store(GetParam());
  std::vector<uint8_t> value = Value()
                                   .U32(kToolsFormat1)
                                   .U32(3)
                                   .Tool(kToolsFormat1, u"a", u"x")
                                   .Tool(kToolsFormat1, u"b", u"")
                                   .Tool(kToolsFormat1, u"c", u"y")
                                   .b;
  SettingsHandle common = store.OpenCommon(true);
  store.WriteBinary(common, u"Tools", value.data(), value.size(), false);
  store.CloseSettings(common);

  std::vector<ToolRecord> tools(5);
  EXPECT_TRUE(LoadToolsList(store, tools));
  ASSERT_EQ(tools.size(), 3u);
  EXPECT_EQ(tools[0].toolNumber, 0);
  EXPECT_EQ(tools[1].toolNumber, -1);
  EXPECT_EQ(tools[2].toolNumber, 1);
  EXPECT_EQ(tools[2].title, u"c");
  EXPECT_EQ(store.OpenHandles(), 0);
}

TEST_P(LoadTools, NothingStoredEmptiesTheList) {
  MemorySettings store(GetParam());
  std::vector<ToolRecord> tools(2);
  EXPECT_FALSE(LoadToolsList(store, tools));
  EXPECT_TRUE(tools.empty());
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, LoadTools, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
