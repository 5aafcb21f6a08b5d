#pragma once
// Base of every plain dialog: `T` names its template with `enum { IDD = n }`.

#include "frame/window_win.h"

namespace scrv {

template <class T, class TBase = ATL::CWindow>
class CMyDialogImpl : public CDialogBase {
 public:
  // Runs the dialog modally over template T::IDD of the localisation module.
  INT_PTR DoModal(HWND owner) { return RunModal(owner, T::IDD); }
};

}  // namespace scrv
