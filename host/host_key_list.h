#pragma once
// The editor's list of sort keys as it hands it to the library: a descriptor of three pointers
// (first element, one past the last, end of storage) over 8-byte keys.

#include <cstdint>
#include <vector>

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
