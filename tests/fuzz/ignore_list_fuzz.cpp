// The ignore file is the user's, edited by hand or by other programs: the reader must stay
// within it, and what it gives must be a list the writer can keep as it is.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tools/extract_frequent.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::u16string> words = scrv::ParseIgnoreList(data, size);
  for (size_t i = 0; i < words.size(); ++i) {
    const std::u16string& w = words[i];
    if (w.empty() || w.find_first_of(std::u16string_view(u"\n\0", 2)) != std::u16string::npos ||
        w.back() == u'\r')
      std::abort();
    if (i > 0 && !(words[i - 1] < w)) std::abort();  // sorted, each word once
  }
  // Written back and read again, the list is unchanged.
  std::vector<uint8_t> file = scrv::BuildIgnoreList(words);
  if (file.size() < 2 || file[0] != 0xFF || file[1] != 0xFE) std::abort();
  if (scrv::ParseIgnoreList(file.data(), file.size()) != words) std::abort();
  return 0;
}
