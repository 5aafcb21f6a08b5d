#pragma once
// Radio buttons laid out as a grid whose rows and columns are labelled by statics beside them:
// the arrow keys move along a row or down a column (selecting the button reached, as in a radio
// group), and a button may show only its glyph while its text still names it for screen readers.

#include <windows.h>

namespace scrv {

// The identifier of the button one step (dx, dy) away from button `id`, or 0 for none.
using GridNeighbourFn = int (*)(int id, int dx, int dy);

// Subclasses `button` as a cell of such a grid. With `glyphOnly` only the radio glyph is
// painted, with the focus rectangle around it.
void AttachGridRadio(HWND button, bool glyphOnly, GridNeighbourFn neighbour);

}  // namespace scrv
