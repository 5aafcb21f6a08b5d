#pragma once
// Moving settings between machines through a settings file: what an export collects from the
// store and the record files, what an import would change (the report shown before anything is
// written), and applying it all or nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_store.h"
#include "settings/flag_table.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

namespace scrv {

// A value of "Common" the library knows: its type, its default and what it accepts.
struct KeySpec {
  std::u16string_view name;
  EntryType type = EntryType::kDword;
  bool hasDefault = true;  // false: the running system decides it; a stored value always goes
  uint64_t def = 0;
  std::u16string_view textDef;
  uint64_t max = 0xFFFFFFFF;     // kDword, kQword: the largest value taken
  uint32_t capacity = 0;         // kString: characters with the terminator; 0 for any length
  bool deleteAtDefault = false;  // the key tables' rule: a value at its default is removed
  uint64_t changeBits = 0;       // what the Customize pages report when it changes
};

// A record file the user customises.
struct RecordSpec {
  uint32_t number = 0;
  uint64_t changeBits = 0;
};

class SettingsCatalog {
 public:
  // A key added again keeps its first type and default, takes the tighter range and the union of
  // the change bits, and the tables' delete rule when either has it.
  void Add(const KeySpec& key);
  void AddRecord(const RecordSpec& record);
  const KeySpec* Find(std::u16string_view name) const;
  // By the record's file name.
  const RecordSpec* FindRecord(std::u16string_view name) const;
  const std::vector<KeySpec>& Keys() const { return keys_; }
  const std::vector<RecordSpec>& Records() const { return records_; }

 private:
  std::vector<KeySpec> keys_;
  std::vector<RecordSpec> records_;
};

// The keys of the flag and small-value tables: on/off flags take 0 or 1, small values up to
// their limit.
void AddTableKeys(SettingsCatalog& catalog, const FlagTable& flags);

// Where the record files are.
struct RecordPlace {
  FileStore& files;
  const BinPathBuilder& binPath;
};

// The values of "Common" that differ from their defaults (every value with `every`; a stored
// value with no known default always), and each record file that exists and reads as its
// record. Records that do not read are named in `unreadable`.
SettingsFile CollectSettings(SettingsStore& store, const SettingsCatalog& catalog,
                             const RecordPlace& place, bool every,
                             std::vector<std::u16string>* unreadable = nullptr);

// ---- the report

enum class ReportKind : uint8_t {
  kChange,      // the value or record would change from `before` to `after`
  kUnknown,     // the library does not know it: kept out
  kRefused,     // known, but refused for `reason`
  kReplaced,    // a later entry of the same name (at `replacedBy`) wins
  kUnreadable,  // a line the reader refused (`problem`)
  kLeftOut,     // a change this import leaves out (its caller decides which: see the caller)
};

enum class RefusalReason : uint8_t {
  kNone,
  kWrongType,    // the key holds `expected`, the file gives another type
  kOutOfRange,   // a number above `limit`
  kTooLong,      // a text of more than `limit` characters
  kControlText,  // a text with a line break or a null character, which no setting holds
  kNotARecord,   // the lists do not make a whole record file
};

struct ReportEntry {
  ReportKind kind = ReportKind::kChange;
  bool record = false;
  std::u16string name;
  uint32_t line = 0;
  RefusalReason reason = RefusalReason::kNone;
  FileProblem problem = FileProblem::kNone;
  EntryType expected = EntryType::kDword;
  uint64_t limit = 0;
  uint32_t replacedBy = 0;
  // kChange of a value: what is there now (nothing: no value) and what the file gives.
  std::optional<EntryValue> was;
  EntryValue becomes;
  // kChange of a record: its elements now (kNoFile, kUnreadableFile) and in the file.
  static constexpr int64_t kNoFile = -1, kUnreadableFile = -2;
  int64_t wasElements = kNoFile, becomesElements = 0;
};

struct ImportPlan {
  uint32_t version = kSettingsFileVersion;
  bool newerVersion = false;  // written by a later version: what it adds is unknown here
  std::vector<ReportEntry> entries;

  struct ValueWrite {
    KeySpec key;
    EntryValue value;
  };
  struct RecordWrite {
    uint32_t number = 0;
    std::vector<uint8_t> bytes;
  };
  std::vector<ValueWrite> values;
  std::vector<RecordWrite> records;
  uint64_t changeBits = 0;  // the union of what the changed entries report

  size_t Changes() const { return values.size() + records.size(); }
};

// Compares the file with the store and the record files; writes nothing.
ImportPlan PlanImport(const SettingsFile& file, SettingsStore& store,
                      const SettingsCatalog& catalog, const RecordPlace& place);

// Writes every change of the plan, or, when any write fails, puts back what it had written so
// that the store and the record files are as before. Answers whether it applied them.
bool ApplyImport(const ImportPlan& plan, SettingsStore& store, const RecordPlace& place);

}  // namespace scrv
