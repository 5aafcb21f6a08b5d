#include "host_condition_block.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr size_t kTextOffset = 20;
constexpr size_t kTextUnits = (kHostConditionRecordSize - kTextOffset) / 2;
}  // namespace

HGLOBAL MakeConditionBlock(const std::vector<HostCondition>& conditions) {
  if (conditions.empty()) return nullptr;
  HGLOBAL block =
      GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, conditions.size() * kHostConditionRecordSize);
  auto* bytes = block ? static_cast<BYTE*>(GlobalLock(block)) : nullptr;
  if (!bytes) {
    if (block) GlobalFree(block);
    return nullptr;
  }
  for (const HostCondition& c : conditions) {
    memcpy(bytes, &c.flags, 8);
    memcpy(bytes + 8, &c.column, 4);
    memcpy(bytes + 12, &c.rangeStart, 4);
    memcpy(bytes + 16, &c.rangeEnd, 4);
    size_t n = c.text.size() < kTextUnits - 1 ? c.text.size() : kTextUnits - 1;
    memcpy(bytes + kTextOffset, c.text.data(), n * sizeof(wchar_t));
    bytes += kHostConditionRecordSize;
  }
  GlobalUnlock(block);
  return block;
}

std::vector<HostCondition> ReadConditionBlock(HGLOBAL block) {
  std::vector<HostCondition> out;
  if (!block) return out;
  const size_t count = GlobalSize(block) / kHostConditionRecordSize;
  const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
  if (!bytes) return out;
  for (size_t i = 0; i < count; ++i, bytes += kHostConditionRecordSize) {
    HostCondition c;
    memcpy(&c.flags, bytes, 8);
    memcpy(&c.column, bytes + 8, 4);
    memcpy(&c.rangeStart, bytes + 12, 4);
    memcpy(&c.rangeEnd, bytes + 16, 4);
    const auto* text = reinterpret_cast<const wchar_t*>(bytes + kTextOffset);
    size_t n = 0;
    while (n < kTextUnits && text[n]) ++n;
    c.text.assign(text, n);
    out.push_back(std::move(c));
  }
  GlobalUnlock(block);
  return out;
}

std::wstring DescribeCondition(const HostCondition& c) {
  wchar_t head[96];
  swprintf(head, 96, L"%ls flags 0x%llX column %d", (c.flags & 1) ? L"on " : L"off",
           static_cast<unsigned long long>(c.flags), c.column);
  std::wstring line = head;
  if (c.column == -2)
    line += L" lines " + std::to_wstring(c.rangeStart) + L".." + std::to_wstring(c.rangeEnd);
  return line + L" \"" + c.text + L"\"";
}
