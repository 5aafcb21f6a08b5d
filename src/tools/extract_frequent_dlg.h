#pragma once
// The extract frequent dialog: how many of the most frequent strings the host extracts, in
// which format, with what case handling, of which kind, and the user's list of words to
// ignore. OK writes the options and the ignore file; Cancel writes nothing.

#include <cstdint>

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "scrvdlgs_api.h"
#include "text_tools_ids.h"
#include "tools/extract_frequent.h"

namespace scrv {

class CExtractFrequentDlg : public CMyDialogImpl<CExtractFrequentDlg> {
 public:
  enum { IDD = IDD_EXTRACT_FREQUENT };
  static constexpr Anchor kAnchors[] = {
      {IDOK, anchor::kMoveRight | anchor::kMoveBottom},
      {IDCANCEL, anchor::kMoveRight | anchor::kMoveBottom},
      {IDC_EF_ADD, anchor::kMoveRight},
      {IDC_EF_DELETE, anchor::kMoveRight},
      {IDC_EF_LINES, anchor::kStretchRight},
      {IDC_EF_FORMAT, anchor::kStretchRight},
      {IDC_EF_LINES_LABEL, anchor::kStretchRight},
      {IDC_EF_FORMAT_LABEL, anchor::kStretchRight},
      {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"ExtractFrequentDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_EXTRACT_FREQUENT;

  explicit CExtractFrequentDlg(bool selectionFlag) : selectionFlag_(selectionFlag) {}

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void OnOK() override;
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;

 private:
  void FillFormats();
  void ShowOptions(const ExtractFrequentOptions& options);
  // Shows `count` rows (the words, and the new row while one is being added).
  void SetRowCount(size_t count);
  void AddWord();
  void DeleteSelected();
  // The end of an in-place edit; false refuses the text.
  bool EndEdit(const NMLVDISPINFOW& info);

  bool selectionFlag_;
  IgnoreList words_;
  bool adding_ = false;  // the row past the last word is being typed
  CCheckList list_;
};

}  // namespace scrv
