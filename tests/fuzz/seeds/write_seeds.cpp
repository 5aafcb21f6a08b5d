// Writes the seed corpora of the fuzz targets with the library's own writers. Run it once after
// a format changes, from the repository folder, and commit the files:
//   g++ -std=c++20 -Isrc -Iresources/ids tests/fuzz/seeds/write_seeds.cpp
//       build/native/libscrvcore.a -o /tmp/write_seeds
//   /tmp/write_seeds tests/fuzz/corpus

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "customize/active_strings.h"
#include "settings/csv_formats.h"
#include "integration/plugin_list.h"
#include "markers/marker_clipboard.h"
#include "settings/ini_encoding.h"
#include "settings/memory_file_store.h"
#include "settings/settings_record.h"
#include "settings/tools_list.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

void Write(const fs::path& dir, const std::string& name, const Bytes& bytes) {
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

scrv::RecordLists FullLists() {
  scrv::RecordLists l;
  l.qwords = {0x0102030405060708ull};
  l.dwords = {1, 0xFFFFFFFF};
  l.words = {0xBEEF};
  l.bytes = {0, 0x7F};
  l.texts = {u"Comma", u"", u"\u00e9t\u00e9 \U0001F600"};
  l.blobs = {{1, 2, 3}, {}};
  scrv::LogFont f;
  f.height = -12;
  std::memcpy(f.faceName, u"Mono", 8);
  l.fonts = {f};
  l.secondDwords = {42};
  l.bits = {true, false, true, true, false, false, false, false, true};
  l.textMap = {{0, u"zero"}, {0xFFFF, u"last"}};
  l.valueMap = {{1, 1}, {900, 7}};
  return l;
}

// A "Tools" value as the host writes it.
struct ToolsValue {
  Bytes b;
  void U8(uint8_t v) { b.push_back(v); }
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(v >> (8 * i)));
  }
  void Text(std::u16string_view s) {
    U32(static_cast<uint32_t>(s.size()));
    for (char16_t c : s) {
      U8(static_cast<uint8_t>(c));
      U8(static_cast<uint8_t>(c >> 8));
    }
  }
  void Tool(uint32_t format, std::u16string_view title, std::u16string_view text5) {
    Text(title);
    Text(u"notepad.exe");
    Text(u"$(Path)");
    Text(u"");
    Text(text5);
    if (format == scrv::kToolsFormat2) Text(u"icon");
    U32(1);
    if (format != scrv::kToolsFormat0) U32(2);
    if (format == scrv::kToolsFormat2) {
      U32(3);
      U32(4);
    }
    for (int i = 0; i < (format == scrv::kToolsFormat2 ? 8 : 4); ++i) U8(i & 1);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: write_seeds CORPUS_DIR\n";
    return 2;
  }
  const fs::path root = argv[1];

  const fs::path records = root / "record_file_fuzz";
  for (uint32_t number :
       {scrv::record::kActiveS, scrv::record::kMenu0, scrv::record::kCmn, scrv::record::kCsv2}) {
    const scrv::RecordInfo& info = *scrv::RecordInfoAt(number);
    Write(records, "empty_" + std::to_string(number),
          *scrv::BuildRecordFile({}, info.magic, info.text));
    Write(records, "full_" + std::to_string(number),
          *scrv::BuildRecordFile(FullLists(), info.magic, info.text));
  }

  const fs::path tools = root / "tools_list_fuzz";
  for (uint32_t format : {scrv::kToolsFormat0, scrv::kToolsFormat1, scrv::kToolsFormat2}) {
    ToolsValue v;
    v.U32(format);
    v.U32(3);
    v.Tool(format, u"Notepad", u"x");
    v.Tool(format, u"Separator", u"");
    v.Tool(format, u"Browser", u"y");
    Write(tools, "format_" + std::to_string(format & 0xF), v.b);
  }

  const fs::path ini = root / "ini_binary_fuzz";
  const Bytes placement = {0x10, 0, 0, 0, 0x20, 0, 0, 0, 0x80, 2, 0, 0, 0xE0, 1, 0, 0};
  const Bytes samples[] = {{}, {0x01, 0x02}, {0xFF, 0x02, 0xAB}, placement};
  int n = 0;
  for (const Bytes& sample : samples) {
    std::u16string text = scrv::EncodeIniBinary(sample.data(), sample.size());
    Bytes bytes = {2};  // the size follows from the text
    for (char16_t c : text) bytes.push_back(static_cast<uint8_t>(c));
    Write(ini, "implied_" + std::to_string(n), bytes);
    Bytes sized = {0, static_cast<uint8_t>(sample.size())};
    for (char16_t c : text) sized.push_back(static_cast<uint8_t>(c));
    Write(ini, "sized_" + std::to_string(n), sized);
    ++n;
  }
  // The format records: the five built-in formats in the current form and as version 0.
  const auto names = [](uint32_t id) {
    return std::u16string(u"Format ") + char16_t(u'0' + id % 10);
  };
  std::vector<scrv::CsvFormat> builtins = scrv::BuiltinCsvFormats(names);
  for (auto [number, dir] : {std::pair{scrv::record::kCsv2, "csv_record_fuzz"},
                             std::pair{scrv::record::kCsv, "csv_old_record_fuzz"}}) {
    const scrv::RecordInfo& info = *scrv::RecordInfoAt(number);
    scrv::RecordLists current = scrv::CsvFormatLists(builtins, 0x01DB000000000000ull);
    scrv::RecordLists old = current;
    old.dwords[0] = 0;
    Write(root / dir, "version2", *scrv::BuildRecordFile(current, info.magic, info.text));
    Write(root / dir, "version0", *scrv::BuildRecordFile(old, info.magic, info.text));
  }

  // Record 0: the built-in table with a few entries changed.
  scrv::ActiveStringTable table = scrv::BuiltinActiveStrings();
  table[0] = {3, 1, 2, u"https://example.com/?q=$(ActiveString)"};
  table[109] = {11, 0, 0, u"$(AppDir)\\Macros\\x.js"};
  const scrv::RecordInfo& as = *scrv::RecordInfoAt(scrv::record::kActiveS);
  auto exact = [](std::u16string_view a, std::u16string_view b) { return a == b; };
  Write(root / "active_strings_fuzz", "changed",
        *scrv::BuildRecordFile(scrv::ActiveStringLists(table, exact), as.magic, as.text));
  scrv::RecordLists ended = scrv::ActiveStringLists(table, exact);
  ended.dwords.insert(ended.dwords.begin() + 5, {22, 0, 0, 0, 0});
  Write(root / "active_strings_fuzz", "ended_by_kind_22",
        *scrv::BuildRecordFile(ended, as.magic, as.text));

  // Separators as typed: plain, escaped and broken escapes (UTF-16 little-endian).
  int k = 0;
  for (std::u16string_view text :
       {u",", u"\\t", u"\\x1f\\\\", u"\\200b\\abcd", u"\\x\\", u"\u2502"}) {
    Bytes b;
    for (char16_t c : text) {
      b.push_back(static_cast<uint8_t>(c));
      b.push_back(static_cast<uint8_t>(c >> 8));
    }
    Write(root / "separator_escape_fuzz", "typed_" + std::to_string(k++), b);
    const fs::path plugins = root / "plugin_record_fuzz";
    const std::pair<const char*, std::vector<scrv::StoredPlugin>> lists[] = {
        {"default_nine", scrv::DefaultPlugins()},
        {"relative_and_absolute",
         {{u"Tool.dll", true},
          {u"..\\..\\Tools\\B.dll", false},
          {u"D:\\x\\C.dll", true},
          {u"\\\\srv\\share\\D.dll", true}}},
        {"empty", {}},
    };
    for (const auto& [name, list] : lists) {
      scrv::MemoryFileStore files;
      scrv::SettingsRecord record(u"plugins", 0xFF2300, scrv::RecordTextEncoding::kUtf16);
      scrv::SaveStoredPlugins(record, files, list, scrv::AsciiTextCase());
      Write(plugins, name, files.Find(u"plugins")->bytes);
    }

    // Markers of every kind: named, with options, off, every colour.
    scrv::MarkerList markers;
    for (int i = 0; i < 10; ++i) {
      scrv::Marker m;
      m.text = i % 3 ? u"error" : u"^\\d+(\\.\\d+)?$";
      m.color = scrv::MarkerColorDigit(i);
      m.flags = static_cast<uint8_t>(i * 3) & scrv::marker_flag::kStored;
      if (m.Has(scrv::marker_flag::kNamed)) m.name = u"Numbers";
      markers.push_back(m);
    }
    const fs::path values = root / "marker_value_fuzz";
    Write(values, "current", scrv::EncodeMarkerValues(markers)[0]);
    Bytes oldest = {0x00, 0x01, 0xFF, 0x00, 1, 0, 0, 0, '3', 0, 0,   0,
                    3,    2,    1,    0,    2, 0, 0, 0, 'o', 0, 'k', 0};
    Write(values, "oldest", oldest);
    Bytes shortLengths = {0x00, 0x0F, 0xFF, 0x00, 1, 0, 0, 0, '2', 0x18, 1, 'x', 0, 1, 'n', 0};
    Write(values, "short_lengths", shortLengths);

    const fs::path clipboard = root / "marker_clipboard_fuzz";
    std::u16string lines = scrv::FormatMarkerLines(markers) + u"just text\nx\tforeign\tline\r\n";
    Bytes text;
    for (char16_t c : lines) text.push_back(static_cast<uint8_t>(c)), text.push_back(c >> 8);
    Write(clipboard, "lines", text);
    return 0;
  }
