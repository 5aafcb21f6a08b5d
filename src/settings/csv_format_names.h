#pragma once
// The names of the separated-value formats the editor knows, as the tools that only offer a
// choice of format need them: read from the formats' records ("csv2", else the older "csv").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"

namespace scrv {

constexpr size_t kMaxCsvFormats = 64;

// The names held by a loaded format record, in order, or nothing when its lists do not make a
// list of formats (no version, no count, fewer texts than the count needs, or no format at
// all). `older` marks record 29, whose lists count only at version 0. A version-0 list gets
// `pipeName` (the built-in pipe format) appended while it has room and the name is not empty.
std::optional<std::vector<std::u16string>> CsvFormatNames(const RecordLists& lists, bool older,
                                                          std::u16string_view pipeName);

}  // namespace scrv
