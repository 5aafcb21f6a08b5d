#pragma once
// Markers as clipboard text, one line per marker ended by CR LF:
//
//   on|off TAB text TAB name TAB colour 1..10 TAB letters
//
// where the letters are "C" (match case), "R" (regular expression), "W" (whole word) and "T"
// (named), each present when its flag is set, in that order. Pasting reads lines ended by
// CR LF or LF; lines from elsewhere are read as forgivingly as their shape allows.

#include <string>
#include <string_view>

#include "markers/marker_list.h"

namespace scrv {

// The line of one marker, without the line end.
std::u16string FormatMarkerLine(const Marker& marker);
// The lines of `markers`, each followed by CR LF.
std::u16string FormatMarkerLines(const MarkerList& markers);

// The marker of one pasted line (without its line end):
// - in the copy format ("on" or "off", any case, as the first field): text, name, colour and
//   option letters from the fields that follow (a missing or unknown colour is colour 1,
//   letters in any order and case, others ignored); a text with tabs of its own keeps them
//   when the line has more than five fields;
// - any other line: a marker that is on, colour 1, no options and no name, whose text is the
//   second field, or the whole line when it has no tab.
// Texts and names are cut to their limits.
Marker ParseMarkerLine(std::u16string_view line);
// The markers of pasted text: one per line that is not empty; the text ends at its first NUL.
MarkerList ParseMarkerLines(std::u16string_view text);

}  // namespace scrv
