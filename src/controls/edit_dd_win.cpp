#include "controls/edit_dd_win.h"

#include <cwchar>
#include <string>

#include "base/text_win.h"
#include "controls/edit_drop.h"
#include "controls/edit_words.h"

namespace scrv {

CEditDD::~CEditDD() {
  if (m_hWnd && registered_) RevokeDragDrop(m_hWnd);
  registered_ = false;
  ReleaseDropTarget();
}

bool CEditDD::SubclassWindow(HWND edit) {
  if (!CSubclassedWindow::SubclassWindow(edit)) return false;
  replaceNext_ = replaceByDefault;
  target_ = new CDropTargetText(edit);
  registered_ = SUCCEEDED(RegisterDragDrop(edit, target_));
  return true;
}

void CEditDD::ReleaseDropTarget() {
  if (target_) target_->Release();
  target_ = nullptr;
}

TextRange CEditDD::Selection() const {
  DWORD start = 0, end = 0;
  ::SendMessageW(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

size_t CEditDD::CharAt(POINT client) const {
  LRESULT r = ::SendMessageW(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y));
  if (r == -1) return static_cast<size_t>(GetWindowTextLengthW(m_hWnd));
  return LOWORD(r);
}

POINT CEditDD::DragPoint() const {
  POINT pt = {0, 0};
  if (target_)
    pt = target_->LastPoint();
  else
    GetCursorPos(&pt);
  ScreenToClient(m_hWnd, &pt);
  return pt;
}

bool CEditDD::OnSelection(POINT client) const {
  RECT rc;
  GetClientRect(m_hWnd, &rc);
  if (!PtInRect(&rc, client)) return false;
  return IsOnSelection(CharAt(client), Selection());
}

void CEditDD::ReplaceRange(TextRange range, const wchar_t* text) {
  ::SendMessageW(m_hWnd, EM_SETSEL, range.start, static_cast<LPARAM>(range.end));
  ::SendMessageW(m_hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

bool CEditDD::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && GetFocus() == m_hWnd) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(m_hWnd, &pt);
        if (OnSelection(pt)) {
          SetCursor(LoadCursorW(nullptr, IDC_ARROW));
          result = TRUE;
          return true;
        }
      }
      return false;
    case WM_LBUTTONDOWN:
      if (OnLButtonDown(lParam)) {
        result = 0;
        return true;
      }
      return false;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) {
        result = 0;
        return true;
      }
      return false;
    case WM_CHAR:
      // The characters Ctrl+A and Ctrl+Backspace type: their keys were handled above, and the
      // edit would otherwise beep or insert a box.
      if (wParam == 0x01 || wParam == 0x7F) {
        result = 0;
        return true;
      }
      return false;
    case WM_SETFOCUS:
      replaceNext_ = replaceByDefault;
      return false;
    case WM_DESTROY:
      if (registered_) RevokeDragDrop(m_hWnd);
      registered_ = false;
      ReleaseDropTarget();
      return false;
    case SLM_TEXT_DRAGOVER:
      OnDragOver(static_cast<DWORD>(wParam), reinterpret_cast<DWORD*>(lParam));
      result = 0;
      return true;
    case SLM_TEXT_DROP:
      OnDrop(static_cast<DWORD>(wParam), reinterpret_cast<const wchar_t*>(lParam));
      result = 0;
      return true;
  }
  return false;
}

bool CEditDD::OnLButtonDown(LPARAM lParam) {
  if (GetFocus() != m_hWnd || draggingOut_) return false;
  POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  TextRange sel = Selection();
  if (sel.empty() || !OnSelection(pt)) return false;
  std::wstring text = GetWindowTextString(m_hWnd);
  if (sel.end > text.size()) return false;

  dragStart_ = static_cast<long>(sel.start);
  dragEnd_ = static_cast<long>(sel.end);
  draggingOut_ = true;
  droppedHere_ = false;
  auto* data = new CTextDataObject(text.substr(sel.start, sel.size()));
  auto* source = new CTextDropSource();
  DWORD effect = DROPEFFECT_NONE;
  HRESULT hr = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  data->Release();
  source->Release();
  draggingOut_ = false;
  HWND self = m_hWnd;
  if (hr == DRAGDROP_S_DROP) {
    // A move into another window takes the text away from here.
    if (effect == DROPEFFECT_MOVE && !droppedHere_ && self && ::IsWindow(self))
      ReplaceRange({static_cast<size_t>(dragStart_), static_cast<size_t>(dragEnd_)}, L"");
  } else if (hr == DRAGDROP_S_CANCEL) {
    // A click that never became a drag places the caret, as a plain click would.
    size_t at = CharAt(pt);
    ::SendMessageW(m_hWnd, EM_SETSEL, at, static_cast<LPARAM>(at));
  }
  dragStart_ = dragEnd_ = -1;
  droppedHere_ = false;
  // Without OLE the click goes to the edit as usual.
  return hr == DRAGDROP_S_DROP || hr == DRAGDROP_S_CANCEL;
}

void CEditDD::OnDragOver(DWORD keyState, DWORD* effect) {
  if (!effect) return;
  bool over = false;
  if (draggingOut_) {
    over = IsOnSelection(CharAt(DragPoint()),
                         {static_cast<size_t>(dragStart_), static_cast<size_t>(dragEnd_)});
  }
  EditDragOver d = DecideEditDragOver(keyState, draggingOut_, over, replaceByDefault);
  *effect = d.effect;
  replaceNext_ = d.replace;
}

void CEditDD::OnDrop(DWORD effect, const wchar_t* text) {
  if (!text) return;
  SetFocus(m_hWnd);
  if (replaceNext_) {
    ReplaceRange({0, static_cast<size_t>(GetWindowTextLengthW(m_hWnd))}, text);
    replaceNext_ = replaceByDefault;
    return;
  }
  std::optional<TextRange> movedFrom;
  if (draggingOut_) {
    droppedHere_ = true;
    if (effect == DROPEFFECT_MOVE)
      movedFrom = TextRange{static_cast<size_t>(dragStart_), static_cast<size_t>(dragEnd_)};
  }
  size_t length = static_cast<size_t>(GetWindowTextLengthW(m_hWnd));
  auto plan = PlanEditDrop(length, CharAt(DragPoint()), wcslen(text), movedFrom);
  if (!plan) return;
  if (plan->deleteBefore) ReplaceRange(plan->source, L"");
  ReplaceRange({plan->insertAt, plan->insertAt}, text);
  if (plan->deleteAfter) ReplaceRange(plan->source, L"");
  ::SendMessageW(m_hWnd, EM_SETSEL, plan->caret, static_cast<LPARAM>(plan->caret));
  replaceNext_ = replaceByDefault;
}

bool CEditDD::OnKeyDown(WPARAM key) {
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool alt = GetKeyState(VK_MENU) < 0;
  if (!ctrl || alt) return false;
  switch (key) {
    case 'A':
      ::SendMessageW(m_hWnd, EM_SETSEL, 0, -1);
      return true;
    case VK_DELETE:
      DeleteWord(true);
      return true;
    case VK_BACK:
      if (shift) return false;
      DeleteWord(false);
      return true;
  }
  return false;
}

void CEditDD::DeleteWord(bool forward) {
  if (GetWindowLongW(m_hWnd, GWL_STYLE) & ES_READONLY) return;
  std::wstring text = GetWindowTextString(m_hWnd);
  TextRange range = WordDeletionRange(ToU(text), Selection(), forward);
  if (!range.empty()) ReplaceRange(range, L"");
}

}  // namespace scrv
