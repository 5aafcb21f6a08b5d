#pragma once
// The import report: what a settings file would change, what is kept out and what is refused,
// shown before anything is written. Import applies, Cancel (or Escape, or closing) writes
// nothing. Resizable; it keeps no placement, so that cancelling really writes nothing.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "frame/dialog_impl_win.h"
#include "resource_ids.h"
#include "settings/file_store_win.h"
#include "settings/settings_report.h"
#include "settings/settings_tables_win.h"
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

// The record files of this installation.
struct AppRecordFiles {
  Win32FileStore files;
  BinPathBuilder binPath = AppRecordPath;
  RecordPlace place{files, binPath};
};

// A settings file to import: `path`, or with a null path the one the Open dialog gives. Tells
// `owner` (when not null) why a file is refused. Nothing when the user cancelled (`refused`
// false) or the file is refused (`refused` true).
std::optional<SettingsFile> ReadChosenSettingsFile(HWND owner, const wchar_t* path,
                                                   bool& refused);
// Writes `file` to `path`, or with a null path where the Save dialog says: 1 written,
// 0 cancelled, -1 failed (and `owner`, when not null, told why).
int WriteChosenSettingsFile(HWND owner, const wchar_t* path, const SettingsFile& file);

// The exports' bodies, inside their guards.
int ExportSettingsTo(HWND owner, const wchar_t* path, uint32_t flags);
int ImportSettingsFrom(HWND owner, const wchar_t* path, uint32_t flags);

}  // namespace scrv
