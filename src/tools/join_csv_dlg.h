#pragma once
// The join CSV dialog: two open documents of the host, the key column of each, the columns of
// the result in their order, and the join options. Asks the host for the documents' names and
// columns, can save the join as a macro statement, and hands the choices back in the host's
// join record.

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "resource_ids.h"
#include "tools/join_csv.h"

namespace scrv {

class CJoinCSVDlg : public CMyDialogImpl<CJoinCSVDlg> {
 public:
  enum { IDD = IDD_JOIN_CSV };
  static constexpr DialogAnchor kAnchors[] = {
      {IDC_JOIN_FIRST_LABEL, anchor::kStretchHalfX},
      {IDC_JOIN_FIRST_DOCUMENT, anchor::kStretchHalfX},
      {IDC_JOIN_FIRST_KEY_LABEL, anchor::kStretchHalfX},
      {IDC_JOIN_FIRST_KEY, anchor::kStretchHalfX},
      {IDC_JOIN_SECOND_LABEL, anchor::kSpanHalfToRight},
      {IDC_JOIN_SECOND_DOCUMENT, anchor::kSpanHalfToRight},
      {IDC_JOIN_SECOND_KEY_LABEL, anchor::kSpanHalfToRight},
      {IDC_JOIN_SECOND_KEY, anchor::kSpanHalfToRight},
      {IDC_JOIN_SECOND_OPTIONS_LABEL, anchor::kMoveHalfX},
      {IDC_JOIN_UNIQUE_KEY2, anchor::kMoveHalfX},
      {IDC_JOIN_INCLUDE_ALL2, anchor::kMoveHalfX},
      {IDC_JOIN_IGNORE_HEADINGS2, anchor::kMoveHalfX},
      {IDC_JOIN_SIMPLE_MERGE, anchor::kMoveHalfX},
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
      {IDC_CL_MOVE_UP, anchor::kMoveRight},
      {IDC_CL_MOVE_DOWN, anchor::kMoveRight},
      {IDC_CL_MOVE_TOP, anchor::kMoveRight},
      {IDC_CL_MOVE_BOTTOM, anchor::kMoveRight},
      {IDC_CHECK_ALL, anchor::kMoveBottom},
      {IDC_JOIN_SAVE_MACRO, anchor::kMoveRight | anchor::kMoveBottom},
      {IDOK, anchor::kMoveRight | anchor::kMoveBottom},
      {IDCANCEL, anchor::kMoveRight | anchor::kMoveBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"JoinDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_JOIN_CSV;

  CJoinCSVDlg(std::vector<std::u16string> documentNames, const JoinCsvRecord& record);

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

  // After OK: the record (all but the pair block) and the pair entries in row order.
  const JoinCsvRecord& Record() const { return record_; }
  std::vector<uint8_t> PairBlock() const { return model_.PairBlock(); }

 private:
  LRESULT OnInitDialog();
  void OnRowText(NMLVDISPINFOW& info) const;
  void FillKeyColumns(JoinSide side);
  void FillPairList();
  void ReadOptions();
  void ShowEnabling();
  void OnDocumentChanged(JoinSide side);
  void OnKeyColumnChanged(JoinSide side);
  void OnDropDown(int comboId);
  void ReadRowChecks();
  void OnOK();
  void OnSaveMacro();
  std::vector<std::u16string> AskColumns(int32_t document);
  static void SwapRows(int first, int second, void* self);

  JoinCsvModel model_;
  JoinCsvRecord record_;
  CCheckList list_;
};

}  // namespace scrv

// Returns 1 after OK (the record then holds the choices and a pair block the host owns), else
// 0: cancelled, no open document (after message 389), or the dialog could not be started.
extern "C" int DoJoinCSV(HWND owner, void* record);
