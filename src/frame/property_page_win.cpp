#include "frame/property_page_win.h"

#include "controls_ids.h"

#include <cwchar>
#include <stdexcept>

#include "base/module_state_win.h"
#include "base/text_win.h"
#include "frame/described_accessible_win.h"
#include "frame/dialog_appearance.h"
#include "frame/search_marks.h"
#include "frame/subclass_win.h"

#include <algorithm>
#include <iterator>

namespace scrv {
namespace {

constexpr UINT_PTR kMarkTimer = 11;
constexpr UINT kMarkDuration = 1500;  // ms

// The frame drawn around a marked control, outside it.
RECT MarkRect(HWND page, UINT controlId) {
  RECT rc = {};
  HWND control = ::GetDlgItem(page, static_cast<int>(controlId));
  if (!control) return rc;
  GetWindowRect(control, &rc);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rc), 2);
  InflateRect(&rc, 3, 3);
  return rc;
}

}  // namespace

CPropertyPageBase::CPropertyPageBase(UINT templateId, UINT helpTopic)
    : CDialogFrame({.templateId = templateId, .helpTopic = helpTopic, .page = true}) {}

CPropertyPageBase::~CPropertyPageBase() {
  // A page registered for a dialog the platform then failed to create must not stay listed.
  if (registered_) ForgetCreation();
}

HPROPSHEETPAGE CPropertyPageBase::CreatePage(const void* indirect) {
  PROPSHEETPAGEW psp = {};
  psp.dwSize = sizeof psp;
  psp.dwFlags = PSP_USECALLBACK | PSP_HASHELP;
  psp.hInstance = Module().resourceModule;
  if (indirect) {
    psp.dwFlags |= PSP_DLGINDIRECT;
    psp.pResource = static_cast<LPCDLGTEMPLATEW>(indirect);
  } else {
    psp.pszTemplate = MAKEINTRESOURCEW(TemplateId());
  }
  psp.pfnDlgProc = StartDialogProc;
  psp.lParam = reinterpret_cast<LPARAM>(this);
  psp.pfnCallback = PageCallback;
  wchar_t seam[12] = {};
  if (GetEnvironmentVariableW(L"SCRV_TEST_PAGE_THROW", seam, 12))
    throwOn_ = static_cast<UINT>(wcstoul(seam, nullptr, 0));
  return CreatePropertySheetPageW(&psp);
}

UINT CALLBACK CPropertyPageBase::PageCallback(HWND, UINT msg, LPPROPSHEETPAGEW page) {
  if (msg != PSPCB_CREATE || !page) return 0;
  auto* self = reinterpret_cast<CPropertyPageBase*>(page->lParam);
  self->RegisterForCreation();
  self->registered_ = true;
  return 1;
}

namespace {

// Whether the message is a user's action on the page, and the control it came from.
// (The check list's codes are numbered as in controls/, which the frame does not include.)
constexpr WPARAM kClGetRowText = 0x10000, kClGetStateImage = 0x10003;

bool UserAction(UINT msg, WPARAM wParam, LPARAM lParam, HWND page, uint32_t& control) {
  switch (msg) {
    case WM_COMMAND:
      control = LOWORD(wParam);
      return lParam != 0;  // menus and accelerators of a page change nothing
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      // The sheet's own notifications and the drawing ones are not the user's.
      if (!header || header->code == static_cast<UINT>(NM_CUSTOMDRAW) ||
          header->hwndFrom == ::GetParent(page))
        return false;
      control = static_cast<uint32_t>(header->idFrom);
      return true;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      control = lParam ? static_cast<uint32_t>(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))) : 0;
      return lParam != 0;
    case WM_CONTEXTMENU:
      control = wParam ? static_cast<uint32_t>(GetDlgCtrlID(reinterpret_cast<HWND>(wParam))) : 0;
      return true;
    case SLM_CHECKLIST: {
      // The list's questions about its rows change nothing.
      if (wParam == kClGetRowText || wParam == kClGetStateImage) return false;
      HWND focus = GetFocus();
      control = focus && IsChild(page, focus) ? static_cast<uint32_t>(GetDlgCtrlID(focus)) : 0;
      return true;
    }
  }
  return false;
}

}  // namespace

INT_PTR CALLBACK CPropertyPageBase::StepProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Only a page's procedure is this one: the object bound to the window is a page.
  auto* self = static_cast<CPropertyPageBase*>(
      reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER)));
  uint32_t control = 0;
  if (!self || !self->steps_ || self->stepDepth_ ||
      !UserAction(msg, wParam, lParam, hwnd, control))
    return DialogProc(hwnd, msg, wParam, lParam);
  // Only the outermost message is a step: what it sends on the way belongs to it.
  self->stepKind_ = UndoKind::kChange;
  self->stepItem_ = -1;
  ++self->stepDepth_;
  self->steps_->BeginStep(self->index_);
  const INT_PTR answer = DialogProc(hwnd, msg, wParam, lParam);
  --self->stepDepth_;
  // A page is bound to its object as long as it exists, past a nested WM_NCDESTROY too.
  if (self->steps_) self->steps_->EndStep({self->index_, control, self->stepItem_}, self->stepKind_);
  return answer;
}

void CPropertyPageBase::HoldRedraw(HWND list, bool showFocused) {
  if (!list || RedrawHeld(list)) return;
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  held_.emplace_back(list, showFocused);
}

bool CPropertyPageBase::RedrawHeld(HWND list) const {
  for (const auto& [held, show] : held_)
    if (held == list) return true;
  return false;
}

bool CPropertyPageBase::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                             LRESULT& result) {
  if (throwOn_ && msg == throwOn_) throw std::runtime_error("a page handler failed (test seam)");
  switch (msg) {
    case WM_ERASEBKGND: {
      if (!DarkTheme() && !SheetTabsHidden()) break;
      RECT rc;
      GetClientRect(m_hWnd, &rc);
      if (DarkTheme())
        Face().Fill(reinterpret_cast<HDC>(wParam), rc);
      else
        FillRect(reinterpret_cast<HDC>(wParam), &rc, GetSysColorBrush(COLOR_3DFACE));
      result = 1;
      return true;
    }
    case SLM_MARK_CONTROL:
      Mark(static_cast<UINT>(wParam));
      result = 0;
      return true;
    case SLM_SET_MARKS:
      SetMarks(reinterpret_cast<const SearchMarks*>(lParam));
      result = 0;
      return true;
    case WM_TIMER:
      if (wParam != kMarkTimer) break;
      Mark(0);
      result = 0;
      return true;
    case WM_PAINT:
      if (!marked_ && marks_.matched.empty() && marks_.modified.empty()) break;
      PaintMark();
      result = 0;
      return true;
  }
  return CDialogFrame::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
}

bool CPropertyPageBase::OnSheetNotify(NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case PSN_SETACTIVE:
      for (const auto& [list, showFocused] : held_) {
        ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        const auto row = showFocused ? ::SendMessageW(list, LVM_GETNEXTITEM,
                                                      static_cast<WPARAM>(-1), LVNI_FOCUSED)
                                     : -1;
        if (row >= 0) ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
      }
      held_.clear();
      ::SendMessageW(Sheet(), SCM_PAGE_ACTIVATED, 0, reinterpret_cast<LPARAM>(m_hWnd));
      OnSetActive();
      result = 0;
      return true;
    case PSN_KILLACTIVE:
      result = OnKillActive() ? TRUE : FALSE;
      return true;
    case PSN_APPLY:
      result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID;
      return true;
    case PSN_HELP:
      OnHelp();
      result = 0;
      return true;
    case PSN_TRANSLATEACCELERATOR: {
      const auto& notify = reinterpret_cast<PSHNOTIFY&>(header);
      const MSG* msg = reinterpret_cast<const MSG*>(notify.lParam);
      result = msg && (FocusSearchBox(*msg) || OnTranslateAccelerator(*msg)) ? PSNRET_MESSAGEHANDLED
                                                                             : PSNRET_NOERROR;
      return true;
    }
    case PSN_QUERYINITIALFOCUS:
    case PSN_RESET:
    case PSN_QUERYCANCEL:
    case PSN_WIZBACK:
    case PSN_WIZNEXT:
    case PSN_WIZFINISH:
      result = 0;
      return true;
  }
  return false;
}

bool CPropertyPageBase::FocusSearchBox(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != 'F' || GetKeyState(VK_CONTROL) >= 0 ||
      GetKeyState(VK_SHIFT) < 0 || !SheetTabsHidden())
    return false;
  HWND box = ::GetDlgItem(Sheet(), IDC_NAV_SEARCH);
  if (!box) return false;
  ::SendMessageW(Sheet(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
  return true;
}

void CPropertyPageBase::Mark(UINT controlId) {
  if (marked_) {
    RECT old = MarkRect(m_hWnd, marked_);
    InvalidateRect(m_hWnd, &old, TRUE);
  }
  marked_ = controlId;
  if (!marked_) {
    KillTimer(m_hWnd, kMarkTimer);
    return;
  }
  RECT rc = MarkRect(m_hWnd, marked_);
  InvalidateRect(m_hWnd, &rc, TRUE);
  SetTimer(m_hWnd, kMarkTimer, kMarkDuration, nullptr);
}

void CPropertyPageBase::PaintMark() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  // The marks grow with the DPI the page is drawn at.
  const auto dpi = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
  auto controlRect = [&](uint32_t id, Rect* out) {
    HWND control = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    if (!control || !IsWindowVisible(control)) return false;
    RECT rc = {};
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    *out = {rc.left, rc.top, rc.right, rc.bottom};
    return true;
  };
  auto fill = [&](const Rect& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    const RECT rc = {r.left, r.top, r.right, r.bottom};
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
  };
  for (uint32_t id : marks_.matched) {
    Rect r;
    if (!controlRect(id, &r)) continue;
    const MarkFrame f = MatchFrame(r, dpi);
    const COLORREF color = MarkColor(MarkKind::kMatch, DarkTheme());
    const int32_t t = f.thickness;
    fill({f.outer.left, f.outer.top, f.outer.right, f.outer.top + t}, color);
    fill({f.outer.left, f.outer.bottom - t, f.outer.right, f.outer.bottom}, color);
    fill({f.outer.left, f.outer.top, f.outer.left + t, f.outer.bottom}, color);
    fill({f.outer.right - t, f.outer.top, f.outer.right, f.outer.bottom}, color);
  }
  for (uint32_t id : marks_.modified) {
    Rect r;
    if (!controlRect(id, &r)) continue;
    Rect bar = ModifiedBar(r, dpi);
    // A label just left of the control would hide the bar: it goes left of the label instead.
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t cls[8] = {};
      GetClassNameW(child, cls, 8);
      Rect label;
      if (_wcsicmp(cls, L"Static") != 0 || !controlRect(static_cast<uint32_t>(GetDlgCtrlID(child)), &label))
        continue;
      if (label.left < bar.right && bar.left < label.right && label.top < bar.bottom &&
          bar.top < label.bottom) {
        bar = ModifiedBar(label, dpi);
        break;
      }
    }
    fill(bar, MarkColor(MarkKind::kModified, DarkTheme()));
  }
  if (marked_) {
    RECT rc = MarkRect(m_hWnd, marked_);
    HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
    FrameRect(dc, &rc, brush);
    InflateRect(&rc, -1, -1);
    FrameRect(dc, &rc, brush);
  }
  EndPaint(m_hWnd, &ps);
}

void CPropertyPageBase::SetMarks(const SearchMarks* marks) {
  marks_ = marks ? *marks : SearchMarks{};
  // Every marked control answers for its accessible object while it is marked, and only then.
  std::vector<uint32_t> now = marks_.matched;
  now.insert(now.end(), marks_.modified.begin(), marks_.modified.end());
  std::sort(now.begin(), now.end());
  now.erase(std::unique(now.begin(), now.end()), now.end());
  for (uint32_t id : described_)
    if (!std::binary_search(now.begin(), now.end(), id))
      if (HWND control = ::GetDlgItem(m_hWnd, static_cast<int>(id)))
        RemoveSubclass(control, DescribedProc, 0);
  for (uint32_t id : now)
    if (HWND control = ::GetDlgItem(m_hWnd, static_cast<int>(id)))
      SetSubclass(control, DescribedProc, 0, reinterpret_cast<DWORD_PTR>(this));
  // A screen reader reads the description again when it changes.
  std::vector<uint32_t> changed;
  std::set_symmetric_difference(described_.begin(), described_.end(), now.begin(), now.end(),
                                std::back_inserter(changed));
  for (uint32_t id : changed)
    if (HWND control = ::GetDlgItem(m_hWnd, static_cast<int>(id)))
      NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
  described_ = std::move(now);
  // The marks lie outside the controls: the page repaints round them, the lists their rows.
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::wstring CPropertyPageBase::MarkDescription(uint32_t id) const {
  auto has = [id](const std::vector<uint32_t>& ids) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
  };
  std::wstring text;
  if (has(marks_.matched)) text = LoadResString(IDS_SEARCH_MATCH_NAME);
  if (has(marks_.modified))
    text += (text.empty() ? L"" : L", ") + LoadResString(IDS_SEARCH_MODIFIED_NAME);
  return text;
}

LRESULT CALLBACK CPropertyPageBase::DescribedProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
    const auto* page = reinterpret_cast<const CPropertyPageBase*>(data);
    const std::wstring text = page->MarkDescription(static_cast<uint32_t>(GetDlgCtrlID(hwnd)));
    if (!text.empty())
      if (const LRESULT answer = AnswerDescribedObject(hwnd, wParam, text)) return answer;
  }
  return DefSubclass(hwnd, msg, wParam, lParam);
}

bool CPropertyPageBase::RowMatched(uint32_t list, int row) const {
  return std::find(marks_.rows.begin(), marks_.rows.end(), std::make_pair(list, row)) !=
         marks_.rows.end();
}

bool CPropertyPageBase::RowModified(uint32_t list, int row) const {
  return std::find(marks_.modifiedRows.begin(), marks_.modifiedRows.end(),
                   std::make_pair(list, row)) != marks_.modifiedRows.end();
}

bool CPropertyPageBase::DrawRowMarks(uint32_t list, NMLVCUSTOMDRAW& draw, LRESULT& result) {
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  const bool dark = DarkTheme();
  if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
    bool drew = false;
    if (RowMatched(list, row)) {
      // The mark's background, the theme's text on it.
      draw.clrTextBk = MatchRowBackground(dark);
      draw.clrText = dark ? kDarkTextColor : RGB(0, 0, 0);
      drew = true;
    }
    if (RowModified(list, row)) {
      result |= CDRF_NOTIFYPOSTPAINT;
      drew = true;
    }
    return drew;
  }
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPOSTPAINT || !RowModified(list, row)) return false;
  RECT rc = {};
  rc.left = LVIR_BOUNDS;
  if (!::SendMessageW(draw.nmcd.hdr.hwndFrom, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&rc)))
    return false;
  // The bar a changed control has beside it, inside the row's left edge.
  const Rect bar = ModifiedBar({rc.left, rc.top, rc.right, rc.bottom}, static_cast<uint32_t>(GetDeviceCaps(draw.nmcd.hdc, LOGPIXELSX)));
  RECT fill = {rc.left, rc.top, rc.left + (bar.right - bar.left), rc.bottom};
  SetDCBrushColor(draw.nmcd.hdc, MarkColor(MarkKind::kModified, dark));
  FillRect(draw.nmcd.hdc, &fill, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  result |= CDRF_DODEFAULT;
  return true;
}

}  // namespace scrv
