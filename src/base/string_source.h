#pragma once
// The string resources of the localisation module, as the portable code reads them: the
// module's own through ModuleStrings (base/text_win.h), fixed tables in tests.

#include <cstdint>
#include <string>

namespace scrv {

class StringSource {
 public:
  virtual ~StringSource() = default;
  // The string, or an empty text when there is none.
  virtual std::u16string Load(uint32_t id) const = 0;
};

}  // namespace scrv
