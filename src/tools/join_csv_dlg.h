#pragma once
// The join CSV dialog: two open documents of the host, the key column of each, the columns of
// the result in their order, and the join options. Asks the host for the documents' names and
// columns, can save the join as a macro statement, and hands the choices back in the host's
// join record.

#include "keys_ids.h"
#include "controls/column_list_win.h"
#include "tools/join_csv.h"

namespace scrv {

class CJoinCSVDlg : public CColumnListDialog<CJoinCSVDlg> {
 public:
  enum { IDD = IDD_JOIN_CSV };
  static constexpr Anchor kAnchors[] = {
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

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

  // After OK: the record (all but the pair block) and the pair entries in row order.
  const JoinCsvRecord& Record() const { return record_; }
  std::vector<uint8_t> PairBlock() const { return model_.PairBlock(); }

 private:
  std::u16string_view RowText(LPARAM param, int column) const override;
  void OnRowsSwapped(size_t first, size_t second) override { model_.SwapRows(first, second); }
  void OnListSelectionChanged() override;
  void FillKeyColumns(JoinSide side);
  void FillPairList();
  // The pair rows, with the columns added the first time; the caller holds the list's redraw.
  void FillPairRows();
  void ReadOptions();
  void ShowEnabling();
  void OnDocumentChanged(JoinSide side);
  void OnKeyColumnChanged(JoinSide side);
  void ReadRowChecks();
  void OnSaveMacro();
  std::vector<std::u16string> AskColumns(int32_t document);

  JoinCsvModel model_;
  JoinCsvRecord record_;
  bool columnsAdded_ = false;  // the list's columns, added by the first fill
};

}  // namespace scrv
