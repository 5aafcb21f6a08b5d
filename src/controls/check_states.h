#pragma once
// The check states of a check list's rows as the user changes them: the Space and F9 toggles
// and the check-all box, whose caption and state follow the selection.

#include <cstdint>
#include <functional>
#include <vector>

#include "controls_ids.h"

namespace scrv {

// The values of a three-state check box (the platform's BST_UNCHECKED, BST_CHECKED,
// BST_INDETERMINATE).
enum class BoxState : uint32_t { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };

// New states for the selected rows, given their current states in selection order. Space
// flips each row on its own; F9 gives every row the opposite of the first one's state.
std::vector<bool> ToggleEach(const std::vector<bool>& states);
std::vector<bool> ToggleAsFirst(const std::vector<bool>& states);

// What the check-all box shows.
struct CheckAllView {
  BoxState state = BoxState::kIndeterminate;
  uint32_t captionId = IDS_CHECK_ALL;  // IDS_CHECK_ALL below two selected rows, else
                                       // IDS_CHECK_SELECTED
};

// `selected` are the selected rows (ascending), `isChecked` tells a row's state. With no
// selection the box shows the first row's state (indeterminate for an empty list), with one
// selected row that row's state, with several their common state or indeterminate.
CheckAllView ComputeCheckAll(int rowCount, const std::vector<int>& selected,
                             const std::function<bool(int)>& isChecked);

// A click on the check-all box: it toggles from what it showed (indeterminate becomes
// checked); the new state goes to the selected rows when more than one is selected, else to
// every row.
struct CheckAllClick {
  bool check = true;
  bool allRows = true;
};
CheckAllClick ClickCheckAll(BoxState shown, size_t selectedCount);

}  // namespace scrv
