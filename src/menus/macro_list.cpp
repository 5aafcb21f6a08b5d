#include "menus/macro_list.h"

#include "menus/menu_labels.h"

namespace scrv {

std::vector<std::u16string> DefaultMacroEntries() {
  static constexpr std::u16string_view kFiles[] = {
      u"Sum.jssc",           u"ValidateXml.jssc",    u"WrapTags.jssc",
      u"SymbolList.jssc",    u"GotoDefinition.jssc", u"PopBrowseContext.jssc",
      u"ParameterInfo.jssc", u"AutoCopy.jssc"};
  std::vector<std::u16string> entries;
  for (std::u16string_view file : kFiles)
    entries.push_back(u"$(AppDir)\\Macros\\" + std::u16string(file));
  return entries;
}

std::optional<std::vector<std::u16string>> ReadMacroRecord(SettingsRecord& record) {
  std::optional<uint32_t> version = record.NextDword();
  std::optional<uint32_t> count = record.NextDword();
  if (!version || *version != 0 || !count) return std::nullopt;
  std::vector<std::u16string> entries;
  for (uint32_t i = 0; i < *count; ++i) {
    std::optional<std::u16string> entry = record.NextText();
    if (!entry) break;
    entries.push_back(std::move(*entry));
  }
  return entries;
}

void WriteMacroRecord(const std::vector<std::u16string>& entries, SettingsRecord& record) {
  record.AddDword(0);
  record.AddDword(static_cast<uint32_t>(entries.size()));
  for (const std::u16string& entry : entries) record.AddText(entry);
}

std::vector<std::u16string> LoadMacroNames(const BinPathBuilder& binPath, FileStore& files) {
  std::optional<std::vector<std::u16string>> entries;
  if (std::optional<SettingsRecord> record = OpenRecord(record::kMacros, binPath))
    if (LoadRecord(*record, files) == ReadResult::kRead) entries = ReadMacroRecord(*record);
  if (!entries) entries = DefaultMacroEntries();
  std::vector<std::u16string> names;
  names.reserve(entries->size());
  for (const std::u16string& entry : *entries) names.push_back(FileNameOf(entry));
  return names;
}

}  // namespace scrv
