#pragma once
// The CSV page's list of formats while the sheet is open: each entry remembers the position it
// was loaded at, so that the save step can tell the host and the configurations where every
// format went; the fields of the selected formats as the page shows them; and one edit applied
// to every selected format.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/csv_formats.h"

namespace scrv {

// The old index of a format added while the sheet was open.
constexpr uint32_t kNewCsvFormat = 0xFFFFFFFF;
// The configurations' "Cust" block and its byte of enabled-format bits.
constexpr size_t kCustBlockSize = 6660;
constexpr size_t kCustEnabledFormatsOffset = 3809;

// The fields of a format, in the order the page lays them out.
enum class CsvField : uint8_t { kSeparator, kSecondText, kA, kB, kC, kD, kE, kF, kG, kH, kI };
constexpr size_t kCsvFieldCount = 11;

struct CsvFieldView {
  bool differs = false;  // the selected formats disagree: box indeterminate, or edit empty
                         // with "*" beside it
  std::u16string text;   // an edit's text (the separator escaped, I plus one), empty when
                         // the formats differ
  bool on = false;       // a check box's state when they agree
};

class CsvFormatList {
 public:
  void Load(std::vector<CsvFormat> formats);
  const std::vector<CsvFormat>& Formats() const { return formats_; }
  size_t Size() const { return formats_.size(); }

  // Editing the list. Add appends a copy of format `from` (or a comma format when there is
  // none) named `name`, unless the list is full; it answers the new position or -1.
  int Add(std::u16string_view name, int from);
  void Remove(size_t index);
  void Swap(size_t a, size_t b);
  void Rename(size_t index, std::u16string_view name);
  // Puts another list in place (an import), as an edit: a format keeps the position it was
  // loaded at when one of that name was loaded, so that the configurations' enabled formats
  // follow it; the others count as added.
  void Replace(std::vector<CsvFormat> formats);

  // The fields shown for the selected formats; all empty and clear for no selection.
  std::array<CsvFieldView, kCsvFieldCount> View(std::span<const size_t> selected) const;
  // Sets one field of every selected format from its edit (or box), through the rules. Text
  // a number field cannot read leaves the formats as they are; answers whether anything
  // changed.
  bool Set(std::span<const size_t> selected, CsvField field, std::u16string_view text, bool on);

  // Whether the list differs from the one loaded (any field, the order or the count).
  bool Edited() const { return formats_ != loaded_; }
  // For each position, the position it was loaded at (kNewCsvFormat for an added format).
  const std::vector<uint32_t>& OldIndices() const { return old_; }

 private:
  std::vector<CsvFormat> formats_, loaded_;
  std::vector<uint32_t> old_;
};

// The enabled-format byte after the list moved: bit j of the result is bit old[j] of `bits`
// (a new format, or one past the byte's eight, is off).
uint8_t RemapEnabledFormats(uint8_t bits, std::span<const uint32_t> old);
// The same on a whole "Cust" block; nothing when the block has another size or its byte is
// unchanged.
std::optional<std::vector<uint8_t>> RemapCustBlock(std::span<const uint8_t> block,
                                                   std::span<const uint32_t> old);

}  // namespace scrv
