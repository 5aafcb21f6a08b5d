#include "tools/host_names.h"

#include <new>

namespace scrv {

uint64_t ColumnNamesWParam(uint32_t document, size_t count) {
  return (uint64_t{document & 0xFFFF} << 16) | (count & 0xFFFF);
}

std::vector<std::u16string> ParseHostNameSlots(const char16_t* buffer, size_t units, size_t count) {
  std::vector<std::u16string> names;
  if (!buffer) return names;
  size_t slots = units / kHostNameSlotUnits;
  if (count > slots) count = slots;
  names.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const char16_t* slot = buffer + i * kHostNameSlotUnits;
    size_t n = 0;
    while (n < kHostNameSlotUnits - 1 && slot[n] != 0) ++n;
    names.emplace_back(slot, n);
  }
  return names;
}

std::vector<std::u16string> RequestHostNames(const HostNameSender& send) {
  intptr_t answer = send(0, nullptr);
  if (answer <= 0 || static_cast<uintptr_t>(answer) > kMaxHostNames) return {};
  auto count = static_cast<size_t>(answer);
  try {
    // Zeroed, so a slot the host leaves alone reads as an empty name.
    std::vector<char16_t> buffer(count * kHostNameSlotUnits, u'\0');
    if (send(count, buffer.data()) == 0) return {};
    return ParseHostNameSlots(buffer.data(), buffer.size(), count);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace scrv
