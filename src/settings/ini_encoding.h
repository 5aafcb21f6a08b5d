#pragma once
// The text encodings of values in the INI back end. The host reads and writes the same
// files, so these are a shared format: they must match the profile functions to the byte.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrv {

// DWORD: signed decimal ("%d"), so 0xFFFFFFFF is "-1".
std::u16string EncodeIniDword(uint32_t value);
// What GetPrivateProfileIntW makes of a text: optional blanks and sign, decimal digits
// (or "0x" hex); anything else gives the default.
uint32_t ParseIniDword(std::u16string_view text, uint32_t def);

// QWORD: unsigned decimal. An empty or non-numeric text gives the default.
std::u16string EncodeIniQword(uint64_t value);
uint64_t ParseIniQword(std::u16string_view text, uint64_t def);

// Binary: two upper-case hex digits per byte, then two of the checksum byte (the sum of all
// bytes modulo 256), as WritePrivateProfileStructW writes it.
std::u16string EncodeIniBinary(const uint8_t* data, size_t size);
// Decodes exactly `size` bytes; the text must be 2 * size + 2 hex digits with a matching
// checksum (digits of either case), as GetPrivateProfileStructW checks it.
std::optional<std::vector<uint8_t>> DecodeIniBinary(std::u16string_view text, size_t size);
// The companion value that holds a binary value's byte count.
std::u16string IniSizeValueName(std::u16string_view name);

// String lists: every item followed by "|", and one more "|" at the end.
std::u16string EncodeStringList(const std::vector<std::u16string>& items);
// Every non-empty "|"-separated item, in order.
std::vector<std::u16string> DecodeStringList(std::u16string_view text);

// The quoting option: a value beginning or ending with a blank goes inside double quotes so
// that reading it back keeps the blanks.
std::u16string QuoteIniString(std::u16string_view value);

}  // namespace scrv
