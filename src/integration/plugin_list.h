#pragma once
// The plug-in list: which plug-in libraries the editor loads, in which order, and whether each
// is enabled. It is stored in settings record 3 (shared with the host) as paths relative to the
// program's "PlugIns" folder where that is possible. A plug-in's position names its commands:
// the plug-in at position i runs command 5888 + i.
//
// Stored form, list by list: the 32-bit list holds the version 0; per plug-in in list order its
// path key in the 64-bit list, its enabled flag in the byte list and its path in the text list;
// then a 0 in the 64-bit list; the second 32-bit list holds the plug-in count.

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/text_case.h"
#include "settings/file_store.h"
#include "settings/settings_record.h"

namespace scrv {

// Commands of plug-ins: 5888 + position, 256 of them.
constexpr uint32_t kFirstPluginCommand = 5888;
constexpr uint32_t kPluginCommandCount = 256;

// The standard plug-ins, in the order of the default list.
constexpr std::array<std::u16string_view, 9> kStandardPlugins = {
    u"Explorer.dll", u"HTMLBar.dll",    u"OpenDocuments.dll", u"Projects.dll", u"Search.dll",
    u"Snippets.dll", u"WebPreview.dll", u"WordComplete.dll",  u"WordCount.dll"};

// The folder below the program's folder that stored paths are relative to, and the default of
// "PlugInsFolder" (the folder offered when adding plug-ins).
constexpr std::u16string_view kPluginsFolderName = u"PlugIns";
constexpr std::u16string_view kPluginsFolderSetting = u"PlugInsFolder";
constexpr size_t kPluginsFolderCapacity = 260;

// One entry of the stored list.
struct StoredPlugin {
  std::u16string path;  // relative to the "PlugIns" folder where possible
  bool enabled = true;
  friend bool operator==(const StoredPlugin&, const StoredPlugin&) = default;
};

// The nine standard plug-ins, all enabled.
std::vector<StoredPlugin> DefaultPlugins();

// The key of a stored path: the path lower-cased, then h = h * 101 + u over its UTF-16 units
// from h = 5381, in unsigned 64-bit arithmetic.
uint64_t PluginPathKey(std::u16string_view path, const TextCase& tc);

// How a path is stored: relative to `pluginsFolder` (with ".." parts where needed, a plug-in
// inside the folder by its bare name), or absolute when the two share no root. URLs are kept.
std::u16string StoredPluginPath(std::u16string_view path, std::u16string_view pluginsFolder,
                                const TextCase& tc);
// The full path of a stored path: the folder and the path, canonicalized (URLs as they are).
std::u16string FullPluginPath(std::u16string_view stored, std::u16string_view pluginsFolder);

// "PlugInsFolder" as read (relative to `appFolder` unless absolute) made absolute, and the
// value written back for a folder: relative to `appFolder` in INI mode (where the program
// folder moves with its settings), absolute otherwise.
std::u16string AbsolutePluginsFolder(std::u16string_view setting, std::u16string_view appFolder);
std::u16string PluginsFolderSetting(std::u16string_view folder, std::u16string_view appFolder,
                                    bool iniMode, const TextCase& tc);

// What a list shows for a plug-in: its file name without the extension.
std::u16string PluginDisplayName(std::u16string_view path);

// The stored list from a loaded record 3: nothing readable gives the default list, a version
// other than 0 an empty one. The count is trusted only as far as the lists go; stored keys are
// ignored.
std::vector<StoredPlugin> StoredPluginsFrom(SettingsRecord& record, bool recordRead);
// Replaces the record's lists by the stored form of `plugins`.
void PutStoredPlugins(SettingsRecord& record, const std::vector<StoredPlugin>& plugins,
                      const TextCase& tc);
std::vector<StoredPlugin> LoadStoredPlugins(SettingsRecord& record, FileStore& files);
// Writes the stored form of `plugins` to the file of `record` (whatever `record` holds); true
// when every byte was written.
bool SaveStoredPlugins(const SettingsRecord& record, FileStore& files,
                       const std::vector<StoredPlugin>& plugins, const TextCase& tc);

// Position of `path` in the stored list: keys first, then the paths without regard to case,
// as given (no re-basing). Nothing when it is not there.
std::optional<size_t> FindStoredPlugin(const std::vector<StoredPlugin>& plugins,
                                       std::u16string_view path, const TextCase& tc);

// What the menu editor needs of the enabled plug-ins: their stored paths in list order (the
// position gives the command) and the texts each plug-in gives for its command.
class PluginCatalog {
 public:
  virtual ~PluginCatalog() = default;
  virtual size_t PluginCount() const = 0;
  virtual std::u16string_view PluginPath(size_t position) const = 0;
  // The command's label (the plug-in's menu text) and its status-bar description.
  virtual std::u16string PluginMenuText(size_t position) = 0;
  virtual std::u16string PluginStatusText(size_t position) = 0;
};

// The position of the plug-in whose path is `target` (compared without regard to case), or
// nothing.
std::optional<size_t> FindCatalogPlugin(const PluginCatalog& catalog, std::u16string_view target,
                                        const TextCase& tc);
inline uint32_t PluginCommand(size_t position) {
  return kFirstPluginCommand + static_cast<uint32_t>(position);
}

// What a plug-in answers to the uninstall request.
struct UninstallRequest {
  enum Kind : int { kNothing = 0, kDeleteFile = 1, kRunProgram = 2 } kind = kNothing;
  std::u16string program;
  std::u16string arguments;
};

// A loaded plug-in library and the questions the library asks it. Destroying it unloads the
// library.
class PluginModule {
 public:
  virtual ~PluginModule() = default;
  // The loaded library, for its resources (the platform's module handle).
  virtual uintptr_t Library() const = 0;
  // Unloads now; false (with the system error) when the platform refuses.
  virtual bool Unload(uint32_t& error) = 0;
  // The removal event, before the library is unloaded on removal.
  virtual void NotifyRemoval() = 0;
  virtual bool HasProperties() = 0;
  virtual void ShowProperties() = 0;
  // The first (which 0) or second (which 1) description: the UTF-16 answer, else the 8-bit one.
  virtual std::u16string Description(int which) = 0;
  virtual bool CanUninstall() = 0;
  virtual UninstallRequest QueryUninstall() = 0;
  // The button image: its bitmap number in the library (0 none) and its transparent colour.
  virtual uint32_t ButtonBitmapId(bool highDpi) = 0;
  virtual uint32_t TransparentColor() = 0;
  virtual std::u16string MenuText() = 0;
  virtual std::u16string StatusText() = 0;
};

// A plug-in file as it is now: its size and time of last change. A file that is replaced or
// rewritten changes one of them.
struct PluginFileState {
  uint64_t size = 0;
  uint64_t written = 0;
  friend bool operator==(const PluginFileState&, const PluginFileState&) = default;
};

// The standard plug-ins whose signature was accepted, with the file as it was then and when:
// an unchanged file is not checked again within the hour. The loader keeps one for the whole
// process, so that opening the dialog again does not repeat the checks.
class SignatureVerdicts {
 public:
  bool Accepted(std::u16string_view fullPath, const PluginFileState& state, uint64_t nowMs,
                const TextCase& tc) const;
  void Accept(std::u16string_view fullPath, const PluginFileState& state, uint64_t nowMs,
              const TextCase& tc);

 private:
  struct Verdict {
    std::u16string path;
    PluginFileState state;
    uint64_t at = 0;
  };
  std::vector<Verdict> verdicts_;
  mutable std::mutex lock_;
};

// Loads plug-in libraries and checks the signatures of the standard ones.
class PluginLoader {
 public:
  virtual ~PluginLoader() = default;
  // The library at `fullPath` with its removal event; null with the system error (or the
  // library's own error code for a library without its event export) when it cannot be used.
  virtual std::unique_ptr<PluginModule> Load(std::u16string_view fullPath, uint32_t& error) = 0;
  virtual bool VerifySignature(std::u16string_view fullPath) = 0;
  // The file at `fullPath`, or nothing when there is no such file (a folder is none either).
  virtual std::optional<PluginFileState> FileState(std::u16string_view fullPath) = 0;
  // The accepted signatures, kept as long as the loader's owner says.
  virtual SignatureVerdicts& Verdicts() = 0;
  // A clock in milliseconds, for checking a standard plug-in at most once an hour.
  virtual uint64_t NowMs() = 0;
};

// The library's own error code for a file that is not a plug-in.
constexpr uint32_t kErrorInvalidPlugin = 0xA0000020;
// And for a standard plug-in that failed its signature check.
constexpr uint32_t kErrorSignature = 0xA0000021;

// One plug-in of a loaded list.
struct PluginRecord {
  std::u16string path;  // as stored
  uint64_t key = 0;
  bool enabled = true;
  std::unique_ptr<PluginModule> module;
};

// A loaded plug-in list: each record with its library loaded. The list owns the libraries and
// unloads them when records are removed or the list is destroyed.
class PluginList : public PluginCatalog {
 public:
  PluginList(std::u16string pluginsFolder, PluginLoader& loader, const TextCase& tc)
      : folder_(std::move(pluginsFolder)), loader_(loader), tc_(tc) {}
  ~PluginList() override;
  PluginList(const PluginList&) = delete;
  PluginList& operator=(const PluginList&) = delete;

  const std::u16string& PluginsFolder() const { return folder_; }

  // Replaces the records by the plug-ins of `stored` that can be loaded (only the enabled ones
  // with `enabledOnly`), in order; returns the positions in `stored` of those left out. A
  // listed file that is not there is left out without a check or a load attempt.
  std::vector<size_t> Load(const std::vector<StoredPlugin>& stored, bool enabledOnly);
  // The default list, all enabled.
  void Reset() { Load(DefaultPlugins(), false); }

  enum class AddResult { kAdded, kAlreadyListed, kRefused };
  // Adds a plug-in file: re-based, checked when it is a standard plug-in in its standard place,
  // loaded, appended. `error` tells why a file was refused.
  AddResult Add(std::u16string_view path, bool enabled, uint32_t& error);
  std::optional<size_t> Find(std::u16string_view path) const;

  // Removal: the removal event, unloading, and the record gone.
  void Remove(size_t position);
  // Unloads without the removal event and, when that worked, drops the record (uninstalling).
  bool Release(size_t position, uint32_t& error);
  // Exchanges two records (the view moved a row).
  void Swap(size_t a, size_t b);
  void SetEnabled(size_t position, bool enabled) { records_.at(position).enabled = enabled; }

  size_t Count() const { return records_.size(); }
  PluginRecord& At(size_t position) { return records_.at(position); }
  const PluginRecord& At(size_t position) const { return records_.at(position); }
  std::vector<StoredPlugin> Stored() const;

  // PluginCatalog.
  size_t PluginCount() const override { return records_.size(); }
  std::u16string_view PluginPath(size_t position) const override { return At(position).path; }
  std::u16string PluginMenuText(size_t position) override;
  std::u16string PluginStatusText(size_t position) override;

 private:
  // Whether a standard plug-in in its standard place may be loaded: an unchanged file is
  // checked at most once an hour (a failed check is not remembered). `state` is the file's,
  // when it could be had.
  bool SignatureAccepted(std::u16string_view stored, std::u16string_view full,
                         const std::optional<PluginFileState>& state);
  void Clear();

  std::u16string folder_;
  PluginLoader& loader_;
  const TextCase& tc_;
  std::vector<PluginRecord> records_;
  std::mutex lock_;  // loading, freeing and removal
};

}  // namespace scrv
