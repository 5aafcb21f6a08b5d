#include "menus/menu_labels.h"

#include "base/command_table.h"

namespace scrv {
namespace {

char16_t FoldAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Positions past `limit` have no command identifier of their own and count as missing.
int Limited(size_t position, uint32_t limit) {
  return position < limit ? static_cast<int>(position) : -1;
}

}  // namespace

bool SameNameAscii(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

int MenuLabelSources::FindPlugIn(std::u16string_view fileName) const {
  if (!plugIns) return -1;
  for (size_t i = 0; i < plugIns->Count(); ++i)
    if (sameName(plugIns->FileName(i), fileName)) return Limited(i, kPlugInCommandCount);
  return -1;
}

int MenuLabelSources::FindTool(std::u16string_view name) const {
  if (!tools) return -1;
  for (size_t i = 0; i < tools->size(); ++i)
    if (sameName((*tools)[i].title, name)) return Limited(i, kToolCommandCount);
  return -1;
}

int MenuLabelSources::FindMacro(std::u16string_view name) const {
  if (!macros) return -1;
  for (size_t i = 0; i < macros->size(); ++i)
    if (sameName((*macros)[i], name)) return Limited(i, kMacroCommandCount);
  return -1;
}

std::u16string MenuLabelSources::CommandName(uint32_t command) const {
  if (!strings || command == 0) return {};
  return std::u16string(CommandNameOf(strings->LoadText(command)));
}

std::u16string MenuLabelSources::CommandStatus(uint32_t command) const {
  if (!strings || command == 0) return {};
  return std::u16string(CommandStatusOf(strings->LoadText(command)));
}

ResolvedLabel ResolveLabel(const MenuItem& item, const MenuLabelSources& sources) {
  ResolvedLabel r;
  switch (item.kind) {
    case MenuKind::kDefaultLabel:
      r.command = item.command;
      if (sources.reference) {
        int found = FindCommand(*sources.reference, item.command);
        if (found >= 0) r.text = (*sources.reference)[static_cast<size_t>(found)].text;
      }
      break;
    case MenuKind::kCommandName:
      r.command = item.command;
      r.text = sources.CommandName(item.command);
      break;
    case MenuKind::kPopup:
      if (item.command != 0 && sources.reference)
        if (const MenuItem* popup = ParentPopupOfCommand(*sources.reference, item.command))
          r.text = popup->text;
      break;
    case MenuKind::kPlugIn:
      if (int i = sources.FindPlugIn(item.target); i >= 0) {
        r.text = sources.plugIns->MenuText(static_cast<size_t>(i));
        r.command = kPlugInCommandBase + static_cast<uint32_t>(i);
      }
      break;
    case MenuKind::kTool:
      if (int i = sources.FindTool(item.target); i >= 0) {
        r.text = (*sources.tools)[static_cast<size_t>(i)].title;
        r.command = kToolCommandBase + static_cast<uint32_t>(i);
      }
      break;
    case MenuKind::kMacro:
      if (int i = sources.FindMacro(item.target); i >= 0) {
        r.text = (*sources.macros)[static_cast<size_t>(i)];
        r.command = kMacroCommandBase + static_cast<uint32_t>(i);
      }
      break;
    case MenuKind::kCustom:
      r.command = item.command;
      break;
  }
  if (r.text.size() > kMenuTextMax) r.text.resize(kMenuTextMax);
  return r;
}

std::u16string OwnOrResolvedLabel(const MenuItem& item, const MenuLabelSources& sources) {
  return item.text.empty() ? ResolveLabel(item, sources).text : item.text;
}

std::u16string ShownLabel(const MenuItem& item, const MenuLabelSources& sources) {
  if (item.IsSeparator()) return kSeparatorLabel;
  return OwnOrResolvedLabel(item, sources);
}

std::u16string FileNameOf(std::u16string_view path) {
  size_t slash = path.find_last_of(u"\\/");
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace scrv
