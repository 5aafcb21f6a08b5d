#pragma once
// Choosing the language folder below "mui" in the application folder, and in it the
// localisation module "scrvloc.dll" that the library loads its templates, strings and menus
// from. Only folders directly below "mui" are ever chosen.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame/file_system_queries.h"
#include "settings/flag_table.h"

namespace scrv {

class SettingsStore;

// Longest path of a companion file, terminator included (MAX_PATH).
constexpr size_t kCompanionPathCapacity = 260;

struct LanguageFolderContext {
  const FileSystemQueries* files = nullptr;
  std::u16string appFolder;  // the library's folder, with or without a final backslash
  uint16_t uiLanguage = 0;   // the user interface language of Windows
};

// The full path of language folder `name` ("<app>\mui\<name>") when that name may be used and
// the folder exists. A name is refused when it is empty, begins with "." or holds a path
// separator or ":" (it could then lead out of "mui"), or when the path would not fit in
// kCompanionPathCapacity.
// With useSystem the folder named by the user interface language is tried first; otherwise, or
// when it does not exist, the preferred name decides. Returns whether a folder was found; out is
// emptied when not.
bool FindLanguageFolder(const LanguageFolderContext& ctx, bool useSystem,
                        std::u16string_view preferred, std::u16string* out);

// The first entry of "mui" that is a folder and does not begin with ".", taken through
// FindLanguageFolder without the system language.
bool FindFirstLanguageFolder(const LanguageFolderContext& ctx, std::u16string* out);

struct LocalisationCandidate {
  std::u16string folder;      // the language folder
  std::u16string modulePath;  // its "scrvloc.dll"
  std::u16string infoPath;    // its "info.ini", which declares the language identifier
};

// The localisation module to load: the language folder chosen by FindLanguageFolder (or else
// the first one) when it holds "scrvloc.dll" as a file; otherwise the one of folder "1033" (or,
// when that folder does not exist, of the first folder). Nothing when neither holds it.
std::optional<LocalisationCandidate> FindLocalisationModule(const LanguageFolderContext& ctx,
                                                            bool systemLang,
                                                            std::u16string_view langFolder);

// The user's choice of language in "Common": "SystemLang" (a flag, default 1) and
// "LangFolder" (default "1033", at most 259 characters), read through one settings handle.
constexpr std::u16string_view kLangFolderKey = u"LangFolder";
constexpr std::u16string_view kFallbackLanguageFolder = u"1033";
struct LanguageChoice {
  bool systemLang = true;
  std::u16string folder;
};
LanguageChoice ReadLanguageChoice(SettingsStore& settings, const FlagTable& flags);

// The same with the choice read from "Common".
std::optional<LocalisationCandidate> FindLocalisationModule(const LanguageFolderContext& ctx,
                                                            SettingsStore& settings,
                                                            const FlagTable& flags);

}  // namespace scrv
