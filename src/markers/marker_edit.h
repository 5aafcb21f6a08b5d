#pragma once
// What the marker list page does to the markers: a new marker, and the options, name and
// colour controls acting on every selected marker. `rows` are indexes into the list; indexes
// outside it are ignored.

#include <string>
#include <string_view>
#include <vector>

#include "controls/check_states.h"
#include "markers/marker_list.h"

namespace scrv {

// A new marker: the colour of NewMarkerColor, `text`, and the whole word, match case and
// regular expression bits of `optionFlags`; on, not named.
Marker MakeNewMarker(const MarkerList& markers, int32_t preferredColor, std::u16string_view text,
                     uint8_t optionFlags);

// What a check box shows for the selected markers: their common state of `flag`, or
// indeterminate when they differ; `unselected` when nothing is selected.
BoxState SelectionFlagState(const MarkerList& markers, const std::vector<int>& rows, uint8_t flag,
                            BoxState unselected);
// The colour index the selected markers share, -1 when they differ or none is selected.
int SelectionColor(const MarkerList& markers, const std::vector<int>& rows);
// The name the name field shows: the first selected marker's, empty without a selection.
std::u16string SelectionName(const MarkerList& markers, const std::vector<int>& rows);

void SetSelectionFlag(MarkerList& markers, const std::vector<int>& rows, uint8_t flag, bool on);
// Named on: each name becomes the marker's text cut to the name's limit. Off: names emptied.
void SetSelectionNamed(MarkerList& markers, const std::vector<int>& rows, bool named);
void SetSelectionName(MarkerList& markers, const std::vector<int>& rows, std::u16string_view name);
void SetSelectionColor(MarkerList& markers, const std::vector<int>& rows, int colorIndex);

// The selected markers, in list order.
MarkerList SelectedMarkers(const MarkerList& markers, const std::vector<int>& rows);
// Removes the selected markers; returns the row to select afterwards (-1 when none is left).
int RemoveSelection(MarkerList& markers, std::vector<int> rows);

}  // namespace scrv
