// DoNumberRangeDlg through the real library: the string round trip of the modal frame.

#include <gtest/gtest.h>

#include "resource_ids.h"
#include "test_support.h"
#include "scrvdlgs_api.h"

using namespace testing_support;

namespace {

using DoNumberRangeFn = decltype(&DoNumberRangeDlg);

class NumberRangeExport : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    fn = lib.Get<DoNumberRangeFn>("DoNumberRangeDlg");
    ASSERT_NE(fn, nullptr);
  }
  AppFolder folder{false};
  Library lib{folder.Path()};
  FakeHost host;
  DoNumberRangeFn fn = nullptr;
};

TEST_F(NumberRangeExport, OkReturnsTheEditedExpression) {
  wchar_t buf[64] = L"[1 , 10]";
  std::wstring shown;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 64); },
                     [&](HWND dlg) {
                       shown = Text(dlg, IDC_NR_EXPRESSION);
                       Click(dlg, IDC_NR_DIRECT);
                       if (!Checked(dlg, IDC_NR_DIRECT)) Click(dlg, IDC_NR_DIRECT);
                       SetText(dlg, IDC_NR_EXPRESSION, L"[2 , 20]");
                       Click(dlg, IDOK);
                     });
  ASSERT_TRUE(r.scriptRan);
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(r.result, IDOK);
  EXPECT_EQ(shown, L"[1 , 10]");
  EXPECT_STREQ(buf, L"[2 , 20]");
}

TEST_F(NumberRangeExport, HostStringIsCutTo159Characters) {
  // Valid only when cut after 159 characters: blanks may follow the closing bracket, the
  // "x" characters beyond the cut may not.
  std::wstring text = L"[1 , 10]" + std::wstring(151, L' ') + std::wstring(41, L'x');
  std::vector<wchar_t> buf(text.begin(), text.end());
  buf.push_back(0);
  std::wstring lower, upper;
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf.data(), static_cast<int>(buf.size())); },
                     [&](HWND dlg) {
                       lower = Text(dlg, IDC_NR_LOWER);
                       upper = Text(dlg, IDC_NR_UPPER);
                       Click(dlg, IDCANCEL);
                     });
  ASSERT_TRUE(r.scriptRan);
  EXPECT_EQ(lower, L"1");
  EXPECT_EQ(upper, L"10");
  EXPECT_EQ(r.result, IDCANCEL);
}

TEST_F(NumberRangeExport, SmallHostCapacityCutsTheResult) {
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

TEST_F(NumberRangeExport, CancelLeavesTheBufferUntouched) {
  wchar_t buf[32] = L"[5 , 6]";
  auto r = RunDialog([&] { return fn(host.Hwnd(), buf, 32); },
                     [&](HWND dlg) {
                       if (!Checked(dlg, IDC_NR_DIRECT)) Click(dlg, IDC_NR_DIRECT);
                       SetText(dlg, IDC_NR_EXPRESSION, L"[7 , 8]");
                       Click(dlg, IDCANCEL);
                     });
  EXPECT_EQ(r.result, IDCANCEL);
  EXPECT_STREQ(buf, L"[5 , 6]");
}

}  // namespace
