// The Customize pages' rules that their tables cannot say: the File page's byte range and
// encoding options, the Window page's size button, the Advanced page's restart notice, the
// Language page's change bits, the fallbacks of the Sort and Outline pages, and the sheet's
// save pass over all pages.

#include <gtest/gtest.h>

#include "customize/customize_session.h"
#include "customize/page_extensions.h"
#include "customize_ids.h"
#include "customize_test_support.h"

namespace scrv {
namespace {

class Rules : public ::testing::Test {
 protected:
  PageModel& Open(const PageDescriptor& page) {
    model = std::make_unique<PageModel>(page);
    model->Load(store, OpenCommon(store), env);
    model->visited = true;
    return *model;
  }
  uint64_t Save() {
    SaveContext ctx{store, OpenCommon(store), env, 1, &restart};
    uint64_t bits = model->Save(ctx);
    result = ctx.result;
    return bits;
  }
  void Put(const char16_t* name, uint32_t value) {
    store.WriteDword(OpenCommon(store), name, value);
  }
  void PutText(const char16_t* name, const char16_t* text) {
    store.WriteString(OpenCommon(store), name, text);
  }
  uint32_t Stored(const char16_t* name) { return store.ReadDword(OpenCommon(store), name, 12345); }
  ControlState State(uint16_t id) {
    for (const ControlState& s : model->States())
      if (s.id == id) return s;
    return {};
  }
  size_t Row(const char16_t* key) { return model->RowOf(key).value(); }

  FakeCustomizeEnvironment env;
  MemorySettings store;
  std::unique_ptr<PageModel> model;
  uint32_t result = 0, restart = 77;
};

TEST_F(Rules, FileEncodingOptionsLockEachOther) {
  PageModel& m = Open(kFilePage);
  m.SetBoxes({{IDS_FILE_SHOW_DETECT, false}, {IDS_FILE_SHOW_DETECT_FAILED, true}});
  EXPECT_TRUE(State(IDS_FILE_SHOW_DETECT_FAILED).on);
  EXPECT_TRUE(State(IDS_FILE_SHOW_DETECT_GREP).enabled);
  // Ticking option 4 while option 5 is still ticked clears and disables option 5.
  m.SetBoxes({{IDS_FILE_SHOW_DETECT, true}, {IDS_FILE_SHOW_DETECT_FAILED, true}});
  EXPECT_EQ(m.Working(Row(u"ShowDetect")).number, 1u);
  EXPECT_FALSE(State(IDS_FILE_SHOW_DETECT_FAILED).on);
  EXPECT_FALSE(State(IDS_FILE_SHOW_DETECT_FAILED).enabled);
  m.SetBoxes({{IDS_FILE_SHOW_DETECT, false}, {IDS_FILE_SHOW_DETECT_FAILED, false}});
  EXPECT_EQ(m.Working(Row(u"ShowDetect")).number, 0u);
  EXPECT_FALSE(State(IDS_FILE_SHOW_DETECT_GREP).enabled);
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(Stored(u"ShowDetect"), 0u);
}

TEST_F(Rules, FileRangeBoundsFollowEachOtherByOneUnit) {
  PageModel& m = Open(kFilePage);
  m.SetSelection(IDC_FILE_RANGE_UNIT, 1);  // KB
  m.SetText(IDC_FILE_RANGE_TO, u"5");
  m.SetText(IDC_FILE_RANGE_FROM, u"10");  // left with the upper bound smaller
  EXPECT_EQ(m.TextOf(IDC_FILE_RANGE_TO), u"11");
  EXPECT_EQ(m.Working(Row(u"DefaultBytesTo")).number, 11u * 1024);
  m.SetText(IDC_FILE_RANGE_TO, u"4");
  EXPECT_EQ(m.TextOf(IDC_FILE_RANGE_FROM), u"3");
  // Another unit shows the same bytes anew; an upper bound of 0 is no bound.
  m.SetSelection(IDC_FILE_RANGE_UNIT, 0);
  EXPECT_EQ(m.TextOf(IDC_FILE_RANGE_FROM), u"3072");
  m.SetText(IDC_FILE_RANGE_TO, u"0");
  m.SetText(IDC_FILE_RANGE_FROM, u"9000");
  EXPECT_EQ(m.TextOf(IDC_FILE_RANGE_TO), u"0");
  EXPECT_EQ(Save(), 0x4000u);
  EXPECT_EQ(store.ReadQword(OpenCommon(store), u"DefaultBytesFrom", 0), 9000u);
}

TEST_F(Rules, FileRangeOpensInTheLargestWholeUnit) {
  store.WriteQword(OpenCommon(store), u"DefaultBytesFrom", 3 * 1048576ull);
  store.WriteQword(OpenCommon(store), u"DefaultBytesTo", 5 * 1048576ull + 1024);
  PageModel& m = Open(kFilePage);
  EXPECT_EQ(m.SelectionOf(IDC_FILE_RANGE_UNIT), 1);
  EXPECT_EQ(m.TextOf(IDC_FILE_RANGE_FROM), u"3072");
  // Looking at a value in a coarser unit does not round it.
  m.SetSelection(IDC_FILE_RANGE_UNIT, 2);
  m.SetText(IDC_FILE_RANGE_TO, m.TextOf(IDC_FILE_RANGE_TO));
  EXPECT_EQ(Save(), 0u);
}

TEST_F(Rules, FileResetAndPrinterBit) {
  PageModel& m = Open(kFilePage);
  m.SetText(IDC_FILE_FILTER, u"*.md");
  m.SetText(IDC_FILE_UTF8_SIZE, u"10");
  m.SetBoxes({{IDS_FILE_AVOID_PRINTER, false}});
  EXPECT_EQ(Save(), 0x100u);
  m.Reset();
  EXPECT_EQ(m.TextOf(IDC_FILE_UTF8_SIZE), u"524288");
  EXPECT_EQ(m.TextOf(IDC_FILE_FILTER), u"*.txt;*.bat;*.htm;*.html;*.ini;*.inf;*.log;*.mac");
  EXPECT_TRUE(m.IsOn(IDS_FILE_AVOID_PRINTER));
}

TEST_F(Rules, WindowSizeButtonRecordsTheSizeAndTicksRestore) {
  PageModel& m = Open(kWindowPage);
  m.Press(IDC_WINDOW_USE_CURRENT);
  EXPECT_TRUE(State(IDC_WINDOW_RESTORE_SIZE).on);
  EXPECT_FALSE(State(IDC_WINDOW_USE_CURRENT).enabled);
  m.SetBoxes({{IDC_WINDOW_RESTORE_POS, true}, {IDC_WINDOW_RESTORE_SIZE, true}});
  EXPECT_FALSE(State(IDC_WINDOW_RESTORE_SIZE).enabled);
  m.SetBoxes({{IDC_WINDOW_BEEP_QUIET, true}});
  Save();
  EXPECT_EQ(result, 3u);
  EXPECT_EQ(Stored(u"RestoreWindowSize"), 2u);
  EXPECT_EQ(Stored(u"BeepLevel"), 1u);
  EXPECT_EQ(Stored(u"SaveAlwaysTop"), 12345u);  // written only when changed
}

TEST_F(Rules, AdvancedRestartNotice) {
  struct Case {
    const char16_t* key;
    uint32_t from, to;
    uint32_t restart;
    uint64_t bits;
  } cases[] = {
      {u"L1CacheSize", 256, 512, 4097, 0}, {u"MultipleProcesses", 0, 1, 8193, 0},
      {u"CPU", 1, 2, 0, 0x4000},           {u"CPU", 2, 3, 4097, 0},
      {u"MaxThreads", 0, 4, 0, 0x4000},    {u"SortMemoryPercent", 90, 50, 0, 0x4000},
      {u"MemoryFileMB", 0, 64, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.key, c.key + 3) << " " << c.to);
    store = MemorySettings();
    Put(c.key, c.from);
    PageModel& m = Open(kAdvancedPage);
    m.Working(Row(c.key)).number = c.to;
    restart = 77;
    EXPECT_EQ(Save(), c.bits);
    EXPECT_EQ(restart, c.restart);
    EXPECT_EQ(result, std::u16string_view(c.key) == u"MemoryFileMB" ? 129u : 1u);
  }
  // A folder that differs only in case is the same folder.
  PutText(u"TempFolder", u"C:\\Temp");
  PageModel& m = Open(kAdvancedPage);
  m.SetText(IDC_ADV_TEMP_FOLDER, u"c:\\TEMP");
  Save();
  EXPECT_EQ(restart, 0u);
}

TEST_F(Rules, LanguageChangeBitsAndRestart) {
  PageModel& m = Open(kLanguagePage);
  EXPECT_EQ(m.Working(Row(u"LangFolder")).text, u"1033");
  m.Working(Row(u"LangFolder")).text = u"1041";
  EXPECT_EQ(Save(), 0x482u);
  EXPECT_EQ(restart, 4097u);

  PutText(u"LangFolder", u"1041");
  Open(kLanguagePage).SetBoxes({{IDC_LANG_CLASSIC_ICON, true}});
  restart = 8193;
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(restart, 8193u);
  EXPECT_EQ(Stored(u"IconDesign"), 0u);

  // An empty stored folder is folder 1033; a change of case only is no change.
  PutText(u"LangFolder", u"");
  Open(kLanguagePage).Working(Row(u"LangFolder")).text = u"1033";
  restart = 77;
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(restart, 77u);
}

TEST_F(Rules, SortLocaleComesFromTheOldLcidOrTheSystem) {
  Put(u"SortLocale", 1031);
  EXPECT_EQ(Open(kSortPage).Working(Row(u"SortLocaleName")).text, u"de-DE");
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(Stored(u"SortOptions"), 0x20000000u);  // always written
  EXPECT_EQ(store.ReadString(OpenCommon(store), u"SortLocaleName", 85, u"none"), u"none");

  store = MemorySettings();
  PageModel& m = Open(kSortPage);
  EXPECT_EQ(m.Working(Row(u"SortLocaleName")).text, u"en-US");
  m.Working(Row(u"SortLocaleName")).text = u"fr-FR";
  EXPECT_EQ(Save(), 0x4000u);
}

TEST_F(Rules, OutlineFollowsTheCustomBarUntilItsPositionIsStored) {
  Put(u"CustomBarPos", 3);
  Put(u"FocusBar", 5);
  Put(u"OutlineBarConfig", 1);
  PageModel& m = Open(kOutlinePage);
  EXPECT_EQ(m.SelectionOf(IDC_OUTLINE_POS), 3);
  EXPECT_TRUE(m.IsOn(IDC_OUTLINE_FOCUS));
  EXPECT_FALSE(m.IsOn(IDC_OUTLINE_CONFIG));
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(Stored(u"OutlineBarPos"), 3u);
  EXPECT_EQ(Stored(u"OutlineBarConfig"), 0u);

  Open(kOutlinePage).SetSelection(IDC_OUTLINE_POS, 0);
  EXPECT_EQ(Save(), 0x20000000u);
}

TEST_F(Rules, InvertedBoxWritesTheFlagItHides) {
  PageModel& m = Open(kSearchPage);
  EXPECT_TRUE(m.IsOn(IDC_SEARCH_NUM_RANGE));
  m.SetBoxes({{IDC_SEARCH_NUM_RANGE, false}});
  Save();
  EXPECT_EQ(Stored(u"SkipNumRange"), 1u);
}

TEST_F(Rules, ShortcutPageActsOnTheShellForWhatChanged) {
  PageModel& m = Open(kShortcutPage);
  m.SetBoxes({{IDC_SHORTCUT_TRAY, true}, {IDC_SHORTCUT_QUICK_START, true}});
  EXPECT_EQ(Save(), 0u);
  EXPECT_EQ(env.shell, std::vector<std::u16string>{u"tray on"});
}

TEST_F(Rules, ABoxShowingAStoredTwoIsLeftAlone) {
  Put(u"UseSysColorCaret", 2);
  PageModel& m = Open(kViewPage);
  m.SetBoxes({{IDC_VIEW_CARET_SYSTEM, true}, {IDC_VIEW_SYNC_WRAP, true}});
  EXPECT_EQ(Save(), 0x10000u);
  EXPECT_EQ(Stored(u"UseSysColorCaret"), 2u);
}

class Session : public Rules {};

TEST_F(Session, OkOnTheFilePageAloneWritesOnlyTheFileFilter) {
  CustomizeSession session(env);
  session.Load(store, OpenCommon(store));
  session.Page(page::kFile).visited = true;
  CustomizeOutcome out = session.Save(store, OpenCommon(store), &restart);
  EXPECT_EQ(out.result, 1u);
  EXPECT_EQ(out.changes, 0u);
  ASSERT_EQ(CommonValues(store).size(), 1u);
  EXPECT_TRUE(CommonValues(store).count(u"FileFilter"));
  EXPECT_EQ(restart, 77u);
}

TEST_F(Session, ResultsAndBitsOfSeveralPagesAddUpAndTheLanguageSpeaksLast) {
  CustomizeSession session(env);
  session.Load(store, OpenCommon(store));
  for (size_t p : {page::kCsv, page::kView, page::kAdvanced, page::kLanguage})
    session.Page(p).visited = true;
  PageModel& status = session.Page(page::kStatus);
  status.visited = true;
  StatusExtension::ShowBits(status).number |= 8;
  session.Page(page::kAdvanced).SetText(IDC_ADV_L1, u"512");
  session.Page(page::kLanguage).SetBoxes({{IDC_LANG_SYSTEM, false}});
  CustomizeOutcome out = session.Save(store, OpenCommon(store), &restart);
  EXPECT_EQ(out.result, 1u | 32u);
  EXPECT_EQ(out.changes, 0x4u | 0x10000u | 0x482u);
  EXPECT_EQ(restart, 4097u);
  EXPECT_EQ(Stored(u"StatusShowBits"), 2679u | 8u);
  EXPECT_TRUE(TrayNeedsChange(out.changes));
  EXPECT_FALSE(TrayNeedsChange(0x4));
}

}  // namespace
}  // namespace scrv
