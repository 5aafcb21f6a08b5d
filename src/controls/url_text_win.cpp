#include "controls/url_text_win.h"

#include "frame/message_box_win.h"
#include "frame/shell_launcher_win.h"
#include "base/text_win.h"

namespace scrv {

CUrlText::~CUrlText() {
  DeleteFont();
}

void CUrlText::DeleteFont() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}

HFONT CUrlText::UnderlinedFont() {
  if (font_) return font_;
  auto base = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  LOGFONTW lf = {};
  if (!base || !GetObjectW(base, sizeof lf, &lf))
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfUnderline = TRUE;
  font_ = CreateFontIndirectW(&lf);
  return font_;
}

bool CUrlText::OnParentMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg != WM_CTLCOLORSTATIC || !m_hWnd || reinterpret_cast<HWND>(lParam) != m_hWnd) return false;
  result = ::SendMessageW(m_hWnd, SLM_URLTEXT_COLORS, wParam, 0);
  return true;
}

RECT CUrlText::FocusRect() {
  RECT rc = {};
  GetClientRect(m_hWnd, &rc);
  std::wstring text = GetWindowTextString(m_hWnd);
  if (HDC dc = GetDC(m_hWnd)) {
    HGDIOBJ old = SelectObject(dc, UnderlinedFont());
    SIZE size = {};
    if (GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size) &&
        size.cx < rc.right)
      rc.right = size.cx;
    SelectObject(dc, old);
    ReleaseDC(m_hWnd, dc);
  }
  return rc;
}

void CUrlText::Repaint() {
  HWND parent = GetParent();
  RECT rc = {};
  GetWindowRect(m_hWnd, &rc);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  RedrawWindow(parent, &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CUrlText::Open() {
  if (opener_) {
    opener_();
    return;
  }
  std::wstring address = GetWindowTextString(m_hWnd);
  if (address.empty()) return;
  if (Launcher().OpenAddress(GetParent(), address)) return;
  DWORD error = GetLastError();
  ShowError(GetParent(), error ? error : ERROR_NO_ASSOCIATION, nullptr);
}

bool CUrlText::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case SLM_URLTEXT_COLORS: {
      auto dc = reinterpret_cast<HDC>(wParam);
      SelectObject(dc, UnderlinedFont());
      SetTextColor(dc, LinkColor(IsDarkTheme()));
      SetBkMode(dc, TRANSPARENT);
      result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      return true;
    }
    case WM_SETCURSOR:
      if (GetWindowTextLengthW(m_hWnd) == 0) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      ::SetFocus(m_hWnd);
      Open();
      result = 0;
      return true;
    case WM_GETDLGCODE: {
      // Enter is the link's own key while it has the focus; Tab and the arrows stay the
      // dialog's.
      auto* key = reinterpret_cast<const MSG*>(lParam);
      result = DefWindowProc();
      if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
      return true;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE || wParam == VK_RETURN) Open();
      result = 0;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = msg == WM_SETFOCUS;
      result = DefWindowProc();
      Repaint();
      return true;
    case WM_PAINT:
      result = DefWindowProc();
      if (focused_) {
        if (HDC dc = GetDC(m_hWnd)) {
          RECT rc = FocusRect();
          DrawFocusRect(dc, &rc);
          ReleaseDC(m_hWnd, dc);
        }
      }
      return true;
    case WM_DESTROY:
    case WM_DPICHANGED_AFTERPARENT:
      DeleteFont();
      return false;
  }
  return false;
}

}  // namespace scrv
