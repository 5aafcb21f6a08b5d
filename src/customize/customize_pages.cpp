#include "customize/customize_pages.h"

namespace scrv {

const std::array<const PageDescriptor*, page::kCount>& CustomizePages() {
  static const std::array<const PageDescriptor*, page::kCount> pages = {
      &kFilePage,         &kEditPage,       &kSortPage,     &kSearchPage,       &kHistoryPage,
      &kViewPage,         &kRenderingPage,  &kWindowPage,   &kWorkspacePage,    &kTabPage,
      &kMousePage,        &kStatusPage,     &kShortcutPage, &kMarksPage,        &kFormatPage,
      &kOutlinePage,      &kAdvancedPage,   &kCsvPage,      &kActiveStringPage, &kSyncPage,
      &kOptimizationPage, &kValidationPage, &kLanguagePage,
  };
  return pages;
}

const PageDescriptor* FindCustomizePage(uint16_t templateId) {
  for (const PageDescriptor* p : CustomizePages())
    if (p->templateId == templateId) return p;
  return nullptr;
}

}  // namespace scrv
