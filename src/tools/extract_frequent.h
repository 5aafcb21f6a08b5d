#pragma once
// The model behind the extract frequent dialog: its options in the "Common" settings, and the
// user's list of words to ignore, kept sorted in a file of its own.
//
// The ignore file is UTF-16LE: an optional byte order mark (FF FE), then the words, each ended
// by LF. It is always written back with the mark and with LF after every word.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/flag_table.h"
#include "settings/settings_store.h"

namespace scrv {

// Where the ignore file lives: "ExtIgnr.bin" in the "Spell" folder of the application data.
constexpr char16_t kIgnoreListFolder[] = u"Spell";
constexpr char16_t kIgnoreListName[] = u"ExtIgnr";

// The words of an ignore file: the mark skipped, split at LF, CRs before the LF and empty
// words dropped, sorted by code unit and each word once. A NUL unit ends a word as LF does
// (no word can hold it and be written back), and an odd last byte is ignored. Other units,
// unpaired surrogates included, are kept as they are.
std::vector<std::u16string> ParseIgnoreList(const uint8_t* data, size_t size);
// The file for `words`: the mark, then each word followed by LF.
std::vector<uint8_t> BuildIgnoreList(const std::vector<std::u16string>& words);

// The words the dialog shows and edits, one row each.
class IgnoreList {
 public:
  enum class EditResult { kAccepted, kEmpty, kDuplicate, kInvalid };

  IgnoreList() = default;
  explicit IgnoreList(std::vector<std::u16string> words) : words_(std::move(words)) {}

  size_t size() const { return words_.size(); }
  const std::u16string& operator[](size_t row) const { return words_[row]; }
  const std::vector<std::u16string>& Words() const { return words_; }
  // Exact comparison: same units, same length.
  bool Contains(std::u16string_view word) const;

  // The end of editing row `row`: replaces its word, or appends one when `row` is the new row
  // past the end. Refused for an empty text, a word already in the list (the row's own word
  // included) and a text holding a line break or NUL, which the file could not keep.
  EditResult Edit(size_t row, std::u16string_view text);
  // A pasted word, inserted at `row` (clamped to the end) unless the same refusals apply.
  bool Insert(size_t row, std::u16string_view word);
  // Removes the rows (any order, duplicates and rows past the end ignored) from the highest
  // down. Returns the row to select afterwards: the first removed index while a row is left
  // there, else -1.
  int Delete(std::vector<int> rows);

  std::vector<uint8_t> FileBytes() const { return BuildIgnoreList(words_); }

 private:
  EditResult Check(std::u16string_view text) const;

  std::vector<std::u16string> words_;
};

// The options the dialog keeps in "Common".
struct ExtractFrequentOptions {
  int32_t lines = 100;         // 1705 "ExtractFreqLines", at least 1
  uint8_t formatIndex = 0;     // 1895 "ExtractFreqCsv", the entry of the format list
  bool matchCase = true;       // 1052 "ExtractFreqCase"
  bool secondKind = false;     // 2023 when set, 1866 when not: "ExtractFreqType"
  bool selectionOnly = false;  // 1106 "ExtractFreqSelOnly", kept only with the selection flag
};

constexpr int32_t kExtractFrequentDefaultLines = 100;

// Reads every option through one handle. Without the selection flag the selection box is
// shown clear. A stored line count below 1 reads as the default.
ExtractFrequentOptions LoadExtractFrequentOptions(SettingsStore& store, const FlagTable& flags,
                                                  bool selectionFlag);
// Writes every option through one handle; values equal to their defaults are removed. Without
// the selection flag the selection option is written as false.
void SaveExtractFrequentOptions(SettingsStore& store, const FlagTable& flags,
                                const ExtractFrequentOptions& options, bool selectionFlag);

// The line count typed into 1705: a signed decimal number (blanks around it allowed) of at
// least 1; nothing for anything else, which keeps the dialog open.
std::optional<int32_t> ParseLineCount(std::u16string_view text);
// Why ParseLineCount refuses a text, for the line the dialog shows under the field; empty when
// it accepts it (`text` loads a string of the localisation module by its number).
std::u16string LineCountReason(std::u16string_view field,
                               const std::function<std::u16string(uint32_t)>& text);

}  // namespace scrv
