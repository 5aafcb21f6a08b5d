// The Shortcut page: the tray icon and starting with Windows. Its save step acts on the shell
// at once: it starts or ends the tray program and adds or removes its start-up shortcut.

#include "customize/customize_environment.h"
#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "resource_ids.h"
#include "settings/flag_table.h"

namespace scrv {
namespace {

enum : uint8_t { kTray, kQuickStart, kTrayStartup };

constexpr SettingRow kRows[] = {
    FlagDword(flag::kTrayIconAppLaunch),
    FlagDword(flag::kQuickStart),
    Dword(u"TrayIconStartup", 0),
};

constexpr Binding kBindings[] = {
    Check(IDC_SHORTCUT_TRAY, kTray),
    Check(IDC_SHORTCUT_QUICK_START, kQuickStart),
    Check(IDC_SHORTCUT_TRAY_STARTUP, kTrayStartup),
};

class ShortcutRules : public PageRules {
 public:
  uint64_t AfterSave(PageModel& m, SaveContext& ctx, uint64_t bits) const override {
    if (m.Changed(kTray)) ctx.env.SetTrayProgram(m.Working(kTray).number != 0);
    if (m.Changed(kTrayStartup)) ctx.env.SetStartupShortcut(m.Working(kTrayStartup).number != 0);
    return bits;
  }
};

const ShortcutRules kRules;

}  // namespace

const PageDescriptor kShortcutPage =
    Describe(IDD_CUST_SHORTCUT, HELP_TOPIC_CUST_SHORTCUT, kRows, kBindings, {}, {}, &kRules);

}  // namespace scrv
