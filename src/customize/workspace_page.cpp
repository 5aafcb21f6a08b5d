// The Workspace page: when the workspace (the open documents and windows) is saved and
// restored.

#include "customize/customize_pages.h"
#include "resource_ids.h"
#include "settings/flag_table.h"
#include "settings/small_value_table.h"

namespace scrv {
namespace {

enum : uint8_t {
  kAuto,
  kMaxLines,
  kPeriod,
  kNoPromptExit,
  kSkipTemp,
  kSkipLines,
  kCrashed,
  kPeriodic,
  kNoSave,
};

// The host restarts its save timer when the sheet's result says the period changed.
constexpr uint32_t kTimerResult = 16;
constexpr SettingRow kRows[] = {
    SmallDword(small_value::kAutoWorkspace),
    Dword(u"WSMaxLines", 10000000),
    Dword(u"AWSTime", 10).Result(kTimerResult),
    FlagDword(flag::kNoPromptExitApp),
    FlagDword(flag::kDontSaveWSUseTemp),
    FlagDword(flag::kDontSaveWSLines),
    FlagDword(flag::kAWSCrashed),
    FlagDword(flag::kAWSPeriodic).Result(kTimerResult),
    Flag(flag::kNoSaveWorkspace),
};

constexpr Binding kBindings[] = {
    Check(IDC_WS_AUTO, kAuto),          Number(IDC_WS_MAX_LINES, kMaxLines),
    Number(IDC_WS_PERIOD, kPeriod),     Check(IDC_WS_NO_PROMPT_EXIT, kNoPromptExit),
    Check(IDC_WS_SKIP_TEMP, kSkipTemp), Check(IDC_WS_SKIP_LINES, kSkipLines),
    Check(IDC_WS_CRASHED, kCrashed),    Check(IDC_WS_PERIODIC, kPeriodic),
    Check(IDC_WS_NO_SAVE, kNoSave),
};

constexpr EnableRule kEnables[] = {
    {IDC_WS_MAX_LINES, Effect::kEnable, IDC_WS_SKIP_LINES},
    {IDC_WS_MAX_LINES_LABEL, Effect::kEnable, IDC_WS_SKIP_LINES},
    {IDC_WS_LINES_UNIT, Effect::kEnable, IDC_WS_SKIP_LINES},
    {IDC_WS_PERIOD, Effect::kEnable, IDC_WS_PERIODIC},
    {IDC_WS_PERIOD_LABEL, Effect::kEnable, IDC_WS_PERIODIC},
    {IDC_WS_PERIOD_UNIT, Effect::kEnable, IDC_WS_PERIODIC},
};

}  // namespace

const PageDescriptor kWorkspacePage =
    Describe(IDD_CUST_WORKSPACE, HELP_TOPIC_CUST_WORKSPACE, kRows, kBindings, kEnables);

}  // namespace scrv
