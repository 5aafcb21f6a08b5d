#include "tools/extract_columns.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

TEST(ExtractColumns, EveryColumnStartsCheckedInItsOwnOrder) {
  ExtractColumnsModel model({u"A", u"B", u"C"});
  ASSERT_EQ(model.RowCount(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(model.RowChecked(i));
    EXPECT_EQ(model.Entries()[i].column, i);
    EXPECT_EQ(model.Entries()[i].flags, kColumnTaken);
  }
  EXPECT_EQ(model.RowText(1), u"B");
}

TEST(ExtractColumns, BlockFollowsMovesAndUnchecksWithFlagsZero) {
  ExtractColumnsModel model({u"A", u"B", u"C", u"D"});
  model.SwapRows(3, 2);           // move D up one
  model.SwapRows(2, 1);           // and again
  model.SetRowChecked(3, false);  // C, now last
  EXPECT_EQ(model.RowText(1), u"D");
  std::vector<uint8_t> block = model.Block();
  std::vector<ColumnEntry> entries = ParseColumnBlock(block.data(), block.size());
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].column, 0u);
  EXPECT_EQ(entries[0].flags, 0x2u);
  EXPECT_EQ(entries[1].column, 3u);
  EXPECT_EQ(entries[1].flags, 0x2u);
  EXPECT_EQ(entries[2].column, 1u);
  EXPECT_EQ(entries[2].flags, 0x2u);
  EXPECT_EQ(entries[3].column, 2u);
  EXPECT_EQ(entries[3].flags, 0u);
}

TEST(ExtractColumns, RecheckingRestoresTheTakenBitOnly) {
  ExtractColumnsModel model({u"A"});
  model.SetRowChecked(0, false);
  model.SetRowChecked(0, true);
  EXPECT_EQ(model.Entries()[0].flags, kColumnTaken);
}

TEST(ExtractColumns, NoColumnsGiveAnEmptyBlockAndOutOfRangeRowsAreIgnored) {
  ExtractColumnsModel model({});
  EXPECT_TRUE(model.Block().empty());
  model.SwapRows(0, 1);
  model.SetRowChecked(0, false);
  EXPECT_EQ(model.RowText(0), u"");
  EXPECT_FALSE(model.RowChecked(0));
}

}  // namespace
}  // namespace scrv
