#pragma once
// Names asked from the host: the open documents (SCM_DOCUMENT_NAMES to the owner) and the
// columns of a document (SCM_COLUMN_NAMES to the dialog's parent; see scrvdlgs_api.h). Both are
// a two-step exchange: first the count, then a buffer of one 260-unit slot per name for the host
// to fill.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace scrv {

constexpr size_t kHostNameSlotUnits = 260;
// The column count travels in the low word of wParam, so no answer above this is honest.
constexpr size_t kMaxHostNames = 0xFFFF;
// Document index meaning the host's current document (extract columns).
constexpr uint32_t kCurrentDocument = 0xFFFF;

// wParam of SCM_COLUMN_NAMES: the document index in the high word, the count (0 to ask for it)
// in the low word.
uint64_t ColumnNamesWParam(uint32_t document, size_t count);

// One send of the exchange: (count, buffer) -> the host's answer. The first send has count 0
// and a null buffer and answers the number of names; the second passes the count and a buffer
// of count * kHostNameSlotUnits units and answers nonzero when the host filled it.
using HostNameSender = std::function<intptr_t(size_t count, char16_t* buffer)>;

// Runs the exchange. A negative or oversized count, a host that does not fill the buffer, or
// a buffer that cannot be allocated gives an empty list.
std::vector<std::u16string> RequestHostNames(const HostNameSender& send);

// The names in `count` slots of `buffer` (which holds `units` units): each up to its slot's
// first zero, at most kHostNameSlotUnits - 1 units. Slots that do not fit in the buffer are
// not read.
std::vector<std::u16string> ParseHostNameSlots(const char16_t* buffer, size_t units, size_t count);

}  // namespace scrv
