#pragma once
// The search index of the Customize sheet, built from the pages' templates and strings in the
// localisation module: each page's caption, control captions, joined labels (as the sheet
// joins them) and the rows of its searchable list one by one.

#include <cstdint>
#include <span>

#include "customize/additional_text.h"
#include "frame/search_index.h"

namespace scrv {

// The dialog templates of the localisation module.
class TemplateSource {
 public:
  virtual ~TemplateSource() = default;
  // The template's bytes, empty when there is none.
  virtual std::span<const uint8_t> Template(uint32_t id) const = 0;
};

// In page order. A page whose template cannot be read is found by its labels only.
SearchIndex BuildCustomizeIndex(const TemplateSource& templates, const StringSource& strings);

}  // namespace scrv
