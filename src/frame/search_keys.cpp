#include "frame/search_keys.h"

namespace scrv {

SearchAction DecideSearchKey(const SearchKeyState& s) {
  using enum SearchAction;
  if (s.alt) return kPass;
  // Keys that mean the same everywhere in the sheet.
  if (s.ctrl) {
    if (s.key == vkey::kF && !s.shift) return kFocusBox;
    const bool undo = s.key == vkey::kZ && !s.shift;
    const bool redo = s.key == vkey::kY || (s.key == vkey::kZ && s.shift);
    // An edit with typing of its own takes its own undo first, as in any text field.
    if ((undo || redo) && !s.editOwnsUndo) return undo ? kUndo : kRedo;
    return kPass;
  }
  if (s.key == vkey::kF3) {
    if (!s.boxHasText) return kPass;
    return s.shift ? kPrevMatch : kNextMatch;
  }
  if (s.shift) return kPass;
  switch (s.focus) {
    case SearchFocus::kSearchBox:
      switch (s.key) {
        case vkey::kReturn:
          return s.boxHasText ? kNextMatch : kEnterPage;
        case vkey::kDown:
          return kFocusList;
        case vkey::kEscape:
          return s.boxHasText ? kClearBox : kCancel;
        default:
          return kPass;
      }
    case SearchFocus::kTitleList:
      switch (s.key) {
        case vkey::kReturn:
          return s.boxHasText ? kRowMatch : kEnterPage;
        case vkey::kEscape:
          return kFocusBox;
        case vkey::kUp:
          return s.onFirstRow ? kFocusBox : kPass;
        case vkey::kRight:
          return kEnterPage;
        default:
          return kPass;
      }
    case SearchFocus::kPage:
      return kPass;
  }
  return kPass;
}

}  // namespace scrv
