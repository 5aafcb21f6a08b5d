#pragma once
// The model behind the sort multi dialog: the host's sort keys (one per column, in priority
// order, edited in place), the comparison-kind radios and the two option boxes.
//
// The dialog keeps `rowChecked` and `selectedRows` in step with its check list, asks Refresh()
// what its radios and buttons show, and hands radio clicks, row moves and the close to the
// model.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "keys_ids.h"
#include "settings/flag_table.h"
#include "controls/key_list.h"

namespace scrv {

// A comparison-kind radio and the flags it writes (bit 26 is kept). The kinds come in pairs:
// the even radio adds bit 31 to its odd partner; IDC_SM_RANDOM stands alone. The radios'
// numbers run from IDC_SM_KIND_FIRST to IDC_SM_KIND_LAST.
struct SortKindRadio {
  int control;
  uint32_t flags;
};
constexpr std::array<SortKindRadio, 17> kSortKindRadios = {{
    {IDC_SM_TEXT_DESC, 0x80000000},
    {IDC_SM_TEXT_ASC, 0},
    {IDC_SM_CASE_DESC, 0xC0000000},
    {IDC_SM_CASE_ASC, 0x40000000},
    {IDC_SM_NUMBER_DESC, 0x80400000},
    {IDC_SM_NUMBER_ASC, 0x400000},
    {IDC_SM_LENGTH_DESC, 0x80100000},
    {IDC_SM_LENGTH_ASC, 0x100000},
    {IDC_SM_DATE_DESC, 0x80080000},
    {IDC_SM_DATE_ASC, 0x80000},
    {IDC_SM_NATURAL_DESC, 0x80200000},
    {IDC_SM_NATURAL_ASC, 0x200000},
    {IDC_SM_CODE_DESC, 0x80004000},
    {IDC_SM_CODE_ASC, 0x4000},
    {IDC_SM_VERSION_DESC, 0x80002000},
    {IDC_SM_VERSION_ASC, 0x2000},
    {IDC_SM_RANDOM, 0x8000},
}};

// The flags a radio writes; false for a control that is not one of the radios.
bool SortKindFlags(int radio, uint32_t& flags);
// The radio that shows a key's flags.
int SortKindRadioFor(uint32_t flags);

// What the dialog's controls show after a refresh.
struct SortMultiView {
  int checkedRadio = 0;  // 0: none
  bool radiosEnabled = false;
  bool okEnabled = false;  // OK and the second sort button
  bool entireGroupEnabled = false;
  bool selectionOnlyEnabled = false;
};

class SortMultiModel {
 public:
  // Rows are the column names; the key list must hold at least as many entries, and rows
  // beyond the key list are not shown.
  SortMultiModel(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                 bool selectionFlag);

  // Reads the two option boxes and sets the rows' checks from bit 26; selects the first row.
  void Load(SettingsStore& settings, const FlagTable& flags);

  size_t RowCount() const { return rows_; }
  // The name of the column that the row's key gives; empty when the index is outside them.
  std::u16string_view RowText(size_t row) const;
  const KeyList& Keys() const { return keys_; }

  SortMultiView Refresh() const;

  // A radio click: every selected row's key gets bit 26 as it was plus the radio's flags.
  void ChooseRadio(int radio);

  // The check list moved two rows: their keys (and check states) change places.
  void SwapRows(size_t a, size_t b);

  // OK, the second sort button and Cancel alike: stores both boxes and rewrites bit 26 of every
  // row's key from its check box. The dialog then ends with the button's identifier.
  void Close(SettingsStore& settings, const FlagTable& flags);

  // Held by the dialog's controls; the dialog writes them back as they change.
  bool entireGroup = false;          // IDC_SM_ENTIRE_GROUP
  bool selectionOnly = false;        // IDC_SM_SELECTION_ONLY
  std::vector<bool> rowChecked;      // one per row (a missing entry counts as unchecked)
  std::vector<size_t> selectedRows;  // ascending row indexes

 private:
  bool Checked(size_t row) const { return row < rowChecked.size() && rowChecked[row]; }

  std::vector<std::u16string> names_;
  KeyList keys_;
  size_t rows_;
  bool groupFlag_;
  bool selectionFlag_;
};

}  // namespace scrv
