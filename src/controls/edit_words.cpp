#include "controls/edit_words.h"

#include <algorithm>

namespace scrv {
namespace {

enum class Kind { kBlank, kWord, kPunctuation };

Kind KindOf(char16_t c) {
  switch (c) {
    case u' ':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'\v':
    case u'\f':
    case 0x00A0:
    case 0x1680:
    case 0x202F:
    case 0x205F:
    case 0x3000:
    case 0xFEFF:
      return Kind::kBlank;
  }
  if (c >= 0x2000 && c <= 0x200B) return Kind::kBlank;
  if (c < 0x80) {
    bool word = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                c == u'_';
    return word ? Kind::kWord : c < 0x20 ? Kind::kBlank : Kind::kPunctuation;
  }
  // Common punctuation beyond ASCII: Latin-1 signs, general punctuation, CJK and full-width
  // marks. Everything else (letters of every script, surrogates) is part of words.
  if ((c >= 0x00A1 && c <= 0x00BF && c != 0x00AA && c != 0x00B2 && c != 0x00B3 && c != 0x00B5 &&
       c != 0x00B9 && c != 0x00BA) ||
      c == 0x00D7 || c == 0x00F7 || (c >= 0x2010 && c <= 0x205E) || (c >= 0x3001 && c <= 0x3003) ||
      (c >= 0x3008 && c <= 0x3011) || (c >= 0xFF01 && c <= 0xFF0F) ||
      (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65))
    return Kind::kPunctuation;
  return Kind::kWord;
}

}  // namespace

size_t NextWordBoundary(std::u16string_view text, size_t caret) {
  size_t pos = std::min(caret, text.size());
  if (pos < text.size()) {
    Kind kind = KindOf(text[pos]);
    if (kind != Kind::kBlank)
      while (pos < text.size() && KindOf(text[pos]) == kind) ++pos;
  }
  while (pos < text.size() && KindOf(text[pos]) == Kind::kBlank) ++pos;
  return pos;
}

size_t PreviousWordBoundary(std::u16string_view text, size_t caret) {
  size_t pos = std::min(caret, text.size());
  while (pos > 0 && KindOf(text[pos - 1]) == Kind::kBlank) --pos;
  if (pos > 0) {
    Kind kind = KindOf(text[pos - 1]);
    while (pos > 0 && KindOf(text[pos - 1]) == kind) --pos;
  }
  return pos;
}

TextRange WordDeletionRange(std::u16string_view text, TextRange selection, bool forward) {
  size_t start = std::min(selection.start, text.size());
  size_t end = std::min(selection.end, text.size());
  if (start > end) std::swap(start, end);
  if (start != end) return {start, end};
  if (forward) return {end, NextWordBoundary(text, end)};
  return {PreviousWordBoundary(text, end), end};
}

}  // namespace scrv
