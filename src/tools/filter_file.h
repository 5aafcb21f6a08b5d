#pragma once
// Condition lists as tab-separated text: the files the advanced filter saves and loads, and the
// text it puts on and takes from the clipboard.
//
// One condition per line, lines ended by CR LF. The full format keeps everything a condition
// has except the number-range kind:
//   "on"|"off" TAB text TAB column TAB letters TAB range start TAB range end
// The plain format is the text alone. Texts are written as they are, so a text holding a TAB
// or a line end does not read back the same.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_store.h"
#include "tools/filter_condition.h"

namespace scrv {

enum class FilterFileFormat { kFull, kPlain };

// The lines of `conditions` in a format, each ended by CR LF.
std::u16string FormatFilterLines(std::span<const FilterCondition> conditions,
                                 FilterFileFormat format);

// The conditions of a text, line by line. Lines end at CR, LF or CR LF; empty lines are
// skipped; the text ends at its first zero unit, as a zero-terminated buffer would.
// A line whose first field (up to the first TAB, at most 255 characters) is exactly "on" or
// "off" is in the full format: missing fields keep the values of a new condition (column -1,
// start 0, end -1), numbers are read as leading decimal integers. Any other line is plain: its
// text is the field after the first TAB when a TAB lies within the first 255 characters, else
// the whole line; it gets `defaultFlags` plus the enabled bit, column -1, start 0, end -1.
// Every text is cut to kFilterTextMax units.
std::vector<FilterCondition> ParseFilterLines(std::u16string_view text, uint64_t defaultFlags);

// Converts bytes in the system's ANSI code page to UTF-16; the platform supplies the real one.
using AnsiDecoder = std::function<std::u16string(std::string_view)>;

// Each byte as the code point of the same value (ISO 8859-1).
std::u16string DecodeLatin1(std::string_view bytes);

// The text of a condition file: UTF-16LE when it starts with the byte order mark FF FE (which
// is skipped) or when its second byte is 0 and its first is not (an odd last byte is dropped);
// any other file through `ansi` (Latin-1 when none is given).
std::u16string DecodeFilterFile(std::span<const uint8_t> bytes, const AnsiDecoder& ansi);

// UTF-16LE bytes with a byte order mark, as every condition file is written.
std::vector<uint8_t> EncodeFilterFileText(std::u16string_view text);

// The file types of the save dialog, numbered as its type list is.
enum class FilterSaveType : int { kFull = 1, kJavaScript = 2, kVBScript = 3, kPlain = 4 };

// The save dialog's type index as a save type; an index outside the list saves the full format.
FilterSaveType FilterSaveTypeFromIndex(int index);

// The text a save of that type writes: the full or plain lines, or the macro statements.
std::u16string FormatFilterSave(std::span<const FilterCondition> conditions, FilterSaveType type);

// Replaces the file with the conditions in the chosen type. False when the file could not be
// written; the old file is then left as it was.
bool SaveFilterFile(FileStore& files, std::u16string_view path,
                    std::span<const FilterCondition> conditions, FilterSaveType type);

// The conditions of a file; nothing when it cannot be read, is empty, holds no condition or is
// not text (then *notText is set, when given), so that the caller's list is left alone.
std::optional<std::vector<FilterCondition>> LoadFilterFile(FileStore& files,
                                                           std::u16string_view path,
                                                           uint64_t defaultFlags,
                                                           const AnsiDecoder& ansi,
                                                           bool* notText = nullptr);

}  // namespace scrv
