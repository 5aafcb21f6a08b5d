#pragma once
// A MessageUi that records every task dialog and address and answers from a script.

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "frame/message_box_model.h"

namespace scrv::testing {

class FakeMessageUi : public MessageUi {
 public:
  OwnerState owner = OwnerState::kShown;
  std::vector<TaskDialogRequest> shown;
  std::deque<TaskDialogResult> answers;  // when empty every dialog answers OK
  std::vector<std::u16string> opened;
  std::set<std::u16string> unreachable;  // addresses that fail to open

  OwnerState Owner() override { return owner; }
  TaskDialogResult RunTaskDialog(const TaskDialogRequest& request) override {
    shown.push_back(request);
    if (answers.empty()) return {1, 0, false};
    TaskDialogResult r = answers.front();
    answers.pop_front();
    return r;
  }
  bool OpenAddress(std::u16string_view address) override {
    opened.emplace_back(address);
    return !unreachable.count(std::u16string(address));
  }
};

}  // namespace scrv::testing
