#include "menus/stored_plugin_labels.h"

namespace scrv {
namespace {

constexpr const char16_t* kStandardPlugIns[] = {
    u"Explorer.dll", u"HTMLBar.dll",    u"OpenDocuments.dll", u"Projects.dll", u"Search.dll",
    u"Snippets.dll", u"WebPreview.dll", u"WordComplete.dll",  u"WordCount.dll"};

}  // namespace

StoredPlugInLabels::StoredPlugInLabels(const BinPathBuilder& binPath, FileStore& files) {
  std::optional<SettingsRecord> record = OpenRecord(record::kPlugIns, binPath);
  if (!record || LoadRecord(*record, files) != ReadResult::kRead) {
    paths_.assign(std::begin(kStandardPlugIns), std::end(kStandardPlugIns));
    return;
  }
  if (record->NextDword() != 0u) return;
  // Stored keys are not needed; the count is trusted only as far as the lists go.
  for (;;) {
    std::optional<uint8_t> enabled = record->NextByte();
    std::optional<std::u16string> path = record->NextText();
    if (!enabled || !path) break;
    if (*enabled) paths_.push_back(std::move(*path));
  }
}

std::u16string StoredPlugInLabels::MenuText(size_t position) {
  std::u16string name = FileNameOf(paths_[position]);
  return name.substr(0, name.rfind(u'.'));
}

}  // namespace scrv
