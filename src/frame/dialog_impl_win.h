#pragma once
// Base of every plain dialog. A dialog class declares what the base needs and forwards its
// messages to the base first:
//
//   enum { IDD = 145 };                                    the template
//   static constexpr DialogAnchor kAnchors[] = {...};      controls laid out on resizing
//   static constexpr const char16_t* kPlacementKey = u"JumpDlgPos";
//   static constexpr uint32_t kResizeMode = 1;             1 width, 2 height, 3 both
//   static constexpr uint32_t kHelpTopic = 7040;
//
//   bool ProcessWindowMessage(...) override {
//     if (CMyDialogImpl::ProcessWindowMessage(hwnd, msg, wParam, lParam, result, mapId))
//       return true;
//     ... the dialog's own messages ...
//   }
//
// Every declaration but IDD may be left out (no anchors, no placement, not resizable, no
// help). The base sets up the resizing engine and restores the placement at WM_INITDIALOG
// (and lets the dialog go on to fill its controls), lays the controls out, limits the tracking
// size, answers the frame's hit test, paints the size grip, saves the placement at WM_DESTROY
// (where the dialog also sees the message), opens the help topic on F1 and on the caption's
// help button, and colours edit fields and lists for the dark theme.

#include <cstdint>
#include <optional>

#include "frame/dialog_appearance_win.h"
#include "frame/dialog_resizer_win.h"
#include "frame/help_win.h"
#include "frame/window_win.h"
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
    if (dialogIcon_) DestroyIcon(dialogIcon_);
  }

  // Runs the dialog modally over template T::IDD of the localisation module.
  INT_PTR DoModal(HWND owner) { return RunModal(owner, T::IDD); }

  // The base's part of the message map.
  bool ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result,
                            DWORD) override {
    switch (msg) {
      case WM_INITDIALOG:
        InitResizer();
        return false;  // the dialog fills its controls
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
    }
    return false;
  }

  // The icon of the about and opening dialogs, in static control 1920.
  void SetDialogIcon() {
    if (dialogIcon_) DestroyIcon(dialogIcon_);
    dialogIcon_ = scrv::SetDialogIcon(m_hWnd);
  }

 protected:
  DialogResizer& Resizer() { return resizer_; }

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

  // Everything the base reads from "Common" is read here, through one handle.
  void InitResizer() {
    CommonReadPass common(Settings());
    resizer_.Attach(m_hWnd, common);
    if constexpr (requires { T::kAnchors; })
      for (const auto& a : T::kAnchors) resizer_.AddAnchor(a.controlId, a.flags);
    resizer_.RestorePlacement(PlacementKey(), ResizeMode(), common);
    colors_ = EditColors(IsDarkTheme(common));
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
  HICON dialogIcon_ = nullptr;
};

}  // namespace scrv
