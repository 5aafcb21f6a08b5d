#pragma once
// The menus dialog's model: the fourteen menus loaded when the dialog opens, the one being
// edited as a tree, the user menus' delays, and every edit the dialog's buttons, keys, context
// menu, clipboard and drag and drop make. Nothing is written before Save.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "menus/menu_labels.h"
#include "menus/menu_set.h"
#include "menus/menu_storage.h"
#include "menus/menu_tree.h"
#include "settings/settings_store.h"
#include "settings/tools_list.h"

namespace scrv {

// The three ways of inserting a new item, named by the dialog's buttons.
enum class MenuInsert { kBefore, kAfter, kInto };

// A new item waiting for its properties: where it will go if they are accepted.
struct PendingMenuInsert {
  MenuItem item;
  MenuNode* target = nullptr;
  MenuPlace place = MenuPlace::kInto;
};

// The label a new top-level item of the main menu gets.
constexpr char16_t kNewPopupLabel[] = u"Popup";
// The command a new item starts with.
constexpr uint16_t kNewItemCommand = 4096;

// The slider shows a user menu's delay in steps of 100 ms.
constexpr uint32_t kDelayStep = 100;
constexpr uint32_t kDelaySliderMax = 20;

// The delay text: the format's first two "%d" (or "%u") become the seconds and the tenths of
// `delay` milliseconds; "%%" is a percent sign.
std::u16string FormatDelayText(std::u16string_view format, uint32_t delay);

enum class MenuPasteProblem : uint8_t { kNone, kNoItems, kUnknownCommand, kNeedsPopup, kTooDeep };
struct MenuPasteRefusal {
  MenuPasteProblem problem = MenuPasteProblem::kNone;
  uint32_t command = 0;
  size_t line = 0;
};

class MenusModel {
 public:
  // The platform's sources; `plugIns` may be null (no enabled plug-ins). Plug-in, tool and
  // macro names are compared with `sameName`.
  MenusModel(MenuResources& resources, const MenuRecordFiles& records, PlugInLabels* plugIns,
             SameNameFn sameName = SameNameAscii);

  // Loads the macro and tools lists, every menu (stored, else its default) and the user menus'
  // delays, and makes `start` current (a number outside 0..13 opens the main menu).
  void Load(SettingsStore& settings, int32_t start);

  // Writes the tree back and saves every menu (one at its default removes its record) and the
  // delays that changed. False when a menu record could not be written.
  bool Save(SettingsStore& settings);

  uint32_t Current() const { return current_; }
  // Writes the current tree back and makes another menu current; false when it already is.
  bool SelectMenu(uint32_t index);

  MenuTree& Tree() { return tree_; }
  const MenuTree& Tree() const { return tree_; }
  const MenuLabelSources& Sources() const { return sources_; }
  std::u16string Label(const MenuNode* node) const { return ShownLabel(node->item, sources_); }

  bool IsDefault(uint32_t index) const { return isDefault_[index]; }
  // The stored list of a menu as it will be saved (the current one written back first).
  const MenuList& List(uint32_t index);

  // Insertion: the new item and its place, or nothing when it cannot go there (Into without a
  // popup selected, or too deep); then, once its properties are accepted, the new node.
  std::optional<PendingMenuInsert> BeginInsert(MenuInsert how, MenuNode* selected) const;
  MenuNode* CommitInsert(const PendingMenuInsert& pending, const MenuItem& accepted);

  // Each edit marks the menu changed when it changed something.
  void ReplaceItem(MenuNode* node, const MenuItem& accepted);
  bool Rename(MenuNode* node, std::u16string_view text);
  MenuNode* Remove(MenuNode* node);  // the node to select afterwards
  void RemoveAll();
  bool Move(MenuNode* node, MenuMove move);
  bool Drop(MenuNode* node, MenuNode* target, MenuPlace place);
  void Reset();

  // Clipboard text of a node's sub-tree, or of the whole menu.
  std::u16string CopyText(const MenuNode* node) const;
  std::u16string CopyAllText() const;
  // Why a clipboard text would not be pasted at `selected` (kNone when it would): it holds no
  // item line, an item runs a command the editor does not know (`command` and the 1-based
  // `line` say which), it would open the main menu's top level with an item that is not a
  // popup, or it would nest deeper than a menu may. Nothing of such a text is pasted.
  MenuPasteRefusal CheckPaste(std::u16string_view text, const MenuNode* selected) const;
  // Inserts pasted items into the selected popup (or at the end with nothing selected), else
  // after the selected item; the first inserted node, or null when nothing was inserted.
  MenuNode* Paste(std::u16string_view text, MenuNode* selected);

  // The current user menu's delay in milliseconds (1000 for other menus).
  uint32_t Delay() const;
  void SetDelayFromSlider(uint32_t position);
  uint32_t DelaySliderPosition() const { return Delay() / kDelayStep; }

  // The lists the properties dialog offers.
  const std::vector<ToolRecord>& Tools() const { return tools_; }
  const std::vector<std::u16string>& Macros() const { return macros_; }
  PlugInLabels* PlugIns() const { return plugIns_; }

 private:
  void EnsureLoaded(uint32_t index);
  void MakeCurrent(uint32_t index);
  void WriteBack();
  void MarkChanged() { isDefault_[current_] = false; }

  MenuResources& resources_;
  MenuRecordFiles records_;
  PlugInLabels* plugIns_;
  std::vector<ToolRecord> tools_;
  std::vector<std::u16string> macros_;

  std::array<MenuList, kMenuCount> lists_;
  std::array<bool, kMenuCount> isDefault_{};
  std::array<bool, kMenuCount> loaded_{};
  std::array<uint32_t, kMenuCount> loadedDelay_{};
  std::array<uint32_t, kMenuCount> delay_{};

  uint32_t current_ = kMainMenu;
  MenuList reference_;
  MenuLabelSources sources_;
  MenuTree tree_;
};

}  // namespace scrv
