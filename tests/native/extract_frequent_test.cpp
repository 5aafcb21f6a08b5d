#include "tools/extract_frequent.h"

#include <gtest/gtest.h>

#include "settings/csv_format_names.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

using Bytes = std::vector<uint8_t>;
using Words = std::vector<std::u16string>;

Bytes Utf16(std::u16string_view text, bool mark) {
  Bytes out;
  if (mark) out = {0xFF, 0xFE};
  for (char16_t u : text) {
    out.push_back(static_cast<uint8_t>(u));
    out.push_back(static_cast<uint8_t>(u >> 8));
  }
  return out;
}

Words Parse(const Bytes& b) {
  return ParseIgnoreList(b.data(), b.size());
}

TEST(IgnoreFile, WordsAreSortedWithoutEmptiesAndWrittenBackWithTheMarkAndLineFeeds) {
  Words words = Parse(Utf16(u"b\na\n\nc", false));
  EXPECT_EQ(words, (Words{u"a", u"b", u"c"}));
  EXPECT_EQ(BuildIgnoreList(words), Utf16(u"a\nb\nc\n", true));
  EXPECT_EQ(Parse(Utf16(u"b\na\n\nc", true)), words) << "the mark is skipped";
  EXPECT_EQ(BuildIgnoreList({}), Utf16(u"", true));
}

TEST(IgnoreFile, OddInputGivesTheWordsThatCanBeKept) {
  struct Case {
    Bytes file;
    Words words;
  } cases[] = {
      {Utf16(u"two\r\none\r\n", true), {u"one", u"two"}},           // CR LF lines
      {Utf16(std::u16string(u"a\0b\nb", 5), false), {u"a", u"b"}},  // NUL ends a word; once each
      {Utf16(u"\xD800x\n\xDC00", false), {u"\xD800x", u"\xDC00"}},  // lone surrogates kept
      {{0xFF, 0xFE, 'z', 0, 'q'}, {u"z"}},                          // odd last byte
      {{0xFF}, {}},
      {{}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(c.file), c.words);
  EXPECT_TRUE(ParseIgnoreList(nullptr, 4).empty());

  std::u16string longWord(150000, u'w');
  Words one = Parse(Utf16(longWord, false));
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].size(), 150000u);
  EXPECT_EQ(BuildIgnoreList(one).size(), 2 + 2 * 150001u);
}

TEST(IgnoreList, EditingAppendsOrRenamesAndRefusesEmptyDuplicateAndBrokenWords) {
  using R = IgnoreList::EditResult;
  IgnoreList list({u"apple", u"pear"});
  EXPECT_EQ(list.Edit(2, u""), R::kEmpty);
  EXPECT_EQ(list.Edit(2, u"pear"), R::kDuplicate);
  EXPECT_EQ(list.Edit(0, u"pear"), R::kDuplicate) << "renaming onto an existing word";
  EXPECT_EQ(list.Edit(0, u"Pear"), R::kAccepted) << "the comparison keeps case";
  EXPECT_EQ(list.Edit(2, u"fig"), R::kAccepted);
  EXPECT_EQ(list.Edit(9, u"a\nb"), R::kInvalid);
  EXPECT_EQ(list.Words(), (Words{u"Pear", u"pear", u"fig"}));
}

TEST(IgnoreList, PasteInsertsNewWordsAtThePlaceAndDeleteSelectsTheOldFirstRow) {
  IgnoreList list({u"a", u"b", u"c", u"d"});
  EXPECT_TRUE(list.Insert(1, u"x"));
  EXPECT_FALSE(list.Insert(1, u"c"));
  EXPECT_TRUE(list.Insert(99, u"z"));
  EXPECT_EQ(list.Words(), (Words{u"a", u"x", u"b", u"c", u"d", u"z"}));
  EXPECT_EQ(list.Delete({3, 1, 3, 42}), 1);
  EXPECT_EQ(list.Words(), (Words{u"a", u"b", u"d", u"z"}));
  EXPECT_EQ(list.Delete({2, 3}), -1) << "nothing is left at the old first row";
  EXPECT_EQ(list.Delete({}), -1);
  EXPECT_EQ(list.Words(), (Words{u"a", u"b"}));
}

TEST(LineCount, OnlyWholeNumbersOfAtLeastOneAreTaken) {
  struct {
    std::u16string_view text;
    std::optional<int32_t> value;
  } cases[] = {{u"100", 100},
               {u" 7 ", 7},
               {u"+3", 3},
               {u"0", std::nullopt},
               {u"", std::nullopt},
               {u"-5", std::nullopt},
               {u"1x", std::nullopt},
               {u"2147483647", 2147483647},
               {u"2147483648", std::nullopt}};
  for (const auto& c : cases)
    EXPECT_EQ(ParseLineCount(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

class ExtractFrequentOptionsTest : public ::testing::TestWithParam<bool> {
 protected:
  bool Stored(std::u16string_view name) const { return store.Find(u"Common", name) != nullptr; }
  uint32_t Dword(std::u16string_view name) { return store.ReadCommonDword(name, 0xDEAD); }

  MemorySettings store{GetParam()};
  FlagTable flags{1252};
};

TEST_P(ExtractFrequentOptionsTest, DefaultsAreReadFromAnEmptyStoreAndNotStoredBack) {
  ExtractFrequentOptions o = LoadExtractFrequentOptions(store, flags, true);
  EXPECT_EQ(o.lines, 100);
  EXPECT_EQ(o.formatIndex, 0);
  EXPECT_TRUE(o.matchCase);
  EXPECT_FALSE(o.secondKind);
  EXPECT_FALSE(o.selectionOnly);
  SaveExtractFrequentOptions(store, flags, o, true);
  for (auto name : {u"ExtractFreqLines", u"ExtractFreqCsv", u"ExtractFreqCase", u"ExtractFreqType",
                    u"ExtractFreqSelOnly"})
    EXPECT_FALSE(Stored(name)) << std::string(name, name + 5);
  EXPECT_EQ(store.OpenHandles(), 0);
}

TEST_P(ExtractFrequentOptionsTest, ChangedOptionsAreStoredAndReadBack) {
  ExtractFrequentOptions o{25, 2, false, true, true};
  SaveExtractFrequentOptions(store, flags, o, true);
  EXPECT_EQ(Dword(u"ExtractFreqLines"), 25u);
  EXPECT_EQ(Dword(u"ExtractFreqCsv"), 2u);
  EXPECT_EQ(Dword(u"ExtractFreqCase"), 0u);
  EXPECT_EQ(Dword(u"ExtractFreqType"), 1u);
  EXPECT_EQ(Dword(u"ExtractFreqSelOnly"), 1u);
  ExtractFrequentOptions back = LoadExtractFrequentOptions(store, flags, true);
  EXPECT_EQ(back.lines, 25);
  EXPECT_EQ(back.formatIndex, 2);
  EXPECT_FALSE(back.matchCase);
  EXPECT_TRUE(back.secondKind);
  EXPECT_TRUE(back.selectionOnly);
}

TEST_P(ExtractFrequentOptionsTest, WithoutTheSelectionFlagSelectionOnlyIsShownAndWrittenFalse) {
  store.WriteCommonDword(u"ExtractFreqSelOnly", 1);
  EXPECT_FALSE(LoadExtractFrequentOptions(store, flags, false).selectionOnly);
  ExtractFrequentOptions o;
  o.selectionOnly = true;
  SaveExtractFrequentOptions(store, flags, o, false);
  EXPECT_FALSE(Stored(u"ExtractFreqSelOnly"));
}

TEST_P(ExtractFrequentOptionsTest, StoredLineCountBelowOneAndHighFormatBitsAreIgnored) {
  store.WriteCommonDword(u"ExtractFreqLines", 0xFFFFFFFF);
  store.WriteCommonDword(u"ExtractFreqCsv", 0x1203);
  ExtractFrequentOptions o = LoadExtractFrequentOptions(store, flags, true);
  EXPECT_EQ(o.lines, 100);
  EXPECT_EQ(o.formatIndex, 3);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, ExtractFrequentOptionsTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

RecordLists FormatLists(uint32_t version, std::vector<std::u16string> names) {
  RecordLists l;
  l.qwords = {1234};
  l.dwords = {version};
  l.words = {static_cast<uint16_t>(names.size())};
  for (auto& n : names) {
    l.texts.push_back(n);
    l.texts.push_back(u",");
    l.texts.push_back(u"");
  }
  return l;
}

TEST(CsvFormatNames, NamesComeFromTheRecordAndVersionZeroGetsThePipeFormat) {
  EXPECT_EQ(CsvFormatNames(FormatLists(2, {u"Comma", u"Tab"}), false, u"Pipe"),
            (Words{u"Comma", u"Tab"}));
  EXPECT_EQ(CsvFormatNames(FormatLists(0, {u"Comma"}), false, u"Pipe"), (Words{u"Comma", u"Pipe"}));
  EXPECT_EQ(CsvFormatNames(FormatLists(0, {u"Comma"}), false, u""), (Words{u"Comma"}));
  EXPECT_EQ(CsvFormatNames(FormatLists(0, {u"Comma"}), true, u"Pipe"), (Words{u"Comma", u"Pipe"}));
  EXPECT_FALSE(CsvFormatNames(FormatLists(2, {u"Comma"}), true, u"Pipe")) << "older record";
  EXPECT_FALSE(CsvFormatNames(FormatLists(2, {}), false, u"Pipe"));
  RecordLists short_ = FormatLists(2, {u"Comma", u"Tab"});
  short_.texts.pop_back();
  EXPECT_FALSE(CsvFormatNames(short_, false, u"Pipe")) << "fewer texts than the count needs";
  EXPECT_FALSE(CsvFormatNames(RecordLists{}, false, u"Pipe"));
}

}  // namespace
}  // namespace scrv
