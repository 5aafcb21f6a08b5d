#include "controls/edit_drop.h"

#include <algorithm>

namespace scrv {

EditDragOver DecideEditDragOver(uint32_t keyState, bool fromThisControl, bool overOwnSelection,
                                bool defaultReplace) {
  EditDragOver r;
  if (fromThisControl && overOwnSelection) return r;
  if (keyState & kDragKeyControl)
    r.effect = kDropEffectCopy;
  else if ((keyState & kDragKeyShift) || fromThisControl)
    r.effect = kDropEffectMove;
  else
    r.effect = kDropEffectCopy;
  if (fromThisControl)
    r.replace = false;
  else if (keyState & kDragKeyAlt)
    r.replace = true;
  else if (keyState & (kDragKeyControl | kDragKeyShift))
    r.replace = false;
  else
    r.replace = defaultReplace;
  return r;
}

bool IsOnSelection(size_t position, TextRange selection) {
  return position >= selection.start && position < selection.end;
}

std::optional<EditDropPlan> PlanEditDrop(size_t textLength, size_t dropAt, size_t droppedLength,
                                         std::optional<TextRange> movedFrom) {
  EditDropPlan plan;
  dropAt = std::min(dropAt, textLength);
  if (movedFrom) {
    TextRange src{std::min(movedFrom->start, textLength), std::min(movedFrom->end, textLength)};
    if (src.start > src.end) std::swap(src.start, src.end);
    if (!src.empty()) {
      if (dropAt > src.start && dropAt < src.end) return std::nullopt;
      plan.source = src;
      if (src.start >= dropAt) {
        plan.deleteBefore = true;
      } else {
        plan.deleteAfter = true;
        plan.insertAt = dropAt;
        plan.caret = dropAt + droppedLength - src.size();
        return plan;
      }
    }
  }
  plan.insertAt = dropAt;
  plan.caret = dropAt + droppedLength;
  return plan;
}

}  // namespace scrv
