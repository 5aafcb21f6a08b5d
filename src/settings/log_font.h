#pragma once
// A font description with the byte layout of the platform's LOGFONTW (92 bytes, no padding),
// as the record files store it, so the Win32 layer can copy one into the other directly.

#include <cstddef>
#include <cstdint>

namespace scrv {

constexpr int kFaceNameLength = 32;

struct LogFont {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  char16_t faceName[kFaceNameLength] = {};

  bool operator==(const LogFont&) const = default;
};

constexpr size_t kLogFontSize = 92;
static_assert(sizeof(LogFont) == kLogFontSize);

}  // namespace scrv
