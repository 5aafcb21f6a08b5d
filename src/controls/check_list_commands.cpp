#include "controls/check_list_commands.h"

namespace scrv {
namespace {

struct KeyBinding {
  uint32_t command;
  uint16_t key;
  bool ctrl;
  std::u16string_view text;
};

// One row per key of the command table; the texts spell the same keys for the menu.
constexpr KeyBinding kBindings[] = {
    {ID_CL_CUT, 'X', true, u"Ctrl+X"},
    {ID_CL_COPY, 'C', true, u"Ctrl+C"},
    {ID_CL_PASTE, 'V', true, u"Ctrl+V"},
    {ID_CL_SELECT_ALL, 'A', true, u"Ctrl+A"},
    {IDC_CL_MOVE_UP, 'U', true, u"Ctrl+U"},
    {IDC_CL_MOVE_DOWN, 'D', true, u"Ctrl+D"},
    {IDC_CL_MOVE_TOP, 'T', true, u"Ctrl+T"},
    {IDC_CL_MOVE_BOTTOM, 'B', true, u"Ctrl+B"},
    {ID_CL_DELETE, vk::kDelete, false, u"Delete"},
    {ID_CL_RENAME, vk::kF2, false, u"F2"},
    {ID_CL_ADD, vk::kInsert, false, u"Insert"},
    {kClToggleEach, vk::kSpace, false, u"Space"},
    {kClToggleAsFirst, vk::kF9, false, u"F9"},
};

}  // namespace

bool CheckListCommandAvailable(uint32_t command, const CheckListOptions& o,
                               const CheckListSelection& s) {
  bool any = s.selectedCount > 0 && s.rowCount > 0;
  switch (command) {
    case ID_CL_CUT:
      return o.editing && o.cutEnabled && any;
    case ID_CL_COPY:
      return any;
    case ID_CL_PASTE:
      return o.editing && o.pasteEnabled;
    case ID_CL_SELECT_ALL:
      return !o.selectAllDisabled;
    case IDC_CL_MOVE_UP:
    case IDC_CL_MOVE_TOP:
      return o.moving && any && !s.firstRowSelected;
    case IDC_CL_MOVE_DOWN:
    case IDC_CL_MOVE_BOTTOM:
      return o.moving && any && !s.lastRowSelected;
    case ID_CL_DELETE:
      return o.editing && any;
    case ID_CL_RENAME:
      return any && s.labelEditing;
    case ID_CL_ADD:
      return true;
    case kClToggleEach:
    case kClToggleAsFirst:
      return o.checkBoxes && any;
    case ID_CL_LOAD:
      return o.loadEnabled;
    case ID_CL_SAVE:
      return o.saveEnabled;
  }
  return false;
}

uint32_t CheckListCommandForKey(uint16_t virtualKey, bool ctrl, bool shift, bool alt) {
  if (shift || alt) return 0;
  for (const auto& b : kBindings)
    if (b.key == virtualKey && b.ctrl == ctrl) return b.command;
  return 0;
}

std::u16string_view CheckListAcceleratorText(uint32_t command) {
  // The toggles and Add are keys only: the menu has no item for them.
  if (command == kClToggleEach || command == kClToggleAsFirst || command == ID_CL_ADD) return {};
  for (const auto& b : kBindings)
    if (b.command == command) return b.text;
  return {};
}

}  // namespace scrv
