#pragma once
// Markers written out in full for the marker tests.

#include <string>

#include "markers/marker_list.h"

namespace scrv {

inline Marker M(std::u16string text, char color, uint8_t flags, std::u16string name = u"") {
  Marker m;
  m.text = std::move(text);
  m.name = std::move(name);
  m.color = color;
  m.flags = flags;
  return m;
}

}  // namespace scrv
