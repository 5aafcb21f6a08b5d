#pragma once
// The rules of dragging text over and dropping it into an edit control: which effect a drag
// shows, whether the drop replaces the whole text or is inserted, and how a move within the
// same control is carried out so that positions stay right.

#include <cstdint>
#include <optional>

#include "controls/text_range.h"

namespace scrv {

// Drop effects (the platform's DROPEFFECT_* values).
constexpr uint32_t kDropEffectNone = 0;
constexpr uint32_t kDropEffectCopy = 1;
constexpr uint32_t kDropEffectMove = 2;

// Key-state bits of a drag (the platform's MK_* values).
constexpr uint32_t kDragKeyShift = 0x4;
constexpr uint32_t kDragKeyControl = 0x8;
constexpr uint32_t kDragKeyAlt = 0x20;

struct EditDragOver {
  uint32_t effect = kDropEffectNone;
  bool replace = false;  // the drop replaces the whole text rather than being inserted
};

// Ctrl copies; Shift, or a drag that started in this control, moves; anything else copies.
// A drag from this control over its own selection shows no effect. A drag from elsewhere
// replaces the whole text with Alt, inserts with Ctrl or Shift, and otherwise follows the
// control's default; a drag from this control always inserts.
EditDragOver DecideEditDragOver(uint32_t keyState, bool fromThisControl, bool overOwnSelection,
                                bool defaultReplace);

// Whether a character position lies on the selection (the character there is selected).
bool IsOnSelection(size_t position, TextRange selection);

// The steps of inserting dropped text at `dropAt`, undoable one by one. For a move from this
// same control (`movedFrom`, the selection saved when the drag started), the source is
// deleted before the insertion when it lies after the drop point and after the insertion when
// it lies before, so that neither step shifts the other's positions.
struct EditDropPlan {
  bool deleteBefore = false;  // delete `source` before inserting
  bool deleteAfter = false;   // delete `source` after inserting
  TextRange source;           // the moved text, in positions valid when it is deleted
  size_t insertAt = 0;        // where the dropped text goes, valid when it is inserted
  size_t caret = 0;           // the caret afterwards: just after the inserted text
};
// Nothing (no change at all) when a move would drop the text inside itself. Positions beyond
// `textLength` are pulled back to it.
std::optional<EditDropPlan> PlanEditDrop(size_t textLength, size_t dropAt, size_t droppedLength,
                                         std::optional<TextRange> movedFrom);

}  // namespace scrv
