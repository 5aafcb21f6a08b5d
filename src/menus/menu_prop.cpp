#include "menus/menu_prop.h"

#include <algorithm>

#include "base/command_table.h"
#include "frame/reason_text.h"
#include "menus/menu_set.h"
#include "menus_ids.h"

namespace scrv {
namespace {

struct ListRange {
  uint32_t category;
  uint32_t base;
};
constexpr ListRange kListRanges[] = {{kCategoryPlugIns, kPlugInCommandBase},
                                     {kCategoryToolPrograms, kToolCommandBase},
                                     {kCategoryMacroFiles, kMacroCommandBase}};

uint32_t ListCategory(MenuKind kind) {
  switch (kind) {
    case MenuKind::kPlugIn:
      return kCategoryPlugIns;
    case MenuKind::kTool:
      return kCategoryToolPrograms;
    default:
      return kCategoryMacroFiles;
  }
}

uint32_t BaseOf(uint32_t category) {
  for (const ListRange& r : kListRanges)
    if (r.category == category) return r.base;
  return 0;
}

}  // namespace

bool IsKnownCommand(uint32_t command) {
  auto ids = CommandIds();
  return std::find(ids.begin(), ids.end(), command) != ids.end();
}

CategoryOffer OfferedCategories(uint32_t menuIndex) {
  switch (menuIndex) {
    case kJumpListMenu:
      return {kCategoryJumpList, 1};
    case kTrayMenu1:
    case kTrayMenu2:
      return {kCategoryTray, 1};
    case kTabMenu:
      return {kCategoryTab, 1};
    default:
      return {kCategoryFile, kCategoryMacroFiles + 1};
  }
}

MenuPropModel::MenuPropModel(MenuItem record, uint32_t menuIndex, bool isPopup,
                             const MenuLabelSources& sources)
    : record_(std::move(record)),
      menuIndex_(menuIndex),
      isPopup_(isPopup),
      sources_(sources),
      offer_(OfferedCategories(menuIndex)) {
  SelectCategory(offer_.first);
  if (record_.IsSeparator())
    choice_ = MenuItemChoice::kSeparator;
  else if (record_.IsPopup() || isPopup_)
    choice_ = MenuItemChoice::kPopup;
  else
    choice_ = MenuItemChoice::kCommand;

  ResolvedLabel resolved = ResolveLabel(record_, sources_);
  const std::u16string ownOrResolved = record_.text.empty() ? resolved.text : record_.text;
  switch (record_.kind) {
    case MenuKind::kPopup:
      label_ = ownOrResolved;
      custom_ = resolved.text.empty();
      break;
    case MenuKind::kPlugIn:
    case MenuKind::kTool:
    case MenuKind::kMacro: {
      const uint32_t category = ListCategory(record_.kind);
      SelectCategory(category);
      if (resolved.command != 0)
        commandPosition_ = static_cast<int>(resolved.command - BaseOf(category));
      label_ = ownOrResolved;
      custom_ = !record_.text.empty();
      break;
    }
    default:
      if (choice_ == MenuItemChoice::kSeparator) break;
      label_ = ownOrResolved;
      custom_ = record_.kind == MenuKind::kCustom;
      if (record_.command != 0) {
        auto table = CommandTable();
        auto entry = std::find_if(table.begin(), table.end(), [&](const CommandEntry& e) {
          return e.command == record_.command && e.category >= offer_.first;
        });
        if (entry != table.end()) OpenOn(entry->category, record_.command);
      }
  }
  if (commandPosition_ >= static_cast<int>(commands_.size())) commandPosition_ = -1;
  priorKind_ = record_.kind;
}

void MenuPropModel::OpenOn(uint32_t category, uint32_t command) {
  if (category < offer_.first || category >= offer_.first + offer_.count) return;
  SelectCategory(category);
  auto found = std::find_if(commands_.begin(), commands_.end(),
                            [&](const CommandChoice& c) { return c.command == command; });
  if (found != commands_.end()) commandPosition_ = static_cast<int>(found - commands_.begin());
}

std::vector<CommandChoice> MenuPropModel::Commands(uint32_t category) const {
  std::vector<CommandChoice> list;
  switch (category) {
    case kCategoryPlugIns:
      if (sources_.plugIns)
        for (size_t i = 0; i < sources_.plugIns->Count() && i < kPlugInCommandCount; ++i) {
          MenuItem item;
          item.kind = MenuKind::kPlugIn;
          item.target = sources_.plugIns->FileName(i);
          list.push_back(
              {kPlugInCommandBase + static_cast<uint32_t>(i), ResolveLabel(item, sources_).text});
        }
      break;
    case kCategoryToolPrograms:
      if (sources_.tools)
        for (size_t i = 0; i < sources_.tools->size() && i < kToolCommandCount; ++i)
          list.push_back({kToolCommandBase + static_cast<uint32_t>(i), (*sources_.tools)[i].title});
      break;
    case kCategoryMacroFiles:
      if (sources_.macros)
        for (size_t i = 0; i < sources_.macros->size() && i < kMacroCommandCount; ++i)
          list.push_back({kMacroCommandBase + static_cast<uint32_t>(i), (*sources_.macros)[i]});
      break;
    default:
      for (const CommandEntry& e : CategoryRun(category))
        list.push_back({e.command, sources_.CommandName(e.command)});
  }
  return list;
}

void MenuPropModel::SelectCategory(uint32_t category) {
  category_ = category;
  commands_ = Commands(category);
  commandPosition_ = -1;
}

int MenuPropModel::CategoryPosition() const {
  return static_cast<int>(category_ - offer_.first);
}

bool MenuPropModel::PopupChoiceEnabled() const {
  return menuIndex_ != kJumpListMenu;
}

std::u16string MenuPropModel::StatusText() const {
  if (commandPosition_ < 0) return {};
  const uint32_t command = commands_[static_cast<size_t>(commandPosition_)].command;
  std::u16string text;
  switch (category_) {
    case kCategoryPlugIns:
      text = sources_.plugIns->StatusText(command - kPlugInCommandBase);
      break;
    case kCategoryToolPrograms: {
      const ToolRecord& tool = (*sources_.tools)[command - kToolCommandBase];
      text = tool.text2 + u" " + tool.text3;
      break;
    }
    case kCategoryMacroFiles:
      text = (*sources_.macros)[command - kMacroCommandBase];
      break;
    default:
      text = sources_.CommandStatus(command);
  }
  if (text.size() > kMenuStatusMax) text.resize(kMenuStatusMax);
  return text;
}

void MenuPropModel::Choose(MenuItemChoice choice) {
  choice_ = choice;
  if (choice == MenuItemChoice::kPopup) custom_ = true;
}

void MenuPropModel::ChooseCategoryPosition(int position) {
  if (position < 0 || static_cast<uint32_t>(position) >= offer_.count) return;
  SelectCategory(offer_.first + static_cast<uint32_t>(position));
}

void MenuPropModel::ChooseCommand(int position) {
  if (position < 0 || static_cast<size_t>(position) >= commands_.size()) return;
  commandPosition_ = position;
  label_ = commands_[static_cast<size_t>(position)].text;
  custom_ = false;
  priorKind_ = MenuKind::kCommandName;
}

void MenuPropModel::TypeLabel(std::u16string_view text) {
  label_ = Truncated(text, kMenuTextMax);
  custom_ = true;
}

MenuItem MenuPropModel::Accept() const {
  MenuItem item = record_;
  item.text = custom_ ? label_ : u"";
  switch (choice_) {
    case MenuItemChoice::kPopup:
      item.kind = MenuKind::kPopup;
      item.target.clear();
      if (custom_) item.command = 0;
      return item;
    case MenuItemChoice::kSeparator:
      item.command = 0;
      item.text.clear();
      item.target.clear();
      item.kind = MenuKind::kDefaultLabel;
      return item;
    case MenuItemChoice::kCommand:
      break;
  }
  if (commandPosition_ < 0) {
    // Nothing picked: the item keeps what it runs; only a typed label changes it.
    if (custom_ && (item.kind == MenuKind::kDefaultLabel || item.kind == MenuKind::kCommandName ||
                    item.kind == MenuKind::kPopup))
      item.kind = MenuKind::kCustom;
    return item;
  }
  const uint32_t command = commands_[static_cast<size_t>(commandPosition_)].command;
  const size_t position = command - BaseOf(category_);
  switch (category_) {
    case kCategoryPlugIns:
      item.target = sources_.plugIns->FileName(position);
      item.command = 0;
      item.kind = MenuKind::kPlugIn;
      break;
    case kCategoryToolPrograms:
      item.target = (*sources_.tools)[position].title;
      item.command = 0;
      item.kind = MenuKind::kTool;
      break;
    case kCategoryMacroFiles:
      item.target = (*sources_.macros)[position];
      item.command = 0;
      item.kind = MenuKind::kMacro;
      break;
    default:
      item.target.clear();
      item.command = static_cast<uint16_t>(command);
      item.kind = custom_ ? MenuKind::kCustom : priorKind_;
  }
  item.target = Truncated(item.target, kMenuTargetMax);
  return item;
}

MenuPropProblem MenuPropModel::Problem() const {
  if (choice_ == MenuItemChoice::kSeparator) return MenuPropProblem::kNone;
  const MenuItem item = Accept();
  const bool ordinaryCommand = item.kind == MenuKind::kCustom ||
                               item.kind == MenuKind::kDefaultLabel ||
                               item.kind == MenuKind::kCommandName;
  if (choice_ == MenuItemChoice::kCommand && ordinaryCommand && !IsKnownCommand(item.command))
    return MenuPropProblem::kUnknownCommand;
  if (OwnOrResolvedLabel(item, sources_).empty()) return MenuPropProblem::kNoLabel;
  return MenuPropProblem::kNone;
}

std::u16string MenuPropModel::ProblemText(
    const std::function<std::u16string(uint32_t)>& text) const {
  switch (Problem()) {
    case MenuPropProblem::kUnknownCommand:
      return FillArguments(text(IDS_MPROP_WHY_UNKNOWN_COMMAND), {DecimalText(record_.command)});
    case MenuPropProblem::kNoLabel:
      return text(IDS_MPROP_WHY_NO_LABEL);
    case MenuPropProblem::kNone:
      break;
  }
  return {};
}

}  // namespace scrv
