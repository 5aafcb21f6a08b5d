// The View page: the caret of both typing modes, the colours of the bars and the application
// theme.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "settings/flag_table.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kCaretSystem,
  kCaretSystemOvr,
  kCaretColor,
  kCaretColorOvr,
  kCaretWidth,
  kCaretWidthOvr,
  kCaretHeight,
  kCaretHeightOvr,
  kBarText,
  kBarBack,
  kBarSystem,
  kSyncWrap,
  kTheme,
};

// Bars and theme repaint everything; any other change of the page only the views.
constexpr uint64_t kRepaintBits = 0x20000;
constexpr SettingRow kRows[] = {
    FlagDword(flag::kUseSysColorCaret),
    FlagDword(flag::kUseSysColorCaretOvr),
    Dword(u"CaretColor", 0xFFFF00),
    Dword(u"CaretColorOvr", 0xFFFF00),
    SmallDword(small_value::kCaretWidth),
    SmallDword(small_value::kCaretWidthOvr),
    SmallDword(small_value::kCaretHeight),
    SmallDword(small_value::kCaretHeightOvr),
    Dword(u"BarTextColor", 0).From(SystemDefault::kBarTextColor).Bits(kRepaintBits),
    Dword(u"BarBackColor", 0).From(SystemDefault::kBarBackColor).Bits(kRepaintBits),
    FlagDword(flag::kUseSysColorBar).Bits(kRepaintBits),
    FlagDword(flag::kSyncWrap),
    SmallDword(small_value::kAppTheme).Bits(kRepaintBits),
};

constexpr uint16_t kThemes[] = {IDS_THEME_SYSTEM, IDS_THEME_LIGHT, IDS_THEME_DARK};

constexpr Binding kBindings[] = {
    Check(IDC_VIEW_CARET_SYSTEM, kCaretSystem),  Check(IDC_VIEW_CARET_SYSTEM_OVR, kCaretSystemOvr),
    Color(IDC_VIEW_CARET_COLOR, kCaretColor),    Color(IDC_VIEW_CARET_COLOR_OVR, kCaretColorOvr),
    Number(IDC_VIEW_CARET_WIDTH, kCaretWidth),   Number(IDC_VIEW_CARET_WIDTH_OVR, kCaretWidthOvr),
    Number(IDC_VIEW_CARET_HEIGHT, kCaretHeight), Number(IDC_VIEW_CARET_HEIGHT_OVR, kCaretHeightOvr),
    Color(IDC_VIEW_BAR_TEXT, kBarText),          Color(IDC_VIEW_BAR_BACK, kBarBack),
    Check(IDC_VIEW_BAR_SYSTEM, kBarSystem),      Check(IDC_VIEW_SYNC_WRAP, kSyncWrap),
    Combo(IDC_VIEW_THEME, kTheme, kThemes),
};

constexpr EnableRule kEnables[] = {
    {IDC_VIEW_CARET_COLOR, Effect::kEnableOff, IDC_VIEW_CARET_SYSTEM},
    {IDC_VIEW_CARET_COLOR_OVR, Effect::kEnableOff, IDC_VIEW_CARET_SYSTEM_OVR},
    {IDC_VIEW_BAR_TEXT, Effect::kEnableOff, IDC_VIEW_BAR_SYSTEM},
    {IDC_VIEW_BAR_TEXT_LABEL, Effect::kEnableOff, IDC_VIEW_BAR_SYSTEM},
    {IDC_VIEW_BAR_BACK, Effect::kEnableOff, IDC_VIEW_BAR_SYSTEM},
    {IDC_VIEW_BAR_BACK_LABEL, Effect::kEnableOff, IDC_VIEW_BAR_SYSTEM},
};

}  // namespace

const PageDescriptor kViewPage = [] {
  PageDescriptor d = Describe(IDD_CUST_VIEW, HELP_TOPIC_CUST_VIEW, kRows, kBindings, kEnables);
  d.visitedBits = 0x10000;
  return d;
}();

}  // namespace scrv
