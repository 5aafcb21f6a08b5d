#pragma once
// OLE drag and drop for reordering the rows of a list view: a drag may only be dropped on the
// list it started in. The data carries the source list's window handle in the registered
// format "VeltranixListFormat".

#include <windows.h>

#include <ole2.h>

#include "controls/ole_object_win.h"
#include "controls/row_moves.h"

namespace scrv {

// The registered clipboard format of list drags.
CLIPFORMAT ListDragFormat();

// The source list of a list drag, or null when `data` holds no list drag.
HWND ReadListDragSource(IDataObject* data);

// The data of a list drag: an 8-byte block with the source list's window handle.
class CListDataObject : public CFormatDataObject {
 public:
  explicit CListDataObject(HWND source);

 protected:
  HGLOBAL Render(CLIPFORMAT format) const override;

 private:
  HWND source_;
};

// Drops when the left button comes up, cancels on Escape, default cursors.
class CListDropSource : public CComObject<IDropSource> {
 public:
  CListDropSource() : CComObject<IDropSource>(IID_IDropSource) {}
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;
};

// Called on a drop with the target row (-1: before the first row); it moves the selected
// rows there (see MoveSelectedRowsTo).
using ListMoveCallback = void (*)(void* context, int target);

// The drop target of a list view: accepts only drags from the same list, shows the insertion
// mark while dragging and moves the selection through the callback on the drop.
class CDropTargetList : public CComObject<IDropTarget> {
 public:
  CDropTargetList(HWND list, ListMoveCallback move, void* context);

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL pt,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL pt, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL pt,
                                 DWORD* effect) override;

  // The mark last shown (no item while nothing is accepted).
  InsertMark CurrentMark() const { return mark_; }

 private:
  void ShowMark(const InsertMark& mark);

  HWND list_;
  CLIPFORMAT format_;
  bool accepted_ = false;
  InsertMark mark_;
  ListMoveCallback move_;
  void* context_;
};

// Where the insertion mark of `list` goes for a cursor at `screen` coordinates.
InsertMark ListInsertMarkAt(HWND list, POINT screen);

}  // namespace scrv
