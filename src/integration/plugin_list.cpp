#include "integration/plugin_list.h"

#include <algorithm>

#include "frame/path_text.h"
#include "settings/app_path.h"

namespace scrv {
namespace {

constexpr uint32_t kPluginRecordVersion = 0;
constexpr uint64_t kOneHourMs = 60ull * 60 * 1000;

}  // namespace

std::vector<StoredPlugin> DefaultPlugins() {
  std::vector<StoredPlugin> list;
  for (std::u16string_view name : kStandardPlugins) list.push_back({std::u16string(name), true});
  return list;
}

uint64_t PluginPathKey(std::u16string_view path, const TextCase& tc) {
  uint64_t h = 5381;
  for (char16_t u : tc.Lower(path)) h = h * 101 + u;
  return h;
}

std::u16string StoredPluginPath(std::u16string_view path, std::u16string_view pluginsFolder,
                                const TextCase& tc) {
  if (IsUrl(path)) return std::u16string(path);
  std::u16string full = FullPluginPath(path, pluginsFolder);
  std::optional<std::u16string> relative = RelativePath(pluginsFolder, full, tc);
  if (!relative) return full;
  if (relative->starts_with(u".\\")) relative->erase(0, 2);
  return *relative;
}

std::u16string FullPluginPath(std::u16string_view stored, std::u16string_view pluginsFolder) {
  if (IsUrl(stored)) return std::u16string(stored);
  if (IsAbsolutePath(stored)) return CanonicalizePath(stored);
  return CanonicalizePath(JoinPath(pluginsFolder, stored));
}

std::u16string AbsolutePluginsFolder(std::u16string_view setting, std::u16string_view appFolder) {
  if (IsAbsolutePath(setting)) return CanonicalizePath(setting);
  return CanonicalizePath(JoinPath(appFolder, setting));
}

std::u16string PluginsFolderSetting(std::u16string_view folder, std::u16string_view appFolder,
                                    bool iniMode, const TextCase& tc) {
  std::u16string absolute = CanonicalizePath(folder);
  if (!iniMode) return absolute;
  std::optional<std::u16string> relative = RelativePath(appFolder, absolute, tc);
  if (!relative) return absolute;
  if (relative->starts_with(u".\\")) relative->erase(0, 2);
  return *relative;
}

std::u16string PluginDisplayName(std::u16string_view path) {
  return std::u16string(FileTitleOf(path));
}

std::vector<StoredPlugin> StoredPluginsFrom(SettingsRecord& record, bool recordRead) {
  if (!recordRead) return DefaultPlugins();
  record.ResetReadPositions();
  std::vector<StoredPlugin> list;
  if (record.NextDword() != kPluginRecordVersion) return list;
  const uint32_t count = record.NextSecondDword().value_or(0);
  for (uint32_t i = 0; i < count; ++i) {
    // The lists end where the file ended: an absurd count stops at the first one used up.
    std::optional<uint64_t> key = record.NextQword();
    std::optional<uint8_t> enabled = record.NextByte();
    std::optional<std::u16string> path = record.NextText();
    if (!key || !enabled || !path) break;
    list.push_back({std::move(*path), *enabled != 0});
  }
  return list;
}

void PutStoredPlugins(SettingsRecord& record, const std::vector<StoredPlugin>& plugins,
                      const TextCase& tc) {
  record.AddDword(kPluginRecordVersion);
  for (const StoredPlugin& p : plugins) {
    record.AddQword(PluginPathKey(p.path, tc));
    record.AddByte(p.enabled ? 1 : 0);
    record.AddText(p.path);
  }
  record.AddQword(0);
  record.AddSecondDword(static_cast<uint32_t>(plugins.size()));
}

std::vector<StoredPlugin> LoadStoredPlugins(SettingsRecord& record, FileStore& files) {
  return StoredPluginsFrom(record, LoadRecord(record, files) != ReadResult::kFailed);
}

bool SaveStoredPlugins(const SettingsRecord& record, FileStore& files,
                       const std::vector<StoredPlugin>& plugins, const TextCase& tc) {
  SettingsRecord fresh(record.Path(), record.Magic(), record.TextEncoding());
  PutStoredPlugins(fresh, plugins, tc);
  return SaveRecord(fresh, files);
}

std::optional<size_t> FindStoredPlugin(const std::vector<StoredPlugin>& plugins,
                                       std::u16string_view path, const TextCase& tc) {
  const uint64_t key = PluginPathKey(path, tc);
  for (size_t i = 0; i < plugins.size(); ++i)
    if (PluginPathKey(plugins[i].path, tc) == key && EqualIgnoreCase(tc, plugins[i].path, path))
      return i;
  return std::nullopt;
}

std::optional<size_t> FindCatalogPlugin(const PluginCatalog& catalog, std::u16string_view target,
                                        const TextCase& tc) {
  for (size_t i = 0; i < catalog.PluginCount(); ++i)
    if (EqualIgnoreCase(tc, catalog.PluginPath(i), target)) return i;
  return std::nullopt;
}

PluginList::~PluginList() {
  Clear();
}

void PluginList::Clear() {
  std::lock_guard guard(lock_);
  records_.clear();  // each module unloads its library
}

std::vector<size_t> PluginList::Load(const std::vector<StoredPlugin>& stored, bool enabledOnly) {
  Clear();
  std::lock_guard guard(lock_);
  std::vector<size_t> leftOut;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (enabledOnly && !stored[i].enabled) continue;
    uint32_t error = 0;
    // An entry listed twice is loaded once.
    std::u16string path = StoredPluginPath(stored[i].path, folder_, tc_);
    if (Find(path)) continue;
    std::u16string full = FullPluginPath(path, folder_);
    std::optional<PluginFileState> state = loader_.FileState(full);
    std::unique_ptr<PluginModule> module;
    if (state && SignatureAccepted(path, full, state)) module = loader_.Load(full, error);
    if (!module) {
      leftOut.push_back(i);
      continue;
    }
    const uint64_t key = PluginPathKey(path, tc_);
    records_.push_back({std::move(path), key, stored[i].enabled, std::move(module)});
  }
  return leftOut;
}

PluginList::AddResult PluginList::Add(std::u16string_view file, bool enabled, uint32_t& error) {
  std::u16string path = StoredPluginPath(file, folder_, tc_);
  if (Find(path)) return AddResult::kAlreadyListed;
  std::u16string full = FullPluginPath(path, folder_);
  if (!SignatureAccepted(path, full, loader_.FileState(full))) {
    error = kErrorSignature;
    return AddResult::kRefused;
  }
  std::unique_ptr<PluginModule> module = loader_.Load(full, error);
  if (!module) return AddResult::kRefused;
  std::lock_guard guard(lock_);
  const uint64_t key = PluginPathKey(path, tc_);
  records_.push_back({std::move(path), key, enabled, std::move(module)});
  return AddResult::kAdded;
}

std::optional<size_t> PluginList::Find(std::u16string_view path) const {
  const uint64_t key = PluginPathKey(path, tc_);
  for (size_t i = 0; i < records_.size(); ++i)
    if (records_[i].key == key && EqualIgnoreCase(tc_, records_[i].path, path)) return i;
  return std::nullopt;
}

void PluginList::Remove(size_t position) {
  std::lock_guard guard(lock_);
  PluginRecord& record = records_.at(position);
  record.module->NotifyRemoval();
  records_.erase(records_.begin() + static_cast<ptrdiff_t>(position));
}

bool PluginList::Release(size_t position, uint32_t& error) {
  std::lock_guard guard(lock_);
  if (!records_.at(position).module->Unload(error)) return false;
  records_.erase(records_.begin() + static_cast<ptrdiff_t>(position));
  return true;
}

void PluginList::Swap(size_t a, size_t b) {
  std::swap(records_.at(a), records_.at(b));
}

std::vector<StoredPlugin> PluginList::Stored() const {
  std::vector<StoredPlugin> out;
  out.reserve(records_.size());
  for (const PluginRecord& r : records_) out.push_back({r.path, r.enabled});
  return out;
}

std::u16string PluginList::PluginMenuText(size_t position) {
  return At(position).module->MenuText();
}

std::u16string PluginList::PluginStatusText(size_t position) {
  return At(position).module->StatusText();
}

bool PluginList::SignatureAccepted(std::u16string_view stored, std::u16string_view full,
                                   const std::optional<PluginFileState>& state) {
  for (std::u16string_view name : kStandardPlugins) {
    if (!EqualIgnoreCase(tc_, FileNameOf(stored), name)) continue;
    if (!EqualIgnoreCase(tc_, full, CanonicalizePath(JoinPath(folder_, name)))) return true;
    const uint64_t now = loader_.NowMs();
    if (state && loader_.Verdicts().Accepted(full, *state, now, tc_)) return true;
    if (!loader_.VerifySignature(full)) return false;
    if (state) loader_.Verdicts().Accept(full, *state, now, tc_);
    return true;
  }
  return true;  // only the standard plug-ins are signed by the product
}

bool SignatureVerdicts::Accepted(std::u16string_view fullPath, const PluginFileState& state,
                                 uint64_t nowMs, const TextCase& tc) const {
  std::lock_guard guard(lock_);
  for (const Verdict& v : verdicts_)
    if (EqualIgnoreCase(tc, v.path, fullPath))
      return v.state == state && nowMs - v.at < kOneHourMs;
  return false;
}

void SignatureVerdicts::Accept(std::u16string_view fullPath, const PluginFileState& state,
                               uint64_t nowMs, const TextCase& tc) {
  std::lock_guard guard(lock_);
  for (Verdict& v : verdicts_)
    if (EqualIgnoreCase(tc, v.path, fullPath)) {
      v = {std::u16string(fullPath), state, nowMs};
      return;
    }
  verdicts_.push_back({std::u16string(fullPath), state, nowMs});
}

}  // namespace scrv
