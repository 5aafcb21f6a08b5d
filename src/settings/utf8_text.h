#pragma once
// UTF-8 <-> UTF-16 conversion as the platform's code page 65001 conversions do it: an unpaired
// surrogate is written as U+FFFD, and each ill-formed part of a UTF-8 sequence reads as one
// U+FFFD, so text in a file never fails to load.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scrv {

// Encodes as many whole characters of text as fit in maxBytes; returns the bytes produced.
// With a null out only counts, so a caller can size a buffer first.
size_t EncodeUtf8(std::u16string_view text, uint8_t* out, size_t maxBytes);

std::string Utf16ToUtf8(std::u16string_view text);

// Appends the decoded text of size bytes to out.
void AppendUtf8AsUtf16(const uint8_t* data, size_t size, std::u16string& out);
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace scrv
