#include "frame/language_folder.h"

#include "settings/settings_store.h"

namespace scrv {
namespace {

constexpr std::u16string_view kModuleName = u"scrvloc.dll";
constexpr std::u16string_view kInfoName = u"info.ini";

bool Fits(const std::u16string& path) {
  return path.size() < kCompanionPathCapacity;
}

std::u16string Join(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += u'\\';
  path += name;
  return path;
}

std::u16string MuiFolder(const LanguageFolderContext& ctx) {
  return Join(ctx.appFolder, u"mui");
}

// A folder name may only name a folder directly below "mui".
bool IsUsableName(std::u16string_view name) {
  if (name.empty() || name.front() == u'.') return false;
  return name.find_first_of(u"\\/:") == std::u16string_view::npos;
}

// "<app>\mui\<name>" when the name is usable, the path fits and the folder exists.
std::optional<std::u16string> ExistingFolder(const LanguageFolderContext& ctx,
                                             std::u16string_view name) {
  if (!ctx.files || !IsUsableName(name)) return std::nullopt;
  std::u16string path = Join(MuiFolder(ctx), name);
  if (!Fits(path) || !ctx.files->IsDirectory(path)) return std::nullopt;
  return path;
}

std::u16string Decimal(unsigned v) {
  std::u16string s;
  do {
    s.insert(s.begin(), static_cast<char16_t>(u'0' + v % 10));
    v /= 10;
  } while (v);
  return s;
}

// The folder's module when it is a file (a folder of that name does not count).
std::optional<LocalisationCandidate> ModuleIn(const LanguageFolderContext& ctx,
                                              const std::u16string& folder) {
  LocalisationCandidate c;
  c.modulePath = Join(folder, kModuleName);
  if (!Fits(c.modulePath) || !ctx.files->IsFile(c.modulePath)) return std::nullopt;
  c.folder = folder;
  c.infoPath = Join(folder, kInfoName);
  return c;
}

}  // namespace

bool FindLanguageFolder(const LanguageFolderContext& ctx, bool useSystem,
                        std::u16string_view preferred, std::u16string* out) {
  std::optional<std::u16string> found;
  if (useSystem) found = ExistingFolder(ctx, Decimal(ctx.uiLanguage));
  if (!found) found = ExistingFolder(ctx, preferred);
  if (!found) {
    out->clear();
    return false;
  }
  *out = std::move(*found);
  return true;
}

bool FindFirstLanguageFolder(const LanguageFolderContext& ctx, std::u16string* out) {
  out->clear();
  if (!ctx.files) return false;
  std::u16string mui = MuiFolder(ctx);
  if (!Fits(mui)) return false;
  for (const FolderEntry& e : ctx.files->ListFolder(mui)) {
    if (!e.isDirectory || e.name.empty() || e.name.front() == u'.') continue;
    std::u16string path = Join(mui, e.name);
    if (!Fits(path) || !ctx.files->IsDirectory(path)) continue;
    return FindLanguageFolder(ctx, false, e.name, out);
  }
  return false;
}

std::optional<LocalisationCandidate> FindLocalisationModule(const LanguageFolderContext& ctx,
                                                            bool systemLang,
                                                            std::u16string_view langFolder) {
  std::u16string folder;
  if (!FindLanguageFolder(ctx, systemLang, langFolder, &folder) &&
      !FindFirstLanguageFolder(ctx, &folder)) {
    return std::nullopt;
  }
  if (auto c = ModuleIn(ctx, folder)) return c;
  if (!FindLanguageFolder(ctx, false, kFallbackLanguageFolder, &folder) &&
      !FindFirstLanguageFolder(ctx, &folder)) {
    return std::nullopt;
  }
  return ModuleIn(ctx, folder);
}

LanguageChoice ReadLanguageChoice(SettingsStore& settings, const FlagTable& flags) {
  SettingsHandle common = settings.OpenCommon(false);
  LanguageChoice choice{
      ReadFlag(settings, flags, common, flag::kSystemLang),
      settings.ReadString(common, kLangFolderKey, kCompanionPathCapacity, kFallbackLanguageFolder)};
  settings.CloseSettings(common);
  return choice;
}

std::optional<LocalisationCandidate> FindLocalisationModule(const LanguageFolderContext& ctx,
                                                            SettingsStore& settings,
                                                            const FlagTable& flags) {
  const LanguageChoice choice = ReadLanguageChoice(settings, flags);
  return FindLocalisationModule(ctx, choice.systemLang, choice.folder);
}

}  // namespace scrv
