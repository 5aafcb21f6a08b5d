#include "markers/marker_clipboard.h"

#include <vector>

namespace scrv {
namespace {

constexpr struct {
  char16_t letter;
  uint8_t flag;
} kOptionLetters[] = {
    {u'C', marker_flag::kMatchCase},
    {u'R', marker_flag::kRegExp},
    {u'W', marker_flag::kWholeWord},
    {u'T', marker_flag::kNamed},
};

char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool EqualsAsciiNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

std::vector<std::u16string_view> SplitFields(std::u16string_view line) {
  std::vector<std::u16string_view> fields;
  for (size_t start = 0;;) {
    const size_t tab = line.find(u'\t', start);
    fields.push_back(line.substr(start, tab == std::u16string_view::npos ? tab : tab - start));
    if (tab == std::u16string_view::npos) return fields;
    start = tab + 1;
  }
}

// "1" .. "10" as the colour index 0..9; anything else is colour 1.
int ColorIndexOf(std::u16string_view field) {
  int number = 0;
  for (char16_t c : field) {
    if (c < u'0' || c > u'9' || number > kMarkerColorCount) return 0;
    number = number * 10 + (c - u'0');
  }
  return number >= 1 && number <= kMarkerColorCount ? number - 1 : 0;
}

std::u16string Cut(std::u16string_view s, size_t max) {
  return std::u16string(s.substr(0, max));
}

}  // namespace

std::u16string FormatMarkerLine(const Marker& marker) {
  std::u16string line = marker.Has(marker_flag::kOn) ? u"on\t" : u"off\t";
  line += marker.text;
  line += u'\t';
  line += marker.name;
  line += u'\t';
  const int number = marker.ColorIndex() + 1;
  if (number >= 10) line += static_cast<char16_t>(u'0' + number / 10);
  line += static_cast<char16_t>(u'0' + number % 10);
  line += u'\t';
  for (const auto& option : kOptionLetters)
    if (marker.Has(option.flag)) line += option.letter;
  return line;
}

std::u16string FormatMarkerLines(const MarkerList& markers) {
  std::u16string text;
  for (const Marker& m : markers) {
    text += FormatMarkerLine(m);
    text += u"\r\n";
  }
  return text;
}

Marker ParseMarkerLine(std::u16string_view line) {
  const std::vector<std::u16string_view> fields = SplitFields(line);
  Marker m;
  m.color = MarkerColorDigit(0);
  const bool on = EqualsAsciiNoCase(fields[0], u"on");
  if (!on && !EqualsAsciiNoCase(fields[0], u"off")) {
    m.flags = marker_flag::kOn;
    m.text = Cut(fields.size() > 1 ? fields[1] : fields[0], kMarkerTextMax);
    return m;
  }
  m.flags = on ? marker_flag::kOn : 0;
  // Fields beyond five belong to the text, which is the only one that may hold a tab.
  const size_t textFields = fields.size() > 5 ? fields.size() - 4 : 1;
  if (fields.size() > 1) {
    const std::u16string_view first = fields[1];
    const std::u16string_view last = fields[textFields];
    m.text = Cut(std::u16string_view(first.data(), last.data() + last.size() - first.data()),
                 kMarkerTextMax);
  }
  auto field = [&](size_t afterText) {
    const size_t i = textFields + afterText;
    return i < fields.size() ? fields[i] : std::u16string_view();
  };
  m.name = Cut(field(1), kMarkerNameMax);
  m.color = MarkerColorDigit(ColorIndexOf(field(2)));
  for (char16_t c : field(3))
    for (const auto& option : kOptionLetters)
      if (AsciiUpper(c) == option.letter) m.Set(option.flag, true);
  return m;
}

MarkerList ParseMarkerLines(std::u16string_view text) {
  if (size_t nul = text.find(u'\0'); nul != std::u16string_view::npos) text = text.substr(0, nul);
  MarkerList markers;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    if (!line.empty()) markers.push_back(ParseMarkerLine(line));
    start = end + 1;
  }
  return markers;
}

}  // namespace scrv
