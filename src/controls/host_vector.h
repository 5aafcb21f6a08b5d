#pragma once
// The host's sequences as they lie in its memory: a descriptor of three pointers (first element,
// one past the last, end of reserved storage) over elements of a fixed size. Key lists, lists of
// strings and the code-page list all arrive this way, and all are checked by the one rule below
// before a byte of them is read.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace scrv {

// The descriptor, as it lies in the host's memory.
struct HostVectorHeader {
  const void* first = nullptr;
  const void* last = nullptr;
  const void* end = nullptr;
};
static_assert(sizeof(HostVectorHeader) == 3 * sizeof(void*));

enum class HostVectorError {
  kNone,
  kNullDescriptor,
  kBadPointers,  // a null pointer beside a non-null one, out of order, or misaligned
  kBadExtent,    // not a whole number of elements, or more than the caller's limit
};

struct HostVectorExtent {
  uintptr_t first = 0;       // 0 for a sequence that never reserved storage
  size_t count = 0;          // elements in use
  size_t storageBytes = 0;   // bytes from the first element to the end of the storage
};

// The extent of the sequence at `descriptor`, or nullopt (with the reason when asked) for a
// layout that cannot be one. An all-null descriptor is an empty sequence.
std::optional<HostVectorExtent> ReadHostVector(const void* descriptor, size_t elementSize,
                                               size_t elementAlign, size_t maxCount,
                                               HostVectorError* error = nullptr);

}  // namespace scrv
