#pragma once
// The jump dialog: the host's target and secondary numbers, its choice list and one check box.

#include <cstdint>

#include "frame/dialog_impl_win.h"
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

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

 private:
  LRESULT OnInitDialog();
  void OnChoiceChanged();
  void OnOK();
  std::optional<uint32_t> ReadField(int id) const;

  JumpModel model_;
};

}  // namespace scrv

// The host's numbers are zero-based unless `asIs` is nonzero. Returns the check box state on
// OK (the three in/out values written back), -1 otherwise (left untouched).
extern "C" int DoJump(HWND owner, uint32_t* target, uint32_t* secondary, int32_t* choiceIndex,
                      const void* choiceList, int asIs);
