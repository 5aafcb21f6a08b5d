#pragma once
// The order of the status bar's items: entry 0 is the fixed first item, entries 1 to 17 the
// item identifiers in display order, stored as the 72-byte little-endian value
// "StatusOrderArray". The page's list shows entries 1 to 17; its moves swap entries, and its
// check marks become the show bits.

#include <array>
#include <cstdint>
#include <span>

namespace scrv {

constexpr size_t kStatusItemCount = 18;  // the fixed item and the 17 the user orders
constexpr size_t kStatusOrderBytes = kStatusItemCount * 4;
constexpr uint32_t kDefaultStatusShowBits = 2679;

using StatusOrder = std::array<uint32_t, kStatusItemCount>;
using StatusOrderBytes = std::array<uint8_t, kStatusOrderBytes>;

StatusOrder IdentityStatusOrder();
// The identity with the first min(size / 4, 18) entries of a stored value over it.
StatusOrder StatusOrderFrom(std::span<const uint8_t> stored);
StatusOrderBytes StatusOrderToBytes(const StatusOrder& order);
// Whether positions 1 to 17 hold every item 1 to 17 once.
bool StatusOrderValid(const StatusOrder& order);
// The show bits from the list's check marks in display order (`shown[p]` for list position p,
// the item order[p + 1]); bit 0 is always set.
uint32_t StatusShowBits(const StatusOrder& order, std::span<const bool> shown);

}  // namespace scrv
