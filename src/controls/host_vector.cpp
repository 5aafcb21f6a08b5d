#include "controls/host_vector.h"

#include <cstring>

namespace scrv {

std::optional<HostVectorExtent> ReadHostVector(const void* descriptor, size_t elementSize,
                                               size_t elementAlign, size_t maxCount,
                                               HostVectorError* error) {
  auto refuse = [&](HostVectorError why) -> std::optional<HostVectorExtent> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (error) *error = HostVectorError::kNone;
  if (!descriptor) return refuse(HostVectorError::kNullDescriptor);
  HostVectorHeader h;
  std::memcpy(&h, descriptor, sizeof h);
  const auto first = reinterpret_cast<uintptr_t>(h.first);
  const auto last = reinterpret_cast<uintptr_t>(h.last);
  const auto end = reinterpret_cast<uintptr_t>(h.end);
  if (!first && !last && !end) return HostVectorExtent{};  // never reserved anything
  if (!first || !last || !end || last < first || end < last || first % elementAlign)
    return refuse(HostVectorError::kBadPointers);
  const uintptr_t bytes = last - first;
  if (bytes % elementSize || bytes / elementSize > maxCount)
    return refuse(HostVectorError::kBadExtent);
  return HostVectorExtent{first, bytes / elementSize, end - first};
}

}  // namespace scrv
