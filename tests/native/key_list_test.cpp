#include "controls/key_list.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host_key_list.h"

namespace scrv {
namespace {

HostVectorHeader Header(const void* first, const void* last, const void* end) {
  return {first, last, end};
}

// An address past the storage, built without pointer arithmetic on the storage itself.
const void* Beyond(const void* p, size_t bytes) {
  return reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(p) + bytes);
}

TEST(KeyList, ReadsAndWritesTheHostEntriesInPlace) {
  HostKeyList host({{2, 0x4000000}, {0, 0x4000}, {1, 0}});
  KeyList keys = host.List();
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys.Column(0), 2);
  EXPECT_EQ(keys.Flags(1), 0x4000u);

  keys.SetFlags(2, 0x80000000);
  keys.SetColumn(1, -1);
  EXPECT_EQ(host[2].flags, 0x80000000u);
  EXPECT_EQ(host[1].column, -1);
  EXPECT_EQ(host[1].flags, 0x4000u);
}

TEST(KeyList, SwapExchangesWholeEntries) {
  HostKeyList host({{0, 0x4000000}, {1, 0x8000}, {2, 0}});
  KeyList keys = host.List();
  EXPECT_TRUE(keys.Swap(0, 2));
  EXPECT_EQ(host[0].column, 2);
  EXPECT_EQ(host[0].flags, 0u);
  EXPECT_EQ(host[2].column, 0);
  EXPECT_EQ(host[2].flags, 0x4000000u);
  EXPECT_FALSE(keys.Swap(1, 3));
  EXPECT_EQ(host[1].column, 1);
}

TEST(KeyList, OutOfRangeIndexesReadZeroAndWriteNothing) {
  HostKeyList host({{5, 7}});
  KeyList keys = host.List();
  keys.SetFlags(1, 0xFFFFFFFF);
  keys.Set(100, {9, 9});
  EXPECT_EQ(keys.Get(1).column, 0);
  EXPECT_EQ(keys.Get(1).flags, 0u);
  EXPECT_EQ(host[0].column, 5);
  EXPECT_EQ(host[0].flags, 7u);
}

TEST(KeyList, AllNullDescriptorIsAnEmptyList) {
  HostVectorHeader h = Header(nullptr, nullptr, nullptr);
  auto keys = KeyList::Attach(&h);
  ASSERT_TRUE(keys.has_value());
  EXPECT_TRUE(keys->empty());
}

TEST(KeyList, RefusesNonsenseDescriptors) {
  alignas(8) unsigned char storage[64] = {};
  unsigned char* p = storage;
  EXPECT_FALSE(KeyList::Attach(nullptr));
  HostVectorHeader reversed = Header(p + 16, p, p + 16);
  EXPECT_FALSE(KeyList::Attach(&reversed));
  HostVectorHeader endBeforeLast = Header(p, p + 16, p + 8);
  EXPECT_FALSE(KeyList::Attach(&endBeforeLast));
  HostVectorHeader partialEntry = Header(p, p + 12, p + 16);
  EXPECT_FALSE(KeyList::Attach(&partialEntry));
  HostVectorHeader misaligned = Header(p + 1, p + 9, p + 9);
  EXPECT_FALSE(KeyList::Attach(&misaligned));
  HostVectorHeader nullFirst = Header(nullptr, p + 8, p + 8);
  EXPECT_FALSE(KeyList::Attach(&nullFirst));
  // A count no document can have is refused without touching the memory it claims.
  HostVectorHeader huge =
      Header(p, Beyond(p, (kMaxKeyEntries + 1) * 8), Beyond(p, (kMaxKeyEntries + 1) * 8));
  EXPECT_FALSE(KeyList::Attach(&huge));
  HostVectorHeader fits = Header(p, p + 64, p + 64);
  ASSERT_TRUE(KeyList::Attach(&fits));
  EXPECT_EQ(KeyList::Attach(&fits)->size(), 8u);
}

TEST(ColumnBlock, EntriesAreEightLittleEndianBytesInOrder) {
  std::vector<uint8_t> bytes = SerializeColumnBlock({{3, kColumnTaken}, {0x01020304, 1}});
  std::vector<uint8_t> expected = {3, 0, 0, 0, 2, 0, 0, 0, 4, 3, 2, 1, 1, 0, 0, 0};
  EXPECT_EQ(bytes, expected);
  EXPECT_TRUE(SerializeColumnBlock({}).empty());
}

TEST(ColumnBlock, ParsingIgnoresATrailingPartialEntry) {
  std::vector<uint8_t> bytes = SerializeColumnBlock({{7, 3}, {8, 0}});
  bytes.push_back(0xAA);
  std::vector<ColumnEntry> entries = ParseColumnBlock(bytes.data(), bytes.size());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].column, 7u);
  EXPECT_EQ(entries[0].flags, 3u);
  EXPECT_EQ(entries[1].column, 8u);
  EXPECT_TRUE(ParseColumnBlock(nullptr, 16).empty());
  EXPECT_TRUE(ParseColumnBlock(bytes.data(), 7).empty());
}

}  // namespace
}  // namespace scrv
