#pragma once
// The library's own private messages: between a control and its dialog, or between a page and
// its sheet; none of them ever reaches the host. They are named SLM_ ("library message") so that
// they are not taken for the host's messages, which are SCM_ and live in scrvdlgs_api.h. The one
// exception is SCM_PAGE_ACTIVATED, which keeps the name under which the sheet frame is known.
//
// The numbers of the messages a control contract fixes (the link, the check list, the drop
// targets, page activation) stay as fixed, among the host's; every other one takes a number of
// the library's own range, from SLM_FIRST up, which no host message uses.

#include <windows.h>

namespace scrv {

// From the dialog to its link while it handles WM_CTLCOLORSTATIC for it: wParam the device
// context. The link selects its font and colours into it and answers the hollow brush.
constexpr UINT SLM_URLTEXT_COLORS = 0x8042;

// From the check list to its parent dialog: wParam a code of check_list_win.h, lParam as the
// code says. The parent answers 0 unless the code says otherwise.
constexpr UINT SLM_CHECKLIST = 0x8078;

// Sent to an edit window on a drop: wParam the drop effect, lParam the dropped text
// (const wchar_t*, terminated, valid during the call).
constexpr UINT SLM_TEXT_DROP = 0x8079;
// Sent to an edit window while dragging over it: wParam the key state, lParam a DWORD* that
// holds the effects the source allows and that the window sets to the effect to show.
constexpr UINT SLM_TEXT_DRAGOVER = 0x807A;

// To the menu tree's parent on a drop: wParam the drop effect; a zero answer means nothing
// dropped.
constexpr UINT SLM_MENU_TREE_DROP = 0x807B;
// While dragging: wParam the key state, lParam a DWORD* with the effects the source allows,
// which the parent sets to the effect to show.
constexpr UINT SLM_MENU_TREE_DRAGOVER = 0x807C;
// When the drag leaves the tree.
constexpr UINT SLM_MENU_TREE_DRAGLEAVE = 0x807D;

// From a page to its sheet when it becomes the current page: lParam is the page window.
constexpr UINT SCM_PAGE_ACTIVATED = 0x80FF;

// The library's own range: WM_APP + 0x3F00 up to the end of the application range.
constexpr UINT SLM_FIRST = WM_APP + 0x3F00;
// From the sheet to a page: mark control wParam for a moment (the search found it there).
constexpr UINT SLM_MARK_CONTROL = SLM_FIRST;
// From the sheet to a page: the search's lasting marks, lParam a const SearchMarks* (property
// page header); a null lParam clears them.
constexpr UINT SLM_SET_MARKS = SLM_FIRST + 1;

}  // namespace scrv
