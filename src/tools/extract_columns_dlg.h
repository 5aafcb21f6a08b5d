#pragma once
// The extract columns dialog: which columns of the host's current document to extract, and in
// which order. Asks the host for the column names; the export hands the entries back in a
// movable memory block that the host owns.

#include <optional>

#include "keys_ids.h"
#include "controls/column_list_win.h"
#include "tools/extract_columns.h"

namespace scrv {

class CExtractColumnsDlg : public CColumnListDialog<CExtractColumnsDlg> {
 public:
  enum { IDD = IDD_EXTRACT_COLUMNS };
  static constexpr Anchor kAnchors[] = {
      {IDOK, anchor::kMoveRight | anchor::kMoveBottom},
      {IDCANCEL, anchor::kMoveRight | anchor::kMoveBottom},
      {IDC_CL_MOVE_UP, anchor::kMoveRight},
      {IDC_CL_MOVE_DOWN, anchor::kMoveRight},
      {IDC_CL_MOVE_TOP, anchor::kMoveRight},
      {IDC_CL_MOVE_BOTTOM, anchor::kMoveRight},
      {IDC_CHECK_ALL, anchor::kMoveBottom},
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"ExtractDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_EXTRACT_COLUMNS;

  BOOL OnInitDialog() override;
  void OnOK() override;

  // After OK: the column entry block's bytes, in row order.
  std::vector<uint8_t> Block() const { return model_ ? model_->Block() : std::vector<uint8_t>(); }

 private:
  std::u16string_view RowText(LPARAM column, int) const override;
  void OnRowsSwapped(size_t first, size_t second) override {
    if (model_) model_->SwapRows(first, second);
  }

  std::vector<std::u16string> names_;
  std::optional<ExtractColumnsModel> model_;
};

}  // namespace scrv
