#pragma once
// The dialog resizing engine on the real window: control rectangles, SetWindowPos, monitors'
// work areas and DPI for the ResizerModel that decides every number, plus the size grip (the
// themed one painted in the corner, or without visual styles the system's grip bitmap, rescaled
// to the window's DPI, in static control 100).

#include <windows.h>
#include <uxtheme.h>

#include <functional>
#include <utility>
#include <vector>

#include "frame/resizer_model.h"

namespace scrv {

class DialogResizer : public ResizerWindow {
 public:
  DialogResizer() = default;
  DialogResizer(const DialogResizer&) = delete;
  DialogResizer& operator=(const DialogResizer&) = delete;
  ~DialogResizer() override;

  // WM_INITDIALOG: the caption icon, the window's size as the minimum and the grip bitmap.
  // `settings` gives "IconDesign" (by default the library's store).
  void Attach(HWND window, SettingsStore& settings);
  void Attach(HWND window);
  // The control is looked up and its offsets taken at the first size change (see
  // ResizerModel::ResolveAnchors); a control that does not exist is then dropped.
  bool AddAnchor(UINT controlId, UINT flags);
  // An engine that is not attached (a page's) takes its window and client size here.
  void Reanchor(HWND window);
  // Where the engine finds a control by identifier: the dialog's own look-up, which keeps the
  // handles it has found, so that a control the dialog also fills is looked up once. Without
  // one the engine looks controls up and keeps them itself.
  void SetControlLookup(std::function<HWND(int)> lookup) { lookup_ = std::move(lookup); }
  // Right after the anchors: centre over the owner, then the size and position stored under
  // `keyName` in "Common" (null: nothing is remembered). With `atShow`, a pop-up that is still
  // hidden is given its place by the move that shows it (WM_WINDOWPOSCHANGING), one move fewer
  // per open; until then WindowRect reports that place.
  void RestorePlacement(const char16_t* keyName, UINT resizeMode, SettingsStore& settings,
                        bool atShow = false);
  void RestorePlacement(const char16_t* keyName, UINT resizeMode);
  // The resizer's part of a window's messages: WM_SIZE lays the anchors out, a top-level window
  // gets its tracking limits, resize borders and grip, WM_DESTROY saves the placement. True when
  // the message is consumed, with `result` set (WM_SIZE of a child is laid out but passed on).
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, UINT resizeMode, LRESULT& result);
  // In the dark theme the grip is drawn in the dark colours instead of the light styles'.
  void SetDark(bool dark) { dark_ = dark; }

  HWND Window() const { return window_; }
  ResizerModel& Model() { return model_; }

  // ResizerWindow.
  Size ClientSize() override;
  std::optional<Rect> ControlRect(uint32_t controlId) override;
  void MoveControl(uint32_t controlId, Point topLeft) override;
  void SizeControl(uint32_t controlId, Size size) override;
  Rect WindowRect() override;
  void MoveWindowTo(Point screenTopLeft) override;
  void ResizeWindow(Size outer) override;
  bool HasReferenceWindow() override;
  Point ReferenceClientToScreen(Point client) override;
  Point ScreenToReferenceClient(Point screen) override;
  std::optional<Rect> VisibleParentRect() override;
  Rect CentringWorkArea() override;
  Rect WorkAreaNearest(const Rect& screenRect) override;
  uint32_t ScalePercent() override;
  uint32_t SystemDpi() override;
  bool PerMonitorV2() override;

  // Bound to a window for the placement operations alone, without the grip or anchors.
  void Bind(HWND window) { window_ = window; }

 private:
  // WM_WINDOWPOSCHANGING: a place kept for the show goes into the first move of the window
  // (the show itself, or a move the dialog makes before it, which then still wins).
  void OnWindowPosChanging(WINDOWPOS* pos);
  // Paints the themed grip, or puts the fallback grip control in place. The message is still
  // left to default processing.
  void OnPaint();
  // WM_THEMECHANGED: visual styles are looked for again at the next paint.
  void OnThemeChanged();
  // Saves the placement, deletes the grip bitmap and empties the anchor list.
  void OnDestroy();
  HWND Reference() const;
  HWND Control(uint32_t controlId);
  const std::vector<MonitorArea>& Monitors();
  void CommitPlacement();
  void CreateFallbackGrip();

  HWND window_ = nullptr;
  bool child_ = false;  // a page's engine (Reanchor): no frame, grip or placement of its own
  // The controls the engine has looked up, by identifier: a lookup walks the dialog's children
  // (a round trip to the window server), so each control is looked up once.
  std::vector<std::pair<uint32_t, HWND>> controls_;
  std::function<HWND(int)> lookup_;
  // While the placement is restored, moves and resizes only record where the window is to go,
  // and the monitors are read once: the window is then placed with a single move (every move of
  // a top-level window, and every monitor query, costs round trips to the display).
  bool deferMoves_ = false;
  std::optional<Rect> pending_;        // the window's rectangle as the pass has placed it
  bool pendingAtShow_ = false;         // pending_ waits for the window's first move
  std::optional<bool> resizedAtShow_;  // `resized` as it was before the show's WM_SIZE
  std::optional<std::vector<MonitorArea>> monitors_;
  UINT gripDpi_ = 96;             // the window's DPI the grip is sized for
  HWND gripControl_ = nullptr;    // the fallback grip control, while there is one
  HBITMAP gripBitmap_ = nullptr;  // the fallback grip's bitmap, made when first needed
  HTHEME theme_ = nullptr;        // the "Status" visual style, while styles are on
  bool themeChecked_ = false;
  bool dark_ = false;
  RECT gripRect_ = {};  // where the themed grip was painted last
  ResizerModel model_;
};

// The base's own placement operations, for any window.
void CenterOverOwner(HWND window);
void ClampToWorkArea(HWND window);

}  // namespace scrv
