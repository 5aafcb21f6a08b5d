// The Sort page: how lines compare when the host sorts them, and the locale they compare in.
// Its two settings are written by the sheet itself after OK.

#include "customize/customize_environment.h"
#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"
#include "settings/settings_store.h"

namespace scrv {
namespace {

enum : uint8_t { kOptions, kLocaleName };

constexpr SettingRow kRows[] = {
    Dword(u"SortOptions", 0x20000000).Always(),
    Text(u"SortLocaleName", 85).Bits(0x4000),
};

// The option bits: the platform's string comparison flags, then the host's own.
constexpr Binding kBindings[] = {
    Option(BitBox(IDS_SORT_IGNORE_CASE, kOptions, 0x1)),
    Option(BitBox(IDS_SORT_IGNORE_NONSPACE, kOptions, 0x2)),
    Option(BitBox(IDS_SORT_IGNORE_SYMBOLS, kOptions, 0x4)),
    Option(BitBox(IDS_SORT_DIGITS_AS_NUMBERS, kOptions, 0x8)),
    Option(BitBox(IDS_SORT_LINGUISTIC_CASE, kOptions, 0x10)),
    Option(BitBox(IDS_SORT_IGNORE_DIACRITIC, kOptions, 0x20)),
    Option(BitBox(IDS_SORT_STRING_SORT, kOptions, 0x1000)),
    Option(BitBox(IDS_SORT_LINGUISTIC_CASING, kOptions, 0x8000000)),
    Option(BitBox(IDS_SORT_IGNORE_KANA, kOptions, 0x10000)),
    Option(BitBox(IDS_SORT_IGNORE_WIDTH, kOptions, 0x20000)),
    Option(BitBox(IDS_SORT_IGNORE_EMPTY, kOptions, 0x10000000)),
    Option(BitBox(IDS_SORT_STABLE, kOptions, 0x20000000)),
    Option(BitBox(IDS_SORT_REMOVE_DUPLICATES, kOptions, 0x40000000)),
};

constexpr Anchor kAnchors[] = {
    {IDC_CUST_OPTIONS, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_SORT_LOCALE_LABEL, anchor::kMoveBottom},
    {IDC_SORT_LOCALE, anchor::kMoveBottom},
    {IDC_SORT_LOCALE, anchor::kStretchRight},
};

// A locale name that was never stored comes from the older LCID setting, else from the system.
class SortRules : public PageRules {
 public:
  void AfterLoad(PageModel& m, SettingsStore& store, SettingsHandle h,
                 CustomizeEnvironment& env) const override {
    std::u16string& name = m.Working(kLocaleName).text;
    if (name.empty()) name = env.LocaleNameFromLcid(store.ReadDword(h, u"SortLocale", 0));
    if (name.empty()) name = env.SystemLocaleName();
    if (name.size() > 84) name.resize(84);
    m.MarkLoaded(kLocaleName);
  }
};

const SortRules kRules;

}  // namespace

const PageDescriptor kSortPage = [] {
  PageDescriptor d =
      Describe(IDD_CUST_SORT, HELP_TOPIC_CUST_SORT, kRows, kBindings, {}, kAnchors, &kRules);
  d.optionList = IDC_CUST_OPTIONS;
  return d;
}();

}  // namespace scrv
