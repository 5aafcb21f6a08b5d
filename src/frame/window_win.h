#pragma once
// The small window framework every dialog is built on: a thin HWND wrapper, the binding of a
// new window's first message to its object through the creation list, and the shared dialog
// procedure that forwards to the object's message map.

#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "base/module_state_win.h"

namespace ATL {

// A thin HWND wrapper: only what the dialogs use.
class CWindow {
 public:
  HWND m_hWnd = nullptr;

  CWindow(HWND h = nullptr) : m_hWnd(h) {}
  operator HWND() const { return m_hWnd; }
  bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const {
    return ::SendMessageW(m_hWnd, msg, w, l);
  }
  LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) const {
    return ::SendDlgItemMessageW(m_hWnd, id, msg, w, l);
  }
  std::wstring GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const std::wstring& text) const {
    ::SetDlgItemTextW(m_hWnd, id, text.c_str());
  }
  bool IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
  UINT GetDlgButtonState(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
  void CheckDlgButton(int id, UINT state) const { ::CheckDlgButton(m_hWnd, id, state); }
  void EnableDlgItem(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable); }
  bool EndDialog(INT_PTR result) const { return ::EndDialog(m_hWnd, result) != FALSE; }
  HWND GetParent() const { return ::GetParent(m_hWnd); }
};

}  // namespace ATL

namespace scrv {

// Runs a template of `module` modally, with the template's font scaled to the owner's monitor
// when the thread is per-monitor DPI aware. Returns what the platform's dialog box returns, or
// 0 when a scaled template could not be built.
INT_PTR RunModalDialog(HMODULE module, UINT templateId, HWND owner, DLGPROC proc, LPARAM param);
// The same over a template the caller built.
INT_PTR RunModalDialog(HMODULE module, const std::vector<uint8_t>& dialogTemplate, HWND owner,
                       DLGPROC proc, LPARAM param);

// The owner window's scale in percent of the system DPI (100 when not per-monitor aware).
UINT WindowScalePercent(HWND hwnd);

// The window-creation list: an object about to create a window puts its entry at the head
// (for this thread); the window's first message takes the thread's first entry off again.
void PushCreationEntry(CreateWndEntry& entry, void* object);
void* TakeCreationEntryObject();
// Takes `entry` off the list if it is still there (its window was never created).
void DropCreationEntry(CreateWndEntry& entry);

// A control object that wants to see its parent dialog's messages (a subclassed list that runs
// the dialog's move buttons, say). The dialog offers every message to its hooks after the base's
// own handling and before its decoded handlers (OnInitDialog, OnCommand, OnNotify, ...).
class ParentMessageHook {
 public:
  // True when the message was consumed, with `result` set.
  virtual bool OnParentMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam,
                               LRESULT& result) = 0;

 protected:
  ~ParentMessageHook() = default;
};

// A modal loop on this thread: a dialog's, a property sheet's, or an export's whole call
// (export_guard_win.h). No exception leaves a window procedure: one thrown by a handler is
// caught there and given to Fail, which keeps it in the innermost scope (the first one only)
// and ends that scope's window; the scope's owner throws it again once its loop is over
// (Rethrow), up to the export's guard, which turns it into the export's failure value.
class ModalScope {
 public:
  // How a scope's window is ended on a failure.
  using EndFn = void (*)(HWND);
  explicit ModalScope(EndFn end = nullptr);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  // The loop's window, once it exists; a failure kept before then ends it now.
  void SetWindow(HWND window);
  bool Failed() const { return failure_ != nullptr; }
  // Throws the failure kept, if any.
  void Rethrow();

  // A window procedure caught `failure`.
  static void Fail(std::exception_ptr failure);

 private:
  void End();

  ModalScope* outer_;
  EndFn end_;
  HWND window_ = nullptr;
  std::exception_ptr failure_;
};

// Base of every dialog object: the window it is bound to and the message dispatch.
class CDialogBase : public ATL::CWindow {
 public:
  CDialogBase() = default;
  CDialogBase(const CDialogBase&) = delete;
  CDialogBase& operator=(const CDialogBase&) = delete;

  // The message map: true when handled, with `result` the message's result.
  virtual bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result) = 0;
  virtual ~CDialogBase() = default;
  virtual DLGPROC GetDialogProc() { return DialogProc; }
  // Called once the window is gone and the outermost message has returned.
  virtual void OnFinalMessage(HWND) {}

  // The modal frame: registers the object in the creation list and runs `templateId` of the
  // localisation module in a ModalScope that ends the dialog with -1 on a failure. Returns the
  // runner's result; throws what a handler threw meanwhile.
  INT_PTR RunModal(HWND owner, UINT templateId);
  // The same over a template built in memory.
  INT_PTR RunModal(HWND owner, const std::vector<uint8_t>& dialogTemplate);

  static INT_PTR CALLBACK StartDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  // Puts the object at the head of this thread's creation list (last registered, first bound).
  void RegisterForCreation();
  // Takes the object off the list again when its window was never created.
  void ForgetCreation() { DropCreationEntry(entry_); }
  // Takes this thread's first entry off the creation list, or null.
  static CDialogBase* TakeCreationEntry();

  // The dialog's controls by number, as CWindow's, but the handles found are kept: looking a
  // control up walks the dialog's children, which can be a round trip to the window server,
  // and dialogs address their controls by number on nearly every message.
  HWND GetDlgItem(int id) const;
  LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) const {
    return ::SendMessageW(GetDlgItem(id), msg, w, l);
  }
  std::wstring GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const std::wstring& text) const {
    SendDlgItemMessage(id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  bool IsDlgButtonChecked(int id) const { return GetDlgButtonState(id) == BST_CHECKED; }
  UINT GetDlgButtonState(int id) const {
    return static_cast<UINT>(SendDlgItemMessage(id, BM_GETCHECK));
  }
  void CheckDlgButton(int id, UINT state) const { SendDlgItemMessage(id, BM_SETCHECK, state); }
  void EnableDlgItem(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable); }

 protected:
  const MSG* CurrentMessage() const { return current_; }

  // Registers a control's hook for the dialog's messages (see ParentMessageHook); the control
  // must live as long as the dialog object.
  void AddParentHook(ParentMessageHook& hook) { hooks_.push_back(&hook); }
  // Offers a message to the hooks in the order they were added.
  bool RunParentHooks(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  INT_PTR RunModalWith(const std::function<INT_PTR()>& run);

  std::vector<ParentMessageHook*> hooks_;
  mutable std::vector<std::pair<int, HWND>> items_;  // controls looked up so far
  ModalScope* scope_ = nullptr;  // while RunModal runs
  CreateWndEntry entry_;
  const MSG* current_ = nullptr;
  int depth_ = 0;
  bool destroyed_ = false;
};

}  // namespace scrv
