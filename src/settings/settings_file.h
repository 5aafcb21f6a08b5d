#pragma once
// The settings file: the user's settings and customised record files in one UTF-8 text that a
// person can read and diff. Its first line names the format, the second gives its version; then
// come the values of "Common" and one section per record file, and a closing line that shows
// the file is whole:
//
//     Scrivlet settings
//     version = 1
//
//     [Common]
//     AppTheme = dword 2
//     DetectUTF8Size = qword 1048576
//     DateFormat = string "dd.MM.yyyy"
//     Folders = strings "C:\\a" "b"
//     Cust = binary 00ff10
//
//     [Record Menu0]
//     dword 7
//     text "&File"
//     end
//
//     [End]
//
// Text is quoted, with \\, \" and \uXXXX (any UTF-16 unit) as escapes; \n, \r and \t are read
// too. Lines end in LF or CRLF; blank lines and lines starting with ';' or '#' are skipped.
//
// The reader goes through the input once and never past its end. A line it cannot take is
// refused on its own, with its reason; a record with any such line is refused whole. Input that
// is not a settings file at all (UTF-16, binary, another format, too large, cut short) is
// refused whole.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"

namespace scrv {

constexpr uint32_t kSettingsFileVersion = 1;
// Larger input is not read at all: no settings file comes near it.
constexpr size_t kMaxSettingsFileSize = 16u << 20;

enum class EntryType : uint8_t { kDword, kQword, kString, kStringList, kBinary };

struct EntryValue {
  EntryType type = EntryType::kDword;
  uint64_t number = 0;                // kDword, kQword
  std::u16string text;                // kString
  std::vector<std::u16string> items;  // kStringList
  std::vector<uint8_t> bytes;         // kBinary

  bool operator==(const EntryValue&) const = default;
};

EntryValue DwordValue(uint32_t v);
EntryValue QwordValue(uint64_t v);
EntryValue StringValue(std::u16string v);
EntryValue StringListValue(std::vector<std::u16string> v);
EntryValue BinaryValue(std::vector<uint8_t> v);

struct FileValue {
  std::u16string name;
  EntryValue value;
  uint32_t line = 0;  // where the reader found it; 0 for a value not read from a file

  bool operator==(const FileValue& o) const { return name == o.name && value == o.value; }
};

struct FileRecord {
  std::u16string name;  // the record's file name, as the record table has it
  RecordLists lists;
  uint32_t line = 0;

  bool operator==(const FileRecord& o) const { return name == o.name && lists == o.lists; }
};

// Why the reader refused a line, a record or the whole file.
enum class FileProblem : uint8_t {
  kNone,
  // A line.
  kNotUtf8,         // bytes that are not UTF-8
  kNotAnEntry,      // not "name = type value"
  kBadName,         // an empty name, or one with characters a setting's name never has
  kUnknownType,     // a type word other than dword, qword, string, strings, binary
  kBadNumber,       // not a number, or too large for its type
  kBadText,         // a quote that is not closed, an unknown escape, text after the value
  kBadHex,          // binary data that is not pairs of hexadecimal digits
  kOutsideSection,  // an entry before the first section
  kUnknownSection,  // a section the format does not have; its lines are skipped
  // A record.
  kRecordLine,      // a line that is no element of a record
  kRecordNotEnded,  // the record has no "end" line
  // The whole file.
  kEmpty,
  kUtf16,  // UTF-16 text (with or without a byte-order mark)
  kTooLarge,
  kNotSettingsFile,
  kBadVersion,  // no "version = N" line with N >= 1 after the first
  kCutShort,    // no "[End]" line: the file was cut short
};

struct LineProblem {
  uint32_t line = 0;
  FileProblem problem = FileProblem::kNone;
  std::u16string name;  // the entry's or record's name, when the line gave one
};

struct SettingsFile {
  uint32_t version = kSettingsFileVersion;
  std::vector<FileValue> values;    // in file order, duplicates kept
  std::vector<FileRecord> records;  // in file order, duplicates kept
  std::vector<LineProblem> problems;
};

// A name the file can hold: 1 to 255 printable ASCII characters without blanks, '=', '[', ']'
// or '"', not starting with a comment mark.
bool IsSettingName(std::u16string_view name);

// The whole file, UTF-8 with LF line ends.
std::string WriteSettingsFile(const SettingsFile& file);

struct SettingsFileRead {
  FileProblem refusal = FileProblem::kNone;  // one of the whole-file problems, or kNone
  SettingsFile file;                         // empty when refused
};
SettingsFileRead ReadSettingsFile(const uint8_t* data, size_t size);

}  // namespace scrv
