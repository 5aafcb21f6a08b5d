#pragma once
// The editor's own containers as it hands them to the library: a list of wide strings and a
// list of sort keys, each a descriptor of three pointers (first element, one past the last,
// end of storage) over its elements.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// A wide string element: the text inline in the first 16 bytes while its capacity is below 8
// units, else a pointer to it; then the length and the capacity in units.
class HostStringList {
 public:
  explicit HostStringList(const std::vector<std::wstring>& items) {
    elements_.assign(items.size() * 32, 0);
    for (size_t i = 0; i < items.size(); ++i) {
      uint8_t* e = elements_.data() + i * 32;
      const std::wstring& s = items[i];
      uint64_t length = s.size();
      uint64_t capacity = length < 8 ? 7 : length;
      if (capacity < 8) {
        std::memcpy(e, s.c_str(), (length + 1) * sizeof(wchar_t));
      } else {
        texts_.push_back(std::make_unique<wchar_t[]>(capacity + 1));
        std::memcpy(texts_.back().get(), s.c_str(), (length + 1) * sizeof(wchar_t));
        const wchar_t* p = texts_.back().get();
        std::memcpy(e, &p, sizeof p);
      }
      std::memcpy(e + 16, &length, 8);
      std::memcpy(e + 24, &capacity, 8);
    }
    uint8_t* first = elements_.empty() ? nullptr : elements_.data();
    descriptor_[0] = first;
    descriptor_[1] = first ? first + elements_.size() : nullptr;
    descriptor_[2] = descriptor_[1];
  }
  HostStringList(const HostStringList&) = delete;
  HostStringList& operator=(const HostStringList&) = delete;
  const void* Descriptor() const { return descriptor_; }

 private:
  std::vector<uint8_t> elements_;
  std::vector<std::unique_ptr<wchar_t[]>> texts_;
  const void* descriptor_[3] = {};
};

// A sort key: the column (signed) and its flags; bit 26 means the key takes part.
struct HostKey {
  int32_t column;
  uint32_t flags;
};

class HostKeyList {
 public:
  explicit HostKeyList(std::vector<HostKey> keys) : keys_(std::move(keys)) {
    keys_.reserve(keys_.size() + 4);  // the editor's vectors keep spare room
    HostKey* first = keys_.empty() ? nullptr : keys_.data();
    descriptor_[0] = first;
    descriptor_[1] = first ? first + keys_.size() : nullptr;
    descriptor_[2] = first ? first + keys_.capacity() : nullptr;
  }
  HostKeyList(const HostKeyList&) = delete;
  HostKeyList& operator=(const HostKeyList&) = delete;
  void* Descriptor() { return descriptor_; }
  const std::vector<HostKey>& Keys() const { return keys_; }

 private:
  std::vector<HostKey> keys_;
  void* descriptor_[3] = {};
};
