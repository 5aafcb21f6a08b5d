#include "menus/menu_clipboard.h"

#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "menus/menu_defaults.h"
#include "menus/menu_set.h"

namespace scrv {
namespace {

using namespace menu_test;
using K = MenuKind;

TEST(MenuClipboard, CopiedItemsPasteBackWithTheirLabelsAsText) {
  FakeMenuResources res;
  MenuList reference = LoadReferenceMenu(res, kMainMenu);
  MenuLabelSources s{&reference, &res};
  const MenuList items = {Item(K::kPopup, 4200, 2), Item(K::kDefaultLabel, 4200, 3),
                          Item(K::kDefaultLabel, 0, 3), Item(K::kCommandName, 4201, 3),
                          Item(K::kTool, 0, 3, u"Own", u"Linter")};
  std::u16string text = FormatMenuClipboard(items, s);
  EXPECT_EQ(text.substr(0, text.find(u'\n') + 1), u"C&onvert\t\t4200\t2\t3\r\n");
  EXPECT_EQ(ParseMenuClipboard(text),
            (MenuList{Item(K::kPopup, 4200, 2, u"C&onvert"),
                      Item(K::kDefaultLabel, 4200, 3, u"&Upper Case"), Item(K::kDefaultLabel, 0, 3),
                      Item(K::kCommandName, 4201, 3, u"Lower Case"),
                      Item(K::kTool, 0, 3, u"Own", u"Linter")}));
}

TEST(MenuClipboard, PastingStopsAtTheFirstLineThatIsNotAnItem) {
  const std::u16string longText(300, u'x');
  struct Case {
    const char* name;
    std::u16string text;
    MenuList items;
  } cases[] = {
      {"not a menu", u"just some text\r\n", {}},
      {"short line ends it",
       u"a\t\t1\t0\t0\r\nb\t\t2\r\nc\t\t3\t0\t0\r\n",
       {Item(K::kCustom, 1, 0, u"a")}},
      {"LF alone ends after its line",
       u"a\t\t1\t0\t0\nb\t\t2\t0\t0\r\n",
       {Item(K::kCustom, 1, 0, u"a")}},
      {"CR alone goes on",
       u"a\t\t1\t0\t2\rb\tt\t2\t1\t4",
       {Item(K::kCommandName, 1, 0, u"a"), Item(K::kPlugIn, 2, 1, u"b", u"t")}},
      {"-1 makes a popup", u"P\t\t-1\t0\t0\r\n", {Item(K::kPopup, 0, 0, u"P")}},
      {"low bits, unknown kinds",
       u"a\t\t70000\t257\t257\r\nb\t\t1\t0\t7\r\n",
       {Item(K::kDefaultLabel, 70000 & 0xFFFF, 1, u"a"), Item(K::kCustom, 1, 0, u"b")}},
      {"over-long fields are cut",
       longText + u"\t" + longText + u"\t1\t0\t0",
       {Item(K::kCustom, 1, 0, longText.substr(0, 255), longText.substr(0, 259))}},
      {"garbage numbers", u"a\t\tx12\t\t\t\r\n", {Item(K::kCustom, 0, 0, u"a")}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseMenuClipboard(c.text), c.items) << c.name;
}

}  // namespace
}  // namespace scrv
