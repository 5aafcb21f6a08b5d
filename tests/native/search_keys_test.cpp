// The keys of a sheet's search, as a table: none of them in the search box or the page list
// closes the sheet with OK, and Ctrl+F, F3 and undo reach the sheet from inside a page.

#include "frame/search_keys.h"

#include <gtest/gtest.h>

namespace scrv {
namespace {

using enum SearchAction;
constexpr SearchFocus kBox = SearchFocus::kSearchBox, kList = SearchFocus::kTitleList,
                      kPage = SearchFocus::kPage;

struct Case {
  SearchFocus focus;
  uint32_t key;
  const char* mods;  // "c" Ctrl, "s" Shift, "a" Alt, "t" the box holds text, "1" on the first
                     // row, "e" an edit with its own undo
  SearchAction action;
};

SearchKeyState State(const Case& c) {
  SearchKeyState s;
  s.focus = c.focus;
  s.key = c.key;
  for (const char* m = c.mods; *m; ++m) {
    s.ctrl |= *m == 'c';
    s.shift |= *m == 's';
    s.alt |= *m == 'a';
    s.boxHasText |= *m == 't';
    s.onFirstRow |= *m == '1';
    s.editOwnsUndo |= *m == 'e';
  }
  return s;
}

TEST(SearchKeys, DecideWhatEachKeyDoesWhereverTheFocusIs) {
  const Case cases[] = {
      {kBox, vkey::kReturn, "t", kNextMatch},   // Enter goes to the (next) match
      {kBox, vkey::kReturn, "", kEnterPage},    // never OK
      {kBox, vkey::kDown, "t", kFocusList},
      {kBox, vkey::kEscape, "t", kClearBox},
      {kBox, vkey::kEscape, "", kCancel},       // an empty box: Esc closes as Cancel does
      {kBox, vkey::kF3, "t", kNextMatch},
      {kBox, vkey::kF3, "st", kPrevMatch},
      {kBox, vkey::kF3, "", kPass},             // nothing to step through
      {kBox, vkey::kUp, "t", kPass},
      {kList, vkey::kReturn, "t", kRowMatch},   // that page's match, never OK
      {kList, vkey::kReturn, "", kEnterPage},
      {kList, vkey::kEscape, "t", kFocusBox},   // back to the box, never Cancel
      {kList, vkey::kEscape, "", kFocusBox},
      {kList, vkey::kUp, "1", kFocusBox},
      {kList, vkey::kUp, "", kPass},
      {kList, vkey::kRight, "", kEnterPage},
      {kList, vkey::kDown, "", kPass},
      {kPage, vkey::kF, "c", kFocusBox},        // Ctrl+F from inside a page
      {kList, vkey::kF, "c", kFocusBox},
      {kPage, vkey::kF, "cs", kPass},
      {kPage, vkey::kF3, "t", kNextMatch},
      {kPage, vkey::kF3, "st", kPrevMatch},
      {kPage, vkey::kReturn, "t", kPass},       // a page's own Enter is the dialog's
      {kPage, vkey::kEscape, "t", kPass},
      {kPage, vkey::kZ, "c", kUndo},
      {kBox, vkey::kZ, "ct", kUndo},            // a query the program set: the sheet's undo
      {kBox, vkey::kZ, "cte", kPass},           // a typed query: the box's own
      {kBox, vkey::kY, "cte", kPass},
      {kPage, vkey::kY, "c", kRedo},
      {kPage, vkey::kZ, "cs", kRedo},
      {kPage, vkey::kZ, "ce", kPass},           // the edit undoes its own typing first
      {kPage, vkey::kY, "ce", kPass},
      {kPage, vkey::kZ, "", kPass},
      {kPage, vkey::kZ, "ca", kPass},
      {kBox, vkey::kReturn, "at", kPass},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecideSearchKey(State(c)), c.action)
        << "focus " << int(c.focus) << " key " << c.key << " " << c.mods;
}

}  // namespace
}  // namespace scrv
