// Host condition blocks: any bytes of any size read as whole records only, and one pass of
// reading and writing settles them (a second pass changes nothing).
#include <cstdint>
#include <cstdlib>

#include "tools/filter_block.h"

using namespace scrv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<FilterCondition> list = ReadFilterBlock(data, size);
  if (list.size() != size / kFilterRecordSize) std::abort();
  for (const FilterCondition& c : list) {
    if (c.text.size() > kFilterTextMax) std::abort();
    if (c.text.find(u'\0') != std::u16string::npos) std::abort();
  }

  std::vector<uint8_t> block = EncodeFilterBlock(list);
  std::vector<FilterCondition> again = ReadFilterBlock(block.data(), block.size());
  if (again.size() != list.size()) std::abort();
  for (size_t i = 0; i < list.size(); ++i) {
    FilterCondition expected = list[i];
    expected.flags &= filter_flag::kKeptMask;
    if (!(again[i] == expected)) std::abort();
  }
  if (EncodeFilterBlock(again) != block) std::abort();
  return 0;
}
