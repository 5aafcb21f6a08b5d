#pragma once
// The start dialog's options: eleven flags shown as check boxes and one radio pair.

#include <cstdint>

#include "frame/dialog_impl_win.h"
#include "integration/start_options.h"
#include "resource_ids.h"

namespace scrv {

class CCustomizeStartDlg : public CMyDialogImpl<CCustomizeStartDlg> {
 public:
  enum { IDD = IDD_START_OPTIONS };
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_START_OPTIONS;

  // 1 when OK changed a look option, else 0 (also before OK).
  int LookChanged() const { return lookChanged_; }

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

 private:
  BOOL OnInitDialog();
  void ShowValues();
  void OnOK();

  StartOptionsModel model_;
  int lookChanged_ = 0;
};

}  // namespace scrv

// 1 when OK changed one of the look options, 0 otherwise (Cancel included), -1 when the dialog
// could not be started.
extern "C" int DoCustomizeStart(HWND owner);
