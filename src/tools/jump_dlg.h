#pragma once
// The jump dialog: the host's target and secondary numbers, its choice list and one check box.

#include <cstdint>

#include "frame/dialog_impl_win.h"
#include "jump_ids.h"
#include "tools/jump.h"

namespace scrv {

class CJumpDlg : public CMyDialogImpl<CJumpDlg> {
 public:
  enum { IDD = IDD_JUMP };
  static constexpr auto& kAnchors = kJumpAnchors;
  static constexpr const char16_t* kPlacementKey = kJumpPlacementKey.data();
  static constexpr uint32_t kResizeMode = kJumpResizeMode;
  static constexpr uint32_t kHelpTopic = kJumpHelpTopic;

  explicit CJumpDlg(JumpModel model) : model_(std::move(model)) {}
  const JumpModel& Model() const { return model_; }

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void OnChoiceChanged();
  void ShowNote();
  std::optional<uint32_t> ReadField(int id) const;

  JumpModel model_;
};

}  // namespace scrv
