// Condition files and clipboard text: any bytes decode and parse within bounds, and what was
// parsed survives a save in the full format and a second parse. The same bytes as a clipboard
// block (with no terminator, or an odd size) are read within the block and split into the
// check list's pasted rows.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "controls/clipboard_rows.h"
#include "tools/filter_block.h"
#include "tools/filter_file.h"
#include "tools/filter_macro.h"

using namespace scrv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint64_t defaults = filter_flag::kCase | filter_flag::kNumberRange | filter_flag::kHostOnly;
  std::u16string text = DecodeFilterFile(std::span<const uint8_t>(data, size), DecodeLatin1);
  std::vector<FilterCondition> list = ParseFilterLines(text, defaults);
  for (const FilterCondition& c : list) {
    if (c.text.size() > kFilterTextMax) std::abort();
    if (c.text.find_first_of(u"\r\n") != std::u16string::npos) std::abort();
    if (c.text.find(u'\0') != std::u16string::npos) std::abort();
  }

  // Every condition is one line in the full format, so the count survives; a condition whose
  // text holds no TAB comes back with the flags its letters stand for.
  std::vector<FilterCondition> again =
      ParseFilterLines(FormatFilterLines(list, FilterFileFormat::kFull), 0);
  if (again.size() != list.size()) std::abort();
  for (size_t i = 0; i < list.size(); ++i) {
    const FilterCondition& c = list[i];
    if (c.text.find(u'\t') != std::u16string::npos) continue;
    FilterCondition expected = c;
    expected.flags =
        (c.flags & filter_flag::kEnabled) | FilterFlagsFromLetters(FilterLetters(c.flags, false));
    if (!(again[i] == expected)) std::abort();
  }

  std::u16string pasted = ClipboardBlockText(data, size);
  if (pasted.size() > size / 2 || pasted.find(u'\0') != std::u16string::npos) std::abort();
  size_t rowUnits = 0;
  for (const std::u16string& row : SplitClipboardRows(pasted)) {
    if (row.find_first_of(u"\r\n") != std::u16string::npos) std::abort();
    rowUnits += row.size();
  }
  if (rowUnits > pasted.size()) std::abort();
  ParseFilterLines(pasted, defaults);

  FormatFilterMacro(list, MacroLanguage::kJavaScript);
  FormatFilterMacro(list, MacroLanguage::kVBScript);
  if (EncodeFilterBlock(list).size() != FilterBlockSize(list.size())) std::abort();
  return 0;
}
