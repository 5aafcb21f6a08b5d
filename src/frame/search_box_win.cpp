#include "frame/search_box_win.h"

#include <string>

namespace scrv {
namespace {

bool IsEscapeDown(LPARAM lParam) {
  auto* msg = reinterpret_cast<const MSG*>(lParam);
  return msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE;
}

}  // namespace

bool CSearchBox::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result) {
  switch (msg) {
    case WM_GETDLGCODE:
      // The dialog manager would turn Esc into Cancel before the box saw it.
      result = DefWindowProc();
      if (IsEscapeDown(lParam) && HasText()) result |= DLGC_WANTMESSAGE;
      return true;
    case WM_KEYDOWN:
      if (wParam == VK_DOWN) {
        keys_.FocusTitleList();
        result = 0;
        return true;
      }
      if (wParam == VK_ESCAPE && HasText()) {
        SetWindowTextW(m_hWnd, L"");
        result = 0;
        return true;
      }
      return false;
    case WM_CHAR:
      // The character of the Esc that emptied the box would only beep.
      if (wParam == VK_ESCAPE) {
        result = 0;
        return true;
      }
      return false;
  }
  return false;
}

bool CTitleList::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam == VK_UP && ::SendMessageW(m_hWnd, LB_GETCURSEL, 0, 0) <= 0) {
        keys_.FocusSearchBox();
        result = 0;
        return true;
      }
      if (wParam == 'F' && GetKeyState(VK_CONTROL) < 0) {
        keys_.FocusSearchBoxSoon();
        result = 0;
        return true;
      }
      if (wParam == VK_RIGHT) {
        keys_.EnterPage();
        result = 0;
        return true;
      }
      return false;
    case WM_PAINT: {
      // An empty list says why (its name, set by the sheet) inside itself.
      const int n = GetWindowTextLengthW(m_hWnd);
      if (n == 0 || ::SendMessageW(m_hWnd, LB_GETCOUNT, 0, 0) > 0) return false;
      result = DefWindowProc();
      std::wstring text(static_cast<size_t>(n) + 1, L'\0');
      GetWindowTextW(m_hWnd, text.data(), n + 1);
      text.resize(static_cast<size_t>(n));
      HDC dc = GetDC(m_hWnd);
      ::SendMessageW(::GetParent(m_hWnd), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(m_hWnd));
      SetBkMode(dc, TRANSPARENT);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
      RECT rc = {};
      GetClientRect(m_hWnd, &rc);
      InflateRect(&rc, -4, -4);
      DrawTextW(dc, text.c_str(), n, &rc, DT_WORDBREAK | DT_NOPREFIX | DT_CENTER);
      SelectObject(dc, old);
      ReleaseDC(m_hWnd, dc);
      return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      // The selection a click makes is reported while the button message is handled.
      clicking_ = true;
      result = DefWindowProc();
      clicking_ = false;
      return true;
  }
  return false;
}

}  // namespace scrv
