#pragma once
// The about box: the product, the host's version, the web link and the component versions.

#include <cstdint>

#include "controls/url_text_win.h"
#include "frame/dialog_impl_win.h"
#include "integration_ids.h"
#include "scrvdlgs_api.h"

namespace scrv {

class CAboutDlg : public CMyDialogImpl<CAboutDlg> {
 public:
  enum { IDD = IDD_ABOUT };
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_ABOUT;

  // `host` is asked for its version.
  explicit CAboutDlg(HWND host) : host_(host) {}

  BOOL OnInitDialog() override;

 private:
  // The control's template text with its "%s" filled in.
  void FillControl(int id, std::u16string_view value);

  HWND host_;
  CUrlText link_;
};

}  // namespace scrv
