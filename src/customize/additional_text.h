#pragma once
// The labels of the option lists that the host can search without opening the sheet: each
// page's option labels (or its own search texts) in list order, served one at a time and
// matched with the page-list search rule.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/string_source.h"
#include "frame/option_search.h"
#include "customize/setting_row.h"

namespace scrv {

// Entry i of a page's searchable labels into `label` (at most capacity - 1 characters); false
// past the end.
bool GetAdditionalText(const PageDescriptor& page, const StringSource& strings, size_t i,
                       std::u16string* label, size_t capacity);
// All of them joined with "::" (each read into 520 characters), at most capacity - 1 characters
// in all; empty when the page has none.
std::u16string GetAllAdditionalText(const PageDescriptor& page, const StringSource& strings,
                                    size_t capacity);

// FindAdditionalText: the selector's low 16 bits are the first item to look at, its high 16
// bits the page's template. Without a query: item i's label and i, or the complement of i when
// the page has no such item (or no labels at all). With a query: the first item from i on
// whose label matches (a "*" label never does), or the complement of the first index past the
// end. `label` holds the last label read, at most capacity - 1 characters.
uint32_t FindAdditionalText(uint32_t selector, const std::u16string* query,
                            const StringSource& strings, const TextFolder& folder,
                            std::u16string* label, size_t capacity);

}  // namespace scrv
