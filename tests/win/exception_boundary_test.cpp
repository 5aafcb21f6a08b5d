// The exception boundary: what a dialog's handler or a subclassed control throws ends the modal
// dialog and reaches the export's guard, which answers with the export's failure value and the
// last error; nothing unwinds through the window manager.

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "dialog_test_support.h"
#include "frame/dialog_impl_win.h"
#include "frame/export_guard_win.h"
#include "frame/subclass_win.h"
#include "jump_ids.h"

namespace {

// Throws whatever it is told to when its window gets kThrow.
constexpr UINT kThrow = WM_APP + 1;
class ThrowingEdit : public scrv::CSubclassedWindow {
 public:
  std::function<void()> raise;
  bool ProcessWindowMessage(HWND, UINT msg, WPARAM, LPARAM, LRESULT&) override {
    if (msg == kThrow) raise();
    return false;
  }
};

class ProbeDlg : public scrv::CMyDialogImpl<ProbeDlg> {
 public:
  enum { IDD = IDD_JUMP };
  std::function<void(ProbeDlg&)> init;
  ThrowingEdit edit;
  BOOL OnInitDialog() override {
    init(*this);
    return TRUE;
  }
};

// Runs the dialog the way an export does, with -7 as the failure value.
int RunGuarded(const std::function<void(ProbeDlg&)>& init) {
  return scrv::GuardExport(-7, [&] {
    ProbeDlg dlg;
    dlg.init = init;
    return static_cast<int>(dlg.DoModal(nullptr));
  });
}

TEST(ExceptionBoundary, AFailedHandlerEndsTheDialogAndTheExportFailsWithTheLastError) {
  dialog_test::InProcessModule module;
  SetLastError(0);
  EXPECT_EQ(RunGuarded([](ProbeDlg&) { throw std::bad_alloc(); }), -7);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_OUTOFMEMORY));

  // A control's handler throws later, inside the modal loop.
  SetLastError(0);
  EXPECT_EQ(RunGuarded([](ProbeDlg& dlg) {
              dlg.edit.raise = [] { throw std::runtime_error("broken"); };
              dlg.edit.SubclassWindow(dlg.GetDlgItem(IDC_JUMP_TARGET));
              PostMessageW(dlg.edit, kThrow, 0, 0);
            }),
            -7);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));

  // Without a failure the runner's result comes through.
  EXPECT_EQ(RunGuarded([](ProbeDlg& dlg) { PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0); }),
            IDCANCEL);
}

}  // namespace
