#pragma once
// The editor's vector of wide strings as it hands one to the library: three pointers (first
// element, one past the last, end of storage) over 32-byte elements, each a 16-byte area with
// the text inline (capacity below 8 units) or a pointer to it, then the length and the
// capacity in UTF-16 units (unsigned 64-bit).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class HostStringList {
 public:
  explicit HostStringList(const std::vector<std::wstring>& items);
  HostStringList(const HostStringList&) = delete;
  HostStringList& operator=(const HostStringList&) = delete;
  // What the host passes to the export.
  const void* Descriptor() const { return descriptor_; }

 private:
  struct Element {
    union {
      wchar_t inline_[8];
      const wchar_t* pointer;
    } text;
    uint64_t length;
    uint64_t capacity;
  };
  static_assert(sizeof(Element) == 32);
  std::vector<Element> elements_;
  std::vector<std::unique_ptr<wchar_t[]>> texts_;
  const void* descriptor_[3] = {nullptr, nullptr, nullptr};
};
