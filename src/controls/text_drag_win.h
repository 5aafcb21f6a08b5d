#pragma once
// OLE drag and drop of text into and out of edit controls: the dragged text offered as
// Unicode and ANSI text, a drop source that drops only where an effect was offered, and the
// drop target of an edit window, which leaves every decision to that window through two
// private messages.

#include <windows.h>

#include <ole2.h>

#include <string>

#include "controls/ole_object_win.h"
#include "frame/library_messages_win.h"

namespace scrv {

// The dragged text, as CF_UNICODETEXT (first) and CF_TEXT in the system code page.
class CTextDataObject : public CFormatDataObject {
 public:
  explicit CTextDataObject(std::wstring text);

 protected:
  HGLOBAL Render(CLIPFORMAT format) const override;

 private:
  std::wstring text_;
};

// Records the effect last offered; on release of the left button drops only when that effect
// was not none, else cancels; Escape cancels.
class CTextDropSource : public CComObject<IDropSource> {
 public:
  CTextDropSource() : CComObject<IDropSource>(IID_IDropSource) {}
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

 private:
  DWORD lastEffect_ = DROPEFFECT_NONE;
};

// The drop target of an edit window: takes Unicode text, else ANSI text (converted with the
// system code page), and asks the window for the effect (SLM_TEXT_DRAGOVER) and to take the
// text (SLM_TEXT_DROP).
class CDropTargetText : public CComObject<IDropTarget> {
 public:
  explicit CDropTargetText(HWND edit);

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL pt,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL pt, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL pt,
                                 DWORD* effect) override;

  // The cursor position (screen coordinates) of the last drag event, for the window to find
  // the character under it.
  POINT LastPoint() const { return last_; }

 private:
  DWORD AskEffect(DWORD keyState, DWORD allowed);

  HWND edit_;
  CLIPFORMAT format_ = 0;  // the format the data is taken in; 0 when none fits
  POINT last_ = {0, 0};
};

// The text of `data` in `format` (CF_UNICODETEXT or CF_TEXT, the latter converted with the
// system code page); read no further than the block's size. False when it cannot be had.
bool ReadDroppedText(IDataObject* data, CLIPFORMAT format, std::wstring& text);

}  // namespace scrv
