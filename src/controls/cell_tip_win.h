#pragma once
// A tooltip over one column of a report-view list that shows a cell's whole text when the
// column is too narrow for it: hovering a cut cell shows it, a cell that fits shows nothing.

#include <windows.h>

#include <string>

namespace scrv {

class CCellTip {
 public:
  CCellTip() = default;
  CCellTip(const CCellTip&) = delete;
  CCellTip& operator=(const CCellTip&) = delete;
  ~CCellTip();

  // Creates the tooltip, owned by the list's dialog, for `column` of `list`.
  void Attach(HWND list, int column);
  // Follows the column after the list or its columns were resized.
  void Fit();
  bool Attached() const { return tip_ != nullptr; }
  // The text the tip shows for `row`: the cell's text when it does not fit the column, else
  // nothing.
  std::wstring TipText(int row) const;

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR data);

  HWND list_ = nullptr;
  HWND tip_ = nullptr;
  int column_ = 0;
  int row_ = -1;        // the row under the mouse
  std::wstring shown_;  // the tooltip keeps a pointer to it while it asks
};

}  // namespace scrv
