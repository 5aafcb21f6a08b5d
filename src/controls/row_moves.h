#pragma once
// Moving the selected rows of a list as a block: by one row, to the top or bottom, or to a
// drop position. A move is a sequence of exchanges of two rows, so that the owner of the row
// data can follow it through its swap callback while the list view does the same.

#include <cstddef>
#include <optional>
#include <vector>

namespace scrv {

// Two rows to exchange; `first` is always the smaller index.
struct RowSwap {
  int first = 0;
  int second = 0;
  bool operator==(const RowSwap&) const = default;
};

struct RowMove {
  std::vector<RowSwap> swaps;  // in the order they are to be made
  std::vector<int> selection;  // the moved rows afterwards, ascending
  int visibleRow = -1;         // the row at the block's new leading edge, -1 when nothing moved
};

enum class MoveDirection { kUp, kDown, kTop, kBottom };

// A move to the top, the bottom or a drop position that would sweep this many rows or more is
// refused (no swaps): working it out takes memory in proportion to the rows swept.
constexpr int kMaxSweptRows = 1 << 22;

// The selected rows cleaned up: in range of `rowCount`, ascending, without repeats.
std::vector<int> NormalizeSelection(int rowCount, std::vector<int> selected);

// Up and top need a selection without row 0; down and bottom one without the last row.
bool CanMoveUp(int rowCount, const std::vector<int>& selected);
bool CanMoveDown(int rowCount, const std::vector<int>& selected);

// Up and down move every selected row by one; top shifts the block until its first row is
// row 0, bottom until its last row is the last row. The block keeps its shape (gaps between
// selected rows stay). A move that is not possible, or sweeps kMaxSweptRows rows or more,
// gives no swaps and the selection as is.
RowMove MoveSelectedRows(int rowCount, std::vector<int> selected, MoveDirection direction);

// Moves the block for a drop after row `target` (-1: before the first row). A target at or
// after the block's last row moves the last row onto the target (never past the end); a
// target before the block's first row moves the first row just after the target; a target
// inside the block moves nothing.
RowMove MoveSelectedRowsTo(int rowCount, std::vector<int> selected, int target);

// Where the insertion mark of a list view goes while dragging over it.
struct InsertMark {
  int item = -1;       // -1: no mark
  bool after = false;  // the mark is drawn after `item` rather than before it
  bool operator==(const InsertMark&) const = default;
};

// `hitItem` is the item under the cursor (-1 for none), `lowerItem` the item found half an
// item height lower (-1 for none), `atOrBelowLastItem` whether the cursor is at or below the
// last item's bottom edge. An item that is hit takes the mark after it when the lower probe
// finds a later item or nothing, else before it; with nothing hit, a cursor at or below the
// last item puts the mark after the last item.
InsertMark ComputeInsertMark(int itemCount, int hitItem, int lowerItem, bool atOrBelowLastItem);

// The drop target row of a mark: the item, one less when the mark is before it. Nothing
// without a mark.
std::optional<int> DropTargetRow(const InsertMark& mark);

}  // namespace scrv
