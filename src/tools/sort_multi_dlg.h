#pragma once
// The sort multi dialog: which columns take part in a sort, in which priority, and how each
// compares. Edits the host's key list in place; the host sorts.

#include <array>

#include "keys_ids.h"
#include "controls/column_list_win.h"
#include "tools/sort_multi.h"

namespace scrv {

class CSortMultiDlg : public CColumnListDialog<CSortMultiDlg> {
 public:
  enum { IDD = IDD_SORT_MULTI };
  static constexpr Anchor kAnchors[] = {
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
      {IDC_CL_MOVE_UP, anchor::kMoveRight},
      {IDC_CL_MOVE_DOWN, anchor::kMoveRight},
      {IDC_CL_MOVE_TOP, anchor::kMoveRight},
      {IDC_CL_MOVE_BOTTOM, anchor::kMoveRight},
      {IDC_SM_KIND_GROUP, anchor::kMoveRight},
      {IDC_SM_ASCENDING_LABEL, anchor::kMoveRight},
      {IDC_SM_DESCENDING_LABEL, anchor::kMoveRight},
      {IDC_SM_TEXT_LABEL, anchor::kMoveRight},
      {IDC_SM_CASE_LABEL, anchor::kMoveRight},
      {IDC_SM_NUMBER_LABEL, anchor::kMoveRight},
      {IDC_SM_LENGTH_LABEL, anchor::kMoveRight},
      {IDC_SM_DATE_LABEL, anchor::kMoveRight},
      {IDC_SM_NATURAL_LABEL, anchor::kMoveRight},
      {IDC_SM_CODE_LABEL, anchor::kMoveRight},
      {IDC_SM_VERSION_LABEL, anchor::kMoveRight},
      {IDC_SM_TEXT_DESC, anchor::kMoveRight},
      {IDC_SM_TEXT_ASC, anchor::kMoveRight},
      {IDC_SM_CASE_DESC, anchor::kMoveRight},
      {IDC_SM_CASE_ASC, anchor::kMoveRight},
      {IDC_SM_NUMBER_DESC, anchor::kMoveRight},
      {IDC_SM_NUMBER_ASC, anchor::kMoveRight},
      {IDC_SM_LENGTH_DESC, anchor::kMoveRight},
      {IDC_SM_LENGTH_ASC, anchor::kMoveRight},
      {IDC_SM_DATE_DESC, anchor::kMoveRight},
      {IDC_SM_DATE_ASC, anchor::kMoveRight},
      {IDC_SM_NATURAL_DESC, anchor::kMoveRight},
      {IDC_SM_NATURAL_ASC, anchor::kMoveRight},
      {IDC_SM_CODE_DESC, anchor::kMoveRight},
      {IDC_SM_CODE_ASC, anchor::kMoveRight},
      {IDC_SM_VERSION_DESC, anchor::kMoveRight},
      {IDC_SM_VERSION_ASC, anchor::kMoveRight},
      {IDC_SM_RANDOM, anchor::kMoveRight},
      {IDC_CHECK_ALL, anchor::kMoveBottom},
      {IDC_SM_ENTIRE_GROUP, anchor::kMoveBottom},
      {IDC_SM_SELECTION_ONLY, anchor::kMoveBottom},
      {IDOK, anchor::kMoveRight | anchor::kMoveBottom},
      {IDC_SM_SORT_SECOND, anchor::kMoveRight | anchor::kMoveBottom},
      {IDCANCEL, anchor::kMoveRight | anchor::kMoveBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"SortMultiDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_SORT_MULTI;

  CSortMultiDlg(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                bool selectionFlag);

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  // OK, the second sort button and Cancel alike.
  void OnOK() override { OnClose(IDOK); }
  void OnCancel() override { OnClose(IDCANCEL); }

 private:
  std::u16string_view RowText(LPARAM column, int) const override;
  void OnRowsSwapped(size_t first, size_t second) override { model_.SwapRows(first, second); }
  void OnListSelectionChanged() override { Refresh(); }
  void ReadList();
  void Refresh();
  void OnKindRadio(int radio);
  void OnClose(int button);
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;
  bool IsGridRadio(HWND window) const;
  RECT GridFocusRect(HWND radio) const;
  void RedrawGridFocus(HWND radio);
  void DrawGridFocus();

  std::vector<std::u16string> names_;  // a row's text is the name of its key's column
  SortMultiModel model_;
  // The controls Refresh sets, looked up once.
};

}  // namespace scrv
