#pragma once
// What a settings file may carry: every value of "Common" that a Customize page or a key table
// declares, with the change bits the pages report for it, and the record files a user
// customises. Records that hold machine paths (macros, plug-ins, file associations), per-file
// history or printer data stay out: they would not be right on another machine. So do the
// records only the host reads and writes (FRP, BRP, cmn): the library knows their container
// but not what they hold, so it can neither tell whether they name paths of this machine nor
// say in the report what an import would change in them.

#include "settings/flag_table.h"
#include "settings/settings_transfer.h"

namespace scrv {

class CustomizeSession;
class StringSource;

SettingsCatalog CustomizeCatalog(const FlagTable& flags);

// A value of "Common" as the Customize page that shows it in one control shows it (a box
// ticked or cleared, a list's item, a number in its unit, a colour as #RRGGBB); the stored form
// for a value no page shows in one control. With `session`, a number in a unit is shown in the
// unit its page holds now, as the page shows it; without, in the stored unit.
std::u16string DescribeAsShown(std::u16string_view name, const EntryValue& value,
                               const FlagTable& flags, const StringSource& strings,
                               CustomizeSession* session = nullptr);

}  // namespace scrv
