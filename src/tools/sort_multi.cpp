#include "tools/sort_multi.h"

#include <algorithm>

namespace scrv {
namespace {

constexpr uint32_t kEvenOfPair = 0x80000000;  // bit 31 picks the even radio of a pair

// The bits that pick a pair, in the order they are tested, with the pair's even radio.
struct KindBit {
  uint32_t bit;
  int evenRadio;
};
constexpr KindBit kKindBits[] = {
    {0x4000, IDC_SM_CODE_DESC},     {0x2000, IDC_SM_VERSION_DESC},  {0x200000, IDC_SM_NATURAL_DESC},
    {0x80000, IDC_SM_DATE_DESC},    {0x100000, IDC_SM_LENGTH_DESC}, {0x400000, IDC_SM_NUMBER_DESC},
    {0x40000000, IDC_SM_CASE_DESC},
};
constexpr int kPlainEvenRadio = IDC_SM_TEXT_DESC;
constexpr int kStandaloneRadio = IDC_SM_RANDOM;
constexpr uint32_t kStandaloneBit = 0x8000;

}  // namespace

bool SortKindFlags(int radio, uint32_t& flags) {
  for (const SortKindRadio& r : kSortKindRadios) {
    if (r.control == radio) {
      flags = r.flags;
      return true;
    }
  }
  return false;
}

int SortKindRadioFor(uint32_t flags) {
  if (flags & kStandaloneBit) return kStandaloneRadio;
  int even = kPlainEvenRadio;
  for (const KindBit& k : kKindBits) {
    if (flags & k.bit) {
      even = k.evenRadio;
      break;
    }
  }
  return (flags & kEvenOfPair) ? even : even + 1;
}

SortMultiModel::SortMultiModel(std::vector<std::u16string> columnNames, KeyList keys,
                               bool groupFlag, bool selectionFlag)
    : names_(std::move(columnNames)),
      keys_(keys),
      rows_(std::min(names_.size(), keys_.size())),
      groupFlag_(groupFlag),
      selectionFlag_(selectionFlag) {
  rowChecked.assign(rows_, false);
}

void SortMultiModel::Load(SettingsStore& settings, const FlagTable& flags) {
  SettingsHandle h = settings.OpenCommon(false);
  entireGroup = ReadFlag(settings, flags, h, flag::kMultiSortEntireGroup);
  bool storedSelectionOnly = ReadFlag(settings, flags, h, flag::kMultiSortSelOnly);
  settings.CloseSettings(h);
  selectionOnly = selectionFlag_ && storedSelectionOnly;

  rowChecked.assign(rows_, false);
  for (size_t i = 0; i < rows_; ++i) {
    rowChecked[i] = (keys_.Flags(i) & kKeyIncluded) != 0;
  }
  selectedRows.clear();
  if (rows_ > 0) selectedRows.push_back(0);
}

std::u16string_view SortMultiModel::RowText(size_t row) const {
  if (row >= RowCount()) return {};
  int32_t column = keys_.Column(row);
  if (column < 0 || static_cast<size_t>(column) >= names_.size()) return {};
  return names_[static_cast<size_t>(column)];
}

SortMultiView SortMultiModel::Refresh() const {
  SortMultiView view;
  std::vector<size_t> selected;
  for (size_t row : selectedRows) {
    if (row < RowCount()) selected.push_back(row);
  }
  if (!selected.empty()) {
    bool anyChecked = false;
    bool same = Checked(selected.front());
    uint32_t kind = keys_.Flags(selected.front()) & ~kKeyIncluded;
    for (size_t row : selected) {
      if (!Checked(row)) continue;
      anyChecked = true;
      if ((keys_.Flags(row) & ~kKeyIncluded) != kind) same = false;
    }
    if (same) {
      view.radiosEnabled = true;
      view.checkedRadio = SortKindRadioFor(kind);
    } else {
      view.radiosEnabled = anyChecked;
    }
  }
  for (size_t row = 0; row < rows_; ++row) {
    if (Checked(row)) view.okEnabled = true;
  }
  view.entireGroupEnabled = groupFlag_;
  view.selectionOnlyEnabled = groupFlag_ || selectionFlag_;
  return view;
}

void SortMultiModel::ChooseRadio(int radio) {
  uint32_t value;
  if (!SortKindFlags(radio, value)) return;
  for (size_t row : selectedRows) {
    if (row < RowCount()) keys_.SetFlags(row, (keys_.Flags(row) & kKeyIncluded) | value);
  }
}

void SortMultiModel::SwapRows(size_t a, size_t b) {
  if (a >= RowCount() || b >= RowCount()) return;
  keys_.Swap(a, b);
  if (rowChecked.size() < rows_) rowChecked.resize(rows_, false);
  bool checked = rowChecked[a];
  rowChecked[a] = rowChecked[b];
  rowChecked[b] = checked;
}

void SortMultiModel::Close(SettingsStore& settings, const FlagTable& flags) {
  SettingsHandle h = settings.OpenCommon(true);
  StoreFlag(settings, flags, h, flag::kMultiSortEntireGroup, entireGroup);
  StoreFlag(settings, flags, h, flag::kMultiSortSelOnly, selectionOnly);
  settings.CloseSettings(h);
  for (size_t row = 0; row < RowCount(); ++row) {
    uint32_t flags = keys_.Flags(row);
    keys_.SetFlags(row, Checked(row) ? flags | kKeyIncluded : flags & ~kKeyIncluded);
  }
}

}  // namespace scrv
