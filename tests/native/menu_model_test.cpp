// The menu model: defaults from menu resources, labels, and the stored forms.

#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "menus/menu_defaults.h"
#include "menus/menu_labels.h"
#include "menus/menu_set.h"
#include "menus/menu_storage.h"

namespace scrv {
namespace {

using namespace menu_test;
using K = MenuKind;

TEST(MenuDefaults, WalkKeepsEveryPositionWithItsDepth) {
  FakeMenuResources res;
  // Main menu: the whole bar; popups refer to their first command when labels go by reference.
  MenuList shown = LoadShownDefault(res, kMainMenu);
  ASSERT_EQ(shown.size(), 13u);
  EXPECT_EQ(shown[0], Item(K::kPopup, 4096, 0));
  EXPECT_EQ(shown[1], Item(K::kDefaultLabel, 4096, 1));
  EXPECT_EQ(shown[3], Item(K::kDefaultLabel, 0, 1));  // separator
  EXPECT_EQ(shown[9], Item(K::kPopup, 4200, 1));
  EXPECT_EQ(shown[10], Item(K::kDefaultLabel, 4200, 2));
  EXPECT_EQ(shown[12], Item(K::kPopup, 0, 0, u"&Empty"));  // no command: keeps its text

  MenuList reference = LoadReferenceMenu(res, kMainMenu);
  EXPECT_EQ(reference[0], Item(K::kPopup, 4096, 0, u"&File"));
  EXPECT_EQ(reference[2], Item(K::kDefaultLabel, 4097, 1, u"&Open..."));

  // Other menus: the first sub-menu when taking it, else the whole resource.
  EXPECT_EQ(LoadShownDefault(res, 7).size(), 3u);
  EXPECT_EQ(LoadShownDefault(res, 7)[0], Item(K::kDefaultLabel, 4200, 0));
  EXPECT_EQ(LoadReferenceMenu(res, 7)[0], Item(K::kPopup, 4200, 0, u"User"));
  EXPECT_EQ(LoadReferenceMenu(res, 7)[1], Item(K::kDefaultLabel, 4200, 1, u"&Upper Case"));
  EXPECT_TRUE(LoadShownDefault(res, 1).empty());  // no such resource here
}

TEST(MenuLabels, EveryKindResolves) {
  FakeMenuResources res;
  MenuList reference = LoadReferenceMenu(res, kMainMenu);
  FakePlugIns plugIns(
      {{u"Explorer.dll", u"E&xplorer", u"Shows files"}, {u"WordCount.dll", u"&Word Count", u""}});
  std::vector<ToolRecord> tools(2);
  tools[0].title = u"Compiler";
  tools[1].title = u"Linter";
  std::vector<std::u16string> macros = {u"Sum.jssc", u"WrapTags.jssc"};
  MenuLabelSources s{&reference, &res, &plugIns, &tools, &macros};

  struct Case {
    MenuItem item;
    std::u16string label;
    uint32_t command;
  } cases[] = {
      {Item(K::kDefaultLabel, 4097, 1), u"&Open...", 4097},
      {Item(K::kDefaultLabel, 9999, 1), u"", 9999},
      {Item(K::kCommandName, 4096, 0), u"New", 4096},
      {Item(K::kPopup, 4200, 0), u"C&onvert", 0},
      {Item(K::kPopup, 0, 0), u"", 0},
      {Item(K::kPlugIn, 0, 0, u"", u"wordcount.DLL"), u"&Word Count", 5889},
      {Item(K::kPlugIn, 0, 0, u"", u"Gone.dll"), u"", 0},
      {Item(K::kTool, 0, 0, u"", u"LINTER"), u"Linter", 8449},
      {Item(K::kMacro, 0, 0, u"", u"wraptags.jssc"), u"WrapTags.jssc", 10241},
      {Item(K::kMacro, 0, 0, u"", u"Nope"), u"", 0},
      {Item(K::kCustom, 4126, 0, u"Mine"), u"", 4126},
  };
  for (const Case& c : cases) {
    ResolvedLabel r = ResolveLabel(c.item, s);
    EXPECT_EQ(r.text, c.label) << static_cast<int>(c.item.kind) << " " << c.item.command;
    EXPECT_EQ(r.command, c.command) << static_cast<int>(c.item.kind);
  }
  EXPECT_EQ(ShownLabel(Item(K::kDefaultLabel, 0, 1), s), kSeparatorLabel);
  EXPECT_EQ(ShownLabel(Item(K::kDefaultLabel, 4097, 1, u"Own"), s), u"Own");
  EXPECT_EQ(ShownLabel(Item(K::kPlugIn, 0, 0, u"Own", u"Gone.dll"), s), u"Own");
}

TEST(MenuStorage, CurrentFormKeepsEveryFieldAndLevel) {
  MenuList list;
  for (uint8_t level = 0; level <= kMaxMenuLevel; ++level)
    list.push_back(Item(static_cast<K>(level % kMenuKindCount), level * 100u, level,
                        level % 3 ? u"text" : u"", level % 2 ? u"target" : u""));
  SettingsRecord record(u"x", 0, RecordTextEncoding::kUtf16);
  WriteMenuRecord(list, record);
  // Version, reserved, count; one word and eleven bits per item.
  EXPECT_EQ(record.Lists().dwords, (std::vector<uint32_t>{1, 0, 64}));
  EXPECT_EQ(record.Lists().bits.size(), 64u * 11);
  std::optional<StoredMenuForm> read = ReadMenuRecord(record);
  ASSERT_TRUE(read);
  EXPECT_FALSE(read->oldForm);
  EXPECT_EQ(read->items, list);
}

TEST(MenuStorage, DamagedRecordsLoadWhatIsWhole) {
  auto record = [](std::vector<uint32_t> dwords, std::vector<uint16_t> words,
                   std::vector<bool> bits, std::vector<std::u16string> texts) {
    SettingsRecord r(u"x", 0, RecordTextEncoding::kUtf16);
    for (uint32_t d : dwords) r.AddDword(d);
    for (uint16_t w : words) r.AddWord(w);
    for (bool b : bits) r.AddBit(b);
    for (auto& t : texts) r.AddText(t);
    return r;
  };
  // level 2, kind 7 (unknown), text present.
  const std::vector<bool> item = {0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 0};
  struct Case {
    const char* name;
    SettingsRecord r;
    std::optional<size_t> items;
  } cases[] = {
      {"absurd count", record({1, 0, 0xFFFFFFFF}, {7, 8}, item, {u"a"}), 1},
      {"text missing", record({1, 0, 1}, {7}, item, {}), 0},
      {"bits cut short", record({1, 0, 1}, {7}, {0, 1}, {}), 0},
      {"unknown version", record({2, 0, 1}, {7}, item, {u"a"}), std::nullopt},
      {"no version", record({}, {}, {}, {}), std::nullopt},
      {"old form cut short", record({0, 3, 4096, 0, 4097}, {}, {}, {u"a", u"b", u"c"}), 1},
  };
  for (Case& c : cases) {
    std::optional<StoredMenuForm> read = ReadMenuRecord(c.r);
    ASSERT_EQ(read.has_value(), c.items.has_value()) << c.name;
    if (read) EXPECT_EQ(read->items.size(), *c.items) << c.name;
  }
  SettingsRecord unknown = record({1, 0, 1}, {7}, item, {u"a"});
  EXPECT_EQ(ReadMenuRecord(unknown)->items[0], Item(K::kCustom, 7, 2, u"a"));
  SettingsRecord deep = record({0, 1, 4096, 200}, {}, {}, {u"a", u""});
  EXPECT_EQ(ReadMenuRecord(deep)->items[0].level, kMaxMenuLevel);
}

TEST(MenuStorage, OldFormConvertsLabelsThatMatchTheDefault) {
  FakeMenuResources res;
  SettingsRecord r(u"x", 0, RecordTextEncoding::kUtf16);
  auto old = [&](uint32_t command, uint32_t level, std::u16string text, std::u16string target) {
    r.AddDword(command);
    r.AddDword(level);
    r.AddText(text);
    r.AddText(target);
  };
  r.AddDword(0);
  r.AddDword(9);
  old(0xFFFFFFFF, 0, u"C&onvert", u"");  // the default's popup of 4200 -> by reference
  old(4200, 1, u"&Upper Case", u"");     // the default's label -> DefaultLabel
  old(4201, 1, u"Lower Case", u"");      // the command name -> CommandName
  old(4096, 1, u"Brand new", u"");       // anything else stays Custom
  old(0, 1, u"", u"");                   // separator
  old(0xFFFFFFFF, 0, u"Mine", u"");      // a popup of the user's own stays as typed
  old(0xFFFFFFFE, 1, u"", u"Explorer.dll");
  old(0xFFFFFFFD, 1, u"", u"Linter");
  old(0xFFFFFFFC, 1, u"", u"Sum.jssc");
  std::optional<StoredMenuForm> read = ReadMenuRecord(r);
  ASSERT_TRUE(read && read->oldForm);
  ConvertOldForm(read->items, LoadReferenceMenu(res, kMainMenu), res);
  EXPECT_EQ(read->items, (MenuList{
                             Item(K::kPopup, 4200, 0),
                             Item(K::kDefaultLabel, 4200, 1),
                             Item(K::kCommandName, 4201, 1),
                             Item(K::kCustom, 4096, 1, u"Brand new"),
                             Item(K::kDefaultLabel, 0, 1),
                             Item(K::kPopup, 0, 0, u"Mine"),
                             Item(K::kPlugIn, 0, 1, u"", u"Explorer.dll"),
                             Item(K::kTool, 0, 1, u"", u"Linter"),
                             Item(K::kMacro, 0, 1, u"", u"Sum.jssc"),
                         }));
}

TEST(MenuStorage, SaveAndLoadWrapEveryMenuButTheMain) {
  FakeMenuResources res;
  MemoryRecords records;
  const MenuList user = {Item(K::kDefaultLabel, 4200, 0), Item(K::kPopup, 0, 0, u"P"),
                         Item(K::kCommandName, 4201, 1)};
  // A user menu is stored inside its root popup and comes back without it.
  ASSERT_TRUE(SaveMenu(6, user, false, records.Where()));
  SettingsRecord raw = *OpenRecord(15, RecordPath);
  ASSERT_EQ(LoadRecord(raw, records.files), ReadResult::kRead);
  EXPECT_EQ(ReadMenuRecord(raw)->items.front(), Item(K::kPopup, 0, 0));
  EXPECT_EQ(LoadStoredMenu(6, records.Where(), res), user);
  EXPECT_EQ(LoadStoredMenuWrapped(6, records.Where(), res)->size(), 4u);

  // The main menu is stored as it is.
  ASSERT_TRUE(SaveMenu(kMainMenu, {Item(K::kPopup, 0, 0, u"P")}, false, records.Where()));
  EXPECT_EQ(LoadStoredMenu(kMainMenu, records.Where(), res),
            (MenuList{Item(K::kPopup, 0, 0, u"P")}));

  // Emptied: a user menu stays empty, the main menu falls back to its default.
  ASSERT_TRUE(SaveMenu(6, {}, false, records.Where()));
  ASSERT_TRUE(SaveMenu(kMainMenu, {}, false, records.Where()));
  EXPECT_EQ(LoadStoredMenu(6, records.Where(), res), MenuList{});
  EXPECT_FALSE(LoadStoredMenu(kMainMenu, records.Where(), res));

  // At its default the record goes.
  ASSERT_TRUE(SaveMenu(6, user, true, records.Where()));
  EXPECT_FALSE(records.Menu(6));
  EXPECT_FALSE(LoadStoredMenu(6, records.Where(), res));
}

}  // namespace
}  // namespace scrv

namespace scrv {
namespace {

// Menu templates written out field by field.
struct Template {
  std::vector<uint8_t> b;
  Template& W(uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
    return *this;
  }
  Template& D(uint32_t v) { return W(static_cast<uint16_t>(v)).W(static_cast<uint16_t>(v >> 16)); }
  Template& S(std::u16string_view s) {
    for (char16_t c : s) W(c);
    return W(0);
  }
  Template& Align() {
    while (b.size() % 4) b.push_back(0);
    return *this;
  }
};

TEST(MenuTemplates, BothFormsReadAndDamageIsRefused) {
  using menu_test::Cmd;
  using menu_test::Sep;
  using menu_test::Sub;
  const std::vector<ResourceMenuItem> expected = {Sub(u"A", {Cmd(5, u"x"), Sep()}), Cmd(7, u"b")};
  auto same = [](const std::vector<ResourceMenuItem>& a, const std::vector<ResourceMenuItem>& b,
                 auto& self) -> bool {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (a[i].id != b[i].id || a[i].text != b[i].text || !self(a[i].items, b[i].items, self))
        return false;
    return true;
  };
  Template standard;
  standard.W(0).W(0).W(0x10).S(u"A").W(0).W(5).S(u"x").W(0x80).W(0).S(u"").W(0x80).W(7).S(u"b");
  Template extended;
  extended.W(1).W(4).D(0).D(0).D(0).D(0).W(0x01).S(u"P").Align().D(0);
  extended.D(0).D(0).D(9).W(0x80).S(u"c").Align().D(0).D(0).D(3).W(0x80).S(u"d").Align();

  auto read = ParseMenuTemplate(standard.b.data(), standard.b.size());
  ASSERT_TRUE(read);
  EXPECT_TRUE(same(*read, expected, same));
  auto ex = ParseMenuTemplate(extended.b.data(), extended.b.size());
  ASSERT_TRUE(ex);
  EXPECT_TRUE(same(*ex, {Sub(u"P", {Cmd(9, u"c")}), Cmd(3, u"d")}, same));

  // A header alone is an empty menu; anything cut after it is damaged.
  EXPECT_TRUE(ParseMenuTemplate(standard.b.data(), 4)->empty());
  for (size_t cut = 5; cut < standard.b.size(); ++cut)
    EXPECT_FALSE(ParseMenuTemplate(standard.b.data(), cut)) << cut;
  std::vector<uint8_t> unknown = {2, 0, 0, 0};
  EXPECT_FALSE(ParseMenuTemplate(unknown.data(), unknown.size()));
}

}  // namespace
}  // namespace scrv
