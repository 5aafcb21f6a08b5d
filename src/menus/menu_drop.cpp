#include "menus/menu_drop.h"

namespace scrv {

MenuDropTarget DecideMenuDrop(const MenuTree& tree, const MenuNode* dragged, MenuNode* hit,
                              int offset, int rowHeight, MenuNode* above) {
  MenuDropTarget drop;
  bool after = false, into = false;
  if (hit) {
    drop.target = hit;
    after = offset > rowHeight / 2 && hit->children.empty();
    into = offset >= rowHeight / 4 && offset < rowHeight * 3 / 4 && hit->IsPopup();
  } else if (above) {
    drop.target = above;
    after = true;
  } else {
    return drop;
  }
  drop.place = into ? MenuPlace::kInto : after ? MenuPlace::kAfter : MenuPlace::kBefore;
  drop.allowed = into || !dragged || !tree.RuleApplies(dragged) || !tree.IsTopLevel(drop.target);
  return drop;
}

int AutoScrollLines(int position, int size) {
  constexpr int kEdge = 10;
  if (position < kEdge) return position >= 0 ? -1 : position >= -kEdge ? -2 : -4;
  if (position > size - kEdge) return position <= size ? 1 : position <= size + kEdge ? 2 : 4;
  return 0;
}

}  // namespace scrv
