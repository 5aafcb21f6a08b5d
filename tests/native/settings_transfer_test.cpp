// The settings file: writer and reader as a round trip, what the reader refuses, the "differs
// from its default" rule against the key tables, the import report, and the all-or-nothing
// apply through a store and a file store that fail on their n-th write.

#include <gtest/gtest.h>

#include <random>

#include "controls_ids.h"
#include "customize/additional_text.h"
#include "customize/settings_catalog.h"
#include "customize_ids.h"
#include "customize_test_support.h"
#include "settings/memory_file_store.h"
#include "settings/record_table.h"
#include "settings/settings_file.h"
#include "settings/settings_report.h"
#include "settings_ids.h"
#include "settings/settings_transfer.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

SettingsFileRead Read(const std::string& text) {
  return ReadSettingsFile(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

// Texts that test the escapes: quotes, backslashes, control characters, characters of every
// UTF-8 length, surrogate pairs and unpaired surrogates.
std::u16string RandomText(std::mt19937& rng) {
  static constexpr char16_t kUnits[] = {u'a',   u'Z',   u' ', u'"', u'\\',  u'\t',  u'\n',
                                        u'\r',  0,      0x7F, 0xE9, 0x20AC, 0xD83D, 0xDE00,
                                        0xDC00, 0x2028, u'=', u'[', u';',   0xFFFF};
  std::u16string s(rng() % 12, u' ');
  for (char16_t& c : s) c = kUnits[rng() % std::size(kUnits)];
  return s;
}

std::vector<uint8_t> RandomBytes(std::mt19937& rng, size_t most) {
  std::vector<uint8_t> b(rng() % (most + 1));
  for (uint8_t& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

RecordLists RandomLists(std::mt19937& rng) {
  RecordLists l;
  for (unsigned n = rng() % 4; n--;) l.qwords.push_back(uint64_t(rng()) << 32 | rng());
  for (unsigned n = rng() % 4; n--;) l.dwords.push_back(rng());
  for (unsigned n = rng() % 4; n--;) l.words.push_back(uint16_t(rng()));
  for (unsigned n = rng() % 4; n--;) l.bytes.push_back(uint8_t(rng()));
  for (unsigned n = rng() % 4; n--;) l.texts.push_back(RandomText(rng));
  for (unsigned n = rng() % 3; n--;) l.blobs.push_back(RandomBytes(rng, 9));
  for (unsigned n = rng() % 3; n--;) {
    LogFont f;
    f.height = -int32_t(rng() % 40);
    f.weight = int32_t(rng() % 1000);
    f.width = int32_t(rng());
    f.italic = uint8_t(rng());
    f.pitchAndFamily = uint8_t(rng());
    const std::u16string face = RandomText(rng);
    std::copy(face.begin(), face.end(), f.faceName);
    l.fonts.push_back(f);
  }
  for (unsigned n = rng() % 4; n--;) l.secondDwords.push_back(rng());
  for (unsigned n = rng() % 9; n--;) l.bits.push_back(rng() & 1);
  for (unsigned n = rng() % 3; n--;) l.textMap[uint16_t(rng())] = RandomText(rng);
  for (unsigned n = rng() % 3; n--;) l.valueMap[uint16_t(rng())] = rng();
  return l;
}

SettingsFile RandomFile(std::mt19937& rng) {
  SettingsFile f;
  for (int i = 0; i < 20; ++i) {
    const std::u16string name = u"Key" + std::u16string(1, char16_t(u'A' + i));
    switch (rng() % 5) {
      case 0:
        f.values.push_back({name, DwordValue(rng())});
        break;
      case 1:
        f.values.push_back({name, QwordValue(uint64_t(rng()) << 32 | rng())});
        break;
      case 2:
        f.values.push_back({name, StringValue(RandomText(rng))});
        break;
      case 3:
        f.values.push_back(
            {name, StringListValue({RandomText(rng), RandomText(rng), std::u16string()})});
        break;
      default:
        f.values.push_back({name, BinaryValue(RandomBytes(rng, 40))});
        break;
    }
  }
  for (uint32_t n = 0; n < kRecordCount; ++n)
    f.records.push_back({std::u16string(RecordInfoAt(n)->name), RandomLists(rng)});
  return f;
}

std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

TEST(SettingsFile, EveryTypeAndEveryRecordComeBackAsWritten) {
  std::mt19937 rng(2718);
  for (int round = 0; round < 50; ++round) {
    const SettingsFile file = RandomFile(rng);
    const std::string text = WriteSettingsFile(file);
    for (const std::string& input : {text, Crlf(text), "\xEF\xBB\xBF" + text}) {
      const SettingsFileRead read = Read(input);
      ASSERT_EQ(read.refusal, FileProblem::kNone);
      EXPECT_TRUE(read.file.problems.empty())
          << int(read.file.problems[0].problem) << " line " << read.file.problems[0].line << "\n"
          << input;
      EXPECT_EQ(read.file.values, file.values);
      EXPECT_EQ(read.file.records, file.records);
      EXPECT_EQ(read.file.version, kSettingsFileVersion);
    }
  }
}

TEST(SettingsFile, InputThatIsNoSettingsFileIsRefusedWhole) {
  std::mt19937 rng(3);
  const std::string good = WriteSettingsFile(RandomFile(rng));
  std::string garbage(4096, '\0');
  for (char& c : garbage) c = char(rng() | 1);
  const struct {
    std::string input;
    FileProblem refusal;
  } cases[] = {
      {"", FileProblem::kEmpty},
      {"\xFF\xFE"
       "S\0c\0",
       FileProblem::kUtf16},
      {std::string("S\0c\0r\0", 6), FileProblem::kUtf16},
      {garbage, FileProblem::kNotSettingsFile},
      {"[Common]\nA = dword 1\n[End]\n", FileProblem::kNotSettingsFile},
      {"Scrivlet settings\n", FileProblem::kBadVersion},
      {"Scrivlet settings\nversion = 0\n[End]\n", FileProblem::kBadVersion},
      {"Scrivlet settings\nversion = x\n[End]\n", FileProblem::kBadVersion},
      {"Scrivlet settings\nversion = 1\n[Common]\nA = dword 1\n", FileProblem::kCutShort},
      {std::string(kMaxSettingsFileSize + 1, 'S'), FileProblem::kTooLarge},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.input).refusal, c.refusal) << c.input.substr(0, 40);
  // Cut anywhere before its last line, a file is refused rather than read in part.
  for (size_t n = 0; n + 7 < good.size(); ++n)
    ASSERT_NE(Read(good.substr(0, n)).refusal, FileProblem::kNone) << n;
}

TEST(SettingsFile, ALineItCannotTakeIsRefusedAloneWithItsReason) {
  const std::string head = "Scrivlet settings\nversion = 3\nstray = dword 1\n[Common]\n";
  const std::string text = head +
                           "Good = dword 0x10\n"
                           "NoEquals dword 1\n"
                           "Bad Name = dword 1\n"
                           "Typed = float 1.5\n"
                           "Big = dword 4294967296\n"
                           "Huge = qword 18446744073709551616\n"
                           "Open = string \"abc\n"
                           "Escape = string \"a\\qb\"\n"
                           "After = string \"a\" b\n"
                           "Hex = binary 0g\n"
                           "Odd = binary 123\n"
                           "Utf = string \"\xC3\x28\"\n"
                           "[Elsewhere]\nIgnored = dword 1\n"
                           "[Record Menu1]\ndword 1\nfloat 2\nend\n"
                           "[Record Menu2]\ntext \"ok\"\n"
                           "[Record Menu3]\nvaluemap 3 7\nend\n"
                           "[End]\n";
  const SettingsFileRead read = Read(text);
  ASSERT_EQ(read.refusal, FileProblem::kNone);
  EXPECT_EQ(read.file.version, 3u);
  ASSERT_EQ(read.file.values.size(), 1u);
  EXPECT_EQ(read.file.values[0].value, DwordValue(16));
  ASSERT_EQ(read.file.records.size(), 1u);
  EXPECT_EQ(read.file.records[0].name, u"Menu3");
  EXPECT_EQ(read.file.records[0].lists.valueMap.at(3), 7u);
  using P = FileProblem;
  const std::vector<std::pair<uint32_t, P>> expected = {
      {3, P::kOutsideSection},  {6, P::kNotAnEntry},  {7, P::kBadName},        {8, P::kUnknownType},
      {9, P::kBadNumber},       {10, P::kBadNumber},  {11, P::kBadText},       {12, P::kBadText},
      {13, P::kBadText},        {14, P::kBadHex},     {15, P::kBadHex},        {16, P::kNotUtf8},
      {17, P::kUnknownSection}, {21, P::kRecordLine}, {23, P::kRecordNotEnded}};
  std::vector<std::pair<uint32_t, P>> got;
  for (const LineProblem& p : read.file.problems) got.push_back({p.line, p.problem});
  EXPECT_EQ(got, expected);
}

// ---- the catalogue, the "differs from its default" rule and the report

class Transfer : public ::testing::TestWithParam<bool> {
 protected:
  Transfer() : store(GetParam()), catalog(CustomizeCatalog(env.flags)) {}
  SettingsFile Collect(bool every = false) { return CollectSettings(store, catalog, place, every); }
  ImportPlan Plan(const std::string& text) {
    const SettingsFileRead read = Read(text);
    EXPECT_EQ(read.refusal, FileProblem::kNone);
    return PlanImport(read.file, store, catalog, place);
  }
  void PutRecord(uint32_t number, const RecordLists& lists) {
    const RecordInfo* info = RecordInfoAt(number);
    files.Put(binPath(info->folder, info->name), *BuildRecordFile(lists, info->magic, info->text));
  }

  FakeCustomizeEnvironment env;
  MemorySettings store;
  MemoryFileStore files;
  BinPathBuilder binPath = [](std::u16string_view folder, std::u16string_view name) {
    return std::u16string(folder) + u"/" + std::u16string(name) + u".bin";
  };
  RecordPlace place{files, binPath};
  SettingsCatalog catalog;
};

TEST_P(Transfer, AnEmptyStoreExportsNothingAndEveryValueExportsEveryKnownDefault) {
  EXPECT_TRUE(Collect().values.empty());
  EXPECT_TRUE(Collect().records.empty());
  size_t withDefault = 0;
  for (const KeySpec& k : catalog.Keys()) withDefault += k.hasDefault;
  EXPECT_EQ(Collect(true).values.size(), withDefault);
}

TEST_P(Transfer, EachTableValueIsExportedExactlyWhenItDiffersFromItsDefault) {
  const SettingsHandle h = OpenCommon(store);
  auto check = [&](std::u16string_view name, uint32_t def, uint32_t other) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    store.WriteDword(h, name, def);
    EXPECT_TRUE(Collect().values.empty());
    store.WriteDword(h, name, other);
    const SettingsFile f = Collect();
    ASSERT_EQ(f.values.size(), 1u);
    EXPECT_EQ(f.values[0].name, name);
    EXPECT_EQ(f.values[0].value, DwordValue(other));
    store.DeleteValue(h, name, false);
  };
  for (uint32_t i = 0; i < kFlagRowCount; ++i)
    check(env.flags.Row(i)->name, env.flags.Row(i)->def, !env.flags.Row(i)->def);
  for (uint32_t i = 0; i < kSmallValueRowCount; ++i)
    check(SmallValueRowAt(i)->name, SmallValueRowAt(i)->def, SmallValueRowAt(i)->def ^ 1u);
}

TEST_P(Transfer, AValueWithoutAKnownDefaultGoesWheneverItIsStored) {
  store.WriteDword(OpenCommon(store), u"BarTextColor", 0);
  const SettingsFile f = Collect();
  ASSERT_EQ(f.values.size(), 1u);
  EXPECT_EQ(f.values[0].value, DwordValue(0));
}

TEST_P(Transfer, ExportThenImportIntoAnEmptyStoreGivesTheSameValuesAndRecords) {
  const SettingsHandle h = OpenCommon(store);
  store.WriteDword(h, u"CsvTabCreateCell", 1);
  store.WriteDword(h, u"AppTheme", 2);
  store.WriteQword(h, u"DetectUTF8Size", 1u << 20);
  store.WriteString(h, u"DateFormat", u"dd.MM.yyyy");
  const uint8_t order[] = {1, 2, 3};
  store.WriteBinary(h, u"StatusOrderArray", order, sizeof order, false);
  std::mt19937 rng(5);
  PutRecord(record::kMenu0 + 3, RandomLists(rng));
  PutRecord(record::kMacros, RandomLists(rng));  // machine paths: not exported
  const SettingsFile exported = Collect();
  EXPECT_EQ(exported.values.size(), 5u);
  ASSERT_EQ(exported.records.size(), 1u);
  const std::string text = WriteSettingsFile(exported);

  MemorySettings target(!GetParam());  // the other back end
  MemoryFileStore targetFiles;
  RecordPlace targetPlace{targetFiles, binPath};
  const SettingsFileRead read = Read(text);
  const ImportPlan plan = PlanImport(read.file, target, catalog, targetPlace);
  EXPECT_EQ(plan.Changes(), 6u);
  ASSERT_TRUE(ApplyImport(plan, target, targetPlace));
  EXPECT_EQ(CollectSettings(target, catalog, targetPlace, false).values, exported.values);
  EXPECT_EQ(CollectSettings(target, catalog, targetPlace, false).records, exported.records);
}

TEST_P(Transfer, TheReportNamesEachChangeRefusalUnknownAndReplacedEntry) {
  store.WriteDword(OpenCommon(store), u"TabWidth", 100);
  std::mt19937 rng(7);
  const RecordLists menu = RandomLists(rng);
  SettingsFile f;
  f.records.push_back({u"Menu5", menu});
  f.records.push_back({u"Macros", menu});
  std::string records = WriteSettingsFile(f);
  records = records.substr(records.find("\n[Record"));
  records = records.substr(0, records.rfind("[End]"));
  const ImportPlan plan = Plan(
      "Scrivlet settings\nversion = 2\n[Common]\n"
      "OtherProgramKey = dword 1\n"   // 4
      "AppTheme = dword 9\n"          // 5: above its limit of 3
      "TabWidth = string \"wide\"\n"  // 6: a DWORD
      "TabWidth = dword 120\n"        // 7: wins over line 6
      "DateFormat = string \"" +
      std::string(300, 'y') +
      "\"\n"                             // 8: 259 at most
      "TimeFormat = string \"a\\nb\"\n"  // 9
      "CsvTabCreateCell = dword 0\n"     // 10: already so
      "AppTheme = dword 2\n" +           // 11: wins over line 5
      records +
      "[End]\n");
  EXPECT_TRUE(plan.newerVersion);
  struct Expected {
    ReportKind kind;
    std::u16string name;
    RefusalReason reason;
    uint32_t replacedBy;
  };
  const std::vector<Expected> expected = {
      {ReportKind::kUnknown, u"OtherProgramKey", RefusalReason::kNone, 0},
      {ReportKind::kReplaced, u"AppTheme", RefusalReason::kNone, 11},
      {ReportKind::kReplaced, u"TabWidth", RefusalReason::kNone, 7},
      {ReportKind::kChange, u"TabWidth", RefusalReason::kNone, 0},
      {ReportKind::kRefused, u"DateFormat", RefusalReason::kTooLong, 0},
      {ReportKind::kRefused, u"TimeFormat", RefusalReason::kControlText, 0},
      {ReportKind::kChange, u"AppTheme", RefusalReason::kNone, 0},
      {ReportKind::kChange, u"Menu5", RefusalReason::kNone, 0},
      {ReportKind::kUnknown, u"Macros", RefusalReason::kNone, 0},
  };
  ASSERT_EQ(plan.entries.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(plan.entries[i].kind, expected[i].kind);
    EXPECT_EQ(plan.entries[i].name, expected[i].name);
    EXPECT_EQ(plan.entries[i].reason, expected[i].reason);
    EXPECT_EQ(plan.entries[i].replacedBy, expected[i].replacedBy);
  }
  EXPECT_EQ(plan.entries[3].was, DwordValue(100));
  EXPECT_EQ(plan.entries[3].becomes, DwordValue(120));
  EXPECT_EQ(plan.entries[4].limit, 259u);
  EXPECT_EQ(plan.Changes(), 3u);
  // The union of the bits the Tab and View pages report for these two values.
  const uint64_t tabWidth = catalog.Find(u"TabWidth")->changeBits;
  const uint64_t theme = catalog.Find(u"AppTheme")->changeBits;
  EXPECT_NE(theme, 0u);
  EXPECT_EQ(plan.changeBits, tabWidth | theme);
  // The report's text: one line per entry, each from its string with the entry's own values.
  auto u = [](size_t n) {
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
  };
  const std::u16string menuLine = u(plan.entries[7].line), macrosLine = u(plan.entries[8].line);
  const std::u16string elements =
      u(menu.qwords.size() + menu.dwords.size() + menu.words.size() + menu.bytes.size() +
        menu.texts.size() + menu.blobs.size() + menu.fonts.size() + menu.secondDwords.size() +
        menu.bits.size() + menu.textMap.size() + menu.valueMap.size()) +
      u" elements";
  const ReportText text = DescribeReport(plan, [](uint32_t id) {
    return u"#" + std::u16string(1, char16_t(u'0' + id % 100 / 10)) +
           std::u16string(1, char16_t(u'0' + id % 10)) + u" %1 %2 %3 %4";
  });
  const std::vector<std::u16string> lines = {u"#35 OtherProgramKey 4  ",
                                             u"#37 AppTheme 5 11 ",
                                             u"#37 TabWidth 6 7 ",
                                             u"#33 TabWidth 7 100 120",
                                             u"#40 DateFormat 8 259 ",
                                             u"#41 TimeFormat 9  ",
                                             u"#33 AppTheme 11 1 2",
                                             u"#34 Menu5 " + menuLine + u" (none) " + elements,
                                             u"#36 Macros " + macrosLine + u"  "};
  EXPECT_EQ(text.lines, lines);
  EXPECT_EQ(text.summary, u"#30 3 6  ");
  EXPECT_EQ(text.newer, u"#32 2   ");
  // Planning wrote nothing.
  EXPECT_EQ(CommonValues(store).size(), 1u);
  EXPECT_EQ(files.Find(binPath(u"Common", u"Menu5")), nullptr);
}

// Strings as their numbers, to see which string a text came from.
class NumberStrings : public StringSource {
 public:
  std::u16string Load(uint32_t id) const override { return u"#" + DecimalText(id); }
};

TEST_P(Transfer, TheReportShowsValuesAsTheirPagesShowThemAndNamesARefusedValue) {
  const ImportPlan plan = Plan(
      "Scrivlet settings\nversion = 1\n[Common]\nTabStyle = dword 1\nReadOnlyIcon = dword 0\n"
      "TabWidth = dword 120\nActiveTabColor = dword 255\nStatusOrderArray = binary 0102\n"
      "Beep = dword one\nno entry\n[End]\n");
  const NumberStrings strings;
  const ReportText text = DescribeReport(
      plan, [](uint32_t id) { return u"#" + DecimalText(id) + u" %1 %2 %3 %4"; },
      [&](std::u16string_view name, const EntryValue& v) {
        return DescribeAsShown(name, v, env.flags, strings);
      });
  // A list's item, a box, a number, a colour; a value no control shows whole in stored form.
  const std::vector<std::u16string> lines = {
      u"#" + DecimalText(IDS_ST_VALUE_REFUSED) + u" Beep 9 not a number of its type ",
      u"#" + DecimalText(IDS_ST_LINE_REFUSED) + u"  10 not \"name = type value\" ",
      u"#" + DecimalText(IDS_ST_CHANGE) + u" TabStyle 4 #" + DecimalText(IDS_TAB_STYLE_TABS) +
          u" #" + DecimalText(IDS_TAB_STYLE_BUTTONS),
      u"#" + DecimalText(IDS_ST_CHANGE) + u" ReadOnlyIcon 5 #" +
          DecimalText(IDS_DEFAULT_TICKED) + u" #" + DecimalText(IDS_DEFAULT_CLEARED),
      u"#" + DecimalText(IDS_ST_CHANGE) + u" TabWidth 6 160 120",
      u"#" + DecimalText(IDS_ST_CHANGE) + u" ActiveTabColor 7 (none) #FF0000",
      u"#" + DecimalText(IDS_ST_CHANGE) + u" StatusOrderArray 8 (none) 0102",
  };
  EXPECT_EQ(text.lines, lines);
}

TEST_P(Transfer, AWrongTypeAndAnOutOfRangeFlagAreRefused) {
  const ImportPlan plan = Plan(
      "Scrivlet settings\nversion = 1\n[Common]\nBeep = dword 2\nBeep2 = qword 1\n"
      "DetectUTF8Size = dword 1\n[End]\n");
  ASSERT_EQ(plan.entries.size(), 3u);
  EXPECT_EQ(plan.entries[0].reason, RefusalReason::kOutOfRange);
  EXPECT_EQ(plan.entries[0].limit, 1u);
  EXPECT_EQ(plan.entries[1].kind, ReportKind::kUnknown);
  EXPECT_EQ(plan.entries[2].reason, RefusalReason::kWrongType);
  EXPECT_EQ(plan.entries[2].expected, EntryType::kQword);
  EXPECT_EQ(plan.Changes(), 0u);
}

// Fails exactly the n-th write or delete of either store, counted together.
struct WriteCounter {
  int fail = 0, count = 0;
  bool Next() { return ++count != fail; }
};

class FailingSettings : public MemorySettings {
 public:
  FailingSettings(bool ini, WriteCounter& c) : MemorySettings(ini), counter(c) {}
  WriteCounter& counter;

 protected:
  uint32_t WriteRaw(SettingsHandle h, std::u16string_view name, ValueType type, const void* data,
                    size_t size) override {
    if (!counter.Next()) return 5;
    return MemorySettings::WriteRaw(h, name, type, data, size);
  }
  uint32_t DeleteRaw(SettingsHandle h, std::u16string_view name) override {
    if (!counter.Next()) return 5;
    return MemorySettings::DeleteRaw(h, name);
  }
};

class FailingFiles : public MemoryFileStore {
 public:
  explicit FailingFiles(WriteCounter& c) : counter(c) {}
  bool WriteWholeFile(std::u16string_view path, const uint8_t* data, size_t size) override {
    return counter.Next() && MemoryFileStore::WriteWholeFile(path, data, size);
  }
  WriteCounter& counter;
};

std::map<std::u16string, std::u16string> Snapshot(MemorySettings& store) {
  std::map<std::u16string, std::u16string> out;
  for (const auto& [key, values] : store.Keys())
    for (const auto& [name, v] : values)
      out[key + u"\\" + name] =
          v.text + u"|" + std::u16string(v.bytes.begin(), v.bytes.end()) + char16_t(v.type);
  return out;
}

TEST_P(Transfer, AFailedWriteAnywhereLeavesStoreAndRecordsAsBefore) {
  std::mt19937 rng(11);
  const RecordLists oldMenu = RandomLists(rng), newMenu = RandomLists(rng);
  SettingsFile f;
  f.values = {{u"TabWidth", DwordValue(99)},
              {u"Beep", DwordValue(1)},  // 1 = default
              {u"DetectUTF8Size", QwordValue(7)},
              {u"DateFormat", StringValue(u"d")},
              {u"StatusOrderArray", BinaryValue({4, 5})}};
  RecordLists formats;  // a UTF-8 record: texts without unpaired surrogates
  formats.dwords = {1, 2};
  formats.texts = {u"Tab", u"\u00e9t\u00e9"};
  f.records = {{u"Menu0", newMenu}, {u"csv2", formats}};
  const SettingsFile file = Read(WriteSettingsFile(f)).file;

  for (int n = 1;; ++n) {
    SCOPED_TRACE(n);
    WriteCounter counter;
    FailingSettings target(GetParam(), counter);
    FailingFiles targetFiles(counter);
    RecordPlace targetPlace{targetFiles, binPath};
    const SettingsHandle h = OpenCommon(target);
    target.WriteDword(h, u"Beep", 0);
    target.WriteDword(h, u"TabWidth", 50);
    const RecordInfo* menu0 = RecordInfoAt(record::kMenu0);
    targetFiles.Put(binPath(menu0->folder, menu0->name),
                    *BuildRecordFile(oldMenu, menu0->magic, menu0->text));
    const ImportPlan plan = PlanImport(file, target, catalog, targetPlace);
    ASSERT_EQ(plan.Changes(), 7u);
    const auto before = Snapshot(target);
    const std::vector<uint8_t> menuBefore = targetFiles.Find(binPath(u"Common", u"Menu0"))->bytes;
    counter = WriteCounter{n, 0};
    const bool applied = ApplyImport(plan, target, targetPlace);
    if (applied) {
      EXPECT_GT(n, counter.count);  // every write was made: the loop is done
      EXPECT_EQ(CollectSettings(target, catalog, targetPlace, true).records.size(), 2u);
      EXPECT_EQ(target.ReadDword(h, u"TabWidth", 0), 99u);
      EXPECT_FALSE(target.HasValue(h, u"Beep"));  // at its default: removed
      break;
    }
    EXPECT_EQ(Snapshot(target), before);
    EXPECT_EQ(targetFiles.Find(binPath(u"Common", u"Menu0"))->bytes, menuBefore);
    EXPECT_EQ(targetFiles.Find(binPath(u"Common", u"csv2")), nullptr);
    ASSERT_LT(n, 20);
  }
}

INSTANTIATE_TEST_SUITE_P(BothShapes, Transfer, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
