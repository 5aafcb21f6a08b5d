#include "customize/customize_search.h"

#include "customize/customize_pages.h"
#include "customize/page_model.h"

namespace scrv {
namespace {

// As much as the sheet gives the joined labels when it adds a page.
constexpr size_t kExtraTextCapacity = 100000;
constexpr size_t kLabelCapacity = 520;

}  // namespace

SearchIndex BuildCustomizeIndex(const TemplateSource& templates, const StringSource& strings) {
  std::vector<IndexedPage> pages;
  pages.reserve(page::kCount);
  for (const PageDescriptor* d : CustomizePages()) {
    IndexedPage p;
    const std::span<const uint8_t> bytes = templates.Template(d->templateId);
    if (!bytes.empty()) p.controls = ReadDialogTemplateText(bytes.data(), bytes.size());
    if (p.controls) p.title = p.controls->caption;
    p.extraText = GetAllAdditionalText(*d, strings, kExtraTextCapacity);
    std::u16string label;
    for (size_t i = 0; GetAdditionalText(*d, strings, i, &label, kLabelCapacity); ++i)
      p.labels.push_back(label);
    p.listControl = d->optionList;
    pages.push_back(std::move(p));
  }
  return SearchIndex(std::move(pages));
}

}  // namespace scrv
