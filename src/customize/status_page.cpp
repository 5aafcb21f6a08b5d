// The Status page: which items the status bar shows, and the time. Each item is an entry of
// the page's list standing for its bit of "StatusShowBits"; bit 0, the fixed first item, is
// never listed and never cleared. Written by the sheet itself after OK.

#include "customize/customize_pages.h"
#include "resource_ids.h"
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
    Option(BitBox(IDS_STATUS_ITEM_1, kShowBits, 1u << 1)),
    Option(BitBox(IDS_STATUS_ITEM_2, kShowBits, 1u << 2)),
    Option(BitBox(IDS_STATUS_ITEM_3, kShowBits, 1u << 3)),
    Option(BitBox(IDS_STATUS_ITEM_4, kShowBits, 1u << 4)),
    Option(BitBox(IDS_STATUS_ITEM_5, kShowBits, 1u << 5)),
    Option(BitBox(IDS_STATUS_ITEM_6, kShowBits, 1u << 6)),
    Option(BitBox(IDS_STATUS_ITEM_7, kShowBits, 1u << 7)),
    Option(BitBox(IDS_STATUS_ITEM_8, kShowBits, 1u << 8)),
    Option(BitBox(IDS_STATUS_ITEM_9, kShowBits, 1u << 9)),
    Option(BitBox(IDS_STATUS_ITEM_10, kShowBits, 1u << 10)),
    Option(BitBox(IDS_STATUS_ITEM_11, kShowBits, 1u << 11)),
    Option(BitBox(IDS_STATUS_ITEM_12, kShowBits, 1u << 12)),
    Option(BitBox(IDS_STATUS_ITEM_13, kShowBits, 1u << 13)),
    Option(BitBox(IDS_STATUS_ITEM_14, kShowBits, 1u << 14)),
    Option(BitBox(IDS_STATUS_ITEM_15, kShowBits, 1u << 15)),
    Option(BitBox(IDS_STATUS_ITEM_16, kShowBits, 1u << 16)),
    Option(BitBox(IDS_STATUS_ITEM_17, kShowBits, 1u << 17)),
};

constexpr PageAnchor kAnchors[] = {
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
  d.optionList = IDC_CHECK_LIST;
  d.resetButton = IDC_CUST_RESET;
  return d;
}();

}  // namespace scrv
