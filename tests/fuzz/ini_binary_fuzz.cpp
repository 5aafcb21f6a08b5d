// Binary values in the INI files are hexadecimal text that anyone can edit: decoding must
// refuse anything but exactly the expected digits with a matching checksum.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/ini_encoding.h"

// Input: a mode byte, then the text. Mode bit 0: the text is UTF-16 code units (two bytes
// each), else one byte per character. Mode bit 1: the size asked for is the one the text's
// length implies, so well-formed texts are reached often; else it is the next byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t mode = data[0];
  size_t at = 1;
  size_t wanted = 0;
  if (!(mode & 2)) wanted = data[at++];
  std::u16string text;
  if (mode & 1) {
    for (; at + 1 < size; at += 2) text += static_cast<char16_t>(data[at] | (data[at + 1] << 8));
  } else {
    for (; at < size; ++at) text += static_cast<char16_t>(data[at]);
  }
  if (mode & 2) wanted = text.size() >= 2 ? text.size() / 2 - 1 : 0;

  auto bytes = scrv::DecodeIniBinary(text, wanted);
  if (!bytes) return 0;
  if (bytes->size() != wanted) std::abort();
  // What decodes must be what the encoder writes, up to the case of the digits.
  std::u16string upper = text;
  for (char16_t& c : upper)
    if (c >= u'a' && c <= u'f') c = static_cast<char16_t>(c - 32);
  if (scrv::EncodeIniBinary(bytes->data(), bytes->size()) != upper) std::abort();
  return 0;
}
