#pragma once
// The commands of a check list (context menu, keys and the parent's buttons): when each is
// available, which key gives it, and the accelerator text shown beside it in the menu.

#include <cstdint>
#include <string_view>

#include "controls_ids.h"

namespace scrv {

// Key actions that are not menu commands.
constexpr uint32_t kClToggleEach = 0x20001;     // Space: every selected row flips on its own
constexpr uint32_t kClToggleAsFirst = 0x20002;  // F9: every selected row gets the opposite of
                                                // the first selected row's state

// What the owning dialog allows (the check list's configuration flags).
struct CheckListOptions {
  bool editing = false;      // delete, cut, paste, insert and in-place editing
  bool moving = false;       // the move commands and drag reordering
  bool pasteEnabled = true;  // with editing: paste
  bool cutEnabled = true;    // with editing: cut
  bool checkBoxes = false;   // rows have check boxes the user can toggle
  bool selectAllDisabled = false;
  bool loadEnabled = false;
  bool saveEnabled = false;
};

// What the list looks like at the moment.
struct CheckListSelection {
  int rowCount = 0;
  int selectedCount = 0;
  bool firstRowSelected = false;
  bool lastRowSelected = false;
  bool labelEditing = false;  // the list view allows in-place editing of its labels
};

// Whether `command` (an ID_CL_* or IDC_CL_MOVE_* number, or a toggle action) may run now.
// Unknown commands are never available; Add (204) always is.
bool CheckListCommandAvailable(uint32_t command, const CheckListOptions& options,
                               const CheckListSelection& selection);

// Virtual-key codes the check list reacts to (the platform's values).
namespace vk {
constexpr uint16_t kSpace = 0x20, kInsert = 0x2D, kDelete = 0x2E, kF2 = 0x71, kF9 = 0x78;
}  // namespace vk

// The command a key gives, or 0. Letters are their upper-case virtual-key codes ('X' ...);
// only the exact modifier combination of the command table counts.
uint32_t CheckListCommandForKey(uint16_t virtualKey, bool ctrl, bool shift, bool alt);

// The accelerator text of a menu command ("Ctrl+X", "Delete", "F2"), empty when it has none.
std::u16string_view CheckListAcceleratorText(uint32_t command);

}  // namespace scrv
