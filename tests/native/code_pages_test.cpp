#include "integration/code_pages.h"

#include <gtest/gtest.h>

#include "settings/memory_file_store.h"

namespace scrv {
namespace {

using Pages = std::vector<uint16_t>;

SettingsRecord NewCpRecord() {
  return *OpenRecord(record::kNewCp, [](std::u16string_view, std::u16string_view name) {
    return u"/appdata/Common/" + std::u16string(name) + u".bin";
  });
}

TEST(CodePages, DefaultListSpotChecks) {
  EXPECT_EQ(kDefaultCodePages.front(), 708);
  EXPECT_EQ(kDefaultCodePages[9], 936);
  EXPECT_EQ(kDefaultCodePages[28], 932);
  EXPECT_EQ(kDefaultCodePages.back(), 1252);
}

TEST(CodePages, CandidatesKeepTheServiceOrderWithoutUnicodeAutoSelectAndRepeats) {
  std::vector<CodePageInfo> enumerated = {{1252, 1252, 0},  {65001, 1200, 0},  {50000, 50000, 0},
                                          {932, 932, 128},  {1200, 1200, 0},   {1252, 1252, 0},
                                          {70000, 1252, 0}, {20866, 1251, 204}};
  EXPECT_EQ(CandidateCodePages(enumerated), (Pages{1252, 932, 20866}));
}

TEST(CodePages, CharsetNamesFollowTheirTableAndUnknownSetsTakeTheFirst) {
  EXPECT_EQ(CharsetNameOffset(1), 0u);
  EXPECT_EQ(CharsetNameOffset(178), 1u);
  EXPECT_EQ(CharsetNameOffset(128), 9u);
  EXPECT_EQ(CharsetNameOffset(0), 14u);
  EXPECT_EQ(CharsetNameOffset(255), 15u);
  EXPECT_EQ(CharsetNameOffset(77), 0u);
  EXPECT_EQ(CharsetNameOffset(std::nullopt), 0u);
}

TEST(CodePages, AListIsStoredWithTimeAndZeroAndTheDefaultListRemovesTheRecord) {
  MemoryFileStore files;
  SettingsRecord r = NewCpRecord();
  ASSERT_TRUE(SaveCodePages(r, files, {932, 1252}, 0x0102030405060708));
  const auto* file = files.Find(r.Path());
  ASSERT_NE(file, nullptr);
  SettingsRecord back = NewCpRecord();
  ASSERT_EQ(LoadRecord(back, files), ReadResult::kRead);
  EXPECT_EQ(back.Lists().qwords, (std::vector<uint64_t>{0x0102030405060708}));
  EXPECT_EQ(back.Lists().dwords, (std::vector<uint32_t>{0}));
  EXPECT_EQ(back.Lists().words, (Pages{2, 932, 1252}));
  EXPECT_EQ(CodePagesFromRecord(back), (Pages{932, 1252}));

  SettingsRecord again = NewCpRecord();
  EXPECT_TRUE(SaveCodePages(again, files, DefaultCodePages(), 1));
  EXPECT_EQ(files.Find(r.Path()), nullptr);
  EXPECT_TRUE(SaveCodePages(again, files, DefaultCodePages(), 1)) << "nothing left to remove";
}

TEST(CodePages, ARecordWhoseCountRunsPastItsEntriesIsNotAList) {
  MemoryFileStore files;
  SettingsRecord r = NewCpRecord();
  r.AddWord(3);
  r.AddWord(932);
  r.AddWord(1252);
  ASSERT_TRUE(SaveRecord(r, files));
  SettingsRecord back = NewCpRecord();
  ASSERT_EQ(LoadRecord(back, files), ReadResult::kRead);
  EXPECT_FALSE(CodePagesFromRecord(back));
  EXPECT_FALSE(CodePagesFromRecord(r)) << "an empty record";
}

TEST(CodePages, SelectionTicksStoredPagesAndDropsThoseTheSystemLacks) {
  CodePageSelection s({1252, 932, 28592}, {932, 4711, 1252});
  EXPECT_TRUE(s.Ticked(0));
  EXPECT_TRUE(s.Ticked(1));
  EXPECT_FALSE(s.Ticked(2));
  EXPECT_FALSE(s.Ticked(9));
  EXPECT_EQ(s.Result(), (Pages{1252, 932})) << "candidate order; 4711 is gone";
  s.SetTicked(0, false);
  s.SetTicked(2, true);
  EXPECT_EQ(s.Result(), (Pages{932, 28592}));
  s.Reset();
  EXPECT_EQ(s.Result(), (Pages{1252, 932, 28592}));
}

TEST(CodePages, ResetWritesInPlaceOnlyIntoSoundStorageWithRoom) {
  alignas(8) uint16_t buffer[40] = {};
  auto header = [&](size_t used, size_t capacity, size_t skew = 0) {
    auto* base = reinterpret_cast<char*>(buffer) + skew;
    return HostVectorHeader{base, base + 2 * used, base + 2 * capacity};
  };
  EXPECT_EQ(PlanWordStorage(header(0, 38), 38), WordStorage::kInPlace);
  EXPECT_EQ(PlanWordStorage(header(5, 40), 38), WordStorage::kInPlace);
  EXPECT_EQ(PlanWordStorage(header(5, 37), 38), WordStorage::kNewBlock);
  EXPECT_EQ(PlanWordStorage(header(5, 39, 1), 38), WordStorage::kNewBlock) << "misaligned";
  EXPECT_EQ(PlanWordStorage(HostVectorHeader{}, 38), WordStorage::kNewBlock);
  HostVectorHeader backwards = header(10, 40);
  std::swap(backwards.last, backwards.end);
  backwards.last = buffer;  // last before first
  backwards.first = buffer + 2;
  EXPECT_EQ(PlanWordStorage(backwards, 38), WordStorage::kNewBlock);
  HostVectorHeader odd = header(2, 39);
  odd.end = static_cast<const char*>(odd.end) + 1;
  EXPECT_EQ(PlanWordStorage(odd, 38), WordStorage::kNewBlock);
}

}  // namespace
}  // namespace scrv
