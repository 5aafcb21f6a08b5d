#pragma once
// Column widths of report-view lists whose last column takes the rest of the list's width, so
// that no header stub is left beside it and no horizontal scroll bar appears.

#include <windows.h>

namespace scrv {

// The width left for a column that fills the list: the client width (which already excludes a
// visible vertical scroll bar) less `otherColumns` pixels, at least 20.
int FillColumnWidth(HWND list, int otherColumns);
// Widens or narrows the last column of `list` to the rest of its client width. Lists call it
// again whenever their client area changes (resize, DPI change, a scroll bar shown or hidden).
void FitLastColumn(HWND list);

// Holds off the redrawing of a list view, list box or combo box while it is filled: its scroll
// bars (and a list view's header) are then updated, and the control repainted, once at the end
// instead of once per row.
class ListFillScope {
 public:
  explicit ListFillScope(HWND list) : list_(list) { SendMessageW(list_, WM_SETREDRAW, FALSE, 0); }
  ~ListFillScope() { SendMessageW(list_, WM_SETREDRAW, TRUE, 0); }
  ListFillScope(const ListFillScope&) = delete;
  ListFillScope& operator=(const ListFillScope&) = delete;

 private:
  HWND list_;
};

// ListFillScope for a report-view list view that is being set up: styles, columns and rows
// all go in with redrawing held off, so that the list lays out its header and scroll bars once.
// A list whose rows will not fit shows its vertical scroll bar before redrawing resumes: shown
// during that layout, the bar would resize the list and have the whole layout run again.
class ListViewFillScope {
 public:
  explicit ListViewFillScope(HWND list) : list_(list) {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  }
  ~ListViewFillScope();
  ListViewFillScope(const ListViewFillScope&) = delete;
  ListViewFillScope& operator=(const ListViewFillScope&) = delete;

 private:
  HWND list_;
};

}  // namespace scrv
