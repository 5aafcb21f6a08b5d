#pragma once
// A tooltip that explains one column of a report-view list: hovering the column's header or its
// cells shows the text (a legend of the letters the column holds, for instance).

#include <windows.h>

#include <string>

namespace scrv {

// The pieces every tooltip over a list's column is made of (this tip and the cell tip).
// The tooltip window, owned by the list's dialog: no prefix, shown inactive too, lines up to
// 600 pixels wide. Null when the platform refuses.
HWND CreateColumnTooltip(HWND list);
// A tool of `tip` over `window` (TTF_SUBCLASS), showing `text` or asking for it
// (LPSTR_TEXTCALLBACKW); the tooltip keeps the pointer.
void AddColumnTool(HWND tip, HWND window, UINT_PTR id, wchar_t* text);
// Moves the tools over the column's header item (a tool of the header) and its cells (a tool
// of the list: below the header, at the same x less the list's horizontal scroll); a tool id
// of 0 is left out. Nothing when the column has no header item.
void FitColumnTools(HWND tip, HWND list, int column, UINT_PTR headerTool, UINT_PTR cellsTool);

class CColumnTip {
 public:
  // Creates the tooltip, owned by the list's dialog, for `column` of `list`.
  void Attach(HWND list, int column, std::wstring text);
  // Follows the column after the list was resized or its columns were resized.
  void Fit();
  bool Attached() const { return tip_ != nullptr; }

 private:
  HWND list_ = nullptr;
  HWND tip_ = nullptr;
  int column_ = 0;
  std::wstring text_;  // the tooltip keeps a pointer to it
};

}  // namespace scrv
