#pragma once
// What the Customize pages need from the running system while they load and save: the flag
// table, defaults that depend on the system, locale names and the language folders. The Win32
// layer answers with the platform's functions; native tests answer from memory.

#include <cstdint>
#include <string>
#include <vector>

#include "customize/setting_row.h"

namespace scrv {

class FlagTable;

// One language the user can choose: a folder below "mui" with its "info.ini".
struct LanguageEntry {
  std::u16string folder;  // the folder's name, "1033" for example
  std::u16string language;
  std::u16string text;
  std::u16string author;
  std::u16string version;
};

class CustomizeEnvironment {
 public:
  virtual ~CustomizeEnvironment() = default;
  virtual const FlagTable& Flags() = 0;
  virtual uint64_t Default(SystemDefault which) = 0;
  // The locale name of an LCID (empty when unknown), and the system's default locale name.
  virtual std::u16string LocaleNameFromLcid(uint32_t lcid) = 0;
  virtual std::u16string SystemLocaleName() = 0;
  // The language folders below "mui", in the order the file system lists them.
  virtual std::vector<LanguageEntry> Languages() = 0;
  // The shell actions of the Shortcut page: start or end the tray program, and add or remove
  // its start-up shortcut.
  virtual void SetTrayProgram(bool running) = 0;
  virtual void SetStartupShortcut(bool present) = 0;
};

}  // namespace scrv
