#pragma once
// A key list laid out as the host lays it out, for tests of the models that edit it in place.

#include <optional>
#include <vector>

#include "controls/key_list.h"

namespace scrv {

class HostKeyList {
 public:
  explicit HostKeyList(std::vector<KeyEntry> entries) : entries_(std::move(entries)) {
    entries_.reserve(entries_.size() + 2);  // spare storage, as a grown vector has
    header_.first = entries_.empty() ? nullptr : entries_.data();
    header_.last = entries_.empty() ? nullptr : entries_.data() + entries_.size();
    header_.end = entries_.empty() ? nullptr : entries_.data() + entries_.capacity();
  }
  HostKeyList(const HostKeyList&) = delete;
  HostKeyList& operator=(const HostKeyList&) = delete;

  const HostVectorHeader* Header() const { return &header_; }
  KeyList List() const { return KeyList::Attach(&header_).value(); }
  const KeyEntry& operator[](size_t i) const { return entries_[i]; }

 private:
  std::vector<KeyEntry> entries_;
  HostVectorHeader header_;
};

}  // namespace scrv
