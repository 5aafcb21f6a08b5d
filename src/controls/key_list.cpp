#include "controls/key_list.h"

#include <cstring>

namespace scrv {
namespace {

void PutLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t GetLe32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

std::optional<KeyList> KeyList::Attach(const void* header) {
  const auto extent = ReadHostVector(header, sizeof(KeyEntry), alignof(KeyEntry), kMaxKeyEntries);
  if (!extent) return std::nullopt;
  return KeyList(reinterpret_cast<unsigned char*>(extent->first), extent->count);
}

KeyEntry KeyList::Get(size_t i) const {
  KeyEntry e;
  if (i < count_) std::memcpy(&e, first_ + i * sizeof(KeyEntry), sizeof e);
  return e;
}

void KeyList::Set(size_t i, KeyEntry entry) {
  if (i < count_) std::memcpy(first_ + i * sizeof(KeyEntry), &entry, sizeof entry);
}

void KeyList::SetColumn(size_t i, int32_t column) {
  KeyEntry e = Get(i);
  e.column = column;
  Set(i, e);
}

void KeyList::SetFlags(size_t i, uint32_t flags) {
  KeyEntry e = Get(i);
  e.flags = flags;
  Set(i, e);
}

bool KeyList::Swap(size_t a, size_t b) {
  if (a >= count_ || b >= count_) return false;
  KeyEntry ea = Get(a);
  Set(a, Get(b));
  Set(b, ea);
  return true;
}

std::vector<uint8_t> SerializeColumnBlock(const std::vector<ColumnEntry>& entries) {
  std::vector<uint8_t> out(entries.size() * kColumnEntrySize);
  for (size_t i = 0; i < entries.size(); ++i) {
    PutLe32(&out[i * kColumnEntrySize], entries[i].column);
    PutLe32(&out[i * kColumnEntrySize + 4], entries[i].flags);
  }
  return out;
}

std::vector<ColumnEntry> ParseColumnBlock(const uint8_t* data, size_t size) {
  std::vector<ColumnEntry> out;
  if (!data) return out;
  size_t count = size / kColumnEntrySize;
  out.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    out.push_back({GetLe32(data + i * kColumnEntrySize), GetLe32(data + i * kColumnEntrySize + 4)});
  }
  return out;
}

}  // namespace scrv
