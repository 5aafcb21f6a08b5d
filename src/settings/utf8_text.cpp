#include "settings/utf8_text.h"

namespace scrv {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

size_t Utf8Length(char32_t cp) {
  return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

void PutUtf8(char32_t cp, uint8_t* out) {
  switch (Utf8Length(cp)) {
    case 1:
      out[0] = static_cast<uint8_t>(cp);
      break;
    case 2:
      out[0] = static_cast<uint8_t>(0xC0 | (cp >> 6));
      out[1] = static_cast<uint8_t>(0x80 | (cp & 0x3F));
      break;
    case 3:
      out[0] = static_cast<uint8_t>(0xE0 | (cp >> 12));
      out[1] = static_cast<uint8_t>(0x80 | ((cp >> 6) & 0x3F));
      out[2] = static_cast<uint8_t>(0x80 | (cp & 0x3F));
      break;
    default:
      out[0] = static_cast<uint8_t>(0xF0 | (cp >> 18));
      out[1] = static_cast<uint8_t>(0x80 | ((cp >> 12) & 0x3F));
      out[2] = static_cast<uint8_t>(0x80 | ((cp >> 6) & 0x3F));
      out[3] = static_cast<uint8_t>(0x80 | (cp & 0x3F));
      break;
  }
}

char16_t* PutUtf16(char32_t cp, char16_t* p) {
  if (cp < 0x10000) {
    *p++ = static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    *p++ = static_cast<char16_t>(0xD800 | (cp >> 10));
    *p++ = static_cast<char16_t>(0xDC00 | (cp & 0x3FF));
  }
  return p;
}

}  // namespace

size_t EncodeUtf8(std::u16string_view text, uint8_t* out, size_t maxBytes) {
  size_t written = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp < 0x80) {  // most text in settings is ASCII
      if (written == maxBytes) break;
      if (out) out[written] = static_cast<uint8_t>(cp);
      ++written;
      continue;
    }
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      cp = kReplacement;
    }
    size_t n = Utf8Length(cp);
    if (n > maxBytes - written) break;
    if (out) PutUtf8(cp, out + written);
    written += n;
  }
  return written;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  size_t n = EncodeUtf8(text, nullptr, SIZE_MAX);
  std::string out(n, '\0');
  EncodeUtf8(text, reinterpret_cast<uint8_t*>(out.data()), n);
  return out;
}

void AppendUtf8AsUtf16(const uint8_t* data, size_t size, std::u16string& out) {
  // Every byte gives at most one code unit (four bytes give two), so the text is decoded in
  // place into room for size units and cut to what was produced.
  const size_t base = out.size();
  out.resize(base + size);
  char16_t* const start = out.data() + base;
  char16_t* p = start;
  size_t i = 0;
  while (i < size) {
    uint8_t b = data[i];
    if (b < 0x80) {
      *p++ = b;
      ++i;
      continue;
    }
    // Length of the sequence and the range its second byte must fall in (which excludes
    // overlong forms, surrogates and code points above U+10FFFF).
    size_t length;
    uint8_t lo = 0x80, hi = 0xBF;
    char32_t cp;
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      cp = b & 0x0F;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      cp = b & 0x07;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      *p++ = static_cast<char16_t>(kReplacement);
      ++i;
      continue;
    }
    size_t j = i + 1;
    bool complete = true;
    for (size_t k = 1; k < length; ++k, ++j) {
      if (j >= size || data[j] < lo || data[j] > hi) {
        complete = false;
        break;
      }
      cp = (cp << 6) | (data[j] & 0x3F);
      lo = 0x80;
      hi = 0xBF;
    }
    // An ill-formed sequence becomes one replacement for the bytes that started it well.
    p = PutUtf16(complete ? cp : kReplacement, p);
    i = j;
  }
  out.resize(base + static_cast<size_t>(p - start));
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  AppendUtf8AsUtf16(reinterpret_cast<const uint8_t*>(text.data()), text.size(), out);
  return out;
}

}  // namespace scrv
