#pragma once
// What the dialog base does once to every control of a dialog, page or sheet, so that a dialog
// gets it without asking:
//   - a numeric edit (ES_NUMBER) refuses pasted text that holds anything but digits, as it
//     refuses typed ones;
//   - a disabled list view shows the face and grey text, not the colours of a list taking input;
//   - in the dark theme every control paints dark: push buttons, check boxes, radio buttons,
//     group boxes and the drop-down button of combo boxes are drawn here, list-view headers and
//     tab controls are painted here, labels take the face colours the parent hands out
//     (DarkFace), lists and trees take the dark list colours; disabled, each looks disabled;
//   - in high contrast every control drops its visual style for the classic look in the system
//     colours, and group boxes, check boxes and radio buttons are painted here in them (a visual
//     style the platform keeps all the same would draw light boxes on any scheme).

#include <windows.h>

#include <functional>

namespace scrv {

// Prepares every child of `parent` (and the children of a list view: its header). Call once the
// controls exist; calling it again for the same controls does no harm.
void PrepareControls(HWND parent, bool dark);
// The same for a dialog made from template `templateId` of the localisation module: in the
// light theme only numeric edits and list views need anything, and the controls the template
// declares as such are found through `lookup` (the dialog's own, which keeps the handles for
// the dialog's use), where a search by class costs a round trip to the window system per
// control found and one more per class. Otherwise as PrepareControls.
void PrepareDialogControls(HWND dialog, UINT templateId, bool dark,
                           const std::function<HWND(int)>& lookup);

// NM_CUSTOMDRAW of a list view, tree or slider in the dark theme, for a parent whose own
// handlers left it: a selected row or item of a list or tree without the focus is shown dark
// instead of in the light face colour; a slider's channel and thumb are drawn dark, dimmed when
// disabled.
// True when handled, with `result` set.
bool DarkCustomDraw(NMHDR& header, LRESULT& result);

// The body of a push button in the dark theme over `rect`: pushed or not, framed in the accent
// colour (the default button) or the border colour. For a button a dialog draws itself.
void DrawDarkButtonFace(HDC dc, const RECT& rect, bool pushed, bool accent);

// What a check box drawn by DrawCheckSquare shows.
enum class BoxMark { kNone, kChecked, kMixed };
// A check box's square over `box` with its mark (a tick, or a smaller square for the mixed
// state), as the dark check boxes are drawn: the dark colours, dimmed when disabled, the pressed
// fill when `pushed`; in the system's window colours when `system` (high contrast). For boxes a
// control draws itself, such as a list's state images.
void DrawCheckSquare(HDC dc, const RECT& box, BoxMark mark, bool enabled, bool pushed, int dpi,
                     bool system = false);

// A tooltip the library makes: in the dark theme its classic look in the dark colours (a
// visual style would keep it light); as it is otherwise.
void PrepareTooltip(HWND tip);

// Asks the window manager for a dark caption and frame where it offers them (a top-level window
// in the dark theme); nothing where it does not.
void DarkenCaption(HWND window);

// Draws the size grip in the dark theme's colours into `rect`.
void PaintDarkGrip(HDC dc, const RECT& rect);

// The colours a dark parent hands out for its face and for the controls that ask it (every
// WM_CTLCOLOR* message): edits and lists take the dark edit colours, also a read-only or
// disabled edit, which asks with WM_CTLCOLORSTATIC; everything else the face colours. The brushes
// are made on first use and live as long as the object.
class DarkFace {
 public:
  DarkFace() = default;
  DarkFace(const DarkFace&) = delete;
  DarkFace& operator=(const DarkFace&) = delete;
  ~DarkFace();

  // True when `msg` is one of those messages; `result` is then the brush.
  bool OnCtlColor(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Fills `rect` of `dc` with the face colour.
  void Fill(HDC dc, const RECT& rect);

 private:
  HBRUSH face_ = nullptr;
  HBRUSH edit_ = nullptr;
};

}  // namespace scrv
