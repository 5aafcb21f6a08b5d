// A separator as the user types it: any text unescapes without growing, and every separator
// escapes into text that unescapes back to it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/csv_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t k = 0; k < text.size(); ++k)
    text[k] = static_cast<char16_t>(data[2 * k] | data[2 * k + 1] << 8);
  const std::u16string plain = scrv::UnescapeSeparator(text);
  if (plain.size() > text.size()) std::abort();
  if (scrv::UnescapeSeparator(scrv::EscapeSeparator(text)) != text) std::abort();
  if (scrv::UnescapeSeparator(scrv::EscapeSeparator(plain)) != plain) std::abort();
  return 0;
}
