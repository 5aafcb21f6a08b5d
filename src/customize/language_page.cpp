// The Language page: the language of the user interface and the application icon. A new
// language is loaded when the host starts again.

#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"
#include "frame/dialog_appearance.h"
#include "frame/language_folder.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t { kSystemLang, kFolder, kIconDesign };

constexpr SettingRow kRows[] = {
    FlagDword(flag::kSystemLang).Always(),
    Text(kLangFolderKey, kCompanionPathCapacity, kFallbackLanguageFolder).Always().IgnoreCase(),
    Dword(kIconDesignKey, IconDesignDefault(false)).From(SystemDefault::kIconDesign),
};

constexpr Binding kBindings[] = {
    Check(IDC_LANG_SYSTEM, kSystemLang),
    Inverted(IDC_LANG_CLASSIC_ICON, kIconDesign),
};

constexpr EnableRule kEnables[] = {
    {IDC_LANG_LIST, Effect::kEnableOff, IDC_LANG_SYSTEM},
    {IDC_LANG_LIST_LABEL, Effect::kEnableOff, IDC_LANG_SYSTEM},
};

constexpr Anchor kAnchors[] = {
    {IDC_LANG_LIST, anchor::kStretchRight | anchor::kStretchBottom},
    {IDC_LANG_CLASSIC_ICON, anchor::kMoveBottom},
    {IDC_LANG_NOTE, anchor::kMoveBottom},
};

class LanguageRules : public PageRules {
 public:
  void AfterLoad(PageModel& m, SettingsStore&, SettingsHandle,
                 CustomizeEnvironment&) const override {
    if (m.Working(kFolder).text.empty()) {
      m.Working(kFolder).text = u"1033";
      m.MarkLoaded(kFolder);
    }
  }

  uint64_t AfterSave(PageModel& m, SaveContext& ctx, uint64_t bits) const override {
    if (m.Changed(kSystemLang) || m.Changed(kFolder)) bits |= 0x482;
    const bool anything = m.Changed(kSystemLang) || m.Changed(kFolder) || m.Changed(kIconDesign);
    if (anything && ctx.restart && *ctx.restart != 8193) *ctx.restart = 4097;
    return bits;
  }
};

const LanguageRules kRules;

}  // namespace

const PageDescriptor kLanguagePage = Describe(IDD_CUST_LANGUAGE, HELP_TOPIC_CUST_LANGUAGE, kRows,
                                              kBindings, kEnables, kAnchors, &kRules);

}  // namespace scrv
