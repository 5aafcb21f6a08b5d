// The menus dialog's model: loading the fourteen menus, the edits, and what saving writes.

#include "menus/menus_model.h"

#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "settings/memory_settings.h"

namespace scrv {
namespace {

using namespace menu_test;
using K = MenuKind;

class MenusModelTest : public testing::TestWithParam<bool> {
 protected:
  MenusModelTest() : settings(GetParam()) {}
  MenusModel& Open(int32_t start) {
    model.emplace(res, records.Where(), nullptr);
    model->Load(settings, start);
    return *model;
  }
  const StoredValue* Delay(uint32_t index) {
    return settings.Find(u"Common", DelayValueName(index));
  }
  FakeMenuResources res;
  MemoryRecords records;
  MemorySettings settings;
  std::optional<MenusModel> model;
};

TEST_P(MenusModelTest, OpensOnTheDefaultsAndSavingThemWritesNothing) {
  for (int32_t start : {-5, 14}) EXPECT_EQ(Open(start).Current(), kMainMenu);
  MenusModel& m = Open(7);
  EXPECT_EQ(m.Current(), 7u);
  EXPECT_EQ(m.Tree().Count(), 3u);
  EXPECT_EQ(m.Label(m.Tree().FirstVisible()), u"&Upper Case");
  EXPECT_EQ(m.Delay(), 1000u);
  ASSERT_TRUE(m.Save(settings));
  for (uint32_t i = 0; i < kMenuCount; ++i) EXPECT_FALSE(records.Menu(i)) << i;
  EXPECT_FALSE(Delay(7));
}

TEST_P(MenusModelTest, EditsAreSavedAndAResetMenuLosesItsRecord) {
  MenusModel& m = Open(6);
  ASSERT_TRUE(m.Rename(m.Tree().FirstVisible(), u"&Upper Case"));  // its own label: still Custom
  m.SetDelayFromSlider(15);
  ASSERT_TRUE(m.SelectMenu(kMainMenu));
  ASSERT_TRUE(m.Save(settings));
  EXPECT_TRUE(records.Menu(6));
  EXPECT_FALSE(records.Menu(kMainMenu));
  ASSERT_TRUE(Delay(6));
  EXPECT_FALSE(Delay(7));

  MenusModel& again = Open(6);
  EXPECT_EQ(again.List(6).front(), Item(K::kCustom, 4200, 0, u"&Upper Case"));
  EXPECT_EQ(again.Delay(), 1500u);
  again.Reset();
  EXPECT_TRUE(again.IsDefault(6));
  EXPECT_EQ(again.Delay(), 1000u);
  ASSERT_TRUE(again.Save(settings));
  EXPECT_FALSE(records.Menu(6));
  EXPECT_EQ(Open(6).Delay(), 1000u);
}

TEST_P(MenusModelTest, AnEmptiedUserMenuStaysEmptyAnEmptiedMainMenuComesBack) {
  MenusModel& m = Open(5);
  m.RemoveAll();
  m.SelectMenu(kMainMenu);
  m.RemoveAll();
  ASSERT_TRUE(m.Save(settings));
  MenusModel& again = Open(5);
  EXPECT_TRUE(again.Tree().Empty());
  EXPECT_FALSE(again.IsDefault(5));
  EXPECT_TRUE(again.IsDefault(kMainMenu));
}

TEST_P(MenusModelTest, NewItemsAndTheirPlaces) {
  MenusModel& m = Open(kMainMenu);
  MenuNode* file = m.Tree().FirstVisible();
  std::optional<PendingMenuInsert> top = m.BeginInsert(MenuInsert::kAfter, file);
  ASSERT_TRUE(top);
  EXPECT_EQ(top->item, Item(K::kPopup, 0, 0, u"Popup"));
  std::optional<PendingMenuInsert> into = m.BeginInsert(MenuInsert::kInto, file);
  ASSERT_TRUE(into);
  EXPECT_EQ(into->item, Item(K::kCommandName, 4096, 1));
  EXPECT_FALSE(m.BeginInsert(MenuInsert::kInto, file->children.front().get()));

  MenuNode* added = m.CommitInsert(*into, Item(K::kCommandName, 4097, 1));
  ASSERT_TRUE(added);
  EXPECT_EQ(file->children.back().get(), added);
  EXPECT_TRUE(file->expanded);
  EXPECT_FALSE(m.IsDefault(kMainMenu));
}

TEST_P(MenusModelTest, CopyAndPasteKeepRelativeLevelsAndCarryLabelsAsText) {
  MenusModel& m = Open(kMainMenu);
  MenuNode* edit = m.Tree().TopLevel()[1].get();
  MenuNode* convert = edit->children.back().get();
  std::u16string text = m.CopyText(convert);
  // Into a selected popup, at its end.
  MenuNode* pasted = m.Paste(text, m.Tree().TopLevel()[2].get());
  ASSERT_TRUE(pasted);
  EXPECT_EQ(m.Tree().SubTree(pasted), (MenuList{Item(K::kPopup, 4200, 1, u"C&onvert"),
                                                Item(K::kDefaultLabel, 4200, 2, u"&Upper Case"),
                                                Item(K::kDefaultLabel, 4201, 2, u"&Lower Case")}));
  // After a selected command; never to the main menu's top level as a command.
  EXPECT_TRUE(m.Paste(m.CopyText(edit->children[0].get()), edit->children[0].get()));
  EXPECT_EQ(edit->children[1]->item.text, u"Cu&t");
  EXPECT_FALSE(m.Paste(u"cmd\t\t4096\t0\t2\r\n", nullptr));
  EXPECT_FALSE(m.Paste(u"not a menu", edit));
}

// A paste is refused whole when it holds no item, an item whose command (as written, before
// it is cut to 16 bits) the editor does not know, or popups nested deeper than a menu may go;
// popups and separators need no command.
TEST_P(MenusModelTest, PastesOfNoItemsOrUnknownCommandsAreRefusedWithTheirLine) {
  MenusModel& m = Open(5);
  std::u16string deep;
  for (int level = 0; level <= kMaxMenuLevel + 1; ++level) {
    const std::string n = std::to_string(level);
    deep += u"P\t\t-1\t" + std::u16string(n.begin(), n.end()) + u"\t3\r\n";
  }
  struct Case {
    std::u16string_view text;
    MenuPasteProblem problem;
    uint32_t command;
    size_t line;
  } cases[] = {
      {u"not a menu", MenuPasteProblem::kNoItems, 0, 0},
      {u"", MenuPasteProblem::kNoItems, 0, 0},
      {u"A\t\t4096\t0\t2\r\nB\t\t99999999\t0\t2\r\n", MenuPasteProblem::kUnknownCommand, 99999999,
       2},
      {u"A\t\t69632\t0\t0\r\n", MenuPasteProblem::kUnknownCommand, 69632, 1},  // 4096 + 65536
      {u"P\t\t-1\t0\t3\r\n-\t\t0\t1\t1\r\nA\t\t4096\t1\t2\r\n", MenuPasteProblem::kNone, 0, 0},
      {deep, MenuPasteProblem::kTooDeep, 0, 0},
  };
  for (const Case& c : cases) {
    const MenuPasteRefusal r = m.CheckPaste(c.text, nullptr);
    EXPECT_EQ(r.problem, c.problem) << c.line;
    EXPECT_EQ(r.command, c.command) << c.line;
    EXPECT_EQ(r.line, c.line) << c.line;
  }
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, MenusModelTest, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
}  // namespace scrv

namespace scrv {
namespace {

TEST(MenusModel, DelayTextShowsSecondsAndTenths) {
  EXPECT_EQ(FormatDelayText(u"%d.%d s", 1000), u"1.0 s");
  EXPECT_EQ(FormatDelayText(u"%d.%d s", 1500), u"1.5 s");
  EXPECT_EQ(FormatDelayText(u"%u,%u s (100%%) %d %s", 0), u"0,0 s (100%) %d %s");
  EXPECT_EQ(FormatDelayText(u"%", 2000), u"%");
}

}  // namespace
}  // namespace scrv
