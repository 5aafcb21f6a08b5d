#pragma once
// An in-memory dialog for the resizing engine and placement tests: controls with rectangles,
// a window rectangle on a desktop of monitors, and a reference window's client origin.

#include <map>
#include <optional>
#include <vector>

#include "frame/resizer_model.h"

namespace scrv::testing {

class FakeDialogWindow : public ResizerWindow {
 public:
  // Controls.
  Size client{300, 200};
  std::map<uint32_t, Rect> controls;
  // The dialog on the desktop.
  Rect window{0, 0, 400, 300};
  std::vector<Rect> workAreas{{0, 0, 1920, 1040}};
  bool hasReference = true;
  Point referenceOrigin{100, 50};  // screen position of the reference window's client (0, 0)
  std::optional<Rect> parent;      // the parent's window rectangle
  bool parentVisible = true;
  uint32_t scale = 100;
  uint32_t systemDpi = 96;
  bool perMonitorV2 = true;
  int resizes = 0;
  int controlMoves = 0;  // moves and resizes of controls

  Size ClientSize() override { return client; }
  std::optional<Rect> ControlRect(uint32_t id) override {
    auto it = controls.find(id);
    if (it == controls.end()) return std::nullopt;
    return it->second;
  }
  void MoveControl(uint32_t id, Point p) override {
    ++controlMoves;
    Rect& r = controls.at(id);
    r = {p.x, p.y, p.x + r.Width(), p.y + r.Height()};
  }
  void SizeControl(uint32_t id, Size s) override {
    ++controlMoves;
    Rect& r = controls.at(id);
    r.right = r.left + s.width;
    r.bottom = r.top + s.height;
  }

  Rect WindowRect() override { return window; }
  void MoveWindowTo(Point p) override {
    window = {p.x, p.y, p.x + window.Width(), p.y + window.Height()};
  }
  void ResizeWindow(Size s) override {
    window.right = window.left + s.width;
    window.bottom = window.top + s.height;
    ++resizes;
  }
  bool HasReferenceWindow() override { return hasReference; }
  Point ReferenceClientToScreen(Point p) override {
    return {p.x + referenceOrigin.x, p.y + referenceOrigin.y};
  }
  Point ScreenToReferenceClient(Point p) override {
    return {p.x - referenceOrigin.x, p.y - referenceOrigin.y};
  }
  std::optional<Rect> VisibleParentRect() override {
    if (parent && parentVisible) return parent;
    return std::nullopt;
  }
  Rect CentringWorkArea() override { return WorkAreaNearest(parent ? *parent : window); }
  Rect WorkAreaNearest(const Rect& r) override {
    std::vector<MonitorArea> monitors;
    for (const Rect& w : workAreas) monitors.push_back({w, w});
    return NearestMonitor(monitors, r)->work;
  }
  uint32_t ScalePercent() override { return scale; }
  uint32_t SystemDpi() override { return systemDpi; }
  bool PerMonitorV2() override { return perMonitorV2; }
};

}  // namespace scrv::testing
