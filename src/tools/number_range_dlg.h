#pragma once
// The number range dialog: builds and checks a number-range expression, either from a lower
// and an upper bound with their inclusive boxes, or typed directly.

#include "controls/edit_dd_win.h"
#include "frame/dialog_impl_win.h"
#include "tools/number_range_model.h"
#include "tools_ids.h"

namespace scrv {

// The user's decimal separator, which number ranges are typed with ('.' when the locale gives
// none).
char16_t LocaleDecimalChar();

class CNumberRangeDlg : public CMyDialogImpl<CNumberRangeDlg> {
 public:
  enum { IDD = IDD_NUMBER_RANGE };
  static constexpr Anchor kAnchors[] = {
      {IDC_NR_LOWER, anchor::kStretchHalfX},
      {IDC_NR_LOWER_LABEL, anchor::kStretchHalfX},
      {IDC_NR_UPPER, anchor::kSpanHalfToRight},
      {IDC_NR_UPPER_LABEL, anchor::kSpanHalfToRight},
      {IDC_NR_UPPER_INCLUSIVE, anchor::kMoveHalfX},
      {IDC_NR_EXPRESSION, anchor::kStretchRight},
      {IDC_NR_EXPRESSION_LABEL, anchor::kStretchRight},
      {IDC_NR_EXAMPLES, anchor::kStretchRight},
      {IDOK, anchor::kMoveRight},
      {IDCANCEL, anchor::kMoveRight},
  };
  static constexpr const char16_t* kPlacementKey = u"NumberRangeDlgPos";
  static constexpr uint32_t kResizeMode = kResizeWidth;
  static constexpr uint32_t kHelpTopic = HELP_TOPIC_NUMBER_RANGE;
  static constexpr size_t kCapacity = 160;  // the expression, at most 159 characters

  wchar_t text[kCapacity] = {};

  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void OnFieldsChanged();
  void OnExpressionChanged();
  void ReadControls();
  void ShowState();
  void Refresh();
  void RememberSkip();

  // The bounds and the expression take dropped text and drag their selection out.
  CEditDD lowerEdit_, upperEdit_, expressionEdit_;
  NumberRangeDialogState state_;
  bool filling_ = false;   // set while the dialog writes its own fields
  std::wstring examples_;  // the examples line, shown again once the input is valid
};

}  // namespace scrv
