#pragma once
// The model behind the extract columns dialog: the current document's columns, which of them
// to extract and in which order, handed back as a column entry block.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/key_list.h"

namespace scrv {

class ExtractColumnsModel {
 public:
  // One entry per column (index i, taken), one checked row per entry.
  explicit ExtractColumnsModel(std::vector<std::u16string> columnNames);

  size_t RowCount() const { return entries_.size(); }
  std::u16string_view RowText(size_t row) const;
  bool RowChecked(size_t row) const;
  // OK: each row's check box goes into its entry's taken bit.
  void SetRowChecked(size_t row, bool checked);
  // The check list moved two rows.
  void SwapRows(size_t a, size_t b);

  const std::vector<ColumnEntry>& Entries() const { return entries_; }
  // The column entry block's bytes, in row order; unchecked entries have flags 0.
  std::vector<uint8_t> Block() const { return SerializeColumnBlock(entries_); }

 private:
  std::vector<std::u16string> names_;
  std::vector<ColumnEntry> entries_;
};

}  // namespace scrv
