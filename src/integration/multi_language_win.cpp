#include "integration/multi_language_win.h"

#include <mlang.h>

namespace scrv {
namespace {

// The interface identifier of IMultiLanguage2, which the import libraries do not carry.
constexpr IID kIidMultiLanguage2 = {
    0xDCCFC164, 0x2B38, 0x11D2, {0xB7, 0xEC, 0x00, 0xC0, 0x4F, 0x8F, 0x5D, 0x9A}};

// Code pages asked from the enumerator at a time.
constexpr ULONG kBatch = 32;

}  // namespace

MultiLanguage::MultiLanguage() : language_(GetUserDefaultUILanguage()) {
  void* service = nullptr;
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
