#pragma once
// The advanced filter dialog: edits the host's ordered list of filter conditions and hands the
// list to the owner window (SCM_APPLY_FILTER) every time the user presses Filter, while it
// stays open. The rules live in AdvancedFilterModel; this class moves values between the model
// and the controls.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/check_list_win.h"
#include "controls/column_tip_win.h"
#include "filter_ids.h"
#include "frame/dialog_impl_win.h"
#include "frame/message_box_win.h"
#include "tools/advanced_filter.h"

namespace scrv {

class CAdvancedFilterDlg : public CMyDialogImpl<CAdvancedFilterDlg> {
 public:
  enum { IDD = IDD_ADVANCED_FILTER };
  // The list fills the left half and grows downwards; what edits the selection stays right of
  // the centre, the Filter and Close buttons at the right edge.
  static constexpr Anchor kAnchors[] = {
      {IDC_CHECK_LIST, anchor::kStretchHalfX | anchor::kStretchBottom},
      {IDC_CHECK_ALL, anchor::kMoveBottom},
      {IDC_AF_LOAD, anchor::kMoveBottom},
      {IDC_AF_SAVE, anchor::kMoveBottom},
      {IDC_AF_COLUMN, anchor::kSpanHalfToRight},
      {IDC_AF_COLUMN_LABEL, anchor::kSpanHalfToRight},
      {IDC_AF_RANGE_START, anchor::kSpanHalfToRight},
      {IDC_AF_RANGE_END, anchor::kSpanHalfToRight},
      {IDC_AF_CASE, anchor::kMoveHalfX},
      {IDC_AF_ONLY_WORD, anchor::kMoveHalfX},
      {IDC_AF_NEGATIVE, anchor::kMoveHalfX},
      {IDC_AF_LOGICAL_OR, anchor::kMoveHalfX},
      {IDC_AF_WHOLE_STRING, anchor::kMoveHalfX},
      {IDC_AF_MATCH_NL, anchor::kMoveHalfX},
      {IDC_AF_CR_ONLY, anchor::kMoveHalfX},
      {IDC_AF_LF_ONLY, anchor::kMoveHalfX},
      {IDC_AF_CRLF, anchor::kMoveHalfX},
      {IDC_AF_NL_OTHERS, anchor::kMoveHalfX},
      {IDC_AF_BOOKMARKED, anchor::kMoveHalfX},
      {IDC_AF_UNBOOKMARKED, anchor::kMoveHalfX},
      {IDC_AF_MATCH_TEXT, anchor::kMoveHalfX},
      {IDC_AF_MATCH_REGEXP, anchor::kMoveHalfX},
      {IDC_AF_MATCH_ESCSEQ, anchor::kMoveHalfX},
      {IDC_AF_MATCH_NUMRANGE, anchor::kMoveHalfX},
      {IDC_AF_ADD, anchor::kMoveHalfX},
      {IDC_AF_DELETE, anchor::kMoveHalfX},
      {IDC_AF_START_LABEL, anchor::kMoveHalfX},
      {IDC_AF_SELECT_ALL, anchor::kMoveHalfX},
      {IDC_AF_END_LABEL, anchor::kMoveHalfX},
      {IDC_AF_MATCH_GROUP, anchor::kMoveHalfX},
      {IDC_AF_OPTIONS_GROUP, anchor::kMoveHalfX},
      {IDC_AF_CLOSE_AFTER, anchor::kMoveHalfX},
      {IDC_AF_OPEN_START, anchor::kMoveRight},
      {IDC_AF_OPEN_END, anchor::kMoveRight},
      {IDOK, anchor::kMoveRight},
      {IDC_AF_FILTER_AGAIN, anchor::kMoveRight},
      {IDCANCEL, anchor::kMoveRight},
  };
  static constexpr const char16_t* kPlacementKey = u"AdvancedFilterDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_ADVANCED_FILTER;

  // `hostBlock` is the host's handle: replaced by the new block on every Filter (the old
  // block is freed). `secondFilterEnabled` is the starting state of the second Filter button.
  CAdvancedFilterDlg(std::vector<FilterCondition> conditions,
                     std::vector<std::u16string> columnNames, HGLOBAL* hostBlock,
                     bool secondFilterEnabled);

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  // Filter; Close writes the default flags back.
  void OnOK() override { OnFilter(false); }
  void OnCancel() override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  void OnLayout() override { flagsLegend_.Fit(); }
  // The legend's tooltip, made at WM_SETCURSOR.
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  void SetUpList();

  // The list view.
  std::vector<size_t> Selection() const;
  void ShowRowCount();
  void InsertRows(FilterInsertedRows rows);
  void RedrawRows(const std::vector<size_t>& rows);
  void OnGetDispInfo(NMLVDISPINFOW* info);
  void OnBeginLabelEdit(NMLVDISPINFOW* info);
  void OnEndLabelEdit(NMLVDISPINFOW* info);
  static void SwapRows(int first, int second, void* context);

  // The controls outside the list.
  void RefreshControls();
  void EnableRangeFields(bool rangeColumn);
  void OnFlagBox(int id);
  void OnMatchKind(int id);
  void OnColumnChosen();
  void OnRangeStartChanged();
  void OnRangeEndChanged();
  void OnOpenBound(bool start);

  // List commands.
  void OnAdd();
  void OnDelete();
  bool OnCopy();
  void OnCut();
  void OnPaste();
  void OnLoad();
  void OnSave();

  // Filter and closing.
  void OnFilter(bool fromSecondButton);
  void ReplaceHostBlock();

  CCheckList list_;
  CColumnTip flagsLegend_;  // what the letters of the flags column mean
  std::vector<FilterCondition> initial_;
  std::vector<std::u16string> columnNames_;
  std::optional<AdvancedFilterModel> model_;
  HGLOBAL* hostBlock_;
  bool startSecondFilter_;
  bool fillingControls_ = false;  // set while the dialog writes its own controls
  bool fillingList_ = false;      // set while rows are inserted
};

}  // namespace scrv
