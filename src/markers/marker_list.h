#pragma once
// Markers: search strings the editor highlights in every document, each in one of ten colours.
// The list is kept in "Common" as one or more binary values that the editor reads too:
// "Marker", then "Marker2", "Marker3", ... Each value is
//
//   tag 0xFF0F01 (32 bits), count (32 bits), then per marker:
//   colour digit (8 bits), flags & 0x1F (8 bits), text length (16 bits), text (UTF-16),
//   name length (16 bits, 0 unless named), name (UTF-16, only when named)
//
// all little-endian. Older values are still read: tag 0xFF0F00 has 8-bit lengths, tag 0xFF0100
// a 12-byte header per marker and no name. Values with any other tag are skipped.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"

namespace scrv {

constexpr size_t kMarkerTextMax = 10000;
constexpr size_t kMarkerNameMax = 79;
constexpr int kMarkerColorCount = 10;

namespace marker_flag {
constexpr uint8_t kWholeWord = 0x01;  // "W"
constexpr uint8_t kRegExp = 0x02;     // "R"
constexpr uint8_t kMatchCase = 0x04;  // "C"
constexpr uint8_t kOn = 0x08;         // the marker is active
constexpr uint8_t kNamed = 0x10;      // "T": the name is shown instead of the text
constexpr uint8_t kStored = 0x1F;     // the bits a stored value keeps; the others stay as read
}  // namespace marker_flag

struct Marker {
  std::u16string text;  // up to kMarkerTextMax units
  std::u16string name;  // up to kMarkerNameMax units; used only when named
  char color = '0';     // '0' .. '9': marker colour 1 .. 10
  uint8_t flags = 0;

  int ColorIndex() const { return color - '0'; }
  bool Has(uint8_t flag) const { return (flags & flag) != 0; }
  void Set(uint8_t flag, bool on) { flags = on ? flags | flag : flags & ~flag; }
  friend bool operator==(const Marker&, const Marker&) = default;
};

using MarkerList = std::vector<Marker>;

// The colour digit of a colour index 0..9; anything else gives colour 1.
char MarkerColorDigit(int index);

namespace marker_tag {
constexpr uint32_t kCurrent = 0xFF0F01;
constexpr uint32_t kShortLengths = 0xFF0F00;
constexpr uint32_t kOldest = 0xFF0100;
}  // namespace marker_tag

// A stored value holds markers until its size reaches this; the marker that crosses it still
// goes in.
constexpr size_t kMarkerValueLimit = 16000;

// The name of stored value `number` (1-based): "Marker", "Marker2", ...
std::u16string MarkerValueName(uint32_t number);

// Appends the markers of one stored value to `out`. Every marker that lies wholly inside the
// value is taken (an unknown tag gives none, a cut-short marker ends the value); texts and
// names over their limits are cut; a colour byte 0..9 is read as that colour index and any
// other byte that is not a digit as colour 1. Returns whether the tag was a known one.
bool ReadMarkerValue(const uint8_t* data, size_t size, MarkerList& out);

// The values a list is stored in, in order (at least one, possibly with count 0).
std::vector<std::vector<uint8_t>> EncodeMarkerValues(const MarkerList& markers);

// The stored list from `common` (a handle on "Common"): the values in order until one is
// missing; values that cannot be read are skipped.
MarkerList LoadMarkers(SettingsStore& store, SettingsHandle common);
// Writes the list as its values and removes the values numbered after them, in order, until a
// removal fails.
void SaveMarkers(SettingsStore& store, SettingsHandle common, const MarkerList& markers);

// The colour of a new marker: `preferred` when it is 0..9; otherwise the first colour used by
// fewer markers than colour 1, else colour 1. Returns the index 0..9.
int NewMarkerColor(const MarkerList& markers, int32_t preferred);

}  // namespace scrv
