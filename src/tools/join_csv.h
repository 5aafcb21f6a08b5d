#pragma once
// The model behind the join CSV dialog: two documents of the host, the key column of each, the
// list of column pairs that go into the result and their order, and the option boxes; with the
// join record handed back on OK and the macro statement the dialog can save.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "keys_ids.h"
#include "settings/settings_store.h"
#include "controls/key_list.h"
#include "tools/macro_literal.h"

namespace scrv {

// The option bits ("JoinCsvFlags"), their boxes and their macro names.
constexpr uint32_t kJoinUniqueKey1 = 0x1;
constexpr uint32_t kJoinUniqueKey2 = 0x2;
constexpr uint32_t kJoinIncludeAll1 = 0x4;
constexpr uint32_t kJoinIncludeAll2 = 0x8;
constexpr uint32_t kJoinMatchCase = 0x10;
constexpr uint32_t kJoinSimpleMerge = 0x20;
constexpr uint32_t kJoinIgnoreHeadings1 = 0x40;
constexpr uint32_t kJoinIgnoreHeadings2 = 0x80;
constexpr uint32_t kJoinOptionMask = 0xFF;
constexpr uint32_t kJoinDefaultFlags = kJoinIgnoreHeadings1 | kJoinIgnoreHeadings2;

struct JoinOptionBox {
  int control;
  uint32_t bit;
  const char* macroName;
};
constexpr std::array<JoinOptionBox, 8> kJoinOptionBoxes = {{
    {IDC_JOIN_UNIQUE_KEY1, kJoinUniqueKey1, "scJoinUniqueKey1"},
    {IDC_JOIN_UNIQUE_KEY2, kJoinUniqueKey2, "scJoinUniqueKey2"},
    {IDC_JOIN_INCLUDE_ALL1, kJoinIncludeAll1, "scJoinIncludeAll1"},
    {IDC_JOIN_INCLUDE_ALL2, kJoinIncludeAll2, "scJoinIncludeAll2"},
    {IDC_JOIN_MATCH_CASE, kJoinMatchCase, "scJoinMatchCase"},
    {IDC_JOIN_SIMPLE_MERGE, kJoinSimpleMerge, "scJoinSimpleMerge"},
    {IDC_JOIN_IGNORE_HEADINGS1, kJoinIgnoreHeadings1, "scJoinIgnoreHeadings1"},
    {IDC_JOIN_IGNORE_HEADINGS2, kJoinIgnoreHeadings2, "scJoinIgnoreHeadings2"},
}};

// The host's join record (32 bytes, little-endian).
struct JoinCsvRecord {
  uint32_t flags = 0;
  int32_t firstDocument = -1;
  int32_t firstKeyColumn = -1;
  int32_t secondDocument = -1;
  int32_t secondKeyColumn = -1;
  uint32_t unused = 0;
  uint64_t pairBlock = 0;  // handle of the column pair block, set by the export on OK
};
static_assert(sizeof(JoinCsvRecord) == 32);
static_assert(offsetof(JoinCsvRecord, secondKeyColumn) == 16);
static_assert(offsetof(JoinCsvRecord, pairBlock) == 24);

enum class JoinSide { kFirst, kSecond };

// Asks the host for the column names of a document.
using JoinColumnSource = std::function<std::vector<std::u16string>(int32_t document)>;

class JoinCsvModel {
 public:
  JoinCsvModel(std::vector<std::u16string> documentNames, JoinColumnSource columns);

  // Reads "JoinCsvFlags" into the option boxes, selects the record's documents (when they name
  // one), fills their key-column lists and builds the pair list.
  void Load(SettingsStore& settings, const JoinCsvRecord& record);

  const std::vector<std::u16string>& DocumentNames() const { return documents_; }
  int32_t Document(JoinSide side) const { return Side(side).document; }
  const std::vector<std::u16string>& ColumnNames(JoinSide side) const { return Side(side).columns; }
  int32_t KeyColumn(JoinSide side) const { return Side(side).keyColumn; }

  // A selection in a document list: refills that side's columns (first selected) and rebuilds
  // the pair list. A negative or unknown index leaves the side without a document.
  void SelectDocument(JoinSide side, int32_t document);
  // A selection in a key-column list; -1 for none.
  void SelectKeyColumn(JoinSide side, int32_t column);

  // The pair list, one entry per row of the column list.
  const std::vector<ColumnEntry>& Pairs() const { return pairs_; }
  size_t RowCount() const { return pairs_.size(); }
  // Column 0 of a row: its document's name; column 1: the column name.
  std::u16string_view RowDocument(size_t row) const;
  std::u16string_view RowColumn(size_t row) const;
  bool RowChecked(size_t row) const;
  void SetRowChecked(size_t row, bool checked);
  void SwapRows(size_t a, size_t b);

  // Simple merge leaves the key columns and the other options without meaning: the dialog
  // disables 1870, 1840 and every option box but 1881 while this is false.
  bool KeyControlsEnabled() const { return (flags & kJoinSimpleMerge) == 0; }

  // Both documents chosen: OK may collect.
  bool CanJoin() const;

  // Writes "JoinCsvFlags" and gives the record the dialog hands back (all but the pair block
  // handle, which the export sets). The rows' checks must be in the pair entries.
  JoinCsvRecord Collect(SettingsStore& settings) const;
  // The bytes of the column pair block, in row order.
  std::vector<uint8_t> PairBlock() const { return SerializeColumnBlock(pairs_); }

  // The checked pairs as macro text: "doc>:n" per pair, separated by commas.
  std::u16string PairText() const;
  // The "editor.Join" statement, with its line end.
  std::u16string MacroStatement(MacroLanguage language) const;
  // A macro file: UTF-16LE with a byte order mark, holding the statement.
  std::vector<uint8_t> MacroFile(MacroLanguage language) const;

  // Held by the option boxes; the dialog writes it back as they change.
  uint32_t flags = kJoinDefaultFlags;

 private:
  struct DocumentSide {
    int32_t document = -1;
    std::vector<std::u16string> columns;
    int32_t keyColumn = -1;
  };
  const DocumentSide& Side(JoinSide side) const {
    return side == JoinSide::kFirst ? first_ : second_;
  }
  DocumentSide& Side(JoinSide side) { return side == JoinSide::kFirst ? first_ : second_; }
  std::u16string_view DocumentName(int32_t document) const;
  void BuildPairs();

  std::vector<std::u16string> documents_;
  JoinColumnSource columnSource_;
  DocumentSide first_;
  DocumentSide second_;
  std::vector<ColumnEntry> pairs_;
};

}  // namespace scrv
