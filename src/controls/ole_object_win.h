#pragma once
// The common part of the module's small COM objects: a reference count that starts at 1 and
// deletes the object when it drops to 0, and a data object that serves a fixed list of
// formats as movable memory blocks.

#include <windows.h>

#include <ole2.h>

#include <vector>

namespace scrv {

// `I` is the one interface the object implements besides IUnknown.
template <class I>
class CComObject : public I {
 public:
  explicit CComObject(const IID& iid) : iid_(iid) {}
  CComObject(const CComObject&) = delete;
  CComObject& operator=(const CComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, iid_)) {
      *out = static_cast<I*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete this;
    return static_cast<ULONG>(n);
  }

 protected:
  virtual ~CComObject() = default;

 private:
  const IID& iid_;
  LONG refs_ = 1;
};

// A data object of `TYMED_HGLOBAL` formats in the content aspect. `Render` makes a new block
// for one of them (null when memory runs out). Getting data into a caller's block, setting
// data and advise sinks are not supported.
class CFormatDataObject : public CComObject<IDataObject> {
 public:
  explicit CFormatDataObject(std::vector<CLIPFORMAT> formats);

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                    DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

 protected:
  virtual HGLOBAL Render(CLIPFORMAT format) const = 0;

 private:
  bool Offers(const FORMATETC* format) const;
  std::vector<CLIPFORMAT> formats_;
};

// A new movable block holding `size` bytes copied from `data`; null when it cannot be had.
HGLOBAL NewMovableBlock(const void* data, size_t size);

}  // namespace scrv
