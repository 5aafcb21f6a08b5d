#pragma once
// What the key and column dialogs do alike with their check list: header columns from string
// resources, and rows whose texts are asked from the dialog when shown. Each row carries a
// value of the dialog's choosing that names its data, so that a row moved by the check list
// still finds its own text.

#include <windows.h>

#include <commctrl.h>

#include <string_view>

#include "controls/check_list_win.h"

namespace scrv {

// Sets the check list up as a list of columns the user checks (check-all box, own copy, no
// editing, cutting or pasting) and subclasses `control`. With a swap callback the rows can
// also be reordered by the move buttons, keys and drag; without one they stay in place.
void AttachColumnChoiceList(CCheckList& list, HWND control, int columnCount, bool darkTheme,
                            CheckListSwapFn swap = nullptr, void* swapContext = nullptr);

// Appends a header column titled by a string of the localisation module.
void AddListColumn(HWND list, int index, UINT headerStringId, int width);
// The width left for a column that fills the list: the client width less the vertical scroll
// bar, so that no horizontal scroll bar appears when the rows overflow.
int FillColumnWidth(HWND list, int otherColumns);
// Widens or narrows the last column to the rest of the list's width (after a resize).
void FitLastColumn(const CCheckList& list);
// Pixels at 96 DPI converted to the DPI the check list works at.
int ScaleForList(const CCheckList& list, int pixels96);

// Appends a row with texts on demand and the given check state; `param` comes back in each
// LVN_GETDISPINFO of the row.
void AppendCallbackRow(CCheckList& list, LPARAM param, bool checked);
// Copies `text` into a display request's buffer (truncated, terminated).
void FillDisplayText(NMLVDISPINFOW& info, std::u16string_view text);

// The LVN_GETDISPINFOW notification of `listId`, or null for any other message.
NMLVDISPINFOW* DisplayRequest(UINT msg, LPARAM lParam, int listId);

}  // namespace scrv
