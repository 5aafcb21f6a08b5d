// The "Tools" value is written by the host and can be anything: the reader must stay within
// it and give records within their limits.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "settings/tools_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<scrv::ToolRecord> tools;
  bool valid = scrv::ParseToolsList(data, size, tools);
  scrv::AssignToolNumbers(tools);
  int32_t next = 0;
  for (const scrv::ToolRecord& t : tools) {
    if (t.title.size() > scrv::kToolTitleMax) std::abort();
    for (const auto* text : {&t.text2, &t.text3, &t.text4, &t.text5, &t.text6})
      if (text->size() > scrv::kToolTextMax) std::abort();
    for (int i = 0; i < 8; ++i)
      if (i != 5 && t.flags[i] > 1) std::abort();
    if (t.toolNumber != (t.text5.empty() ? -1 : next++)) std::abort();
  }
  // A valid list holds at least its header.
  if (valid && size < 8) std::abort();
  return 0;
}
