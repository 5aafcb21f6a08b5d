#include "controls/row_moves.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace scrv {
namespace {

// Shifts the block by `steps` rows (negative: upwards). The block keeps its shape and the
// rows it passes keep their order, exactly as if every selected row had been exchanged with
// its neighbour `steps` times; but the exchanges are worked out from the final order, so
// their number stays below the size of the range the block sweeps.
RowMove Shift(std::vector<int> rows, int steps) {
  RowMove move;
  if (rows.empty() || steps == 0) {
    move.selection = std::move(rows);
    return move;
  }
  if (steps == 1 || steps == -1) {
    // One row: every selected row trades places with its neighbour, nothing to work out.
    move.swaps.reserve(rows.size());
    if (steps < 0) {
      for (int& r : rows) move.swaps.push_back({r - 1, r}), --r;
    } else {
      for (auto r = rows.rbegin(); r != rows.rend(); ++r) move.swaps.push_back({*r, *r + 1}), ++*r;
    }
    move.visibleRow = steps < 0 ? rows.front() : rows.back();
    move.selection = std::move(rows);
    return move;
  }
  if (static_cast<int64_t>(rows.back()) - rows.front() + std::abs(steps) >= kMaxSweptRows) {
    move.selection = std::move(rows);
    return move;
  }
  int lo = steps < 0 ? rows.front() + steps : rows.front();
  int hi = steps < 0 ? rows.back() : rows.back() + steps;
  size_t span = static_cast<size_t>(hi - lo) + 1;
  std::vector<char> selected(span, 0);
  std::vector<int> desired(span, -1);
  for (int r : rows) {
    selected[static_cast<size_t>(r - lo)] = 1;
    desired[static_cast<size_t>(r + steps - lo)] = r;
  }
  size_t slot = 0;
  for (int r = lo; r <= hi; ++r) {
    if (selected[static_cast<size_t>(r - lo)]) continue;
    while (desired[slot] >= 0) ++slot;
    desired[slot] = r;
  }
  // current[i]: the original row now at lo + i; where[x]: the position of original row lo + x.
  std::vector<int> current(span), where(span);
  for (size_t i = 0; i < span; ++i) current[i] = where[i] = static_cast<int>(i);
  for (size_t i = 0; i < span; ++i) {
    int want = desired[i] - lo;
    if (current[i] == want) continue;
    size_t j = static_cast<size_t>(where[static_cast<size_t>(want)]);
    where[static_cast<size_t>(current[i])] = static_cast<int>(j);
    where[static_cast<size_t>(want)] = static_cast<int>(i);
    std::swap(current[i], current[j]);
    move.swaps.push_back({lo + static_cast<int>(i), lo + static_cast<int>(j)});
  }
  for (int& r : rows) r += steps;
  move.visibleRow = steps < 0 ? rows.front() : rows.back();
  move.selection = std::move(rows);
  return move;
}

}  // namespace

std::vector<int> NormalizeSelection(int rowCount, std::vector<int> selected) {
  std::erase_if(selected, [rowCount](int r) { return r < 0 || r >= rowCount; });
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  return selected;
}

bool CanMoveUp(int rowCount, const std::vector<int>& selected) {
  auto rows = NormalizeSelection(rowCount, selected);
  return !rows.empty() && rows.front() > 0;
}

bool CanMoveDown(int rowCount, const std::vector<int>& selected) {
  auto rows = NormalizeSelection(rowCount, selected);
  return !rows.empty() && rows.back() < rowCount - 1;
}

RowMove MoveSelectedRows(int rowCount, std::vector<int> selected, MoveDirection direction) {
  auto rows = NormalizeSelection(rowCount, std::move(selected));
  int steps = 0;
  if (!rows.empty()) {
    switch (direction) {
      case MoveDirection::kUp:
        steps = rows.front() > 0 ? -1 : 0;
        break;
      case MoveDirection::kTop:
        steps = -rows.front();
        break;
      case MoveDirection::kDown:
        steps = rows.back() < rowCount - 1 ? 1 : 0;
        break;
      case MoveDirection::kBottom:
        steps = rowCount - 1 - rows.back();
        break;
    }
  }
  return Shift(std::move(rows), steps);
}

RowMove MoveSelectedRowsTo(int rowCount, std::vector<int> selected, int target) {
  auto rows = NormalizeSelection(rowCount, std::move(selected));
  int steps = 0;
  if (!rows.empty() && target >= -1) {
    if (target >= rows.back())
      steps = std::min(target, rowCount - 1) - rows.back();
    else if (target < rows.front())
      steps = (target + 1) - rows.front();
  }
  return Shift(std::move(rows), steps);
}

InsertMark ComputeInsertMark(int itemCount, int hitItem, int lowerItem, bool atOrBelowLastItem) {
  if (itemCount <= 0) return {};
  if (hitItem >= 0 && hitItem < itemCount) {
    bool after = lowerItem < 0 || lowerItem > hitItem;
    return {hitItem, after};
  }
  if (atOrBelowLastItem) return {itemCount - 1, true};
  return {};
}

std::optional<int> DropTargetRow(const InsertMark& mark) {
  if (mark.item < 0) return std::nullopt;
  return mark.after ? mark.item : mark.item - 1;
}

}  // namespace scrv
