#include "menus/menu_tree.h"

#include <algorithm>

namespace scrv {
namespace {

size_t IndexIn(const MenuNode* parent, const MenuNode* node) {
  const auto& c = parent->children;
  return static_cast<size_t>(
      std::find_if(c.begin(), c.end(), [&](const auto& p) { return p.get() == node; }) - c.begin());
}

MenuNode* NextSibling(const MenuNode* node) {
  const auto& c = node->parent->children;
  size_t i = IndexIn(node->parent, node);
  return i + 1 < c.size() ? c[i + 1].get() : nullptr;
}

MenuNode* PreviousSibling(const MenuNode* node) {
  size_t i = IndexIn(node->parent, node);
  return i > 0 ? node->parent->children[i - 1].get() : nullptr;
}

MenuNode* FirstChild(const MenuNode* node) {
  return node->children.empty() ? nullptr : node->children.front().get();
}

size_t CountWithin(const MenuNode& node) {
  size_t n = node.children.size();
  for (const auto& child : node.children) n += CountWithin(*child);
  return n;
}

}  // namespace

MenuTree::MenuTree(bool mainMenu, uint8_t maxLevel) : mainMenu_(mainMenu), maxLevel_(maxLevel) {}

void MenuTree::Reset(bool mainMenu, uint8_t maxLevel) {
  Clear();
  mainMenu_ = mainMenu;
  maxLevel_ = maxLevel;
}

void MenuTree::Clear() {
  root_.children.clear();
}

void MenuTree::Build(const MenuList& list) {
  Clear();
  struct Open {
    int level;
    MenuNode* node;
  };
  std::vector<Open> open;
  for (const MenuItem& item : list) {
    while (!open.empty() && open.back().level >= item.level) open.pop_back();
    MenuNode* parent = open.empty() ? &root_ : open.back().node;
    auto node = std::make_unique<MenuNode>();
    node->item = item;
    node->parent = parent;
    open.push_back({item.level, node.get()});
    parent->children.push_back(std::move(node));
  }
}

void MenuTree::FlattenInto(const MenuNode* node, int level, MenuList& out) const {
  out.push_back(node->item);
  out.back().level = static_cast<uint8_t>(level);
  for (const auto& child : node->children) FlattenInto(child.get(), level + 1, out);
}

MenuList MenuTree::Flatten() const {
  MenuList out;
  out.reserve(Count());
  for (const auto& top : root_.children) FlattenInto(top.get(), 0, out);
  return out;
}

MenuList MenuTree::SubTree(const MenuNode* node) const {
  MenuList out;
  if (node) FlattenInto(node, Level(node), out);
  return out;
}

size_t MenuTree::Count() const {
  return CountWithin(root_);
}

int MenuTree::Level(const MenuNode* node) const {
  int level = -1;
  for (; node && node != &root_; node = node->parent) ++level;
  return level;
}

bool MenuTree::IsWithin(const MenuNode* node, const MenuNode* ancestor) {
  for (; node; node = node->parent)
    if (node == ancestor) return true;
  return false;
}

MenuNode* MenuTree::LastVisibleWithin(MenuNode* node) const {
  while (node->expanded && !node->children.empty()) node = node->children.back().get();
  return node;
}

MenuNode* MenuTree::FirstVisible() const {
  return FirstChild(&root_);
}

MenuNode* MenuTree::LastVisible() const {
  return root_.children.empty() ? nullptr : LastVisibleWithin(root_.children.back().get());
}

MenuNode* MenuTree::NextVisible(const MenuNode* node) const {
  if (node->expanded && !node->children.empty()) return FirstChild(node);
  for (; node != &root_; node = node->parent)
    if (MenuNode* next = NextSibling(node)) return next;
  return nullptr;
}

MenuNode* MenuTree::PreviousVisible(const MenuNode* node) const {
  if (MenuNode* previous = PreviousSibling(node)) return LastVisibleWithin(previous);
  return node->parent == &root_ ? nullptr : node->parent;
}

std::vector<MenuNode*> MenuTree::VisibleNodes() const {
  std::vector<MenuNode*> nodes;
  for (MenuNode* n = FirstVisible(); n; n = NextVisible(n)) nodes.push_back(n);
  return nodes;
}

int MenuTree::SubTreeHeight(const MenuNode* node) const {
  int height = 0;
  for (const auto& child : node->children)
    height = std::max(height, 1 + SubTreeHeight(child.get()));
  return height;
}

bool MenuTree::Refused(const MenuNode* node, const MenuNode* target, MenuPlace place) const {
  if (!node || !target || IsWithin(target, node)) return true;
  if (place == MenuPlace::kInto && !target->IsPopup()) return true;
  if (place != MenuPlace::kInto && RuleApplies(node) && IsTopLevel(target)) return true;
  int level = Level(target) + (place == MenuPlace::kInto ? 1 : 0);
  return level + SubTreeHeight(node) > maxLevel_;
}

std::unique_ptr<MenuNode> MenuTree::Detach(MenuNode* node) {
  auto& siblings = node->parent->children;
  size_t i = IndexIn(node->parent, node);
  std::unique_ptr<MenuNode> owned = std::move(siblings[i]);
  siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(i));
  return owned;
}

void MenuTree::Attach(std::unique_ptr<MenuNode> node, MenuNode* target, MenuPlace place) {
  if (!target || place == MenuPlace::kInto) {
    MenuNode* parent = target ? target : &root_;
    node->parent = parent;
    parent->children.push_back(std::move(node));
    return;
  }
  MenuNode* parent = target->parent;
  size_t i = IndexIn(parent, target) + (place == MenuPlace::kAfter ? 1 : 0);
  node->parent = parent;
  parent->children.insert(parent->children.begin() + static_cast<std::ptrdiff_t>(i),
                          std::move(node));
}

bool MenuTree::MoveTo(MenuNode* node, MenuNode* target, MenuPlace place) {
  if (Refused(node, target, place)) return false;
  Attach(Detach(node), target, place);
  return true;
}

bool MenuTree::MoveUp(MenuNode* node) {
  MenuNode* target = PreviousVisible(node);
  if (!target) return false;
  if (RuleApplies(node) && IsTopLevel(target)) {
    // A command may not leave its popup for the top level: it goes into the popup above, at
    // its end, opening it if need be.
    if (MenuNode* above = PreviousVisible(target)) {
      above->expanded = true;
      target = PreviousVisible(target);
    }
    return MoveTo(node, target, MenuPlace::kAfter);
  }
  MenuNode* previous = PreviousSibling(node);
  // With a previous sibling that is not the target, the target is the last visible node inside
  // that sibling: the node goes in after it.
  return MoveTo(node, target,
                previous && previous != target ? MenuPlace::kAfter : MenuPlace::kBefore);
}

bool MenuTree::MoveToTop(MenuNode* node) {
  MenuNode* target = FirstVisible();
  if (!target) return false;
  if (RuleApplies(node)) {
    target->expanded = true;
    if (MenuNode* first = FirstChild(target)) target = first;
  }
  return MoveTo(node, target, MenuPlace::kBefore);
}

bool MenuTree::MoveDown(MenuNode* node) {
  node->expanded = false;
  MenuNode* target = NextVisible(node);
  if (!target) return false;
  while (RuleApplies(node) && IsTopLevel(target)) {
    target->expanded = true;
    MenuNode* next = NextVisible(target);
    if (!next) break;
    target = next;
  }
  MenuNode* next = NextVisible(target);
  if (!next || (!NextSibling(target) && next != FirstChild(target)))
    return MoveTo(node, target, MenuPlace::kAfter);
  if (target == NextSibling(node)) return MoveTo(node, next, MenuPlace::kBefore);
  return MoveTo(node, target, MenuPlace::kBefore);
}

bool MenuTree::MoveToBottom(MenuNode* node) {
  node->expanded = false;
  MenuNode* target = LastVisible();
  if (!target) return false;
  while (RuleApplies(node) && IsTopLevel(target)) {
    target->expanded = true;
    MenuNode* last = LastVisible();
    if (last == target) break;
    target = last;
  }
  return MoveTo(node, target, MenuPlace::kAfter);
}

bool MenuTree::TopLevelRefuses(const MenuItem& first, const MenuNode* target,
                               MenuPlace place) const {
  const bool top = !target || (place != MenuPlace::kInto && target->parent == &root_);
  return mainMenu_ && top && !first.IsPopup();
}

std::optional<std::vector<int>> MenuTree::RunDepths(const MenuList& items,
                                                    const MenuNode* parent) const {
  // Levels count from the first item; an item above the first one's level stands beside the
  // run's first level.
  const int top = Level(parent) + 1;
  const int first = items.front().level;
  struct Open {
    int level;
    int depth;
  };
  std::vector<Open> open;
  std::vector<int> depths;
  for (const MenuItem& item : items) {
    const int level = top + (item.level - first);
    while (!open.empty() && open.back().level >= level) open.pop_back();
    const int depth = open.empty() ? top : open.back().depth + 1;
    if (depth > maxLevel_) return std::nullopt;
    depths.push_back(depth);
    open.push_back({level, depth});
  }
  return depths;
}

bool MenuTree::RunTooDeep(const MenuList& items, const MenuNode* target, MenuPlace place) const {
  if (items.empty()) return false;
  if (!target) place = MenuPlace::kInto;
  const MenuNode* parent = place == MenuPlace::kInto ? (target ? target : &root_) : target->parent;
  return !RunDepths(items, parent);
}

MenuNode* MenuTree::InsertRun(const MenuList& items, MenuNode* target, MenuPlace place) {
  if (items.empty()) return nullptr;
  if (!target) place = MenuPlace::kInto;
  if (target && place == MenuPlace::kInto && !target->IsPopup()) return nullptr;
  MenuNode* parent = place == MenuPlace::kInto ? (target ? target : &root_) : target->parent;
  if (TopLevelRefuses(items.front(), target, place)) return nullptr;

  // The run is built apart first, so that a run that turns out too deep leaves the tree as it
  // was.
  const std::optional<std::vector<int>> depths = RunDepths(items, parent);
  if (!depths) return nullptr;
  const int top = Level(parent) + 1;
  std::vector<MenuNode*> last;  // the latest node of each depth from `top` on
  std::vector<std::unique_ptr<MenuNode>> run;
  for (size_t i = 0; i < items.size(); ++i) {
    const int depth = (*depths)[i];
    const auto d = static_cast<size_t>(depth - top);
    auto node = std::make_unique<MenuNode>();
    node->item = items[i];
    node->item.level = static_cast<uint8_t>(depth);
    MenuNode* raw = node.get();
    if (d == 0) {
      run.push_back(std::move(node));
    } else {
      node->parent = last[d - 1];
      last[d - 1]->children.push_back(std::move(node));
    }
    last.resize(d + 1);
    last[d] = raw;
  }

  MenuNode* firstNode = run.front().get();
  MenuNode* anchor = target;
  MenuPlace at = place;
  for (auto& node : run) {
    MenuNode* raw = node.get();
    Attach(std::move(node), anchor, at);
    anchor = raw;
    at = MenuPlace::kAfter;
  }
  return firstNode;
}

MenuNode* MenuTree::InsertItem(const MenuItem& item, MenuNode* target, MenuPlace place) {
  if (!target) place = MenuPlace::kInto;
  const int level = target ? Level(target) + (place == MenuPlace::kInto ? 1 : 0) : 0;
  if (level > maxLevel_) return nullptr;
  auto node = std::make_unique<MenuNode>();
  node->item = item;
  node->item.level = static_cast<uint8_t>(level);
  MenuNode* raw = node.get();
  Attach(std::move(node), target, place);
  return raw;
}

MenuNode* MenuTree::Remove(MenuNode* node) {
  MenuNode* select = nullptr;
  for (const MenuNode* n = node; n != &root_ && !select; n = n->parent) select = NextSibling(n);
  if (!select) select = PreviousVisible(node);
  Detach(node);
  return select;
}

}  // namespace scrv
