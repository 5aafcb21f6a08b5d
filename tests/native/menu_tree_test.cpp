// The menu tree's edits: moves, runs of items, removal and the main-menu rule.

#include "menus/menu_tree.h"

#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "menus/menu_drop.h"

namespace scrv {
namespace {

using namespace menu_test;
using K = MenuKind;

// A tree written as text: popups are upper case names with their children in brackets,
// commands lower case; "+" marks an expanded popup.
MenuList Parse(std::string_view shape) {
  MenuList list;
  uint8_t level = 0;
  std::string name;
  auto flush = [&] {
    if (name.empty()) return;
    bool popup = isupper(static_cast<unsigned char>(name[0]));
    list.push_back(Item(popup ? K::kPopup : K::kCustom, popup ? 0 : 4096, level,
                        std::u16string(name.begin(), name.end())));
    name.clear();
  };
  for (char c : shape) {
    if (c == '[')
      flush(), ++level;
    else if (c == ']')
      flush(), --level;
    else if (c == ' ')
      flush();
    else
      name += c;
  }
  flush();
  return list;
}

std::string Shape(const std::vector<std::unique_ptr<MenuNode>>& nodes) {
  std::string s;
  for (const auto& n : nodes) {
    if (!s.empty()) s += ' ';
    s += std::string(n->item.text.begin(), n->item.text.end());
    if (n->expanded && n->IsPopup()) s += '+';
    if (!n->children.empty()) s += "[" + Shape(n->children) + "]";
  }
  return s;
}

struct TreeCase {
  MenuTree tree;
  TreeCase(std::string_view shape, bool mainMenu) : tree(mainMenu, kMaxMenuLevel) {
    tree.Build(Parse(shape));
  }
  MenuNode* Find(std::string_view name) {
    for (MenuNode* n = tree.FirstVisible(); n; n = Next(n))
      if (std::string(n->item.text.begin(), n->item.text.end()) == name) return n;
    return nullptr;
  }
  // Pre-order through everything, hidden or not.
  MenuNode* Next(MenuNode* n) {
    if (!n->children.empty()) return n->children.front().get();
    for (; n; n = n->parent) {
      auto* p = n->parent;
      if (!p) return nullptr;
      for (size_t i = 0; i + 1 < p->children.size(); ++i)
        if (p->children[i].get() == n) return p->children[i + 1].get();
    }
    return nullptr;
  }
  void Expand(std::string_view name) { Find(name)->expanded = true; }
  std::string Shape() const { return menu_test_shape(tree); }
  static std::string menu_test_shape(const MenuTree& t) { return scrv::Shape(t.TopLevel()); }
};

TEST(MenuTree, Moves) {
  struct Case {
    const char* shape;
    bool mainMenu;
    const char* expanded;  // popups open beforehand, blank-separated
    const char* node;
    MenuMove move;
    bool moved;
    const char* after;
  } cases[] = {
      // Up: past a sibling, into an open sibling above, out of a popup.
      {"a b c", false, "", "c", MenuMove::kUp, true, "a c b"},
      {"A[x y] b", false, "A", "b", MenuMove::kUp, true, "A+[x y b]"},
      {"A[x y] b", false, "A", "x", MenuMove::kUp, true, "x A+[y] b"},
      {"a b", false, "", "a", MenuMove::kUp, false, "a b"},
      // Main menu: a command never reaches the top level; it enters the popup above instead.
      {"A[x] B[y]", true, "B", "y", MenuMove::kUp, true, "A+[x y] B+"},
      {"A[x]", true, "A", "x", MenuMove::kUp, false, "A+[x]"},
      // Down: past a sibling, into an open popup below, out of a popup; a closed top-level
      // popup of the main menu opens and takes the command.
      {"a b c", false, "", "a", MenuMove::kDown, true, "b a c"},
      {"a B[x] c", false, "B", "a", MenuMove::kDown, true, "B+[a x] c"},
      {"A[x] B c", false, "A", "x", MenuMove::kDown, true, "A+ x B c"},
      {"A[x] B[y z]", true, "A", "x", MenuMove::kDown, true, "A+ B+[x y z]"},
      {"A[x] B[y]", true, "A", "x", MenuMove::kDown, true, "A+ B+[y x]"},
      {"A[x] B", false, "A", "x", MenuMove::kDown, true, "A+ B x"},
      {"a b", false, "", "b", MenuMove::kDown, false, "a b"},
      // Top and bottom.
      {"a b C[x]", false, "C", "x", MenuMove::kTop, true, "x a b C+"},
      {"A[x y] B[z]", true, "B", "z", MenuMove::kTop, true, "A+[z x y] B+"},
      {"a B[x y] c", false, "B", "a", MenuMove::kBottom, true, "B+[x y] c a"},
      {"A[x] B[y z]", true, "A", "x", MenuMove::kBottom, true, "A+ B+[y z x]"},
      {"a b", false, "", "b", MenuMove::kBottom, false, "a b"},
  };
  for (const Case& c : cases) {
    TreeCase t(c.shape, c.mainMenu);
    std::string expanded = c.expanded;
    for (size_t p = 0; p < expanded.size(); ++p)
      if (expanded[p] != ' ') t.Expand(std::string(1, expanded[p]));
    MenuNode* node = t.Find(c.node);
    bool moved = false;
    switch (c.move) {
      case MenuMove::kUp:
        moved = t.tree.MoveUp(node);
        break;
      case MenuMove::kDown:
        moved = t.tree.MoveDown(node);
        break;
      case MenuMove::kTop:
        moved = t.tree.MoveToTop(node);
        break;
      case MenuMove::kBottom:
        moved = t.tree.MoveToBottom(node);
        break;
    }
    EXPECT_EQ(moved, c.moved) << c.shape << " " << c.node;
    EXPECT_EQ(t.Shape(), c.after) << c.shape << " " << c.node;
  }
}

TEST(MenuTree, MovesAreRefusedIntoThemselvesAndPastTheRules) {
  TreeCase t("A[x B[y]] C[z]", true);
  EXPECT_FALSE(t.tree.MoveTo(t.Find("A"), t.Find("y"), MenuPlace::kAfter));
  EXPECT_FALSE(t.tree.MoveTo(t.Find("B"), t.Find("B"), MenuPlace::kInto));
  EXPECT_FALSE(t.tree.MoveTo(t.Find("z"), t.Find("A"), MenuPlace::kAfter));
  EXPECT_FALSE(t.tree.MoveTo(t.Find("z"), t.Find("x"), MenuPlace::kInto));  // not a popup
  EXPECT_EQ(t.Shape(), "A[x B[y]] C[z]");
  EXPECT_TRUE(t.tree.MoveTo(t.Find("z"), t.Find("A"), MenuPlace::kInto));
  EXPECT_TRUE(t.tree.MoveTo(t.Find("C"), t.Find("A"), MenuPlace::kBefore));
  EXPECT_EQ(t.Shape(), "C A[x B[y] z]");
}

TEST(MenuTree, RunsKeepTheirRelativeLevels) {
  TreeCase t("A[x] b", false);
  const MenuList run = {Item(K::kPopup, 0, 5, u"P"), Item(K::kCustom, 1, 6, u"q"),
                        Item(K::kCustom, 1, 5, u"r")};
  MenuNode* first = t.tree.InsertRun(run, t.Find("x"), MenuPlace::kAfter);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->item.text, u"P");
  EXPECT_EQ(t.Shape(), "A[x P[q] r] b");
  EXPECT_EQ(t.tree.Flatten()[2].level, 1);
  ASSERT_TRUE(t.tree.InsertRun(run, t.Find("b"), MenuPlace::kBefore));
  ASSERT_TRUE(t.tree.InsertRun(run, nullptr, MenuPlace::kAfter));
  EXPECT_EQ(t.Shape(), "A[x P[q] r] P[q] r b P[q] r");

  // The main menu's top level takes only runs that start with a popup.
  TreeCase m("A[x]", true);
  EXPECT_FALSE(m.tree.InsertRun({Item(K::kCustom, 1, 0, u"c")}, nullptr, MenuPlace::kInto));
  EXPECT_FALSE(m.tree.InsertRun({Item(K::kCustom, 1, 0, u"c")}, m.Find("A"), MenuPlace::kAfter));
  EXPECT_TRUE(m.tree.InsertRun({Item(K::kCustom, 1, 0, u"c")}, m.Find("A"), MenuPlace::kInto));
  EXPECT_EQ(m.Shape(), "A[x c]");
}

TEST(MenuTree, NothingGoesDeeperThanTheDeepestLevel) {
  MenuList deep;
  for (uint8_t level = 0; level < 3; ++level) deep.push_back(Item(K::kPopup, 0, level, u"P"));
  MenuTree tree(false, 2);
  tree.Build(deep);
  MenuNode* bottom = tree.TopLevel()[0]->children[0]->children[0].get();
  EXPECT_FALSE(tree.InsertRun({Item(K::kCustom, 1, 0, u"c")}, bottom, MenuPlace::kInto));
  EXPECT_FALSE(tree.InsertItem(Item(K::kCustom, 1, 0, u"c"), bottom, MenuPlace::kInto));
  EXPECT_TRUE(tree.InsertItem(Item(K::kCustom, 1, 0, u"c"), bottom, MenuPlace::kAfter));
  // A popup with children cannot move where they would be too deep.
  MenuNode* middle = tree.TopLevel()[0]->children[0].get();
  EXPECT_FALSE(tree.MoveTo(middle, bottom->parent->children.back().get(), MenuPlace::kAfter));
  EXPECT_EQ(tree.Count(), 4u);
}

TEST(MenuTree, RemovingSelectsTheNextVisibleNodeElseThePrevious) {
  TreeCase t("a B[x y] c", false);
  t.Expand("B");
  EXPECT_EQ(t.tree.Remove(t.Find("B"))->item.text, u"c");
  EXPECT_EQ(t.tree.Remove(t.Find("c"))->item.text, u"a");
  EXPECT_EQ(t.tree.Remove(t.Find("a")), nullptr);
  EXPECT_TRUE(t.tree.Empty());
}

}  // namespace
}  // namespace scrv

namespace scrv {
namespace {

TEST(MenuDrop, RowPartsDecideTheDrop) {
  TreeCase t("A[x] B c", true);
  struct Case {
    const char* hit;
    int offset;
    const char* dragged;
    const char* target;
    MenuPlace place;
    bool allowed;
  } cases[] = {
      {"B", 3, "A", "B", MenuPlace::kBefore, true},    // upper quarter of a popup
      {"B", 8, "A", "B", MenuPlace::kInto, true},      // middle half
      {"B", 14, "A", "B", MenuPlace::kAfter, true},    // lower quarter, no children
      {"A", 14, "c", "A", MenuPlace::kBefore, false},  // has children: before; the rule
      {"A", 6, "c", "A", MenuPlace::kInto, true},     {"c", 10, "x", "c", MenuPlace::kAfter, false},
      {"x", 2, "c", "x", MenuPlace::kBefore, true},
  };
  for (const Case& c : cases) {
    MenuDropTarget d =
        DecideMenuDrop(t.tree, t.Find(c.dragged), t.Find(c.hit), c.offset, 16, nullptr);
    EXPECT_EQ(d.target, t.Find(c.target)) << c.hit << c.offset;
    EXPECT_EQ(d.place, c.place) << c.hit << c.offset;
    EXPECT_EQ(d.allowed, c.allowed) << c.hit << c.offset;
  }
  // Below the last row: after it.
  MenuDropTarget below = DecideMenuDrop(t.tree, t.Find("x"), nullptr, 0, 16, t.Find("c"));
  EXPECT_EQ(below.target, t.Find("c"));
  EXPECT_EQ(below.place, MenuPlace::kAfter);
  EXPECT_FALSE(DecideMenuDrop(t.tree, t.Find("x"), nullptr, 0, 16, nullptr).target);
}

TEST(MenuDrop, AutoScrollSpeedsUpPastTheEdges) {
  const int cases[][2] = {{-11, -4}, {-10, -2}, {-1, -2}, {0, -1},  {9, -1},  {10, 0},
                          {90, 0},   {91, 1},   {100, 1}, {101, 2}, {110, 2}, {111, 4}};
  for (const auto& c : cases) EXPECT_EQ(AutoScrollLines(c[0], 100), c[1]) << c[0];
}

}  // namespace
}  // namespace scrv
