#pragma once
// A range of character positions in an edit control's text: [start, end).

#include <cstddef>

namespace scrv {

struct TextRange {
  size_t start = 0;
  size_t end = 0;
  bool empty() const { return start >= end; }
  size_t size() const { return empty() ? 0 : end - start; }
  bool operator==(const TextRange&) const = default;
};

}  // namespace scrv
