#pragma once
// Subclassing of existing controls: an object replaces a control's window procedure, sees
// every message first through its message map, and forwards what it does not handle to the
// procedure it replaced.

#include <windows.h>

#include "frame/window_win.h"

namespace scrv {

class CSubclassedWindow : public ATL::CWindow {
 public:
  CSubclassedWindow() = default;
  CSubclassedWindow(const CSubclassedWindow&) = delete;
  CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;
  // Restores the control's procedure if the object dies before its window.
  virtual ~CSubclassedWindow();

  // Binds the object to `hwnd` and installs the shared window procedure in front of the
  // control's own. False when the object is already bound, the window is not valid, or
  // another object subclasses it (or did, and was subclassed over before it let go).
  bool SubclassWindow(HWND hwnd);
  // Puts the replaced procedure back and returns the window, now unbound; null when the object
  // was not bound. When another procedure was installed over ours meanwhile, ours stays in the
  // chain and only forwards from then on.
  HWND UnsubclassWindow();

  // The message map: true when handled, with `result` the message's result. An exception
  // thrown by it ends the innermost modal dialog (CDialogBase::FailModal); the message then
  // answers 0.
  virtual bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result) = 0;
  // Called once the window is gone and the outermost message has returned; the object is
  // unbound by then.
  virtual void OnFinalMessage(HWND) {}

  // Passes a message to the procedure that was replaced.
  LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Passes the message being handled on, unchanged.
  LRESULT DefWindowProc();

  // The object subclassing `hwnd`, or null.
  static CSubclassedWindow* FromHandle(HWND hwnd);

 protected:
  const MSG* CurrentMessage() const { return current_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  WNDPROC previous_ = nullptr;
  const MSG* current_ = nullptr;
  int depth_ = 0;
  bool destroyed_ = false;
};

}  // namespace scrv
