#pragma once
// The convert dialog: which characters the host's conversion command converts (by category or
// one by one), its two direction choices and four character-display options. Closing, by OK
// or Cancel alike, stores the choices in the settings and the flag word and selection mask in
// the host's record.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/check_list_win.h"
#include "frame/dialog_impl_win.h"
#include "scrvdlgs_api.h"
#include "text_tools_ids.h"
#include "tools/convert.h"

namespace scrv {

class CConvertDlg : public CMyDialogImpl<CConvertDlg> {
 public:
  enum { IDD = IDD_CONVERT };
  static constexpr Anchor kAnchors[] = {
      {IDC_CV_CHARACTERS_GROUP, anchor::kStretchRight | anchor::kStretchBottom},
      {IDC_CV_SEARCH, anchor::kStretchRight},
      {IDC_CV_CHARACTERS, anchor::kStretchRight | anchor::kStretchBottom},
      {IDC_CV_OPTIONS_LABEL, anchor::kMoveBottom},
      {IDC_CV_OPTIONS, anchor::kMoveBottom},
      {IDC_CV_APPLY_OPTIONS, anchor::kMoveBottom},
      {IDOK, anchor::kMoveRight | anchor::kMoveBottom},
      {IDCANCEL, anchor::kMoveRight | anchor::kMoveBottom},
  };
  static constexpr const char16_t* kPlacementKey = u"ConvertDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth | kResizeHeight;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_CONVERT;

  explicit CConvertDlg(uint32_t hostFlags) : hostFlags_(hostFlags) {}

  // Whether the dialog was closed by OK or Cancel (and so wrote its settings).
  bool Closed() const { return closed_; }
  const ConvertModel& Model() const { return model_; }

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR& header, LRESULT& result) override;
  void OnOK() override { Close(IDOK); }
  void OnCancel() override { Close(IDCANCEL); }
  LRESULT OnCheckList(UINT code, LPARAM lParam) override;
  // The search's timer.
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  void AttachList(CCheckList& list, int id, UINT headerId);
  const std::u16string& Name(size_t index);
  std::u16string RowText(size_t index) { return ConvertRowText(index, Name(index)); }
  void ShowBoxes();
  void ShowRowChecks();
  // The rows matching the search text, with their checks (ShowCharacters leaves redrawing to
  // the caller; FillCharacters repaints the list).
  void ShowCharacters();
  void FillCharacters();
  void OnCategoryClicked(size_t box);
  void OnApplyOptions();
  void Close(int button);

  uint32_t hostFlags_;
  ConvertModel model_;
  std::vector<size_t> shown_;  // the character of each row (owner data)
  std::array<std::optional<std::u16string>, kConvertCharCount> names_;
  CCheckList characters_;
  CCheckList options_;
  bool closed_ = false;
};

}  // namespace scrv
