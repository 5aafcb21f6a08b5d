// The Format page: how dates, times and line numbers are written.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "settings/flag_table.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kSystemDate,
  kSystemTime,
  kDate,
  kTime,
  kDecGrouping,
  kDecSeparator,
  kHexGrouping,
  kHexSeparator,
  kDecDigits,
  kHexDigits,
  kHexStyle,
};

constexpr uint64_t kBits = 0x6000;
constexpr SettingRow kRows[] = {
    FlagDword(flag::kUseSystemDate).Bits(kBits),
    FlagDword(flag::kUseSystemTime).Bits(kBits),
    Text(u"DateFormat", 260, u"yyyy-MM-dd").Bits(kBits),
    Text(u"TimeFormat", 260, u"HH:mm:ss").Bits(kBits),
    SmallDword(small_value::kLineNumGroupingDec).Bits(kBits),
    Text(u"LineNumSepDec", 4, u",").Bits(kBits),
    SmallDword(small_value::kLineNumGroupingHex).Bits(kBits),
    Text(u"LineNumSepHex", 4, u"'").Bits(kBits),
    SmallDword(small_value::kLineNumGroupingSpaceDec).Bits(kBits),
    SmallDword(small_value::kLineNumGroupingSpaceHex).Bits(kBits),
    SmallDword(small_value::kHexFormat).Bits(kBits),
};

constexpr uint16_t kGroupings[] = {IDS_GROUP_NONE, IDS_GROUP_3, IDS_GROUP_4};
constexpr uint16_t kHexStyles[] = {IDS_HEX_LOWER, IDS_HEX_UPPER, IDS_HEX_PREFIX_LOWER,
                                   IDS_HEX_PREFIX_UPPER};

constexpr Binding kBindings[] = {
    Check(IDC_FORMAT_SYSTEM_DATE, kSystemDate),
    Check(IDC_FORMAT_SYSTEM_TIME, kSystemTime),
    Edit(IDC_FORMAT_DATE, kDate),
    Edit(IDC_FORMAT_TIME, kTime),
    Combo(IDC_FORMAT_DEC_GROUPING, kDecGrouping, kGroupings),
    Edit(IDC_FORMAT_DEC_SEPARATOR, kDecSeparator),
    Combo(IDC_FORMAT_HEX_GROUPING, kHexGrouping, kGroupings),
    Edit(IDC_FORMAT_HEX_SEPARATOR, kHexSeparator),
    Number(IDC_FORMAT_DEC_DIGITS, kDecDigits),
    Number(IDC_FORMAT_HEX_DIGITS, kHexDigits),
    Combo(IDC_FORMAT_HEX_STYLE, kHexStyle, kHexStyles),
};

constexpr EnableRule kEnables[] = {
    {IDC_FORMAT_DATE, Effect::kEnableOff, IDC_FORMAT_SYSTEM_DATE},
    {IDC_FORMAT_DATE_LABEL, Effect::kEnableOff, IDC_FORMAT_SYSTEM_DATE},
    {IDC_FORMAT_TIME, Effect::kEnableOff, IDC_FORMAT_SYSTEM_TIME},
    {IDC_FORMAT_TIME_LABEL, Effect::kEnableOff, IDC_FORMAT_SYSTEM_TIME},
    {IDC_FORMAT_DEC_SEPARATOR, Effect::kEnable, IDC_FORMAT_DEC_GROUPING},
    {IDC_FORMAT_HEX_SEPARATOR, Effect::kEnable, IDC_FORMAT_HEX_GROUPING},
};

}  // namespace

const PageDescriptor kFormatPage =
    Describe(IDD_CUST_FORMAT, HELP_TOPIC_CUST_FORMAT, kRows, kBindings, kEnables);

}  // namespace scrv
