#include "frame/subclass_win.h"

#include <exception>

namespace scrv {
namespace {

// The window property that binds a subclassed control to its object.
constexpr wchar_t kSubclassProp[] = L"ScrvSubclassObject";
// Left on a window whose object went away while a later subclasser still calls our procedure:
// the procedure it replaced, for that procedure to keep forwarding to.
constexpr wchar_t kForwardProp[] = L"ScrvSubclassForward";

}  // namespace

CSubclassedWindow::~CSubclassedWindow() {
  UnsubclassWindow();
}

CSubclassedWindow* CSubclassedWindow::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<CSubclassedWindow*>(GetPropW(hwnd, kSubclassProp)) : nullptr;
}

bool CSubclassedWindow::SubclassWindow(HWND hwnd) {
  // A window that still routes through an orphaned procedure of ours is not taken again: the
  // chain would lead back into itself.
  if (m_hWnd || !hwnd || !::IsWindow(hwnd) || FromHandle(hwnd) || GetPropW(hwnd, kForwardProp))
    return false;
  if (!SetPropW(hwnd, kSubclassProp, this)) return false;
  SetLastError(0);
  LONG_PTR old = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
  if (!old && GetLastError() != 0) {
    RemovePropW(hwnd, kSubclassProp);
    return false;
  }
  previous_ = reinterpret_cast<WNDPROC>(old);
  m_hWnd = hwnd;
  destroyed_ = false;
  return true;
}

HWND CSubclassedWindow::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (!hwnd) return nullptr;
  // Someone who subclassed after us still forwards to our procedure: leave it installed
  // (it finds no object and passes straight through) rather than cut them off.
  if (::IsWindow(hwnd)) {
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(WindowProc))
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    else
      SetPropW(hwnd, kForwardProp, reinterpret_cast<HANDLE>(previous_));
    RemovePropW(hwnd, kSubclassProp);
  }
  m_hWnd = nullptr;
  previous_ = nullptr;
  return hwnd;
}

LRESULT CSubclassedWindow::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!previous_) return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
  return CallWindowProcW(previous_, m_hWnd, msg, wParam, lParam);
}

LRESULT CSubclassedWindow::DefWindowProc() {
  if (!current_) return 0;
  return DefWindowProc(current_->message, current_->wParam, current_->lParam);
}

LRESULT CALLBACK CSubclassedWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CSubclassedWindow* self = FromHandle(hwnd);
  if (!self) {
    // Unbound while a later subclasser still calls us: pass through to what we replaced.
    auto forward = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kForwardProp));
    if (msg == WM_NCDESTROY) RemovePropW(hwnd, kForwardProp);
    return forward ? CallWindowProcW(forward, hwnd, msg, wParam, lParam)
                   : ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  MSG m = {hwnd, msg, wParam, lParam, 0, {0, 0}};
  const MSG* saved = self->current_;
  self->current_ = &m;
  ++self->depth_;
  LRESULT result = 0;
  try {
    if (!self->ProcessWindowMessage(hwnd, msg, wParam, lParam, result))
      result = self->DefWindowProc(msg, wParam, lParam);
  } catch (...) {
    result = 0;
    CDialogBase::FailModal(std::current_exception());
  }
  --self->depth_;
  self->current_ = saved;
  if (msg == WM_NCDESTROY) self->destroyed_ = true;
  if (self->destroyed_ && self->depth_ == 0 && self->m_hWnd == hwnd) {
    self->UnsubclassWindow();
    self->OnFinalMessage(hwnd);
  }
  return result;
}

}  // namespace scrv
