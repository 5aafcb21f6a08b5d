// The Validation page: the validator of marked-up documents, its limits and the web addresses
// its results link to.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kEngine,
  kMaxLines,
  kLineLen,
  kAutoMaxLines,
  kAutoRefresh,
  kCustomPath,
  kTranslateUrl,
  kSearchUrl,
};

constexpr uint64_t kBits = 0x8000000000;
constexpr SettingRow kRows[] = {
    Dword(u"ValidatorEngine", 1).Bits(kBits),
    Dword(u"ValidatorMaxLines", 500000).Bits(kBits),
    Dword(u"ValidatorLineLen", 500000).Bits(kBits),
    Dword(u"ValidatorAutoMaxLines", 10000).Bits(kBits),
    Flag(flag::kValidatorAutoRefresh).Bits(kBits),
    Text(u"ValidatorCustomPath", 260).Bits(kBits),
    Text(u"ValidatorTranslateURL", 260, u"https://www.bing.com/translator?to=%1&text=%2")
        .Bits(kBits),
    Text(u"ValidatorSearchURL", 260, u"https://www.bing.com/search?q=%1").Bits(kBits),
};

constexpr uint16_t kEngines[] = {IDS_VAL_CUSTOM, IDS_VAL_BUILT_IN};

constexpr Binding kBindings[] = {
    Combo(IDC_VAL_ENGINE, kEngine, kEngines),
    Number(IDC_VAL_MAX_LINES, kMaxLines),
    Number(IDC_VAL_LINE_LEN, kLineLen),
    Number(IDC_VAL_AUTO_MAX_LINES, kAutoMaxLines),
    Inverted(IDC_VAL_MANUAL_REFRESH, kAutoRefresh),
    Edit(IDC_VAL_CUSTOM_PATH, kCustomPath),
    Browse(IDC_VAL_BROWSE, kCustomPath, true),
    Edit(IDC_VAL_TRANSLATE_URL, kTranslateUrl),
    Edit(IDC_VAL_SEARCH_URL, kSearchUrl),
};

// The program's path is needed only for a validator of the user's own.
constexpr EnableRule kEnables[] = {
    {IDC_VAL_CUSTOM_PATH_LABEL, Effect::kEnableOff, IDC_VAL_ENGINE},
    {IDC_VAL_CUSTOM_PATH, Effect::kEnableOff, IDC_VAL_ENGINE},
    {IDC_VAL_BROWSE, Effect::kEnableOff, IDC_VAL_ENGINE},
};

constexpr Anchor kAnchors[] = {
    {IDC_VAL_CUSTOM_PATH, anchor::kStretchRight}, {IDC_VAL_BROWSE, anchor::kMoveRight},
    {IDC_VAL_LINKS_GROUP, anchor::kStretchRight}, {IDC_VAL_TRANSLATE_URL, anchor::kStretchRight},
    {IDC_VAL_SEARCH_URL, anchor::kStretchRight},
};

}  // namespace

const PageDescriptor kValidationPage =
    Describe(IDD_CUST_VALIDATION, HELP_TOPIC_CUST_VALIDATION, kRows, kBindings, kEnables, kAnchors);

}  // namespace scrv
