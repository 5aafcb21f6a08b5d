#include "frame/dialog_resizer_win.h"

#include <uxtheme.h>
#include <vssym32.h>
#include <windowsx.h>

#include "frame/control_look_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/dpi_win.h"
#include "frame/window_win.h"
#include "settings/app_settings_win.h"

namespace scrv {
namespace {

constexpr UINT kControlMoveFlags =
    SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
constexpr UINT kWindowMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr UINT kGripInvalidate = RDW_INVALIDATE | RDW_ERASE | RDW_INTERNALPAINT | RDW_FRAME;
constexpr int kObmSize = 32766;  // the system's size-grip bitmap
constexpr DWORD kFallbackGripStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_BITMAP;

Rect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

Rect WorkAreaOf(HMONITOR monitor) {
  MONITORINFO mi = {sizeof mi};
  if (!monitor || !GetMonitorInfoW(monitor, &mi)) {
    RECT r = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return FromRect(r);
  }
  return FromRect(mi.rcWork);
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT* rect, LPARAM list) {
  if (rect)
    reinterpret_cast<std::vector<std::pair<HMONITOR, RECT>>*>(list)->emplace_back(monitor, *rect);
  return TRUE;
}

// Every monitor with its work area. Each monitor query is a round trip to the display, but the
// primary monitor's work area is known without one: a single monitor costs only the listing.
std::vector<MonitorArea> ReadMonitors() {
  std::vector<std::pair<HMONITOR, RECT>> found;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&found));
  std::vector<MonitorArea> monitors;
  RECT work = {};
  if (found.size() <= 1 && SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
    monitors.push_back(
        {found.empty() ? FromRect(work) : FromRect(found[0].second), FromRect(work)});
    return monitors;
  }
  for (const auto& [monitor, rect] : found) {
    MONITORINFO mi = {sizeof mi};
    monitors.push_back(
        {FromRect(rect), GetMonitorInfoW(monitor, &mi) ? FromRect(mi.rcWork) : FromRect(rect)});
  }
  return monitors;
}

Size BitmapSize(HBITMAP bmp) {
  BITMAP bm = {};
  if (!bmp || !GetObjectW(bmp, sizeof bm, &bm)) return {};
  return {bm.bmWidth, bm.bmHeight};
}

HBITMAP LoadSystemGrip() {
  return static_cast<HBITMAP>(
      LoadImageW(nullptr, MAKEINTRESOURCEW(kObmSize), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// The size of the system's grip bitmap at 96 DPI. The bitmap itself is only needed without
// visual styles, so it is loaded when the fallback grip is made.
Size SystemGripSize() {
  static const Size size = [] {
    HBITMAP bmp = LoadSystemGrip();
    Size s = BitmapSize(bmp);
    if (bmp) DeleteObject(bmp);
    return s;
  }();
  return size;
}

Size ScaledGripSize(Size s, UINT dpi) {
  if (dpi == 96) return s;
  return {MulDiv(s.width, static_cast<int>(dpi), 96), MulDiv(s.height, static_cast<int>(dpi), 96)};
}

}  // namespace

DialogResizer::~DialogResizer() {
  if (gripBitmap_) DeleteObject(gripBitmap_);
  if (theme_) CloseThemeData(theme_);
}

void DialogResizer::Attach(HWND window) {
  Attach(window, Settings());
}

void DialogResizer::Attach(HWND window, SettingsStore& settings) {
  window_ = window;
  SetBigIcon(window, settings);
  RECT rc = {};
  GetWindowRect(window, &rc);
  // One reading of the window's DPI serves the grip and the scale.
  gripDpi_ = WindowDpi(window);
  model_.Attach(FromRect(rc).Extent(), ClientSize(), ScaledGripSize(SystemGripSize(), gripDpi_));
  model_.Placement().scale = ScalePercentAt(gripDpi_);
}

bool DialogResizer::AddAnchor(UINT controlId, UINT flags) {
  return model_.AddAnchor(controlId, flags);
}

void DialogResizer::Reanchor(HWND window) {
  window_ = window;
  child_ = true;
  model_.Reanchor(*this);
}

HWND DialogResizer::Control(uint32_t controlId) {
  // The fallback grip is the engine's own control.
  if (controlId == kFallbackGripId) return IsWindow(gripControl_) ? gripControl_ : nullptr;
  if (lookup_) return lookup_(static_cast<int>(controlId));
  for (auto& [id, control] : controls_) {
    if (id != controlId) continue;
    // A control destroyed since is looked up again.
    if (IsWindow(control) && GetParent(control) == window_ &&
        static_cast<uint32_t>(GetDlgCtrlID(control)) == controlId)
      return control;
    control = GetDlgItem(window_, static_cast<int>(controlId));
    return control;
  }
  HWND control = GetDlgItem(window_, static_cast<int>(controlId));
  if (control) controls_.emplace_back(controlId, control);
  return control;
}

void DialogResizer::RestorePlacement(const char16_t* keyName, UINT resizeMode) {
  RestorePlacement(keyName, resizeMode, Settings());
}

void DialogResizer::RestorePlacement(const char16_t* keyName, UINT resizeMode,
                                     SettingsStore& settings, bool atShow) {
  if (!window_) return;
  deferMoves_ = true;
  pending_.reset();
  pendingAtShow_ = false;
  model_.RestorePlacement(*this, settings, keyName, resizeMode);
  deferMoves_ = false;
  monitors_.reset();
  // Every move of a top-level window is a round trip to the display: a hidden pop-up takes
  // its place with the move that shows it.
  if (pending_ && atShow && !IsWindowVisible(window_) &&
      !(GetWindowLongW(window_, GWL_STYLE) & WS_CHILD)) {
    pendingAtShow_ = true;
    return;
  }
  // The pass is over once the window is where it put it: the layout that the resize runs does
  // not count as the user's resizing.
  const bool resized = model_.Placement().resized;
  CommitPlacement();
  model_.Placement().resized = resized;
}

void DialogResizer::CommitPlacement() {
  if (!pending_) return;
  const Rect to = *pending_;
  pending_.reset();
  RECT rc = {};
  GetWindowRect(window_, &rc);
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (rc.left == to.left && rc.top == to.top) flags |= SWP_NOMOVE;
  if (rc.right - rc.left == to.Width() && rc.bottom - rc.top == to.Height()) flags |= SWP_NOSIZE;
  if ((flags & SWP_NOMOVE) && (flags & SWP_NOSIZE)) return;
  POINT pt = {to.left, to.top};
  // A child dialog is positioned in its parent's client coordinates.
  if (GetWindowLongW(window_, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(window_), &pt);
  SetWindowPos(window_, nullptr, pt.x, pt.y, to.Width(), to.Height(), flags);
}

void DialogResizer::OnWindowPosChanging(WINDOWPOS* pos) {
  if (!pendingAtShow_ || !pending_ || !pos) return;
  // A dialog closed before it was ever shown is hidden without a move no one would see; its
  // place still goes into the placement record (WindowRect).
  if (pos->flags & SWP_HIDEWINDOW) return;
  const Rect to = *pending_;
  pending_.reset();
  pendingAtShow_ = false;
  // What the move leaves alone takes the kept place, as if the window had been there already.
  if (pos->flags & SWP_NOMOVE) {
    pos->x = to.left;
    pos->y = to.top;
    pos->flags &= ~SWP_NOMOVE;
  }
  if (pos->flags & SWP_NOSIZE) {
    RECT rc = {};
    GetWindowRect(window_, &rc);
    // The layout this size change runs is not the user's resizing.
    if (rc.right - rc.left != to.Width() || rc.bottom - rc.top != to.Height())
      resizedAtShow_ = model_.Placement().resized;
    pos->cx = to.Width();
    pos->cy = to.Height();
    pos->flags &= ~SWP_NOSIZE;
  }
}

bool DialogResizer::OnMessage(UINT msg, WPARAM, LPARAM lParam, UINT resizeMode, LRESULT& result) {
  if (!window_) return false;
  switch (msg) {
    case WM_SIZE:
      if (!IsWindow(window_)) return false;
      model_.OnSize(*this);
      if (resizedAtShow_) model_.Placement().resized = *std::exchange(resizedAtShow_, std::nullopt);
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE);
      result = 0;
      return !child_;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      if (child_ || !info) return false;
      TrackLimits limits = model_.OnGetMinMaxInfo(*this, resizeMode);
      info->ptMinTrackSize.x = limits.minimum.width;
      info->ptMinTrackSize.y = limits.minimum.height;
      if (limits.maximumHeight) info->ptMaxTrackSize.y = *limits.maximumHeight;
      result = 0;
      return true;
    }
    case WM_NCHITTEST: {
      if (child_) return false;
      LRESULT frame = DefWindowProcW(window_, WM_NCHITTEST, 0, lParam);
      POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(window_, &pt);
      result = model_.OnNcHitTest(*this, {pt.x, pt.y}, static_cast<int>(frame), resizeMode);
      return true;
    }
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
      return false;
    case WM_DPICHANGED:
    case WM_DPICHANGED_BEFOREPARENT:
      // The anchors are taken before the platform rescales the controls.
      model_.ResolveAnchors(*this);
      return false;
    case WM_PAINT:
      if (!child_) OnPaint();
      return false;
    case WM_THEMECHANGED:
      OnThemeChanged();
      return false;
    case WM_DESTROY:
      OnDestroy();
      return false;
  }
  return false;
}

void DialogResizer::OnPaint() {
  if (!window_) return;
  if (!themeChecked_) {
    themeChecked_ = true;
    theme_ = OpenThemeData(window_, L"Status");
  }
  if (theme_ || dark_) {
    if (gripControl_) DestroyWindow(gripControl_);
    gripControl_ = nullptr;
    RECT client = {};
    GetClientRect(window_, &client);
    if (client.right != gripRect_.right || client.bottom != gripRect_.bottom)
      RedrawWindow(window_, &gripRect_, nullptr, kGripInvalidate);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    gripRect_ = ToRect(model_.GripPaintRect(*this, WindowDpi(window_)));
    if (dark_)
      PaintDarkGrip(dc, gripRect_);
    else
      DrawThemeBackground(theme_, dc, SP_GRIPPER, 0, &gripRect_, nullptr);
    EndPaint(window_, &ps);
    return;
  }
  if (!gripControl_ || !IsWindow(gripControl_)) CreateFallbackGrip();
}

void DialogResizer::OnThemeChanged() {
  if (theme_) CloseThemeData(theme_);
  theme_ = nullptr;
  themeChecked_ = false;
}

void DialogResizer::CreateFallbackGrip() {
  if (!gripBitmap_) {
    gripBitmap_ = LoadSystemGrip();
    Size s = BitmapSize(gripBitmap_);
    Size scaled = ScaledGripSize(s, gripDpi_);
    if (gripBitmap_ && scaled != s) {
      if (HANDLE copy = CopyImage(gripBitmap_, IMAGE_BITMAP, scaled.width, scaled.height,
                                  LR_COPYDELETEORG | LR_CREATEDIBSECTION))
        gripBitmap_ = static_cast<HBITMAP>(copy);
    }
  }
  if (!gripBitmap_) return;
  Size grip = BitmapSize(gripBitmap_);
  Point at = FallbackGripPosition(ClientSize(), grip);
  HWND control = CreateWindowExW(
      0, L"STATIC", nullptr, kFallbackGripStyle, at.x, at.y, grip.width, grip.height, window_,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFallbackGripId)), nullptr, nullptr);
  if (!control) return;
  gripControl_ = control;
  SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(gripBitmap_));
  // The control takes the bitmap's size; keep its corner in the client area's corner.
  if (std::optional<Rect> placed = ControlRect(kFallbackGripId))
    MoveControl(kFallbackGripId, FallbackGripPosition(ClientSize(), placed->Extent()));
}

void DialogResizer::OnDestroy() {
  if (!window_) return;
  model_.OnDestroy(*this, Settings());
  if (gripBitmap_) DeleteObject(gripBitmap_);
  gripBitmap_ = nullptr;
  gripControl_ = nullptr;
  controls_.clear();
  OnThemeChanged();
  window_ = nullptr;
}

Size DialogResizer::ClientSize() {
  RECT rc = {};
  GetClientRect(window_, &rc);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

std::optional<Rect> DialogResizer::ControlRect(uint32_t controlId) {
  HWND control = Control(controlId);
  if (!control) return std::nullopt;
  RECT rc = {};
  GetWindowRect(control, &rc);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rc), 2);
  return FromRect(rc);
}

void DialogResizer::MoveControl(uint32_t controlId, Point topLeft) {
  if (HWND control = Control(controlId))
    SetWindowPos(control, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | kControlMoveFlags);
}

void DialogResizer::SizeControl(uint32_t controlId, Size size) {
  if (HWND control = Control(controlId))
    SetWindowPos(control, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | kControlMoveFlags);
}

Rect DialogResizer::WindowRect() {
  if (pending_) return *pending_;
  RECT rc = {};
  GetWindowRect(window_, &rc);
  return FromRect(rc);
}

void DialogResizer::MoveWindowTo(Point screenTopLeft) {
  if (deferMoves_) {
    Rect r = WindowRect();
    pending_ = Rect{screenTopLeft.x, screenTopLeft.y, screenTopLeft.x + r.Width(),
                    screenTopLeft.y + r.Height()};
    return;
  }
  RECT rc = {};
  GetWindowRect(window_, &rc);
  if (rc.left == screenTopLeft.x && rc.top == screenTopLeft.y) return;
  POINT pt = {screenTopLeft.x, screenTopLeft.y};
  // A child dialog is positioned in its parent's client coordinates.
  if (GetWindowLongW(window_, GWL_STYLE) & WS_CHILD) ScreenToClient(GetParent(window_), &pt);
  SetWindowPos(window_, nullptr, pt.x, pt.y, 0, 0, kWindowMoveFlags);
}

void DialogResizer::ResizeWindow(Size outer) {
  if (deferMoves_) {
    Rect r = WindowRect();
    pending_ = Rect{r.left, r.top, r.left + outer.width, r.top + outer.height};
    return;
  }
  RECT rc = {};
  GetWindowRect(window_, &rc);
  if (rc.right - rc.left == outer.width && rc.bottom - rc.top == outer.height) return;
  SetWindowPos(window_, nullptr, 0, 0, outer.width, outer.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The parent, or for a pop-up dialog its owner (which is what GetParent reports for it).
HWND DialogResizer::Reference() const {
  return window_ ? GetParent(window_) : nullptr;
}

bool DialogResizer::HasReferenceWindow() {
  return Reference() != nullptr;
}

Point DialogResizer::ReferenceClientToScreen(Point client) {
  POINT pt = {client.x, client.y};
  ClientToScreen(Reference(), &pt);
  return {pt.x, pt.y};
}

Point DialogResizer::ScreenToReferenceClient(Point screen) {
  POINT pt = {screen.x, screen.y};
  ScreenToClient(Reference(), &pt);
  return {pt.x, pt.y};
}

std::optional<Rect> DialogResizer::VisibleParentRect() {
  HWND parent = Reference();
  if (!parent) return std::nullopt;
  LONG style = GetWindowLongW(parent, GWL_STYLE);
  if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE)) return std::nullopt;
  RECT rc = {};
  GetWindowRect(parent, &rc);
  return FromRect(rc);
}

const std::vector<MonitorArea>& DialogResizer::Monitors() {
  // Read once per placement pass; any other question reads them afresh.
  if (!monitors_ || !deferMoves_) {
    monitors_ = ReadMonitors();
    if (monitors_->empty()) monitors_->push_back({});
  }
  return *monitors_;
}

Rect DialogResizer::CentringWorkArea() {
  HWND from = Reference();
  if (!from) from = window_;
  // A minimised window's monitor is that of its restored position: the platform knows it.
  if (IsIconic(from)) return WorkAreaOf(MonitorFromWindow(from, MONITOR_DEFAULTTONEAREST));
  RECT rc = {};
  GetWindowRect(from, &rc);
  return WorkAreaNearest(FromRect(rc));
}

Rect DialogResizer::WorkAreaNearest(const Rect& screenRect) {
  // Monitors do not overlap, so a rectangle inside the primary monitor's work area (which the
  // system keeps at hand) is on that monitor: the monitors need not be read at all.
  RECT primary = {};
  if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0) &&
      Contains(FromRect(primary), screenRect))
    return FromRect(primary);
  return NearestMonitor(Monitors(), screenRect)->work;
}

uint32_t DialogResizer::ScalePercent() {
  // Within the placement pass the window stays where it was attached, at the scale found then.
  if (deferMoves_) return model_.Placement().scale;
  return WindowScalePercent(window_);
}

uint32_t DialogResizer::SystemDpi() {
  return scrv::SystemDpi();
}

bool DialogResizer::PerMonitorV2() {
  return ThreadIsPerMonitorAwareV2();
}

void CenterOverOwner(HWND window) {
  DialogResizer r;
  r.Bind(window);
  CenterOverOwner(static_cast<PlacementWindow&>(r));
}

void ClampToWorkArea(HWND window) {
  DialogResizer r;
  r.Bind(window);
  ClampToWorkArea(static_cast<PlacementWindow&>(r));
}

}  // namespace scrv
