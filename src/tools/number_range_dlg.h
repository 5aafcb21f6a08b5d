#pragma once
// The number range dialog: builds and checks a number-range expression, either from a lower
// and an upper bound with their inclusive boxes, or typed directly.

#include "frame/dialog_impl_win.h"
#include "resource_ids.h"
#include "tools/number_range_model.h"

namespace scrv {

class CNumberRangeDlg : public CMyDialogImpl<CNumberRangeDlg> {
 public:
  enum { IDD = IDD_NUMBER_RANGE };
  static constexpr size_t kCapacity = 160;  // the expression, at most 159 characters

  wchar_t text[kCapacity] = {};

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD mapId) override;

 private:
  LRESULT OnInitDialog();
  void OnFieldsChanged();
  void OnExpressionChanged();
  void OnOK();
  void OnCancel();
  void ReadControls();
  void ShowState();
  void Refresh();
  void RememberSkip();

  NumberRangeDialogState state_;
  bool filling_ = false;  // set while the dialog writes its own fields
};

}  // namespace scrv

extern "C" int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity);
