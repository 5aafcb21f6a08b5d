#pragma once
// The twenty-three pages of the Customize sheet, in the order they are added: this order is the
// page index of DoCustomize's start page, of "DefCustomizePage" and of the title list.

#include <array>
#include <cstddef>

#include "customize/setting_row.h"

namespace scrv {

extern const PageDescriptor kFilePage;
extern const PageDescriptor kEditPage;
extern const PageDescriptor kSortPage;
extern const PageDescriptor kSearchPage;
extern const PageDescriptor kHistoryPage;
extern const PageDescriptor kViewPage;
extern const PageDescriptor kRenderingPage;
extern const PageDescriptor kWindowPage;
extern const PageDescriptor kWorkspacePage;
extern const PageDescriptor kTabPage;
extern const PageDescriptor kMousePage;
extern const PageDescriptor kStatusPage;
extern const PageDescriptor kShortcutPage;
extern const PageDescriptor kMarksPage;
extern const PageDescriptor kFormatPage;
extern const PageDescriptor kOutlinePage;
extern const PageDescriptor kAdvancedPage;
extern const PageDescriptor kCsvPage;
extern const PageDescriptor kActiveStringPage;
extern const PageDescriptor kSyncPage;
extern const PageDescriptor kOptimizationPage;
extern const PageDescriptor kValidationPage;
extern const PageDescriptor kLanguagePage;

namespace page {
enum : size_t {
  kFile,
  kEdit,
  kSort,
  kSearch,
  kHistory,
  kView,
  kRendering,
  kWindow,
  kWorkspace,
  kTab,
  kMouse,
  kStatus,
  kShortcut,
  kMarks,
  kFormat,
  kOutline,
  kAdvanced,
  kCsv,
  kActiveString,
  kSync,
  kOptimization,
  kValidation,
  kLanguage,
  kCount
};
}  // namespace page

// Every page in page order.
const std::array<const PageDescriptor*, page::kCount>& CustomizePages();

// The page whose template is `templateId`, or null.
const PageDescriptor* FindCustomizePage(uint16_t templateId);

}  // namespace scrv
