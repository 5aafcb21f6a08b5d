#include "frame/dialog_impl_win.h"

#include <uxtheme.h>

#include <cassert>

#include "frame/caption_room_win.h"
#include "frame/library_messages_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/help_win.h"
#include "settings/app_settings_win.h"
#include "settings/common_read_pass.h"

namespace scrv {

CDialogFrame::~CDialogFrame() {
  if (brush_) DeleteObject(brush_);
}

bool CDialogFrame::OnCommand(int id, int /*code*/, HWND /*control*/) {
  switch (id) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
  }
  return false;
}

void CDialogFrame::OnHelp() {
  if (traits_.helpTopic) ShowHelpTopic(m_hWnd, traits_.helpTopic);
}

void CDialogFrame::SetDialogIcon() {
  scrv::SetDialogIcon(m_hWnd);
}

void CDialogFrame::SetDark(bool dark) {
  dark_ = dark;
  colors_ = EditColors(dark);
  resizer_.SetDark(dark);
}

bool CDialogFrame::ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
  // A control that colours itself (a link) answers before the dark face does.
  if (msg == WM_CTLCOLORSTATIC && RunParentHooks(msg, wParam, lParam, result)) return true;
  if (FrameMessage(msg, wParam, lParam, result)) return true;
  if (RunParentHooks(msg, wParam, lParam, result)) return true;
  switch (msg) {
    case WM_COMMAND:
      result = 0;
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (!header) return false;
      result = 0;
      if (traits_.page && (header->hwndFrom == GetParent() || header->hwndFrom == m_hWnd) &&
          OnSheetNotify(*header, result))
        return true;
      if (OnNotify(static_cast<int>(header->idFrom), *header, result)) return true;
      return dark_ && DarkCustomDraw(*header, result);
    }
    case SLM_CHECKLIST:
      result = OnCheckList(static_cast<UINT>(wParam), lParam);
      return true;
  }
  return false;
}

// The frame's own part of the message map: initialisation, layout, help and colours.
bool CDialogFrame::FrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_INITDIALOG) {
    if (!traits_.page) {
      if (traits_.fixed) {
        SetDark(IsDarkTheme());  // laid out for its texts: no caption needs more room
      } else {
        GiveDialogCaptionsRoom(m_hWnd, traits_.templateId);
        AttachResizer();
      }
      PrepareDialogControls(m_hWnd, traits_.templateId, dark_,
                            [this](int id) { return GetDlgItem(id); });
      if (dark_) DarkenCaption(m_hWnd);
    }
    result = OnInitDialog();
    if (traits_.page) {
      GiveCaptionsRoom(m_hWnd);
      PrepareControls(m_hWnd, dark_);
      // The light styles' tab texture would be painted under every static text and box.
      if (dark_) EnableThemeDialogTexture(m_hWnd, ETDT_DISABLE);
      // The page's own initialisation is done: its anchors will be taken from the controls as
      // they are now, against the page's size now, when the page is first resized.
      if (!traits_.anchors.empty()) {
        resizer_.SetControlLookup([this](int id) { return GetDlgItem(id); });
        for (const Anchor& a : traits_.anchors) resizer_.AddAnchor(a.controlId, a.flags);
        resizer_.Reanchor(m_hWnd);
      }
    }
    initialised_ = true;
    return true;
  }
  if (!traits_.fixed && resizer_.OnMessage(msg, wParam, lParam, traits_.resizeMode, result)) {
    if (msg == WM_SIZE) OnLayout();
    return true;
  }
  switch (msg) {
    case WM_SIZE:
      if (!traits_.page) return false;
      // The platform sizes a page it shows to the sheet's first size; the sheet fits it again.
      ::SendMessageW(GetParent(), WM_SIZE, 0, 0);
      if (initialised_) OnLayout();
      return false;
    case WM_HELP:
      if (!traits_.page && !traits_.helpTopic) return false;
      OnHelp();
      result = traits_.page ? TRUE : 0;
      return true;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_CONTEXTHELP || !traits_.helpTopic) return false;
      OnHelp();
      result = 0;
      return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      result = reinterpret_cast<LRESULT>(
          OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
      return true;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      OnColoursChanged();
      return false;
  }
  return dark_ && face_.OnCtlColor(msg, wParam, lParam, result);
}

// High contrast turned on (the dark theme gives way to the system colours) or off again.
void CDialogFrame::OnColoursChanged() {
  const bool dark = IsDarkTheme();
  if (colors_ && dark == dark_ && colors_->background == EditColors(dark).background) return;
  if (dark && !dark_) PrepareControls(m_hWnd, true);
  SetDark(dark);
  if (brush_) DeleteObject(brush_);
  brush_ = nullptr;
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// Everything a dialog reads from "Common" is read here, through one handle.
void CDialogFrame::AttachResizer() {
  CommonReadPass common(Settings());
  resizer_.SetControlLookup([this](int id) { return GetDlgItem(id); });
  resizer_.Attach(m_hWnd, common);
  for (const Anchor& a : traits_.anchors) {
    [[maybe_unused]] const bool added = resizer_.AddAnchor(a.controlId, a.flags);
    assert(added && "an anchor rule the layout cannot honour");
  }
  resizer_.RestorePlacement(traits_.placementKey, traits_.resizeMode, common, /*atShow=*/true);
  SetDark(IsDarkTheme(common));
}

// The brush is made on first use and lives as long as the dialog object.
HBRUSH CDialogFrame::OnCtlColor(HDC dc, HWND control) {
  if (!colors_) colors_ = EditColors(IsDarkTheme());  // a control painted before the init
  if (!brush_) brush_ = CreateSolidBrush(colors_->background);
  // A disabled list box looks disabled in the dark theme as a disabled edit does.
  const bool greyed = dark_ && control && !::IsWindowEnabled(control);
  SetTextColor(dc, greyed ? kDarkDisabledTextColor : colors_->text);
  SetBkColor(dc, colors_->background);
  return brush_;
}

}  // namespace scrv
