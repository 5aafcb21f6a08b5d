#include "settings/settings_transfer.h"

#include <algorithm>
#include <map>
#include <optional>

#include "settings/ini_encoding.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

// The longest text read back from the store for a key without a capacity.
constexpr size_t kAnyTextCapacity = 0x8000;

size_t CapacityOf(const KeySpec& k) {
  return k.capacity ? k.capacity : kAnyTextCapacity;
}

EntryValue DefaultOf(const KeySpec& k) {
  switch (k.type) {
    case EntryType::kDword:
      return DwordValue(static_cast<uint32_t>(k.def));
    case EntryType::kQword:
      return QwordValue(k.def);
    case EntryType::kString:
      return StringValue(std::u16string(k.textDef));
    case EntryType::kStringList:
      return StringListValue({});
    case EntryType::kBinary:
      return BinaryValue({});
  }
  return {};
}

// The value the store holds, or its default when none is stored; nothing for a value that is
// not stored and has no default the library knows.
std::optional<EntryValue> ReadValue(SettingsStore& store, SettingsHandle h, const KeySpec& k) {
  if (!k.hasDefault && !store.HasValue(h, k.name)) return std::nullopt;
  const EntryValue def = DefaultOf(k);
  switch (k.type) {
    case EntryType::kDword:
      return DwordValue(store.ReadDword(h, k.name, static_cast<uint32_t>(def.number)));
    case EntryType::kQword:
      return QwordValue(store.ReadQword(h, k.name, def.number));
    case EntryType::kString:
      return StringValue(store.ReadString(h, k.name, CapacityOf(k), def.text));
    case EntryType::kStringList:
      return StringListValue(store.ReadStringList(h, k.name));
    case EntryType::kBinary: {
      std::optional<std::vector<uint8_t>> bytes = store.ReadBinaryAlloc(h, k.name);
      return BinaryValue(bytes ? std::move(*bytes) : std::vector<uint8_t>{});
    }
  }
  return std::nullopt;
}

bool IsBlankUnit(char16_t c) {
  return c == u' ' || c == u'\t';
}

// One write; true when the store took it.
bool WriteValue(SettingsStore& store, SettingsHandle h, const KeySpec& k, const EntryValue& v) {
  if (k.deleteAtDefault && k.hasDefault && v == DefaultOf(k)) {
    const uint32_t e = store.DeleteValue(h, k.name, k.type == EntryType::kBinary);
    return e == 0 || e == kErrorFileNotFound;
  }
  switch (v.type) {
    case EntryType::kDword:
      return store.WriteDword(h, k.name, static_cast<uint32_t>(v.number)) == 0;
    case EntryType::kQword:
      return store.WriteQword(h, k.name, v.number) == 0;
    case EntryType::kString: {
      const bool blanks =
          !v.text.empty() && (IsBlankUnit(v.text.front()) || IsBlankUnit(v.text.back()));
      return store.WriteString(h, k.name, v.text, blanks) == 0;
    }
    case EntryType::kStringList:
      return store.WriteStringList(h, k.name, v.items) == 0;
    case EntryType::kBinary:
      if (v.bytes.empty()) {
        const uint32_t e = store.DeleteValue(h, k.name, true);
        return e == 0 || e == kErrorFileNotFound;
      }
      return store.WriteBinary(h, k.name, v.bytes.data(), v.bytes.size(), false) == 0;
  }
  return false;
}

int64_t ElementCount(const RecordLists& l) {
  return static_cast<int64_t>(l.qwords.size() + l.dwords.size() + l.words.size() +
                              l.bytes.size() + l.texts.size() + l.blobs.size() + l.fonts.size() +
                              l.secondDwords.size() + l.bits.size() + l.textMap.size() +
                              l.valueMap.size());
}

std::u16string PathOf(const RecordPlace& place, uint32_t number) {
  const RecordInfo* info = RecordInfoAt(number);
  return place.binPath(info->folder, info->name);
}

// The file's bytes, or nothing when there is no file.
std::optional<std::vector<uint8_t>> ReadFile(const RecordPlace& place, uint32_t number) {
  std::vector<uint8_t> bytes;
  if (place.files.ReadWholeFile(PathOf(place, number), nullptr, bytes) != ReadResult::kRead)
    return std::nullopt;
  return bytes;
}

std::optional<RecordLists> ParseBytes(const std::vector<uint8_t>& bytes, uint32_t number) {
  const RecordInfo* info = RecordInfoAt(number);
  RecordLists lists;
  if (!ParseRecordFile(bytes.data(), bytes.size(), info->magic, info->text, lists))
    return std::nullopt;
  return lists;
}

// The index of the last entry of each name.
template <class T>
std::map<std::u16string, size_t> LastOfEachName(const std::vector<T>& entries) {
  std::map<std::u16string, size_t> last;
  for (size_t i = 0; i < entries.size(); ++i) last[entries[i].name] = i;
  return last;
}

}  // namespace

void SettingsCatalog::Add(const KeySpec& key) {
  for (KeySpec& k : keys_) {
    if (k.name != key.name) continue;
    k.max = std::min(k.max, key.max);
    if (key.capacity && (!k.capacity || key.capacity < k.capacity)) k.capacity = key.capacity;
    k.changeBits |= key.changeBits;
    k.deleteAtDefault = k.deleteAtDefault || key.deleteAtDefault;
    return;
  }
  keys_.push_back(key);
}

void SettingsCatalog::AddRecord(const RecordSpec& record) {
  for (RecordSpec& r : records_)
    if (r.number == record.number) {
      r.changeBits |= record.changeBits;
      return;
    }
  records_.push_back(record);
}

const KeySpec* SettingsCatalog::Find(std::u16string_view name) const {
  for (const KeySpec& k : keys_)
    if (k.name == name) return &k;
  return nullptr;
}

const RecordSpec* SettingsCatalog::FindRecord(std::u16string_view name) const {
  for (const RecordSpec& r : records_)
    if (RecordInfoAt(r.number)->name == name) return &r;
  return nullptr;
}

void AddTableKeys(SettingsCatalog& catalog, const FlagTable& flags) {
  for (uint32_t i = 0; i < kFlagRowCount; ++i) {
    KeySpec k;
    k.name = flags.Row(i)->name;
    k.def = flags.Row(i)->def;
    k.max = 1;
    k.deleteAtDefault = true;
    catalog.Add(k);
  }
  for (uint32_t i = 0; i < kSmallValueRowCount; ++i) {
    const SmallValueRow* row = SmallValueRowAt(i);
    KeySpec k;
    k.name = row->name;
    k.def = row->def;
    k.max = row->limit ? row->limit : 1;
    k.deleteAtDefault = true;
    catalog.Add(k);
  }
}

SettingsFile CollectSettings(SettingsStore& store, const SettingsCatalog& catalog,
                             const RecordPlace& place, bool every,
                             std::vector<std::u16string>* unreadable) {
  SettingsFile file;
  const SettingsHandle h = store.OpenCommon(false);
  for (const KeySpec& k : catalog.Keys()) {
    std::optional<EntryValue> v = ReadValue(store, h, k);
    if (!v) continue;
    if (every || !k.hasDefault || !(*v == DefaultOf(k)))
      file.values.push_back({std::u16string(k.name), std::move(*v), 0});
  }
  if (h) store.CloseSettings(h);
  for (const RecordSpec& r : catalog.Records()) {
    std::optional<std::vector<uint8_t>> bytes = ReadFile(place, r.number);
    if (!bytes) continue;
    std::optional<RecordLists> lists = ParseBytes(*bytes, r.number);
    if (lists)
      file.records.push_back({std::u16string(RecordInfoAt(r.number)->name), std::move(*lists), 0});
    else if (unreadable)
      unreadable->emplace_back(RecordInfoAt(r.number)->name);
  }
  return file;
}

ImportPlan PlanImport(const SettingsFile& file, SettingsStore& store,
                      const SettingsCatalog& catalog, const RecordPlace& place) {
  ImportPlan plan;
  plan.version = file.version;
  plan.newerVersion = file.version > kSettingsFileVersion;
  for (const LineProblem& p : file.problems) {
    ReportEntry e;
    e.kind = ReportKind::kUnreadable;
    e.record = p.problem == FileProblem::kRecordLine || p.problem == FileProblem::kRecordNotEnded;
    e.name = p.name;
    e.line = p.line;
    e.problem = p.problem;
    plan.entries.push_back(std::move(e));
  }

  const SettingsHandle h = store.OpenCommon(false);
  const std::map<std::u16string, size_t> lastValue = LastOfEachName(file.values);
  for (size_t i = 0; i < file.values.size(); ++i) {
    const FileValue& fv = file.values[i];
    ReportEntry e;
    e.name = fv.name;
    e.line = fv.line;
    const size_t last = lastValue.at(fv.name);
    const KeySpec* k = catalog.Find(fv.name);
    if (last != i) {
      e.kind = ReportKind::kReplaced;
      e.replacedBy = file.values[last].line;
    } else if (!k) {
      e.kind = ReportKind::kUnknown;
    } else {
      e.kind = ReportKind::kRefused;
      e.expected = k->type;
      const EntryValue& v = fv.value;
      if (v.type != k->type) {
        e.reason = RefusalReason::kWrongType;
      } else if ((v.type == EntryType::kDword || v.type == EntryType::kQword) &&
                 v.number > k->max) {
        e.reason = RefusalReason::kOutOfRange;
        e.limit = k->max;
      } else if (v.type == EntryType::kString && k->capacity && v.text.size() >= k->capacity) {
        e.reason = RefusalReason::kTooLong;
        e.limit = k->capacity - 1u;
      } else if ((v.type == EntryType::kString &&
                  v.text.find_first_of(std::u16string_view(u"\r\n\0", 3)) != v.text.npos) ||
                 (v.type == EntryType::kStringList &&
                  std::any_of(v.items.begin(), v.items.end(), [](const std::u16string& s) {
                    return s.find_first_of(std::u16string_view(u"\r\n\0", 3)) != s.npos;
                  }))) {
        e.reason = RefusalReason::kControlText;
      } else {
        const std::optional<EntryValue> now = ReadValue(store, h, *k);
        if (now && *now == v) continue;  // nothing to change
        e.kind = ReportKind::kChange;
        e.was = now;
        e.becomes = v;
        plan.values.push_back({*k, v});
        plan.changeBits |= k->changeBits;
      }
    }
    plan.entries.push_back(std::move(e));
  }
  if (h) store.CloseSettings(h);

  const std::map<std::u16string, size_t> lastRecord = LastOfEachName(file.records);
  for (size_t i = 0; i < file.records.size(); ++i) {
    const FileRecord& fr = file.records[i];
    ReportEntry e;
    e.record = true;
    e.name = fr.name;
    e.line = fr.line;
    const size_t last = lastRecord.at(fr.name);
    const RecordSpec* r = catalog.FindRecord(fr.name);
    if (last != i) {
      e.kind = ReportKind::kReplaced;
      e.replacedBy = file.records[last].line;
      plan.entries.push_back(std::move(e));
      continue;
    }
    if (!r) {
      e.kind = ReportKind::kUnknown;
      plan.entries.push_back(std::move(e));
      continue;
    }
    const RecordInfo* info = RecordInfoAt(r->number);
    std::optional<std::vector<uint8_t>> bytes = BuildRecordFile(fr.lists, info->magic, info->text);
    // A text too long for its record would come back cut: refused rather than changed.
    if (!bytes || ParseBytes(*bytes, r->number) != fr.lists) {
      e.kind = ReportKind::kRefused;
      e.reason = RefusalReason::kNotARecord;
      plan.entries.push_back(std::move(e));
      continue;
    }
    const std::optional<std::vector<uint8_t>> now = ReadFile(place, r->number);
    if (now && *now == *bytes) continue;
    e.kind = ReportKind::kChange;
    if (now) {
      const std::optional<RecordLists> nowLists = ParseBytes(*now, r->number);
      e.wasElements = nowLists ? ElementCount(*nowLists) : ReportEntry::kUnreadableFile;
    }
    e.becomesElements = ElementCount(fr.lists);
    plan.records.push_back({r->number, std::move(*bytes)});
    plan.changeBits |= r->changeBits;
    plan.entries.push_back(std::move(e));
  }
  return plan;
}

bool ApplyImport(const ImportPlan& plan, SettingsStore& store, const RecordPlace& place) {
  const SettingsHandle h = store.OpenCommon(true);
  if (!h && !plan.values.empty()) return false;
  // What each write replaces, read before anything is written.
  std::vector<std::optional<EntryValue>> oldValues;
  for (const ImportPlan::ValueWrite& w : plan.values) {
    KeySpec probe = w.key;
    probe.hasDefault = false;  // absent stays absent
    oldValues.push_back(ReadValue(store, h, probe));
  }
  std::vector<std::optional<std::vector<uint8_t>>> oldFiles;
  for (const ImportPlan::RecordWrite& w : plan.records)
    oldFiles.push_back(ReadFile(place, w.number));

  size_t values = 0, records = 0;
  bool ok = true;
  for (; ok && values < plan.values.size(); ++values)
    ok = WriteValue(store, h, plan.values[values].key, plan.values[values].value);
  for (; ok && records < plan.records.size(); ++records) {
    const std::vector<uint8_t>& bytes = plan.records[records].bytes;
    ok = place.files.WriteWholeFile(PathOf(place, plan.records[records].number), bytes.data(),
                                    bytes.size());
  }
  if (!ok) {
    // Put back everything touched, the failed write included.
    for (size_t i = records; i-- > 0;) {
      const std::u16string path = PathOf(place, plan.records[i].number);
      if (oldFiles[i])
        place.files.WriteWholeFile(path, oldFiles[i]->data(), oldFiles[i]->size());
      else
        place.files.RemoveWholeFile(path);
    }
    for (size_t i = values; i-- > 0;) {
      KeySpec k = plan.values[i].key;
      k.deleteAtDefault = false;
      if (oldValues[i])
        WriteValue(store, h, k, *oldValues[i]);
      else
        store.DeleteValue(h, k.name, k.type == EntryType::kBinary);
      // A binary value's byte count goes first in the INI shape: it may be there alone.
      if (k.type == EntryType::kBinary && store.IniMode() && !oldValues[i])
        store.DeleteValue(h, IniSizeValueName(k.name), false);
    }
  }
  if (h) store.CloseSettings(h);
  return ok;
}

}  // namespace scrv
