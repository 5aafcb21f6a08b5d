#pragma once
// The extract columns dialog: which columns of the host's current document to extract, and in
// which order. Asks the host for the column names; the export hands the entries back in a
// movable memory block that the host owns.

#include <optional>

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "resource_ids.h"
#include "tools/extract_columns.h"

namespace scrv {

class CExtractColumnsDlg : public CMyDialogImpl<CExtractColumnsDlg> {
 public:
  enum { IDD = IDD_EXTRACT_COLUMNS };
  static constexpr DialogAnchor kAnchors[] = {
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

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

  // After OK: the column entry block's bytes, in row order.
  std::vector<uint8_t> Block() const { return model_ ? model_->Block() : std::vector<uint8_t>(); }

 private:
  LRESULT OnInitDialog();
  void OnRowText(NMLVDISPINFOW& info) const;
  void OnOK();
  static void SwapRows(int first, int second, void* self);

  std::vector<std::u16string> names_;
  std::optional<ExtractColumnsModel> model_;
  CCheckList list_;
};

}  // namespace scrv

// Returns 1 after OK, with the handle of a movable block of 8-byte column entries (the host
// owns it) in the 8 bytes at offset 24 of `record`; else 0 (cancelled, or the dialog could
// not be started). No other byte of the record is read or written.
extern "C" int DoExtractColumns(HWND owner, void* record);
