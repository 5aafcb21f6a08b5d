#pragma once
// Version 6 of the common controls for the library's own windows. The library's manifest
// (resource 2) names it; the library activates that context around the task dialogs it shows
// and finds TaskDialogIndirect in the comctl32 the context resolves to, since a host whose own
// context is version 5 would otherwise give the library the older module.

#include <windows.h>
#include <commctrl.h>

namespace scrv {

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// Null when no comctl32 offers task dialogs.
TaskDialogIndirectFn TaskDialogIndirectFunction();

// The library's activation context is active while an instance lives (does nothing when the
// module has no manifest).
class ScopedCommonControlsV6 {
 public:
  ScopedCommonControlsV6();
  ~ScopedCommonControlsV6();
  ScopedCommonControlsV6(const ScopedCommonControlsV6&) = delete;
  ScopedCommonControlsV6& operator=(const ScopedCommonControlsV6&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

// Releases the context and the module reference at process detach.
void ReleaseCommonControls();

}  // namespace scrv
