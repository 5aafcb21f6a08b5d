#include "settings/csv_formats.h"

#include <algorithm>

#include "text_tools_ids.h"

namespace scrv {
namespace {

constexpr int32_t kMaxG = 10000000;
constexpr uint8_t kMaxI = 99;
// Each format keeps three texts in the record: its name, its separator and its second text.
constexpr size_t kTextsPerFormat = 3;
constexpr size_t kBitsPerFormat = 8;
constexpr char16_t kZeroWidthSpace = 0x200B;

std::u16string Fit(std::u16string_view text) {
  return std::u16string(text.substr(0, kCsvTextCapacity - 1));
}

struct Builtin {
  uint16_t name, second;
  char16_t separator;
  bool a, b, d;
  int32_t g;
};
constexpr Builtin kBuiltins[] = {
    {IDS_CSV_FORMAT_COMMA, IDS_CSV_FORMAT_COMMA_TEXT, u',', true, true, true, 10000},
    {IDS_CSV_FORMAT_TAB, IDS_CSV_FORMAT_TAB_TEXT, u'\t', false, false, true, 0},
    {IDS_CSV_FORMAT_SEMICOLON, IDS_CSV_FORMAT_SEMICOLON_TEXT, u';', true, true, true, 10000},
    {IDS_CSV_FORMAT_LINE, IDS_CSV_FORMAT_LINE_TEXT, u'\u2502', true, false, true, 0},
    {IDS_CSV_FORMAT_PIPE, IDS_CSV_FORMAT_PIPE_TEXT, u'|', true, true, true, 10000},
};
// The formats added only while the list has room.
constexpr size_t kFirstOptionalBuiltin = 3;

CsvFormat FromBuiltin(const Builtin& b, std::u16string_view name, std::u16string_view second) {
  CsvFormatRequest r;
  r.name = name;
  r.secondText = second;
  const std::u16string separator(1, b.separator);
  r.separator = separator;
  r.a = b.a;
  r.b = b.b;
  r.d = b.d;
  r.f = 16;
  r.g = b.g;
  r.h = 1;
  return MakeCsvFormat(r);
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The value of `n` hex digits at `text[at]`, or -1.
int32_t HexAt(std::u16string_view text, size_t at, size_t n) {
  if (text.size() < at + n) return -1;
  int32_t v = 0;
  for (size_t k = 0; k < n; ++k) {
    const int d = HexDigit(text[at + k]);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

constexpr char16_t kLetterEscapes[] = u"abtnvfr";  // characters 7 to 13

}  // namespace

CsvFormat MakeCsvFormat(const CsvFormatRequest& r) {
  CsvFormat f;
  f.name = Fit(r.name);
  f.secondText = Fit(r.secondText);
  f.separator = Fit(r.separator);
  f.a = r.a;
  f.b = r.a && r.b;
  f.c = r.c && !r.a && !r.b;
  f.d = r.d;
  f.e = static_cast<uint8_t>(r.e & 0xF);
  f.f = r.f <= 0 ? 16 : static_cast<int32_t>(std::min<int64_t>(r.f, INT32_MAX));
  f.g = static_cast<int32_t>(std::clamp<int64_t>(r.g, 0, kMaxG));
  f.h = r.h == 0 ? 1 : static_cast<uint8_t>(std::min<uint32_t>(r.h, 0xFF));
  f.i = static_cast<uint8_t>(std::min<uint32_t>(r.i, kMaxI));
  return f;
}

std::vector<CsvFormat> BuiltinCsvFormats(const std::function<std::u16string(uint32_t)>& text) {
  std::vector<CsvFormat> list;
  for (size_t k = 0; k < std::size(kBuiltins); ++k) {
    if (k >= kFirstOptionalBuiltin && list.size() >= kMaxCsvFormats) break;
    const std::u16string name = text(kBuiltins[k].name);
    if (name.empty()) continue;
    list.push_back(FromBuiltin(kBuiltins[k], name, text(kBuiltins[k].second)));
  }
  return list;
}

CsvFormat BuiltinPipeFormat(const std::function<std::u16string(uint32_t)>& text) {
  const Builtin& b = kBuiltins[4];
  return FromBuiltin(b, text(b.name), text(b.second));
}

std::optional<std::vector<CsvFormat>> ReadCsvFormats(const RecordLists& lists, bool older,
                                                     const CsvFormat& pipe) {
  // The time of saving (the 64-bit list) is not needed.
  if (lists.dwords.empty() || lists.words.empty()) return std::nullopt;
  const uint32_t version = lists.dwords.front();
  if (older && version != 0) return std::nullopt;
  const size_t count = std::min<size_t>(lists.words.front(), kMaxCsvFormats);
  auto dword = [&](size_t k) -> int64_t {
    return k < lists.dwords.size() ? static_cast<int32_t>(lists.dwords[k]) : 0;
  };
  auto byte = [&](size_t k) -> uint32_t { return k < lists.bytes.size() ? lists.bytes[k] : 0; };
  auto bit = [&](size_t k) { return k < lists.bits.size() && lists.bits[k]; };
  std::vector<CsvFormat> formats;
  for (size_t n = 0; n < count && (n + 1) * kTextsPerFormat <= lists.texts.size(); ++n) {
    CsvFormatRequest r;
    r.name = lists.texts[n * kTextsPerFormat];
    r.separator = lists.texts[n * kTextsPerFormat + 1];
    r.secondText = lists.texts[n * kTextsPerFormat + 2];
    r.f = dword(1 + 2 * n);
    r.g = dword(2 + 2 * n);
    r.h = byte(2 * n);
    r.i = byte(2 * n + 1);
    const size_t b = n * kBitsPerFormat;
    for (size_t k = 0; k < 4; ++k) r.e |= (bit(b + k) ? 1u : 0u) << k;
    r.a = bit(b + 4);
    r.b = bit(b + 5);
    r.c = bit(b + 6);
    r.d = bit(b + 7);
    formats.push_back(MakeCsvFormat(r));
  }
  if (formats.empty()) return std::nullopt;
  if (version == 0 && formats.size() < kMaxCsvFormats && !pipe.name.empty())
    formats.push_back(pipe);
  return formats;
}

RecordLists CsvFormatLists(const std::vector<CsvFormat>& formats, uint64_t fileTime) {
  RecordLists l;
  const size_t count = std::min(formats.size(), kMaxCsvFormats);
  l.qwords.push_back(fileTime);
  l.dwords.push_back(kCsvRecordVersion);
  l.words.push_back(static_cast<uint16_t>(count));
  for (size_t n = 0; n < count; ++n) {
    const CsvFormat& f = formats[n];
    l.dwords.push_back(static_cast<uint32_t>(f.f));
    l.dwords.push_back(static_cast<uint32_t>(f.g));
    l.bytes.push_back(f.h);
    l.bytes.push_back(f.i);
    l.texts.push_back(f.name);
    l.texts.push_back(f.separator);
    l.texts.push_back(f.secondText);
    for (int k = 0; k < 4; ++k) l.bits.push_back(((f.e >> k) & 1) != 0);
    for (bool flag : {f.a, f.b, f.c, f.d}) l.bits.push_back(flag);
  }
  return l;
}

std::optional<std::vector<std::u16string>> CsvFormatNames(const RecordLists& lists, bool older,
                                                          std::u16string_view pipeName) {
  CsvFormat pipe;
  pipe.name = Fit(pipeName);
  auto formats = ReadCsvFormats(lists, older, pipe);
  if (!formats) return std::nullopt;
  std::vector<std::u16string> names;
  names.reserve(formats->size());
  for (CsvFormat& f : *formats) names.push_back(std::move(f.name));
  return names;
}

std::u16string EscapeSeparator(std::u16string_view text) {
  static constexpr char16_t kHex[] = u"0123456789abcdef";
  std::u16string out;
  for (char16_t c : text) {
    if (c == u'\\') {
      out += u"\\\\";
    } else if (c >= 7 && c <= 13) {
      out += u'\\';
      out += kLetterEscapes[c - 7];
    } else if (c < 32) {
      out += u"\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else if (c == kZeroWidthSpace) {
      out += u'\\';
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

std::u16string UnescapeSeparator(std::u16string_view text) {
  std::u16string out;
  for (size_t k = 0; k < text.size(); ++k) {
    const char16_t c = text[k];
    if (c != u'\\' || k + 1 == text.size()) {
      out += c;
      continue;
    }
    const char16_t next = text[k + 1];
    const std::u16string_view letters(kLetterEscapes);
    if (next == u'\\') {
      out += u'\\';
      ++k;
    } else if (const size_t at = letters.find(next); at != std::u16string_view::npos) {
      // The letter escapes come before the four-digit form, which "\a" and "\b" could start.
      out += static_cast<char16_t>(7 + at);
      ++k;
    } else if (const int32_t v = next == u'x' ? HexAt(text, k + 2, 2) : -1; v >= 0) {
      out += static_cast<char16_t>(v);
      k += 3;
    } else if (const int32_t u = HexAt(text, k + 1, 4); u >= 0) {
      out += static_cast<char16_t>(u);
      k += 4;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace scrv
