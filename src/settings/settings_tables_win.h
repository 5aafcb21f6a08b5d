#pragma once
// The settings tables and record files as the Win32 layer uses them: the flag table built
// once at load for the system's ANSI code page, and records kept in the roaming
// application-data folder.

#include <optional>

#include "settings/flag_table.h"
#include "settings/settings_record.h"

namespace scrv {

// Built by a static initialiser, before the library's entry point runs.
const FlagTable& Flags();

// The file of a record in the application-data folder: its folder, its name and ".bin".
std::u16string AppRecordPath(std::u16string_view folder, std::u16string_view name);

// The record numbered `number` of the record table, with its file in the application-data
// folder (".bin" appended); nothing for a number outside the table.
std::optional<SettingsRecord> OpenAppRecord(uint32_t number);
ReadResult LoadAppRecord(SettingsRecord& record);
bool SaveAppRecord(SettingsRecord& record);

}  // namespace scrv
