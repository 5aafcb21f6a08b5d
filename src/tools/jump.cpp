#include "tools/jump.h"

#include "frame/reason_text.h"

#include <algorithm>

#include "controls/wide_string_list.h"

namespace scrv {

std::vector<std::u16string> ReadJumpChoices(const void* descriptor) {
  return ReadWideStringList(descriptor).value_or(std::vector<std::u16string>{});
}

JumpModel::JumpModel(const JumpValues& host, bool asIs, std::vector<std::u16string> choices)
    : target_(asIs ? host.target : host.target + 1),
      secondary_(asIs ? host.secondary : host.secondary + 1),
      choiceIndex_(host.choiceIndex),
      asIs_(asIs),
      choices_(std::move(choices)) {}

int32_t JumpModel::InitialSelection() const {
  if (choiceIndex_ < 0 || static_cast<size_t>(choiceIndex_) >= choices_.size()) return -1;
  return choiceIndex_;
}

uint32_t JumpModel::ReadNumber(std::optional<uint32_t> field, uint32_t opening) const {
  if (!field) return opening;
  return std::clamp(*field, MinimumEntry(), kJumpMaxNumber);
}

std::u16string JumpModel::FieldNote(std::optional<uint32_t> field, uint32_t opening,
                                    std::u16string_view label,
                                    const std::function<std::u16string(uint32_t)>& text) const {
  const std::u16string name = FieldName(label);
  if (!field) return FillArguments(text(IDS_JUMP_NOTE_NOT_NUMBER), {name, DecimalText(opening)});
  const uint32_t used = ReadNumber(field, opening);
  if (used == *field) return {};
  return FillArguments(
      text(IDS_JUMP_NOTE_OUT_OF_RANGE),
      {name, DecimalText(MinimumEntry()), DecimalText(kJumpMaxNumber), DecimalText(used)});
}

void JumpModel::Accept(std::optional<uint32_t> targetField, std::optional<uint32_t> secondaryField,
                       bool checked, int32_t selection) {
  target_ = ReadNumber(targetField, target_);
  secondary_ = ReadNumber(secondaryField, secondary_);
  checked_ = checked;
  choiceIndex_ =
      choices_.empty() || selection < 0 || static_cast<size_t>(selection) >= choices_.size()
          ? -1
          : selection;
}

JumpValues JumpModel::HostValues() const {
  return {asIs_ ? target_ : target_ - 1, asIs_ ? secondary_ : secondary_ - 1, choiceIndex_};
}

int32_t FinishJump(intptr_t runnerResult, const JumpModel& model, JumpValues& host) {
  if (runnerResult != 1) return kJumpCancelled;
  host = model.HostValues();
  return model.CheckState();
}

}  // namespace scrv
