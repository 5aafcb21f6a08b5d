#pragma once
// How a menu item's label and effective command are worked out: from its own text, from the
// menu's default (the reference menu), from the command name strings, or from the current
// plug-in, tool and macro lists, whose positions number their items.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "menus/menu_item.h"
#include "menus/menu_resources.h"
#include "settings/tools_list.h"

namespace scrv {

// The enabled plug-ins, in list order. Texts come from the plug-in's own module or its message
// procedure; either may be empty.
class PlugInLabels {
 public:
  virtual ~PlugInLabels() = default;
  virtual size_t Count() const = 0;
  // The plug-in's path as the list stores it (the bare file name for one in the plug-ins
  // folder): what a plug-in item's target names.
  virtual std::u16string FileName(size_t position) const = 0;
  virtual std::u16string MenuText(size_t position) = 0;
  virtual std::u16string StatusText(size_t position) = 0;
};

// Compares two names without regard to case. The Win32 layer compares as the system's ordinal
// comparison does; the default folds ASCII letters only.
using SameNameFn = bool (*)(std::u16string_view, std::u16string_view);
bool SameNameAscii(std::u16string_view a, std::u16string_view b);

// Everything labels are resolved against; absent lists count as empty.
struct MenuLabelSources {
  const MenuList* reference = nullptr;
  MenuResources* strings = nullptr;
  PlugInLabels* plugIns = nullptr;
  const std::vector<ToolRecord>* tools = nullptr;
  const std::vector<std::u16string>* macros = nullptr;
  SameNameFn sameName = SameNameAscii;

  // Positions in the lists, -1 when the name is not there (or lies past the command range).
  int FindPlugIn(std::u16string_view fileName) const;
  int FindTool(std::u16string_view name) const;
  int FindMacro(std::u16string_view name) const;
  // A command's name string; empty when it has none.
  std::u16string CommandName(uint32_t command) const;
  std::u16string CommandStatus(uint32_t command) const;
};

struct ResolvedLabel {
  std::u16string text;   // at most kMenuTextMax units
  uint32_t command = 0;  // the effective command identifier
};

// The computed label of an item (its own text aside) and its effective command.
ResolvedLabel ResolveLabel(const MenuItem& item, const MenuLabelSources& sources);

// The label an item shows: its own text, else the resolved one; a separator shows dashes.
std::u16string ShownLabel(const MenuItem& item, const MenuLabelSources& sources);
// The same without the separator's dashes: what copying an item carries.
std::u16string OwnOrResolvedLabel(const MenuItem& item, const MenuLabelSources& sources);

// The file name of a path: a macro's name is the file name of its entry in the macro list.
std::u16string FileNameOf(std::u16string_view path);

}  // namespace scrv
