// The models of the Customize pages with rules of their own: the status bar's order, the CSV
// formats and their records, the active string table, the rendering values and clearing
// histories, in both shapes of the store where they touch it.

#include <gtest/gtest.h>

#include <set>

#include "customize/active_strings.h"
#include "customize/clear_history.h"
#include "customize/customize_pages.h"
#include "customize/page_extensions.h"
#include "customize_test_support.h"
#include "base/command_table.h"
#include "settings/record_table.h"
#include "text_tools_ids.h"

namespace scrv {
namespace {

class SpecialPages : public ::testing::TestWithParam<bool> {
 protected:
  SpecialPages() : store(GetParam()) {
    env.strings = {{IDS_CSV_FORMAT_COMMA, u"Comma"},
                   {IDS_CSV_FORMAT_TAB, u"Tab"},
                   {IDS_CSV_FORMAT_SEMICOLON, u"Semicolon"},
                   {IDS_CSV_FORMAT_LINE, u"Line"},
                   {IDS_CSV_FORMAT_PIPE, u"Pipe"}};
  }
  PageModel& Loaded(size_t index) {
    model = std::make_unique<PageModel>(*CustomizePages()[index]);
    model->Load(store, OpenCommon(store), env);
    model->visited = true;
    return *model;
  }
  uint64_t Save() {
    SaveContext ctx{store, OpenCommon(store), env, 1, nullptr};
    return model->Save(ctx);
  }
  std::vector<std::u16string> Names(const std::vector<CsvFormat>& formats) {
    std::vector<std::u16string> names;
    for (const CsvFormat& f : formats) names.push_back(f.name);
    return names;
  }

  FakeCustomizeEnvironment env;
  MemorySettings store;
  std::unique_ptr<PageModel> model;
};

TEST(StatusOrder, StoredPrefixInvalidOrdersAndShowBits) {
  StatusOrderBytes reversed = StatusOrderToBytes(IdentityStatusOrder());
  for (uint32_t k = 1; k < 18; ++k) reversed[4 * k] = static_cast<uint8_t>(18 - k);
  const struct {
    size_t bytes;
    uint32_t at9, at10;
  } prefixes[] = {{0, 9, 10}, {3, 9, 10}, {40, 9, 10}, {72, 9, 8}, {100, 9, 8}};
  for (const auto& p : prefixes) {
    std::vector<uint8_t> stored(reversed.begin(), reversed.begin() + std::min<size_t>(p.bytes, 72));
    stored.resize(p.bytes, 0xEE);
    const StatusOrder o = StatusOrderFrom(stored);
    EXPECT_EQ(o[9], p.at9) << p.bytes;
    EXPECT_EQ(o[10], p.at10) << p.bytes;
  }
  EXPECT_EQ(StatusOrderToBytes(StatusOrderFrom(reversed)), reversed);
  StatusOrder bad = IdentityStatusOrder();
  for (uint32_t wrong : {0u, 18u, 3u, 0xFFFFFFFFu}) {
    bad[4] = wrong;
    EXPECT_FALSE(StatusOrderValid(bad)) << wrong;
  }
  const bool shown[17] = {true, false, true};  // positions 0 and 2: items 17 and 15
  EXPECT_EQ(StatusShowBits(StatusOrderFrom(reversed), shown), 1u | 1u << 17 | 1u << 15);
}

TEST_P(SpecialPages, StatusMoveSetsTheBitShowTimeAloneDoesNot) {
  PageModel& page = Loaded(page::kStatus);
  auto& status = page.Extension<StatusExtension>();
  page.Working(0).number = 1;  // "ShowTime"
  EXPECT_EQ(Save(), 0u);
  std::swap(status.order[1], status.order[2]);
  EXPECT_EQ(Save(), 0x4u);
  PageModel& again = Loaded(page::kStatus);
  EXPECT_EQ(again.Extension<StatusExtension>().order[1], 2u);
  again.Extension<StatusExtension>().order[5] = 3;
  StatusExtension::ShowBits(again).number = 0x10;
  StatusExtension::Normalize(again);
  EXPECT_EQ(again.Extension<StatusExtension>().order, IdentityStatusOrder());
  EXPECT_EQ(StatusExtension::ShowBits(again).number, kDefaultStatusShowBits);
}

TEST(CsvFormat, BuildRulesAndEscaping) {
  const struct {
    CsvFormatRequest in;
    bool b, c;
    int32_t f, g;
    uint8_t h, i, e;
  } rules[] = {
      {{.i = 120}, false, false, 16, 0, 1, 99, 0},
      {{.a = true, .b = true, .c = true, .f = 7, .g = -5, .h = 3, .i = 98},
       true,
       false,
       7,
       0,
       3,
       98,
       0},
      {{.b = true, .c = true, .e = 0x13, .f = -1, .g = 20000000},
       false,
       false,
       16,
       10000000,
       1,
       0,
       3},
      {{.c = true}, false, true, 16, 0, 1, 0, 0},
  };
  for (const auto& r : rules) {
    const CsvFormat f = MakeCsvFormat(r.in);
    EXPECT_EQ(std::tie(f.b, f.c, f.f, f.g, f.h, f.i, f.e),
              std::tie(r.b, r.c, r.f, r.g, r.h, r.i, r.e));
  }
  EXPECT_EQ(MakeCsvFormat({.name = std::u16string(50, u'n')}).name.size(), 39u);
  const struct {
    std::u16string raw, shown;
  } escapes[] = {{u"\t", u"\\t"},        {u"\\", u"\\\\"},
                 {u"\a\r", u"\\a\\r"},   {u"\x1f;", u"\\x1f;"},
                 {u"\u200b", u"\\200b"}, {u"\abcd", u"\\abcd"},
                 {u"\u2502", u"\u2502"}, {std::u16string(1, 0), u"\\x00"}};
  for (const auto& e : escapes) {
    EXPECT_EQ(EscapeSeparator(e.raw), e.shown);
    EXPECT_EQ(UnescapeSeparator(e.shown), e.raw);
  }
  EXPECT_EQ(UnescapeSeparator(u"\\q\\"), u"\\q\\") << "no escape keeps its backslash";
}

TEST_P(SpecialPages, CsvRecordsByVersion) {
  auto& csv = Loaded(page::kCsv).Extension<CsvExtension>();
  EXPECT_EQ(Names(csv.list.Formats()),
            (std::vector<std::u16string>{u"Comma", u"Tab", u"Semicolon", u"Line", u"Pipe"}));
  EXPECT_EQ(csv.list.Formats()[1].separator, u"\t");
  std::vector<CsvFormat> three(csv.list.Formats().begin(), csv.list.Formats().begin() + 3);
  three[2].i = 99;
  RecordLists v0 = CsvFormatLists(three, 1);
  v0.dwords[0] = 0;
  for (auto [number, older] : {std::pair{record::kCsv2, false}, std::pair{record::kCsv, true}}) {
    env.records = {{number, v0}};
    auto& got = Loaded(page::kCsv).Extension<CsvExtension>().list.Formats();
    ASSERT_EQ(got.size(), 4u) << older;
    EXPECT_EQ(got[2], three[2]);
    EXPECT_EQ(got[3].separator, u"|");
  }
  env.records = {{record::kCsv, CsvFormatLists(three, 1)}};
  EXPECT_EQ(Loaded(page::kCsv).Extension<CsvExtension>().list.Size(), 5u) << "older, version 2";
  std::vector<CsvFormat> full(64, three[0]);
  RecordLists v0full = CsvFormatLists(full, 1);
  v0full.dwords[0] = 0;
  v0full.words[0] = 900;
  env.records = {{record::kCsv2, v0full}};
  EXPECT_EQ(Loaded(page::kCsv).Extension<CsvExtension>().list.Size(), 64u);
}

TEST_P(SpecialPages, CsvViewOfTwoFormatsAndSaveRemapsEveryConfiguration) {
  auto& list = Loaded(page::kCsv).Extension<CsvExtension>().list;
  const size_t both[] = {0, 1};
  const auto view = list.View(both);
  EXPECT_TRUE(view[size_t(CsvField::kA)].differs);
  EXPECT_TRUE(view[size_t(CsvField::kSeparator)].differs);
  EXPECT_EQ(view[size_t(CsvField::kSeparator)].text, u"");
  EXPECT_FALSE(view[size_t(CsvField::kF)].differs);
  EXPECT_EQ(view[size_t(CsvField::kF)].text, u"16");
  EXPECT_TRUE(list.Set(both, CsvField::kI, u"100", false));
  EXPECT_EQ(list.Formats()[1].i, 99);

  env.configurations = {u"Text", u"Other"};
  std::vector<uint8_t> cust(kCustBlockSize, 0x11);
  cust[kCustEnabledFormatsOffset] = 0b101;  // formats 0 and 2
  for (auto& name : env.configurations) {
    SettingsHandle h = store.OpenConfig(name, 0);
    store.WriteBinary(h, u"Cust", cust.data(), cust.size(), true);
    store.CloseSettings(h);
  }
  list.Swap(0, 2);
  list.Remove(1);
  list.Add(u"Mine", 0);
  EXPECT_EQ(Save(), 0x4102u);
  const std::vector<uint32_t> moved = {2, 0, 3, 4, kNewCsvFormat};
  ASSERT_EQ(env.moved.size(), 1u);
  EXPECT_EQ(env.moved[0], moved);
  for (auto& name : env.configurations) {
    SettingsHandle h = store.OpenConfig(name, 0);
    std::vector<uint8_t> after(kCustBlockSize);
    ASSERT_TRUE(store.ReadBinary(h, u"Cust", after.data(), after.size()));
    EXPECT_EQ(after[kCustEnabledFormatsOffset], 0b011);
    EXPECT_EQ(after[kCustEnabledFormatsOffset + 1], 0x11);
    EXPECT_EQ(store.ReadQword(h, u"LastWriteTime", 0), env.now);
    store.CloseSettings(h);
  }
  auto again = ReadCsvFormats(env.records.at(record::kCsv2), false, {});
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, list.Formats());
  EXPECT_FALSE(RemapCustBlock(std::vector<uint8_t>(100), moved));
}

TEST_P(SpecialPages, AnImportedCsvListKeepsTheLoadedPlaceOfEachFormatByName) {
  auto& list = Loaded(page::kCsv).Extension<CsvExtension>().list;
  std::vector<CsvFormat> formats(list.Formats().rbegin(), list.Formats().rend());
  formats.push_back(formats.front());
  formats.back().name = u"Mine";
  std::vector<uint32_t> old;
  for (size_t k = list.Size(); k-- > 0;) old.push_back(static_cast<uint32_t>(k));
  old.push_back(kNewCsvFormat);
  list.Replace(formats);
  EXPECT_EQ(list.OldIndices(), old);
  EXPECT_EQ(list.Formats(), formats);
  EXPECT_TRUE(list.Edited());
}

TEST(ActiveStringCommands, SeventyCommandsOfTheEditingRunFirstEachOnce) {
  const std::vector<uint16_t> ids = ActiveStringCommands();
  ASSERT_EQ(ids.size(), kActiveStringCommandCount);
  EXPECT_EQ(ids.front(), CategoryRun(kCategoryEdit).front().command);
  EXPECT_EQ(std::set<uint16_t>(ids.begin(), ids.end()).size(), ids.size());
}

TEST_P(SpecialPages, ActiveStringsStoreOnlyWhatDiffersFromTheBuiltins) {
  auto& as = Loaded(page::kActiveString).Extension<ActiveStringExtension>();
  EXPECT_EQ(as.table, BuiltinActiveStrings());
  EXPECT_EQ(as.table[3 * 5].text, u"$(AppDir)\\Macros\\IPTip.jssc");
  as.table[3 * 5].text = u"$(APPDIR)\\macros\\iptip.JSSC";
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(env.records.at(record::kActiveS), RecordLists{});
  as.table[21 * 5 + 4] = {3, 7, 8, u"x"};
  EXPECT_EQ(Save(), 0x4000u);
  EXPECT_EQ(env.records.at(record::kActiveS).dwords, (std::vector<uint32_t>{21, 4, 3, 7, 8}));
  RecordLists lists;
  lists.dwords = {1, 0, 5, 0, 0, 2, 4, 6, 0, 0, 22, 0, 1, 0, 0, 0, 0, 9};
  lists.texts = {u"a", std::u16string(300, u'b'), u"c"};
  const ActiveStringTable t = ReadActiveStrings(lists);
  EXPECT_EQ(t[5].action, 5u);
  EXPECT_EQ(t[2 * 5 + 4].text.size(), 259u);
  EXPECT_EQ(t[0], BuiltinActiveStrings()[0]) << "reading ended at kind 22";
}

TEST_P(SpecialPages, RenderingLoadRulesPreviewWriteBackAndSave) {
  const struct {
    uint32_t gamma, aa, mode;
    float gammaAfter;
    uint32_t modeAfter;
  } loads[] = {{5000, 3, 2, 3.0f, 2}, {0, 1, 6, 0.001f, 0}, {1500, 9, 9, 1.5f, 0}};
  for (const auto& l : loads) {
    const SettingsHandle h = OpenCommon(store);
    store.WriteDword(h, u"Gamma", l.gamma);
    store.WriteDword(h, u"AntialiasingMode", l.aa);
    store.WriteDword(h, u"RenderingMode", l.mode);
    const RenderingModel& m = Loaded(page::kRendering).Extension<RenderingExtension>().model;
    EXPECT_FLOAT_EQ(m.values.gamma, l.gammaAfter);
    EXPECT_EQ(m.values.renderingMode, l.modeAfter);
  }
  RenderingModel& m = model->Extension<RenderingExtension>().model;
  EXPECT_EQ(m.values.antialiasing, 1u);
  RenderingControls c = m.Controls();
  c.antialiasItem = 2;
  c.modeItem = 3;
  c.gammaPos = 22;
  m.SetControls(c);
  EXPECT_EQ(m.values.renderingMode, 0u) << "antialiasing 3";
  c.antialiasItem = 0;
  c.modeItem = 5;
  m.SetControls(c);
  EXPECT_EQ(m.values.renderingMode, env.rendering.defaults.renderingMode) << "mode 6 with 1";
  // A preview writes the new values, then the loaded ones in minimal form: 1500 stays, the
  // default antialiasing is deleted.
  EXPECT_EQ(Save(), 0x800000000u);
  EXPECT_EQ(store.ReadDword(OpenCommon(store), u"Gamma", 0), 2200u);
  m.WriteBack(store, OpenCommon(store), env.flags);
  EXPECT_EQ(store.ReadDword(OpenCommon(store), u"Gamma", 0), 1500u);
  EXPECT_FALSE(CommonValues(store).count(u"AntialiasingMode"));
  m.fallback = {u"Segoe UI Emoji"};
  EXPECT_EQ(Save(), 0x800004000u | 0x800000000u);
  EXPECT_EQ(SliderLabel(22, 30, 3.0, 1), u"2.2");
  EXPECT_EQ(SliderLabel(25, 50, 1.0, 2), u"0.50");
}

class RecordingRemover : public HistoryRemover {
 public:
  void RemoveRecentList(std::u16string_view name) override { removed.emplace_back(name); }
  void DeleteFilterData() override { removed.emplace_back(u"filter data"); }
  std::vector<std::u16string> removed;
};

TEST_P(SpecialPages, ClearingHistoriesFollowsTheFlags) {
  const SettingsHandle h = OpenCommon(store);
  for (auto name : {u"Find", u"FindFlag", u"RecentChars", u"RecentFilterList", u"Other"})
    store.WriteString(h, name, u"x");
  const struct {
    uint32_t flags;
    std::vector<std::u16string> removed;
    size_t valuesLeft;
  } cases[] = {{0x80, {}, 5},
               {1u << 9, {}, 4},
               {kDefaultClearHistoryFlags,
                {u"Recent File List", u"Recent Folder List", u"Recent Insert List",
                 u"Recent Workspace List", u"Recent Font List", u"filter data"},
                1}};
  for (const auto& c : cases) {
    RecordingRemover remover;
    ClearHistories(store, h, c.flags, remover);
    EXPECT_EQ(remover.removed, c.removed) << c.flags;
    EXPECT_EQ(CommonValues(store).size(), c.valuesLeft) << c.flags;
  }
}

TEST_P(SpecialPages, HistoryFoldersAndExcludeCacheSetNoBit) {
  PageModel& page = Loaded(page::kHistory);
  page.Working(*page.RowOf(u"ExcludeInternetCache")).number = 0;
  page.Extension<HistoryExtension>().folders = {u"C:\\Temp"};
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(store.ReadStringList(OpenCommon(store), u"ExclusionFolders"),
            (std::vector<std::u16string>{u"C:\\Temp"}));
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, SpecialPages, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
