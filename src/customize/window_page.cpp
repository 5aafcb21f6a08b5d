// The Window page: what the main window remembers, how it closes and when it beeps.

#include "customize/customize_pages.h"
#include "customize/page_model.h"
#include "resource_ids.h"
#include "frame/anchor_layout.h"

namespace scrv {
namespace {

enum : uint8_t {
  kRestoreSize,
  kSwitchLast,
  kBeep,
  kBeepLevel,
  kCloseCombined,
  kNoCloseLast,
  kRestoreCws,
  kExpandBar,
  kSaveTop,
  kSizeRecorded,
};

constexpr SettingRow kRows[] = {
    Dword(u"RestoreWindowSize", 0).Always(),
    Dword(u"SwitchLastWindow", 1).Always(),
    Dword(u"Beep", 1).Always(),
    Dword(u"BeepLevel", 2).Always(),
    Dword(u"CloseAllCombined", 1).Always(),
    Dword(u"NoCloseLast", 1).Always(),
    Dword(u"RestoreCWS", 2).Always(),
    Dword(u"ExpandCustomBar", 0).Always(),
    Dword(u"SaveAlwaysTop", 0),
    // The host records the current window size when the sheet's result says so.
    Transient(0).Result(2),
};

constexpr Binding kBindings[] = {
    Choice(IDC_WINDOW_RESTORE_POS, kRestoreSize, 2, 0),
    Choice(IDC_WINDOW_RESTORE_SIZE, kRestoreSize, 1, 0),
    Button(IDC_WINDOW_USE_CURRENT, kSizeRecorded, 1),
    Check(IDC_WINDOW_SWITCH_LAST, kSwitchLast),
    Check(IDC_WINDOW_BEEP, kBeep),
    Choice(IDC_WINDOW_BEEP_QUIET, kBeepLevel, 1, 2),
    Check(IDC_WINDOW_CLOSE_COMBINED, kCloseCombined),
    Check(IDC_WINDOW_NO_CLOSE_LAST, kNoCloseLast),
    Choice(IDC_WINDOW_RESTORE_CWS, kRestoreCws, 2, 0),
    BitBox(IDC_WINDOW_EXPAND_BAR, kExpandBar, 1),
    BitBox(IDC_WINDOW_EXPAND_BAR_ALL, kExpandBar, 2),
    Check(IDC_WINDOW_SAVE_TOP, kSaveTop),
};

constexpr EnableRule kEnables[] = {
    {IDC_WINDOW_RESTORE_SIZE, Effect::kLockOn, IDC_WINDOW_RESTORE_POS},
    {IDC_WINDOW_USE_CURRENT, Effect::kEnableOff, IDC_WINDOW_USE_CURRENT},
    {IDC_WINDOW_BEEP_QUIET, Effect::kEnable, IDC_WINDOW_BEEP},
    {IDC_WINDOW_EXPAND_BAR_ALL, Effect::kEnable, IDC_WINDOW_EXPAND_BAR},
};

constexpr Anchor kAnchors[] = {
    {IDC_CUST_RESET, anchor::kMoveRight | anchor::kMoveBottom},
};

// Recording the current size implies restoring a size.
class WindowRules : public PageRules {
 public:
  void OnChange(PageModel& m, uint16_t id) const override {
    if (id == IDC_WINDOW_USE_CURRENT && m.Working(kRestoreSize).number == 0)
      m.Working(kRestoreSize).number = 1;
  }
};

const WindowRules kRules;

}  // namespace

const PageDescriptor kWindowPage = [] {
  PageDescriptor d = Describe(IDD_CUST_WINDOW, HELP_TOPIC_CUST_WINDOW, kRows, kBindings, kEnables,
                              kAnchors, &kRules);
  d.resetButton = IDC_CUST_RESET;
  return d;
}();

}  // namespace scrv
