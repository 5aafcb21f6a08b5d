#include "controls/check_states.h"

namespace scrv {

std::vector<bool> ToggleEach(const std::vector<bool>& states) {
  std::vector<bool> out(states.size());
  for (size_t i = 0; i < states.size(); ++i) out[i] = !states[i];
  return out;
}

std::vector<bool> ToggleAsFirst(const std::vector<bool>& states) {
  if (states.empty()) return {};
  return std::vector<bool>(states.size(), !states.front());
}

CheckAllView ComputeCheckAll(int rowCount, const std::vector<int>& selected,
                             const std::function<bool(int)>& isChecked) {
  CheckAllView view;
  view.captionId = selected.size() < 2 ? IDS_CHECK_ALL : IDS_CHECK_SELECTED;
  auto box = [](bool checked) { return checked ? BoxState::kChecked : BoxState::kUnchecked; };
  if (selected.empty()) {
    view.state = rowCount > 0 ? box(isChecked(0)) : BoxState::kIndeterminate;
    return view;
  }
  bool first = isChecked(selected.front());
  view.state = box(first);
  for (size_t i = 1; i < selected.size(); ++i) {
    if (isChecked(selected[i]) != first) {
      view.state = BoxState::kIndeterminate;
      break;
    }
  }
  return view;
}

CheckAllClick ClickCheckAll(BoxState shown, size_t selectedCount) {
  return {shown != BoxState::kChecked, selectedCount < 2};
}

}  // namespace scrv
