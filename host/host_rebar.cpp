#include "host_rebar.h"

#include <commctrl.h>

#include "menus/toolbars.h"
#include "scrvdlgs_api.h"

namespace {

constexpr uint32_t kStandardBand = 768, kMacrosBand = 769, kFindBand = 770, kPlugInsBand = 772;

// The standard images each bar shows.
std::vector<int> ImagesOf(uint32_t band) {
  switch (band) {
    case kStandardBand:
      return {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, -1,        STD_CUT, STD_COPY,
              STD_PASTE,   -1,           STD_UNDO,     STD_REDOW, -1,      STD_PRINT};
    case kMacrosBand:
      return {STD_PROPERTIES, STD_HELP};
    case kFindBand:
      return {STD_FIND, STD_REPLACE};
    case kPlugInsBand:
      return {STD_PRINTPRE, STD_PROPERTIES};
  }
  return {STD_FILEOPEN, STD_FIND, STD_DELETE};
}

std::wstring UserToolbarTitle(uint32_t band) {
  return L"Toolbar " + std::to_wstring(band - scrv::kUserToolbarBand + 1);
}

}  // namespace

HostRebar::HostRebar(HWND parent, int userToolbars) : parent_(parent) {
  for (int i = 0; i < userToolbars; ++i) {
    const uint32_t id = scrv::kUserToolbarBand + static_cast<uint32_t>(i);
    bands_.push_back({id, UserToolbarTitle(id), true});
  }
  bands_.push_back({kStandardBand, L"Standard", true});
  bands_.push_back({kFindBand, L"Find", true});
  bands_.push_back({kMacrosBand, L"Macros", true});
  bands_.push_back({kPlugInsBand, L"Plug-ins", false});
  Create();
}

HostRebar::~HostRebar() {
  if (rebar_) DestroyWindow(rebar_);
}

HostRebar::Band* HostRebar::Find(uint32_t id) {
  for (Band& b : bands_)
    if (b.id == id) return &b;
  return nullptr;
}

void HostRebar::Create() {
  rebar_ = CreateWindowExW(0, REBARCLASSNAMEW, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                               RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP,
                           0, 0, 0, 0, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
  Fill();
}

HWND HostRebar::MakeToolbar(const Band& band) const {
  HWND bar =
      CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS |
                          CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                      0, 0, 0, 0, rebar_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(bar, TB_LOADIMAGES, largeIcons ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR,
               reinterpret_cast<LPARAM>(HINST_COMMCTRL));
  std::vector<TBBUTTON> buttons;
  for (int image : ImagesOf(band.id)) {
    TBBUTTON b = {};
    b.iBitmap = image < 0 ? 0 : image;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = image < 0 ? BTNS_SEP : BTNS_BUTTON;
    b.idCommand = image < 0 ? 0 : 100 + image;
    buttons.push_back(b);
  }
  SendMessageW(bar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageW(bar, TB_AUTOSIZE, 0, 0);
  return bar;
}

void HostRebar::Fill() {
  while (SendMessageW(rebar_, RB_GETBANDCOUNT, 0, 0) > 0) {
    REBARBANDINFOW old = {};
    old.cbSize = sizeof old;
    old.fMask = RBBIM_CHILD;
    SendMessageW(rebar_, RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&old));
    SendMessageW(rebar_, RB_DELETEBAND, 0, 0);
    if (old.hwndChild) DestroyWindow(old.hwndChild);
  }
  for (const Band& band : bands_) {
    HWND bar = MakeToolbar(band);
    SIZE size = {};
    SendMessageW(bar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    REBARBANDINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE | RBBIM_TEXT;
    info.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS | (band.shown ? 0 : RBBS_HIDDEN);
    info.hwndChild = bar;
    info.cxMinChild = size.cx;
    info.cyMinChild = size.cy;
    info.cx = size.cx + 16;
    info.wID = band.id;
    std::wstring title = band.title;
    info.lpText = title.data();
    SendMessageW(rebar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
  }
}

void HostRebar::SetShown(uint32_t id, bool shown) {
  Band* band = Find(id);
  if (!band) return;
  band->shown = shown;
  const auto index = static_cast<int>(SendMessageW(rebar_, RB_IDTOINDEX, id, 0));
  if (index >= 0) SendMessageW(rebar_, RB_SHOWBAND, static_cast<WPARAM>(index), shown);
}

bool HostRebar::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (msg) {
    case scrv::SCM_TOOLBAR_SHOW:
      if (wParam == 0 && (lParam == 1 || lParam == 2)) ++optionClicks[lParam - 1];
      SetShown(static_cast<uint32_t>(wParam), true);
      return true;
    case scrv::SCM_TOOLBAR_HIDE: {
      const auto id = static_cast<uint32_t>(wParam);
      if (id >= scrv::kUserToolbarBand &&
          id < scrv::kUserToolbarBand + scrv::kUserToolbarBandCount) {
        // A user toolbar is deleted; the ones after it take the numbers down by one.
        std::vector<Band> kept;
        uint32_t next = scrv::kUserToolbarBand;
        for (const Band& b : bands_) {
          if (b.id == id) continue;
          if (b.id >= scrv::kUserToolbarBand && b.id < kStandardBand)
            kept.push_back({next, UserToolbarTitle(next), b.shown}), ++next;
          else
            kept.push_back(b);
        }
        bands_ = std::move(kept);
        Fill();
      } else {
        SetShown(id, false);
      }
      return true;
    }
    case scrv::SCM_TOOLBAR_REBUILD:
      if (failRebuild) return true;
      largeIcons = static_cast<uint8_t>(wParam);
      styleValue = static_cast<uint8_t>(lParam);
      DestroyWindow(rebar_);
      Create();
      if (onRebuilt) onRebuilt();
      result = reinterpret_cast<LRESULT>(rebar_);
      return true;
  }
  return false;
}
