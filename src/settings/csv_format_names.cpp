#include "settings/csv_format_names.h"

namespace scrv {
namespace {

// Each format keeps three texts in the record: its name, its separator and its second text.
constexpr size_t kTextsPerFormat = 3;

}  // namespace

std::optional<std::vector<std::u16string>> CsvFormatNames(const RecordLists& lists, bool older,
                                                          std::u16string_view pipeName) {
  if (lists.dwords.empty() || lists.words.empty()) return std::nullopt;
  uint32_t version = lists.dwords.front();
  if (older && version != 0) return std::nullopt;
  size_t count = lists.words.front();
  if (count == 0 || lists.texts.size() < count * kTextsPerFormat) return std::nullopt;
  if (count > kMaxCsvFormats) count = kMaxCsvFormats;
  std::vector<std::u16string> names;
  names.reserve(count + 1);
  for (size_t i = 0; i < count; ++i) names.push_back(lists.texts[i * kTextsPerFormat]);
  if (version == 0 && names.size() < kMaxCsvFormats && !pipeName.empty())
    names.emplace_back(pipeName);
  return names;
}

}  // namespace scrv
