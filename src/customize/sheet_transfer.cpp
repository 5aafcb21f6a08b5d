#include "customize/sheet_transfer.h"

#include <algorithm>

#include "customize/active_strings.h"
#include "customize/customize_environment.h"
#include "customize/page_extensions.h"
#include "settings/memory_file_store.h"
#include "settings/memory_settings.h"
#include "settings/record_table.h"
#include "settings/settings_record.h"

namespace scrv {
namespace {

constexpr std::u16string_view kStatusOrderName = u"StatusOrderArray";

// The pages' rows stored under `name`: a flag row by its table name.
std::vector<std::pair<size_t, size_t>> RowsOf(CustomizeSession& session, std::u16string_view name) {
  std::vector<std::pair<size_t, size_t>> rows;
  const FlagTable& flags = session.Environment().Flags();
  for (size_t p = 0; p < page::kCount; ++p) {
    const PageDescriptor& page = session.Page(p).Page();
    for (size_t r = 0; r < page.rows.size(); ++r) {
      const SettingRow& row = page.rows[r];
      if (row.stored == Stored::kNone) continue;
      const std::u16string_view key =
          row.stored == Stored::kFlag ? flags.Row(static_cast<uint32_t>(row.def))->name : row.key;
      if (key == name) rows.emplace_back(p, r);
    }
  }
  return rows;
}

bool ShownInSheet(CustomizeSession& session, const ImportPlan::ValueWrite& w) {
  return w.key.name == kStatusOrderName || !RowsOf(session, w.key.name).empty();
}

bool ShownInSheet(uint32_t record) {
  return record == record::kActiveS || record == record::kCsv2;
}

void PutRecord(const RecordPlace& place, uint32_t number, const RecordLists& lists) {
  const RecordInfo* info = RecordInfoAt(number);
  if (std::optional<std::vector<uint8_t>> bytes = BuildRecordFile(lists, info->magic, info->text))
    place.files.WriteWholeFile(place.binPath(info->folder, info->name), bytes->data(),
                               bytes->size());
}

SameTextFn SameText(CustomizeEnvironment& env) {
  return [&env](std::u16string_view a, std::u16string_view b) {
    return env.SameTextIgnoringCase(a, b);
  };
}

}  // namespace

struct ShownSettings::Copies {
  Copies(bool ini, const BinPathBuilder& path) : store(ini), binPath(path) {}
  MemorySettings store;
  MemoryFileStore files;
  BinPathBuilder binPath;
  RecordPlace place{files, binPath};
};

ShownSettings::ShownSettings(CustomizeSession& session, SettingsStore& store,
                             const SettingsCatalog& catalog, const RecordPlace& place)
    : copies_(std::make_unique<Copies>(store.IniMode(), place.binPath)) {
  // Everything the file can carry, as stored.
  const SettingsFile stored = CollectSettings(store, catalog, place, true);
  ImportPlan copy;
  for (const FileValue& v : stored.values)
    if (const KeySpec* k = catalog.Find(v.name)) copy.values.push_back({*k, v.value});
  for (const FileRecord& r : stored.records) {
    const RecordSpec* spec = catalog.FindRecord(r.name);
    const RecordInfo* info = spec ? RecordInfoAt(spec->number) : nullptr;
    if (!info) continue;
    if (auto bytes = BuildRecordFile(r.lists, info->magic, info->text))
      copy.records.push_back({spec->number, std::move(*bytes)});
  }
  ApplyImport(copy, copies_->store, copies_->place);

  // The pages' working values over it.
  SettingsStore& shown = copies_->store;
  const SettingsHandle h = shown.OpenCommon(true);
  const FlagTable& flags = session.Environment().Flags();
  for (size_t p = 0; p < page::kCount; ++p) {
    PageModel& page = session.Page(p);
    for (size_t r = 0; r < page.RowCount(); ++r) {
      const SettingRow& row = page.Page().rows[r];
      if (row.stored == Stored::kNone || !page.Changed(r)) continue;
      const SettingValue& v = page.Working(r);
      switch (row.stored) {
        case Stored::kFlag:
          shown.WriteDword(h, flags.Row(static_cast<uint32_t>(row.def))->name,
                           static_cast<uint32_t>(v.number));
          break;
        case Stored::kDword:
          shown.WriteDword(h, row.key, static_cast<uint32_t>(v.number));
          break;
        case Stored::kQword:
          shown.WriteQword(h, row.key, v.number);
          break;
        case Stored::kString:
          shown.WriteString(h, row.key, v.text);
          break;
        case Stored::kNone:
          break;
      }
    }
  }
  CustomizeEnvironment& env = session.Environment();
  StatusExtension& status = session.Page(page::kStatus).Extension<StatusExtension>();
  if (status.order != status.loadedOrder) {
    StatusOrder order = status.order;
    order[0] = 0;
    const StatusOrderBytes bytes = StatusOrderToBytes(order);
    shown.WriteBinary(h, kStatusOrderName, bytes.data(), bytes.size(), false);
  }
  if (h) shown.CloseSettings(h);
  const auto& strings = session.Page(page::kActiveString).Extension<ActiveStringExtension>();
  if (strings.table != strings.loaded)
    PutRecord(copies_->place, record::kActiveS, ActiveStringLists(strings.table, SameText(env)));
  const CsvFormatList& csv = session.Page(page::kCsv).Extension<CsvExtension>().list;
  if (csv.Edited())
    PutRecord(copies_->place, record::kCsv2, CsvFormatLists(csv.Formats(), env.FileTimeNow()));
}

ShownSettings::~ShownSettings() = default;

SettingsStore& ShownSettings::Store() {
  return copies_->store;
}

const RecordPlace& ShownSettings::Place() {
  return copies_->place;
}

SettingsFile CollectShown(CustomizeSession& session, SettingsStore& store,
                          const SettingsCatalog& catalog, const RecordPlace& place, bool every) {
  ShownSettings shown(session, store, catalog, place);
  return CollectSettings(shown.Store(), catalog, shown.Place(), every);
}

ImportPlan PlanSheetImport(const SettingsFile& file, CustomizeSession& session,
                           SettingsStore& store, const SettingsCatalog& catalog,
                           const RecordPlace& place) {
  ShownSettings shown(session, store, catalog, place);
  ImportPlan plan = PlanImport(file, shown.Store(), catalog, shown.Place());
  // The changes no page shows become entries left out.
  auto leaveOut = [&](std::u16string_view name, bool record) {
    for (ReportEntry& e : plan.entries)
      if (e.kind == ReportKind::kChange && e.record == record && e.name == name)
        e.kind = ReportKind::kLeftOut;
  };
  std::erase_if(plan.values, [&](const ImportPlan::ValueWrite& w) {
    if (ShownInSheet(session, w)) return false;
    leaveOut(w.key.name, false);
    return true;
  });
  std::erase_if(plan.records, [&](const ImportPlan::RecordWrite& w) {
    if (ShownInSheet(w.number)) return false;
    leaveOut(RecordInfoAt(w.number)->name, true);
    return true;
  });
  return plan;
}

bool ImportIntoPages(const ImportPlan& plan, CustomizeUndo& undo, UndoPlace place) {
  return undo.TrackSheet(place, UndoKind::kImport, [&](CustomizeSession& s) {
    for (const ImportPlan::ValueWrite& w : plan.values) {
      if (w.key.name == kStatusOrderName) {
        PageModel& status = s.Page(page::kStatus);
        status.Extension<StatusExtension>().order = StatusOrderFrom(w.value.bytes);
        StatusExtension::Normalize(status);
        status.visited = true;
        continue;
      }
      for (const auto& [p, r] : RowsOf(s, w.key.name)) {
        PageModel& page = s.Page(p);
        SettingValue& v = page.Working(r);
        if (w.value.type == EntryType::kString)
          v.text = w.value.text;
        else
          v.number = w.value.number;
        page.visited = true;
      }
    }
    CustomizeEnvironment& env = s.Environment();
    for (const ImportPlan::RecordWrite& w : plan.records) {
      const RecordInfo* info = RecordInfoAt(w.number);
      RecordLists lists;
      if (!ParseRecordFile(w.bytes.data(), w.bytes.size(), info->magic, info->text, lists))
        continue;
      if (w.number == record::kActiveS) {
        PageModel& page = s.Page(page::kActiveString);
        page.Extension<ActiveStringExtension>().table = ReadActiveStrings(lists);
        page.visited = true;
      } else if (w.number == record::kCsv2) {
        PageModel& page = s.Page(page::kCsv);
        const CsvFormat pipe = BuiltinPipeFormat([&env](uint32_t id) { return env.String(id); });
        if (std::optional<std::vector<CsvFormat>> formats = ReadCsvFormats(lists, false, pipe)) {
          page.Extension<CsvExtension>().list.Replace(std::move(*formats));
          page.visited = true;
        }
      }
    }
  });
}

}  // namespace scrv
