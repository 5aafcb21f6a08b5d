#include "menus/menus_model.h"

#include "menus/macro_list.h"
#include "menus/menu_clipboard.h"
#include "menus/menu_defaults.h"
#include "menus/menu_prop.h"
#include "settings/common_read_pass.h"

namespace scrv {

MenusModel::MenusModel(MenuResources& resources, const MenuRecordFiles& records,
                       PlugInLabels* plugIns, SameNameFn sameName)
    : resources_(resources), records_(records), plugIns_(plugIns), tree_(true, kMaxMenuLevel) {
  sources_.sameName = sameName;
}

void MenusModel::Load(SettingsStore& store, int32_t start) {
  // The tools list and the delays are read through one handle of "Common".
  CommonReadPass settings(store);
  if (records_.files) macros_ = LoadMacroNames(records_.binPath, *records_.files);
  LoadToolsList(settings, tools_);
  sources_.strings = &resources_;
  sources_.plugIns = plugIns_;
  sources_.tools = &tools_;
  sources_.macros = &macros_;

  for (uint32_t i = 0; i < kMenuCount; ++i) {
    std::optional<MenuList> stored = LoadStoredMenu(i, records_, resources_);
    // A menu at its default is read from its resource when it is first shown: saving it only
    // removes its record.
    isDefault_[i] = !stored;
    loaded_[i] = stored.has_value();
    lists_[i] = stored ? std::move(*stored) : MenuList();
  }
  SettingsHandle common = settings.OpenCommon(false);
  for (uint32_t i = kFirstUserMenu; i <= kLastUserMenu; ++i)
    loadedDelay_[i] = delay_[i] = settings.ReadDword(common, DelayValueName(i), kDefaultMenuDelay);
  settings.CloseSettings(common);

  MakeCurrent(start >= 0 && static_cast<uint32_t>(start) < kMenuCount ? static_cast<uint32_t>(start)
                                                                      : kMainMenu);
}

void MenusModel::EnsureLoaded(uint32_t index) {
  if (loaded_[index]) return;
  lists_[index] = LoadShownDefault(resources_, index);
  loaded_[index] = true;
}

void MenusModel::MakeCurrent(uint32_t index) {
  current_ = index;
  EnsureLoaded(index);
  reference_ = LoadReferenceMenu(resources_, index);
  sources_.reference = &reference_;
  tree_.Reset(index == kMainMenu, MaxMenuLevel(index));
  tree_.Build(lists_[index]);
}

void MenusModel::WriteBack() {
  if (!isDefault_[current_]) lists_[current_] = tree_.Flatten();
}

bool MenusModel::SelectMenu(uint32_t index) {
  if (index == current_ || index >= kMenuCount) return false;
  WriteBack();
  MakeCurrent(index);
  return true;
}

const MenuList& MenusModel::List(uint32_t index) {
  if (index == current_) WriteBack();
  EnsureLoaded(index);
  return lists_[index];
}

bool MenusModel::Save(SettingsStore& settings) {
  WriteBack();
  bool saved = true;
  for (uint32_t i = 0; i < kMenuCount; ++i)
    saved = SaveMenu(i, lists_[i], isDefault_[i], records_) && saved;

  bool anyDelayChanged = false;
  for (uint32_t i = kFirstUserMenu; i <= kLastUserMenu; ++i)
    anyDelayChanged = anyDelayChanged || delay_[i] != loadedDelay_[i];
  if (anyDelayChanged) {
    SettingsHandle common = settings.OpenCommon(true);
    if (common) {
      for (uint32_t i = kFirstUserMenu; i <= kLastUserMenu; ++i)
        if (delay_[i] != loadedDelay_[i]) settings.WriteDword(common, DelayValueName(i), delay_[i]);
      settings.CloseSettings(common);
    }
  }
  return saved;
}

std::optional<PendingMenuInsert> MenusModel::BeginInsert(MenuInsert how, MenuNode* selected) const {
  PendingMenuInsert pending;
  pending.target = selected;
  switch (how) {
    case MenuInsert::kInto:
      if (selected && !selected->IsPopup()) return std::nullopt;
      pending.place = MenuPlace::kInto;
      break;
    case MenuInsert::kBefore:
      pending.place = MenuPlace::kBefore;
      break;
    case MenuInsert::kAfter:
      pending.place = MenuPlace::kAfter;
      break;
  }
  if (!selected) pending.place = MenuPlace::kInto;
  const int level =
      !selected ? 0 : tree_.Level(selected) + (pending.place == MenuPlace::kInto ? 1 : 0);
  if (level > MaxMenuLevel(current_)) return std::nullopt;
  pending.item.level = static_cast<uint8_t>(level);
  if (current_ == kMainMenu && level == 0 && how != MenuInsert::kInto) {
    pending.item.kind = MenuKind::kPopup;
    pending.item.text = kNewPopupLabel;
  } else {
    pending.item.kind = MenuKind::kCommandName;
    pending.item.command = kNewItemCommand;
  }
  return pending;
}

MenuNode* MenusModel::CommitInsert(const PendingMenuInsert& pending, const MenuItem& accepted) {
  MenuNode* node = tree_.InsertItem(accepted, pending.target, pending.place);
  if (!node) return nullptr;
  if (pending.place == MenuPlace::kInto && pending.target) pending.target->expanded = true;
  MarkChanged();
  return node;
}

void MenusModel::ReplaceItem(MenuNode* node, const MenuItem& accepted) {
  const uint8_t level = node->item.level;
  node->item = accepted;
  node->item.level = level;
  MarkChanged();
}

bool MenusModel::Rename(MenuNode* node, std::u16string_view text) {
  if (text == node->item.text) return false;
  node->item.text = Truncated(text, kMenuTextMax);
  if (node->item.kind == MenuKind::kDefaultLabel || node->item.kind == MenuKind::kCommandName)
    node->item.kind = MenuKind::kCustom;
  MarkChanged();
  return true;
}

MenuNode* MenusModel::Remove(MenuNode* node) {
  MarkChanged();
  return tree_.Remove(node);
}

void MenusModel::RemoveAll() {
  tree_.Clear();
  MarkChanged();
}

bool MenusModel::Move(MenuNode* node, MenuMove move) {
  bool moved = false;
  switch (move) {
    case MenuMove::kUp:
      moved = tree_.MoveUp(node);
      break;
    case MenuMove::kDown:
      moved = tree_.MoveDown(node);
      break;
    case MenuMove::kTop:
      moved = tree_.MoveToTop(node);
      break;
    case MenuMove::kBottom:
      moved = tree_.MoveToBottom(node);
      break;
  }
  if (moved) MarkChanged();
  return moved;
}

bool MenusModel::Drop(MenuNode* node, MenuNode* target, MenuPlace place) {
  if (!tree_.MoveTo(node, target, place)) return false;
  if (place == MenuPlace::kInto) target->expanded = true;
  MarkChanged();
  return true;
}

void MenusModel::Reset() {
  if (IsUserMenu(current_)) delay_[current_] = kDefaultMenuDelay;
  isDefault_[current_] = true;
  lists_[current_] = LoadShownDefault(resources_, current_);
  tree_.Build(lists_[current_]);
}

std::u16string MenusModel::CopyText(const MenuNode* node) const {
  return FormatMenuClipboard(tree_.SubTree(node), sources_);
}

std::u16string MenusModel::CopyAllText() const {
  return FormatMenuClipboard(tree_.Flatten(), sources_);
}

namespace {

// Pasted items go into the selected popup (or at the end with nothing selected), else after
// the selected item.
MenuPlace PastePlace(const MenuNode* selected) {
  return !selected || selected->IsPopup() ? MenuPlace::kInto : MenuPlace::kAfter;
}

}  // namespace

MenuPasteRefusal MenusModel::CheckPaste(std::u16string_view text,
                                        const MenuNode* selected) const {
  std::vector<uint32_t> commands;
  const MenuList items = ParseMenuClipboard(text, &commands);
  if (items.empty()) return {MenuPasteProblem::kNoItems};
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuKind kind = items[i].kind;
    const bool ordinaryCommand = kind == MenuKind::kCustom || kind == MenuKind::kDefaultLabel ||
                                 kind == MenuKind::kCommandName;
    if (ordinaryCommand && commands[i] != 0 && !IsKnownCommand(commands[i]))
      return {MenuPasteProblem::kUnknownCommand, commands[i], i + 1};
  }
  if (tree_.TopLevelRefuses(items.front(), selected, PastePlace(selected)))
    return {MenuPasteProblem::kNeedsPopup};
  if (tree_.RunTooDeep(items, selected, PastePlace(selected))) return {MenuPasteProblem::kTooDeep};
  return {};
}

MenuNode* MenusModel::Paste(std::u16string_view text, MenuNode* selected) {
  MenuList items = ParseMenuClipboard(text);
  const MenuPlace place = PastePlace(selected);
  MenuNode* first = tree_.InsertRun(items, selected, place);
  if (!first) return nullptr;
  if (place == MenuPlace::kInto && selected) selected->expanded = true;
  MarkChanged();
  return first;
}

std::u16string FormatDelayText(std::u16string_view format, uint32_t delay) {
  const uint32_t values[] = {delay / 1000, delay / kDelayStep % 10};
  size_t next = 0;
  std::u16string text;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size()) {
      const char16_t spec = format[i + 1];
      if (spec == u'%') {
        text += u'%';
        ++i;
        continue;
      }
      if ((spec == u'd' || spec == u'u') && next < std::size(values)) {
        std::u16string digits;
        uint32_t v = values[next++];
        do digits.insert(digits.begin(), static_cast<char16_t>(u'0' + v % 10));
        while (v /= 10);
        text += digits;
        ++i;
        continue;
      }
    }
    text += format[i];
  }
  return text;
}

uint32_t MenusModel::Delay() const {
  return IsUserMenu(current_) ? delay_[current_] : kDefaultMenuDelay;
}

void MenusModel::SetDelayFromSlider(uint32_t position) {
  if (!IsUserMenu(current_)) return;
  delay_[current_] = (position > kDelaySliderMax ? kDelaySliderMax : position) * kDelayStep;
}

}  // namespace scrv
