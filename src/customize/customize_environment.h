#pragma once
// What the Customize pages need from the running system while they load and save: the flag
// table, defaults that depend on the system, locale names and the language folders. The Win32
// layer answers with the platform's functions; native tests answer from memory.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "customize/rendering_values.h"
#include "customize/setting_row.h"
#include "settings/settings_record.h"

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

  // A string of the localisation module (empty when it has none).
  virtual std::u16string String(uint32_t id) = 0;
  // A settings record's lists, or nothing when its file cannot be read; and writing one.
  virtual std::optional<RecordLists> ReadRecord(uint32_t number) = 0;
  virtual bool WriteRecord(uint32_t number, const RecordLists& lists) = 0;
  // The names of the configurations (the sections of the configuration file, or the keys
  // below "Config").
  virtual std::vector<std::u16string> Configurations(SettingsStore& store) = 0;
  // The current time as a file time.
  virtual uint64_t FileTimeNow() = 0;
  // Tells the host's main windows where each CSV format went (message 0x8085).
  virtual void CsvFormatsMoved(const std::vector<uint32_t>& oldIndex) = 0;
  // Texts equal ignoring case, by the platform's ordinal comparison.
  virtual bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) = 0;
  // The host's rendering defaults and what the system allows.
  virtual RenderingModel::System RenderingSystem() = 0;
};

}  // namespace scrv
