#pragma once
// The macro list the host keeps in settings record 2: the macro files in list order. The menus
// number macro items by their position in it and name them by the entries' file names.
//
// Record layout: in the 32-bit list the version 0 and the number of macros, then one text per
// macro: the macro file's path, which may start with the "$(AppDir)" placeholder.

#include <optional>
#include <string>
#include <vector>

#include "settings/file_store.h"
#include "settings/settings_record.h"

namespace scrv {

// The list the host starts with.
std::vector<std::u16string> DefaultMacroEntries();

// The entries of a loaded record; nothing when it is not a macro list of a known version.
std::optional<std::vector<std::u16string>> ReadMacroRecord(SettingsRecord& record);
void WriteMacroRecord(const std::vector<std::u16string>& entries, SettingsRecord& record);

// The names of the macros (the entries' file names), in list order: from record 2, or the
// defaults when it cannot be read.
std::vector<std::u16string> LoadMacroNames(const BinPathBuilder& binPath, FileStore& files);

}  // namespace scrv
