#pragma once
// The start dialog's options: eleven flags shown as check boxes and one radio pair.

#include <cstdint>

#include "frame/dialog_impl_win.h"
#include "integration/start_options.h"
#include "integration_ids.h"
#include "scrvdlgs_api.h"

namespace scrv {

class CCustomizeStartDlg : public CMyDialogImpl<CCustomizeStartDlg> {
 public:
  enum { IDD = IDD_START_OPTIONS };
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_START_OPTIONS;

  // 1 when OK changed a look option, else 0 (also before OK).
  int LookChanged() const { return lookChanged_; }

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void ShowValues();

  StartOptionsModel model_;
  int lookChanged_ = 0;
};

}  // namespace scrv
