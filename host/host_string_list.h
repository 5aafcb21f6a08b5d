#pragma once
// The host's vector of wide strings, laid out in memory as the editor keeps it: three pointers
// (first element, one past the last, end of storage) over 32-byte elements, each holding a
// short text inline (capacity below 8 units) or a pointer to a longer one, then the length and
// the capacity in units.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

class HostStringList {
 public:
  explicit HostStringList(const std::vector<std::wstring>& items) {
    elements_.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      Element& e = elements_[i];
      const std::wstring& s = items[i];
      e.length = s.size();
      if (s.size() < 8) {
        e.capacity = 7;
        std::memcpy(e.text.inline_, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
      } else {
        e.capacity = s.size() | 7;  // the host rounds its capacities up
        texts_.push_back(std::make_unique<wchar_t[]>(e.capacity + 1));
        std::memcpy(texts_.back().get(), s.c_str(), (s.size() + 1) * sizeof(wchar_t));
        e.text.pointer = texts_.back().get();
      }
    }
    Element* first = elements_.empty() ? nullptr : elements_.data();
    descriptor_[0] = first;
    descriptor_[1] = first ? first + elements_.size() : nullptr;
    descriptor_[2] = descriptor_[1];
  }
  HostStringList(const HostStringList&) = delete;
  HostStringList& operator=(const HostStringList&) = delete;
  const void* Descriptor() const { return descriptor_; }

 private:
  struct Element {
    union {
      wchar_t inline_[8];
      wchar_t* pointer;
    } text = {};
    uint64_t length = 0;
    uint64_t capacity = 0;
  };
  static_assert(sizeof(Element) == 32);
  std::vector<Element> elements_;
  std::vector<std::unique_ptr<wchar_t[]>> texts_;
  const void* descriptor_[3] = {nullptr, nullptr, nullptr};
};
