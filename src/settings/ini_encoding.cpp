#include "settings/ini_encoding.h"

namespace scrv {
namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

std::u16string Ascii(const std::string& s) {
  return std::u16string(s.begin(), s.end());
}

}  // namespace

std::u16string EncodeIniDword(uint32_t value) {
  return Ascii(std::to_string(static_cast<int32_t>(value)));
}

uint32_t ParseIniDword(std::u16string_view text, uint32_t def) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  uint32_t base = 10;
  if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  size_t start = i;
  uint32_t v = 0;
  for (; i < text.size(); ++i) {
    int d = HexDigit(text[i]);
    if (d < 0 || static_cast<uint32_t>(d) >= base) break;
    v = v * base + static_cast<uint32_t>(d);
  }
  if (i == start) return def;
  return negative ? 0u - v : v;
}

std::u16string EncodeIniQword(uint64_t value) {
  return Ascii(std::to_string(value));
}

uint64_t ParseIniQword(std::u16string_view text, uint64_t def) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  if (i < text.size() && text[i] == u'+') ++i;
  size_t start = i;
  uint64_t v = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    v = v * 10 + static_cast<uint64_t>(text[i] - u'0');
  }
  return i == start ? def : v;
}

std::u16string EncodeIniBinary(const uint8_t* data, size_t size) {
  static const char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string out;
  out.reserve(size * 2 + 2);
  uint8_t sum = 0;
  for (size_t i = 0; i < size; ++i) {
    sum = static_cast<uint8_t>(sum + data[i]);
    out += kHex[data[i] >> 4];
    out += kHex[data[i] & 15];
  }
  out += kHex[sum >> 4];
  out += kHex[sum & 15];
  return out;
}

std::optional<std::vector<uint8_t>> DecodeIniBinary(std::u16string_view text, size_t size) {
  if (size > (text.size() / 2) || text.size() != size * 2 + 2) return std::nullopt;
  std::vector<uint8_t> out(size);
  uint8_t sum = 0;
  for (size_t i = 0; i <= size; ++i) {
    int hi = HexDigit(text[2 * i]);
    int lo = HexDigit(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    uint8_t b = static_cast<uint8_t>(hi * 16 + lo);
    if (i == size) {
      if (b != sum) return std::nullopt;
    } else {
      out[i] = b;
      sum = static_cast<uint8_t>(sum + b);
    }
  }
  return out;
}

std::u16string IniSizeValueName(std::u16string_view name) {
  std::u16string s(name);
  s += u"-Size";
  return s;
}

std::u16string EncodeStringList(const std::vector<std::u16string>& items) {
  std::u16string out;
  for (const auto& item : items) {
    out += item;
    out += u'|';
  }
  out += u'|';
  return out;
}

std::vector<std::u16string> DecodeStringList(std::u16string_view text) {
  std::vector<std::u16string> items;
  size_t start = 0;
  while (start <= text.size()) {
    size_t bar = text.find(u'|', start);
    if (bar == std::u16string_view::npos) bar = text.size();
    if (bar > start) items.emplace_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  return items;
}

std::u16string QuoteIniString(std::u16string_view value) {
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  if (!value.empty() && (blank(value.front()) || blank(value.back()))) {
    std::u16string q = u"\"";
    q += value;
    q += u'"';
    return q;
  }
  return std::u16string(value);
}

}  // namespace scrv
