#pragma once
// What the keys of a sheet with the page-list search do, wherever the focus is: the sheet
// decides with this before the focused control or the dialog manager sees the key, so that
// Enter and Esc in the search box and the page list never press OK or Cancel by accident, and
// Ctrl+F, F3 and undo work from inside every page too.

#include <cstdint>

namespace scrv {

// Where the key went.
enum class SearchFocus : uint8_t { kSearchBox, kTitleList, kPage };

// Virtual-key codes, as the platform numbers them.
namespace vkey {
constexpr uint32_t kReturn = 0x0D, kEscape = 0x1B, kUp = 0x26, kRight = 0x27, kDown = 0x28,
                   kF3 = 0x72, kF = 0x46, kY = 0x59, kZ = 0x5A;
}  // namespace vkey

struct SearchKeyState {
  SearchFocus focus = SearchFocus::kPage;
  uint32_t key = 0;
  bool ctrl = false, shift = false, alt = false;
  bool boxHasText = false;     // the search box holds a query
  bool onFirstRow = false;     // the title list's selection is its first row
  bool editOwnsUndo = false;   // the focus is in an edit that has typing of its own to undo
};

enum class SearchAction : uint8_t {
  kPass,         // not a search key here: the control and the dialog manager have it
  kFocusBox,     // focus the search box (and select its text)
  kFocusList,    // focus the title list
  kClearBox,     // empty the search box: the whole list comes back
  kNextMatch,    // show the next match (the first when none is shown yet), across pages
  kPrevMatch,    // the match before
  kRowMatch,     // show the first match on the selected row's page
  kEnterPage,    // into the current page
  kCancel,       // close the sheet as Cancel does
  kUndo,
  kRedo,
};

SearchAction DecideSearchKey(const SearchKeyState& s);

}  // namespace scrv
