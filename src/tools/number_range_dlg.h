#pragma once
// The number range dialog: builds and checks a number-range expression.

#include "frame/dialog_impl_win.h"
#include "resource_ids.h"

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
  void OnOK();
  void OnCancel();
};

}  // namespace scrv

extern "C" int DoNumberRangeDlg(HWND owner, wchar_t* text, int capacity);
