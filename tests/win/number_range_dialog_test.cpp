// The number range dialog's two ways of entry, driven through the export.

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

TEST_P(NumberRangeDialog, TypingBoundsComposesTheExpression) {
  wchar_t buf[160] = L"";
  std::wstring expression, afterIntegers;
  bool okEmpty = true, expressionEnabled = true;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
                     [&](HWND dlg) {
                       okEmpty = Enabled(dlg, IDOK);
                       expressionEnabled = Enabled(dlg, IDC_NR_EXPRESSION);
                       SetText(dlg, IDC_NR_LOWER, L"1");
                       SetText(dlg, IDC_NR_UPPER, L"10");
                       expression = Text(dlg, IDC_NR_EXPRESSION);
                       Click(dlg, IDC_NR_INTEGERS);
                       afterIntegers = Text(dlg, IDC_NR_EXPRESSION);
                       Click(dlg, IDOK);
                     });
  ASSERT_TRUE(r.scriptRan);
  EXPECT_FALSE(expressionEnabled) << "field mode: the expression is read-only";
  // Without "integers only" each number gets the locale's decimal part.
  EXPECT_EQ(expression.substr(0, 1), L"[");
  EXPECT_NE(expression.find(L"1"), std::wstring::npos);
  EXPECT_EQ(expression.size(), std::wstring(L"[1.0 , 10.0]").size());
  EXPECT_EQ(afterIntegers, L"[1 , 10]");
  EXPECT_EQ(r.result, IDOK);
  EXPECT_STREQ(buf, L"[1 , 10]");
}

TEST_P(NumberRangeDialog, AnOpenUpperBoundLeavesItsEndOpen) {
  wchar_t buf[160] = L"";
  std::wstring expression;
  RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
            [&](HWND dlg) {
              Click(dlg, IDC_NR_INTEGERS);
              Click(dlg, IDC_NR_UPPER_INCLUSIVE);
              SetText(dlg, IDC_NR_LOWER, L"1");
              expression = Text(dlg, IDC_NR_EXPRESSION);
              Click(dlg, IDCANCEL);
            });
  EXPECT_EQ(expression, L"[1 , )");
}

TEST_P(NumberRangeDialog, TypingAnExpressionFillsTheFieldsAndBoxes) {
  wchar_t buf[160] = L"";
  std::wstring lower, upper;
  bool lowerIncl = true, upperIncl = true, integers = false;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
                     [&](HWND dlg) {
                       Click(dlg, IDC_NR_DIRECT);
                       SetText(dlg, IDC_NR_EXPRESSION, L"(5 , 20)");
                       lower = Text(dlg, IDC_NR_LOWER);
                       upper = Text(dlg, IDC_NR_UPPER);
                       lowerIncl = Checked(dlg, IDC_NR_LOWER_INCLUSIVE);
                       upperIncl = Checked(dlg, IDC_NR_UPPER_INCLUSIVE);
                       integers = Checked(dlg, IDC_NR_INTEGERS);
                       Click(dlg, IDOK);
                     });
  EXPECT_EQ(lower, L"5");
  EXPECT_EQ(upper, L"20");
  EXPECT_FALSE(lowerIncl);
  EXPECT_FALSE(upperIncl);
  EXPECT_TRUE(integers);
  EXPECT_EQ(r.result, IDOK);
  EXPECT_STREQ(buf, L"(5 , 20)");
}

TEST_P(NumberRangeDialog, InvalidInputDisablesOk) {
  wchar_t buf[160] = L"[1 , 2]";
  bool okInteger20 = true, okMixed = true, okBadText = true, okValid = false;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
                     [&](HWND dlg) {
                       if (!Checked(dlg, IDC_NR_INTEGERS)) Click(dlg, IDC_NR_INTEGERS);
                       SetText(dlg, IDC_NR_LOWER, L"12345678901234567890");
                       okInteger20 = Enabled(dlg, IDOK);
                       Click(dlg, IDC_NR_INTEGERS);
                       SetText(dlg, IDC_NR_LOWER, L"10.0.0.1");
                       SetText(dlg, IDC_NR_UPPER, L"7");
                       okMixed = Enabled(dlg, IDOK);
                       Click(dlg, IDC_NR_DIRECT);
                       SetText(dlg, IDC_NR_EXPRESSION, L"[1 ; 2]");
                       okBadText = Enabled(dlg, IDOK);
                       SetText(dlg, IDC_NR_EXPRESSION, L"192.168.0.0/24");
                       okValid = Enabled(dlg, IDOK);
                       Click(dlg, IDOK);
                     });
  EXPECT_FALSE(okInteger20) << "at most 19 digits";
  EXPECT_FALSE(okMixed) << "an address and a number";
  EXPECT_FALSE(okBadText);
  EXPECT_TRUE(okValid);
  EXPECT_EQ(r.result, IDOK);
  EXPECT_STREQ(buf, L"192.168.0.0/24");
}

TEST_P(NumberRangeDialog, AnAddressBlockOpensInDirectMode) {
  wchar_t buf[160] = L"10.0.0.0/8";
  bool direct = false;
  std::wstring lower, upper;
  RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
            [&](HWND dlg) {
              direct = Checked(dlg, IDC_NR_DIRECT);
              lower = Text(dlg, IDC_NR_LOWER);
              upper = Text(dlg, IDC_NR_UPPER);
              Click(dlg, IDCANCEL);
            });
  EXPECT_TRUE(direct);
  EXPECT_EQ(lower, L"10.0.0.0");
  EXPECT_EQ(upper, L"10.255.255.255");
}

TEST_P(NumberRangeDialog, DoNotShowAgainIsStoredOnCancelToo) {
  wchar_t buf[160] = L"[1 , 2]";
  EXPECT_EQ(StoredSkip(), -1);
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 160); },
                     [&](HWND dlg) {
                       Click(dlg, IDC_NR_SKIP);
                       Click(dlg, IDCANCEL);
                     });
  EXPECT_EQ(r.result, IDCANCEL);
  EXPECT_EQ(StoredSkip(), 1);
  EXPECT_STREQ(buf, L"[1 , 2]");
}

TEST_P(NumberRangeDialog, WithoutTheBoxNothingIsStored) {
  wchar_t buf[160] = L"[1 , 2]";
  RunDialog([&] { return fn(host.Hwnd(), buf, 160); }, [](HWND dlg) { Click(dlg, IDOK); });
  EXPECT_EQ(StoredSkip(), -1);
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

INSTANTIATE_TEST_SUITE_P(BothBackEnds, NumberRangeDialog, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
