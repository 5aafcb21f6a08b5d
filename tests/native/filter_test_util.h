#pragma once
// A condition in one expression, for the filter tests.

#include <string>

#include "tools/filter_condition.h"

namespace scrv {

inline FilterCondition Make(uint64_t flags, int32_t column, int32_t start, int32_t end,
                            std::u16string text) {
  FilterCondition c;
  c.flags = flags;
  c.column = column;
  c.rangeStart = start;
  c.rangeEnd = end;
  c.text = std::move(text);
  return c;
}

}  // namespace scrv
