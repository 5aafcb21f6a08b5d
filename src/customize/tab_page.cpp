// The Tab page: how document tabs look and where new ones go. Every setting is written when
// the page was shown; only a change of how the tabs look repaints the bar.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "settings/flag_table.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kStyle,
  kIcon,
  kWidthMode,
  kInsertPos,
  kWidth,
  kCloseButton,
  kWhenClosed,
  kOpenIn,
  kAdjustWidth,
  kReadOnlyIcon,
  kHighlight,
  kActiveColor,
};

constexpr uint64_t kLookBits = 0x4002;
constexpr SettingRow kRows[] = {
    FlagDword(flag::kTabStyle).Always().Bits(kLookBits),
    SmallDword(small_value::kTabIcon).Always().Bits(kLookBits),
    SmallDword(small_value::kTabWidthMode).Always().Bits(kLookBits),
    SmallDword(small_value::kTabInsertPos).Always(),
    Dword(u"TabWidth", 160).Always().Bits(kLookBits),
    SmallDword(small_value::kTabCloseBtn).Always().Bits(kLookBits | 0x20),
    SmallDword(small_value::kTabWhenClosed).Always(),
    SmallDword(small_value::kOpenIn).Always(),
    SmallDword(small_value::kAdjustTabWidth).Always().Bits(kLookBits),
    FlagDword(flag::kReadOnlyIcon).Always().Bits(kLookBits),
    FlagDword(flag::kHighlightActiveTab).Always().Bits(kLookBits),
    Dword(u"ActiveTabColor", 0).From(SystemDefault::kActiveTabColor).Always().Bits(kLookBits),
};

constexpr uint16_t kStyles[] = {IDS_TAB_STYLE_TABS, IDS_TAB_STYLE_BUTTONS};
constexpr uint16_t kWidthModes[] = {IDS_TAB_WIDTH_FIT, IDS_TAB_WIDTH_FIXED, IDS_TAB_WIDTH_FILL};
constexpr uint16_t kInsertPositions[] = {IDS_TAB_INSERT_END, IDS_TAB_INSERT_NEXT,
                                         IDS_TAB_INSERT_START};
constexpr uint16_t kCloseButtons[] = {IDS_TAB_CLOSE_NONE, IDS_TAB_CLOSE_EVERY, IDS_TAB_CLOSE_ACTIVE,
                                      IDS_TAB_CLOSE_BAR};
constexpr uint16_t kWhenClosedItems[] = {IDS_TAB_CLOSED_RIGHT, IDS_TAB_CLOSED_LEFT,
                                         IDS_TAB_CLOSED_LAST};
constexpr uint16_t kOpenIns[] = {IDS_TAB_OPEN_WINDOW, IDS_TAB_OPEN_TAB};
constexpr uint16_t kAdjustWidths[] = {IDS_TAB_ADJUST_NEVER, IDS_TAB_ADJUST_FULL,
                                      IDS_TAB_ADJUST_ALWAYS};

constexpr Binding kBindings[] = {
    Combo(IDC_TAB_STYLE, kStyle, kStyles),
    Check(IDC_TAB_ICON, kIcon),
    Combo(IDC_TAB_WIDTH_MODE, kWidthMode, kWidthModes),
    Combo(IDC_TAB_INSERT_POS, kInsertPos, kInsertPositions),
    Number(IDC_TAB_WIDTH, kWidth),
    Combo(IDC_TAB_CLOSE_BUTTON, kCloseButton, kCloseButtons),
    Combo(IDC_TAB_WHEN_CLOSED, kWhenClosed, kWhenClosedItems),
    Combo(IDC_TAB_OPEN_IN, kOpenIn, kOpenIns),
    Combo(IDC_TAB_ADJUST_WIDTH, kAdjustWidth, kAdjustWidths),
    Check(IDC_TAB_READ_ONLY_ICON, kReadOnlyIcon),
    Check(IDC_TAB_HIGHLIGHT, kHighlight),
    Color(IDC_TAB_ACTIVE_COLOR, kActiveColor),
};

// A width applies to tabs that are not sized to their names.
constexpr EnableRule kEnables[] = {
    {IDC_TAB_WIDTH, Effect::kEnable, IDC_TAB_WIDTH_MODE},
    {IDC_TAB_WIDTH_VALUE_LABEL, Effect::kEnable, IDC_TAB_WIDTH_MODE},
    {IDC_TAB_WIDTH_UNIT, Effect::kEnable, IDC_TAB_WIDTH_MODE},
    {IDC_TAB_ACTIVE_COLOR, Effect::kEnable, IDC_TAB_HIGHLIGHT},
};

}  // namespace

const PageDescriptor kTabPage =
    Describe(IDD_CUST_TAB, HELP_TOPIC_CUST_TAB, kRows, kBindings, kEnables);

}  // namespace scrv
