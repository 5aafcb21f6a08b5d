#pragma once
// The drop target of the menus dialog's tree: it accepts only list drags that started in this
// very tree and leaves every decision to the tree's dialog through three private messages.

#include <windows.h>

#include <ole2.h>

#include "controls/ole_object_win.h"
#include "frame/library_messages_win.h"

namespace scrv {

class CMenuDropTarget : public CComObject<IDropTarget> {
 public:
  explicit CMenuDropTarget(HWND tree);

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL pt,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL pt, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL pt,
                                 DWORD* effect) override;

  // Where the cursor was at the last call, in screen coordinates: what the parent's answers go
  // by.
  POINT LastPoint() const { return point_; }

 private:
  // Asks the parent for the effect; none while the drag is not accepted.
  void AskEffect(DWORD keyState, DWORD* effect) const;

  HWND tree_;
  CLIPFORMAT format_;
  CLIPFORMAT accepted_ = 0;
  POINT point_ = {};
};

}  // namespace scrv
