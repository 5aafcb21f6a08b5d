#include "customize/customize_search.h"

#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "controls_ids.h"
#include "customize_ids.h"

namespace scrv {
namespace {

// As much as the sheet gives the joined labels when it adds a page.
constexpr size_t kExtraTextCapacity = 100000;
constexpr size_t kLabelCapacity = 520;

// The pages whose searchable labels are not the rows of an option list: the status bar's items
// (a row per item; the page shows them in the user's order) and the active strings' kinds,
// occasions and actions (two lists and a drop-down list).
std::vector<LabelPlace> PlacesOf(const PageDescriptor& page, size_t labels) {
  std::vector<LabelPlace> places;
  if (&page == &kStatusPage) {
    for (size_t i = 0; i < labels; ++i) places.push_back({IDC_CHECK_LIST, static_cast<int>(i)});
  } else if (&page == &kActiveStringPage) {
    constexpr size_t kKinds = 22, kOccasions = 5;
    for (size_t i = 0; i < labels; ++i)
      places.push_back(i < kKinds ? LabelPlace{IDC_AS_KINDS, static_cast<int>(i)}
                       : i < kKinds + kOccasions
                           ? LabelPlace{IDC_AS_OCCASIONS, static_cast<int>(i - kKinds)}
                           : LabelPlace{IDC_AS_ACTION, static_cast<int>(i - kKinds - kOccasions)});
  }
  return places;
}

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
    p.places = PlacesOf(*d, p.labels.size());
    pages.push_back(std::move(p));
  }
  return SearchIndex(std::move(pages));
}

}  // namespace scrv
