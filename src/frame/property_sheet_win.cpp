#include "frame/property_sheet_win.h"

#include <algorithm>
#include <iterator>

#include "frame/text_folder_win.h"
#include "frame/search_keys.h"
#include "frame/search_query.h"

#include <cwchar>
#include "controls_ids.h"
#include "frame/anchor_layout.h"
#include "frame/control_look_win.h"
#include "frame/dpi_win.h"
#include "frame/key_names_win.h"
#include "frame/popup_menu_win.h"
#include "base/module_state_win.h"
#include "base/text_win.h"
#include "settings/app_settings_win.h"
#include "settings/common_read_pass.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

constexpr UINT_PTR kSearchFocusTimer = 10;
constexpr UINT kSearchFocusDelay = 50;
constexpr int kQueryCapacity = 261;  // 260 characters
constexpr int kTitleCapacity = 80;
constexpr int kSearchLimit = 80;
constexpr int kApplyButton = 0x3021;
constexpr DWORD kResizableStyles = WS_THICKFRAME | WS_VISIBLE;  // 0x10040000
constexpr UINT kBoth = 3;                                       // resizable in both directions
constexpr UINT kMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr UINT kSizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

// The title of tab `index` (a page's title), empty when there is none.
std::wstring TabTitle(HWND tab, int index) {
  wchar_t title[kTitleCapacity] = {};
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = title;
  item.cchTextMax = kTitleCapacity;
  if (tab) ::SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return title;
}

// Whether the sheet being created on this thread is resizable, for the callback's first
// message: the platform has not created the window yet, so the creation list cannot bind it.
thread_local bool t_resizable = false;
// The sheet whose search takes the keys of this thread's queue.
thread_local CPropertySheetBase* t_keySheet = nullptr;

RECT ChildRect(HWND parent, HWND child) {
  RECT rc = {};
  GetWindowRect(child, &rc);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

void MoveBy(HWND parent, HWND w, int dx, int dy = 0) {
  if (!w) return;
  RECT rc = ChildRect(parent, w);
  SetWindowPos(w, nullptr, rc.left + dx, rc.top + dy, 0, 0, kMoveFlags);
}

// Moves or sizes a child unless it is already where it belongs.
void PlaceChild(HWND parent, HWND child, const RECT& rc) {
  if (!child) return;
  if (const RECT now = ChildRect(parent, child); EqualRect(&rc, &now)) return;
  SetWindowPos(child, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// Whether a menu is being tracked on this thread: its keys are the menu's.
bool InMenu() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) &&
         (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
}

std::wstring KeyName(UINT vk) {
  wchar_t name[40] = {};
  GetVirtualKeyName(name, 40, vk);
  return name;
}

}  // namespace

CPropertySheetBase::CPropertySheetBase(SheetOptions options)
    : options_(std::move(options)), search_(*this), titles_(*this) {}

CPropertySheetBase::~CPropertySheetBase() {
  for (HPROPSHEETPAGE h : handles_) DestroyPropertySheetPage(h);
  if (font_) DeleteObject(font_);
  if (titleFont_) DeleteObject(titleFont_);
}

bool CPropertySheetBase::AddPage(CPropertyPageBase& page, std::u16string extraText) {
  PageEntry entry{&page, std::move(extraText), {}, std::nullopt};
  // With the page list, each page runs from a copy of its template, which the search reads.
  if (options_.navigation) {
    HMODULE module = Module().resourceModule;
    HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(page.TemplateId()), RT_DIALOG);
    HGLOBAL loaded = res ? LoadResource(module, res) : nullptr;
    const auto* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (data) entry.templateCopy.assign(data, data + SizeofResource(module, res));
  }
  page.SetDarkTheme(options_.dark);
  page.SetSheetNavigation(options_.navigation);
  HPROPSHEETPAGE handle =
      page.CreatePage(entry.templateCopy.empty() ? nullptr : entry.templateCopy.data());
  if (!handle) return false;
  if (m_hWnd) {
    if (!::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
      DestroyPropertySheetPage(handle);
      return false;
    }
  } else {
    handles_.push_back(handle);
  }
  pages_.push_back(std::move(entry));
  return true;
}

INT_PTR CPropertySheetBase::DoModal() {
  header_.dwSize = sizeof header_;
  header_.dwFlags = (PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_HASHELP) & ~PSH_MODELESS;
  header_.hwndParent = options_.owner;
  header_.hInstance = Module().resourceModule;
  header_.pszCaption = options_.caption.c_str();
  header_.nStartPage = options_.startPage < handles_.size() ? options_.startPage : 0;
  header_.phpage = handles_.data();
  header_.nPages = static_cast<UINT>(handles_.size());
  header_.pfnCallback = SheetCallback;
  if (handles_.empty()) return -1;

  // A failure in a page or in the sheet ends the sheet as its Cancel button does (no page
  // saves; the sheet still remembers its page and placement) and is thrown again here.
  ModalScope scope([](HWND sheet) { PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); });
  scope_ = &scope;
  const bool outerResizable = t_resizable;
  t_resizable = options_.resizable;
  PushCreationEntry(entry_, this);
  const INT_PTR result = PropertySheetW(&header_);
  DropCreationEntry(entry_);  // still listed only when the sheet never came up
  t_resizable = outerResizable;
  scope_ = nullptr;
  // The pages belong to the platform from here on, whether the sheet came up or not.
  handles_.clear();
  header_.phpage = nullptr;
  header_.nPages = 0;
  scope.Rethrow();
  return result;
}

int CALLBACK CPropertySheetBase::SheetCallback(HWND hwnd, UINT msg, LPARAM lParam) {
  switch (msg) {
    case PSCB_PRECREATE: {
      if (!t_resizable || !lParam) break;
      auto* words = reinterpret_cast<WORD*>(lParam);
      // An extended template keeps its style at byte 12, a classic one at byte 0.
      auto* style = reinterpret_cast<DWORD*>(words[1] == 0xFFFF ? words + 6 : words);
      *style |= kResizableStyles;
      break;
    }
    case PSCB_INITIALIZED: {
      auto* self = static_cast<CPropertySheetBase*>(TakeCreationEntryObject());
      if (!self || !self->SubclassWindow(hwnd)) break;
      self->handles_.clear();  // the sheet owns the pages now
      if (self->scope_) self->scope_->SetWindow(hwnd);
      self->OnInitialized();
      break;
    }
  }
  return 0;
}

HWND CPropertySheetBase::TabControl() {
  // The platform's tab control lives as long as the sheet.
  if (!tab_ && m_hWnd)
    tab_ = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0));
  return tab_;
}

HWND CPropertySheetBase::CurrentPage() const {
  return reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int CPropertySheetBase::CurrentIndex() {
  HWND tab = TabControl();
  return tab ? static_cast<int>(::SendMessageW(tab, TCM_GETCURSEL, 0, 0)) : -1;
}

void CPropertySheetBase::OnInitialized() {
  // Every sheet takes undo from inside its pages; with the page list, the search's keys too.
  outerKeySheet_ = t_keySheet;
  t_keySheet = this;
  keyHook_ = SetWindowsHookExW(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
  if (options_.navigation) BuildNavigation();
  PrepareControls(m_hWnd, options_.dark);
  resizer_.SetDark(options_.dark);
  if (options_.dark) DarkenCaption(m_hWnd);
}

HFONT CPropertySheetBase::NavigationFont() {
  if (font_) return font_;
  const UINT scale = WindowScalePercent(m_hWnd);
  if (scale == 100 && !options_.navigation) return nullptr;
  NONCLIENTMETRICSW ncm = {};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  LOGFONTW lf = ncm.lfStatusFont;
  lf.lfHeight = MulDiv(lf.lfHeight, static_cast<int>(scale), 100);
  LOGFONTW sheet = {};
  if (auto sheetFont = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)))
    GetObjectW(sheetFont, sizeof sheet, &sheet);
  lf.lfHeight = std::max<LONG>(lf.lfHeight, MulDiv(sheet.lfHeight, 115, 100));
  font_ = CreateFontIndirectW(&lf);
  return font_;
}

HFONT CPropertySheetBase::TitleFont() {
  if (titleFont_) return titleFont_;
  HFONT base = NavigationFont();
  if (!base) base = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
  LOGFONTW lf = {};
  if (!GetObjectW(base ? static_cast<HGDIOBJ>(base) : GetStockObject(DEFAULT_GUI_FONT), sizeof lf,
                  &lf))
    return base;
  lf.lfWeight = FW_BOLD;
  titleFont_ = CreateFontIndirectW(&lf);
  return titleFont_ ? titleFont_ : base;
}

void CPropertySheetBase::BuildNavigation() {
  HWND tab = TabControl();
  if (!tab) return;
  // The platform sized the sheet for every row of page titles the tab control took: more rows
  // in a language with longer titles. Hidden, the tab control needs none of them, and the
  // room they took under the pages is given up below.
  const int rows = static_cast<int>(::SendMessageW(tab, TCM_GETROWCOUNT, 0, 0));
  RECT item = {};
  ::SendMessageW(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const int spare = std::max(0, rows - 1) * static_cast<int>(item.bottom - item.top);
  SetWindowLongW(tab, GWL_STYLE, GetWindowLongW(tab, GWL_STYLE) & ~TCS_MULTILINE);
  ShowWindow(tab, SW_HIDE);
  EnableWindow(tab, FALSE);

  const RECT former = ChildRect(m_hWnd, tab);
  RECT display = former;
  ::SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  tabRowHeight_ = display.top - former.top;
  const std::wstring cue =
      LoadResString(IDS_SEARCH_CUE) + L" (" + KeyName(VK_CONTROL) + L"+" + KeyName('F') + L")";
  navWidth_ = NavigationWidth(tab, cue);
  RECT units = {4, 4, 80, 16};
  MapDialogRect(m_hWnd, &units);
  const int boxHeight = units.bottom - units.top;
  const int gap = boxHeight / 6;

  RECT sheet = {};
  GetWindowRect(m_hWnd, &sheet);
  // Nothing limits the sheet's size yet: the size-limit messages, which ask the platform about
  // the monitor, are spared.
  SetWindowPos(m_hWnd, nullptr, 0, 0, sheet.right - sheet.left + navWidth_,
               sheet.bottom - sheet.top - spare, kSizeFlags | SWP_NOSENDCHANGING);
  SetWindowPos(tab, nullptr, former.left + navWidth_, former.top - tabRowHeight_,
               former.right - former.left, former.bottom - former.top - spare,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (HWND page = CurrentPage(); page && spare) {
    const RECT rc = ChildRect(m_hWnd, page);
    SetWindowPos(page, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top - spare, kSizeFlags);
  }
  const int buttonIds[] = {IDCANCEL, IDOK, IDHELP, kApplyButton};
  for (size_t i = 0; i < std::size(buttonIds); ++i) {
    buttons_[i] = ::GetDlgItem(m_hWnd, buttonIds[i]);
    MoveBy(m_hWnd, buttons_[i], navWidth_, -spare);
  }
  const RECT list = {former.left, former.top + boxHeight + gap, former.left + navWidth_, 0};
  const NavigationLines lines = Lines(list);

  HFONT font = NavigationFont();
  const HINSTANCE instance = Module().dllInstance;
  separator_ = CreateWindowExW(
      0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_ETCHEDHORZ,
      lines.separator.left, lines.separator.top, lines.separator.right - lines.separator.left, 1,
      m_hWnd, reinterpret_cast<HMENU>(IDC_NAV_SEPARATOR), instance, nullptr);
  // The search box and the list fill the column without room for a visible label; each gets
  // a hidden one just before it, which a screen reader takes as its name.
  auto createLabel = [&](int id, int textId) {
    return CreateWindowExW(0, L"STATIC", LoadResString(textId).c_str(),
                           WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, m_hWnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  HWND boxLabel = createLabel(IDC_NAV_SEARCH_LABEL, IDS_NAV_SEARCH_LABEL);
  HWND box = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | ES_AUTOHSCROLL,
      former.left, former.top, navWidth_, boxHeight, m_hWnd,
      reinterpret_cast<HMENU>(IDC_NAV_SEARCH), instance, nullptr);
  ::SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ::SendMessageW(box, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
  search_.SubclassWindow(box);
  ::SendMessageW(box, EM_LIMITTEXT, kSearchLimit, 0);

  HWND listLabel = createLabel(IDC_NAV_TITLES_LABEL, IDS_NAV_TITLES_LABEL);
  HWND titles = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"ListBox", L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL |
          WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
      lines.list.left, lines.list.top, navWidth_, lines.list.bottom - lines.list.top, m_hWnd,
      reinterpret_cast<HMENU>(IDC_NAV_TITLES), instance, nullptr);
  titles_.SubclassWindow(titles);
  ::SendMessageW(titles, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The search box and the list come first in the tab order, each after its label, which names
  // it for a screen reader.
  for (HWND w : {titles, listLabel, box, boxLabel})
    SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  FillTitles();
}

// The column takes 140 pixels at 96 DPI, more where a page title or the search box's hint
// needs it (a language with longer words), up to 260.
int CPropertySheetBase::NavigationWidth(HWND tab, const std::wstring& cue) {
  const int dpi = static_cast<int>(WindowDpi(m_hWnd));
  HDC dc = GetDC(m_hWnd);
  HFONT font = NavigationFont();
  HGDIOBJ old = SelectObject(
      dc, font ? font : reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
  auto width = [dc](const wchar_t* text, int length) {
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text, length, &extent);
    return static_cast<int>(extent.cx);
  };
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  // The hint inside the box's edges and margins; a title beside the list's scroll bar.
  int need = width(cue.c_str(), static_cast<int>(cue.size())) + 2 * tm.tmAveCharWidth;
  const int count = static_cast<int>(::SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
  const int titleChrome = tm.tmAveCharWidth + MulDiv(GetSystemMetrics(SM_CXVSCROLL), dpi, 96);
  for (int i = 0; i < count; ++i) {
    const std::wstring title = TabTitle(tab, static_cast<int>(i));
    need = std::max(need, width(title.c_str(), static_cast<int>(title.size())) + titleChrome);
  }
  SelectObject(dc, old);
  ReleaseDC(m_hWnd, dc);
  need += MulDiv(4 * GetSystemMetrics(SM_CXEDGE), dpi, 96);  // the client edges
  return std::clamp(need, MulDiv(140, dpi, 96), MulDiv(260, dpi, 96));
}

CPropertySheetBase::NavigationLines CPropertySheetBase::Lines(const RECT& list) {
  RECT client = {};
  GetClientRect(m_hWnd, &client);
  const HWND ok = buttons_[1];
  const int lineY = (ok ? ChildRect(m_hWnd, ok).top : client.bottom) - tabRowHeight_ / 2;
  return {{list.left, list.top, list.left + navWidth_, lineY - list.left},
          {list.left, lineY, client.right - list.left, lineY + 1}};
}

void CPropertySheetBase::OnFirstShow() {
  if (search_.m_hWnd) {
    // Where the platform has laid its buttons out again since the page list was built, they
    // are moved to end at the right edge with the margin the list keeps on the left, and the
    // list and the separator follow them.
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const RECT list = ChildRect(m_hWnd, titles_.m_hWnd);
    int right = 0;
    for (HWND b : {buttons_[0], buttons_[1], buttons_[2]})
      if (b && (GetWindowLongW(b, GWL_STYLE) & WS_VISIBLE))
        right = std::max<int>(right, ChildRect(m_hWnd, b).right);
    if (const int shift = client.right - list.left - right)
      for (HWND b : buttons_) MoveBy(m_hWnd, b, shift);
    const NavigationLines lines = Lines(list);
    PlaceChild(m_hWnd, titles_.m_hWnd, lines.list);
    PlaceChild(m_hWnd, separator_, lines.separator);
  }
  if (options_.resizable) AttachResizer();

  if (options_.focusControl) {
    HWND page = CurrentPage();
    HWND control = page ? ::GetDlgItem(page, static_cast<int>(options_.focusControl)) : nullptr;
    if (control) {
      PostMessageW(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
      if (options_.focusItem > 0) {
        LVITEMW clear = {};
        clear.stateMask = LVIS_SELECTED;
        ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(&clear));
        LVITEMW item = {};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(options_.focusItem),
                       reinterpret_cast<LPARAM>(&item));
        ::SendMessageW(control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(options_.focusItem), FALSE);
      }
    }
  } else if (titles_.m_hWnd) {
    PostMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(titles_.m_hWnd), TRUE);
  }
}

void CPropertySheetBase::AttachResizer() {
  CommonReadPass common(Settings());
  resizer_.Attach(m_hWnd, common);
  HWND tab = TabControl();
  if (HWND page = CurrentPage(); page && tab) {
    RECT pageRc = {}, tabClient = {};
    GetWindowRect(page, &pageRc);
    GetClientRect(tab, &tabClient);
    pageInset_ = {tabClient.right - (pageRc.right - pageRc.left),
                  tabClient.bottom - (pageRc.bottom - pageRc.top)};
  }
  if (tab) resizer_.AddAnchor(GetDlgCtrlID(tab), anchor::kStretchRight | anchor::kStretchBottom);
  for (int id : {IDOK, IDCANCEL, IDHELP, kApplyButton})
    resizer_.AddAnchor(id, anchor::kMoveRight | anchor::kMoveBottom);
  if (titles_.m_hWnd) {
    resizer_.AddAnchor(IDC_NAV_TITLES, anchor::kStretchBottom);
    resizer_.AddAnchor(IDC_NAV_SEPARATOR, anchor::kMoveBottom | anchor::kStretchRight);
  }
  // Centres the sheet over its owner first, then applies what is stored.
  resizer_.RestorePlacement(options_.placementKey, kBoth, common);
  LayoutPageArea();
}

void CPropertySheetBase::LayoutPageArea() {
  HWND tab = TabControl(), page = CurrentPage();
  if (!tab || !page) return;
  RECT tabClient = {};
  GetClientRect(tab, &tabClient);
  const uint32_t anchoring = resizer_.Model().Placement().scale;
  const uint32_t now = resizer_.Model().CurrentScale(resizer_);
  const int dx = MulDiv(pageInset_.cx, static_cast<int>(now), static_cast<int>(anchoring));
  const int dy = MulDiv(pageInset_.cy, static_cast<int>(now), static_cast<int>(anchoring));
  const int shift = page == titledPage_ ? titleShift_ : 0;
  SetWindowPos(page, nullptr, 0, 0, tabClient.right - dx, tabClient.bottom - dy - shift, kSizeFlags);
  if (pageTitle_ && shift) {
    const RECT rc = ChildRect(m_hWnd, page);
    PlaceChild(m_hWnd, pageTitle_, {rc.left, rc.top - shift, rc.right, rc.top});
  }
}

void CPropertySheetBase::ShowPageTitle(HWND page) {
  if (!titles_.m_hWnd) return;
  if (!page) page = CurrentPage();
  const bool show = page && Search().NoMatch();
  // The page moved down before goes back up, whichever page is shown now.
  auto moveBy = [&](HWND w, int dy) {
    const RECT rc = ChildRect(m_hWnd, w);
    SetWindowPos(w, nullptr, rc.left, rc.top + dy, rc.right - rc.left, rc.bottom - rc.top - dy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  };
  if (titledPage_ && (!show || titledPage_ != page)) {
    if (::IsWindow(titledPage_)) moveBy(titledPage_, -titleShift_);
    titledPage_ = nullptr;
  }
  if (!show) {
    if (pageTitle_) ShowWindow(pageTitle_, SW_HIDE);
    return;
  }
  HFONT font = TitleFont();
  if (!pageTitle_) {
    pageTitle_ = CreateWindowExW(0, L"STATIC", L"",
                                 WS_CHILD | SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0, 0, 0, 0,
                                 m_hWnd, reinterpret_cast<HMENU>(IDC_NAV_PAGE_TITLE),
                                 Module().dllInstance, nullptr);
    ::SendMessageW(pageTitle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HDC dc = GetDC(pageTitle_);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(pageTitle_, dc);
    titleShift_ = tm.tmHeight + tm.tmHeight / 2;
  }
  const int index = static_cast<int>(
      ::SendMessageW(m_hWnd, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
  SetWindowTextW(pageTitle_, index >= 0 ? TabTitle(TabControl(), index).c_str() : L"");
  if (titledPage_ != page) {
    moveBy(page, titleShift_);
    titledPage_ = page;
  }
  const RECT rc = ChildRect(m_hWnd, page);
  PlaceChild(m_hWnd, pageTitle_, {rc.left, rc.top - titleShift_, rc.right, rc.top});
  ShowWindow(pageTitle_, SW_SHOWNA);
}

const DialogTemplateText* CPropertySheetBase::Captions(PageEntry& entry) {
  if (!entry.captions && !entry.templateCopy.empty())
    entry.captions = ReadDialogTemplateText(entry.templateCopy.data(), entry.templateCopy.size());
  return entry.captions ? &*entry.captions : nullptr;
}

void CPropertySheetBase::FillTitles() {
  HWND list = titles_.m_hWnd, tab = TabControl();
  if (!list || !tab) return;
  std::optional<size_t> selected;
  const auto sel = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
  if (sel >= 0 && static_cast<size_t>(sel) < rows_.size()) selected = rows_[sel].page;

  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  wchar_t query[kQueryCapacity] = {};
  GetWindowTextW(search_.m_hWnd, query, kQueryCapacity);

  std::vector<std::u16string> titles(pages_.size());
  for (size_t i = 0; i < pages_.size(); ++i) {
    titles[i] = ToU(TabTitle(tab, static_cast<int>(i)));
  }
  rows_ = Search().Update(ToU(query));
  // An empty list says why; the list's name carries the same words for a screen reader.
  const std::wstring empty =
      Search().NoMatch() ? ToW(FormatText(ToU(LoadResString(IDS_SEARCH_NO_MATCH)), ToU(query)))
                         : std::wstring();
  SetWindowTextW(list, empty.c_str());

  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, NavigationFont());
  int widest = 0;
  for (const PageListRow& row : rows_) {
    const std::wstring title = ToW(titles[row.page]);
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(title.size()), &extent);
    widest = std::max(widest, static_cast<int>(extent.cx));
  }
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  ::SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + tm.tmAveCharWidth), 0);

  const int current = CurrentIndex();
  std::optional<size_t> row = RowToSelect(rows_, selected, current < 0 ? 0 : size_t(current));
  ::SendMessageW(list, LB_SETCURSEL, row ? static_cast<WPARAM>(*row) : static_cast<WPARAM>(-1), 0);
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  ShowPageTitle();
  ShowMarks();
}

SheetSearch& CPropertySheetBase::Search() {
  if (!searchModel_) {
    const SearchIndex* index = SharedSearchIndex();
    if (!index) {
      // The sheet's own: its pages' titles, labels and captions.
      std::vector<IndexedPage> pages(pages_.size());
      HWND tab = TabControl();
      for (size_t i = 0; i < pages_.size(); ++i) {
        pages[i].title = ToU(TabTitle(tab, static_cast<int>(i)));
        pages[i].extraText = pages_[i].extraText;
        if (const DialogTemplateText* captions = Captions(pages_[i])) pages[i].controls = *captions;
      }
      ownIndex_ = std::make_unique<SearchIndex>(std::move(pages));
      index = ownIndex_.get();
    }
    searchModel_ = std::make_unique<SheetSearch>(
        *index, folder_, [this](size_t p) { return PageModified(p); },
        [this](size_t p) { return ModifiedMarks(p); });
  }
  return *searchModel_;
}

void CPropertySheetBase::ShowMarks(HWND page) {
  if (!page) page = CurrentPage();
  const int index = page ? static_cast<int>(::SendMessageW(m_hWnd, PSM_HWNDTOINDEX,
                                                           reinterpret_cast<WPARAM>(page), 0))
                         : -1;
  if (index < 0 || !titles_.m_hWnd) return;
  CPropertyPageBase::SearchMarks marks;
  const size_t p = static_cast<size_t>(index);
  const bool query = Search().HasQuery();  // builds the sheet's own index when it has none
  const SearchIndex* searched = SharedSearchIndex() ? SharedSearchIndex() : ownIndex_.get();
  auto place = [&](size_t label) {
    const LabelPlace at = searched->Page(p).PlaceOf(label);
    return std::make_pair(at.control, RowShown(p, at.control, at.row));
  };
  if (query) {
    const PageHits hits = searched->Hits(p, OptionQuery(Search().Query().words, folder_));
    marks.matched = hits.controls;
    for (size_t label : hits.rows) marks.rows.push_back(place(label));
  }
  const PageHits modified = ModifiedMarks(p);
  marks.modified = modified.controls;
  for (size_t label : modified.rows) marks.modifiedRows.push_back(place(label));
  ::SendMessageW(page, SLM_SET_MARKS, 0, reinterpret_cast<LPARAM>(&marks));
}

void CPropertySheetBase::TrackSteps(PageSteps& steps) {
  for (size_t i = 0; i < pages_.size(); ++i) pages_[i].page->SetSteps(&steps, i);
}

void CPropertySheetBase::ShowRestored(const UndoPlace& place) {
  if (place.page >= pages_.size()) return;
  if (CurrentIndex() != static_cast<int>(place.page))
    ::SendMessageW(m_hWnd, PSM_SETCURSEL, place.page, 0);
  CPropertyPageBase& page = *pages_[place.page].page;
  if (!page.m_hWnd) return;
  page.OnModelRestored();
  // "@modified" may list other pages now, and the marks of what differs move.
  if (titles_.m_hWnd && Search().HasQuery())
    FillTitles();
  else
    ShowMarks(page.m_hWnd);
  HWND control = place.control ? ::GetDlgItem(page.m_hWnd, static_cast<int>(place.control)) : nullptr;
  if (!control || !IsWindowEnabled(control) || !IsWindowVisible(control)) return;
  wchar_t cls[32] = {};
  GetClassNameW(control, cls, 32);
  if (place.item >= 0 && _wcsicmp(cls, WC_LISTVIEWW) == 0) {
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(place.item),
                   reinterpret_cast<LPARAM>(&item));
    ::SendMessageW(control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(place.item), FALSE);
  }
  ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void CPropertySheetBase::OnTitlesMenu(LPARAM pos) {
  HWND list = titles_.m_hWnd;
  int row = -1;
  POINT at = {};
  if (pos == -1) {
    row = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
    RECT rc = {};
    if (row >= 0 && ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(&rc)) != LB_ERR) {
      at = {rc.left, rc.bottom};
      ClientToScreen(list, &at);
    }
  } else {
    at = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    POINT client = at;
    ScreenToClient(list, &client);
    const auto hit = static_cast<DWORD>(
        ::SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y)));
    if (!HIWORD(hit)) row = LOWORD(hit);
  }
  if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
  ShowPageMenu(rows_[row].page, at);
}

// Without the page list the tabs offer the same menu: the tab under the mouse, or the current
// one for the keyboard's menu key.
void CPropertySheetBase::OnTabMenu(HWND tab, LPARAM pos) {
  int index = -1;
  POINT at = {};
  if (pos == -1) {
    index = TabCtrl_GetCurSel(tab);
    RECT rc = {};
    if (index >= 0 && TabCtrl_GetItemRect(tab, index, &rc)) {
      at = {rc.left, rc.bottom};
      ClientToScreen(tab, &at);
    }
  } else {
    at = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    TCHITTESTINFO hit = {at, 0};
    ScreenToClient(tab, &hit.pt);
    index = TabCtrl_HitTest(tab, &hit);
  }
  if (index >= 0) ShowPageMenu(static_cast<size_t>(index), at);
}

void CPropertySheetBase::ShowPageMenu(size_t page, POINT at) {
  const std::vector<PageMenuEntry> entries = PageMenu(page);
  if (entries.empty()) return;
  HMENU menu = CreatePopupMenu();
  for (const PageMenuEntry& e : entries)
    AppendMenuW(menu, MF_STRING | (e.enabled ? 0u : MF_GRAYED), e.command, e.text.c_str());
  const auto chosen = static_cast<UINT>(
      TrackMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, m_hWnd));
  DestroyMenu(menu);
  if (chosen) OnPageMenu(page, chosen);
}

void CPropertySheetBase::GoTo(const SearchMatch& match) {
  ::SendMessageW(m_hWnd, PSM_SETCURSEL, match.page, 0);
  HWND page = CurrentPage();
  if (!page) return;
  ShowMarks(page);
  HWND control = match.control ? ::GetDlgItem(page, static_cast<int>(match.control)) : nullptr;
  if (!control) {
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
    return;
  }
  wchar_t cls[32] = {};
  GetClassNameW(control, cls, 32);
  if (match.row >= 0 && _wcsicmp(cls, WC_LISTVIEWW) == 0) {
    // The row is selected alone and scrolled into view; its state stays as it is.
    LVITEMW none = {};
    none.stateMask = LVIS_SELECTED;
    ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    LVITEMW item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(match.row),
                   reinterpret_cast<LPARAM>(&item));
    ::SendMessageW(control, LVM_ENSUREVISIBLE, static_cast<WPARAM>(match.row), FALSE);
  }
  ::SendMessageW(page, SLM_MARK_CONTROL, match.control, 0);
  if (_wcsicmp(cls, L"Static") == 0 || (_wcsicmp(cls, L"Button") == 0 &&
      (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)) {
    // A label takes no focus: the control it names does, as its mnemonic would give it.
    HWND next = GetNextDlgTabItem(page, control, FALSE);
    if (next) control = next;
  }
  if (IsWindowEnabled(control) && IsWindowVisible(control))
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool CPropertySheetBase::OnSearchKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  SearchKeyState state;
  state.focus = msg.hwnd == search_.m_hWnd   ? SearchFocus::kSearchBox
                : msg.hwnd == titles_.m_hWnd ? SearchFocus::kTitleList
                                             : SearchFocus::kPage;
  state.key = static_cast<uint32_t>(msg.wParam);
  state.ctrl = GetKeyState(VK_CONTROL) < 0;
  state.shift = GetKeyState(VK_SHIFT) < 0;
  state.alt = GetKeyState(VK_MENU) < 0;
  state.boxHasText = GetWindowTextLengthW(search_.m_hWnd) > 0;
  state.onFirstRow = ::SendMessageW(titles_.m_hWnd, LB_GETCURSEL, 0, 0) <= 0;
  if (state.focus != SearchFocus::kTitleList) {
    // The search box and a page's edit fields undo their own typing: an edit has some while
    // it can undo and its text is the user's (a text the program sets clears both).
    wchar_t cls[16] = {};
    GetClassNameW(msg.hwnd, cls, 16);
    state.editOwnsUndo = _wcsicmp(cls, L"Edit") == 0 && ::SendMessageW(msg.hwnd, EM_CANUNDO, 0, 0) &&
                         ::SendMessageW(msg.hwnd, EM_GETMODIFY, 0, 0);
  }
  const SearchAction action = DecideSearchKey(state);
  // Without the page list, only undo and redo are the sheet's.
  if (!search_.m_hWnd && action != SearchAction::kUndo && action != SearchAction::kRedo)
    return false;
  switch (action) {
    case SearchAction::kPass:
      return false;
    case SearchAction::kFocusBox:
      FocusSearchBox();
      ::SendMessageW(search_.m_hWnd, EM_SETSEL, 0, -1);
      return true;
    case SearchAction::kFocusList:
      FocusTitleList();
      return true;
    case SearchAction::kClearBox:
      SetWindowTextW(search_.m_hWnd, L"");
      return true;
    case SearchAction::kNextMatch:
    case SearchAction::kPrevMatch:
      if (auto m = Search().Step(DecideSearchKey(state) == SearchAction::kPrevMatch)) GoTo(*m);
      return true;
    case SearchAction::kRowMatch: {
      const auto row = static_cast<int>(::SendMessageW(titles_.m_hWnd, LB_GETCURSEL, 0, 0));
      if (row >= 0 && static_cast<size_t>(row) < rows_.size()) {
        if (auto m = Search().FirstOn(rows_[row].page))
          GoTo(*m);
        else
          EnterPage();
      }
      return true;
    }
    case SearchAction::kEnterPage:
      EnterPage();
      return true;
    case SearchAction::kCancel:
      PostMessageW(m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
      return true;
    case SearchAction::kUndo:
    case SearchAction::kRedo:
      return OnUndo(DecideSearchKey(state) == SearchAction::kRedo);
  }
  return false;
}

LRESULT CALLBACK CPropertySheetBase::KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  CPropertySheetBase* sheet = t_keySheet;
  if (code == HC_ACTION && wParam == PM_REMOVE && msg && sheet && sheet->m_hWnd &&
      msg->message == WM_KEYDOWN && !InMenu() &&
      (msg->hwnd == sheet->m_hWnd || IsChild(sheet->m_hWnd, msg->hwnd)) &&
      sheet->OnSearchKey(*msg))
    msg->message = WM_NULL;  // used: neither the dialog manager nor the control sees it
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CPropertySheetBase::OnTitleChosen() {
  const auto row = static_cast<int>(::SendMessageW(titles_.m_hWnd, LB_GETCURSEL, 0, 0));
  if (row < 0 || static_cast<size_t>(row) >= rows_.size()) return;
  if (!::SendMessageW(m_hWnd, PSM_SETCURSEL, rows_[row].page, 0)) {
    // The page shown refused to be left: the list shows it again.
    SelectRowOfPage(CurrentPage());
    return;
  }
  // Arrowing through the list only marks a control a caption matched; a click goes to it.
  if (!ShowMatch(titles_.ChoosingByMouse()))
    PostMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(titles_.m_hWnd), TRUE);
}

bool CPropertySheetBase::ShowMatch(bool focus) {
  const auto row = static_cast<int>(::SendMessageW(titles_.m_hWnd, LB_GETCURSEL, 0, 0));
  HWND page = CurrentPage();
  if (row < 0 || static_cast<size_t>(row) >= rows_.size() || !page ||
      rows_[row].match.where != PageMatch::kControl)
    return false;
  const auto id = static_cast<int>(rows_[row].match.controlId);
  ::SendMessageW(page, SLM_MARK_CONTROL, static_cast<WPARAM>(id), 0);
  HWND control = ::GetDlgItem(page, id);
  if (!focus || !control || !IsWindowEnabled(control) || !IsWindowVisible(control)) return false;
  PostMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  return true;
}

void CPropertySheetBase::SelectRowOfPage(HWND page) {
  if (!titles_.m_hWnd) return;
  const auto index =
      static_cast<int>(::SendMessageW(m_hWnd, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
  if (index < 0) return;
  if (std::optional<size_t> row = RowOfPage(rows_, static_cast<size_t>(index)))
    ::SendMessageW(titles_.m_hWnd, LB_SETCURSEL, *row, 0);
}

void CPropertySheetBase::FocusSearchBox() {
  if (search_.m_hWnd)
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(search_.m_hWnd), TRUE);
}

void CPropertySheetBase::FocusTitleList() {
  if (titles_.m_hWnd)
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(titles_.m_hWnd), TRUE);
}

void CPropertySheetBase::FocusSearchBoxSoon() {
  SetTimer(m_hWnd, kSearchFocusTimer, kSearchFocusDelay, nullptr);
}

void CPropertySheetBase::EnterPage() {
  if (!ShowMatch(true)) ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
}

bool CPropertySheetBase::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam,
                                              LRESULT& result) {
  if (options_.dark && face_.OnCtlColor(msg, wParam, lParam, result)) return true;
  switch (msg) {
    case WM_SHOWWINDOW:
      if (wParam && !shown_) {
        shown_ = true;
        OnFirstShow();
      }
      return false;
    case WM_SIZE: {
      if (layingOut_) return false;
      layingOut_ = true;
      const bool laidOut = resizer_.OnMessage(msg, wParam, lParam, kBoth, result);
      if (laidOut) LayoutPageArea();
      layingOut_ = false;
      return laidOut;
    }
    case WM_DESTROY:
      if (keyHook_) {
        UnhookWindowsHookEx(keyHook_);
        keyHook_ = nullptr;
        t_keySheet = outerKeySheet_;
      }
      if (options_.lastPageKey) {
        const int index = CurrentIndex();
        Settings().WriteCommonDword(options_.lastPageKey,
                                    index < 0 ? options_.startPage : static_cast<uint32_t>(index));
      }
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_CONTEXTHELP) return false;
      [[fallthrough]];
    case WM_HELP: {
      HWND page = CurrentPage();
      NMHDR header = {m_hWnd, 0, static_cast<UINT>(PSN_HELP)};
      if (page) ::SendMessageW(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
      result = TRUE;
      return true;
    }
    case WM_CONTEXTMENU: {
      const auto from = reinterpret_cast<HWND>(wParam);
      if (titles_.m_hWnd && from == titles_.m_hWnd)
        OnTitlesMenu(lParam);
      else if (from && from == reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0)))
        OnTabMenu(from, lParam);
      else
        return false;
      result = 0;
      return true;
    }
    case WM_TIMER:
      if (wParam != kSearchFocusTimer) return false;
      KillTimer(m_hWnd, kSearchFocusTimer);
      FocusSearchBox();
      result = 0;
      return true;
    case SCM_PAGE_ACTIVATED:
      SelectRowOfPage(reinterpret_cast<HWND>(lParam));
      ShowPageTitle(reinterpret_cast<HWND>(lParam));
      // The page becoming current is not yet the sheet's current page.
      ShowMarks(reinterpret_cast<HWND>(lParam));
      result = 0;
      return true;
    case PSM_ISDIALOGMESSAGE: {
      // The keys of the search before the dialog manager turns Enter into OK.
      const MSG* key = reinterpret_cast<const MSG*>(lParam);
      if (!key || !OnSearchKey(*key)) return false;
      result = TRUE;
      return true;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_NAV_SEARCH && HIWORD(wParam) == EN_CHANGE) {
        FillTitles();
        return true;
      }
      if (LOWORD(wParam) == IDC_NAV_TITLES && HIWORD(wParam) == LBN_SELCHANGE) {
        OnTitleChosen();
        return true;
      }
      return false;
  }
  return resizer_.OnMessage(msg, wParam, lParam, kBoth, result);
}

}  // namespace scrv
