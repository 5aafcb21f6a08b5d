// Every refused or greyed OK says why, in the dialog: one table of the refusals a user meets,
// each opened through its export, driven to the refusal by the keys' and clicks' messages, and
// checked for the sentence it must show and for whether the dialog stayed open.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../../host/host_string_list.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "test_support.h"

using namespace testing_support;

namespace {

struct Refusal {
  const char* name;
  // Opens the dialog through its export over `owner`.
  std::function<INT_PTR(HWND owner, const Library&)> open;
  // The user's steps up to the refusal.
  std::function<void(HWND dlg)> steps;
  int reasonControl;
  std::wstring reason;
  bool stillOpen;  // after the steps (OK pressed where OK is what is refused)
};

HostStringList NoChoices(std::vector<std::wstring>{});

const Refusal kRefusals[] = {
    {"ExtractFrequentZero",
     [](HWND owner, const Library& lib) {
       return static_cast<INT_PTR>(lib.Get<int (*)(HWND, uint8_t)>("DoExtractFrequent")(owner, 1));
     },
     [](HWND dlg) {
       SetText(dlg, IDC_EF_LINES, L"0");
       Click(dlg, IDOK);
     },
     IDC_EF_LINES_REASON, L"Extract at least 1 string.", true},
    {"ExtractFrequentEmpty",
     [](HWND owner, const Library& lib) {
       return static_cast<INT_PTR>(lib.Get<int (*)(HWND, uint8_t)>("DoExtractFrequent")(owner, 1));
     },
     [](HWND dlg) {
       SetText(dlg, IDC_EF_LINES, L"");
       Click(dlg, IDOK);
     },
     IDC_EF_LINES_REASON, L"Type how many strings to extract (1 or more).", true},
    {"ExtractFrequentTooBig",
     [](HWND owner, const Library& lib) {
       return static_cast<INT_PTR>(lib.Get<int (*)(HWND, uint8_t)>("DoExtractFrequent")(owner, 1));
     },
     [](HWND dlg) {
       SetText(dlg, IDC_EF_LINES, L"99999999999");
       Click(dlg, IDOK);
     },
     IDC_EF_LINES_REASON, L"At most 2147483647 strings can be extracted.", true},
    {"NumberRangeCutAt159",
     [](HWND owner, const Library& lib) {
       std::wstring text = L"[1 , 2]" + std::wstring(200, L' ');
       text.resize(260);
       return static_cast<INT_PTR>(
           lib.Get<decltype(&DoNumberRangeDlg)>("DoNumberRangeDlg")(owner, text.data(), 260));
     },
     [](HWND) {}, IDC_NR_EXAMPLES,
     L"The range handed over was longer than 159 characters; only its first 159 are used.", true},
    {"JumpOutOfRange",
     [](HWND owner, const Library& lib) {
       uint32_t target = 119, secondary = 7;
       int32_t choice = -1;
       return static_cast<INT_PTR>(lib.Get<decltype(&DoJump)>("DoJump")(
           owner, &target, &secondary, &choice, NoChoices.Descriptor(), 0));
     },
     [](HWND dlg) { SetText(dlg, IDC_JUMP_TARGET, L"0"); }, IDC_JUMP_NOTE,
     L"Line number lies outside 1 to 2147483646: OK uses 1.", true},
    {"JumpNotANumber",
     [](HWND owner, const Library& lib) {
       uint32_t target = 119, secondary = 7;
       int32_t choice = -1;
       return static_cast<INT_PTR>(lib.Get<decltype(&DoJump)>("DoJump")(
           owner, &target, &secondary, &choice, NoChoices.Descriptor(), 0));
     },
     [](HWND dlg) { SetText(dlg, IDC_JUMP_SECONDARY, L""); }, IDC_JUMP_NOTE,
     L"Column is not a number: OK keeps 8.", true},
    // A limit the small-value table bounds, typed beyond it: OK and a page change are refused,
    // the field keeps the typed number and the focus.
    {"HistoryLimitAboveWhatTheSettingHolds",
     [](HWND owner, const Library& lib) {
       static uint32_t restart = 0;
       return static_cast<INT_PTR>(
           lib.Get<decltype(&DoCustomize)>("DoCustomize")(owner, 4, &restart, -1, 0, 0));
     },
     [](HWND sheet) {
       HWND page = PropSheet_GetCurrentPageHwnd(sheet);
       HWND files = GetDlgItem(page, IDC_HISTORY_FILES);
       SetFocus(files);
       SendMessageW(files, EM_SETSEL, 0, -1);
       for (wchar_t c : std::wstring(L"99999")) SendMessageW(files, WM_CHAR, c, 1);
       Click(sheet, IDOK);
       PumpMessages(30);
       EXPECT_EQ(GetFocus(), files);
       EXPECT_FALSE(SendMessageW(sheet, PSM_SETCURSEL, 0, 0));
       PumpMessages(30);
       EXPECT_EQ(PropSheet_GetCurrentPageHwnd(sheet), page);
       EXPECT_EQ(GetFocus(), files);
       EXPECT_EQ(Text(page, IDC_HISTORY_FILES), L"99999");
     },
     IDC_CUST_NUMBER_REASON, L"Recent files can be at most 127.", true},
};

// A sheet's reasons stand on the page it shows.
HWND ReasonHolder(HWND dlg, int id) {
  return GetDlgItem(dlg, id) ? dlg : PropSheet_GetCurrentPageHwnd(dlg);
}

class RefusalReasons : public testing::TestWithParam<Refusal> {
 protected:
  void SetUp() override { ClearRegistrySettings(); }
  void TearDown() override { ClearRegistrySettings(); }
  AppFolder folder{false};
  Library lib{folder.Path()};
  FakeHost host;
};

TEST_P(RefusalReasons, TheDialogSaysWhyItRefuses) {
  const Refusal& c = GetParam();
  std::wstring shown;
  bool open = false;
  ScriptResult r = RunDialog([&] { return c.open(host.Hwnd(), lib); },
                             [&](HWND dlg) {
                               PumpMessages(30);
                               c.steps(dlg);
                               open = IsWindow(dlg) && IsWindowVisible(dlg);
                               shown = Text(ReasonHolder(dlg, c.reasonControl), c.reasonControl);
                               if (open) Click(dlg, IDCANCEL);
                             });
  EXPECT_TRUE(r.scriptRan);
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(open, c.stillOpen);
  EXPECT_EQ(shown, c.reason);
}

INSTANTIATE_TEST_SUITE_P(EveryRefusal, RefusalReasons, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
