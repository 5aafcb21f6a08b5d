#pragma once
// The advanced filter dialog's model: the condition list, the default flags, and every rule
// that ties the dialog's controls to the selected conditions. The dialog window keeps only
// the list view's selection and check boxes; it hands the selected row indexes (ascending)
// to these operations and shows what ControlsFor gives back.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/flag_table.h"
#include "settings/settings_store.h"
#include "tools/filter_condition.h"

namespace scrv {

// A check box's state, valued as the button states of the platform.
enum class FilterBoxState : uint8_t { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };

// The flag check boxes, one per editable flag.
enum class FilterFlagBox : uint8_t {
  kCase,
  kOnlyWord,
  kNegative,
  kLogicalOr,
  kWholeString,
  kMatchNL,  // the gate of the four line-end boxes
  kCrOnly,
  kLfOnly,
  kCrLf,
  kNLOthers,
  kBookmarkedOnly,
  kUnbookmarkedOnly,
};
constexpr size_t kFilterFlagBoxCount = 12;

uint64_t FilterFlagBoxMask(FilterFlagBox box);

// The flags a new or pasted condition may take over from another condition or from the default
// flags. A number range belongs to the one text it was checked for: its bit is never passed on,
// nor kept in the default flags (whether read, edited or written).
uint64_t InheritableFilterFlags(uint64_t flags);

// The match-kind radio buttons: plain text, regular expression, escape sequences, number range.
enum class FilterMatchKind : uint8_t { kNone, kRegExp, kEscSeq, kNumberRange };

FilterMatchKind MatchKindOf(uint64_t flags);

// Where the focus goes when the dialog opens.
enum class FilterFocus : uint8_t { kDefault, kRangeStart, kRangeEnd };

// Checks a number-range expression; the dialog passes the number-range parser.
using FilterRangeValidator = std::function<bool(std::u16string_view)>;

// Everything the dialog shows outside the list, for the current selection.
struct FilterControls {
  std::array<FilterBoxState, kFilterFlagBoxCount> boxes{};
  std::optional<FilterMatchKind> matchKind;  // none checked when the selection differs
  int columnEntry = -1;                      // the column list's entry; -1 shows none
  bool openStart = false;                    // the open-start box
  bool openEnd = false;                      // the open-end box
  std::u16string startText;                  // the range start field
  std::u16string endText;                    // the range end field

  // Enabling. The Delete button, the column list and the match-kind radios follow
  // anySelected; each flag box its own entry.
  bool anySelected = false;
  std::array<bool, kFilterFlagBoxCount> boxEnabled{};
  bool openStartEnabled = false;
  bool openEndEnabled = false;
  bool startFieldEnabled = false;
  bool endFieldEnabled = false;
  bool secondFilterEnabled = false;

  FilterBoxState Box(FilterFlagBox b) const { return boxes[static_cast<size_t>(b)]; }
  bool BoxEnabled(FilterFlagBox b) const { return boxEnabled[static_cast<size_t>(b)]; }
};

// Why the line range the fields show cannot be filtered with.
enum class FilterRangeProblem : uint8_t {
  kNone,
  kNoStart,   // the "from" field is in use but holds no line number
  kNoEnd,     // the "to" field likewise
  kInverted,  // a selected range ends before it starts
};
struct FilterRangeIssue {
  FilterRangeProblem problem = FilterRangeProblem::kNone;
  int64_t first = 0;  // kInverted: the range as the user numbers its lines
  int64_t last = 0;
};

// Rows the dialog inserted into its list: select and focus each, deselect the others.
struct FilterInsertedRows {
  size_t first = 0;
  size_t count = 0;
};

class AdvancedFilterModel {
 public:
  // `anyColumnLabel` and `rangeLabel` are the texts of the first and the last entry of the
  // column list; the column names are the document's, in order.
  AdvancedFilterModel(std::vector<FilterCondition> conditions,
                      std::vector<std::u16string> columnNames, std::u16string anyColumnLabel,
                      std::u16string rangeLabel, uint64_t defaultFlags, bool secondFilterEnabled);

  const std::vector<FilterCondition>& Conditions() const { return conditions_; }
  size_t Count() const { return conditions_.size(); }
  uint64_t DefaultFlags() const { return defaultFlags_; }

  // The list: cell texts of the three columns (text, column, letters).
  std::u16string CellText(size_t row, int column) const;
  std::u16string ColumnText(const FilterCondition& c) const;

  // The column list: the first label, every column name, the range label.
  std::vector<std::u16string> ColumnEntries() const;
  int ColumnToEntry(int32_t column) const;  // -1 when the column has no entry
  int32_t EntryToColumn(int entry) const;   // an entry below 0 counts as the first

  FilterFocus InitialFocus() const;

  // Every control outside the list for a selection; with none, the boxes show the defaults.
  FilterControls ControlsFor(std::span<const size_t> selection) const;

  // --- Edits of the selected conditions (each also edits the default flags where it says).
  // A click on a flag box: an indeterminate or unchecked box becomes checked, a checked one
  // unchecked; the bit follows in every selected condition and in the default flags. Checking
  // bookmarked-only clears unbookmarked-only and the other way round. Returns the new state.
  FilterBoxState ClickFlagBox(std::span<const size_t> selection, FilterFlagBox box);
  // A match-kind radio: the other kinds are cleared in the selection and the default flags.
  void ChooseMatchKind(std::span<const size_t> selection, FilterMatchKind kind);
  // The number-range radio first asks the number range dialog, unless the list is empty or
  // the user has switched that dialog off.
  bool NeedsNumberRangeDialog(bool skipNumberRangeDialog) const;
  // The text the number range dialog opens with: the first selected text, at most 159 units.
  std::u16string NumberRangeDialogText(std::span<const size_t> selection) const;
  // That text had to be cut.
  bool NumberRangeDialogTextCut(std::span<const size_t> selection) const;
  // After the number range dialog was confirmed: the kind, and its text (when not empty) for
  // every selected condition.
  void ApplyNumberRange(std::span<const size_t> selection, std::u16string_view rangeText);
  void ChooseColumnEntry(std::span<const size_t> selection, int entry);
  // The range fields, on every change (the dialog skips this while it fills its controls or
  // while the field's open box is checked). Start: empty gives 0 (the first line), a decimal
  // of at least 1 gives it minus one. End: a decimal of at least 1. Anything else changes
  // nothing.
  void EditRangeStart(std::span<const size_t> selection, std::u16string_view field);
  void EditRangeEnd(std::span<const size_t> selection, std::u16string_view field);
  // The open boxes: checked opens that end; unchecked applies the field's number when it is
  // at least 1.
  void SetOpenStart(std::span<const size_t> selection, bool open, std::u16string_view field);
  void SetOpenEnd(std::span<const size_t> selection, bool open, std::u16string_view field);
  // The in-place edit of a row's text, cut to the text limit.
  void SetText(size_t row, std::u16string_view text);
  // The row's check box.
  void SetEnabled(size_t row, bool enabled);
  // Drag reordering in the list.
  void Swap(size_t a, size_t b);

  // --- List commands.
  // Appends a condition with the flags of the first selected one (or the defaults) plus the
  // enabled bit, column -1, start 0, end -1, empty text; returns its row.
  size_t Add(std::span<const size_t> selection);
  // Deletes the selection; returns the row to select afterwards (the old first selected row,
  // or the last one), nothing when the list is now empty or nothing was deleted.
  std::optional<size_t> DeleteSelected(std::span<const size_t> selection);
  void Clear() { conditions_.clear(); }
  // Inserts before the first selected row, or at the end.
  FilterInsertedRows Insert(std::span<const size_t> selection,
                            std::vector<FilterCondition> conditions);
  // The selected conditions as clipboard text (the full file format).
  std::u16string Copy(std::span<const size_t> selection) const;
  // Clipboard text parsed as a condition file, plain lines with the default flags.
  FilterInsertedRows Paste(std::span<const size_t> selection, std::u16string_view text);

  // The range fields as the user left them (`startInUse`/`endInUse`: the field is enabled and
  // its open box clear) against the selected conditions: a field without a line number of at
  // least 1, or a selected range whose last line comes before its first, keeps Filter off.
  FilterRangeIssue CheckRangeFields(std::span<const size_t> selection,
                                    std::u16string_view startField, bool startInUse,
                                    std::u16string_view endField, bool endInUse) const;
  // The issue as one sentence from the localisation module's texts; empty for kNone.
  static std::u16string RangeIssueText(const FilterRangeIssue& issue,
                                       const std::function<std::u16string(uint32_t)>& text);

  // --- Filter.
  // The row of the first enabled number-range condition whose text the validator refuses.
  std::optional<size_t> FindInvalidRange(const FilterRangeValidator& valid) const;
  // The Filter came from the second button (true) or from OK; the second button is disabled
  // once used and enabled again by OK.
  void NoteFilterApplied(bool fromSecondButton);
  bool SecondFilterEnabled() const { return secondFilterEnabled_; }

 private:
  template <typename Edit>
  void ForSelected(std::span<const size_t> selection, Edit edit);
  void SetFlag(std::span<const size_t> selection, uint64_t mask, bool on);

  std::vector<FilterCondition> conditions_;
  std::vector<std::u16string> columnNames_;
  std::u16string anyColumnLabel_;
  std::u16string rangeLabel_;
  uint64_t defaultFlags_;
  bool secondFilterEnabled_;
};

// What the dialog reads from "Common" when it opens, in one pass: "FilterDefFlags" (the flags
// of new conditions and plain lines) and "FilterClose" (close after filtering).
struct FilterSettings {
  uint64_t defaultFlags = 0;
  bool closeAfter = false;
};
FilterSettings ReadFilterSettings(SettingsStore& settings, const FlagTable& flags);
void WriteFilterDefaultFlags(SettingsStore& settings, uint64_t flags);

}  // namespace scrv
