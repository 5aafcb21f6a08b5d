#include "tools/delete_duplicates.h"

#include <algorithm>

namespace scrv {
namespace {

// The boxes kept as plain booleans, with their settings (flag table rows) and the flag each
// sets on OK.
struct OptionBox {
  bool DeleteDuplicateOptions::*field;
  uint32_t row;
  uint32_t flag;
};
constexpr OptionBox kOptionBoxes[] = {
    {&DeleteDuplicateOptions::entireGroup, flag::kDeleteDuplicateEntireGroup, 0},
    {&DeleteDuplicateOptions::ignoreEmptyLines, flag::kDeleteDuplicateIgnoreEmptyLines, 0x10000},
    {&DeleteDuplicateOptions::ignoreEmptyCells, flag::kDeleteDuplicateIgnoreEmptyCells, 0x2000},
    {&DeleteDuplicateOptions::adjacentOnly, flag::kDeleteDuplicateAdjacentOnly, 0x20000},
    {&DeleteDuplicateOptions::includeAll, flag::kDeleteDuplicateIncludeAll, 0x8000},
    {&DeleteDuplicateOptions::ignoreCase, flag::kDeleteDuplicateIgnoreCase, 0x1},
};

}  // namespace

DeleteDuplicatesModel::DeleteDuplicatesModel(std::vector<std::u16string> columnNames, KeyList keys,
                                             bool groupFlag, uint32_t mode)
    : names_(std::move(columnNames)),
      keys_(keys),
      rows_(std::min(names_.size(), keys_.size())),
      groupFlag_(groupFlag),
      mode_(mode) {
  rowChecked.assign(rows_, false);
}

void DeleteDuplicatesModel::Load(SettingsStore& settings, const FlagTable& flags) {
  SettingsHandle h = settings.OpenCommon(false);
  for (const OptionBox& box : kOptionBoxes) {
    options.*box.field = ReadFlag(settings, flags, h, box.row);
  }
  bool inSelectionDefault = ReadFlag(settings, flags, h, flag::kInspectSelOnlyDD);
  settings.CloseSettings(h);

  options.selectionOnly = mode_ == 0   ? CheckState::kUnchecked
                          : mode_ == 2 ? CheckState::kIndeterminate
                                       : CheckState::kChecked;
  comparison = (mode_ == 2 && inSelectionDefault) ? DuplicateComparison::kLinesInSelection
                                                  : DuplicateComparison::kLines;
  rowChecked.assign(rows_, false);
  for (size_t i = 0; i < rows_; ++i) rowChecked[i] = (keys_.Flags(i) & kKeyIncluded) != 0;
}

std::u16string_view DeleteDuplicatesModel::RowText(size_t row) const {
  if (row >= rows_) return {};
  int32_t column = keys_.Column(row);
  if (column < 0 || static_cast<size_t>(column) >= names_.size()) return {};
  return names_[static_cast<size_t>(column)];
}

DeleteDuplicatesView DeleteDuplicatesModel::Refresh() const {
  DeleteDuplicatesView view;
  view.columnsRadioEnabled = !names_.empty();
  view.columnListEnabled = view.columnsRadioEnabled && comparison == DuplicateComparison::kColumns;
  view.entireGroupEnabled = groupFlag_;
  view.selectionOnlyEnabled = mode_ != 0 || groupFlag_;
  view.inSelectionRadioEnabled = mode_ == 2 || groupFlag_;
  return view;
}

uint32_t DeleteDuplicatesModel::OptionFlags(bool secondButton) const {
  uint32_t flags = kDeleteDuplicateBaseFlags;
  if (secondButton) flags |= kDeleteDuplicateSecondButtonFlag;
  for (const OptionBox& box : kOptionBoxes) {
    if (options.*box.field) flags |= box.flag;
  }
  if (comparison == DuplicateComparison::kLinesInSelection) {
    flags |= kDeleteDuplicateInSelectionFlag;
  }
  return flags;
}

void DeleteDuplicatesModel::Accept(SettingsStore& settings, const FlagTable& table,
                                   bool secondButton) {
  SettingsHandle h = settings.OpenCommon(true);
  for (const OptionBox& box : kOptionBoxes) {
    StoreFlag(settings, table, h, box.row, options.*box.field);
  }
  // The setting is a boolean: only a checked box stores true.
  StoreFlag(settings, table, h, flag::kDeleteDuplicateSelOnly,
            options.selectionOnly == CheckState::kChecked);
  settings.CloseSettings(h);

  uint32_t flags = OptionFlags(secondButton);
  if (comparison == DuplicateComparison::kColumns) {
    for (size_t row = 0; row < rows_; ++row) {
      uint32_t old = keys_.Flags(row);
      keys_.SetFlags(row, Checked(row) ? old | flags : old & ~kKeyIncluded);
    }
  } else {
    // Whole lines: every key the host passed carries the options, also when there are no
    // column names to show.
    for (size_t i = 0; i < keys_.size(); ++i) {
      keys_.Set(i, {-1, keys_.Flags(i) | flags});
    }
  }
}

}  // namespace scrv
