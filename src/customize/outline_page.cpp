// The Outline page: where the outline bar sits and how it behaves. Written by the sheet itself
// after OK.

#include "customize/customize_environment.h"
#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "resource_ids.h"
#include "settings/flag_table.h"
#include "settings/settings_store.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

enum : uint8_t { kPosition, kConfig, kGuide, kFocus, kEscClose, kGoClose };

// A position that was never stored loads as -1: the outline bar then still follows the settings
// of the custom bar it replaced.
constexpr uint32_t kNeverStored = 0xFFFFFFFF;

constexpr SettingRow kRows[] = {
    SmallDword(small_value::kOutlineBarPos).LoadUnstoredAs(kNeverStored).Always().Bits(0x20000000),
    FlagDword(flag::kOutlineBarConfig).Always(),
    FlagDword(flag::kOutlineBarGuide).Always(),
    FlagDword(flag::kFocusBar).Always(),
    FlagDword(flag::kEscCloseBar).Always(),
    FlagDword(flag::kGoCloseBar).Always(),
};

constexpr uint16_t kPositionItems[] = {IDS_BAR_TOP, IDS_BAR_BOTTOM, IDS_BAR_LEFT, IDS_BAR_RIGHT};

constexpr Binding kBindings[] = {
    Combo(IDC_OUTLINE_POS, kPosition, kPositionItems),
    Check(IDC_OUTLINE_CONFIG, kConfig),
    Check(IDC_OUTLINE_GUIDE, kGuide),
    Check(IDC_OUTLINE_FOCUS, kFocus),
    Check(IDC_OUTLINE_ESC_CLOSE, kEscClose),
    Check(IDC_OUTLINE_GO_CLOSE, kGoClose),
};

class OutlineRules : public PageRules {
 public:
  void AfterLoad(PageModel& m, SettingsStore& store, SettingsHandle h,
                 CustomizeEnvironment& env) const override {
    if (m.Working(kPosition).number != kNeverStored) return;
    m.Working(kPosition).number = store.ReadDword(h, u"CustomBarPos", 2);
    m.Working(kConfig).number = 0;
    m.Working(kGuide).number = 0;
    const FlagTable& flags = env.Flags();
    m.Working(kFocus).number = ReadFlag(store, flags, h, flag::kFocusBar);
    m.Working(kEscClose).number = ReadFlag(store, flags, h, flag::kEscCloseBar);
    m.Working(kGoClose).number = ReadFlag(store, flags, h, flag::kGoCloseBar);
    for (size_t row = 0; row < m.RowCount(); ++row) m.MarkLoaded(row);
  }
};

const OutlineRules kRules;

}  // namespace

const PageDescriptor kOutlinePage =
    Describe(IDD_CUST_OUTLINE, HELP_TOPIC_CUST_OUTLINE, kRows, kBindings, {}, {}, &kRules);

}  // namespace scrv
