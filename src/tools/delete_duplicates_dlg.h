#pragma once
// The delete duplicates dialog: how the host finds duplicate lines (whole lines, or only the
// checked columns) and what it does with them. Writes the options into the settings and into
// the host's key list on OK and on the second button; Cancel writes nothing.

#include "keys_ids.h"
#include "controls/column_list_win.h"
#include "tools/delete_duplicates.h"

namespace scrv {

class CDeleteDuplicateAdvancedDlg : public CColumnListDialog<CDeleteDuplicateAdvancedDlg> {
 public:
  enum { IDD = IDD_DELETE_DUPLICATES };
  static constexpr Anchor kAnchors[] = {
      {IDOK, anchor::kMoveRight},
      {IDC_DD_DELETE_SECOND, anchor::kMoveRight},
      {IDCANCEL, anchor::kMoveRight},
      {IDC_CHECK_ALL, anchor::kMoveBottom},
      {IDC_DD_OPTIONS_LABEL, anchor::kMoveBottom},
      {IDC_DD_IGNORE_EMPTY_LINES, anchor::kMoveBottom},
      {IDC_DD_IGNORE_EMPTY_CELLS, anchor::kMoveBottom},
      {IDC_DD_ADJACENT_ONLY, anchor::kMoveBottom},
      {IDC_DD_ENTIRE_GROUP, anchor::kMoveBottom},
      {IDC_DD_SELECTION_ONLY, anchor::kMoveBottom},
      {IDC_DD_INCLUDE_ALL, anchor::kMoveBottom},
      {IDC_DD_IGNORE_CASE, anchor::kMoveBottom},
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"DeleteDADlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_DELETE_DUPLICATES;

  CDeleteDuplicateAdvancedDlg(std::vector<std::u16string> columnNames, KeyList keys, bool groupFlag,
                              uint32_t mode);

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override { OnAccept(IDOK); }

 private:
  std::u16string_view RowText(LPARAM row, int) const override;
  void OnListSelectionChanged() override { Refresh(); }
  void ShowOptions();
  void ReadControls();
  void Refresh();
  void OnAccept(int button);

  DeleteDuplicatesModel model_;
};

}  // namespace scrv
