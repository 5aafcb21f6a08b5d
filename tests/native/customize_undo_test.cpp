// The Customize pages against their defaults ("@modified", its marks, reset to default with the
// default named as its control shows it, restoring a page) and the undo stack over the sheet's
// pages: after any N actions and N undos, OK saves exactly what an OK without them saves.

#include "customize/customize_undo.h"

#include <gtest/gtest.h>

#include <random>

#include "customize/page_extensions.h"
#include "customize/settings_catalog.h"
#include "customize/sheet_transfer.h"
#include "settings/memory_file_store.h"
#include "settings/settings_file.h"
#include "customize/setting_reset.h"
#include "customize/additional_text.h"
#include "customize_ids.h"
#include "resource_file.h"
#include "customize_test_support.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

using Kind = ShownDefault::Kind;

class Sheet : public ::testing::TestWithParam<bool> {
 protected:
  Sheet() : store(GetParam()), session(env), defaults(session) {}
  void Load() { session.Load(store, OpenCommon(store)); }
  PageModel& Shown(size_t page) {
    session.Page(page).visited = true;
    return session.Page(page);
  }
  std::vector<size_t> Modified() {
    std::vector<size_t> pages;
    for (size_t p = 0; p < page::kCount; ++p)
      if (defaults.PageModified(p)) pages.push_back(p);
    return pages;
  }
  void Put(std::u16string_view name, uint32_t value) {
    store.WriteDword(OpenCommon(store), name, value);
  }

  FakeCustomizeEnvironment env;
  MemorySettings store;
  CustomizeSession session;
  CustomizeDefaults defaults;
};

TEST_P(Sheet, NothingStoredLeavesNoPageModified) {
  Load();
  EXPECT_EQ(Modified(), std::vector<size_t>{});
}

TEST_P(Sheet, TwoStoredValuesOnTwoPagesMarkExactlyThosePagesAndControls) {
  const std::u16string saveOpenDir(env.flags.Row(flag::kSaveOpenDir)->name);
  Put(saveOpenDir, env.flags.Row(flag::kSaveOpenDir)->def ? 0 : 1);
  Put(u"TabWidth", 200);
  Put(u"TabIcon", 1);  // stored, but its default: no change
  Load();
  EXPECT_EQ(Modified(), (std::vector<size_t>{page::kFile, page::kTab}));
  EXPECT_EQ(defaults.Marks(page::kTab), (PageHits{{IDC_TAB_WIDTH}, {}}));
  EXPECT_EQ(defaults.Marks(page::kFile), (PageHits{{}, {0}}));
  // An edit marks its control, a changed choice both boxes whose tick differs.
  PageModel& file = Shown(page::kFile);
  file.SetText(IDC_FILE_FILTER, u"*.csv");
  file.SetBoxes({{IDS_FILE_SHOW_DETECT, false}, {IDS_FILE_SHOW_DETECT_FAILED, true}});
  EXPECT_EQ(defaults.Marks(page::kFile), (PageHits{{IDC_FILE_FILTER}, {0, 4, 5}}));
  // Back at their defaults, the page is no longer modified.
  for (uint16_t id : {uint16_t(IDC_FILE_FILTER), uint16_t(IDS_FILE_SHOW_DETECT),
                      uint16_t(IDS_FILE_SAVE_OPEN_DIR)})
    EXPECT_TRUE(ResetToDefault(file, defaults.Of(page::kFile), id)) << id;
  EXPECT_EQ(Modified(), std::vector<size_t>{page::kTab});
}

TEST_P(Sheet, ListsWithDefaultsMakeTheirPageModifiedAndTheUsersOwnListsDoNot) {
  Load();
  Shown(page::kStatus).Extension<StatusExtension>().order[1] = 2;
  Shown(page::kStatus).Extension<StatusExtension>().order[2] = 1;
  Shown(page::kActiveString).Extension<ActiveStringExtension>().table[0].text = u"changed";
  Shown(page::kHistory).Extension<HistoryExtension>().folders.push_back(u"C:\\temp");
  Shown(page::kCsv).Extension<CsvExtension>().list.Add(u"Mine", -1);
  EXPECT_EQ(Modified(), (std::vector<size_t>{page::kStatus, page::kActiveString}));
  // The kind changed and, for the kind chosen, its occasion (after the 22 kinds).
  EXPECT_EQ(defaults.Marks(page::kActiveString).rows, (std::vector<size_t>{0, kActiveStringKinds}));
}

TEST_P(Sheet, StatusItemsShownOrPlacedOtherwiseThanByDefaultAreMarked) {
  Put(u"StatusShowBits", kDefaultStatusShowBits ^ (1u << 3));
  Load();
  EXPECT_EQ(defaults.Marks(page::kStatus).rows, std::vector<size_t>{2});
  StatusOrder& order = session.Page(page::kStatus).Extension<StatusExtension>().order;
  std::swap(order[1], order[2]);
  EXPECT_EQ(defaults.Marks(page::kStatus).rows, (std::vector<size_t>{0, 1, 2}));
  std::swap(order[1], order[2]);
  StatusExtension::ShowBits(session.Page(page::kStatus)).number = kDefaultStatusShowBits;
  EXPECT_TRUE(defaults.Marks(page::kStatus).Empty());
}

TEST_P(Sheet, TheDefaultIsNamedAsItsControlShowsIt) {
  Load();
  PageModel& file = Shown(page::kFile);
  PageModel& tab = Shown(page::kTab);
  file.SetSelection(IDC_FILE_RANGE_UNIT, 1);  // KB
  struct Case {
    PageModel* page;
    size_t index;
    uint16_t id;
    ShownDefault shown;
  } cases[] = {
      {&tab, page::kTab, IDC_TAB_WIDTH, {Kind::kText, u"160"}},
      {&tab, page::kTab, IDC_TAB_STYLE, {Kind::kItem, u"", IDS_TAB_STYLE_TABS}},
      {&tab, page::kTab, IDC_TAB_ACTIVE_COLOR, {Kind::kColor, u"#99B4D1"}},
      {&tab, page::kTab, IDC_TAB_ICON, {Kind::kTicked}},
      {&file, page::kFile, IDS_FILE_SHOW_DETECT, {Kind::kTicked}},
      {&file, page::kFile, IDS_FILE_SHOW_DETECT_FAILED, {Kind::kCleared}},
      {&file, page::kFile, IDC_FILE_UTF8_SIZE, {Kind::kText, u"524288"}},
      {&file, page::kFile, IDC_FILE_RANGE_FROM, {Kind::kText, u"0"}},
      {&file, page::kFile, IDC_FILE_FILTER,
       {Kind::kText, u"*.txt;*.bat;*.htm;*.html;*.ini;*.inf;*.log;*.mac"}},
      {&file, page::kFile, IDC_FILE_ASSOCIATE, {}},  // a push button: nothing to reset
  };
  for (const Case& c : cases)
    EXPECT_EQ(DefaultShownBy(*c.page, defaults.Of(c.index), c.id), c.shown) << c.id;
  // The unit a range is shown in is no setting: it is never offered for a reset.
  EXPECT_FALSE(CanResetToDefault(file, defaults.Of(page::kFile), IDC_FILE_RANGE_UNIT));
  EXPECT_FALSE(CanResetToDefault(tab, defaults.Of(page::kTab), IDC_TAB_WIDTH));
  tab.SetText(IDC_TAB_WIDTH, u"90");
  EXPECT_TRUE(CanResetToDefault(tab, defaults.Of(page::kTab), IDC_TAB_WIDTH));
}

class ModuleStrings : public StringSource {
 public:
  std::u16string Load(uint32_t id) const override {
    return testing_res::ResourceFile::Localisation().String(id);
  }
};

TEST_P(Sheet, TheMenuEntryNamesTheDefaultAsTheControlShowsIt) {
  if (!testing_res::ResourceFile::Localisation().Loaded()) GTEST_SKIP() << "no localisation module";
  Load();
  const ModuleStrings strings;
  auto entry = [&](size_t p, uint16_t id) {
    return ResetEntryText(DefaultShownBy(session.Page(p), defaults.Of(p), id), strings);
  };
  EXPECT_EQ(entry(page::kTab, IDC_TAB_WIDTH), u"&Reset to default (160)");
  EXPECT_EQ(entry(page::kTab, IDC_TAB_ICON), u"&Reset to default (ticked)");
  EXPECT_EQ(entry(page::kFile, IDS_FILE_SHOW_DETECT_FAILED), u"&Reset to default (cleared)");
  EXPECT_EQ(entry(page::kTab, IDC_TAB_STYLE),
            u"&Reset to default (" + strings.Load(IDS_TAB_STYLE_TABS) + u")");
  EXPECT_EQ(entry(page::kFile, IDC_FILE_ASSOCIATE), u"");
  // A long default is cut, and its ampersands show in the menu.
  const std::u16string tag = entry(page::kEdit, IDC_EDIT_TAG_FIND);
  EXPECT_NE(tag.find(u"&&"), std::u16string::npos);
  EXPECT_EQ(tag.substr(tag.size() - 2), u"\u2026)");
  EXPECT_LE(tag.size(), std::u16string(u"&Reset to default ()").size() + 40 + 1);
}

TEST_P(Sheet, ResetRunsThePagesRulesAndOkWritesTheDefault) {
  Put(u"TabWidth", 200);
  Load();
  PageModel& file = Shown(page::kFile);
  file.SetBoxes({{IDS_FILE_SHOW_DETECT, false}, {IDS_FILE_SHOW_DETECT_FAILED, true}});
  // Resetting the second box resets the choice: the first box is ticked again.
  EXPECT_TRUE(ResetToDefault(file, defaults.Of(page::kFile), IDS_FILE_SHOW_DETECT_FAILED));
  EXPECT_TRUE(file.IsOn(IDS_FILE_SHOW_DETECT));
  EXPECT_FALSE(file.IsOn(IDS_FILE_SHOW_DETECT_FAILED));
  EXPECT_FALSE(ResetToDefault(file, defaults.Of(page::kFile), IDS_FILE_SHOW_DETECT));

  PageModel& tab = Shown(page::kTab);
  EXPECT_TRUE(ResetToDefault(tab, defaults.Of(page::kTab), IDC_TAB_WIDTH));
  const CustomizeOutcome out = session.Save(store, OpenCommon(store), nullptr);
  EXPECT_EQ(store.ReadDword(OpenCommon(store), u"TabWidth", 0), 160u);
  EXPECT_EQ(out.changes & 0x4002, 0x4002u);
}

// Every control of every page that shows a setting: moved off its default, it offers the
// reset, and the reset brings it back.
TEST_P(Sheet, EveryBoundControlCanBeResetToItsDefault) {
  Load();
  for (size_t p = 0; p < page::kCount; ++p) {
    PageModel& m = Shown(p);
    const PageDefaults& def = defaults.Of(p);
    for (const Binding& b : m.Page().bindings) {
      if (DefaultShownBy(m, def, b.id).kind == Kind::kNone) continue;
      if (m.Page().rows[b.row].stored == Stored::kNone) continue;
      SCOPED_TRACE(testing::Message() << "page " << p << " control " << b.id);
      const PageState before = CapturePage(m);
      SettingValue& v = m.Working(b.row);
      if (m.Page().rows[b.row].stored == Stored::kString)
        v.text = v.text.empty() ? u"x" : std::u16string();
      else if (b.show == Show::kBit)
        v.number ^= b.arg;
      else if (b.show == Show::kChoice)
        v.number = v.number == b.arg ? b.other : b.arg;
      else if (b.show == Show::kCombo && !b.values.empty())
        v.number = b.values[(m.SelectionOf(b.id) + 1) % b.values.size()];
      else if (b.show == Show::kCombo)
        v.number = (v.number + 1) % b.items.size();
      else
        v.number = v.number ? 0 : 1;
      if (!BindingDiffers(m, def, b)) {  // a choice whose other value is this one's default
        RestorePage(m, before);
        continue;
      }
      EXPECT_TRUE(CanResetToDefault(m, def, b.id));
      EXPECT_TRUE(ResetToDefault(m, def, b.id));
      EXPECT_FALSE(BindingDiffers(m, def, b));
      EXPECT_FALSE(CanResetToDefault(m, def, b.id));
      RestorePage(m, before);
    }
  }
}

TEST_P(Sheet, RestoringAPageGivesItsDefaultsAndKeepsTheUsersLists) {
  Put(u"StatusShowBits", 1);
  Load();
  PageModel& status = session.Page(page::kStatus);
  std::swap(status.Extension<StatusExtension>().order[1], status.Extension<StatusExtension>().order[2]);
  RestorePageDefaults(status);
  EXPECT_TRUE(status.visited) << "a restored page is written at OK";
  EXPECT_FALSE(defaults.PageModified(page::kStatus));
  EXPECT_EQ(status.Extension<StatusExtension>().order, IdentityStatusOrder());

  PageModel& csv = session.Page(page::kCsv);
  CsvFormatList& formats = csv.Extension<CsvExtension>().list;
  const int mine = formats.Add(u"Mine", -1);
  ASSERT_GE(mine, 0);
  RestorePageDefaults(csv);
  ASSERT_GT(formats.Size(), size_t(mine));
  EXPECT_EQ(formats.Formats()[mine].name, u"Mine");
}

// What an OK leaves: the store, the records and the shell actions, and what it reports.
struct AfterOk {
  std::map<std::u16string, std::map<std::u16string, std::tuple<int, std::vector<uint8_t>, std::u16string>>> keys;
  std::map<uint32_t, RecordLists> records;
  std::vector<std::u16string> shell;
  std::vector<std::vector<uint32_t>> moved;
  CustomizeOutcome out;
  uint32_t restart = 77;
  bool operator==(const AfterOk& o) const {
    return keys == o.keys && records == o.records && shell == o.shell && moved == o.moved &&
           out.result == o.out.result && out.changes == o.out.changes && restart == o.restart;
  }
};

AfterOk Ok(CustomizeSession& session, MemorySettings& store, FakeCustomizeEnvironment& env) {
  AfterOk after;
  after.out = session.Save(store, OpenCommon(store), &after.restart);
  for (auto& [key, values] : store.Keys())
    for (auto& [name, v] : values)
      after.keys[key][name] = {int(v.type), v.bytes, v.text};
  after.records = env.records;
  after.shell = env.shell;
  after.moved = env.moved;
  return after;
}

// One user action of some kind on some page, as the sheet would record it.
void RandomAction(std::mt19937& rng, CustomizeUndo& undo, CustomizeDefaults& defaults,
                  CustomizeSession& session) {
  const size_t p = rng() % page::kCount;
  PageModel& m = session.Page(p);
  const auto& bindings = m.Page().bindings;
  switch (rng() % 8) {
    case 0:  // a page restored
      undo.Track({p}, UndoKind::kRestorePage, RestorePageDefaults);
      return;
    case 1: {  // a list edited
      undo.Track({p}, UndoKind::kListEdit, [&](PageModel& page) {
        if (!page.HasExtension()) return;
        if (p == page::kStatus)
          std::swap(page.Extension<StatusExtension>().order[1 + rng() % 16],
                    page.Extension<StatusExtension>().order[1 + rng() % 16]);
        else if (p == page::kCsv)
          page.Extension<CsvExtension>().list.Add(u"New", 0);
        else if (p == page::kActiveString)
          page.Extension<ActiveStringExtension>().table[rng() % 22].text += u"x";
        else if (p == page::kHistory)
          page.Extension<HistoryExtension>().folders.push_back(u"C:\\x");
        else if (p == page::kRendering)
          page.Extension<RenderingExtension>().model.fallback.push_back(u"Arial");
      });
      return;
    }
    default:
      break;
  }
  if (bindings.empty()) return;
  const Binding& b = bindings[rng() % bindings.size()];
  const UndoPlace place{p, b.id};
  if (rng() % 4 == 0) {
    undo.Track(place, UndoKind::kReset,
               [&](PageModel& page) { ResetToDefault(page, defaults.Of(p), b.id); });
    return;
  }
  undo.Track(place, UndoKind::kChange, [&](PageModel& page) {
    switch (b.show) {
      case Show::kNumber:
      case Show::kText:
        page.SetText(b.id, page.Page().rows[b.row].stored == Stored::kString
                               ? page.TextOf(b.id) + u"7"
                               : FormatDecimal(rng() % 1000));
        break;
      case Show::kCombo:
        page.SetSelection(b.id, static_cast<int>(rng() % b.items.size()));
        break;
      case Show::kColor:
        page.SetColor(b.id, page.ColorOf(b.id) + 1);
        break;
      case Show::kButton:
      case Show::kBrowse:
        page.Press(b.id);
        break;
      default:
        page.SetBoxes({{b.id, !page.IsOn(b.id)}});
    }
  });
}

TEST_P(Sheet, NActionsThenNUndosSaveExactlyWhatAPlainOkSaves) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    // The same start for both: a few stored values, the same pages shown.
    auto prepare = [&](MemorySettings& s) {
      s.WriteDword(OpenCommon(s), u"TabWidth", 200);
      s.WriteString(OpenCommon(s), u"FileFilter", u"*.csv");
      s.WriteDword(OpenCommon(s), u"StatusShowBits", 5);
    };
    std::vector<size_t> shown;
    std::mt19937 pick(seed);
    for (size_t p = 0; p < page::kCount; ++p)
      if (pick() % 2) shown.push_back(p);

    MemorySettings plainStore(GetParam());
    FakeCustomizeEnvironment plainEnv;
    prepare(plainStore);
    CustomizeSession plain(plainEnv);
    plain.Load(plainStore, OpenCommon(plainStore));
    for (size_t p : shown) plain.Page(p).visited = true;
    const AfterOk expected = Ok(plain, plainStore, plainEnv);

    MemorySettings s(GetParam());
    FakeCustomizeEnvironment e;
    prepare(s);
    CustomizeSession edited(e);
    edited.Load(s, OpenCommon(s));
    for (size_t p : shown) edited.Page(p).visited = true;
    CustomizeDefaults def(edited);
    CustomizeUndo undo(edited);
    std::mt19937 rng(seed * 7919);
    for (int i = 0; i < 60; ++i) RandomAction(rng, undo, def, edited);
    size_t undone = 0;
    while (undo.Undo()) ++undone;
    EXPECT_GT(undone, 20u);
    EXPECT_EQ(Ok(edited, s, e), expected);
  }
}

TEST_P(Sheet, UndoAndRedoGoAcrossPagesOneActionAtATime) {
  Load();
  CustomizeUndo undo(session);
  const UndoPlace width{page::kTab, IDC_TAB_WIDTH}, filter{page::kFile, IDC_FILE_FILTER};
  EXPECT_TRUE(undo.Track(width, UndoKind::kChange,
                         [](PageModel& m) { m.SetText(IDC_TAB_WIDTH, u"99"); }));
  EXPECT_TRUE(undo.Track(filter, UndoKind::kChange,
                         [](PageModel& m) { m.SetText(IDC_FILE_FILTER, u"*.x"); }));
  EXPECT_TRUE(undo.Track({page::kTab, IDC_TAB_WIDTH}, UndoKind::kReset, [&](PageModel& m) {
    ResetToDefault(m, defaults.Of(page::kTab), IDC_TAB_WIDTH);
  }));
  EXPECT_TRUE(undo.Track({page::kStatus}, UndoKind::kRestorePage, RestorePageDefaults));
  // Nothing changed: nothing to undo.
  EXPECT_FALSE(undo.Track(width, UndoKind::kChange,
                          [](PageModel& m) { m.SetText(IDC_TAB_WIDTH, u"160"); }));

  PageModel& tab = session.Page(page::kTab);
  EXPECT_EQ(undo.Undo(), (UndoPlace{page::kStatus}));
  EXPECT_FALSE(session.Page(page::kStatus).visited);
  EXPECT_EQ(undo.Undo(), width);
  EXPECT_EQ(tab.TextOf(IDC_TAB_WIDTH), u"99");
  EXPECT_EQ(undo.Undo(), filter);
  EXPECT_EQ(session.Page(page::kFile).TextOf(IDC_FILE_FILTER), kFilePage.rows[15].textDef);
  EXPECT_EQ(undo.Redo(), filter);
  EXPECT_EQ(session.Page(page::kFile).TextOf(IDC_FILE_FILTER), u"*.x");
  EXPECT_TRUE(undo.CanRedo());
  // A new action forgets what was undone.
  EXPECT_TRUE(undo.Track(width, UndoKind::kChange,
                         [](PageModel& m) { m.SetText(IDC_TAB_WIDTH, u"100"); }));
  EXPECT_FALSE(undo.CanRedo());
  EXPECT_EQ(undo.Redo(), std::nullopt);
  EXPECT_EQ(undo.Undo(), width);
  EXPECT_EQ(tab.TextOf(IDC_TAB_WIDTH), u"99");
  EXPECT_EQ(undo.Undo(), filter);
  EXPECT_EQ(undo.Undo(), width);
  EXPECT_EQ(tab.TextOf(IDC_TAB_WIDTH), u"160");
  EXPECT_FALSE(undo.CanUndo());
  EXPECT_EQ(undo.Undo(), std::nullopt);
}

TEST_P(Sheet, AnUndoneRenderingPreviewStillCountsAsSent) {
  Load();
  CustomizeUndo undo(session);
  undo.Track({page::kRendering}, UndoKind::kListEdit, [](PageModel& m) {
    RenderingModel& r = m.Extension<RenderingExtension>().model;
    r.fallback.push_back(u"Arial");
    r.applied = true;
  });
  ASSERT_TRUE(undo.Undo());
  const RenderingModel& r = session.Page(page::kRendering).Extension<RenderingExtension>().model;
  EXPECT_TRUE(r.fallback.empty());
  EXPECT_TRUE(r.applied);
}

// A flag of the table that no page shows.
const FlagRow* UnshownFlag(const FlagTable& flags) {
  for (uint32_t i = 0; i < kFlagRowCount; ++i) {
    bool shown = false;
    for (const PageDescriptor* page : CustomizePages())
      for (const SettingRow& row : page->rows)
        shown =
            shown || (row.stored == Stored::kFlag ? row.def == i : row.key == flags.Row(i)->name);
    if (!shown) return flags.Row(i);
  }
  return nullptr;
}

TEST_P(Sheet, AnImportInTheSheetIsOneUndoStepOverWhatThePagesShowAndWritesNothing) {
  Put(u"TabWidth", 200);
  Load();
  MemoryFileStore files;
  const BinPathBuilder binPath = [](std::u16string_view folder, std::u16string_view name) {
    return std::u16string(folder) + u"/" + std::u16string(name);
  };
  const RecordPlace place{files, binPath};
  const SettingsCatalog catalog = CustomizeCatalog(env.flags);
  CustomizeUndo undo(session);
  PageModel& tab = session.Page(page::kTab);
  tab.SetText(IDC_TAB_WIDTH, u"150");  // typed, not saved
  // The export holds what the page shows, not what is stored.
  const SettingsFile shown = CollectShown(session, store, catalog, place, false);
  ASSERT_EQ(shown.values.size(), 1u);
  EXPECT_EQ(shown.values[0].value, DwordValue(150));

  const FlagRow* flag = UnshownFlag(env.flags);
  ASSERT_NE(flag, nullptr);
  const std::u16string unshown(flag->name);
  const std::string text =
      "Scrivlet settings\nversion = 1\n[Common]\nTabWidth = dword 120\n"
      "ReadOnlyIcon = dword 0\n" +
      std::string(unshown.begin(), unshown.end()) + " = dword " + (flag->def ? "0" : "1") +
      "\nStatusOrderArray = binary 00000000020000000100000003000000\n"
      "[Record Menu0]\ndword 1\nend\n[Record ActiveS]\nend\n[End]\n";
  const SettingsFileRead read =
      ReadSettingsFile(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  ASSERT_EQ(read.refusal, FileProblem::kNone);
  const ImportPlan plan = PlanSheetImport(read.file, session, store, catalog, place);
  std::vector<std::pair<ReportKind, std::u16string>> kinds;
  for (const ReportEntry& e : plan.entries) kinds.emplace_back(e.kind, e.name);
  using K = ReportKind;
  EXPECT_EQ(kinds,
            (std::vector<std::pair<ReportKind, std::u16string>>{{K::kChange, u"TabWidth"},
                                                                {K::kChange, u"ReadOnlyIcon"},
                                                                {K::kLeftOut, unshown},
                                                                {K::kChange, u"StatusOrderArray"},
                                                                {K::kLeftOut, u"Menu0"},
                                                                {K::kChange, u"ActiveS"}}));
  EXPECT_EQ(plan.entries[0].was, DwordValue(150));  // compared with what the page shows
  EXPECT_EQ(plan.values.size(), 3u);
  EXPECT_EQ(plan.records.size(), 1u);

  std::vector<PageState> before;
  for (size_t p = 0; p < page::kCount; ++p) before.push_back(CapturePage(session.Page(p)));
  ASSERT_TRUE(ImportIntoPages(plan, undo, {page::kTab}));
  EXPECT_EQ(tab.TextOf(IDC_TAB_WIDTH), u"120");
  EXPECT_FALSE(tab.IsOn(IDC_TAB_READ_ONLY_ICON));
  EXPECT_TRUE(tab.visited);  // so that OK writes it
  const auto& status = session.Page(page::kStatus).Extension<StatusExtension>();
  EXPECT_EQ(status.order[1], 2u);
  EXPECT_EQ(session.Page(page::kActiveString).Extension<ActiveStringExtension>().table,
            BuiltinActiveStrings());
  // Nothing written.
  const SettingsHandle h = OpenCommon(store);
  EXPECT_EQ(store.ReadDword(h, u"TabWidth", 0), 200u);
  for (std::u16string_view name :
       {std::u16string_view(u"ReadOnlyIcon"), std::u16string_view(unshown),
        std::u16string_view(u"StatusOrderArray")})
    EXPECT_FALSE(store.HasValue(h, name)) << std::string(name.begin(), name.end());
  EXPECT_EQ(files.Find(binPath(u"Common", u"ActiveS")), nullptr);
  // One undo gives every page back exactly; redo does the import again.
  EXPECT_EQ(undo.Undo(), UndoPlace{page::kTab});
  for (size_t p = 0; p < page::kCount; ++p)
    EXPECT_TRUE(SameState(CapturePage(session.Page(p)), before[p])) << p;
  EXPECT_FALSE(undo.CanUndo());
  EXPECT_TRUE(undo.Redo());
  EXPECT_EQ(tab.TextOf(IDC_TAB_WIDTH), u"120");
}

TEST(UndoStack, ForgetsTheOldestBeyondItsLimit) {
  UndoStack<int> stack(2);
  auto same = [](int a, int b) { return a == b; };
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(stack.Record({size_t(i)}, UndoKind::kChange, i, i + 1, same));
  EXPECT_FALSE(stack.Record({9}, UndoKind::kChange, 4, 4, same));
  EXPECT_EQ(stack.UndoCount(), 2u);
  EXPECT_EQ(stack.Undo()->place.page, 2u);
  EXPECT_EQ(stack.Undo()->before, 1);
  EXPECT_EQ(stack.Undo(), nullptr);
  EXPECT_EQ(stack.RedoCount(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Stores, Sheet, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv
