#pragma once
// The editor's side of the advanced filter's condition block: the movable memory block of
// 20024-byte records it hands to DoAdvancedFilterDlg and gets back with message 0x8084.
// Record: u64 flags, i32 column, i32 range start, i32 range end, then the text as UTF-16,
// zero-terminated, in the remaining 20004 bytes.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct HostCondition {
  uint64_t flags = 0;
  int32_t column = -1;     // -1 any column, -2 the line range, else the column's index
  int32_t rangeStart = 0;  // the first line minus one, -1 open
  int32_t rangeEnd = -1;   // the last line, -1 open
  std::wstring text;
};

constexpr size_t kHostConditionRecordSize = 20024;

// A new movable block holding the conditions (null for none); the caller frees it.
HGLOBAL MakeConditionBlock(const std::vector<HostCondition>& conditions);
// The conditions of a block (empty for a null handle).
std::vector<HostCondition> ReadConditionBlock(HGLOBAL block);
// One line per condition, as the log pane shows them.
std::wstring DescribeCondition(const HostCondition& c);
