#pragma once
// Subclassing of existing controls.
//
// SetSubclass, DefSubclass and RemoveSubclass chain procedures in front of a window's own, in
// the manner of the common controls' SetWindowSubclass: the procedure set last sees a message
// first and passes it on with DefSubclass; a pair of procedure and number is set once per
// window; every procedure is removed when the window is destroyed. The chain is kept in the
// process rather than in window properties, so a message to a subclassed control costs no more
// than one table lookup (a window property is a round trip to the window server on some
// platforms, paid on every message). The window's own procedure is put back when the last
// procedure goes, unless something else has replaced ours since; the chain then stays, empty,
// and forwards.
//
// CSubclassedWindow: an object in such a chain, which sees every message first through its
// message map and forwards what it does not handle.

#include <windows.h>

#include <commctrl.h>

#include "frame/window_win.h"

namespace scrv {

// False when the window is not valid or its procedure cannot be replaced.
bool SetSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
// False when the pair is not set on the window. Safe inside the procedure itself: the message
// being handled still passes on to the rest of the chain.
bool RemoveSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);
// From inside a subclass procedure: passes the message on to the next procedure of the chain
// (at the end, the window's own). Outside one, to the window's own procedure.
LRESULT DefSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Whether the pair is set on the window, and with which data.
bool FindSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* data);

class CSubclassedWindow : public ATL::CWindow {
 public:
  CSubclassedWindow() = default;
  CSubclassedWindow(const CSubclassedWindow&) = delete;
  CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;
  // Restores the control's procedure if the object dies before its window.
  virtual ~CSubclassedWindow();

  // Binds the object to `hwnd` and puts it at the front of the window's chain. False when the
  // object is already bound, the window is not valid, or another object subclasses it.
  bool SubclassWindow(HWND hwnd);
  // Takes the object out of the chain and returns the window, now unbound; null when the
  // object was not bound.
  HWND UnsubclassWindow();

  // The message map: true when handled, with `result` the message's result. An exception
  // thrown by it ends the innermost modal loop (ModalScope::Fail); the message then answers 0.
  virtual bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result) = 0;
  // Called once the window is gone and the outermost message has returned; the object is
  // unbound by then.
  virtual void OnFinalMessage(HWND) {}

  // Passes a message to the rest of the chain, behind this object.
  LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Passes the message being handled on, unchanged.
  LRESULT DefWindowProc();

  // The object subclassing `hwnd`, or null.
  static CSubclassedWindow* FromHandle(HWND hwnd);

 protected:
  const MSG* CurrentMessage() const { return current_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR data);

  const MSG* current_ = nullptr;
  int depth_ = 0;
  bool destroyed_ = false;
};

}  // namespace scrv
