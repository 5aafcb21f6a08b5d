#include "tools/filter_block.h"

#include <cstring>

namespace scrv {
namespace {

uint64_t LoadLe(const uint8_t* p, int bytes) {
  uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

void StoreLe(uint8_t* p, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

FilterCondition ReadRecord(const uint8_t* r) {
  FilterCondition c;
  c.flags = LoadLe(r, 8);
  c.column = static_cast<int32_t>(static_cast<uint32_t>(LoadLe(r + 8, 4)));
  c.rangeStart = static_cast<int32_t>(static_cast<uint32_t>(LoadLe(r + 12, 4)));
  c.rangeEnd = static_cast<int32_t>(static_cast<uint32_t>(LoadLe(r + 16, 4)));
  const uint8_t* text = r + kFilterRecordTextOffset;
  for (size_t i = 0; i < kFilterTextMax; ++i) {
    char16_t unit = static_cast<char16_t>(LoadLe(text + 2 * i, 2));
    if (unit == 0) break;
    c.text += unit;
  }
  return c;
}

void WriteRecord(const FilterCondition& c, uint8_t* r) {
  std::memset(r, 0, kFilterRecordSize);
  StoreLe(r, c.flags & filter_flag::kKeptMask, 8);
  StoreLe(r + 8, static_cast<uint32_t>(c.column), 4);
  StoreLe(r + 12, static_cast<uint32_t>(c.rangeStart), 4);
  StoreLe(r + 16, static_cast<uint32_t>(c.rangeEnd), 4);
  std::u16string_view text = ClampFilterText(c.text);
  uint8_t* out = r + kFilterRecordTextOffset;
  for (char16_t unit : text) {
    // A zero inside the text would end it for the host anyway; stop there.
    if (unit == 0) break;
    StoreLe(out, unit, 2);
    out += 2;
  }
}

}  // namespace

std::vector<FilterCondition> ReadFilterBlock(const uint8_t* data, size_t size) {
  std::vector<FilterCondition> out;
  if (data == nullptr) return out;
  const size_t count = size / kFilterRecordSize;
  out.reserve(count);
  for (size_t i = 0; i < count; ++i) out.push_back(ReadRecord(data + i * kFilterRecordSize));
  return out;
}

void WriteFilterBlock(std::span<const FilterCondition> conditions, uint8_t* out) {
  for (const FilterCondition& c : conditions) {
    WriteRecord(c, out);
    out += kFilterRecordSize;
  }
}

std::vector<uint8_t> EncodeFilterBlock(std::span<const FilterCondition> conditions) {
  std::vector<uint8_t> block(FilterBlockSize(conditions.size()));
  WriteFilterBlock(conditions, block.data());
  return block;
}

}  // namespace scrv
