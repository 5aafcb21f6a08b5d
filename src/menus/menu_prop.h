#pragma once
// The menu properties dialog's model: one item edited as a command (picked from a category and
// a command list), a popup or a separator, with its label; and the rules by which OK turns the
// choices back into an item.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "menus/menu_item.h"
#include "menus/menu_labels.h"

namespace scrv {

// The three radio buttons.
enum class MenuItemChoice { kCommand, kPopup, kSeparator };

// The categories a menu's items may come from: `count` categories from `first` on. A position
// p of the category list stands for category first + p.
struct CategoryOffer {
  uint32_t first = 0;
  uint32_t count = 0;
};
CategoryOffer OfferedCategories(uint32_t menuIndex);

// One row of the command list.
struct CommandChoice {
  uint32_t command = 0;  // plug-ins, tools and macros: their base plus their position
  std::u16string text;
};

// A status text is at most this long.
constexpr size_t kMenuStatusMax = 520;

// What stands between the dialog's choices and an item a menu can show.
enum class MenuPropProblem : uint8_t {
  kNone,
  kUnknownCommand,  // a command item with no command picked and none the editor knows
  kNoLabel,         // the item would show an empty entry
};

// A command the editor has a command string for.
bool IsKnownCommand(uint32_t command);

class MenuPropModel {
 public:
  // `isPopup`: the item is a popup and stays one.
  MenuPropModel(MenuItem record, uint32_t menuIndex, bool isPopup, const MenuLabelSources& sources);

  // The category list, and the command list of any category (in table order, or the plug-ins,
  // tools or macros by their labels).
  const CategoryOffer& Offer() const { return offer_; }
  std::vector<CommandChoice> Commands(uint32_t category) const;

  // The state the controls show.
  MenuItemChoice Choice() const { return choice_; }
  uint32_t Category() const { return category_; }
  int CategoryPosition() const;
  const std::vector<CommandChoice>& CommandList() const { return commands_; }
  int CommandPosition() const { return commandPosition_; }
  const std::u16string& Label() const { return label_; }
  bool CustomLabel() const { return custom_; }
  std::u16string StatusText() const;

  // Enabling.
  bool ListsEnabled() const { return choice_ == MenuItemChoice::kCommand; }
  bool LabelEnabled() const { return choice_ != MenuItemChoice::kSeparator; }
  bool StatusShown() const { return choice_ == MenuItemChoice::kCommand; }
  bool CommandChoiceEnabled() const { return !isPopup_; }
  bool PopupChoiceEnabled() const;
  bool SeparatorChoiceEnabled() const { return !isPopup_; }

  // What the user does.
  void Choose(MenuItemChoice choice);
  void ChooseCategoryPosition(int position);
  void ChooseCommand(int position);
  void TypeLabel(std::u16string_view text);

  // The item as OK leaves it.
  MenuItem Accept() const;
  // Why OK must keep the dialog open instead (kNone when it may close): an item that would
  // run a command the editor does not know, or that would show no label at all.
  MenuPropProblem Problem() const;
  // The problem as one sentence from the localisation module's texts (`text` loads a string by
  // its number); empty for kNone.
  std::u16string ProblemText(const std::function<std::u16string(uint32_t)>& text) const;

 private:
  void SelectCategory(uint32_t category);
  void OpenOn(uint32_t category, uint32_t command);

  MenuItem record_;
  uint32_t menuIndex_;
  bool isPopup_;
  const MenuLabelSources& sources_;
  CategoryOffer offer_;

  MenuItemChoice choice_ = MenuItemChoice::kCommand;
  uint32_t category_ = 0;
  std::vector<CommandChoice> commands_;
  int commandPosition_ = -1;
  std::u16string label_;
  bool custom_ = false;
  MenuKind priorKind_ = MenuKind::kCustom;
};

}  // namespace scrv
