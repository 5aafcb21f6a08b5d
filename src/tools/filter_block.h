#pragma once
// The condition block exchanged with the host: an array of fixed 20024-byte records in a movable
// memory block. The host hands one in with the current conditions and gets a new one back every
// time a filter is applied. The platform layer owns the memory; this file only reads and writes
// the bytes.
//
// Record layout (little-endian, packed):
//   0  u64  flags
//   8  i32  column
//   12 i32  range start (first number minus one, -1 open)
//   16 i32  range end (last number, -1 open)
//   20      text: UTF-16, zero-terminated, 10002 units

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/filter_condition.h"

namespace scrv {

constexpr size_t kFilterRecordSize = 20024;
constexpr size_t kFilterRecordTextOffset = 20;
constexpr size_t kFilterRecordTextUnits = (kFilterRecordSize - kFilterRecordTextOffset) / 2;

// The conditions of a host block of any size: one per whole record, a remainder is ignored.
// Each text ends at its terminating zero, at the end of its record, or after kFilterTextMax
// units, whichever comes first. Every flag bit is kept as the host wrote it.
std::vector<FilterCondition> ReadFilterBlock(const uint8_t* data, size_t size);

// The size of the block for `count` conditions.
constexpr size_t FilterBlockSize(size_t count) {
  return count * kFilterRecordSize;
}

// Writes FilterBlockSize(conditions.size()) bytes to `out`: the flags masked to what the host
// is given back (filter_flag::kKeptMask), the text cut to kFilterTextMax units and terminated,
// every unused byte zero.
void WriteFilterBlock(std::span<const FilterCondition> conditions, uint8_t* out);

// The same block in a new buffer.
std::vector<uint8_t> EncodeFilterBlock(std::span<const FilterCondition> conditions);

}  // namespace scrv
