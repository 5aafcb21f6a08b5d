#pragma once
// The import report: what a settings file would change, what is kept out and what is refused,
// shown before anything is written. Import applies, Cancel (or Escape, or closing) writes
// nothing. Resizable; it keeps no placement, so that cancelling really writes nothing.

#include <windows.h>

#include <cstdint>

#include "frame/dialog_impl_win.h"
#include "resource_ids.h"
#include "settings/settings_report.h"
#include "settings/settings_transfer.h"

namespace scrv {

class CSettingsReportDlg : public CMyDialogImpl<CSettingsReportDlg> {
 public:
  enum { IDD = IDD_SETTINGS_REPORT };
  static constexpr Anchor kAnchors[] = {
      {IDC_SR_SUMMARY, anchor::kStretchRight},
      {IDC_SR_NEWER, anchor::kStretchRight},
      {IDC_SR_LIST, anchor::kStretchRight | anchor::kStretchBottom},
      {IDOK, anchor::kMoveRight | anchor::kMoveBottom},
      {IDCANCEL, anchor::kMoveRight | anchor::kMoveBottom},
  };
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;

  explicit CSettingsReportDlg(ReportText text) : text_(std::move(text)) {}
  BOOL OnInitDialog() override;

 private:
  ReportText text_;
};

class CustomizeSession;

// Shows the report of `plan` over `owner`, values as the Customize pages show them (with
// `session`, in the units its pages hold); true when the user chose Import.
bool ShowImportReport(HWND owner, const ImportPlan& plan, CustomizeSession* session = nullptr);

// The exports' bodies, inside their guards.
int ExportSettingsTo(HWND owner, const wchar_t* path, uint32_t flags);
int ImportSettingsFrom(HWND owner, const wchar_t* path, uint32_t flags);

}  // namespace scrv
