#include "markers/marker_list.h"

#include <algorithm>
#include <array>

namespace scrv {
namespace {

// Little-endian fields of one stored value. Callers ask Has() before reading a field; a text
// is taken only when all of it lies inside the value.
class ValueReader {
 public:
  ValueReader(const uint8_t* p, size_t n) : p_(p), left_(p ? n : 0) {}
  bool Has(uint64_t n) const { return n <= left_; }
  bool AtEnd() const { return left_ == 0; }
  uint8_t U8() { return Take(1); }
  uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
  uint32_t U32() { return Take(4); }
  // `length` units, of which at most `max` are kept.
  bool Text(uint64_t length, size_t max, std::u16string& out) {
    if (!Has(2 * length)) return false;
    const size_t keep = static_cast<size_t>(std::min<uint64_t>(length, max));
    out.resize(keep);
    for (size_t i = 0; i < keep; ++i)
      out[i] = static_cast<char16_t>(p_[2 * i] | (p_[2 * i + 1] << 8));
    Skip(static_cast<size_t>(2 * length));
    return true;
  }

 private:
  uint32_t Take(size_t n) {
    uint32_t v = 0;
    for (size_t i = 0; i < n; ++i) v |= static_cast<uint32_t>(p_[i]) << (8 * i);
    Skip(n);
    return v;
  }
  void Skip(size_t n) {
    p_ += n;
    left_ -= n;
  }
  const uint8_t* p_;
  size_t left_;
};

char ColorFromByte(uint8_t b) {
  if (b >= '0' && b <= '9') return static_cast<char>(b);
  return MarkerColorDigit(b);
}

// One marker of a 0xFF0F01 or 0xFF0F00 value (16- or 8-bit lengths).
bool ReadCurrentMarker(ValueReader& r, size_t lengthBytes, Marker& m) {
  auto length = [&] { return lengthBytes == 1 ? r.U8() : r.U16(); };
  if (!r.Has(2 + lengthBytes)) return false;
  m.color = ColorFromByte(r.U8());
  m.flags = r.U8();
  if (!r.Text(length(), kMarkerTextMax, m.text) || !r.Has(lengthBytes)) return false;
  const uint32_t nameLength = length();
  return !m.Has(marker_flag::kNamed) || r.Text(nameLength, kMarkerNameMax, m.name);
}

// One marker of a 0xFF0100 value: a 12-byte header, then the text.
bool ReadOldestMarker(ValueReader& r, Marker& m) {
  if (!r.Has(12)) return false;
  std::array<uint8_t, 12> h;
  for (uint8_t& b : h) b = r.U8();
  m.color = ColorFromByte(h[0]);
  m.flags = 0;
  m.Set(marker_flag::kWholeWord, h[4] & 1);
  m.Set(marker_flag::kRegExp, h[4] & 2);
  m.Set(marker_flag::kOn, h[5] & 2);
  m.Set(marker_flag::kMatchCase, h[6] != 0);
  const uint32_t length = static_cast<uint32_t>(h[8]) | static_cast<uint32_t>(h[9]) << 8 |
                          static_cast<uint32_t>(h[10]) << 16 | static_cast<uint32_t>(h[11]) << 24;
  return r.Text(length, kMarkerTextMax, m.text);
}

class ValueWriter {
 public:
  explicit ValueWriter(std::vector<uint8_t>& out) : out_(out) {}
  void U8(uint8_t v) { out_.push_back(v); }
  void U16(uint16_t v) { U8(static_cast<uint8_t>(v)), U8(static_cast<uint8_t>(v >> 8)); }
  void U32(uint32_t v) { U16(static_cast<uint16_t>(v)), U16(static_cast<uint16_t>(v >> 16)); }
  void Text(std::u16string_view s) {
    U16(static_cast<uint16_t>(s.size()));
    for (char16_t c : s) U16(c);
  }

 private:
  std::vector<uint8_t>& out_;
};

void PutCount(std::vector<uint8_t>& value, uint32_t count) {
  for (int i = 0; i < 4; ++i) value[4 + i] = static_cast<uint8_t>(count >> (8 * i));
}

}  // namespace

char MarkerColorDigit(int index) {
  return index >= 0 && index < kMarkerColorCount ? static_cast<char>('0' + index) : '0';
}

std::u16string MarkerValueName(uint32_t number) {
  std::u16string name = u"Marker";
  if (number > 1)
    for (char c : std::to_string(number)) name += static_cast<char16_t>(c);
  return name;
}

bool ReadMarkerValue(const uint8_t* data, size_t size, MarkerList& out) {
  ValueReader r(data, size);
  if (!r.Has(4)) return false;
  const uint32_t tag = r.U32();
  if (tag != marker_tag::kCurrent && tag != marker_tag::kShortLengths && tag != marker_tag::kOldest)
    return false;
  if (!r.Has(4)) return true;
  // The count is not trusted: every marker takes at least four bytes, so the value's end
  // comes first for any count that overstates it.
  for (uint32_t left = r.U32(); left > 0 && !r.AtEnd(); --left) {
    Marker m;
    if (tag == marker_tag::kOldest) {
      if (!ReadOldestMarker(r, m)) break;
      if (m.text.empty()) continue;
    } else if (!ReadCurrentMarker(r, tag == marker_tag::kShortLengths ? 1 : 2, m)) {
      break;
    }
    out.push_back(std::move(m));
  }
  return true;
}

std::vector<std::vector<uint8_t>> EncodeMarkerValues(const MarkerList& markers) {
  std::vector<std::vector<uint8_t>> values;
  auto start = [&] {
    values.emplace_back();
    ValueWriter(values.back()).U32(marker_tag::kCurrent);
    ValueWriter(values.back()).U32(0);
  };
  start();
  uint32_t count = 0;
  for (size_t i = 0; i < markers.size(); ++i) {
    const Marker& m = markers[i];
    ValueWriter w(values.back());
    w.U8(static_cast<uint8_t>(m.color));
    w.U8(m.flags & marker_flag::kStored);
    w.Text(std::u16string_view(m.text).substr(0, kMarkerTextMax));
    if (m.Has(marker_flag::kNamed))
      w.Text(std::u16string_view(m.name).substr(0, kMarkerNameMax));
    else
      w.U16(0);
    ++count;
    if (values.back().size() >= kMarkerValueLimit && i + 1 < markers.size()) {
      PutCount(values.back(), count);
      count = 0;
      start();
    }
  }
  PutCount(values.back(), count);
  return values;
}

MarkerList LoadMarkers(SettingsStore& store, SettingsHandle common) {
  MarkerList markers;
  for (uint32_t number = 1;; ++number) {
    const std::u16string name = MarkerValueName(number);
    if (auto value = store.ReadBinaryAlloc(common, name)) {
      ReadMarkerValue(value->data(), value->size(), markers);
      continue;
    }
    // An empty value is there but holds nothing; only a missing one ends the list.
    uint8_t none = 0;
    if (!store.ReadBinary(common, name, &none, 0)) break;
  }
  return markers;
}

void SaveMarkers(SettingsStore& store, SettingsHandle common, const MarkerList& markers) {
  const std::vector<std::vector<uint8_t>> values = EncodeMarkerValues(markers);
  uint32_t number = 0;
  for (const auto& value : values)
    store.WriteBinary(common, MarkerValueName(++number), value.data(), value.size(), false);
  while (store.DeleteValue(common, MarkerValueName(++number), true) == 0) {
  }
}

int NewMarkerColor(const MarkerList& markers, int32_t preferred) {
  if (preferred >= 0 && preferred < kMarkerColorCount) return preferred;
  std::array<size_t, kMarkerColorCount> uses{};
  for (const Marker& m : markers)
    if (m.ColorIndex() >= 0 && m.ColorIndex() < kMarkerColorCount) ++uses[m.ColorIndex()];
  for (int c = 1; c < kMarkerColorCount; ++c)
    if (uses[c] < uses[0]) return c;
  return 0;
}

}  // namespace scrv
