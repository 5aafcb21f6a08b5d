#include "integration/multi_language_win.h"

#include <mlang.h>

namespace scrv {
namespace {

// The interface identifier of IMultiLanguage2, which the import libraries do not carry.
constexpr IID kIidMultiLanguage2 = {
    0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};

// Code pages asked from the enumerator at a time.
constexpr ULONG kBatch = 32;

// The service's class object, taken from the system's library once per process. Created
// through COM, every open of the dialog would look the class up in the registry and load the
// library again (COM frees it when the thread's COM ends with the dialog). The library stays
// loaded with its class object for as long as the process runs.
IClassFactory* ServiceClass() {
  static IClassFactory* const factory = []() -> IClassFactory* {
    HMODULE library = LoadLibraryExW(L"mlang.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) return nullptr;
    using GetClassObjectFn = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto getClassObject = reinterpret_cast<GetClassObjectFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    void* object = nullptr;
    if (!getClassObject ||
        FAILED(getClassObject(CLSID_CMultiLanguage, IID_IClassFactory, &object)) || !object) {
      FreeLibrary(library);
      return nullptr;
    }
    return static_cast<IClassFactory*>(object);
  }();
  return factory;
}

}  // namespace

MultiLanguage::MultiLanguage() : language_(GetUserDefaultUILanguage()) {
  void* service = nullptr;
  IClassFactory* factory = ServiceClass();
  if (factory && SUCCEEDED(factory->CreateInstance(nullptr, kIidMultiLanguage2, &service)) &&
      service) {
    service_ = static_cast<IMultiLanguage2*>(service);
    return;
  }
  // Where the library cannot give the class itself, COM finds it.
  service = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER,
                                 kIidMultiLanguage2, &service)))
    service_ = static_cast<IMultiLanguage2*>(service);
}

MultiLanguage::~MultiLanguage() {
  if (service_) service_->Release();
}

std::vector<CodePageInfo> MultiLanguage::Enumerate() {
  enumerated_.clear();
  if (!service_) return enumerated_;
  IEnumCodePage* pages = nullptr;
  if (FAILED(service_->EnumCodePages(MIMECONTF_VALID, language_, &pages)) || !pages)
    return enumerated_;
  MIMECPINFO batch[kBatch];
  ULONG got = 0;
  while (SUCCEEDED(pages->Next(kBatch, batch, &got)) && got > 0) {
    for (ULONG i = 0; i < got && i < kBatch; ++i)
      enumerated_.push_back({batch[i].uiCodePage, batch[i].uiFamilyCodePage, batch[i].bGDICharset});
    if (got < kBatch) break;
  }
  pages->Release();
  return enumerated_;
}

std::wstring MultiLanguage::Description(uint16_t codePage) {
  if (!service_) return {};
  wchar_t text[MAX_MIMECP_NAME] = {};
  if (FAILED(service_->GetCodePageDescription(codePage, MAKELCID(language_, SORT_DEFAULT), text,
                                              MAX_MIMECP_NAME)))
    return {};
  text[MAX_MIMECP_NAME - 1] = L'\0';
  return text;
}

std::optional<uint8_t> MultiLanguage::Charset(uint16_t codePage) const {
  for (const CodePageInfo& info : enumerated_)
    if (info.codePage == codePage) return info.gdiCharset;
  return std::nullopt;
}

}  // namespace scrv
