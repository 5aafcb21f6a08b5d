// Pasted text can be anything: every line gives a marker within the limits, and the markers
// read from it are copied and pasted back unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "markers/marker_clipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  const scrv::MarkerList markers = scrv::ParseMarkerLines(text);
  if (markers.size() > text.size()) std::abort();
  for (const scrv::Marker& m : markers) {
    if (m.text.size() > scrv::kMarkerTextMax || m.name.size() > scrv::kMarkerNameMax) std::abort();
    if (m.ColorIndex() < 0 || m.ColorIndex() >= scrv::kMarkerColorCount) std::abort();
  }
  // Texts and names free of tabs and line ends survive a copy and a paste.
  scrv::MarkerList plain;
  for (const scrv::Marker& m : markers)
    if (m.text.find_first_of(u"\t\r\n") == std::u16string::npos &&
        m.name.find_first_of(u"\t\r\n") == std::u16string::npos)
      plain.push_back(m);
  if (scrv::ParseMarkerLines(scrv::FormatMarkerLines(plain)) != plain) std::abort();
  return 0;
}
