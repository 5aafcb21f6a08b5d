#pragma once
// A tooltip that explains one column of a report-view list: hovering the column's header or its
// cells shows the text (a legend of the letters the column holds, for instance).

#include <windows.h>

#include <string>

namespace scrv {

class CColumnTip {
 public:
  // Creates the tooltip, owned by the list's dialog, for `column` of `list`.
  void Attach(HWND list, int column, std::wstring text);
  // Follows the column after the list was resized or its columns were resized.
  void Fit();
  bool Attached() const { return tip_ != nullptr; }

 private:
  HWND list_ = nullptr;
  HWND header_ = nullptr;
  HWND tip_ = nullptr;
  int column_ = 0;
  std::wstring text_;  // the tooltip keeps a pointer to it
};

}  // namespace scrv
