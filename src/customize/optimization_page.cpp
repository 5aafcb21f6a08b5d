// The Optimization page: shortcuts the host may take with very large documents. Written by the
// sheet itself after OK.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

constexpr SettingRow kRows[] = {
    Dword(u"DisableCalcColor", 50000000).Bits(0x100),
    Flag(flag::kAssumeFixedWidth).Bits(0x100),
};

constexpr Binding kBindings[] = {
    Number(IDC_OPT_CALC_COLOR, 0),
    Check(IDC_OPT_FIXED_WIDTH, 1),
};

}  // namespace

const PageDescriptor kOptimizationPage =
    Describe(IDD_CUST_OPTIMIZATION, HELP_TOPIC_CUST_OPTIMIZATION, kRows, kBindings);

}  // namespace scrv
