#pragma once
// The host's key list, edited in place, and the column blocks handed back to the host.
//
// The host passes its key list as a sequence descriptor of three pointers (first entry, one past
// the last entry, end of reserved storage) over 8-byte entries: a signed 32-bit column index and
// unsigned 32-bit flags. The dialogs rewrite flags and columns and swap entries when rows move;
// they never change the number of entries.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/host_vector.h"

namespace scrv {

struct KeyEntry {
  int32_t column = 0;
  uint32_t flags = 0;
};
static_assert(sizeof(KeyEntry) == 8);

// Bit 26: the key takes part (its row is checked).
constexpr uint32_t kKeyIncluded = 0x4000000;

// More entries than this is not a key list but garbage: no document has that many columns.
constexpr size_t kMaxKeyEntries = size_t{1} << 20;

// A view of the host's key list. Reads and writes go straight to the host's memory.
class KeyList {
 public:
  KeyList() = default;  // an empty list

  // Binds to the descriptor at `header`; refused (nullopt) when ReadHostVector refuses it
  // (more than kMaxKeyEntries entries included).
  static std::optional<KeyList> Attach(const void* header);

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

  // Out-of-range indexes read as a zero entry and are not written.
  KeyEntry Get(size_t i) const;
  void Set(size_t i, KeyEntry entry);
  int32_t Column(size_t i) const { return Get(i).column; }
  uint32_t Flags(size_t i) const { return Get(i).flags; }
  void SetColumn(size_t i, int32_t column);
  void SetFlags(size_t i, uint32_t flags);
  // Exchanges two entries, as when the user moves a row; false if either index is out of range.
  bool Swap(size_t a, size_t b);

 private:
  KeyList(unsigned char* first, size_t count) : first_(first), count_(count) {}
  unsigned char* first_ = nullptr;
  size_t count_ = 0;
};

// One entry of a column entry block (extract columns) or column pair block (join): the column
// index within its document and flags; the library allocates the block on OK and the host
// owns it afterwards.
struct ColumnEntry {
  uint32_t column = 0;
  uint32_t flags = 0;
};
constexpr uint32_t kColumnSecondDocument = 0x1;  // join only: the column is of the second document
constexpr uint32_t kColumnTaken = 0x2;           // the column goes into the result (row checked)
constexpr size_t kColumnEntrySize = 8;

// The block's bytes: 8 little-endian bytes per entry, in order.
std::vector<uint8_t> SerializeColumnBlock(const std::vector<ColumnEntry>& entries);
// Reads a block back; a trailing partial entry is ignored.
std::vector<ColumnEntry> ParseColumnBlock(const uint8_t* data, size_t size);

}  // namespace scrv
