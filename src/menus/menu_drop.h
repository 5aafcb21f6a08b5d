#pragma once
// Where an item dragged in the menus dialog's tree would land, and how fast the tree scrolls
// while the cursor is near or past its edges.

#include "menus/menu_tree.h"

namespace scrv {

struct MenuDropTarget {
  MenuNode* target = nullptr;  // null: nothing to drop on
  MenuPlace place = MenuPlace::kBefore;
  bool allowed = false;  // the move effect is offered
};

// `hit` is the row under the cursor and `offset` how far below that row's top the cursor is,
// in a tree of rows `rowHeight` high; without a hit, `above` is the row one row height higher
// (the cursor is below the last row). Into a popup from a quarter to three quarters of its
// row; after a row without children from half of it; otherwise before it; below the last row,
// after it. In the main menu a dragged command is not offered the top level.
MenuDropTarget DecideMenuDrop(const MenuTree& tree, const MenuNode* dragged, MenuNode* hit,
                              int offset, int rowHeight, MenuNode* above);

// Lines to scroll for a cursor at `position` along an axis of a client area `size` long:
// negative up or left, positive down or right. Within 10 pixels of an edge one line, up to 10
// pixels past it two, further out four.
int AutoScrollLines(int position, int size);

}  // namespace scrv
