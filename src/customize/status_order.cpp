#include "customize/status_order.h"

#include <algorithm>

namespace scrv {

StatusOrder IdentityStatusOrder() {
  StatusOrder order{};
  for (uint32_t k = 0; k < kStatusItemCount; ++k) order[k] = k;
  return order;
}

StatusOrder StatusOrderFrom(std::span<const uint8_t> stored) {
  StatusOrder order = IdentityStatusOrder();
  const size_t n = std::min(stored.size() / 4, kStatusItemCount);
  for (size_t k = 0; k < n; ++k)
    order[k] = uint32_t{stored[4 * k]} | uint32_t{stored[4 * k + 1]} << 8 |
               uint32_t{stored[4 * k + 2]} << 16 | uint32_t{stored[4 * k + 3]} << 24;
  return order;
}

StatusOrderBytes StatusOrderToBytes(const StatusOrder& order) {
  StatusOrderBytes bytes{};
  for (size_t k = 0; k < kStatusItemCount; ++k)
    for (size_t b = 0; b < 4; ++b) bytes[4 * k + b] = static_cast<uint8_t>(order[k] >> (8 * b));
  return bytes;
}

bool StatusOrderValid(const StatusOrder& order) {
  uint32_t seen = 0;
  for (size_t p = 1; p < kStatusItemCount; ++p) {
    const uint32_t id = order[p];
    if (id < 1 || id >= kStatusItemCount || (seen & (1u << id))) return false;
    seen |= 1u << id;
  }
  return true;
}

uint32_t StatusShowBits(const StatusOrder& order, std::span<const bool> shown) {
  uint32_t bits = 1;
  for (size_t p = 0; p < shown.size() && p + 1 < kStatusItemCount; ++p)
    if (shown[p] && order[p + 1] < 32) bits |= 1u << order[p + 1];
  return bits;
}

}  // namespace scrv
