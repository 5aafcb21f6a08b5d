#pragma once
// The model behind the delete duplicates dialog: the comparison radios, the option boxes with
// their settings, and the option flags written into the host's key list on OK and on the
// second delete button. Cancel writes nothing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "keys_ids.h"
#include "settings/flag_table.h"
#include "controls/key_list.h"

namespace scrv {

// The comparison radios, valued by their control identifiers.
enum class DuplicateComparison : int {
  kLines = IDC_DD_COMPARE_LINES,                       // without the column list
  kLinesInSelection = IDC_DD_COMPARE_LINES_SELECTION,  // without the column list, flag 0x100
  kColumns = IDC_DD_COMPARE_COLUMNS,                   // the columns checked in the list
};

// Flags every key gets on OK (bits 26 and 27), the second delete button's flag, and 1896's.
constexpr uint32_t kDeleteDuplicateBaseFlags = 0xC000000;
constexpr uint32_t kDeleteDuplicateSecondButtonFlag = 0x200000;
constexpr uint32_t kDeleteDuplicateInSelectionFlag = 0x100;

enum class CheckState : int { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };

// The option boxes the dialog holds.
struct DeleteDuplicateOptions {
  bool entireGroup = false;                           // 1713 "DeleteDuplicateEntireGroup"
  CheckState selectionOnly = CheckState::kUnchecked;  // 1106 "DeleteDuplicateSelOnly"
  bool ignoreEmptyLines = false;  // 1712 "DeleteDuplicateIgnoreEmptyLines", 0x10000
  bool ignoreEmptyCells = false;  // 1958 "DeleteDuplicateIgnoreEmptyCells", 0x2000
  bool adjacentOnly = false;      // 1740 "DeleteDuplicateAdjacentOnly", 0x20000
  bool includeAll = false;        // 1880 "DeleteDuplicateIncludeAll", 0x8000
  bool ignoreCase = false;        // 1674 "DeleteDuplicateIgnoreCase", 0x1
};

// What the dialog's controls show after a refresh.
struct DeleteDuplicatesView {
  bool columnListEnabled = false;        // the list 119, 1958 and the check-all box 1734
  bool entireGroupEnabled = false;       // 1713
  bool selectionOnlyEnabled = false;     // 1106
  bool inSelectionRadioEnabled = false;  // 1896
  bool columnsRadioEnabled = false;      // 1867
};

class DeleteDuplicatesModel {
 public:
  // mode 0, 1 or 2 gives 1106 its start state (unchecked, checked, indeterminate); any other
  // nonzero value counts as 1.
  DeleteDuplicatesModel(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                        uint32_t mode);

  // Reads the option boxes (all but 1106, which the mode sets) and the default radio; sets the
  // rows' checks from bit 26 and selects the first row.
  void Load(SettingsStore& settings, const FlagTable& flags);

  size_t RowCount() const { return rows_; }
  std::u16string_view RowText(size_t row) const;

  DeleteDuplicatesView Refresh() const;

  // The flags ORed into the keys on OK (secondButton false) or on 1812 (true).
  uint32_t OptionFlags(bool secondButton) const;

  // OK or 1812: writes the seven settings and the keys. The dialog then ends with the button's
  // identifier.
  void Accept(SettingsStore& settings, const FlagTable& flags, bool secondButton);

  // Held by the dialog's controls; the dialog writes them back as they change.
  DeleteDuplicateOptions options;
  DuplicateComparison comparison = DuplicateComparison::kLines;
  std::vector<bool> rowChecked;  // one per row (a missing entry counts as unchecked)

 private:
  bool Checked(size_t row) const { return row < rowChecked.size() && rowChecked[row]; }

  std::vector<std::u16string> names_;
  KeyList keys_;
  size_t rows_;
  bool groupFlag_;
  uint32_t mode_;
};

}  // namespace scrv
