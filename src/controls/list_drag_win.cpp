#include "controls/list_drag_win.h"

#include <commctrl.h>

#include <cstdint>
#include <cstring>

namespace scrv {

CLIPFORMAT ListDragFormat() {
  static const CLIPFORMAT format =
      static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"VeltranixListFormat"));
  return format;
}

HWND ReadListDragSource(IDataObject* data) {
  if (!data) return nullptr;
  FORMATETC fe = {ListDragFormat(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  if (FAILED(data->GetData(&fe, &medium))) return nullptr;
  HWND source = nullptr;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal && GlobalSize(medium.hGlobal) >= 8) {
    if (const void* p = GlobalLock(medium.hGlobal)) {
      uint64_t handle = 0;
      std::memcpy(&handle, p, sizeof handle);
      source = reinterpret_cast<HWND>(static_cast<uintptr_t>(handle));
      GlobalUnlock(medium.hGlobal);
    }
  }
  ReleaseStgMedium(&medium);
  return source;
}

CListDataObject::CListDataObject(HWND source)
    : CFormatDataObject({ListDragFormat()}), source_(source) {}

HGLOBAL CListDataObject::Render(CLIPFORMAT) const {
  uint64_t handle = reinterpret_cast<uintptr_t>(source_);
  return NewMovableBlock(&handle, sizeof handle);
}

HRESULT CListDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
  if (escapePressed) return DRAGDROP_S_CANCEL;
  if (!(keyState & MK_LBUTTON)) return DRAGDROP_S_DROP;
  return S_OK;
}

HRESULT CListDropSource::GiveFeedback(DWORD) {
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

InsertMark ListInsertMarkAt(HWND list, POINT screen) {
  POINT pt = screen;
  ScreenToClient(list, &pt);
  int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  auto hitTest = [list](POINT p) {
    LVHITTESTINFO hti = {};
    hti.pt = p;
    int item = static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hti)));
    return (hti.flags & LVHT_ONITEM) ? item : -1;
  };
  auto bounds = [list](int item) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(item),
                      reinterpret_cast<LPARAM>(&r)))
      SetRectEmpty(&r);
    return r;
  };
  int hit = hitTest(pt);
  int lower = -1;
  if (hit >= 0) {
    RECT r = bounds(hit);
    lower = hitTest({pt.x, pt.y + (r.bottom - r.top) / 2});
  }
  bool below = count > 0 && pt.y >= bounds(count - 1).bottom;
  return ComputeInsertMark(count, hit, lower, below);
}

CDropTargetList::CDropTargetList(HWND list, ListMoveCallback move, void* context)
    : CComObject<IDropTarget>(IID_IDropTarget),
      list_(list),
      format_(ListDragFormat()),
      move_(move),
      context_(context) {}

void CDropTargetList::ShowMark(const InsertMark& mark) {
  mark_ = mark;
  LVINSERTMARK im = {sizeof im, mark.after ? static_cast<DWORD>(LVIM_AFTER) : 0u, mark.item, 0};
  SendMessageW(list_, LVM_SETINSERTMARK, 0, reinterpret_cast<LPARAM>(&im));
}

HRESULT CDropTargetList::DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) {
  accepted_ = data && list_ && ReadListDragSource(data) == list_;
  return DragOver(keyState, pt, effect);
}

HRESULT CDropTargetList::DragOver(DWORD, POINTL pt, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  if (!accepted_) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  ShowMark(ListInsertMarkAt(list_, {pt.x, pt.y}));
  *effect = (*effect & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT CDropTargetList::DragLeave() {
  accepted_ = false;
  ShowMark({});
  return S_OK;
}

HRESULT CDropTargetList::Drop(IDataObject* data, DWORD, POINTL pt, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  DWORD result = DROPEFFECT_NONE;
  if (accepted_ && ReadListDragSource(data) == list_ && (*effect & DROPEFFECT_MOVE)) {
    std::optional<int> target = DropTargetRow(ListInsertMarkAt(list_, {pt.x, pt.y}));
    if (target && move_) {
      move_(context_, *target);
      result = DROPEFFECT_MOVE;
    }
  }
  ShowMark({});
  accepted_ = false;
  *effect = result;
  return S_OK;
}

}  // namespace scrv
