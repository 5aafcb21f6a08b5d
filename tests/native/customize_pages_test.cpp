// Every Customize page's table, walked the way the sheet walks it: load from the store, edit,
// reset and save, in both shapes of the store (registry values and INI text).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "frame/dialog_template.h"
#include "frame/reason_text.h"
#include "resource_file.h"
#include "customize_test_support.h"
#include "resource_ids.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

std::u16string KeyOf(const SettingRow& row, const FlagTable& flags) {
  if (row.stored == Stored::kFlag) return std::u16string(flags.Row(uint32_t(row.def))->name);
  return std::u16string(row.key);
}

// Another value for a row than the one it holds.
void ChangeRow(PageModel& m, size_t i) {
  const SettingRow& row = m.Page().rows[i];
  SettingValue& v = m.Working(i);
  if (row.stored == Stored::kString) {
    if (v.text.size() + 2 >= row.capacity) v.text.pop_back();
    v.text += u"q";
  } else if (row.stored == Stored::kFlag) {
    v.number = !v.number;
  } else {
    v.number = row.stored == Stored::kDword ? uint32_t(v.number + 1) : v.number + 1;
  }
}

class PageTable : public ::testing::TestWithParam<std::tuple<size_t, bool>> {
 protected:
  PageTable() : store(std::get<1>(GetParam())), model(Page()) {}
  const PageDescriptor& Page() const { return *CustomizePages()[std::get<0>(GetParam())]; }
  void Load() { model.Load(store, OpenCommon(store), env); }
  uint64_t Save(uint32_t* restart = nullptr) {
    SaveContext ctx{store, OpenCommon(store), env, 1, restart};
    uint64_t bits = model.Save(ctx);
    result = ctx.result;
    return bits;
  }
  std::set<std::u16string> Written() {
    std::set<std::u16string> names;
    for (const auto& [name, value] : CommonValues(store)) names.insert(name);
    return names;
  }
  // The rows every save of a shown page writes; a flag row at its default is deleted instead.
  std::set<std::u16string> AlwaysWritten() {
    std::set<std::u16string> names;
    for (size_t i = 0; i < Page().rows.size(); ++i) {
      const SettingRow& row = Page().rows[i];
      if (row.write != Write::kAlways || row.stored == Stored::kNone) continue;
      if (row.stored == Stored::kFlag && model.Working(i) == model.DefaultOf(i)) continue;
      names.insert(KeyOf(row, env.flags));
    }
    // The status bar's order is written with its rows.
    if (Page().templateId == IDD_CUST_STATUS) {
      names.insert(u"StatusOrderArray");
      if (store.IniMode()) names.insert(u"StatusOrderArray-Size");
    }
    return names;
  }

  FakeCustomizeEnvironment env;
  MemorySettings store;
  PageModel model;
  uint32_t result = 0;
};

TEST_P(PageTable, PageNeverShownWritesNothing) {
  Load();
  for (size_t i = 0; i < model.RowCount(); ++i) ChangeRow(model, i);
  uint32_t restart = 77;
  EXPECT_EQ(Save(&restart), 0u);
  EXPECT_TRUE(Written().empty());
  EXPECT_EQ(result, 1u);
  EXPECT_EQ(restart, 77u);
}

TEST_P(PageTable, UntouchedPageWritesOnlyItsAlwaysRowsAndVisitedBits) {
  Load();
  model.visited = true;
  uint32_t restart = 77;
  EXPECT_EQ(Save(&restart), Page().visitedBits);
  EXPECT_EQ(Written(), AlwaysWritten());
  EXPECT_EQ(result, 1u | Page().visitedResult);
}

TEST_P(PageTable, EachRowWritesItsKeyAndBitsAndReadsBack) {
  for (size_t i = 0; i < Page().rows.size(); ++i) {
    const SettingRow& row = Page().rows[i];
    if (row.stored == Stored::kNone) continue;
    SCOPED_TRACE(testing::Message() << "row " << i);
    store = MemorySettings(store.IniMode());
    model = PageModel(Page());
    Load();
    model.visited = true;
    ChangeRow(model, i);
    const SettingValue changed = model.Working(i);
    const uint64_t bits = Save();
    std::set<std::u16string> expected = AlwaysWritten();
    expected.insert(KeyOf(row, env.flags));
    EXPECT_EQ(Written(), expected);
    EXPECT_EQ(bits & row.changeBits, row.changeBits);
    EXPECT_EQ(result & row.resultBits, row.resultBits);

    PageModel again(Page());
    again.Load(store, OpenCommon(store), env);
    EXPECT_EQ(again.Working(i), changed);
  }
}

TEST_P(PageTable, AFlagSetBackToItsDefaultIsDeleted) {
  for (size_t i = 0; i < Page().rows.size(); ++i) {
    const SettingRow& row = Page().rows[i];
    if (row.stored != Stored::kFlag) continue;
    const std::u16string key = KeyOf(row, env.flags);
    const uint8_t def = env.flags.Row(uint32_t(row.def))->def;
    store = MemorySettings(store.IniMode());
    store.WriteDword(OpenCommon(store), key, def ? 0 : 1);
    model = PageModel(Page());
    Load();
    model.visited = true;
    model.Working(i).number = def;
    Save();
    EXPECT_FALSE(CommonValues(store).count(key)) << std::string(key.begin(), key.end());
  }
}

TEST_P(PageTable, ResetGivesEveryRowItsDefault) {
  Load();
  for (size_t i = 0; i < model.RowCount(); ++i) ChangeRow(model, i);
  model.Reset();
  for (size_t i = 0; i < model.RowCount(); ++i)
    EXPECT_EQ(model.Working(i), model.DefaultOf(i)) << i;
}

TEST_P(PageTable, BindingsAndRulesNameRowsAndBindingsOfThePage) {
  std::set<uint16_t> ids;
  bool listed = false;
  for (const Binding& b : Page().bindings) {
    EXPECT_LT(b.row, Page().rows.size()) << b.id;
    EXPECT_TRUE(ids.insert(b.id).second) << "binding " << b.id << " twice";
    listed = listed || b.inList;
    if (b.show == Show::kCombo) EXPECT_FALSE(b.items.empty()) << b.id;
    if (!b.values.empty()) EXPECT_EQ(b.values.size(), b.items.size()) << b.id;
  }
  EXPECT_EQ(listed, Page().optionList != 0);
  for (const EnableRule& r : Page().enables) {
    EXPECT_TRUE(ids.count(r.source)) << "rule source " << r.source;
    if (r.source2) EXPECT_TRUE(ids.count(r.source2)) << "rule source " << r.source2;
  }
}

// A field whose setting has a largest value (the small-value table's limit) refuses a number
// beyond it, and no number at all, with a sentence naming the field by the label before it in
// the template; the page's template has the line the sentence goes to, and the row keeps its
// value.
TEST_P(PageTable, ANumberBeyondWhatTheSettingHoldsIsRefusedWithAReason) {
  const std::vector<uint8_t>* bytes =
      testing_res::ResourceFile::Localisation().Dialog(Page().templateId);
  ASSERT_TRUE(bytes);
  const std::optional<DialogTemplateText> dialog =
      ReadDialogTemplateText(bytes->data(), bytes->size());
  ASSERT_TRUE(dialog);
  auto text = [](uint32_t id) { return testing_res::ResourceFile::Localisation().String(id); };
  Load();
  for (const Binding& b : Page().bindings) {
    const SettingRow& row = Page().rows[b.row];
    if (b.show != Show::kNumber || row.max == 0) continue;
    auto at = std::find_if(dialog->controls.begin(), dialog->controls.end(),
                           [&](const TemplateControl& c) { return c.id == b.id; });
    ASSERT_TRUE(at != dialog->controls.begin() && at != dialog->controls.end()) << b.id;
    const std::u16string label = FieldName((at - 1)->title), max = DecimalText(row.max);
    EXPECT_FALSE(label.empty()) << b.id;
    EXPECT_TRUE(std::any_of(dialog->controls.begin(), dialog->controls.end(),
                            [](const TemplateControl& c) { return c.id == IDC_CUST_NUMBER_REASON; }))
        << "no reason line on page " << Page().templateId;
    EXPECT_EQ(model.NumberReason(b.id, max, (at - 1)->title, text), u"");
    EXPECT_EQ(model.NumberReason(b.id, DecimalText(row.max + 1ll), (at - 1)->title, text),
              label + u" can be at most " + max + u".");
    EXPECT_EQ(model.NumberReason(b.id, u" ", (at - 1)->title, text),
              label + u" needs a number from 0 to " + max + u".");
    const SettingValue before = model.Working(b.row);
    model.SetText(b.id, u"99999");
    EXPECT_EQ(model.Working(b.row), before) << b.id;
  }
}

TEST(PageTables, TheHistoryLimitsAreBoundedByTheSmallValueTable) {
  PageModel history(*CustomizePages()[page::kHistory]);
  EXPECT_EQ(history.CheckNumber(IDC_HISTORY_FILES, u"127"), NumberProblem::kNone);
  EXPECT_EQ(history.CheckNumber(IDC_HISTORY_FILES, u"99999"), NumberProblem::kTooBig);
  EXPECT_EQ(history.CheckNumber(IDC_HISTORY_PURGE_DAYS, u"99999"), NumberProblem::kNone);
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageTable,
                         ::testing::Combine(::testing::Range<size_t>(0, page::kCount),
                                            ::testing::Bool()),
                         [](const auto& info) {
                           return "Page" + std::to_string(std::get<0>(info.param)) +
                                  (std::get<1>(info.param) ? "Ini" : "Registry");
                         });

TEST(PageTables, EveryKeyBelongsToOnePage) {
  FakeCustomizeEnvironment env;
  std::set<std::u16string> keys;
  for (const PageDescriptor* page : CustomizePages())
    for (const SettingRow& row : page->rows)
      if (row.stored != Stored::kNone)
        EXPECT_TRUE(keys.insert(KeyOf(row, env.flags)).second)
            << std::string(KeyOf(row, env.flags).begin(), KeyOf(row, env.flags).end());
}

// A key that the flag or small-value table owns is a DWORD on every page, with the table's
// default: a page with a default of its own would change the setting at OK although the user
// touched nothing. A key no table owns has one default wherever a page names it.
TEST(PageTables, EveryDefaultIsTheKeyTablesOrDeclaredOnce) {
  FakeCustomizeEnvironment env;
  std::map<std::u16string, uint64_t> owned;
  for (uint32_t i = 0; i < kFlagRowCount; ++i)
    owned.emplace(env.flags.Row(i)->name, env.flags.Row(i)->def);
  for (uint32_t i = 0; i < kSmallValueRowCount; ++i)
    EXPECT_TRUE(owned.emplace(SmallValueRowAt(i)->name, SmallValueRowAt(i)->def).second)
        << "owned by both tables: " << i;
  size_t checked = 0;
  std::map<std::u16string, SettingValue> declared;
  for (const PageDescriptor* page : CustomizePages()) {
    MemorySettings store;
    PageModel m(*page);
    m.Load(store, OpenCommon(store), env);
    for (size_t i = 0; i < page->rows.size(); ++i) {
      const SettingRow& row = page->rows[i];
      if (row.stored == Stored::kNone) continue;
      const std::u16string key = KeyOf(row, env.flags);
      SCOPED_TRACE(std::string(key.begin(), key.end()));
      if (auto table = owned.find(key); table != owned.end()) {
        EXPECT_TRUE(row.stored == Stored::kDword || row.stored == Stored::kFlag);
        EXPECT_EQ(m.DefaultOf(i).number, table->second);
        ++checked;
      } else if (row.system == SystemDefault::kNone) {
        auto [it, first] = declared.emplace(key, m.DefaultOf(i));
        if (!first) EXPECT_EQ(it->second, m.DefaultOf(i));
      }
    }
  }
  EXPECT_GE(checked, 100u);  // the pages' table rows were walked, not skipped
}

// The one default the two declarations disagreed on: the table's holds.
TEST(PageTables, TabCreatesACellOnlyWhenTheUserSaysSo) {
  FakeCustomizeEnvironment env;
  MemorySettings store;
  PageModel m(kCsvPage);
  m.Load(store, OpenCommon(store), env);
  EXPECT_EQ(m.Working(m.RowOf(u"CsvTabCreateCell").value()).number, 0u);
}

// Pages with rules of their own derive some values at load; every other page shows exactly its
// defaults when nothing is stored.
TEST(PageTables, PlainPagesLoadTheirDefaultsFromAnEmptyStore) {
  FakeCustomizeEnvironment env;
  for (bool ini : {false, true}) {
    for (const PageDescriptor* page : CustomizePages()) {
      if (page->rules) continue;
      MemorySettings store(ini);
      PageModel m(*page);
      m.Load(store, OpenCommon(store), env);
      for (size_t i = 0; i < m.RowCount(); ++i)
        EXPECT_EQ(m.Working(i), m.DefaultOf(i)) << page->templateId << " row " << i;
    }
  }
}

TEST(PageTables, PagesAreInSheetOrder) {
  const uint16_t order[] = {20644, 20654, 20659, 20648, 20646, 20657, 20692, 20645,
                            20694, 20653, 20658, 20652, 228,   20656, 20687, 20681,
                            20647, 20683, 20688, 20695, 20696, 20699, 229};
  for (size_t i = 0; i < page::kCount; ++i) EXPECT_EQ(CustomizePages()[i]->templateId, order[i]);
  EXPECT_EQ(FindCustomizePage(20683), &kCsvPage);
  EXPECT_EQ(FindCustomizePage(20700), nullptr);
}

// Spot checks of defaults as the shared store format fixes them.
TEST(PageTables, DefaultsOfAFewSettings) {
  FakeCustomizeEnvironment env;
  MemorySettings store;
  struct Case {
    const PageDescriptor* page;
    std::u16string key;
    uint64_t number;
    std::u16string text;
  } cases[] = {
      {&kFilePage, u"DetectUTF8Size", 0x80000, u""},
      {&kFilePage, u"FileFilter", 0, u"*.txt;*.bat;*.htm;*.html;*.ini;*.inf;*.log;*.mac"},
      {&kEditPage, u"TagLine", 0, u"\\2"},
      {&kStatusPage, u"StatusShowBits", 2679, u""},
      {&kTabPage, u"TabWidth", 160, u""},
      {&kMousePage, u"TabDblClkCmd", 4391, u""},
      {&kOptimizationPage, u"DisableCalcColor", 50000000, u""},
      {&kValidationPage, u"ValidatorAutoMaxLines", 10000, u""},
      {&kSyncPage, u"SyncSettings", 6, u""},
  };
  for (const Case& c : cases) {
    PageModel m(*c.page);
    m.Load(store, OpenCommon(store), env);
    const size_t row = m.RowOf(c.key).value();
    EXPECT_EQ(m.Working(row).number, c.number);
    EXPECT_EQ(m.Working(row).text, c.text);
  }
}

}  // namespace
}  // namespace scrv
