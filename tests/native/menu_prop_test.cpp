#include "menus/menu_prop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "menus_ids.h"

#include "menu_fixture.h"
#include "base/command_table.h"
#include "menus/menu_defaults.h"
#include "menus/menu_set.h"
#include "menus/stored_plugin_labels.h"

namespace scrv {
namespace {

using namespace menu_test;
using K = MenuKind;
using C = MenuItemChoice;

int PositionIn(uint32_t category, uint16_t command) {
  auto run = CategoryRun(category);
  auto it = std::find_if(run.begin(), run.end(), [&](auto& e) { return e.command == command; });
  return it == run.end() ? -1 : static_cast<int>(it - run.begin());
}

struct MenuProp : testing::Test {
  MenuProp() : reference(LoadReferenceMenu(res, kMainMenu)) {
    tools.resize(2);
    tools[1].title = u"Linter";
    tools[1].text2 = u"lint.exe";
    tools[1].text3 = u"-q";
    sources = {&reference, &res, &plugIns, &tools, &macros};
  }
  FakeMenuResources res;
  MenuList reference;
  FakePlugIns plugIns{{{u"Explorer.dll", u"E&xplorer", u"Browses files"}}};
  std::vector<ToolRecord> tools;
  std::vector<std::u16string> macros{u"Sum.jssc"};
  MenuLabelSources sources;
};

TEST_F(MenuProp, CategoriesOfferedByMenu) {
  struct Case {
    uint32_t menu, first, count;
  } cases[] = {{0, 0, 12}, {1, 0, 12}, {2, 13, 1},  {3, 13, 1},
               {4, 12, 1}, {5, 0, 12}, {12, 0, 12}, {13, 14, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(OfferedCategories(c.menu).first, c.first) << c.menu;
    EXPECT_EQ(OfferedCategories(c.menu).count, c.count) << c.menu;
  }
}

TEST_F(MenuProp, OpeningShowsTheItem) {
  struct Case {
    MenuItem item;
    uint32_t menu;
    C choice;
    uint32_t category;
    int position;
    std::u16string label;
    bool custom;
  } cases[] = {
      {Item(K::kDefaultLabel, 4097, 1), 0, C::kCommand, 0, PositionIn(0, 4097), u"&Open...", false},
      {Item(K::kCustom, 4097, 1, u"Mine"), 0, C::kCommand, 0, PositionIn(0, 4097), u"Mine", true},
      {Item(K::kCommandName, 4096, 0), 2, C::kCommand, 13, PositionIn(13, 4096), u"New", false},
      {Item(K::kDefaultLabel, 0, 1), 0, C::kSeparator, 0, -1, u"", false},
      {Item(K::kPopup, 4200, 0), 0, C::kPopup, 0, -1, u"C&onvert", false},
      {Item(K::kPopup, 0, 0, u"Mine"), 0, C::kPopup, 0, -1, u"Mine", true},
      {Item(K::kPlugIn, 0, 0, u"", u"explorer.dll"), 0, C::kCommand, 9, 0, u"E&xplorer", false},
      {Item(K::kTool, 0, 0, u"Run it", u"Linter"), 0, C::kCommand, 10, 1, u"Run it", true},
      {Item(K::kMacro, 0, 0, u"", u"Gone.jssc"), 0, C::kCommand, 11, -1, u"", false},
  };
  for (const Case& c : cases) {
    MenuPropModel m(c.item, c.menu, c.item.IsPopup(), sources);
    EXPECT_EQ(m.Choice(), c.choice) << c.item.command;
    EXPECT_EQ(m.Category(), c.category) << c.item.command;
    EXPECT_EQ(m.CommandPosition(), c.position) << c.item.command;
    EXPECT_EQ(m.Label(), c.label) << c.item.command;
    EXPECT_EQ(m.CustomLabel(), c.custom) << c.item.command;
  }
}

TEST_F(MenuProp, ShortCategoryListsKeepTheirCommands) {
  MenuPropModel m(Item(K::kCommandName, 4096, 0), kTabMenu, false, sources);
  EXPECT_EQ(m.CategoryPosition(), 0);
  const size_t before = m.CommandList().size();
  m.ChooseCategoryPosition(0);
  EXPECT_EQ(m.Category(), kCategoryTab);
  EXPECT_EQ(m.CommandList().size(), before);
  EXPECT_EQ(before, CategoryRun(kCategoryTab).size());
}

TEST_F(MenuProp, OkRules) {
  // Picking a command without typing: its name, no text.
  MenuPropModel picked(Item(K::kCustom, 4097, 1, u"Mine"), 0, false, sources);
  picked.ChooseCommand(PositionIn(0, 4096));
  EXPECT_EQ(picked.Label(), u"New");
  EXPECT_EQ(picked.StatusText(), u"Creates a new document");
  EXPECT_EQ(picked.Accept(), Item(K::kCommandName, 4096, 1));
  // Typing makes the label the item's own.
  picked.TypeLabel(u"Fresh");
  EXPECT_EQ(picked.Accept(), Item(K::kCustom, 4096, 1, u"Fresh"));
  // Untouched, an item keeps its kind.
  EXPECT_EQ(MenuPropModel(Item(K::kDefaultLabel, 4097, 1), 0, false, sources).Accept(),
            Item(K::kDefaultLabel, 4097, 1));

  MenuPropModel popup(Item(K::kPopup, 4200, 0), 0, true, sources);
  EXPECT_FALSE(popup.CommandChoiceEnabled());
  EXPECT_EQ(popup.Accept(), Item(K::kPopup, 4200, 0));
  popup.TypeLabel(u"Case");
  EXPECT_EQ(popup.Accept(), Item(K::kPopup, 0, 0, u"Case"));

  MenuPropModel separator(Item(K::kCustom, 4097, 1, u"x", u"t"), 0, false, sources);
  separator.Choose(C::kSeparator);
  EXPECT_FALSE(separator.LabelEnabled());
  EXPECT_EQ(separator.Accept(), Item(K::kDefaultLabel, 0, 1));

  MenuPropModel lists(Item(K::kCommandName, 4096, 2), 0, false, sources);
  const struct {
    int categoryPosition, command;
    MenuItem item;
    std::u16string status;
  } picks[] = {
      {9, 0, Item(K::kPlugIn, 0, 2, u"", u"Explorer.dll"), u"Browses files"},
      {10, 1, Item(K::kTool, 0, 2, u"", u"Linter"), u"lint.exe -q"},
      {11, 0, Item(K::kMacro, 0, 2, u"", u"Sum.jssc"), u"Sum.jssc"},
  };
  for (const auto& p : picks) {
    lists.ChooseCategoryPosition(p.categoryPosition);
    lists.ChooseCommand(p.command);
    EXPECT_EQ(lists.StatusText(), p.status);
    EXPECT_EQ(lists.Accept(), p.item);
  }
  EXPECT_FALSE(MenuPropModel(Item(K::kCommandName, 4096, 0), kJumpListMenu, false, sources)
                   .PopupChoiceEnabled());
}

}  // namespace
}  // namespace scrv

namespace scrv {
namespace {

// OK never produces an item that runs no known command or shows an empty entry.
TEST_F(MenuProp, OkIsRefusedForAnItemThatWouldShowNothing) {
  using P = MenuPropProblem;
  struct Case {
    MenuItem item;
    std::optional<std::u16string> typed;  // the label typed before OK
    std::optional<C> choice;
    P problem;
  } cases[] = {
      {Item(K::kCommandName, 57599, 0), {}, {}, P::kUnknownCommand},
      {Item(K::kCustom, 57599, 0, u"Mine"), {}, {}, P::kUnknownCommand},
      {Item(K::kDefaultLabel, 4097, 1), {}, {}, P::kNone},
      {Item(K::kDefaultLabel, 4097, 1), u"", {}, P::kNoLabel},
      {Item(K::kCommandName, 4097, 1), u"Open it", {}, P::kNone},
      {Item(K::kPopup, 0, 0, u"Mine"), u"", {}, P::kNoLabel},
      {Item(K::kCommandName, 4097, 1), u"", C::kSeparator, P::kNone},
      {Item(K::kMacro, 0, 0, u"", u"Gone.jssc"), {}, {}, P::kNoLabel},
  };
  for (const Case& c : cases) {
    MenuPropModel m(c.item, 0, c.item.IsPopup(), sources);
    if (c.typed) m.TypeLabel(*c.typed);
    if (c.choice) m.Choose(*c.choice);
    EXPECT_EQ(m.Problem(), c.problem) << c.item.command << " " << c.item.text.size();
  }
  MenuPropModel unknown(Item(K::kCommandName, 57599, 0), 0, false, sources);
  auto text = [](uint32_t id) -> std::u16string {
    return id == IDS_MPROP_WHY_UNKNOWN_COMMAND ? u"command %1?" : u"label";
  };
  EXPECT_EQ(unknown.ProblemText(text), u"command 57599?");
  unknown.ChooseCommand(PositionIn(0, 4096));
  EXPECT_EQ(unknown.Problem(), P::kNone);
  EXPECT_EQ(unknown.ProblemText(text), u"");
}

TEST(StoredPlugInLabels, TheEnabledPlugInsOfTheStoredListInOrder) {
  menu_test::MemoryRecords records;
  auto write = [&](std::vector<std::pair<std::u16string, bool>> plugIns, uint32_t version) {
    SettingsRecord r = *OpenRecord(record::kPlugIns, menu_test::RecordPath);
    r.AddDword(version);
    for (auto& [path, enabled] : plugIns) {
      r.AddQword(1234);
      r.AddByte(enabled);
      r.AddText(path);
    }
    r.AddQword(0);
    r.AddSecondDword(static_cast<uint32_t>(plugIns.size()));
    ASSERT_TRUE(SaveRecord(r, records.files));
  };
  EXPECT_EQ(StoredPlugInLabels(menu_test::RecordPath, records.files).Count(), 9u);  // defaults

  write({{u"Explorer.dll", true}, {u"Off.dll", false}, {u"..\\Mine\\Tool.plug.dll", true}}, 0);
  StoredPlugInLabels labels(menu_test::RecordPath, records.files);
  ASSERT_EQ(labels.Count(), 2u);
  EXPECT_EQ(labels.FileName(1), u"..\\Mine\\Tool.plug.dll");
  EXPECT_EQ(labels.MenuText(1), u"Tool.plug");
  EXPECT_EQ(labels.StatusText(0), u"Explorer.dll");

  write({{u"Explorer.dll", true}}, 1);
  EXPECT_EQ(StoredPlugInLabels(menu_test::RecordPath, records.files).Count(), 0u);
}

}  // namespace
}  // namespace scrv
