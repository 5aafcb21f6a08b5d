// Record 30 ("csv2") as any file on disk holds it.
#include "csv_record_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return CheckCsvRecord(data, size, scrv::record::kCsv2, false);
}
