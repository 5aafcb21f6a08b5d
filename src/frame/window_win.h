#pragma once
// The small window framework every dialog is built on: a thin HWND wrapper, the binding of a
// new window's first message to its object through the creation list, and the shared dialog
// procedure that forwards to the object's message map.

#include <windows.h>

#include <string>

#include "frame/module_state_win.h"

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

// The owner window's scale in percent of the system DPI (100 when not per-monitor aware).
UINT WindowScalePercent(HWND hwnd);

// Base of every dialog object: the window it is bound to and the message dispatch.
class CDialogBase : public ATL::CWindow {
 public:
  CDialogBase() = default;
  CDialogBase(const CDialogBase&) = delete;
  CDialogBase& operator=(const CDialogBase&) = delete;

  // The message map: true when handled, with `result` the message's result.
  virtual bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result, DWORD mapId) = 0;
  virtual ~CDialogBase() = default;
  virtual DLGPROC GetDialogProc() { return DialogProc; }
  // Called once the window is gone and the outermost message has returned.
  virtual void OnFinalMessage(HWND) {}

  // The modal frame: registers the object in the creation list and runs `templateId` of the
  // localisation module. Returns the runner's result.
  INT_PTR RunModal(HWND owner, UINT templateId);

  static INT_PTR CALLBACK StartDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  // Puts the object at the head of this thread's creation list (last registered, first bound).
  void RegisterForCreation();
  // Takes this thread's first entry off the creation list, or null.
  static CDialogBase* TakeCreationEntry();

 protected:
  const MSG* CurrentMessage() const { return current_; }

 private:
  CreateWndEntry entry_;
  const MSG* current_ = nullptr;
  int depth_ = 0;
  bool destroyed_ = false;
};

}  // namespace scrv
