#pragma once
// The code page dialog: which of the system's code pages the editor offers. OK stores the
// ticked ones (or removes the stored list when it is the default one) and tells the host.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "integration/code_pages.h"
#include "integration/multi_language_win.h"
#include "resource_ids.h"

namespace scrv {

class CCodePageDlg : public CMyDialogImpl<CCodePageDlg> {
 public:
  enum { IDD = IDD_CODE_PAGE };
  static constexpr DialogAnchor kAnchors[] = {
      {IDOK, anchor::kMoveRight},
      {IDCANCEL, anchor::kMoveRight},
      {IDC_CP_RESET, anchor::kMoveRight | anchor::kMoveBottom},
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
      {IDC_CP_NOTE, anchor::kMoveBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"CodePageDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_CODE_PAGE;

  explicit CCodePageDlg(HWND owner) : owner_(owner) {}

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

 private:
  BOOL OnInitDialog();
  void OnRowText(NMLVDISPINFOW& info);
  void ShowTicks();
  void OnOK();
  void FitColumns();

  HWND owner_;
  std::unique_ptr<MultiLanguage> service_;
  std::optional<CodePageSelection> selection_;
  std::vector<std::optional<std::wstring>> descriptions_;  // asked once per row, when shown
  CCheckList list_;
};

}  // namespace scrv

// Returns the dialog's result: 1 OK, 2 Cancel, -1 when it could not be started, 0 when COM
// cannot be initialised on the thread.
extern "C" int DoCodePage(HWND owner);
// Replaces the contents of the host's list of 16-bit code pages (three pointers: first, one
// past the last, end of storage) by the default list. See the ABI header for the storage rule.
extern "C" void ResetCodePage(void* list);
