#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "settings/memory_file_store.h"

namespace scrv {
namespace {

using Bytes = std::vector<uint8_t>;

// Expected file contents, written out field by field.
struct Expect {
  Bytes b;
  Expect& U8(uint8_t v) {
    b.push_back(v);
    return *this;
  }
  Expect& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
  Expect& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  Expect& Zeros(int n) {
    while (n--) U8(0);
    return *this;
  }
};

std::u16string PathOf(std::u16string_view folder, std::u16string_view name) {
  std::u16string p = u"/appdata/";
  p += folder;
  p += u"/";
  p += name;
  p += u".bin";
  return p;
}

SettingsRecord Open(uint32_t number) {
  return *OpenRecord(number, PathOf);
}

Bytes Build(const SettingsRecord& r) {
  return *BuildRecordFile(r.Lists(), r.Magic(), r.TextEncoding());
}

TEST(RecordTable, SampledRecordsHaveTheirFolderNameAndEncodingAndEveryMagicFollowsItsNumber) {
  struct Row {
    uint32_t number;
    const char16_t* folder;
    const char16_t* name;
    bool utf8;
  };
  const Row samples[] = {{0, u"Common", u"ActiveS", false},
                         {4, u"Config", u"Accel", false},
                         {22, u"Common", u"Menu13", false},
                         {23, u"Config", u"cfg1_", true},
                         {kRecordCount - 1, u"Common", u"csv2", true}};
  for (const Row& row : samples) {
    const RecordInfo* info = RecordInfoAt(row.number);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->folder, std::u16string_view(row.folder)) << row.number;
    EXPECT_EQ(info->name, std::u16string_view(row.name)) << row.number;
    EXPECT_EQ(info->text == RecordTextEncoding::kUtf8, row.utf8) << row.number;
  }
  for (uint32_t n = 0; n < kRecordCount; ++n)
    EXPECT_EQ(RecordInfoAt(n)->magic, 0xFF2000u + 0x100u * n);
  EXPECT_EQ(RecordInfoAt(kRecordCount), nullptr);
  EXPECT_EQ(RecordInfoAt(record::kCsv2)->magic, 0xFF3E00u);
}

TEST(RecordTable, OpenRecordBindsTheFileThroughThePathBuilder) {
  SettingsRecord r = Open(record::kMenu0 + 13);
  EXPECT_EQ(r.Path(), u"/appdata/Common/Menu13.bin");
  EXPECT_EQ(r.Magic(), 0xFF3600u);
  EXPECT_EQ(r.TextEncoding(), RecordTextEncoding::kUtf16);
  EXPECT_EQ(Open(record::kCfg1).Path(), u"/appdata/Config/cfg1_.bin");
  EXPECT_FALSE(OpenRecord(kRecordCount, PathOf));
}

TEST(RecordLayout, EmptyRecordIsMagicElevenZeroCountsAndFourZeroBytes) {
  Bytes expected = Expect().U32(0xFF3900).Zeros(11 * 4).Zeros(4).b;
  EXPECT_EQ(Build(Open(record::kCmn)), expected);
  EXPECT_EQ(expected.size(), 52u);
}

TEST(RecordLayout, NineBitsAreACountOfNineAndTwoBytes) {
  SettingsRecord r = Open(record::kActiveS);
  for (bool bit : {true, false, true, true, false, false, false, false, true}) r.AddBit(bit);
  Bytes expected =
      Expect().U32(0xFF2000).Zeros(8 * 4).U32(9).U8(0x0D).U8(0x01).Zeros(2 * 4).Zeros(4).b;
  EXPECT_EQ(Build(r), expected);
}

// The bytes of a file from offset at on.
Bytes From(const Bytes& file, size_t at) {
  return Bytes(file.begin() + at, file.end());
}

// The text list follows the magic word and four empty lists.
constexpr size_t kFirstText = 4 + 4 * 4 + 4;

TEST(RecordLayout, TextsAreLengthThenUnitsOrBytesByEncoding) {
  SettingsRecord utf8 = Open(record::kCsv);
  utf8.AddText(u"abc");
  Bytes file = Build(utf8);
  ASSERT_EQ(file.size(), 52u + 5u);
  EXPECT_EQ(Bytes(file.begin() + kFirstText, file.begin() + kFirstText + 5),
            (Bytes{0x03, 0x00, 0x61, 0x62, 0x63}));

  SettingsRecord utf16 = Open(record::kMacros);
  utf16.AddText(u"abc");
  file = Build(utf16);
  ASSERT_EQ(file.size(), 52u + 10u);
  EXPECT_EQ(Bytes(file.begin() + kFirstText, file.begin() + kFirstText + 10),
            (Bytes{0x03, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62, 0x00, 0x63, 0x00}));
}

TEST(RecordLayout, MapsAreWrittenInAscendingKeyOrder) {
  SettingsRecord r = Open(record::kNewCp);
  r.SetMapValue(900, 7);
  r.SetMapValue(3, 8);
  r.SetMapText(20, u"b");
  r.SetMapText(10, u"a");
  const size_t textMap = 4 + 9 * 4;  // magic and nine empty lists
  EXPECT_EQ(From(Build(r), textMap),
            (Bytes{2,  0, 0, 0,                                  // two texts
                   10, 0, 1, 0, 'a', 20, 0,    1, 0, 'b',        // keys 10 and 20
                   2,  0, 0, 0,                                  // two values
                   3,  0, 8, 0, 0,   0,  0x84, 3, 7, 0,   0, 0,  // keys 3 and 900
                   0,  0, 0, 0}));
}

TEST(RecordLayout, FontsAreNinetyTwoBytesInLogFontOrder) {
  SettingsRecord r = Open(record::kDevInfo);
  LogFont f;
  f.height = -12;
  f.weight = 700;
  f.italic = 1;
  f.pitchAndFamily = 0x31;
  std::memcpy(f.faceName, u"Mono", 8);
  r.AddFont(f);
  Bytes file = Build(r);
  ASSERT_EQ(file.size(), 52u + 92u);
  const size_t at = 4 + 6 * 4 + 4;  // magic, six counts, the font count
  Bytes font(file.begin() + at, file.begin() + at + 92);
  Expect e;
  e.U32(static_cast<uint32_t>(-12)).U32(0).U32(0).U32(0).U32(700);
  e.U8(1).Zeros(6).U8(0x31);
  e.U16('M').U16('o').U16('n').U16('o').Zeros(2 * 28);
  EXPECT_EQ(font, e.b);
}

// A record with something in every list, including characters outside the basic plane.
SettingsRecord FullRecord(uint32_t number) {
  SettingsRecord r = Open(number);
  r.AddQword(0x0102030405060708ull);
  r.AddQword(UINT64_MAX);
  r.AddDword(0xA1B2C3D4);
  r.AddWord(0xBEEF);
  r.AddWord(1);
  r.AddByte(0x7F);
  r.AddText(u"first");
  r.AddText(u"");
  r.AddText(u"\u00e9t\u00e9 \U0001F600");
  r.AddBlob({1, 2, 3});
  r.AddBlob({});
  LogFont f;
  f.height = -16;
  f.charSet = 128;
  std::memcpy(f.faceName, u"Sans Serif", 20);
  r.AddFont(f);
  r.AddFont(LogFont{});
  r.AddSecondDword(42);
  for (int i = 0; i < 11; ++i) r.AddBit(i % 3 == 0);
  r.SetMapText(0xFFFF, u"last");
  r.SetMapText(0, u"zero");
  r.SetMapValue(5, 0xFFFFFFFF);
  r.SetMapValue(1, 1);
  return r;
}

TEST(RecordFile, EveryListRoundTripsInBothEncodings) {
  for (uint32_t number : {record::kPlugIns, record::kAssoc}) {
    MemoryFileStore files;
    SettingsRecord saved = FullRecord(number);
    RecordLists before = saved.Lists();
    ASSERT_TRUE(SaveRecord(saved, files));
    SettingsRecord loaded = Open(number);
    ASSERT_EQ(LoadRecord(loaded, files), ReadResult::kRead);
    EXPECT_EQ(loaded.Lists(), before) << number;
    EXPECT_EQ(loaded.NextQword(), 0x0102030405060708ull);
    EXPECT_EQ(loaded.NextQword(), UINT64_MAX);
    EXPECT_EQ(loaded.NextQword(), std::nullopt);
    EXPECT_EQ(loaded.NextText(), u"first");
    EXPECT_EQ(loaded.NextText(), u"");
    EXPECT_EQ(loaded.NextText(), u"\u00e9t\u00e9 \U0001F600");
    EXPECT_EQ(loaded.NextBlob(), (Bytes{1, 2, 3}));
    EXPECT_EQ(loaded.NextFont()->charSet, 128);
    EXPECT_EQ(loaded.NextBit(), true);
    EXPECT_EQ(loaded.NextBit(), false);
    ASSERT_NE(loaded.FindMapText(0xFFFF), nullptr);
    EXPECT_EQ(*loaded.FindMapText(0xFFFF), u"last");
    EXPECT_EQ(loaded.FindMapText(7), nullptr);
    EXPECT_EQ(loaded.FindMapValue(5), 0xFFFFFFFFu);
    EXPECT_EQ(loaded.FindMapValue(6), std::nullopt);
  }
}

TEST(RecordFile, LoneSurrogatesInAUtf8RecordComeBackAsReplacements) {
  MemoryFileStore files;
  SettingsRecord r = Open(record::kRebar);
  r.AddText(std::u16string(u"a") + char16_t{0xD800});
  ASSERT_TRUE(SaveRecord(r, files));
  SettingsRecord loaded = Open(record::kRebar);
  ASSERT_EQ(LoadRecord(loaded, files), ReadResult::kRead);
  EXPECT_EQ(loaded.NextText(), u"a\uFFFD");
}

TEST(RecordFile, Utf8TextIsCutAfterTheLastCharacterThatFitsItsLength) {
  SettingsRecord r = Open(record::kCmn);
  r.AddText(std::u16string(21845, u'\u20ac') + u"x");  // 65535 bytes, then one more
  Bytes file = Build(r);
  EXPECT_EQ(file[kFirstText] | file[kFirstText + 1] << 8, 0xFFFF);
  RecordLists back;
  ASSERT_TRUE(ParseRecordFile(file.data(), file.size(), r.Magic(), r.TextEncoding(), back));
  EXPECT_EQ(back.texts.at(0), std::u16string(21845, u'\u20ac'));
}

TEST(RecordFile, ReadPositionsStartOverAfterSaveAndLoad) {
  MemoryFileStore files;
  SettingsRecord r = Open(record::kAccel);
  r.AddDword(1);
  r.AddDword(2);
  EXPECT_EQ(r.NextDword(), 1u);
  ASSERT_TRUE(SaveRecord(r, files));
  EXPECT_EQ(r.NextDword(), 1u);
  EXPECT_EQ(r.NextDword(), 2u);
  EXPECT_EQ(r.NextDword(), std::nullopt);
  EXPECT_EQ(LoadRecord(r, files), ReadResult::kRead);
  EXPECT_EQ(r.NextDword(), 1u);
}

TEST(RecordFile, SavingFreesTheBlobsWhetherOrNotTheWriteSucceeds) {
  MemoryFileStore files;
  SettingsRecord r = Open(record::kFileAttr);
  r.AddBlob({9, 9});
  r.AddByte(5);
  ASSERT_TRUE(SaveRecord(r, files));
  EXPECT_TRUE(r.Lists().blobs.empty());
  EXPECT_EQ(r.Lists().bytes, Bytes{5});
  const Bytes first = files.Find(r.Path())->bytes;

  files.failWrites = true;
  r.AddBlob({7});
  r.AddByte(6);
  (void)r.NextByte();
  EXPECT_FALSE(SaveRecord(r, files));
  EXPECT_TRUE(r.Lists().blobs.empty());
  EXPECT_EQ(r.NextByte(), 5) << "positions reset after a failed save too";
  EXPECT_EQ(files.Find(r.Path())->bytes, first) << "the old file stays";
}

TEST(RecordFile, AnUnchangedFileIsNotReadAgain) {
  MemoryFileStore files;
  SettingsRecord writer = Open(record::kFRP);
  writer.AddWord(3);
  ASSERT_TRUE(SaveRecord(writer, files));
  SettingsRecord r = Open(record::kFRP);
  EXPECT_EQ(LoadRecord(r, files), ReadResult::kRead);
  EXPECT_EQ(r.NextWord(), 3);
  EXPECT_EQ(LoadRecord(r, files), ReadResult::kUnchanged);
  EXPECT_EQ(r.NextWord(), 3) << "the lists stay and are read from the start";
  writer.AddWord(4);
  ASSERT_TRUE(SaveRecord(writer, files));
  EXPECT_EQ(LoadRecord(r, files), ReadResult::kRead);
  EXPECT_EQ(r.Lists().words, (std::vector<uint16_t>{3, 4}));
}

TEST(RecordFile, MissingFileOrOtherMagicLeavesTheRecordEmpty) {
  MemoryFileStore files;
  SettingsRecord r = Open(record::kBRP);
  r.AddDword(1);
  EXPECT_EQ(LoadRecord(r, files), ReadResult::kFailed);
  EXPECT_EQ(r.Lists(), RecordLists{});

  SettingsRecord other = Open(record::kFRP);  // same folder, another record's magic
  other.AddDword(1);
  ASSERT_TRUE(SaveRecord(other, files));
  files.Put(r.Path(), files.Find(other.Path())->bytes);
  r.AddDword(1);
  EXPECT_EQ(LoadRecord(r, files), ReadResult::kFailed);
  EXPECT_EQ(r.Lists(), RecordLists{});
  EXPECT_EQ(LoadRecord(r, files), ReadResult::kFailed) << "a failed load is tried again";
}

TEST(RecordFile, EveryPrefixOfAFileIsRefusedWhole) {
  for (uint32_t number : {record::kPropEx, record::kCsv2}) {
    SettingsRecord r = FullRecord(number);
    Bytes file = Build(r);
    for (size_t n = 0; n < file.size(); ++n) {
      // A copy of exactly n bytes, so the sanitizers catch any read past it.
      Bytes prefix(file.begin(), file.begin() + n);
      RecordLists lists;
      lists.bytes = {1};
      EXPECT_FALSE(ParseRecordFile(prefix.data(), n, r.Magic(), r.TextEncoding(), lists)) << n;
      EXPECT_EQ(lists, RecordLists{}) << n;
    }
    RecordLists lists;
    EXPECT_TRUE(ParseRecordFile(file.data(), file.size(), r.Magic(), r.TextEncoding(), lists));
    EXPECT_EQ(lists, r.Lists());
  }
}

TEST(RecordFile, CountsLargerThanTheFileAreRefusedBeforeAnythingIsAllocated) {
  const uint32_t magic = RecordInfoAt(record::kActiveS)->magic;
  for (int list = 0; list < 11; ++list) {
    Expect e;
    e.U32(magic).Zeros(4 * list).U32(0xFFFFFFFF).Zeros(64);
    RecordLists lists;
    EXPECT_FALSE(ParseRecordFile(e.b.data(), e.b.size(), magic, RecordTextEncoding::kUtf16, lists))
        << list;
  }
  // One text claiming more code units than follow.
  Expect e;
  e.U32(magic).Zeros(4 * 4).U32(1).U32(0x7FFFFFFF).Zeros(60);
  RecordLists lists;
  EXPECT_FALSE(ParseRecordFile(e.b.data(), e.b.size(), magic, RecordTextEncoding::kUtf16, lists));
}

TEST(RecordFile, BytesAfterTheEndMarkerAreIgnored) {
  SettingsRecord r = FullRecord(record::kCfg2);
  Bytes file = Build(r);
  file.push_back(0xAB);
  RecordLists lists;
  EXPECT_TRUE(ParseRecordFile(file.data(), file.size(), r.Magic(), r.TextEncoding(), lists));
  EXPECT_EQ(lists, r.Lists());
}

}  // namespace
}  // namespace scrv
