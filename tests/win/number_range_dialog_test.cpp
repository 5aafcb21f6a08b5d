// DoNumberRangeDlg through the real library: the host's string in and out, the skip box in both
// settings back ends, and the drop targets. The rules of the fields live in the model's tests.

#include <gtest/gtest.h>
#include <ole2.h>

#include "resource_ids.h"
#include "test_support.h"
#include "scrvdlgs_api.h"

using namespace testing_support;

namespace {

using DoNumberRangeFn = decltype(&DoNumberRangeDlg);

class NumberRangeDialog : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoNumberRangeFn>("DoNumberRangeDlg");
    ASSERT_NE(fn, nullptr);
  }
  void TearDown() override { ClearRegistrySettings(); }
  // "SkipNumRange" as stored by the library, in whichever back end it uses; -1 when absent.
  long long StoredSkip() {
    if (GetParam()) {
      std::wstring t = folder.IniText(L"scCommon.ini", L"Common", L"SkipNumRange");
      return t == L"\x1" ? -1 : _wtoi(t.c_str());
    }
    DWORD v = 0, size = 4;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", L"SkipNumRange",
                     RRF_RT_REG_DWORD, nullptr, &v, &size) != ERROR_SUCCESS)
      return -1;
    return v;
  }
  AppFolder folder{GetParam()};
  Library lib{folder.Path()};
  FakeHost host;
  DoNumberRangeFn fn = nullptr;
};

TEST_P(NumberRangeDialog, TypedBoundsComposeTheExpressionTheHostGetsBack) {
  wchar_t buf[160] = L"";
  bool expressionEnabled = true;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
                     [&](HWND dlg) {
                       expressionEnabled = Enabled(dlg, IDC_NR_EXPRESSION);
                       Click(dlg, IDC_NR_INTEGERS);
                       SetText(dlg, IDC_NR_LOWER, L"1");
                       SetText(dlg, IDC_NR_UPPER, L"10");
                       Click(dlg, IDOK);
                     });
  ASSERT_TRUE(r.scriptRan);
  EXPECT_FALSE(expressionEnabled) << "field mode: the expression is read-only";
  EXPECT_EQ(r.result, IDOK);
  EXPECT_STREQ(buf, L"[1 , 10]");
}

TEST_P(NumberRangeDialog, DoNotShowAgainIsStoredOnCancelToo) {
  wchar_t buf[160] = L"[1 , 2]";
  EXPECT_EQ(StoredSkip(), -1);
  std::wstring shown;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
                     [&](HWND dlg) {
                       shown = Text(dlg, IDC_NR_EXPRESSION);
                       Click(dlg, IDC_NR_SKIP);
                       Click(dlg, IDCANCEL);
                     });
  EXPECT_EQ(shown, L"[1 , 2]");
  EXPECT_EQ(r.result, IDCANCEL);
  EXPECT_EQ(StoredSkip(), 1);
  EXPECT_STREQ(buf, L"[1 , 2]");
}

TEST_P(NumberRangeDialog, WithoutTheBoxNothingIsStored) {
  wchar_t buf[160] = L"[1 , 2]";
  RunDialog([&] { return fn(host.Hwnd(), buf, 160); }, [](HWND dlg) { Click(dlg, IDOK); });
  EXPECT_EQ(StoredSkip(), -1);
}

TEST_P(NumberRangeDialog, ASmallHostCapacityCutsTheResult) {
  wchar_t buf[8] = L"";
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 6); },
                     [&](HWND dlg) {
                       if (!Checked(dlg, IDC_NR_DIRECT)) Click(dlg, IDC_NR_DIRECT);
                       SetText(dlg, IDC_NR_EXPRESSION, L"[100 , 200]");
                       Click(dlg, IDOK);
                     });
  EXPECT_EQ(r.result, IDOK);
  EXPECT_STREQ(buf, L"[100 ");
}

TEST_P(NumberRangeDialog, BoundsAndExpressionAcceptDroppedText) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  wchar_t buf[160] = L"";
  bool lower = false, upper = false, expression = false, integers = true;
  RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
            [&](HWND dlg) {
              auto registered = [&](int id) {
                return GetPropW(GetDlgItem(dlg, id), L"OleDropTargetInterface") != nullptr;
              };
              lower = registered(IDC_NR_LOWER);
              upper = registered(IDC_NR_UPPER);
              expression = registered(IDC_NR_EXPRESSION);
              integers = registered(IDC_NR_INTEGERS);
              Click(dlg, IDCANCEL);
            });
  OleUninitialize();
  EXPECT_TRUE(lower);
  EXPECT_TRUE(upper);
  EXPECT_TRUE(expression);
  EXPECT_FALSE(integers) << "only the three edits are drop targets";
}

// An address block opens in direct mode: the focus starts in the expression it shows.
TEST_P(NumberRangeDialog, DirectModeOpensWithTheFocusInTheExpression) {
  wchar_t buf[160] = L"10.0.0.0/8";
  int focused = 0;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
                     [&](HWND dlg) {
                       focused = GetDlgCtrlID(GetFocus());
                       Click(dlg, IDCANCEL);
                     });
  ASSERT_TRUE(r.scriptRan);
  EXPECT_EQ(focused, IDC_NR_EXPRESSION);
}

SCRV_IN_BOTH_BACK_ENDS(NumberRangeDialog);

}  // namespace
