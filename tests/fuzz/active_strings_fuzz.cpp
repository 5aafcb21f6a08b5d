// Record 0 as any file on disk holds it: the table read from it keeps every text within its
// capacity, and the entries stored from a table read back into the same table.
#include <cstdint>
#include <cstdlib>

#include "customize/active_strings.h"
#include "settings/record_table.h"

using namespace scrv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const RecordInfo& info = *RecordInfoAt(record::kActiveS);
  RecordLists lists;
  if (!ParseRecordFile(data, size, info.magic, info.text, lists)) return 0;
  const ActiveStringTable table = ReadActiveStrings(lists);
  for (const ActiveStringEntry& e : table)
    if (e.text.size() >= kActiveStringTextCapacity) std::abort();
  auto exact = [](std::u16string_view a, std::u16string_view b) { return a == b; };
  const RecordLists stored = ActiveStringLists(table, exact);
  if (stored.dwords.size() != 5 * stored.texts.size()) std::abort();
  if (!(ReadActiveStrings(stored) == table)) std::abort();
  return 0;
}
