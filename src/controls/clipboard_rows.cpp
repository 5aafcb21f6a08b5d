#include "controls/clipboard_rows.h"

#include <cstring>

namespace scrv {

std::u16string ClipboardBlockText(const void* block, size_t bytes) {
  if (!block) return {};
  const auto* p = static_cast<const unsigned char*>(block);
  const size_t units = bytes / sizeof(char16_t);
  std::u16string text;
  for (size_t i = 0; i < units; ++i) {
    char16_t c;
    std::memcpy(&c, p + i * sizeof c, sizeof c);  // the block need not be aligned
    if (c == u'\0') break;
    text.push_back(c);
  }
  return text;
}

std::u16string JoinClipboardRows(const std::vector<std::u16string>& rows) {
  size_t size = 0;
  for (const auto& r : rows) size += r.size() + 2;
  std::u16string text;
  text.reserve(size);
  for (const auto& r : rows) {
    text += r;
    text += u"\r\n";
  }
  return text;
}

std::vector<std::u16string> SplitClipboardRows(std::u16string_view text) {
  if (size_t nul = text.find(u'\0'); nul != std::u16string_view::npos) text = text.substr(0, nul);
  std::vector<std::u16string> rows;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    rows.emplace_back(text.substr(start, i - start));
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) rows.emplace_back(text.substr(start));
  return rows;
}

}  // namespace scrv
