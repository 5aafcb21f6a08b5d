#pragma once
// Base of every plain dialog. A dialog class declares what the base needs and overrides the
// handlers it wants:
//
//   enum { IDD = 145 };                                    the template
//   static constexpr DialogAnchor kAnchors[] = {...};      controls laid out on resizing
//   static constexpr const char16_t* kPlacementKey = u"JumpDlgPos";
//   static constexpr uint32_t kResizeMode = 1;             1 width, 2 height, 3 both
//   static constexpr uint32_t kHelpTopic = 7040;
//
//   BOOL OnInitDialog() override;                          fill the controls from the model
//   bool OnCommand(int id, int code, HWND control) override;
//   void OnOK() override;                                  write the model back, then end
//
// Every declaration but IDD may be left out (no anchors, no placement, not resizable, no
// help). The base decodes the common messages once:
//   - WM_INITDIALOG sets up the resizing engine and restores the placement, then calls
//     OnInitDialog (TRUE: the system sets the focus; FALSE: the dialog set it).
//   - WM_COMMAND calls OnCommand; its default runs OnOK for IDOK and OnCancel for IDCANCEL,
//     which end the dialog with IDOK and IDCANCEL. A dialog's own OnCommand handles its
//     controls and returns the base's answer for the rest.
//   - WM_NOTIFY calls OnNotify (nothing handled by default).
// Before the decoded handlers a message goes to the base's own handling (layout on WM_SIZE,
// tracking limits, hit test, size grip, placement saved at WM_DESTROY, help on F1 and on the
// caption's help button, dark-theme colours of edit fields and lists and, in the dark theme,
// of the face and every other control: see control_look_win.h) and then to the hooks of
// the dialog's controls (AddParentHook). A message none of them knows is left to the dialog's
// ProcessWindowMessage: override it for the rare ones and call the base first.

#include <cassert>
#include <cstdint>
#include <optional>

#include "frame/control_look_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/dialog_resizer_win.h"
#include "frame/help_win.h"
#include "frame/window_win.h"
#include "settings/app_settings_win.h"
#include "settings/common_read_pass.h"

namespace scrv {

// One control the resizing engine lays out, with its anchor rule flags.
struct DialogAnchor {
  uint32_t controlId;
  uint32_t flags;
};

template <class T, class TBase = ATL::CWindow>
class CMyDialogImpl : public CDialogBase {
 public:
  ~CMyDialogImpl() override {
    if (brush_) DeleteObject(brush_);
  }

  // Runs the dialog modally over template T::IDD of the localisation module.
  INT_PTR DoModal(HWND owner) { return RunModal(owner, T::IDD); }

  // The decoded handlers.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual bool OnCommand(int id, int /*code*/, HWND /*control*/) {
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
  virtual bool OnNotify(int /*id*/, NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  bool ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override {
    if (FrameMessage(msg, wParam, lParam, result)) return true;
    if (RunParentHooks(msg, wParam, lParam, result)) return true;
    switch (msg) {
      case WM_INITDIALOG:
        result = OnInitDialog();
        return true;
      case WM_COMMAND:
        result = 0;
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (!header) return false;
        result = 0;
        if (OnNotify(static_cast<int>(header->idFrom), *header, result)) return true;
        return dark_ && DarkListCustomDraw(*header, result);
      }
    }
    return false;
  }

  // The icon of the about and opening dialogs, in static control 1920.
  void SetDialogIcon() { scrv::SetDialogIcon(m_hWnd); }

 protected:
  DialogResizer& Resizer() { return resizer_; }
  // Whether the dark theme was on when the dialog opened (read once with the placement).
  bool DarkTheme() const { return dark_; }

 private:
  static constexpr uint32_t ResizeMode() {
    if constexpr (requires { T::kResizeMode; }) return T::kResizeMode;
    return 0;
  }
  static constexpr uint32_t HelpTopic() {
    if constexpr (requires { T::kHelpTopic; }) return T::kHelpTopic;
    return 0;
  }
  static constexpr const char16_t* PlacementKey() {
    if constexpr (requires { T::kPlacementKey; }) return T::kPlacementKey;
    return nullptr;
  }

  // The base's own part of the message map: layout, help and colours.
  bool FrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
      case WM_INITDIALOG:
        InitResizer();
        PrepareDialogControls(m_hWnd, T::IDD, dark_, [this](int id) { return GetDlgItem(id); });
        if (dark_) DarkenCaption(m_hWnd);
        return false;
      case WM_SIZE:
        if (!resizer_.Window()) return false;
        resizer_.OnSize();
        result = 0;
        return true;
      case WM_GETMINMAXINFO:
        if (!resizer_.Window()) return false;
        resizer_.OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam), ResizeMode());
        result = 0;
        return true;
      case WM_NCHITTEST:
        if (!resizer_.Window()) return false;
        result = resizer_.OnNcHitTest(lParam, ResizeMode());
        return true;
      case WM_WINDOWPOSCHANGING:
        resizer_.OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        return false;
      case WM_DPICHANGED:
        resizer_.OnDpiChanging();
        return false;
      case WM_PAINT:
        resizer_.OnPaint();
        return false;
      case WM_THEMECHANGED:
        resizer_.OnThemeChanged();
        return false;
      case WM_DESTROY:
        resizer_.OnDestroy();
        return false;
      case WM_HELP:
        if (!HelpTopic()) return false;
        ShowHelpTopic(m_hWnd, HelpTopic());
        result = 0;
        return true;
      case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_CONTEXTHELP || !HelpTopic()) return false;
        ShowHelpTopic(m_hWnd, HelpTopic());
        result = 0;
        return true;
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORLISTBOX:
        result = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam)));
        return true;
      case WM_SYSCOLORCHANGE:
      case WM_SETTINGCHANGE:
        OnColoursChanged();
        return false;
    }
    if (dark_ && face_.OnCtlColor(msg, wParam, lParam, result)) return true;
    return false;
  }

  // Everything the base reads from "Common" is read here, through one handle.
  void InitResizer() {
    CommonReadPass common(Settings());
    resizer_.SetControlLookup([this](int id) { return GetDlgItem(id); });
    resizer_.Attach(m_hWnd, common);
    if constexpr (requires { T::kAnchors; }) {
      for (const auto& a : T::kAnchors) {
        [[maybe_unused]] const bool added = resizer_.AddAnchor(a.controlId, a.flags);
        assert(added && "an anchor rule the layout cannot honour");
      }
    }
    resizer_.RestorePlacement(PlacementKey(), ResizeMode(), common, /*atShow=*/true);
    dark_ = IsDarkTheme(common);
    colors_ = EditColors(dark_);
    resizer_.SetDark(dark_);
  }

  // High contrast turned on (the dark theme gives way to the system colours) or off again.
  void OnColoursChanged() {
    const bool dark = IsDarkTheme();
    if (colors_ && dark == dark_ && colors_->background == EditColors(dark).background) return;
    if (dark && !dark_) PrepareControls(m_hWnd, true);
    dark_ = dark;
    colors_ = EditColors(dark_);
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
    RedrawWindow(m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }

  // The brush is made on first use and lives as long as the dialog object.
  HBRUSH OnCtlColor(HDC dc) {
    if (!colors_) colors_ = EditColors(IsDarkTheme());  // a control painted before the init
    if (!brush_) brush_ = CreateSolidBrush(colors_->background);
    SetTextColor(dc, colors_->text);
    SetBkColor(dc, colors_->background);
    return brush_;
  }

  DialogResizer resizer_;
  HBRUSH brush_ = nullptr;
  std::optional<ControlColors> colors_;
  bool dark_ = false;
  DarkFace face_;  // the face and the controls that ask for it, in the dark theme
};

}  // namespace scrv
