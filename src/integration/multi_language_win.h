#pragma once
// The system's multi-language service as the code page dialog uses it: the code pages it
// knows for the user's interface language, and their descriptions. Needs COM on the thread.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "integration/code_pages.h"

struct IMultiLanguage2;

namespace scrv {

class MultiLanguage {
 public:
  // Creates the service; Valid() tells whether that worked.
  MultiLanguage();
  ~MultiLanguage();
  MultiLanguage(const MultiLanguage&) = delete;
  MultiLanguage& operator=(const MultiLanguage&) = delete;

  bool Valid() const { return service_ != nullptr; }
  // Every code page enumerated as valid, in the service's order (empty without the service).
  std::vector<CodePageInfo> Enumerate();
  // The service's description of a code page in the user's interface language; empty when it
  // has none.
  std::wstring Description(uint16_t codePage);
  // The GDI character set the enumeration gave a code page, if it gave one.
  std::optional<uint8_t> Charset(uint16_t codePage) const;

 private:
  IMultiLanguage2* service_ = nullptr;
  LANGID language_;
  std::vector<CodePageInfo> enumerated_;
};

}  // namespace scrv
