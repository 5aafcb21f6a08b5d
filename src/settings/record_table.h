#pragma once
// The numbered settings records: each is a file of its own in the application-data folder,
// shared with the host, so the numbers, folders, names, magic words and text encodings are a
// fixed format.

#include <cstdint>
#include <string_view>

namespace scrv {

enum class RecordTextEncoding : uint8_t { kUtf16, kUtf8 };

struct RecordInfo {
  std::u16string_view folder;  // below the roaming application-data folder
  std::u16string_view name;    // the file name without ".bin"
  uint32_t magic = 0;          // the first word of the file
  RecordTextEncoding text = RecordTextEncoding::kUtf16;
};

constexpr uint32_t kRecordCount = 31;
constexpr uint32_t kFirstRecordMagic = 0xFF2000;
constexpr uint32_t kRecordMagicStep = 0x100;

// Record numbers by name.
namespace record {
enum : uint32_t {
  kActiveS = 0,
  kFileAttr = 1,
  kMacros = 2,
  kPlugIns = 3,
  kAccel = 4,
  kDevInfo = 5,
  kPropEx = 6,
  kFRP = 7,
  kBRP = 8,
  kMenu0 = 9,  // menus 0 to 13 are records 9 to 22
  kCfg1 = 23,
  kCfg2 = 24,
  kCmn = 25,
  kAssoc = 26,
  kRebar = 27,
  kNewCp = 28,
  kCsv = 29,
  kCsv2 = 30,
};
}  // namespace record

// Null for a number outside the table.
const RecordInfo* RecordInfoAt(uint32_t number);

}  // namespace scrv
