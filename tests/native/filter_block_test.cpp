#include "tools/filter_block.h"
#include "filter_test_util.h"

#include <gtest/gtest.h>

#include <cstring>

namespace scrv {
namespace {

TEST(FilterBlock, RecordLayoutIsPackedLittleEndian) {
  FilterCondition c = Make(0x0000'1234'0000'0103ull, -2, 4, 0x01020304, u"A\u00e9");
  std::vector<uint8_t> block = EncodeFilterBlock({&c, 1});
  ASSERT_EQ(block.size(), 20024u);
  // Bits 8 and 0, 1 survive the mask; bits 0x1234 << 32 partly: 0x1234 has bits 2, 4, 5, 9, 12
  // of the high word = bits 34, 36, 37, 41, 44; the kept ones are 37, 41 and 44.
  const uint8_t head[20] = {0x03, 0x01, 0x00, 0x00, 0x20, 0x12, 0x00, 0x00,  // flags
                            0xFE, 0xFF, 0xFF, 0xFF,                          // column -2
                            0x04, 0x00, 0x00, 0x00,                          // start 4
                            0x04, 0x03, 0x02, 0x01};                         // end
  EXPECT_EQ(0, std::memcmp(block.data(), head, 20));
  const uint8_t text[6] = {'A', 0x00, 0xE9, 0x00, 0x00, 0x00};
  EXPECT_EQ(0, std::memcmp(block.data() + 20, text, 6));
  for (size_t i = 26; i < block.size(); ++i) ASSERT_EQ(block[i], 0) << i;
}

TEST(FilterBlock, KeepsOnlyTheHandedBackFlagsAndBit17) {
  FilterCondition c = Make(~0ull, -1, 0, -1, u"x");
  std::vector<uint8_t> block = EncodeFilterBlock({&c, 1});
  uint64_t flags = 0;
  for (int i = 7; i >= 0; --i) flags = (flags << 8) | block[i];
  EXPECT_EQ(flags, 0x1FE040420547ull);
  EXPECT_TRUE(flags & filter_flag::kHostOnly);
  EXPECT_FALSE(flags & filter_flag::kContinue);
}

TEST(FilterBlock, HostBitsSurviveReadAndMaskedWrite) {
  FilterCondition c =
      Make(filter_flag::kHostOnly | filter_flag::kEnabled | (1ull << 60), 3, 1, 2, u"t");
  std::vector<uint8_t> host(20024);
  std::memcpy(host.data(), EncodeFilterBlock({&c, 1}).data(), 20024);
  host[7] = 0x10;  // bit 60, which the host may have set itself
  std::vector<FilterCondition> read = ReadFilterBlock(host.data(), host.size());
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].flags, filter_flag::kHostOnly | filter_flag::kEnabled | (1ull << 60));
  std::vector<uint8_t> back = EncodeFilterBlock(read);
  EXPECT_EQ(ReadFilterBlock(back.data(), back.size())[0].flags,
            filter_flag::kHostOnly | filter_flag::kEnabled);
}

TEST(FilterBlock, CountIsWholeRecordsOnly) {
  std::vector<FilterCondition> three = {Make(1, -1, 0, -1, u"one"), Make(0, 2, 0, -1, u"two"),
                                        Make(1, -2, 9, 20, u"three")};
  std::vector<uint8_t> block = EncodeFilterBlock(three);
  block.resize(20024 * 3 + 100, 0xAB);
  EXPECT_EQ(ReadFilterBlock(block.data(), block.size()), three);
  EXPECT_TRUE(ReadFilterBlock(block.data(), 20023).empty());
  EXPECT_TRUE(ReadFilterBlock(block.data(), 0).empty());
  EXPECT_TRUE(ReadFilterBlock(nullptr, 20024).empty());
  EXPECT_EQ(ReadFilterBlock(block.data(), 20024 * 2 + 20023).size(), 2u);
}

TEST(FilterBlock, TextWithoutTerminatorStopsAtTheTextLimit) {
  std::vector<uint8_t> block(20024, 0);
  for (size_t i = 20; i < block.size(); i += 2) block[i] = 'z';
  std::vector<FilterCondition> read = ReadFilterBlock(block.data(), block.size());
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].text, std::u16string(kFilterTextMax, u'z'));
}

TEST(FilterBlock, LongTextIsCutAndTerminated) {
  FilterCondition c = Make(0, -1, 0, -1, std::u16string(kFilterTextMax + 50, u'q'));
  std::vector<uint8_t> block = EncodeFilterBlock({&c, 1});
  const size_t terminator = 20 + 2 * kFilterTextMax;
  EXPECT_EQ(block[terminator - 2], 'q');
  EXPECT_EQ(block[terminator], 0);
  EXPECT_EQ(block[terminator + 1], 0);
  EXPECT_EQ(ReadFilterBlock(block.data(), block.size())[0].text.size(), kFilterTextMax);
}

TEST(FilterBlock, EmptyListIsAnEmptyBlock) {
  EXPECT_TRUE(EncodeFilterBlock({}).empty());
  EXPECT_EQ(FilterBlockSize(0), 0u);
}

}  // namespace
}  // namespace scrv
