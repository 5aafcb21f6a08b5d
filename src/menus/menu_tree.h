#pragma once
// The menu being edited as a tree: what the menus dialog's tree view shows, with the rules of
// its edits. Each node owns one item; a node's level is its depth (top-level nodes are at 0).
// Nodes stay the same objects through moves, so a view may refer to them by address.
//
// "Visible" nodes are those not hidden inside collapsed popups, in the order a tree view shows
// them. In the main menu a node that is not a popup may not stand at the top level (the
// main-menu rule); no edit makes a node deeper than the menu's deepest storable level.

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "menus/menu_item.h"

namespace scrv {

struct MenuNode {
  MenuItem item;
  MenuNode* parent = nullptr;  // the tree's hidden root for top-level nodes
  std::vector<std::unique_ptr<MenuNode>> children;
  bool expanded = false;

  bool IsPopup() const { return item.IsPopup(); }
};

// Where a run of items goes relative to a target node.
enum class MenuPlace { kBefore, kAfter, kInto };
enum class MenuMove { kUp, kDown, kTop, kBottom };

class MenuTree {
 public:
  MenuTree(bool mainMenu, uint8_t maxLevel);
  MenuTree(const MenuTree&) = delete;
  MenuTree& operator=(const MenuTree&) = delete;

  // Empties the tree for another menu.
  void Reset(bool mainMenu, uint8_t maxLevel);

  // Builds the tree from a list: each item goes under the nearest earlier item of a lower
  // level (at the top for level 0).
  void Build(const MenuList& list);
  void Clear();
  // The items in pre-order, each with its depth as its level.
  MenuList Flatten() const;
  // One node's sub-tree the same way, levels as they stand in the tree.
  MenuList SubTree(const MenuNode* node) const;

  const std::vector<std::unique_ptr<MenuNode>>& TopLevel() const { return root_.children; }
  bool Empty() const { return root_.children.empty(); }
  size_t Count() const;
  int Level(const MenuNode* node) const;
  bool IsTopLevel(const MenuNode* node) const { return node && node->parent == &root_; }
  // Whether `node` is `ancestor` or lies inside its sub-tree.
  static bool IsWithin(const MenuNode* node, const MenuNode* ancestor);

  // Visible order.
  MenuNode* FirstVisible() const;
  MenuNode* LastVisible() const;
  MenuNode* NextVisible(const MenuNode* node) const;
  MenuNode* PreviousVisible(const MenuNode* node) const;
  bool HasVisibleBefore(const MenuNode* node) const { return PreviousVisible(node) != nullptr; }
  bool HasVisibleAfter(const MenuNode* node) const { return NextVisible(node) != nullptr; }

  // The main-menu rule applies to a node that is not a popup, in the main menu.
  bool RuleApplies(const MenuNode* node) const { return mainMenu_ && !node->IsPopup(); }

  // Moves of one node with its sub-tree; false (nothing changed but the expansions the move
  // made on its way) when the move is refused.
  bool MoveUp(MenuNode* node);
  bool MoveDown(MenuNode* node);
  bool MoveToTop(MenuNode* node);
  bool MoveToBottom(MenuNode* node);
  // Moves `node` relative to `target`; refused when the target is the node or inside it, when
  // the main-menu rule forbids the top level, or when the sub-tree would end up too deep.
  bool MoveTo(MenuNode* node, MenuNode* target, MenuPlace place);

  // Inserts a run of items (a sub-tree as copied: the first item's level is the run's top)
  // relative to `target`; a null target puts it at the end of the top level. Levels are taken
  // relative to the first item. Returns the first inserted node, or null when the run is
  // discarded: empty, a run for the main menu's top level that does not start with a popup, or
  // one that would end up too deep.
  MenuNode* InsertRun(const MenuList& items, MenuNode* target, MenuPlace place);
  // Whether the main-menu rule discards a run that starts with `first` at that place: in the
  // main menu, only a popup may open a run at the top level.
  bool TopLevelRefuses(const MenuItem& first, const MenuNode* target, MenuPlace place) const;
  // Whether a run put at that place would nest deeper than the tree allows (InsertRun would
  // discard it).
  bool RunTooDeep(const MenuList& items, const MenuNode* target, MenuPlace place) const;

  // Puts a new item at `target` (null: at the end of the top level), with no rule but the
  // depth: the menus dialog's insertions may put anything anywhere. Null when too deep.
  MenuNode* InsertItem(const MenuItem& item, MenuNode* target, MenuPlace place);

  // Removes a node with its sub-tree; returns the node to select afterwards: the next visible
  // node after the sub-tree, else the previous visible node, else null.
  MenuNode* Remove(MenuNode* node);

  // The visible nodes in order.
  std::vector<MenuNode*> VisibleNodes() const;

 private:
  MenuNode* LastVisibleWithin(MenuNode* node) const;
  int SubTreeHeight(const MenuNode* node) const;
  std::unique_ptr<MenuNode> Detach(MenuNode* node);
  void Attach(std::unique_ptr<MenuNode> node, MenuNode* target, MenuPlace place);
  bool Refused(const MenuNode* node, const MenuNode* target, MenuPlace place) const;
  void FlattenInto(const MenuNode* node, int level, MenuList& out) const;
  // The depth each item of a run gets under `parent`; nothing when one would be too deep.
  std::optional<std::vector<int>> RunDepths(const MenuList& items, const MenuNode* parent) const;

  bool mainMenu_;
  uint8_t maxLevel_;
  MenuNode root_;
};

}  // namespace scrv
