#include "tools/extract_columns.h"

#include <utility>

namespace scrv {

ExtractColumnsModel::ExtractColumnsModel(std::vector<std::u16string> columnNames)
    : names_(std::move(columnNames)) {
  entries_.reserve(names_.size());
  for (size_t i = 0; i < names_.size(); ++i) {
    entries_.push_back({static_cast<uint32_t>(i), kColumnTaken});
  }
}

std::u16string_view ExtractColumnsModel::RowText(size_t row) const {
  if (row >= entries_.size()) return {};
  return names_[entries_[row].column];
}

bool ExtractColumnsModel::RowChecked(size_t row) const {
  return row < entries_.size() && (entries_[row].flags & kColumnTaken) != 0;
}

void ExtractColumnsModel::SetRowChecked(size_t row, bool checked) {
  if (row >= entries_.size()) return;
  entries_[row].flags = checked ? kColumnTaken : 0;
}

void ExtractColumnsModel::SwapRows(size_t a, size_t b) {
  if (a >= entries_.size() || b >= entries_.size()) return;
  std::swap(entries_[a], entries_[b]);
}

}  // namespace scrv
