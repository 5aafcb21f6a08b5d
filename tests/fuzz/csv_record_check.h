#pragma once
// The check shared by the two format records' targets: whatever a file holds, the formats read
// obey the record's rules, and writing them gives lists that read back the same.
#include <cstdint>
#include <cstdlib>

#include "settings/csv_formats.h"
#include "settings/record_table.h"

inline int CheckCsvRecord(const uint8_t* data, size_t size, uint32_t number, bool older) {
  using namespace scrv;
  const RecordInfo& info = *RecordInfoAt(number);
  RecordLists lists;
  if (!ParseRecordFile(data, size, info.magic, info.text, lists)) return 0;
  CsvFormatRequest pipeRequest;
  pipeRequest.name = u"Pipe";
  pipeRequest.separator = u"|";
  const CsvFormat pipe = MakeCsvFormat(pipeRequest);
  const auto formats = ReadCsvFormats(lists, older, pipe);
  if (!formats) return 0;
  if (formats->empty() || formats->size() > kMaxCsvFormats) std::abort();
  for (const CsvFormat& f : *formats) {
    if (f.name.size() >= kCsvTextCapacity || f.separator.size() >= kCsvTextCapacity ||
        f.secondText.size() >= kCsvTextCapacity)
      std::abort();
    if (f.e > 15 || f.f <= 0 || f.g < 0 || f.g > 10000000 || f.h == 0 || f.i > 99) std::abort();
    if ((f.b && !f.a) || (f.c && (f.a || f.b))) std::abort();
  }
  const auto again = ReadCsvFormats(CsvFormatLists(*formats, 1), false, pipe);
  if (!again || !(*again == *formats)) std::abort();
  return 0;
}
