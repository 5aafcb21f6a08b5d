#pragma once
// The jump dialog's model: the host's two numbers (zero-based unless taken as they are), its
// choice list and the check box, what the dialog shows when it opens, how a number field is
// read back, and what the host gets on OK.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/anchor_layout.h"
#include "jump_ids.h"

namespace scrv {

constexpr uint32_t kJumpTemplate = IDD_JUMP;
constexpr uint32_t kJumpHelpTopic = HELP_TOPIC_JUMP;
constexpr std::u16string_view kJumpPlacementKey = u"JumpDlgPos";
constexpr uint32_t kJumpResizeMode = 1;  // width only
constexpr uint32_t kJumpMaxNumber = 0x7FFFFFFE;
constexpr int32_t kJumpCancelled = -1;

// Registered in this order when the dialog opens.
constexpr Anchor kJumpAnchors[] = {
    {IDC_JUMP_TARGET, anchor::kStretchHalfX},
    {IDC_JUMP_SECONDARY_LABEL, anchor::kMoveHalfX},
    {IDC_JUMP_SECONDARY, anchor::kSpanHalfToRight},
    {IDC_JUMP_CHOICE, anchor::kStretchRight},
    {1, anchor::kMoveRight},  // OK
    {2, anchor::kMoveRight},  // Cancel
};

// The export's three in/out values.
struct JumpValues {
  uint32_t target = 0;
  uint32_t secondary = 0;
  int32_t choiceIndex = -1;
  friend bool operator==(const JumpValues&, const JumpValues&) = default;
};

// The choice list at the host's descriptor; a list that cannot be read counts as empty.
std::vector<std::u16string> ReadJumpChoices(const void* descriptor);

class JumpModel {
 public:
  // With asIs false the host's numbers are zero-based and shown one-based.
  JumpModel(const JumpValues& host, bool asIs, std::vector<std::u16string> choices);

  // The numbers as the fields show them (set as signed integers).
  int32_t TargetShown() const { return static_cast<int32_t>(target_); }
  int32_t SecondaryShown() const { return static_cast<int32_t>(secondary_); }
  // The check box opens checked whatever the host had.
  bool CheckedOnOpen() const { return true; }
  const std::vector<std::u16string>& Choices() const { return choices_; }
  // An empty list leaves the drop-down list disabled and empty.
  bool ChoiceListEnabled() const { return !choices_.empty(); }
  // The entry selected on opening, -1 for none (also for an index outside the list).
  int32_t InitialSelection() const;
  // Choosing another entry puts this into the secondary number field, as-is or not.
  static constexpr uint32_t kSecondaryAfterChoiceChange = 1;

  // The smallest number accepted: 1, or 0 when the numbers are taken as they are.
  uint32_t MinimumEntry() const { return asIs_ ? 0 : 1; }
  // Digits a number field takes: enough for the largest number accepted, 2147483646.
  static constexpr uint32_t kFieldDigits = 10;
  // A field read back: `field` is its text as an unsigned number, nullopt when the text is not
  // one (empty, letters, out of the unsigned range); that keeps the opening value, anything
  // else is clamped to MinimumEntry() .. 2147483646.
  uint32_t ReadNumber(std::optional<uint32_t> field, uint32_t opening) const;

  // OK: the two fields, the check box and the list's selection (-1 for none).
  void Accept(std::optional<uint32_t> targetField, std::optional<uint32_t> secondaryField,
              bool checked, int32_t selection);

  // After Accept: the values for the host (one-based numbers back to zero-based) and the
  // export's result, the check box state.
  JumpValues HostValues() const;
  int32_t CheckState() const { return checked_ ? 1 : 0; }

 private:
  uint32_t target_;
  uint32_t secondary_;
  int32_t choiceIndex_;
  bool asIs_;
  bool checked_ = true;
  std::vector<std::u16string> choices_;
};

// The end of DoJump: on OK (runner result 1) the host's values are replaced and the check
// state returned; any other result leaves them untouched and gives -1.
int32_t FinishJump(intptr_t runnerResult, const JumpModel& model, JumpValues& host);

}  // namespace scrv
