#include "frame/template_scaler.h"

#include "frame/geometry.h"

#include <cstdint>
#include <limits>

namespace scrv {
namespace {

constexpr uint32_t kFontStyles = 0x48;  // DS_SETFONT | DS_FIXEDSYS
constexpr size_t kClassicHeader = 18;   // DLGTEMPLATE
constexpr size_t kExtendedHeader = 26;  // DLGTEMPLATEEX up to and including cy

// Templates are read byte by byte: a resource copied into a buffer need not be aligned.
uint16_t Word(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Dword(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Skips a zero-terminated UTF-16 string at `offset`; false when its terminator is missing.
bool SkipString(const uint8_t* data, size_t size, size_t* offset) {
  for (size_t k = *offset; k + 2 <= size; k += 2) {
    if (Word(data + k) == 0) {
      *offset = k + 2;
      return true;
    }
  }
  return false;
}

// The menu and class fields: 0xFFFF and an ordinal, or a zero-terminated string.
bool SkipNameOrOrdinal(const uint8_t* data, size_t size, size_t* offset) {
  if (*offset + 2 > size) return false;
  if (Word(data + *offset) == 0xFFFF) {
    if (*offset + 4 > size) return false;
    *offset += 4;
    return true;
  }
  return SkipString(data, size, offset);
}

}  // namespace

std::optional<std::optional<size_t>> FindTemplatePointSize(const uint8_t* data, size_t size) {
  if (!data || size < 4) return std::nullopt;
  bool extended = Word(data + 2) == 0xFFFF;
  size_t header = extended ? kExtendedHeader : kClassicHeader;
  if (size < header) return std::nullopt;
  uint32_t style = Dword(data + (extended ? 12 : 0));
  size_t offset = header;
  if (!SkipNameOrOrdinal(data, size, &offset)) return std::nullopt;  // menu
  if (!SkipNameOrOrdinal(data, size, &offset)) return std::nullopt;  // window class
  if (!SkipString(data, size, &offset)) return std::nullopt;         // title
  if (!(style & kFontStyles)) return std::optional<size_t>();
  if (offset + 2 > size) return std::nullopt;
  return std::optional<size_t>(offset);
}

std::optional<std::vector<uint8_t>> ScaleDialogTemplate(const uint8_t* data, size_t size,
                                                        int32_t scalePercent) {
  if (scalePercent <= 0) return std::nullopt;
  std::optional<std::optional<size_t>> where = FindTemplatePointSize(data, size);
  if (!where) return std::nullopt;
  std::vector<uint8_t> copy(data, data + size);
  if (!*where) return copy;
  size_t at = **where;
  uint16_t points = Word(data + at);
  if (points == 0) return copy;
  int32_t scaled = MulDiv(points, scalePercent, 100);
  // Both factors are positive, so -1 can only mean a result beyond 32 bits.
  if (scaled < 0 || scaled > 0xFFFF) scaled = 0xFFFF;
  if (scaled == 0) scaled = 1;
  copy[at] = static_cast<uint8_t>(scaled);
  copy[at + 1] = static_cast<uint8_t>(scaled >> 8);
  return copy;
}

}  // namespace scrv
