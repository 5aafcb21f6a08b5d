#include "tools/filter_file.h"
#include "filter_test_util.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace scrv {
namespace {

using namespace filter_flag;

// Whole files kept in memory; a write can be made to fail.
class MemoryFiles : public FileStore {
 public:
  ReadResult ReadWholeFile(std::u16string_view path, uint64_t*,
                           std::vector<uint8_t>& out) override {
    auto it = files.find(std::u16string(path));
    if (it == files.end() || it->second.empty()) return ReadResult::kFailed;
    out = it->second;
    return ReadResult::kRead;
  }
  bool WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) override {
    if (failWrites) return false;
    files[std::u16string(path)].assign(data, data + size);
    return true;
  }
  bool RemoveWholeFile(std::u16string_view path) override {
    files.erase(std::u16string(path));
    return true;
  }
  std::map<std::u16string, std::vector<uint8_t>> files;
  bool failWrites = false;
};

std::vector<uint8_t> Utf16Le(std::u16string_view text, bool bom) {
  std::vector<uint8_t> out;
  if (bom) out = {0xFF, 0xFE};
  for (char16_t u : text) {
    out.push_back(static_cast<uint8_t>(u));
    out.push_back(static_cast<uint8_t>(u >> 8));
  }
  return out;
}

TEST(FilterFile, FullLineHoldsEveryFieldSeparatedByTabs) {
  FilterCondition c =
      Make(kEnabled | kCase | kRegExp | kMatchNL | kCrOnly | kNumberRange, 3, -1, 40, u"abc");
  EXPECT_EQ(FormatFilterLines({&c, 1}, FilterFileFormat::kFull), u"on\tabc\t3\tCR1\t-1\t40\r\n");
  c.flags = 0;
  EXPECT_EQ(FormatFilterLines({&c, 1}, FilterFileFormat::kFull), u"off\tabc\t3\t\t-1\t40\r\n");
  EXPECT_EQ(FormatFilterLines({&c, 1}, FilterFileFormat::kPlain), u"abc\r\n");
}

TEST(FilterFile, FullRoundTripKeepsAllButTheNumberRangeKind) {
  std::vector<FilterCondition> list = {
      Make(kEnabled | kCase | kOnlyWord | kNegative, -1, 0, -1, u"first"),
      Make(kEscSeq | kWholeString | kLogicalOr | kBookmarkedOnly, 2, 0, -1, u"a\\tb"),
      Make(kEnabled | kRegExp | kUnbookmarkedOnly | kMatchNL | kCrLf | kNLOthers, 0, 0, -1,
           u"^x.*$"),
      Make(kEnabled | kNumberRange, -2, 4, 99, u"[1 , 5]"),
      Make(kEnabled, -2, -1, -1, u""),
      Make(kEnabled | kCase, 5, 0, -1, u"ends in a control\x01"),
      Make(kEnabled, 1, 0, -1, u"\u65e5\u672c \U0001F600"),
  };
  MemoryFiles files;
  ASSERT_TRUE(SaveFilterFile(files, u"c.tsv", list, FilterSaveType::kFull));
  const std::vector<uint8_t>& bytes = files.files[u"c.tsv"];
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);

  auto loaded = LoadFilterFile(files, u"c.tsv", kWholeString, DecodeLatin1);
  ASSERT_TRUE(loaded);
  std::vector<FilterCondition> expected = list;
  expected[3].flags &= ~kNumberRange;
  EXPECT_EQ(*loaded, expected);
}

TEST(FilterFile, PlainLinesGetTheDefaultFlags) {
  auto list = ParseFilterLines(u"alpha\r\nbeta", kCase | kRegExp);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], Make(kEnabled | kCase | kRegExp, -1, 0, -1, u"alpha"));
  EXPECT_EQ(list[1].text, u"beta");
}

TEST(FilterFile, LinesEndAtCrLfOrCrLfAndEmptyLinesAreSkipped) {
  auto list = ParseFilterLines(u"a\rb\nc\r\nd\r\n\r\n\n\re", 0);
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].text, u"a");
  EXPECT_EQ(list[1].text, u"b");
  EXPECT_EQ(list[2].text, u"c");
  EXPECT_EQ(list[3].text, u"d");
  EXPECT_EQ(list[4].text, u"e");
}

TEST(FilterFile, PlainLineTakesTheSecondFieldOnlyWhenATabIsWithinTheFirst255) {
  std::u16string field254(254, u'x');
  auto near = ParseFilterLines(field254 + u"\tsecond\tthird", 0);
  ASSERT_EQ(near.size(), 1u);
  EXPECT_EQ(near[0].text, u"second");

  std::u16string field255(255, u'x');
  auto far = ParseFilterLines(field255 + u"\tsecond\tthird", 0);
  ASSERT_EQ(far.size(), 1u);
  EXPECT_EQ(far[0].text, field255 + u"\tsecond\tthird");

  EXPECT_EQ(ParseFilterLines(u"key\tvalue", 0)[0].text, u"value");
  EXPECT_EQ(ParseFilterLines(u"\t", 0)[0].text, u"");
}

TEST(FilterFile, OnOrOffMustBeTheWholeFirstField) {
  EXPECT_EQ(ParseFilterLines(u"on", 0)[0], Make(kEnabled, -1, 0, -1, u""));
  EXPECT_EQ(ParseFilterLines(u"off\tx", kCase)[0], Make(0, -1, 0, -1, u"x"));
  EXPECT_EQ(ParseFilterLines(u"On\tx", kCase)[0], Make(kEnabled | kCase, -1, 0, -1, u"x"));
  EXPECT_EQ(ParseFilterLines(u"onx\ty\tz", 0)[0].text, u"y");
}

TEST(FilterFile, FullLineNumbersAreLeadingDecimalsWithDefaultsForMissingFields) {
  auto c = ParseFilterLines(u"on\tt\t 12abc\tCzU\t+7\t-1\textra", 0)[0];
  EXPECT_EQ(c, Make(kEnabled | kCase | kUnbookmarkedOnly, 12, 7, -1, u"t"));
  c = ParseFilterLines(u"on\tt\tx\t\t\t", 0)[0];
  EXPECT_EQ(c, Make(kEnabled, -1, 0, -1, u"t"));
  c = ParseFilterLines(u"off\tt\t99999999999\tW\t-99999999999", 0)[0];
  EXPECT_EQ(c, Make(kOnlyWord, 2147483647, -2147483647 - 1, -1, u"t"));
}

TEST(FilterFile, TextsAreCutToTheLimit) {
  std::u16string longText(kFilterTextMax + 10, u'k');
  EXPECT_EQ(ParseFilterLines(longText, 0)[0].text.size(), kFilterTextMax);
  EXPECT_EQ(ParseFilterLines(u"on\t" + longText + u"\t1", 0)[0].text.size(), kFilterTextMax);
  EXPECT_EQ(ParseFilterLines(u"a\t" + longText, 0)[0].text.size(), kFilterTextMax);
}

TEST(FilterFile, TextEndsAtAZeroUnit) {
  std::u16string text = u"one\r\ntw";
  text += u'\0';
  text += u"o\r\nthree";
  auto list = ParseFilterLines(text, 0);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].text, u"tw");
}

TEST(FilterFile, DecodingChoosesUtf16ByMarkOrSecondZeroByte) {
  auto latin1 = [](std::string_view b) { return DecodeLatin1(b); };
  EXPECT_EQ(DecodeFilterFile(Utf16Le(u"x\u20acy", true), latin1), u"x\u20acy");
  EXPECT_EQ(DecodeFilterFile(Utf16Le(u"xy", false), latin1), u"xy");
  std::vector<uint8_t> odd = Utf16Le(u"ab", true);
  odd.push_back('c');
  EXPECT_EQ(DecodeFilterFile(odd, latin1), u"ab");
  const std::vector<uint8_t> ansi = {'o', 'n', '\t', 0xE9, '\r', '\n'};
  EXPECT_EQ(DecodeFilterFile(ansi, latin1), u"on\t\u00e9\r\n");
  // A first zero byte is not UTF-16 by the second rule: the converter gets it.
  int calls = 0;
  auto counting = [&](std::string_view b) {
    ++calls;
    return DecodeLatin1(b);
  };
  DecodeFilterFile(std::vector<uint8_t>{0, 0, 'a'}, counting);
  DecodeFilterFile(std::vector<uint8_t>{'a'}, counting);
  EXPECT_EQ(calls, 2);
}

TEST(FilterFile, AnsiFileLoadsThroughTheConverter) {
  MemoryFiles files;
  files.files[u"a.tsv"] = {'o', 'f',  'f',  '\t', 'c', 'a', 'f', 0xE9, '\t', '1', '\t',
                           'N', '\r', '\n', 'p',  'l', 'a', 'i', 'n',  '\r', '\n'};
  auto loaded = LoadFilterFile(files, u"a.tsv", kOnlyWord, DecodeLatin1);
  ASSERT_TRUE(loaded);
  ASSERT_EQ(loaded->size(), 2u);
  EXPECT_EQ((*loaded)[0], Make(kNegative, 1, 0, -1, u"caf\u00e9"));
  EXPECT_EQ((*loaded)[1], Make(kEnabled | kOnlyWord, -1, 0, -1, u"plain"));
}

TEST(FilterFile, MissingEmptyOrBlankFilesLoadNothing) {
  MemoryFiles files;
  EXPECT_FALSE(LoadFilterFile(files, u"none.tsv", 0, DecodeLatin1));
  files.files[u"empty.tsv"] = {};
  EXPECT_FALSE(LoadFilterFile(files, u"empty.tsv", 0, DecodeLatin1));
  files.files[u"bom.tsv"] = {0xFF, 0xFE, '\r', 0, '\n', 0};
  EXPECT_FALSE(LoadFilterFile(files, u"bom.tsv", 0, DecodeLatin1));
}

TEST(FilterFile, GarbageLoadsWithinBounds) {
  std::mt19937 random(20240611);
  MemoryFiles files;
  for (int round = 0; round < 200; ++round) {
    std::vector<uint8_t> bytes(1 + random() % 5000);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    if (round % 3 == 0 && bytes.size() > 1) {
      bytes[0] = 0xFF;  // every third file claims to be UTF-16
      bytes[1] = 0xFE;
    }
    files.files[u"g"] = bytes;
    auto loaded = LoadFilterFile(files, u"g", 0, DecodeLatin1);
    if (!loaded) continue;
    for (const FilterCondition& c : *loaded) {
      EXPECT_LE(c.text.size(), kFilterTextMax);
      EXPECT_EQ(c.text.find_first_of(u"\r\n"), std::u16string::npos);
    }
  }
}

TEST(FilterFile, FailedSaveLeavesTheOldFile) {
  MemoryFiles files;
  files.files[u"k.tsv"] = {1, 2, 3};
  files.failWrites = true;
  FilterCondition c = Make(kEnabled, -1, 0, -1, u"x");
  EXPECT_FALSE(SaveFilterFile(files, u"k.tsv", {&c, 1}, FilterSaveType::kPlain));
  EXPECT_EQ(files.files[u"k.tsv"], (std::vector<uint8_t>{1, 2, 3}));
}

TEST(FilterFile, SaveTypeFollowsTheTypeList) {
  FilterCondition c = Make(kEnabled, -1, 0, -1, u"x");
  EXPECT_EQ(FormatFilterSave({&c, 1}, FilterSaveTypeFromIndex(1)), u"on\tx\t-1\t\t0\t-1\r\n");
  EXPECT_EQ(FormatFilterSave({&c, 1}, FilterSaveTypeFromIndex(2)),
            u"document.Filter(\"x\",0,0,0,0,0);\r\n");
  EXPECT_EQ(FormatFilterSave({&c, 1}, FilterSaveTypeFromIndex(3)),
            u"document.Filter \"x\",0,0,0,0,0\r\n");
  EXPECT_EQ(FormatFilterSave({&c, 1}, FilterSaveTypeFromIndex(4)), u"x\r\n");
  EXPECT_EQ(FilterSaveTypeFromIndex(0), FilterSaveType::kFull);
  EXPECT_EQ(FilterSaveTypeFromIndex(7), FilterSaveType::kFull);
}

TEST(FilterFile, EncodedTextIsUtf16LeWithMark) {
  EXPECT_EQ(EncodeFilterFileText(u"a\u0102"), (std::vector<uint8_t>{0xFF, 0xFE, 'a', 0, 2, 1}));
}

}  // namespace
}  // namespace scrv
