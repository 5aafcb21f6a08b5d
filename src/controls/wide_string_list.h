#pragma once
// The host's list of UTF-16 strings, read in place: a descriptor of three pointers (first
// element, one past the last, end of storage) over 32-byte elements. An element keeps a text
// of capacity below 8 units inline in its first 16 bytes, a longer one behind the pointer in
// its first 8 bytes; then come the length and the capacity in units, unsigned 64-bit each.
// The library only reads such lists; the builder lays one out for the host stand-in and tests.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace scrv {

constexpr size_t kWideStringElementSize = 32;
constexpr size_t kWideStringInlineCapacity = 8;  // capacities below this are kept inline

// Limits beyond which a list is taken for garbage rather than read.
constexpr size_t kWideStringListMaxCount = size_t{1} << 20;
constexpr size_t kWideStringMaxLength = size_t{1} << 24;
constexpr size_t kWideStringListMaxTotal = size_t{1} << 26;  // units over all elements

enum class WideListError {
  kNone,
  kNullDescriptor,
  kBadPointers,  // a null pointer beside a non-null one, end before begin, storage end before end
  kBadExtent,    // not a whole number of elements, or too many
  kNullText,     // an element kept out of line without a text pointer
  kBadLength,    // a length above the capacity or above the limits
};

// Every string of the list at `descriptor`, or nullopt (with the reason when asked) for a
// layout that cannot be a list. An all-null descriptor is an empty list.
std::optional<std::vector<std::u16string>> ReadWideStringList(const void* descriptor,
                                                              WideListError* error = nullptr);

// Lays strings out exactly as the host does, in memory it owns; Descriptor() is what the host
// passes. The builder must outlive every use of the descriptor.
class WideStringListBuilder {
 public:
  explicit WideStringListBuilder(const std::vector<std::u16string>& items);
  WideStringListBuilder(const WideStringListBuilder&) = delete;
  WideStringListBuilder& operator=(const WideStringListBuilder&) = delete;
  const void* Descriptor() const { return descriptor_; }
  // The element area, for tests that corrupt a list on purpose.
  uint8_t* Elements() { return elements_.data(); }

 private:
  std::vector<uint8_t> elements_;
  std::vector<std::unique_ptr<char16_t[]>> texts_;
  const void* descriptor_[3] = {nullptr, nullptr, nullptr};
};

}  // namespace scrv
