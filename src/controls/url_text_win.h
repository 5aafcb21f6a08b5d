#pragma once
// CUrlText: a static text of a dialog turned into a hyperlink. Its window text is the address:
// drawn underlined in blue, with the hand cursor, it takes the keyboard focus with a focus
// rectangle and opens the address with the shell on a click, Space or Enter.
//
// How a dialog uses it:
//   1. A member `CUrlText link;`, and in WM_INITDIALOG `link.SubclassWindow(GetDlgItem(id))`
//      (the static needs SS_NOTIFY for clicks and WS_TABSTOP for the keyboard).
//   2. `AddParentHook(link)`: the dialog's WM_CTLCOLORSTATIC for the control then goes to it
//      as SLM_URLTEXT_COLORS, and the dialog answers what the control answers.

#include <windows.h>

#include <functional>

#include "frame/dialog_appearance_win.h"
#include "frame/subclass_win.h"
#include "frame/library_messages_win.h"

namespace scrv {

// The link's text colour (blue).
constexpr COLORREF kUrlTextColor = kLinkColor;

class CUrlText : public CSubclassedWindow, public ParentMessageHook {
 public:
  ~CUrlText() override;

  // What a click, Space or Enter does instead of opening the text with the shell.
  void SetOpener(std::function<void()> open) { opener_ = std::move(open); }

  // The dialog's WM_CTLCOLORSTATIC for this link, forwarded to it.
  bool OnParentMessage(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) override;

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  HFONT UnderlinedFont();
  void DeleteFont();
  // Opens the text with the shell; a failure shows the system's text for it.
  void Open();
  // The focus rectangle: as wide as the text in the underlined font, as high as the control.
  RECT FocusRect();
  // Repaints the link with the parent's background under it (the link draws transparently).
  void Repaint();

  HFONT font_ = nullptr;
  std::function<void()> opener_;
  bool focused_ = false;
};

}  // namespace scrv
