#include "controls/ole_object_win.h"

#include <shlobj.h>

#include <cstring>

namespace scrv {

HGLOBAL NewMovableBlock(const void* data, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
  if (!block) return nullptr;
  void* p = GlobalLock(block);
  if (!p) {
    GlobalFree(block);
    return nullptr;
  }
  if (size) std::memcpy(p, data, size);
  GlobalUnlock(block);
  return block;
}

CFormatDataObject::CFormatDataObject(std::vector<CLIPFORMAT> formats)
    : CComObject<IDataObject>(IID_IDataObject), formats_(std::move(formats)) {}

bool CFormatDataObject::Offers(const FORMATETC* f) const {
  if (!f || f->dwAspect != DVASPECT_CONTENT || !(f->tymed & TYMED_HGLOBAL)) return false;
  for (CLIPFORMAT c : formats_)
    if (c == f->cfFormat) return true;
  return false;
}

HRESULT CFormatDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!medium) return E_POINTER;
  if (!Offers(format)) return DV_E_FORMATETC;
  HGLOBAL block = Render(format->cfFormat);
  if (!block) return E_OUTOFMEMORY;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = block;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT CFormatDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) {
  return DV_E_FORMATETC;
}

HRESULT CFormatDataObject::QueryGetData(FORMATETC* format) {
  return Offers(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT CFormatDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT CFormatDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) {
  return E_NOTIMPL;
}

HRESULT CFormatDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  std::vector<FORMATETC> list;
  for (CLIPFORMAT c : formats_) list.push_back({c, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
  return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), out);
}

HRESULT CFormatDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CFormatDataObject::DUnadvise(DWORD) {
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT CFormatDataObject::EnumDAdvise(IEnumSTATDATA**) {
  return OLE_E_ADVISENOTSUPPORTED;
}

}  // namespace scrv
