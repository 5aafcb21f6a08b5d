#pragma once
// The code page dialog: which of the system's code pages the editor offers. OK stores the
// ticked ones (or removes the stored list when it is the default one) and tells the host.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "integration/code_pages.h"
#include "integration/multi_language_win.h"
#include "integration_ids.h"
#include "scrvdlgs_api.h"

namespace scrv {

class CCodePageDlg : public CMyDialogImpl<CCodePageDlg> {
 public:
  enum { IDD = IDD_CODE_PAGE };
  static constexpr Anchor kAnchors[] = {
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

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void OnOK() override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void OnLayout() override { FitColumns(); }

 private:
  void OnRowText(NMLVDISPINFOW& info);
  const std::wstring& Description(size_t row);
  std::wstring ScriptName(size_t row);
  void ShowTicks();
  std::pair<int, int> ColumnWidths() const;  // name, script
  void FitColumns();

  HWND owner_;
  std::unique_ptr<MultiLanguage> service_;
  std::optional<CodePageSelection> selection_;
  std::vector<std::optional<std::wstring>> descriptions_;  // asked once per row, when shown
  CCheckList list_;
};

}  // namespace scrv
