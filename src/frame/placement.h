#pragma once
// A dialog's remembered placement: the 16-byte record stored under its "...DlgPos" key in
// "Common", the conversions between window pixels and the DPI-independent placement units the
// record keeps sizes in, centring over the owner and clamping into a monitor's work area, and
// the restore and save sequences that the resizing engine runs when a dialog opens and closes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/geometry.h"
#include "settings/settings_store.h"

namespace scrv {

// x and y: the window's top-left corner in the client coordinates of its parent (or owner);
// width and height: its outer size in placement units (pixels at 100 % scale and 96 DPI).
struct PlacementRecord {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const PlacementRecord&, const PlacementRecord&) = default;
};

constexpr size_t kPlacementRecordSize = 16;

// Four signed 32-bit little-endian integers in the order x, y, width, height.
std::array<uint8_t, kPlacementRecordSize> EncodePlacement(const PlacementRecord& record);
// Only a value of exactly 16 bytes is a placement; any other size counts as absent.
std::optional<PlacementRecord> DecodePlacement(const uint8_t* data, size_t size);

// Pixels at the window's scale percentage → placement units: × 100 / scale, then × 96 /
// system DPI. A scale or DPI of 0 counts as 100 % and 96.
Size ToPlacementUnits(Size pixels, uint32_t scale, uint32_t systemDpi);
// Placement units → pixels: × system DPI / 96, then × scale / 100.
Size FromPlacementUnits(Size units, uint32_t systemDpi, uint32_t scale);

// The template's size as the minimum, in placement units: initial × 100 / scale.
Size MinimumPlacementSize(Size initialOuter, uint32_t scale);

// The outer size a dialog reopens with: the stored size in pixels, never below the minimum
// (which is converted by the scale alone); with resizeMode exactly 1 (width only) the stored
// height is never taken.
Size RestoredWindowSize(Size stored, Size minimumUnits, uint32_t systemDpi, uint32_t scale,
                        uint32_t resizeMode);

// The size written back on close: the converted current size when the dialog was resized,
// else the size that was read, unchanged, so that moving a dialog never drifts its size by
// rounding.
Size SavedPlacementSize(bool resized, Size currentOuter, Size savedSize, uint32_t scale,
                        uint32_t systemDpi);

// Top-left corner of a window of `size` centred over `reference` (the visible parent's window
// rectangle, or else the work area), then pushed left and up to fit the work area's right and
// bottom edges and never past its left and top edges.
Point CenterPosition(const Rect& reference, const Rect& workArea, Size size);

// Top-left corner that keeps a window of `size` inside the work area where it fits; a window
// larger than the work area is aligned to its left and top edges.
Point ClampPosition(Point topLeft, Size size, const Rect& workArea);

// A display monitor: its whole rectangle and the work area inside it (screen coordinates).
struct MonitorArea {
  Rect monitor;
  Rect work;
};

// The monitor the platform's "nearest" choice gives for a screen rectangle: the one sharing the
// largest area with it (the first of equals), else the one closest to it; null for no monitors.
// One reading of the monitors can then answer every question of a placement pass.
const MonitorArea* NearestMonitor(const std::vector<MonitorArea>& monitors, const Rect& rect);

// The window side of placement: the dialog's rectangle, its reference window (the parent, or
// the owner when there is no parent) and the monitors' work areas.
class PlacementWindow {
 public:
  virtual ~PlacementWindow() = default;
  virtual Rect WindowRect() = 0;                       // screen coordinates
  virtual void MoveWindowTo(Point screenTopLeft) = 0;  // size kept
  virtual void ResizeWindow(Size outer) = 0;           // position kept
  virtual bool HasReferenceWindow() = 0;
  virtual Point ReferenceClientToScreen(Point client) = 0;
  virtual Point ScreenToReferenceClient(Point screen) = 0;
  // The parent's window rectangle when the dialog has a parent that is visible and not
  // minimised.
  virtual std::optional<Rect> VisibleParentRect() = 0;
  // The work area of the monitor nearest to the parent, or to the dialog without a parent.
  virtual Rect CentringWorkArea() = 0;
  // The work area of the monitor nearest to a screen rectangle.
  virtual Rect WorkAreaNearest(const Rect& screenRect) = 0;
  virtual uint32_t ScalePercent() = 0;  // the window's DPI scale, 100 = system DPI
  virtual uint32_t SystemDpi() = 0;
};

void CenterOverOwner(PlacementWindow& window);
void ClampToWorkArea(PlacementWindow& window);

// What the resizing engine keeps for placement between opening and closing a dialog.
struct PlacementState {
  Size initialOuter;     // the window's outer size when the engine was attached
  Size savedSize;        // read from, or to be written to, the key (placement units)
  std::u16string key;    // at most 39 characters; empty: no placement kept
  uint32_t scale = 100;  // the window's scale when anchored / restored
  bool resized = false;  // set by every layout pass, cleared after the restore
  std::optional<PlacementRecord> stored;  // the record read when the dialog opened
};

constexpr size_t kPlacementKeyMax = 39;

// Centres the dialog, then moves and sizes it as stored under `key` in "Common" (null: the
// dialog keeps no placement). `resized` is cleared once the stored size has been applied.
void RestorePlacement(PlacementState& state, PlacementWindow& window, SettingsStore& settings,
                      const char16_t* key, uint32_t resizeMode);

// Writes the 16-byte record under the key (once; the key is cleared afterwards). Nothing is
// written without a key or without a reference window, nor when the record is the one that was
// read (a dialog opened and closed where it was).
void SavePlacement(PlacementState& state, PlacementWindow& window, SettingsStore& settings);

}  // namespace scrv
