#include "controls/row_moves.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace scrv {
namespace {

// Applies the swaps to a list of labels, as the list view and the row owner do.
std::string Apply(std::string rows, const RowMove& move) {
  for (const auto& s : move.swaps) {
    EXPECT_LT(s.first, s.second);
    std::swap(rows.at(static_cast<size_t>(s.first)), rows.at(static_cast<size_t>(s.second)));
  }
  return rows;
}

TEST(RowMoves, UpMovesEverySelectedRowByOne) {
  auto m = MoveSelectedRows(6, {2, 4}, MoveDirection::kUp);
  EXPECT_EQ(Apply("abcdef", m), "acbedf");
  EXPECT_EQ(m.selection, (std::vector<int>{1, 3}));
  EXPECT_EQ(m.visibleRow, 1);
}

TEST(RowMoves, DownMovesEverySelectedRowByOneAndShowsTheLastRow) {
  auto m = MoveSelectedRows(6, {1, 2, 4}, MoveDirection::kDown);
  EXPECT_EQ(Apply("abcdef", m), "adbcfe");
  EXPECT_EQ(m.selection, (std::vector<int>{2, 3, 5}));
  EXPECT_EQ(m.visibleRow, 5);
}

TEST(RowMoves, SingleStepsAreExchangesOfNeighbours) {
  auto m = MoveSelectedRows(5, {3}, MoveDirection::kUp);
  EXPECT_EQ(m.swaps, (std::vector<RowSwap>{{2, 3}}));
  m = MoveSelectedRows(5, {1}, MoveDirection::kDown);
  EXPECT_EQ(m.swaps, (std::vector<RowSwap>{{1, 2}}));
}

TEST(RowMoves, TopShiftsTheBlockUntilItsFirstRowIsRowZero) {
  auto m = MoveSelectedRows(7, {3, 5}, MoveDirection::kTop);
  EXPECT_EQ(Apply("abcdefg", m), "dafbceg");
  EXPECT_EQ(m.selection, (std::vector<int>{0, 2}));
  EXPECT_EQ(m.visibleRow, 0);
}

TEST(RowMoves, BottomShiftsTheBlockUntilItsLastRowIsTheLastRow) {
  auto m = MoveSelectedRows(6, {0, 1}, MoveDirection::kBottom);
  EXPECT_EQ(Apply("abcdef", m), "cdefab");
  EXPECT_EQ(m.selection, (std::vector<int>{4, 5}));
  EXPECT_EQ(m.visibleRow, 5);
}

TEST(RowMoves, ABlockAtItsEdgeDoesNotMove) {
  for (auto d : {MoveDirection::kUp, MoveDirection::kTop}) {
    auto m = MoveSelectedRows(4, {0, 2}, d);
    EXPECT_TRUE(m.swaps.empty());
    EXPECT_EQ(m.selection, (std::vector<int>{0, 2}));
    EXPECT_EQ(m.visibleRow, -1);
  }
  for (auto d : {MoveDirection::kDown, MoveDirection::kBottom})
    EXPECT_TRUE(MoveSelectedRows(4, {1, 3}, d).swaps.empty());
  EXPECT_FALSE(CanMoveUp(4, {0, 2}));
  EXPECT_TRUE(CanMoveDown(4, {0, 2}));
  EXPECT_FALSE(CanMoveDown(4, {3}));
  EXPECT_FALSE(CanMoveUp(4, {}));
}

TEST(RowMoves, SelectionOutOfRangeOrRepeatedIsCleanedUp) {
  EXPECT_EQ(NormalizeSelection(5, {4, -1, 2, 9, 2}), (std::vector<int>{2, 4}));
  auto m = MoveSelectedRows(3, {7, 2, 2, -5}, MoveDirection::kUp);
  EXPECT_EQ(Apply("abc", m), "acb");
  EXPECT_TRUE(MoveSelectedRows(-3, {0}, MoveDirection::kDown).swaps.empty());
}

TEST(RowMoves, DropAfterTheBlockPutsItsLastRowOnTheTarget) {
  auto m = MoveSelectedRowsTo(6, {0, 2}, 4);
  EXPECT_EQ(Apply("abcdef", m), "bdaecf");
  EXPECT_EQ(m.selection, (std::vector<int>{2, 4}));
  // A target past the end is limited to the last row.
  m = MoveSelectedRowsTo(4, {1}, 99);
  EXPECT_EQ(Apply("abcd", m), "acdb");
}

TEST(RowMoves, DropBeforeTheBlockPutsItsFirstRowJustAfterTheTarget) {
  auto m = MoveSelectedRowsTo(6, {3, 4}, 0);
  EXPECT_EQ(Apply("abcdef", m), "adebcf");
  EXPECT_EQ(m.visibleRow, 1);
  m = MoveSelectedRowsTo(6, {3, 4}, -1);  // before the first row
  EXPECT_EQ(Apply("abcdef", m), "deabcf");
}

TEST(RowMoves, DropInsideTheBlockMovesNothing) {
  EXPECT_TRUE(MoveSelectedRowsTo(6, {1, 4}, 2).swaps.empty());
  EXPECT_TRUE(MoveSelectedRowsTo(6, {1, 4}, 0).swaps.empty());  // first row already after 0
  EXPECT_TRUE(MoveSelectedRowsTo(6, {1, 4}, -7).swaps.empty());
}

TEST(RowMoves, LongMovesNeedFewerExchangesThanRowsSwept) {
  std::vector<int> half(5000);
  std::iota(half.begin(), half.end(), 5000);
  auto m = MoveSelectedRows(10000, half, MoveDirection::kTop);
  EXPECT_LT(m.swaps.size(), 10000u);
  EXPECT_EQ(m.selection.front(), 0);
  EXPECT_EQ(m.selection.back(), 4999);
  std::vector<int> order(10000);
  std::iota(order.begin(), order.end(), 0);
  for (const auto& s : m.swaps) std::swap(order[s.first], order[s.second]);
  EXPECT_EQ(order[0], 5000);
  EXPECT_EQ(order[5000], 0);
}

TEST(RowMoves, HugeListsMoveByOneRowButRefuseLongSweeps) {
  auto m = MoveSelectedRows(100000000, {5, 6, 99999998}, MoveDirection::kDown);
  EXPECT_EQ(m.swaps, (std::vector<RowSwap>{{99999998, 99999999}, {6, 7}, {5, 6}}));
  m = MoveSelectedRows(100000000, {0}, MoveDirection::kBottom);
  EXPECT_TRUE(m.swaps.empty());
  EXPECT_EQ(m.selection, (std::vector<int>{0}));
  m = MoveSelectedRowsTo(100000000, {99999999}, -1);
  EXPECT_TRUE(m.swaps.empty());
  EXPECT_EQ(MoveSelectedRowsTo(kMaxSweptRows, {0}, kMaxSweptRows - 2).selection.back(),
            kMaxSweptRows - 2);
}

TEST(InsertMark, UpperHalfOfAnItemMarksBeforeIt) {
  EXPECT_EQ(ComputeInsertMark(5, 2, 2, false), (InsertMark{2, false}));
}

TEST(InsertMark, LowerHalfOrNothingBelowMarksAfterIt) {
  EXPECT_EQ(ComputeInsertMark(5, 2, 3, false), (InsertMark{2, true}));
  EXPECT_EQ(ComputeInsertMark(5, 4, -1, false), (InsertMark{4, true}));
}

TEST(InsertMark, BelowTheLastItemMarksAfterIt) {
  EXPECT_EQ(ComputeInsertMark(5, -1, -1, true), (InsertMark{4, true}));
  EXPECT_EQ(ComputeInsertMark(5, -1, -1, false), InsertMark{});
  EXPECT_EQ(ComputeInsertMark(0, -1, -1, true), InsertMark{});
}

TEST(InsertMark, TargetRowIsOneLessWhenTheMarkIsBeforeTheItem) {
  EXPECT_EQ(DropTargetRow({3, true}), 3);
  EXPECT_EQ(DropTargetRow({3, false}), 2);
  EXPECT_EQ(DropTargetRow({0, false}), -1);
  EXPECT_FALSE(DropTargetRow({}).has_value());
}

}  // namespace
}  // namespace scrv
