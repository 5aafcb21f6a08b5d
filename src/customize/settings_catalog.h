#pragma once
// What a settings file may carry: every value of "Common" that a Customize page or a key table
// declares, with the change bits the pages report for it, and the record files a user
// customises. Records that hold machine paths (macros, plug-ins, file associations), per-file
// history or printer data stay out: they would not be right on another machine.

#include "settings/flag_table.h"
#include "settings/settings_transfer.h"

namespace scrv {

SettingsCatalog CustomizeCatalog(const FlagTable& flags);

}  // namespace scrv
