#include "markers/marker_edit.h"

#include <algorithm>

namespace scrv {
namespace {

template <typename F>
void ForEachSelected(MarkerList& markers, const std::vector<int>& rows, F f) {
  for (int row : rows)
    if (row >= 0 && static_cast<size_t>(row) < markers.size()) f(markers[row]);
}

std::vector<const Marker*> Selected(const MarkerList& markers, const std::vector<int>& rows) {
  std::vector<const Marker*> out;
  for (int row : rows)
    if (row >= 0 && static_cast<size_t>(row) < markers.size()) out.push_back(&markers[row]);
  return out;
}

}  // namespace

Marker MakeNewMarker(const MarkerList& markers, int32_t preferredColor, std::u16string_view text,
                     uint8_t optionFlags) {
  Marker m;
  m.text = std::u16string(text.substr(0, kMarkerTextMax));
  m.color = MarkerColorDigit(NewMarkerColor(markers, preferredColor));
  m.flags =
      marker_flag::kOn |
      (optionFlags & (marker_flag::kWholeWord | marker_flag::kMatchCase | marker_flag::kRegExp));
  return m;
}

BoxState SelectionFlagState(const MarkerList& markers, const std::vector<int>& rows, uint8_t flag,
                            BoxState unselected) {
  const auto selected = Selected(markers, rows);
  if (selected.empty()) return unselected;
  const bool first = selected.front()->Has(flag);
  for (const Marker* m : selected)
    if (m->Has(flag) != first) return BoxState::kIndeterminate;
  return first ? BoxState::kChecked : BoxState::kUnchecked;
}

int SelectionColor(const MarkerList& markers, const std::vector<int>& rows) {
  const auto selected = Selected(markers, rows);
  if (selected.empty()) return -1;
  for (const Marker* m : selected)
    if (m->color != selected.front()->color) return -1;
  return selected.front()->ColorIndex();
}

std::u16string SelectionName(const MarkerList& markers, const std::vector<int>& rows) {
  const auto selected = Selected(markers, rows);
  return selected.empty() ? std::u16string() : selected.front()->name;
}

void SetSelectionFlag(MarkerList& markers, const std::vector<int>& rows, uint8_t flag, bool on) {
  ForEachSelected(markers, rows, [&](Marker& m) { m.Set(flag, on); });
}

void SetSelectionNamed(MarkerList& markers, const std::vector<int>& rows, bool named) {
  ForEachSelected(markers, rows, [&](Marker& m) {
    m.Set(marker_flag::kNamed, named);
    m.name = named ? m.text.substr(0, kMarkerNameMax) : std::u16string();
  });
}

void SetSelectionName(MarkerList& markers, const std::vector<int>& rows, std::u16string_view name) {
  ForEachSelected(markers, rows,
                  [&](Marker& m) { m.name = std::u16string(name.substr(0, kMarkerNameMax)); });
}

void SetSelectionColor(MarkerList& markers, const std::vector<int>& rows, int colorIndex) {
  ForEachSelected(markers, rows, [&](Marker& m) { m.color = MarkerColorDigit(colorIndex); });
}

MarkerList SelectedMarkers(const MarkerList& markers, const std::vector<int>& rows) {
  std::vector<int> sorted = rows;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  MarkerList out;
  for (const Marker* m : Selected(markers, sorted)) out.push_back(*m);
  return out;
}

int RemoveSelection(MarkerList& markers, std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  int first = -1;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (*it < 0 || static_cast<size_t>(*it) >= markers.size()) continue;
    markers.erase(markers.begin() + *it);
    first = *it;
  }
  if (markers.empty()) return -1;
  if (first < 0) return 0;
  return std::min(first, static_cast<int>(markers.size()) - 1);
}

}  // namespace scrv
