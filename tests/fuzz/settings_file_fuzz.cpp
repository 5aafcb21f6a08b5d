// A settings file to import can be anything a user picked: reading it must stay within the
// input, what it reads must write back into a file that reads the same, and planning the import
// against a store must never write to it.

#include <cstdint>
#include <cstdlib>

#include "settings/memory_file_store.h"
#include "settings/memory_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_transfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const scrv::SettingsFileRead read = scrv::ReadSettingsFile(data, size);
  if (read.refusal != scrv::FileProblem::kNone) {
    if (!read.file.values.empty() || !read.file.records.empty() || !read.file.problems.empty())
      std::abort();  // a refused file gives nothing
    return 0;
  }
  const std::string again = scrv::WriteSettingsFile(read.file);
  const scrv::SettingsFileRead reread =
      scrv::ReadSettingsFile(reinterpret_cast<const uint8_t*>(again.data()), again.size());
  if (reread.refusal != scrv::FileProblem::kNone || !reread.file.problems.empty() ||
      reread.file.values != read.file.values || reread.file.records != read.file.records ||
      reread.file.version != read.file.version)
    std::abort();

  static const scrv::FlagTable flags(1252);
  static const scrv::SettingsCatalog catalog = [] {
    scrv::SettingsCatalog c;
    scrv::AddTableKeys(c, flags);
    for (uint32_t n = 0; n < scrv::kRecordCount; ++n) c.AddRecord({n, 0});
    return c;
  }();
  scrv::MemorySettings store(size % 2 == 0);
  scrv::MemoryFileStore files;
  const scrv::BinPathBuilder binPath = [](std::u16string_view folder, std::u16string_view name) {
    return std::u16string(folder) + u"/" + std::u16string(name);
  };
  const scrv::RecordPlace place{files, binPath};
  const scrv::ImportPlan plan = scrv::PlanImport(read.file, store, catalog, place);
  for (const auto& [key, values] : store.Keys())
    if (!values.empty()) std::abort();  // planning wrote a value
  if (plan.Changes() > read.file.values.size() + read.file.records.size()) std::abort();
  for (const auto& w : plan.values)
    if (w.value.type != w.key.type ||
        (w.value.type == scrv::EntryType::kDword && w.value.number > w.key.max))
      std::abort();
  return 0;
}
