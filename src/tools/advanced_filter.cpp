#include "tools/advanced_filter.h"

#include <algorithm>
#include <limits>

#include "filter_ids.h"
#include "frame/reason_text.h"
#include "tools/filter_file.h"

namespace scrv {
namespace {

constexpr uint64_t kBoxMasks[kFilterFlagBoxCount] = {
    filter_flag::kCase,      filter_flag::kOnlyWord,       filter_flag::kNegative,
    filter_flag::kLogicalOr, filter_flag::kWholeString,    filter_flag::kMatchNL,
    filter_flag::kCrOnly,    filter_flag::kLfOnly,         filter_flag::kCrLf,
    filter_flag::kNLOthers,  filter_flag::kBookmarkedOnly, filter_flag::kUnbookmarkedOnly,
};

constexpr size_t kNumberRangeDialogMax = 159;

uint64_t MatchKindMask(FilterMatchKind kind) {
  switch (kind) {
    case FilterMatchKind::kRegExp:
      return filter_flag::kRegExp;
    case FilterMatchKind::kEscSeq:
      return filter_flag::kEscSeq;
    case FilterMatchKind::kNumberRange:
      return filter_flag::kNumberRange;
    case FilterMatchKind::kNone:
      break;
  }
  return 0;
}

std::u16string Decimal(int64_t value) {
  std::u16string out;
  for (char c : std::to_string(value)) out += static_cast<char16_t>(c);
  return out;
}

// A whole field holding a signed decimal number (blanks around it allowed); nothing for an
// empty field, anything else, or a number beyond 32 bits.
std::optional<int64_t> FieldNumber(std::u16string_view field) {
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!field.empty() && blank(field.front())) field.remove_prefix(1);
  while (!field.empty() && blank(field.back())) field.remove_suffix(1);
  bool negative = false;
  if (!field.empty() && (field[0] == u'+' || field[0] == u'-')) {
    negative = field[0] == u'-';
    field.remove_prefix(1);
  }
  if (field.empty()) return std::nullopt;
  int64_t value = 0;
  for (char16_t c : field) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  }
  return negative ? -value : value;
}

// The selected rows that exist, ascending, each once.
std::vector<size_t> ValidRows(std::span<const size_t> selection, size_t count) {
  std::vector<size_t> rows;
  for (size_t r : selection) {
    if (r < count) rows.push_back(r);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

// True when `get` gives the same value for every selected condition.
template <typename Get>
bool Common(const std::vector<const FilterCondition*>& sel, Get get) {
  return std::all_of(sel.begin(), sel.end(),
                     [&](const FilterCondition* c) { return get(*c) == get(*sel[0]); });
}

}  // namespace

uint64_t InheritableFilterFlags(uint64_t flags) {
  return flags & ~filter_flag::kNumberRange;
}

uint64_t FilterFlagBoxMask(FilterFlagBox box) {
  return kBoxMasks[static_cast<size_t>(box)];
}

FilterMatchKind MatchKindOf(uint64_t flags) {
  if (flags & filter_flag::kNumberRange) return FilterMatchKind::kNumberRange;
  if (flags & filter_flag::kRegExp) return FilterMatchKind::kRegExp;
  if (flags & filter_flag::kEscSeq) return FilterMatchKind::kEscSeq;
  return FilterMatchKind::kNone;
}

AdvancedFilterModel::AdvancedFilterModel(std::vector<FilterCondition> conditions,
                                         std::vector<std::u16string> columnNames,
                                         std::u16string anyColumnLabel, std::u16string rangeLabel,
                                         uint64_t defaultFlags, bool secondFilterEnabled)
    : conditions_(std::move(conditions)),
      columnNames_(std::move(columnNames)),
      anyColumnLabel_(std::move(anyColumnLabel)),
      rangeLabel_(std::move(rangeLabel)),
      defaultFlags_(InheritableFilterFlags(defaultFlags)),
      secondFilterEnabled_(secondFilterEnabled) {}

std::u16string AdvancedFilterModel::ColumnText(const FilterCondition& c) const {
  if (c.column == kFilterColumnAny) return anyColumnLabel_;
  if (c.column == kFilterColumnRange) {
    return rangeLabel_ + u" (" + FilterRangeText(c.rangeStart, c.rangeEnd) + u")";
  }
  if (c.column >= 0 && static_cast<size_t>(c.column) < columnNames_.size()) {
    return columnNames_[c.column];
  }
  return {};
}

std::u16string AdvancedFilterModel::CellText(size_t row, int column) const {
  if (row >= conditions_.size()) return {};
  const FilterCondition& c = conditions_[row];
  switch (column) {
    case 0:
      return c.text;
    case 1:
      return ColumnText(c);
    case 2:
      return FilterLetters(c.flags, true);
    default:
      return {};
  }
}

std::vector<std::u16string> AdvancedFilterModel::ColumnEntries() const {
  std::vector<std::u16string> entries;
  entries.reserve(columnNames_.size() + 2);
  entries.push_back(anyColumnLabel_);
  entries.insert(entries.end(), columnNames_.begin(), columnNames_.end());
  entries.push_back(rangeLabel_);
  return entries;
}

int AdvancedFilterModel::ColumnToEntry(int32_t column) const {
  if (column == kFilterColumnAny) return 0;
  if (column == kFilterColumnRange) return static_cast<int>(columnNames_.size()) + 1;
  if (column >= 0 && static_cast<size_t>(column) < columnNames_.size()) return column + 1;
  return -1;
}

int32_t AdvancedFilterModel::EntryToColumn(int entry) const {
  const int last = static_cast<int>(columnNames_.size()) + 1;
  if (entry <= 0) return kFilterColumnAny;
  if (entry >= last) return kFilterColumnRange;
  return entry - 1;
}

FilterFocus AdvancedFilterModel::InitialFocus() const {
  if (conditions_.empty() || !conditions_[0].IsRange()) return FilterFocus::kDefault;
  const FilterCondition& c = conditions_[0];
  if (c.rangeStart != kFilterRangeOpen) return FilterFocus::kRangeStart;
  if (c.rangeEnd != kFilterRangeOpen) return FilterFocus::kRangeEnd;
  return FilterFocus::kDefault;
}

FilterControls AdvancedFilterModel::ControlsFor(std::span<const size_t> selection) const {
  FilterControls out;
  out.secondFilterEnabled = secondFilterEnabled_;
  std::vector<const FilterCondition*> sel;
  for (size_t r : ValidRows(selection, conditions_.size())) sel.push_back(&conditions_[r]);

  if (sel.empty()) {
    for (size_t b = 0; b < kFilterFlagBoxCount; ++b) {
      out.boxes[b] =
          (defaultFlags_ & kBoxMasks[b]) ? FilterBoxState::kChecked : FilterBoxState::kUnchecked;
    }
    out.matchKind = MatchKindOf(defaultFlags_);
    return out;
  }

  for (size_t b = 0; b < kFilterFlagBoxCount; ++b) {
    size_t with = std::count_if(sel.begin(), sel.end(), [&](const FilterCondition* c) {
      return (c->flags & kBoxMasks[b]) != 0;
    });
    out.boxes[b] = with == 0            ? FilterBoxState::kUnchecked
                   : with == sel.size() ? FilterBoxState::kChecked
                                        : FilterBoxState::kIndeterminate;
  }
  auto kind = [](const FilterCondition& c) { return MatchKindOf(c.flags); };
  if (Common(sel, kind)) out.matchKind = kind(*sel[0]);
  auto column = [](const FilterCondition& c) { return c.column; };
  const bool commonColumn = Common(sel, column);
  if (commonColumn) out.columnEntry = ColumnToEntry(sel[0]->column);

  out.openStart = std::all_of(sel.begin(), sel.end(), [](const FilterCondition* c) {
    return c->rangeStart == kFilterRangeOpen;
  });
  out.openEnd = std::all_of(sel.begin(), sel.end(), [](const FilterCondition* c) {
    return c->rangeEnd == kFilterRangeOpen && c->rangeStart != 0;
  });
  auto start = [](const FilterCondition& c) { return c.rangeStart; };
  if (Common(sel, start) && sel[0]->rangeStart != kFilterRangeOpen) {
    out.startText = Decimal(int64_t{sel[0]->rangeStart} + 1);
  }
  auto end = [](const FilterCondition& c) { return c.rangeEnd; };
  if (Common(sel, end) && sel[0]->rangeEnd != kFilterRangeOpen) {
    out.endText = Decimal(sel[0]->rangeEnd);
  }

  out.anySelected = true;
  out.boxEnabled.fill(true);
  const bool gateOff = out.Box(FilterFlagBox::kMatchNL) == FilterBoxState::kUnchecked;
  for (FilterFlagBox b : {FilterFlagBox::kCrOnly, FilterFlagBox::kLfOnly, FilterFlagBox::kCrLf,
                          FilterFlagBox::kNLOthers}) {
    out.boxEnabled[static_cast<size_t>(b)] = !gateOff;
  }
  out.boxEnabled[static_cast<size_t>(FilterFlagBox::kUnbookmarkedOnly)] =
      out.Box(FilterFlagBox::kBookmarkedOnly) == FilterBoxState::kUnchecked;
  const bool range = commonColumn && sel[0]->IsRange();
  out.openStartEnabled = range;
  out.openEndEnabled = range;
  out.startFieldEnabled = range && !out.openStart;
  out.endFieldEnabled = range && !out.openEnd;
  return out;
}

template <typename Edit>
void AdvancedFilterModel::ForSelected(std::span<const size_t> selection, Edit edit) {
  for (size_t r : ValidRows(selection, conditions_.size())) edit(conditions_[r]);
}

void AdvancedFilterModel::SetFlag(std::span<const size_t> selection, uint64_t mask, bool on) {
  auto apply = [&](uint64_t& flags) { flags = on ? (flags | mask) : (flags & ~mask); };
  ForSelected(selection, [&](FilterCondition& c) { apply(c.flags); });
  apply(defaultFlags_);
  defaultFlags_ = InheritableFilterFlags(defaultFlags_);
}

FilterBoxState AdvancedFilterModel::ClickFlagBox(std::span<const size_t> selection,
                                                 FilterFlagBox box) {
  const bool on = ControlsFor(selection).Box(box) != FilterBoxState::kChecked;
  SetFlag(selection, FilterFlagBoxMask(box), on);
  if (on && box == FilterFlagBox::kBookmarkedOnly) {
    SetFlag(selection, filter_flag::kUnbookmarkedOnly, false);
  } else if (on && box == FilterFlagBox::kUnbookmarkedOnly) {
    SetFlag(selection, filter_flag::kBookmarkedOnly, false);
  }
  return on ? FilterBoxState::kChecked : FilterBoxState::kUnchecked;
}

void AdvancedFilterModel::ChooseMatchKind(std::span<const size_t> selection, FilterMatchKind kind) {
  SetFlag(selection, filter_flag::kMatchKindMask, false);
  if (uint64_t mask = MatchKindMask(kind)) SetFlag(selection, mask, true);
}

bool AdvancedFilterModel::NeedsNumberRangeDialog(bool skipNumberRangeDialog) const {
  return !conditions_.empty() && !skipNumberRangeDialog;
}

std::u16string AdvancedFilterModel::NumberRangeDialogText(std::span<const size_t> selection) const {
  std::vector<size_t> rows = ValidRows(selection, conditions_.size());
  if (rows.empty()) return {};
  return conditions_[rows[0]].text.substr(0, kNumberRangeDialogMax);
}

bool AdvancedFilterModel::NumberRangeDialogTextCut(std::span<const size_t> selection) const {
  std::vector<size_t> rows = ValidRows(selection, conditions_.size());
  return !rows.empty() && conditions_[rows[0]].text.size() > kNumberRangeDialogMax;
}

void AdvancedFilterModel::ApplyNumberRange(std::span<const size_t> selection,
                                           std::u16string_view rangeText) {
  ChooseMatchKind(selection, FilterMatchKind::kNumberRange);
  if (rangeText.empty()) return;
  ForSelected(selection, [&](FilterCondition& c) { c.text = ClampFilterText(rangeText); });
}

void AdvancedFilterModel::ChooseColumnEntry(std::span<const size_t> selection, int entry) {
  const int32_t column = EntryToColumn(entry);
  ForSelected(selection, [&](FilterCondition& c) { c.column = column; });
}

void AdvancedFilterModel::EditRangeStart(std::span<const size_t> selection,
                                         std::u16string_view field) {
  int32_t start;
  if (field.empty()) {
    start = 0;
  } else if (auto n = FieldNumber(field); n && *n >= 1) {
    start = static_cast<int32_t>(*n - 1);
  } else {
    return;
  }
  ForSelected(selection, [&](FilterCondition& c) { c.rangeStart = start; });
}

void AdvancedFilterModel::EditRangeEnd(std::span<const size_t> selection,
                                       std::u16string_view field) {
  auto n = FieldNumber(field);
  if (!n || *n < 1) return;
  ForSelected(selection, [&](FilterCondition& c) { c.rangeEnd = static_cast<int32_t>(*n); });
}

void AdvancedFilterModel::SetOpenStart(std::span<const size_t> selection, bool open,
                                       std::u16string_view field) {
  if (open) {
    ForSelected(selection, [](FilterCondition& c) { c.rangeStart = kFilterRangeOpen; });
  } else if (!field.empty()) {
    EditRangeStart(selection, field);
  }
}

void AdvancedFilterModel::SetOpenEnd(std::span<const size_t> selection, bool open,
                                     std::u16string_view field) {
  if (open) {
    ForSelected(selection, [](FilterCondition& c) { c.rangeEnd = kFilterRangeOpen; });
  } else {
    EditRangeEnd(selection, field);
  }
}

void AdvancedFilterModel::SetText(size_t row, std::u16string_view text) {
  if (row < conditions_.size()) conditions_[row].text = ClampFilterText(text);
}

void AdvancedFilterModel::SetEnabled(size_t row, bool enabled) {
  if (row >= conditions_.size()) return;
  uint64_t& flags = conditions_[row].flags;
  flags = enabled ? (flags | filter_flag::kEnabled) : (flags & ~filter_flag::kEnabled);
}

void AdvancedFilterModel::Swap(size_t a, size_t b) {
  if (a < conditions_.size() && b < conditions_.size()) std::swap(conditions_[a], conditions_[b]);
}

size_t AdvancedFilterModel::Add(std::span<const size_t> selection) {
  std::vector<size_t> rows = ValidRows(selection, conditions_.size());
  FilterCondition c;
  c.flags = InheritableFilterFlags(rows.empty() ? defaultFlags_ : conditions_[rows[0]].flags) |
            filter_flag::kEnabled;
  conditions_.push_back(std::move(c));
  return conditions_.size() - 1;
}

std::optional<size_t> AdvancedFilterModel::DeleteSelected(std::span<const size_t> selection) {
  std::vector<size_t> rows = ValidRows(selection, conditions_.size());
  if (rows.empty()) return std::nullopt;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    conditions_.erase(conditions_.begin() + static_cast<std::ptrdiff_t>(*it));
  }
  if (conditions_.empty()) return std::nullopt;
  return std::min(rows[0], conditions_.size() - 1);
}

FilterInsertedRows AdvancedFilterModel::Insert(std::span<const size_t> selection,
                                               std::vector<FilterCondition> conditions) {
  std::vector<size_t> rows = ValidRows(selection, conditions_.size());
  const size_t at = rows.empty() ? conditions_.size() : rows[0];
  const size_t count = conditions.size();
  conditions_.insert(conditions_.begin() + static_cast<std::ptrdiff_t>(at),
                     std::make_move_iterator(conditions.begin()),
                     std::make_move_iterator(conditions.end()));
  return {at, count};
}

std::u16string AdvancedFilterModel::Copy(std::span<const size_t> selection) const {
  std::vector<FilterCondition> picked;
  for (size_t r : ValidRows(selection, conditions_.size())) picked.push_back(conditions_[r]);
  return FormatFilterLines(picked, FilterFileFormat::kFull);
}

FilterInsertedRows AdvancedFilterModel::Paste(std::span<const size_t> selection,
                                              std::u16string_view text) {
  return Insert(selection, ParseFilterLines(text, defaultFlags_));
}

FilterRangeIssue AdvancedFilterModel::CheckRangeFields(std::span<const size_t> selection,
                                                       std::u16string_view startField,
                                                       bool startInUse,
                                                       std::u16string_view endField,
                                                       bool endInUse) const {
  auto lineNumber = [](std::u16string_view field) {
    const std::optional<int64_t> n = FieldNumber(field);
    return n && *n >= 1;
  };
  if (startInUse && !lineNumber(startField)) return {FilterRangeProblem::kNoStart};
  if (endInUse && !lineNumber(endField)) return {FilterRangeProblem::kNoEnd};
  for (size_t r : ValidRows(selection, conditions_.size())) {
    const FilterCondition& c = conditions_[r];
    if (!c.IsRange() || c.rangeStart == kFilterRangeOpen || c.rangeEnd == kFilterRangeOpen)
      continue;
    const int64_t first = int64_t{c.rangeStart} + 1;
    if (first > c.rangeEnd) return {FilterRangeProblem::kInverted, first, c.rangeEnd};
  }
  return {};
}

std::u16string AdvancedFilterModel::RangeIssueText(
    const FilterRangeIssue& issue, const std::function<std::u16string(uint32_t)>& text) {
  switch (issue.problem) {
    case FilterRangeProblem::kNoStart:
      return text(IDS_AF_WHY_NO_START);
    case FilterRangeProblem::kNoEnd:
      return text(IDS_AF_WHY_NO_END);
    case FilterRangeProblem::kInverted:
      return FillArguments(text(IDS_AF_WHY_INVERTED),
                           {DecimalText(issue.first), DecimalText(issue.last)});
    case FilterRangeProblem::kNone:
      break;
  }
  return {};
}

std::optional<size_t> AdvancedFilterModel::FindInvalidRange(
    const FilterRangeValidator& valid) const {
  for (size_t i = 0; i < conditions_.size(); ++i) {
    const FilterCondition& c = conditions_[i];
    if (!c.Enabled() || !(c.flags & filter_flag::kNumberRange)) continue;
    if (!valid || !valid(c.text)) return i;
  }
  return std::nullopt;
}

void AdvancedFilterModel::NoteFilterApplied(bool fromSecondButton) {
  secondFilterEnabled_ = !fromSecondButton;
}

FilterSettings ReadFilterSettings(SettingsStore& settings, const FlagTable& flags) {
  FilterSettings s;
  SettingsHandle h = settings.OpenCommon(false);
  s.defaultFlags = InheritableFilterFlags(settings.ReadQword(h, u"FilterDefFlags", 0));
  s.closeAfter = ReadFlag(settings, flags, h, flag::kFilterClose);
  settings.CloseSettings(h);
  return s;
}

void WriteFilterDefaultFlags(SettingsStore& settings, uint64_t flags) {
  settings.WriteCommonQword(u"FilterDefFlags", InheritableFilterFlags(flags));
}

}  // namespace scrv
