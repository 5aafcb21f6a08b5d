// The Status page: which items the status bar shows, in which order, and the time. Item n
// stands for bit n of "StatusShowBits"; bit 0, the fixed first item, is never listed and never
// cleared. The order lives in "StatusOrderArray" (the page's extension).

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "customize/page_extensions.h"
#include "frame/anchor_layout.h"

namespace scrv {
namespace {

enum : uint8_t { kShowTime, kShowBits };

constexpr SettingRow kRows[] = {
    Dword(u"ShowTime", 0).Always(),
    Dword(u"StatusShowBits", 2679).Always().Bits(0x4),
};

constexpr Binding kBindings[] = {
    Check(IDC_STATUS_SHOW_TIME, kShowTime),
};

// Item i + 1's label, for each list position's text and for searches.
constexpr uint16_t kItemLabels[] = {
    IDS_STATUS_ITEM_1,  IDS_STATUS_ITEM_2,  IDS_STATUS_ITEM_3,  IDS_STATUS_ITEM_4,
    IDS_STATUS_ITEM_5,  IDS_STATUS_ITEM_6,  IDS_STATUS_ITEM_7,  IDS_STATUS_ITEM_8,
    IDS_STATUS_ITEM_9,  IDS_STATUS_ITEM_10, IDS_STATUS_ITEM_11, IDS_STATUS_ITEM_12,
    IDS_STATUS_ITEM_13, IDS_STATUS_ITEM_14, IDS_STATUS_ITEM_15, IDS_STATUS_ITEM_16,
    IDS_STATUS_ITEM_17,
};

constexpr Anchor kAnchors[] = {
    {IDC_CHECK_LIST, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_CL_MOVE_UP, anchor::kMoveRight},
    {IDC_CL_MOVE_DOWN, anchor::kMoveRight},
    {IDC_CHECK_ALL, anchor::kMoveBottom},
    {IDC_STATUS_SHOW_TIME, anchor::kMoveBottom},
    {IDC_CUST_RESET, anchor::kMoveRight | anchor::kMoveBottom},
};

}  // namespace

const PageDescriptor kStatusPage = [] {
  PageDescriptor d =
      Describe(IDD_CUST_STATUS, HELP_TOPIC_CUST_STATUS, kRows, kBindings, {}, kAnchors);
  d.resetButton = IDC_CUST_RESET;
  d.extraTexts = kItemLabels;
  d.extension = [] { return std::unique_ptr<PageExtension>(new StatusExtension); };
  return d;
}();

uint16_t StatusItemLabel(uint32_t item) {
  return item >= 1 && item <= std::size(kItemLabels) ? kItemLabels[item - 1] : 0;
}

SettingValue& StatusExtension::ShowBits(PageModel& page) {
  return page.Working(kShowBits);
}

void StatusExtension::Load(PageModel&, SettingsStore& store, SettingsHandle h,
                           CustomizeEnvironment&) {
  const auto stored = store.ReadBinaryAlloc(h, u"StatusOrderArray");
  order = stored ? StatusOrderFrom(*stored) : IdentityStatusOrder();
  loadedOrder = order;
}

void StatusExtension::Normalize(PageModel& page) {
  auto& self = page.Extension<StatusExtension>();
  if (StatusOrderValid(self.order)) return;
  Reset(page);
}

void StatusExtension::Reset(PageModel& page) {
  page.Extension<StatusExtension>().order = IdentityStatusOrder();
  ShowBits(page).number = kDefaultStatusShowBits;
}

uint64_t StatusExtension::Save(PageModel&, SaveContext& ctx) {
  order[0] = 0;
  const StatusOrderBytes bytes = StatusOrderToBytes(order);
  ctx.store.WriteBinary(ctx.handle, u"StatusOrderArray", bytes.data(), bytes.size(), false);
  return order != loadedOrder ? 0x4 : 0;
}

}  // namespace scrv
