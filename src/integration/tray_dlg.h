#pragma once
// The tray icon dialog: what each click on the host's notification-area icon does and the two
// system-wide hot keys. OK writes the six settings; Cancel writes nothing.

#include <array>
#include <cstdint>

#include "frame/dialog_impl_win.h"
#include "integration/tray_options.h"
#include "integration_ids.h"
#include "scrvdlgs_api.h"

namespace scrv {

class CCustomizeTrayDlg : public CMyDialogImpl<CCustomizeTrayDlg> {
 public:
  enum { IDD = IDD_TRAY };
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_TRAY;

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void FillCombos();
  void ShowOptions(const TrayOptions& options);
  TrayOptions ReadOptions() const;
  // While the left click runs a command the double click does nothing.
  void ApplyLeftClickRule();
};

}  // namespace scrv
