#include "menus/menu_drop_target_win.h"

#include "controls/list_drag_win.h"

namespace scrv {

CMenuDropTarget::CMenuDropTarget(HWND tree)
    : CComObject<IDropTarget>(IID_IDropTarget), tree_(tree), format_(ListDragFormat()) {}

void CMenuDropTarget::AskEffect(DWORD keyState, DWORD* effect) const {
  if (!accepted_) {
    *effect = DROPEFFECT_NONE;
    return;
  }
  SendMessageW(GetParent(tree_), SLM_MENU_TREE_DRAGOVER, keyState,
               reinterpret_cast<LPARAM>(effect));
}

HRESULT CMenuDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  point_ = {pt.x, pt.y};
  accepted_ = data && tree_ && ReadListDragSource(data) == tree_ ? format_ : 0;
  AskEffect(keyState, effect);
  return S_OK;
}

HRESULT CMenuDropTarget::DragOver(DWORD keyState, POINTL pt, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  point_ = {pt.x, pt.y};
  AskEffect(keyState, effect);
  return S_OK;
}

HRESULT CMenuDropTarget::DragLeave() {
  accepted_ = 0;
  SendMessageW(GetParent(tree_), SLM_MENU_TREE_DRAGLEAVE, 0, 0);
  return S_OK;
}

HRESULT CMenuDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  point_ = {pt.x, pt.y};
  AskEffect(keyState, effect);
  if (*effect != DROPEFFECT_NONE && ReadListDragSource(data) == tree_) {
    if (!SendMessageW(GetParent(tree_), SLM_MENU_TREE_DROP, *effect, 0)) *effect = DROPEFFECT_NONE;
  } else {
    *effect = DROPEFFECT_NONE;
    SendMessageW(GetParent(tree_), SLM_MENU_TREE_DRAGLEAVE, 0, 0);
  }
  accepted_ = 0;
  return S_OK;
}

}  // namespace scrv
