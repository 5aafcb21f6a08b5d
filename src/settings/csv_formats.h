#pragma once
// The separated-value formats the editor knows: the format record with the rules every record
// is built by, the five built-in formats, the stored form in the settings records ("csv2", and
// the older "csv" read the same way) and the escaped form a separator is edited in.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"

namespace scrv {

constexpr size_t kMaxCsvFormats = 64;
constexpr size_t kCsvTextCapacity = 40;  // units of each text, terminator included
constexpr uint32_t kCsvRecordVersion = 2;

struct CsvFormat {
  std::u16string name;
  std::u16string secondText;
  std::u16string separator;
  bool a = false, b = false, c = false, d = false;
  uint8_t e = 0;   // 0 to 15
  int32_t f = 16;  // 16 when 0 or less is given
  int32_t g = 0;   // 0 to 10000000
  uint8_t h = 1;   // 1 when 0 is given
  uint8_t i = 0;   // at most 99
  friend bool operator==(const CsvFormat&, const CsvFormat&) = default;
};

// What a format is asked to be; CsvFormat holds what it becomes.
struct CsvFormatRequest {
  std::u16string_view name, secondText, separator;
  bool a = false, b = false, c = false, d = false;
  uint32_t e = 0;
  int64_t f = 0, g = 0;
  uint32_t h = 0, i = 0;
};

// The record built by the rules: texts cut to fit, B only with A, C cleared by A or B, E in
// four bits, F 16 when not positive, G clamped to 0..10000000, H 1 when 0, I at most 99.
CsvFormat MakeCsvFormat(const CsvFormatRequest& r);

// The built-in formats, in order; `text` gives a string resource, empty when it cannot be
// loaded (a format without its name is skipped; the fourth and fifth only while fewer than 64).
std::vector<CsvFormat> BuiltinCsvFormats(const std::function<std::u16string(uint32_t)>& text);
// The built-in pipe format (the fifth), for the lists of version 0.
CsvFormat BuiltinPipeFormat(const std::function<std::u16string(uint32_t)>& text);

// The formats of a loaded format record, or nothing when its lists hold no format (no version,
// no count, no whole format). Each format needs its three texts; a number or bit missing after
// them reads as 0 and goes through the rules. `older` marks "csv", whose lists count only at
// version 0. A version-0 list gets `pipe` appended while it holds fewer than 64 formats.
std::optional<std::vector<CsvFormat>> ReadCsvFormats(const RecordLists& lists, bool older,
                                                     const CsvFormat& pipe);
// The lists of the version-2 form, saved at `fileTime`.
RecordLists CsvFormatLists(const std::vector<CsvFormat>& formats, uint64_t fileTime);

// Just the names, for the tools that offer a choice of format; `pipeName` stands for the pipe
// format (nothing is appended when it is empty).
std::optional<std::vector<std::u16string>> CsvFormatNames(const RecordLists& lists, bool older,
                                                          std::u16string_view pipeName);

// The separator as the user edits it: a backslash doubled, 7..13 as \a \b \t \n \v \f \r, any
// other control character as \x and two hex digits, U+200B as a backslash and four hex digits.
std::u16string EscapeSeparator(std::u16string_view text);
// The way back. A backslash that starts no escape is kept as it is.
std::u16string UnescapeSeparator(std::u16string_view text);

}  // namespace scrv
