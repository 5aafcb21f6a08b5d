// A "Marker" value is written by the editor and can be anything: the reader must stay within
// it, keep every text and name within its limit, and read back what it writes.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "markers/marker_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  scrv::MarkerList markers;
  scrv::ReadMarkerValue(data, size, markers);
  for (const scrv::Marker& m : markers) {
    if (m.text.size() > scrv::kMarkerTextMax || m.name.size() > scrv::kMarkerNameMax) std::abort();
    if (m.ColorIndex() < 0 || m.ColorIndex() >= scrv::kMarkerColorCount) std::abort();
    if (!m.Has(scrv::marker_flag::kNamed) && !m.name.empty()) std::abort();
  }
  // What was read is written and read back unchanged, but for the flag bits never stored.
  scrv::MarkerList again;
  for (const auto& value : scrv::EncodeMarkerValues(markers))
    if (!scrv::ReadMarkerValue(value.data(), value.size(), again)) std::abort();
  if (again.size() != markers.size()) std::abort();
  for (size_t i = 0; i < markers.size(); ++i) {
    scrv::Marker expected = markers[i];
    expected.flags &= scrv::marker_flag::kStored;
    if (!(again[i] == expected)) std::abort();
  }
  return 0;
}
