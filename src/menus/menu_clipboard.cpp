#include "menus/menu_clipboard.h"

#include <cstdint>

namespace scrv {
namespace {

constexpr char16_t kTab = u'\t';

void AppendField(std::u16string& out, std::u16string_view field) {
  out += field;
  out += kTab;
}

void AppendNumber(std::u16string& out, uint32_t n) {
  char16_t digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + n % 10);
    n /= 10;
  } while (n);
  while (count) out += digits[--count];
}

// A signed decimal at the start of `s` (leading blanks skipped, digits up to the first other
// character), as the low 32 bits of its value; 0 when there are no digits.
uint32_t ParseNumber(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
  uint64_t value = 0;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i)
    value = (value * 10 + static_cast<uint64_t>(s[i] - u'0')) & 0xFFFFFFFFFFull;
  uint32_t low = static_cast<uint32_t>(value);
  return negative ? 0u - low : low;
}

}  // namespace

std::u16string FormatMenuClipboard(const MenuList& items, const MenuLabelSources& sources) {
  std::u16string out;
  for (const MenuItem& item : items) {
    AppendField(out, OwnOrResolvedLabel(item, sources));
    AppendField(out, item.target);
    AppendNumber(out, item.command);
    out += kTab;
    AppendNumber(out, item.level);
    out += kTab;
    AppendNumber(out, static_cast<uint32_t>(item.kind));
    out += u"\r\n";
  }
  return out;
}

MenuList ParseMenuClipboard(std::u16string_view text, std::vector<uint32_t>* rawCommands) {
  MenuList items;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of(u"\r\n", pos);
    std::u16string_view line =
        text.substr(pos, end == std::u16string_view::npos ? std::u16string_view::npos : end - pos);
    // The five fields; the last runs to the end of the line.
    std::u16string_view fields[5];
    size_t start = 0;
    int tabs = 0;
    for (; tabs < 4; ++tabs) {
      size_t tab = line.find(kTab, start);
      if (tab == std::u16string_view::npos) break;
      fields[tabs] = line.substr(start, tab - start);
      start = tab + 1;
    }
    if (tabs < 4) break;
    fields[4] = line.substr(start);

    MenuItem item;
    item.text = Truncated(fields[0], kMenuTextMax);
    item.target = Truncated(fields[1], kMenuTargetMax);
    const uint32_t command = ParseNumber(fields[2]);
    if (rawCommands) rawCommands->push_back(command);
    item.level = static_cast<uint8_t>(ParseNumber(fields[3]));
    if (command == 0xFFFFFFFF) {
      item.kind = MenuKind::kPopup;
    } else {
      item.command = static_cast<uint16_t>(command);
      item.kind = MenuKindFromNumber(ParseNumber(fields[4]) & 0xFF);
    }
    items.push_back(std::move(item));

    if (end == std::u16string_view::npos || text[end] != u'\r') break;
    pos = end + 1;
    if (pos < text.size() && text[pos] == u'\n') ++pos;
  }
  return items;
}

}  // namespace scrv
