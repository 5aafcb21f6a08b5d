#include "settings/settings_file.h"

#include <cstring>
#include <string_view>

namespace scrv {
namespace {

constexpr std::string_view kFirstLine = "Scrivlet settings";
constexpr std::string_view kHex = "0123456789abcdef";

// ---- writing

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUnitEscape(std::string& out, char16_t unit) {
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

// Every unit comes back as it was: unpaired surrogates and control characters as escapes.
void AppendQuoted(std::string& out, std::u16string_view text) {
  out += '"';
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\\' || c == u'"') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029) {
      AppendUnitEscape(out, c);
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
               text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((uint32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      AppendUnitEscape(out, c);
    } else {
      AppendUtf8(out, c);
    }
  }
  out += '"';
}

void AppendAscii(std::string& out, std::u16string_view name) {
  for (char16_t c : name) out += static_cast<char>(c);
}

void AppendHex(std::string& out, const std::vector<uint8_t>& bytes) {
  for (uint8_t b : bytes) {
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
  }
}

void AppendValue(std::string& out, const EntryValue& v) {
  switch (v.type) {
    case EntryType::kDword:
      out += "dword " + std::to_string(static_cast<uint32_t>(v.number));
      break;
    case EntryType::kQword:
      out += "qword " + std::to_string(v.number);
      break;
    case EntryType::kString:
      out += "string ";
      AppendQuoted(out, v.text);
      break;
    case EntryType::kStringList:
      out += "strings";
      for (const std::u16string& item : v.items) {
        out += ' ';
        AppendQuoted(out, item);
      }
      break;
    case EntryType::kBinary:
      out += "binary";
      if (!v.bytes.empty()) out += ' ';
      AppendHex(out, v.bytes);
      break;
  }
}

void AppendRecord(std::string& out, const FileRecord& r) {
  out += "[Record ";
  AppendAscii(out, r.name);
  out += "]\n";
  const RecordLists& l = r.lists;
  for (uint64_t v : l.qwords) out += "qword " + std::to_string(v) + "\n";
  for (uint32_t v : l.dwords) out += "dword " + std::to_string(v) + "\n";
  for (uint16_t v : l.words) out += "word " + std::to_string(v) + "\n";
  for (uint8_t v : l.bytes) out += "byte " + std::to_string(v) + "\n";
  for (const std::u16string& v : l.texts) {
    out += "text ";
    AppendQuoted(out, v);
    out += '\n';
  }
  for (const std::vector<uint8_t>& v : l.blobs) {
    out += "blob";
    if (!v.empty()) out += ' ';
    AppendHex(out, v);
    out += '\n';
  }
  for (const LogFont& f : l.fonts) {
    out += "font";
    for (int32_t v : {f.height, f.width, f.escapement, f.orientation, f.weight})
      out += ' ' + std::to_string(v);
    for (uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
                      f.clipPrecision, f.quality, f.pitchAndFamily})
      out += ' ' + std::to_string(v);
    size_t n = kFaceNameLength;
    while (n > 0 && f.faceName[n - 1] == 0) --n;
    out += ' ';
    AppendQuoted(out, std::u16string_view(f.faceName, n));
    out += '\n';
  }
  for (uint32_t v : l.secondDwords) out += "dword2 " + std::to_string(v) + "\n";
  for (bool v : l.bits) out += v ? "bit 1\n" : "bit 0\n";
  for (const auto& [key, text] : l.textMap) {
    out += "textmap " + std::to_string(key) + " ";
    AppendQuoted(out, text);
    out += '\n';
  }
  for (const auto& [key, value] : l.valueMap)
    out += "valuemap " + std::to_string(key) + " " + std::to_string(value) + "\n";
  out += "end\n";
}

// ---- reading

bool ValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const uint8_t b = static_cast<uint8_t>(s[i]);
    size_t n;
    uint32_t cp;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      n = 1, cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 2, cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 3, cp = b & 0x07;
    } else {
      return false;
    }
    if (s.size() - i - 1 < n) return false;
    for (size_t k = 1; k <= n; ++k) {
      const uint8_t c = static_cast<uint8_t>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if ((n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += n + 1;
  }
  return true;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The first word of s, and s after it and the blanks that follow.
std::string_view TakeWord(std::string_view& s) {
  size_t n = 0;
  while (n < s.size() && !IsBlank(s[n])) ++n;
  std::string_view word = s.substr(0, n);
  s.remove_prefix(n);
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return word;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A decimal number, or a hexadecimal one after "0x", of at most max.
std::optional<uint64_t> ParseNumber(std::string_view s, uint64_t max) {
  if (s.empty()) return std::nullopt;
  uint64_t v = 0;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    for (char c : s.substr(2)) {
      const int d = HexDigit(c);
      if (d < 0 || v > (max >> 4)) return std::nullopt;
      v = (v << 4) | static_cast<uint64_t>(d);
    }
  } else {
    for (char c : s) {
      if (c < '0' || c > '9') return std::nullopt;
      const uint64_t d = static_cast<uint64_t>(c - '0');
      if (v > (max - d) / 10) return std::nullopt;
      v = v * 10 + d;
    }
  }
  if (v > max) return std::nullopt;
  return v;
}

std::optional<int32_t> ParseSigned(std::string_view s) {
  const bool negative = !s.empty() && s.front() == '-';
  if (negative) s.remove_prefix(1);
  const std::optional<uint64_t> v = ParseNumber(s, negative ? 0x80000000u : 0x7FFFFFFFu);
  if (!v) return std::nullopt;
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(*v)) : static_cast<int32_t>(*v);
}

std::optional<std::vector<uint8_t>> ParseHex(std::string_view s) {
  if (s.size() % 2) return std::nullopt;
  std::vector<uint8_t> out;
  out.reserve(s.size() / 2);
  for (size_t i = 0; i < s.size(); i += 2) {
    const int hi = HexDigit(s[i]), lo = HexDigit(s[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out.push_back(static_cast<uint8_t>(hi << 4 | lo));
  }
  return out;
}

// A quoted text at the start of s (valid UTF-8); s is left after it and the blanks that follow.
std::optional<std::u16string> TakeQuoted(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::u16string out;
  size_t i = 1;
  while (i < s.size()) {
    const uint8_t b = static_cast<uint8_t>(s[i]);
    if (b == '"') {
      s.remove_prefix(i + 1);
      while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
      return out;
    }
    if (b == '\\') {
      if (i + 1 >= s.size()) return std::nullopt;
      const char e = s[i + 1];
      i += 2;
      switch (e) {
        case '\\':
        case '"':
          out += static_cast<char16_t>(e);
          break;
        case 'n':
          out += u'\n';
          break;
        case 'r':
          out += u'\r';
          break;
        case 't':
          out += u'\t';
          break;
        case 'u': {
          if (s.size() - i < 4) return std::nullopt;
          uint32_t unit = 0;
          for (size_t k = 0; k < 4; ++k) {
            const int d = HexDigit(s[i + k]);
            if (d < 0) return std::nullopt;
            unit = unit << 4 | static_cast<uint32_t>(d);
          }
          out += static_cast<char16_t>(unit);
          i += 4;
          break;
        }
        default:
          return std::nullopt;
      }
      continue;
    }
    // The line is valid UTF-8: decode one character.
    uint32_t cp;
    size_t n;
    if (b < 0x80) {
      cp = b, n = 0;
    } else if (b < 0xE0) {
      cp = b & 0x1F, n = 1;
    } else if (b < 0xF0) {
      cp = b & 0x0F, n = 2;
    } else {
      cp = b & 0x07, n = 3;
    }
    for (size_t k = 1; k <= n; ++k) cp = (cp << 6) | (static_cast<uint8_t>(s[i + k]) & 0x3F);
    i += n + 1;
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return std::nullopt;
}

std::optional<EntryValue> ParseValue(std::string_view type, std::string_view rest,
                                     FileProblem& problem) {
  EntryValue v;
  if (type == "dword" || type == "qword") {
    v.type = type == "dword" ? EntryType::kDword : EntryType::kQword;
    const std::optional<uint64_t> n =
        ParseNumber(rest, v.type == EntryType::kDword ? 0xFFFFFFFFu : UINT64_MAX);
    if (!n) return problem = FileProblem::kBadNumber, std::nullopt;
    v.number = *n;
  } else if (type == "string") {
    v.type = EntryType::kString;
    std::optional<std::u16string> text = TakeQuoted(rest);
    if (!text || !rest.empty()) return problem = FileProblem::kBadText, std::nullopt;
    v.text = std::move(*text);
  } else if (type == "strings") {
    v.type = EntryType::kStringList;
    while (!rest.empty()) {
      std::optional<std::u16string> text = TakeQuoted(rest);
      if (!text) return problem = FileProblem::kBadText, std::nullopt;
      v.items.push_back(std::move(*text));
    }
  } else if (type == "binary") {
    v.type = EntryType::kBinary;
    std::optional<std::vector<uint8_t>> bytes = ParseHex(rest);
    if (!bytes) return problem = FileProblem::kBadHex, std::nullopt;
    v.bytes = std::move(*bytes);
  } else {
    return problem = FileProblem::kUnknownType, std::nullopt;
  }
  return v;
}

// One element of a record into its list; false for a line that is none.
bool ParseRecordLine(std::string_view word, std::string_view rest, RecordLists& l) {
  auto number = [&rest](uint64_t max) { return ParseNumber(rest, max); };
  if (word == "qword") {
    auto v = number(UINT64_MAX);
    return v && (l.qwords.push_back(*v), true);
  }
  if (word == "dword" || word == "dword2") {
    auto v = number(0xFFFFFFFFu);
    if (!v) return false;
    (word == "dword" ? l.dwords : l.secondDwords).push_back(static_cast<uint32_t>(*v));
    return true;
  }
  if (word == "word") {
    auto v = number(0xFFFF);
    return v && (l.words.push_back(static_cast<uint16_t>(*v)), true);
  }
  if (word == "byte") {
    auto v = number(0xFF);
    return v && (l.bytes.push_back(static_cast<uint8_t>(*v)), true);
  }
  if (word == "bit") {
    auto v = number(1);
    return v && (l.bits.push_back(*v != 0), true);
  }
  if (word == "text") {
    std::optional<std::u16string> text = TakeQuoted(rest);
    if (!text || !rest.empty()) return false;
    l.texts.push_back(std::move(*text));
    return true;
  }
  if (word == "blob") {
    std::optional<std::vector<uint8_t>> bytes = ParseHex(rest);
    return bytes && (l.blobs.push_back(std::move(*bytes)), true);
  }
  if (word == "textmap" || word == "valuemap") {
    const std::optional<uint64_t> key = ParseNumber(TakeWord(rest), 0xFFFF);
    if (!key) return false;
    if (word == "valuemap") {
      auto v = number(0xFFFFFFFFu);
      if (!v) return false;
      l.valueMap[static_cast<uint16_t>(*key)] = static_cast<uint32_t>(*v);
      return true;
    }
    std::optional<std::u16string> text = TakeQuoted(rest);
    if (!text || !rest.empty()) return false;
    l.textMap[static_cast<uint16_t>(*key)] = std::move(*text);
    return true;
  }
  if (word == "font") {
    LogFont f;
    for (int32_t* v : {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight}) {
      const std::optional<int32_t> n = ParseSigned(TakeWord(rest));
      if (!n) return false;
      *v = *n;
    }
    for (uint8_t* v : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision,
                       &f.clipPrecision, &f.quality, &f.pitchAndFamily}) {
      const std::optional<uint64_t> n = ParseNumber(TakeWord(rest), 0xFF);
      if (!n) return false;
      *v = static_cast<uint8_t>(*n);
    }
    std::optional<std::u16string> face = TakeQuoted(rest);
    if (!face || !rest.empty() || face->size() > size_t(kFaceNameLength)) return false;
    std::memcpy(f.faceName, face->data(), face->size() * sizeof(char16_t));
    l.fonts.push_back(f);
    return true;
  }
  return false;
}

std::u16string Ascii(std::string_view s) {
  return std::u16string(s.begin(), s.end());
}

}  // namespace

EntryValue DwordValue(uint32_t v) {
  EntryValue e;
  e.type = EntryType::kDword;
  e.number = v;
  return e;
}
EntryValue QwordValue(uint64_t v) {
  EntryValue e;
  e.type = EntryType::kQword;
  e.number = v;
  return e;
}
EntryValue StringValue(std::u16string v) {
  EntryValue e;
  e.type = EntryType::kString;
  e.text = std::move(v);
  return e;
}
EntryValue StringListValue(std::vector<std::u16string> v) {
  EntryValue e;
  e.type = EntryType::kStringList;
  e.items = std::move(v);
  return e;
}
EntryValue BinaryValue(std::vector<uint8_t> v) {
  EntryValue e;
  e.type = EntryType::kBinary;
  e.bytes = std::move(v);
  return e;
}

bool IsSettingName(std::u16string_view name) {
  if (name.empty() || name.size() > 255 || name.front() == u';' || name.front() == u'#')
    return false;
  for (char16_t c : name)
    if (c <= 0x20 || c >= 0x7F || c == u'=' || c == u'[' || c == u']' || c == u'"') return false;
  return true;
}

std::string WriteSettingsFile(const SettingsFile& file) {
  std::string out;
  out += kFirstLine;
  out += "\nversion = " + std::to_string(file.version) + "\n\n[Common]\n";
  for (const FileValue& v : file.values) {
    AppendAscii(out, v.name);
    out += " = ";
    AppendValue(out, v.value);
    out += '\n';
  }
  for (const FileRecord& r : file.records) {
    out += '\n';
    AppendRecord(out, r);
  }
  out += "\n[End]\n";
  return out;
}

SettingsFileRead ReadSettingsFile(const uint8_t* data, size_t size) {
  SettingsFileRead result;
  auto refuse = [&result](FileProblem p) {
    result.refusal = p;
    result.file = {};
    return result;
  };
  if (size == 0) return refuse(FileProblem::kEmpty);
  if (size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF) ||
                    data[0] == 0 || data[1] == 0))
    return refuse(FileProblem::kUtf16);
  if (size > kMaxSettingsFileSize) return refuse(FileProblem::kTooLarge);

  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.substr(0, 3) == "\xEF\xBB\xBF") input.remove_prefix(3);

  SettingsFile& file = result.file;
  enum class Section {
    kNone,
    kCommon,
    kRecord,
    kRecordDone,
    kUnknown,
    kEnd
  } section = Section::kNone;
  FileRecord record;
  bool recordBroken = false;
  uint32_t lineNumber = 0;

  auto closeRecord = [&]() {
    if (section == Section::kRecord && !recordBroken)
      file.problems.push_back({record.line, FileProblem::kRecordNotEnded, record.name});
  };

  while (!input.empty() && section != Section::kEnd) {
    const size_t eol = input.find('\n');
    std::string_view line = input.substr(0, eol);
    input.remove_prefix(eol == std::string_view::npos ? input.size() : eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber;

    if (lineNumber == 1) {
      if (Trim(line) != kFirstLine) return refuse(FileProblem::kNotSettingsFile);
      continue;
    }
    if (lineNumber == 2) {
      std::string_view rest = Trim(line);
      if (TakeWord(rest) != "version" || TakeWord(rest) != "=")
        return refuse(FileProblem::kBadVersion);
      const std::optional<uint64_t> v = ParseNumber(rest, 0xFFFFFFFFu);
      if (!v || *v == 0) return refuse(FileProblem::kBadVersion);
      file.version = static_cast<uint32_t>(*v);
      continue;
    }
    if (!ValidUtf8(line)) {
      file.problems.push_back({lineNumber, FileProblem::kNotUtf8, {}});
      if (section == Section::kRecord) recordBroken = true;
      continue;
    }
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;

    if (line.front() == '[' && line.back() == ']') {
      closeRecord();
      std::string_view head = Trim(line.substr(1, line.size() - 2));
      if (head == "Common") {
        section = Section::kCommon;
      } else if (head == "End") {
        section = Section::kEnd;
      } else if (TakeWord(head) == "Record" && IsSettingName(Ascii(head))) {
        section = Section::kRecord;
        record = FileRecord{Ascii(head), {}, lineNumber};
        recordBroken = false;
      } else {
        section = Section::kUnknown;
        file.problems.push_back({lineNumber, FileProblem::kUnknownSection, {}});
      }
      continue;
    }

    switch (section) {
      case Section::kNone:
      case Section::kRecordDone:
        file.problems.push_back({lineNumber, FileProblem::kOutsideSection, {}});
        break;
      case Section::kUnknown:
      case Section::kEnd:
        break;
      case Section::kRecord: {
        std::string_view rest = line;
        const std::string_view word = TakeWord(rest);
        if (word == "end") {
          if (!recordBroken) file.records.push_back(std::move(record));
          section = Section::kRecordDone;
        } else if (!recordBroken && !ParseRecordLine(word, rest, record.lists)) {
          recordBroken = true;
          file.problems.push_back({lineNumber, FileProblem::kRecordLine, record.name});
        }
        break;
      }
      case Section::kCommon: {
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
          file.problems.push_back({lineNumber, FileProblem::kNotAnEntry, {}});
          break;
        }
        const std::u16string name = Ascii(Trim(line.substr(0, eq)));
        if (!IsSettingName(name)) {
          file.problems.push_back({lineNumber, FileProblem::kBadName, {}});
          break;
        }
        std::string_view rest = Trim(line.substr(eq + 1));
        const std::string_view type = TakeWord(rest);
        FileProblem problem = FileProblem::kNone;
        std::optional<EntryValue> value = ParseValue(type, rest, problem);
        if (!value)
          file.problems.push_back({lineNumber, problem, name});
        else
          file.values.push_back({name, std::move(*value), lineNumber});
        break;
      }
    }
  }
  if (lineNumber < 2)
    return refuse(lineNumber == 1 ? FileProblem::kBadVersion : FileProblem::kNotSettingsFile);
  if (section != Section::kEnd) return refuse(FileProblem::kCutShort);
  return result;
}

}  // namespace scrv
