#pragma once
// The marker sheet: the marker list, the automatic markers and the marker options on three
// pages over one working copy (MarkerSheetModel). Pages move values between their controls and
// the model; DoCustomizeMarkers loads the model before the sheet opens and saves it after OK.

#include <windows.h>

#include <vector>

#include "controls/check_list_win.h"
#include "frame/property_page_win.h"
#include "frame/property_sheet_win.h"
#include "markers/marker_sheet.h"
#include "markers/marker_undo.h"

namespace scrv {

// The editor's check of a regular expression, asked through the sheet's owner; without an answer
// the library's own syntax check decides.
class HostRegexCheck : public RegexCheck {
 public:
  explicit HostRegexCheck(HWND owner) : owner_(owner) {}
  bool IsValid(std::u16string_view pattern, bool matchCase) override;

 private:
  HWND owner_;
};

class CMarkerListPage : public CPropertyPageBase {
 public:
  CMarkerListPage(MarkerSheetModel& model, const MarkerColorSet& colors, HWND owner,
                  int selectMarker);
  ~CMarkerListPage() override;

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  bool OnApply() override;
  bool OnKillActive() override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void OnModelRestored() override;
  // The colour sample (WM_CTLCOLORSTATIC).
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  void FillList();
  void InsertRow(int row);
  void AppendAndSelect(const MarkerList& added, bool editFirst);
  void ReadChecks();
  void ShowSelection();
  // Checks the markers again and shows why OK is refused (nothing once all are valid); the
  // first invalid marker, -1 when none.
  int ShowRegexReason();
  void ForgetRefusal();
  void OnFlagBox(int id, uint8_t flag);
  void OnNamed();
  void OnColor();
  void OnCheckListCommand(WPARAM code);
  bool Copy();
  void Paste();
  void Delete();
  HBRUSH SampleBrush(HDC dc);
  static void SwapMarkers(int first, int second, void* context);

  MarkerSheetModel& model_;
  const MarkerColorSet& colors_;
  HWND owner_;
  int selectMarker_;
  CCheckList list_;
  std::vector<int> selection_;
  bool showing_ = false;  // controls are being set from the model, not by the user
  bool refused_ = false;  // OK was refused for a regular expression: the reason line shows
  HBRUSH sampleBrush_ = nullptr;
  COLORREF sampleColor_ = 0;
};

class CMarkerAutoPage : public CPropertyPageBase {
 public:
  explicit CMarkerAutoPage(MarkerSheetModel& model);
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnModelRestored() override;

 private:
  MarkerSheetModel& model_;
};

class CMarkerOptionsPage : public CPropertyPageBase {
 public:
  explicit CMarkerOptionsPage(MarkerSheetModel& model);
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnModelRestored() override;

 private:
  MarkerSheetModel& model_;
};

class CMarkerSheet : public CPropertySheetBase, private PageSteps {
 public:
  // `owner` is the sheet's owner, asked to check the markers' regular expressions.
  CMarkerSheet(SheetOptions options, HWND owner, MarkerSheetModel& model,
               const MarkerColorSet& colors, int selectMarker);

 protected:
  // Ctrl+Z and Ctrl+Y over the three pages' steps.
  bool OnUndo(bool redo) override;

 private:
  void BeginStep(size_t page) override;
  void EndStep(UndoPlace place, UndoKind kind) override;

  CMarkerListPage listPage_;
  CMarkerAutoPage autoPage_;
  CMarkerOptionsPage optionsPage_;
  MarkerUndo undo_;
  bool replaying_ = false;
};

}  // namespace scrv
