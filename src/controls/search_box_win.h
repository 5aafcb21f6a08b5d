#pragma once
// The two controls of a property sheet's page list: CSearchBox, the edit above the list in
// which the user types words to narrow it, and CTitleList, the list of page titles. Both are
// subclassed controls created by the sheet; the keys that move between them and into the page
// go to the sheet through NavigationKeys.
//
// Keys: Down in the search box goes to the list; Esc in a search box that holds text empties
// it (the whole list comes back) instead of closing the sheet. Up on the list's first row goes
// back to the search box, Ctrl+F asks the sheet for the search box (a moment later, once the
// key has been dealt with), Right goes into the page.

#include <windows.h>

#include "frame/subclass_win.h"

namespace scrv {

class NavigationKeys {
 public:
  virtual void FocusSearchBox() = 0;
  virtual void FocusTitleList() = 0;
  virtual void FocusSearchBoxSoon() = 0;
  // Into the current page.
  virtual void EnterPage() = 0;

 protected:
  ~NavigationKeys() = default;
};

class CSearchBox : public CSubclassedWindow {
 public:
  explicit CSearchBox(NavigationKeys& keys) : keys_(keys) {}
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  bool HasText() const { return GetWindowTextLengthW(m_hWnd) > 0; }
  NavigationKeys& keys_;
};

class CTitleList : public CSubclassedWindow {
 public:
  explicit CTitleList(NavigationKeys& keys) : keys_(keys) {}
  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;
  // Set while a mouse click changes the selection.
  bool ChoosingByMouse() const { return clicking_; }

 private:
  NavigationKeys& keys_;
  bool clicking_ = false;
};

}  // namespace scrv
