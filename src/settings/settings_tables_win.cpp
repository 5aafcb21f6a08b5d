#include "settings/settings_tables_win.h"

#include <windows.h>

#include "base/text_win.h"
#include "settings/app_data_path_win.h"
#include "settings/file_store_win.h"

namespace scrv {
namespace {

const FlagTable g_flags(GetACP());

}  // namespace

const FlagTable& Flags() {
  return g_flags;
}

std::optional<SettingsRecord> OpenAppRecord(uint32_t number) {
  return OpenRecord(number, [](std::u16string_view folder, std::u16string_view name) {
    std::wstring f = ToW(folder);
    return ToU(GetBinFilePath(f.empty() ? nullptr : f.c_str(), nullptr, ToW(name)));
  });
}

ReadResult LoadAppRecord(SettingsRecord& record) {
  Win32FileStore files;
  return LoadRecord(record, files);
}

bool SaveAppRecord(SettingsRecord& record) {
  Win32FileStore files;
  return SaveRecord(record, files);
}

}  // namespace scrv
