#include "tools/filter_file.h"

#include "settings/text_check.h"

#include <charconv>
#include <limits>
#include <string>

#include "tools/filter_macro.h"

namespace scrv {
namespace {

constexpr char16_t kTab = u'\t';
constexpr size_t kFirstFieldMax = 255;

void AppendDecimal(std::u16string& out, int64_t value) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  for (const char* p = digits; p != end; ++p) out += static_cast<char16_t>(*p);
}

// A leading decimal integer (blanks, an optional sign, digits), saturated to 32 bits; nothing
// when the field does not start with one.
std::optional<int32_t> LeadingInt(std::u16string_view field) {
  size_t i = 0;
  while (i < field.size() && (field[i] == u' ' || field[i] == kTab)) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == u'+' || field[i] == u'-')) negative = field[i++] == u'-';
  if (i >= field.size() || field[i] < u'0' || field[i] > u'9') return std::nullopt;
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i) {
    if (value < kLimit) value = value * 10 + (field[i] - u'0');
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) value = std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

// Splits off the field up to the next TAB; `rest` keeps what follows the TAB, or becomes
// empty with `more` false when there was none.
std::u16string_view NextField(std::u16string_view& rest, bool& more) {
  size_t tab = rest.find(kTab);
  std::u16string_view field = rest.substr(0, tab);
  more = tab != std::u16string_view::npos;
  rest = more ? rest.substr(tab + 1) : std::u16string_view();
  return field;
}

// `firstTab` is where the "on" or "off" field ends; a line without a TAB has no further field.
FilterCondition ParseFullLine(bool on, std::u16string_view line, size_t firstTab) {
  FilterCondition c;
  c.flags = on ? filter_flag::kEnabled : 0;
  if (firstTab == std::u16string_view::npos) return c;
  std::u16string_view rest = line.substr(firstTab + 1);
  std::u16string_view fields[5];
  size_t count = 0;
  bool more = true;
  while (more && count < 5) fields[count++] = NextField(rest, more);
  c.text = ClampFilterText(fields[0]);
  if (count > 1) c.column = LeadingInt(fields[1]).value_or(c.column);
  if (count > 2) c.flags |= FilterFlagsFromLetters(fields[2]);
  if (count > 3) c.rangeStart = LeadingInt(fields[3]).value_or(c.rangeStart);
  if (count > 4) c.rangeEnd = LeadingInt(fields[4]).value_or(c.rangeEnd);
  return c;
}

FilterCondition ParsePlainLine(std::u16string_view line, uint64_t defaultFlags) {
  FilterCondition c;
  c.flags = defaultFlags | filter_flag::kEnabled;
  size_t tab = line.find(kTab);
  if (tab != std::u16string_view::npos && tab < kFirstFieldMax) {
    std::u16string_view second = line.substr(tab + 1);
    c.text = ClampFilterText(second.substr(0, second.find(kTab)));
  } else {
    c.text = ClampFilterText(line);
  }
  return c;
}

FilterCondition ParseLine(std::u16string_view line, uint64_t defaultFlags) {
  size_t tab = line.find(kTab);
  std::u16string_view first = line.substr(0, tab).substr(0, kFirstFieldMax);
  if (first == u"on" || first == u"off") return ParseFullLine(first == u"on", line, tab);
  return ParsePlainLine(line, defaultFlags);
}

}  // namespace

std::u16string FormatFilterLines(std::span<const FilterCondition> conditions,
                                 FilterFileFormat format) {
  // One allocation for the usual case: the texts plus room for the short fields.
  size_t estimate = 0;
  for (const FilterCondition& c : conditions) estimate += c.text.size() + 48;
  std::u16string out;
  out.reserve(estimate);
  for (const FilterCondition& c : conditions) {
    if (format == FilterFileFormat::kFull) {
      out += c.Enabled() ? u"on" : u"off";
      out += kTab;
      out += ClampFilterText(c.text);
      out += kTab;
      AppendDecimal(out, c.column);
      out += kTab;
      out += FilterLetters(c.flags, false);
      out += kTab;
      AppendDecimal(out, c.rangeStart);
      out += kTab;
      AppendDecimal(out, c.rangeEnd);
    } else {
      out += ClampFilterText(c.text);
    }
    out += u"\r\n";
  }
  return out;
}

std::vector<FilterCondition> ParseFilterLines(std::u16string_view text, uint64_t defaultFlags) {
  text = text.substr(0, text.find(u'\0'));
  std::vector<FilterCondition> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    if (end > pos) out.push_back(ParseLine(text.substr(pos, end - pos), defaultFlags));
    pos = end;
    if (pos < text.size() && text[pos] == u'\r') {
      ++pos;
      if (pos < text.size() && text[pos] == u'\n') ++pos;
    } else if (pos < text.size()) {
      ++pos;  // LF
    }
  }
  return out;
}

std::u16string DecodeLatin1(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char b : bytes) out += static_cast<char16_t>(static_cast<unsigned char>(b));
  return out;
}

std::u16string DecodeFilterFile(std::span<const uint8_t> bytes, const AnsiDecoder& ansi) {
  size_t start = 0;
  bool utf16 = false;
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    utf16 = true;
    start = 2;
  } else if (bytes.size() >= 2 && bytes[1] == 0 && bytes[0] != 0) {
    utf16 = true;
  }
  if (!utf16) {
    if (!ansi) return DecodeLatin1({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    return ansi({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }
  std::u16string out((bytes.size() - start) / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(bytes[start + 2 * i] | (bytes[start + 2 * i + 1] << 8));
  }
  return out;
}

std::vector<uint8_t> EncodeFilterFileText(std::u16string_view text) {
  std::vector<uint8_t> out;
  out.reserve(2 + 2 * text.size());
  out.push_back(0xFF);
  out.push_back(0xFE);
  for (char16_t u : text) {
    out.push_back(static_cast<uint8_t>(u));
    out.push_back(static_cast<uint8_t>(u >> 8));
  }
  return out;
}

FilterSaveType FilterSaveTypeFromIndex(int index) {
  switch (index) {
    case 2:
      return FilterSaveType::kJavaScript;
    case 3:
      return FilterSaveType::kVBScript;
    case 4:
      return FilterSaveType::kPlain;
    default:
      return FilterSaveType::kFull;
  }
}

std::u16string FormatFilterSave(std::span<const FilterCondition> conditions, FilterSaveType type) {
  switch (type) {
    case FilterSaveType::kJavaScript:
      return FormatFilterMacro(conditions, MacroLanguage::kJavaScript);
    case FilterSaveType::kVBScript:
      return FormatFilterMacro(conditions, MacroLanguage::kVBScript);
    case FilterSaveType::kPlain:
      return FormatFilterLines(conditions, FilterFileFormat::kPlain);
    case FilterSaveType::kFull:
      break;
  }
  return FormatFilterLines(conditions, FilterFileFormat::kFull);
}

bool SaveFilterFile(FileStore& files, std::u16string_view path,
                    std::span<const FilterCondition> conditions, FilterSaveType type) {
  std::vector<uint8_t> bytes = EncodeFilterFileText(FormatFilterSave(conditions, type));
  return files.WriteWholeFile(path, bytes.data(), bytes.size());
}

std::optional<std::vector<FilterCondition>> LoadFilterFile(FileStore& files,
                                                           std::u16string_view path,
                                                           uint64_t defaultFlags,
                                                           const AnsiDecoder& ansi, bool* notText) {
  std::vector<uint8_t> bytes;
  if (files.ReadWholeFile(path, nullptr, bytes) != ReadResult::kRead || bytes.empty()) {
    return std::nullopt;
  }
  const std::u16string text = DecodeFilterFile(bytes, ansi);
  if (LooksLikeBinary(text)) {
    if (notText) *notText = true;
    return std::nullopt;
  }
  std::vector<FilterCondition> conditions = ParseFilterLines(text, defaultFlags);
  if (conditions.empty()) return std::nullopt;
  return conditions;
}

}  // namespace scrv
