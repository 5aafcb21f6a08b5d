#pragma once
// The about box: the product, the host's version, the web link and the component versions.

#include <cstdint>

#include "controls/url_text_win.h"
#include "frame/dialog_impl_win.h"
#include "resource_ids.h"

namespace scrv {

class CAboutDlg : public CMyDialogImpl<CAboutDlg> {
 public:
  enum { IDD = IDD_ABOUT };
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_ABOUT;

  // `host` is asked for its version.
  explicit CAboutDlg(HWND host) : host_(host) {}

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

 private:
  BOOL OnInitDialog();
  // The control's template text with its "%s" filled in.
  void FillControl(int id, std::u16string_view value);

  HWND host_;
  CUrlText link_;
};

}  // namespace scrv

// Returns the dialog's result: 1 OK, 2 Cancel, -1 when it could not be started. `value` is the
// host's and passes through unused.
extern "C" int DoAbout(HWND owner, uint32_t value);
