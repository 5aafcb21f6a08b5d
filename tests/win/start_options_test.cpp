// DoCustomizeStart through the real library in either back end: the boxes show the stored
// flags, OK writes all eleven (defaults removed) and answers whether a look option changed,
// Reset shows the defaults, Cancel writes nothing.

#include <gtest/gtest.h>

#include "key_dialog_steps.h"

using namespace testing_support;
using namespace key_dialog_steps;

namespace {

using DoCustomizeStartFn = int (*)(HWND);

class StartOptionsExport : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoCustomizeStartFn>("DoCustomizeStart");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override { ClearRegistrySettings(); }

  int Run(const std::function<void(HWND)>& script) {
    auto r = RunDialog([&] { return fn(host.Hwnd()); }, script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return static_cast<int>(r.result);
  }
  long long Setting(const wchar_t* name) { return CommonDword(folder, ini, name); }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  DoCustomizeStartFn fn = nullptr;
};

TEST_P(StartOptionsExport, ABehaviourChangeIsWrittenAndAnswersZero) {
  bool shown = false, small = false;
  int r = Run([&](HWND dlg) {
    shown = Checked(dlg, IDC_SD_SHOW);
    small = Checked(dlg, IDC_SD_SMALL_ICONS);
    Click(dlg, IDC_SD_SHOW);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 0);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(small);
  EXPECT_EQ(Setting(L"ShowStartDlg"), 0);
  EXPECT_EQ(Setting(L"StartDlgNewOption"), -1) << "defaults are not stored";
  EXPECT_EQ(Setting(L"StartDlgLargeIcon"), -1);
}

TEST_P(StartOptionsExport, ALookChangeAnswersOneAndResetShowsTheDefaults) {
  int r = Run([&](HWND dlg) {
    Click(dlg, IDC_SD_LARGE_ICONS);
    Click(dlg, IDC_SD_DATE);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(Setting(L"StartDlgLargeIcon"), 1);
  EXPECT_EQ(Setting(L"StartDlgDate"), 1);

  bool largeBefore = false, largeAfter = true, dateAfter = true;
  r = Run([&](HWND dlg) {
    largeBefore = Checked(dlg, IDC_SD_LARGE_ICONS);
    Click(dlg, IDC_SD_RESET);
    largeAfter = Checked(dlg, IDC_SD_LARGE_ICONS);
    dateAfter = Checked(dlg, IDC_SD_DATE);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, 0);
  EXPECT_TRUE(largeBefore);
  EXPECT_FALSE(largeAfter);
  EXPECT_FALSE(dateAfter);
  EXPECT_EQ(Setting(L"StartDlgLargeIcon"), 1) << "Reset writes nothing until OK; Cancel never";

  r = Run([&](HWND dlg) {
    Click(dlg, IDC_SD_RESET);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(Setting(L"StartDlgLargeIcon"), -1);
  EXPECT_EQ(Setting(L"StartDlgDate"), -1);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, StartOptionsExport, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
