#include "frame/placement.h"

#include <algorithm>
#include <cstring>

namespace scrv {
namespace {

int32_t Scale(uint32_t scale) {
  return scale ? static_cast<int32_t>(scale) : 100;
}
int32_t Dpi(uint32_t dpi) {
  return dpi ? static_cast<int32_t>(dpi) : 96;
}

void PutLe32(uint8_t* p, int32_t v) {
  auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t GetLe32(const uint8_t* p) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= uint32_t{p[i]} << (8 * i);
  return static_cast<int32_t>(u);
}

Size Convert(Size s, int32_t mul1, int32_t div1, int32_t mul2, int32_t div2) {
  return {MulDiv(MulDiv(s.width, mul1, div1), mul2, div2),
          MulDiv(MulDiv(s.height, mul1, div1), mul2, div2)};
}

}  // namespace

std::array<uint8_t, kPlacementRecordSize> EncodePlacement(const PlacementRecord& record) {
  std::array<uint8_t, kPlacementRecordSize> out{};
  PutLe32(&out[0], record.x);
  PutLe32(&out[4], record.y);
  PutLe32(&out[8], record.width);
  PutLe32(&out[12], record.height);
  return out;
}

std::optional<PlacementRecord> DecodePlacement(const uint8_t* data, size_t size) {
  if (!data || size != kPlacementRecordSize) return std::nullopt;
  return PlacementRecord{GetLe32(data), GetLe32(data + 4), GetLe32(data + 8), GetLe32(data + 12)};
}

Size ToPlacementUnits(Size pixels, uint32_t scale, uint32_t systemDpi) {
  return Convert(pixels, 100, Scale(scale), 96, Dpi(systemDpi));
}

Size FromPlacementUnits(Size units, uint32_t systemDpi, uint32_t scale) {
  return Convert(units, Dpi(systemDpi), 96, Scale(scale), 100);
}

Size MinimumPlacementSize(Size initialOuter, uint32_t scale) {
  return {MulDiv(initialOuter.width, 100, Scale(scale)),
          MulDiv(initialOuter.height, 100, Scale(scale))};
}

Size RestoredWindowSize(Size stored, Size minimumUnits, uint32_t systemDpi, uint32_t scale,
                        uint32_t resizeMode) {
  Size want = FromPlacementUnits(stored, systemDpi, scale);
  Size min{MulDiv(minimumUnits.width, Scale(scale), 100),
           MulDiv(minimumUnits.height, Scale(scale), 100)};
  Size out;
  out.width = std::max(want.width, min.width);
  out.height = (resizeMode != 1 && want.height > min.height) ? want.height : min.height;
  return out;
}

Size SavedPlacementSize(bool resized, Size currentOuter, Size savedSize, uint32_t scale,
                        uint32_t systemDpi) {
  return resized ? ToPlacementUnits(currentOuter, scale, systemDpi) : savedSize;
}

Point CenterPosition(const Rect& reference, const Rect& workArea, Size size) {
  int64_t x = int64_t{reference.left} + reference.Width() / 2 - size.width / 2;
  int64_t y = int64_t{reference.top} + reference.Height() / 2 - size.height / 2;
  if (x + size.width > workArea.right) x = int64_t{workArea.right} - size.width;
  x = std::max<int64_t>(x, workArea.left);
  if (y + size.height > workArea.bottom) y = int64_t{workArea.bottom} - size.height;
  y = std::max<int64_t>(y, workArea.top);
  return {Saturate32(x), Saturate32(y)};
}

Point ClampPosition(Point topLeft, Size size, const Rect& workArea) {
  int64_t x = std::max(std::min(int64_t{workArea.right} - size.width, int64_t{topLeft.x}),
                       int64_t{workArea.left});
  int64_t y = std::max(std::min(int64_t{workArea.bottom} - size.height, int64_t{topLeft.y}),
                       int64_t{workArea.top});
  return {Saturate32(x), Saturate32(y)};
}

const MonitorArea* NearestMonitor(const std::vector<MonitorArea>& monitors, const Rect& rect) {
  const MonitorArea* best = nullptr;
  int64_t bestArea = 0;
  uint64_t bestDistance = UINT64_MAX;
  for (const MonitorArea& m : monitors) {
    const Rect& r = m.monitor;
    int64_t dx = std::min<int64_t>(rect.right, r.right) - std::max<int64_t>(rect.left, r.left);
    int64_t dy = std::min<int64_t>(rect.bottom, r.bottom) - std::max<int64_t>(rect.top, r.top);
    if (dx > 0 && dy > 0) {
      if (dx * dy > bestArea) {
        bestArea = dx * dy;
        best = &m;
      }
      continue;
    }
    if (bestArea) continue;
    // Gaps between the edges (0 where the ranges overlap), squared and summed.
    auto gap = [](int64_t lo1, int64_t hi1, int64_t lo2, int64_t hi2) -> uint64_t {
      int64_t g = std::max<int64_t>({lo2 - hi1, lo1 - hi2, 0});
      return static_cast<uint64_t>(g) * static_cast<uint64_t>(g);
    };
    uint64_t distance =
        gap(rect.left, rect.right, r.left, r.right) + gap(rect.top, rect.bottom, r.top, r.bottom);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = &m;
    }
  }
  return best;
}

void CenterOverOwner(PlacementWindow& window) {
  Rect work = window.CentringWorkArea();
  Rect reference = window.VisibleParentRect().value_or(work);
  window.MoveWindowTo(CenterPosition(reference, work, window.WindowRect().Extent()));
}

void ClampToWorkArea(PlacementWindow& window) {
  Rect rc = window.WindowRect();
  Rect work = window.WorkAreaNearest(rc);
  window.MoveWindowTo(ClampPosition({rc.left, rc.top}, rc.Extent(), work));
}

void RestorePlacement(PlacementState& state, PlacementWindow& window, SettingsStore& settings,
                      const char16_t* key, uint32_t resizeMode) {
  CenterOverOwner(window);
  state.scale = window.ScalePercent();
  state.savedSize = {};
  state.stored.reset();
  if (!key) {
    state.key.clear();
    return;
  }
  state.key = std::u16string_view(key).substr(0, kPlacementKeyMax);
  Size minimum = MinimumPlacementSize(state.initialOuter, state.scale);
  if (!window.HasReferenceWindow()) return;

  SettingsHandle h = settings.OpenCommon(false);
  uint8_t bytes[kPlacementRecordSize];
  std::optional<PlacementRecord> record;
  if (settings.ReadBinary(h, state.key, bytes, sizeof bytes))
    record = DecodePlacement(bytes, sizeof bytes);
  if (!record) {
    settings.CloseSettings(h);
    return;
  }

  state.stored = record;
  state.savedSize = {record->width, record->height};
  window.MoveWindowTo(window.ReferenceClientToScreen({record->x, record->y}));
  ClampToWorkArea(window);
  window.ResizeWindow(
      RestoredWindowSize(state.savedSize, minimum, window.SystemDpi(), state.scale, resizeMode));
  ClampToWorkArea(window);
  settings.CloseSettings(h);
  state.resized = false;
}

void SavePlacement(PlacementState& state, PlacementWindow& window, SettingsStore& settings) {
  if (state.key.empty() || !window.HasReferenceWindow()) return;
  Rect rc = window.WindowRect();
  Point at = window.ScreenToReferenceClient({rc.left, rc.top});
  Size size = SavedPlacementSize(state.resized, rc.Extent(), state.savedSize, window.ScalePercent(),
                                 window.SystemDpi());
  PlacementRecord record{at.x, at.y, size.width, size.height};
  if (state.stored == record) {
    state.key.clear();
    return;
  }
  SettingsHandle h = settings.OpenCommon(true);
  auto bytes = EncodePlacement(record);
  settings.WriteBinary(h, state.key, bytes.data(), bytes.size(), /*suppressSizeValue=*/true);
  settings.CloseSettings(h);
  state.key.clear();
}

}  // namespace scrv
