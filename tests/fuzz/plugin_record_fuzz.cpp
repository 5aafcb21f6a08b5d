// The plug-in list's record comes from disk, written by the host or by anything else: reading
// it must never go past its end or trust its count, a path read back must survive the path
// arithmetic (keys, re-basing, full paths, names), and what is stored again must read back the
// same.

#include <cstdint>
#include <cstdlib>

#include "frame/text_case.h"
#include "integration/plugin_list.h"
#include "settings/memory_file_store.h"

namespace {

constexpr char16_t kPath[] = u"/appdata/Common/PlugIns.bin";
constexpr std::u16string_view kFolder = u"C:\\Program Files\\Scrivlet\\PlugIns";

scrv::SettingsRecord Record() {
  return scrv::SettingsRecord(kPath, 0xFF2300, scrv::RecordTextEncoding::kUtf16);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const scrv::AsciiTextCase tc;
  scrv::MemoryFileStore files;
  files.Put(kPath, std::vector<uint8_t>(data, data + size));
  scrv::SettingsRecord record = Record();
  std::vector<scrv::StoredPlugin> list = scrv::LoadStoredPlugins(record, files);
  // A file that is no record gives the default list; otherwise every entry took bytes of it.
  if (list.size() > size && list != scrv::DefaultPlugins()) std::abort();
  // The path arithmetic on one entry read (the native tests pin it down; here it only has to
  // survive whatever a file holds).
  if (!list.empty()) {
    const std::u16string& path = list.front().path;
    std::u16string stored = scrv::StoredPluginPath(path, kFolder, tc);
    if (scrv::StoredPluginPath(stored, kFolder, tc) != stored) std::abort();  // stable
    (void)scrv::PluginDisplayName(scrv::FullPluginPath(path, kFolder));
  }
  if (!list.empty() && !scrv::FindStoredPlugin(list, list.back().path, tc)) std::abort();
  if (!scrv::SaveStoredPlugins(record, files, list, tc)) std::abort();
  scrv::SettingsRecord again = Record();
  if (scrv::LoadStoredPlugins(again, files) != list) std::abort();
  return 0;
}
