#pragma once
// CEditDD: a single-line edit control of a dialog, subclassed so that its selected text can be
// dragged out and text can be dropped into it with OLE drag and drop, with word deletion on
// Ctrl+Delete and Ctrl+Backspace and Ctrl+A to select everything.
//
// Use: a member of the dialog, attached in WM_INITDIALOG with SubclassWindow(GetDlgItem(id)).
// Drops need OLE on the thread (the host initialises it); without it the control works as a
// plain edit with the keys above.

#include <windows.h>

#include "controls/text_drag_win.h"
#include "controls/text_range.h"
#include "frame/subclass_win.h"

namespace scrv {

class CEditDD : public CSubclassedWindow {
 public:
  CEditDD() = default;
  ~CEditDD() override;

  // Whether a drop from another window replaces the whole text when no key says otherwise
  // (Alt replaces, Ctrl or Shift insert).
  bool replaceByDefault = false;

  // Subclasses the edit and registers its drop target; false when the edit cannot be
  // subclassed. A failed registration leaves the control without drop support.
  bool SubclassWindow(HWND edit);
  bool DropTargetRegistered() const { return registered_; }
  // The control's drop target (null before subclassing and after destruction): a window that
  // forwards drags to the edit, or a test, drives it directly.
  CDropTargetText* DropTarget() const { return target_; }

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

 private:
  TextRange Selection() const;
  // The character position under a point in client coordinates.
  size_t CharAt(POINT client) const;
  POINT DragPoint() const;  // the drag's cursor position, client coordinates
  bool OnSelection(POINT client) const;
  void ReplaceRange(TextRange range, const wchar_t* text);

  bool OnLButtonDown(LPARAM lParam);
  void OnDragOver(DWORD keyState, DWORD* effect);
  void OnDrop(DWORD effect, const wchar_t* text);
  bool OnKeyDown(WPARAM key);
  void DeleteWord(bool forward);
  void ReleaseDropTarget();

  CDropTargetText* target_ = nullptr;
  bool registered_ = false;
  long dragStart_ = -1;  // the selection when a drag out started; -1 when none
  long dragEnd_ = -1;
  bool draggingOut_ = false;
  bool droppedHere_ = false;  // the current drag out was dropped back into this control
  bool replaceNext_ = false;  // the next drop replaces the whole text
};

}  // namespace scrv
