// The dialog base as a user meets it in the jump and number range dialogs of the real library:
// the number range's anchors on a wider window, the frame offering only horizontal sizing, the
// tracking limits, the size grip, the caption icon and the dark theme's colours.

#include <gtest/gtest.h>

#include <windows.h>
#include <uxtheme.h>

#include <cstdint>

#include "dialog_test_support.h"
#include "controls/wide_string_list.h"
#include "resource_ids.h"
#include "settings_test_support.h"
#include "test_support.h"
#include "scrvdlgs_api.h"

using namespace testing_support;
using namespace dialog_test;

namespace {

using DoJumpFn = decltype(&DoJump);
using DoNumberRangeFn = decltype(&DoNumberRangeDlg);

class DialogBase : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    jump = lib.Get<DoJumpFn>("DoJump");
    numberRange = lib.Get<DoNumberRangeFn>("DoNumberRangeDlg");
    ASSERT_TRUE(jump && numberRange);
  }
  void TearDown() override { ClearRegistrySettings(); }

  void OpenJump(const std::function<void(HWND)>& script) {
    uint32_t a = 0, b = 0;
    int32_t c = 0;
    scrv::WideStringListBuilder list({u"Logical lines", u"Display lines"});
    auto r = RunDialog(
        [&] { return static_cast<INT_PTR>(jump(host.Hwnd(), &a, &b, &c, list.Descriptor(), 0)); },
        script);
    ASSERT_TRUE(r.scriptRan);
    ASSERT_FALSE(r.timedOut);
  }

  AppFolder folder{false};
  Library lib{folder.Path()};
  FakeHost host;
  DoJumpFn jump = nullptr;
  DoNumberRangeFn numberRange = nullptr;
};

void Widen(HWND dlg, int by) {
  RECT rc = WindowRectOf(dlg);
  SetWindowPos(dlg, nullptr, 0, 0, rc.right - rc.left + by, rc.bottom - rc.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

TEST_F(DialogBase, NumberRangeControlsFollowTheirAnchorsWhenTheDialogWidens) {
  RECT lower0, upper0, upperIncl0, expr0, ok0, lower1, upper1, upperIncl1, expr1, ok1;
  wchar_t text[160] = L"[1 , 10]";
  auto r = RunDialog([&] { return static_cast<INT_PTR>(numberRange(host.Hwnd(), text, 160)); },
                     [&](HWND dlg) {
                       lower0 = ControlRect(dlg, IDC_NR_LOWER);
                       upper0 = ControlRect(dlg, IDC_NR_UPPER);
                       upperIncl0 = ControlRect(dlg, IDC_NR_UPPER_INCLUSIVE);
                       expr0 = ControlRect(dlg, IDC_NR_EXPRESSION);
                       ok0 = ControlRect(dlg, IDOK);
                       Widen(dlg, 60);
                       lower1 = ControlRect(dlg, IDC_NR_LOWER);
                       upper1 = ControlRect(dlg, IDC_NR_UPPER);
                       upperIncl1 = ControlRect(dlg, IDC_NR_UPPER_INCLUSIVE);
                       expr1 = ControlRect(dlg, IDC_NR_EXPRESSION);
                       ok1 = ControlRect(dlg, IDOK);
                       Click(dlg, IDCANCEL);
                     });
  ASSERT_TRUE(r.scriptRan);
  EXPECT_EQ(lower1.right, lower0.right + 30);
  EXPECT_EQ(upper1.left, upper0.left + 30);
  EXPECT_EQ(upper1.right, upper0.right + 60);
  EXPECT_EQ(upperIncl1.left, upperIncl0.left + 30);
  EXPECT_EQ(expr1.right, expr0.right + 60);
  EXPECT_EQ(ok1.left, ok0.left + 60);
  settings_test::RawValue stored = settings_test::GetRawValue(L"Common", L"NumberRangeDlgPos");
  EXPECT_EQ(stored.bytes.size(), 16u);
}

TEST_F(DialogBase, AControlMadeAgainUnderItsIdentifierKeepsItsAnchor) {
  RECT ok0 = {}, ok1 = {};
  OpenJump([&](HWND dlg) {
    ok0 = ControlRect(dlg, IDOK);
    DestroyWindow(GetDlgItem(dlg, IDOK));
    CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, ok0.left, ok0.top,
                    ok0.right - ok0.left, ok0.bottom - ok0.top, dlg,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDOK)), nullptr, nullptr);
    Widen(dlg, 40);
    ok1 = ControlRect(dlg, IDOK);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(ok1.left, ok0.left + 40);
  EXPECT_EQ(ok1.right - ok1.left, ok0.right - ok0.left);
}

TEST_F(DialogBase, AWidthOnlyDialogSizesOnlyHorizontallyAndNeverBelowItsTemplate) {
  LRESULT corner = 0, grip = 0, top = 0, left = 0;
  MINMAXINFO info = {};
  RECT wr = {};
  OpenJump([&](HWND dlg) {
    wr = WindowRectOf(dlg);
    RECT client = {};
    GetClientRect(dlg, &client);
    POINT gripPt = {client.right - 2, client.bottom - 2};
    ClientToScreen(dlg, &gripPt);
    auto hit = [&](int x, int y) { return SendMessageW(dlg, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    corner = hit(wr.right - 1, wr.bottom - 1);
    grip = hit(gripPt.x, gripPt.y);
    top = hit((wr.left + wr.right) / 2, wr.top + 1);
    left = hit(wr.left + 1, (wr.top + wr.bottom) / 2);
    info.ptMaxTrackSize = {5000, 5000};
    SendMessageW(dlg, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(corner, HTRIGHT);
  EXPECT_EQ(grip, HTRIGHT);  // the grip square in the client area sizes too
  EXPECT_EQ(top, HTBORDER);
  EXPECT_EQ(left, HTLEFT);
  EXPECT_EQ(info.ptMinTrackSize.x, wr.right - wr.left);
  EXPECT_EQ(info.ptMaxTrackSize.y, wr.bottom - wr.top);
  EXPECT_EQ(info.ptMaxTrackSize.x, 5000);
}

// Whether anything but the dialog's background is painted in the client area's bottom-right
// square of `size` pixels.
bool PaintedInCorner(HWND dlg, int size) {
  RECT client = {};
  GetClientRect(dlg, &client);
  HDC dc = GetDC(dlg);
  COLORREF face = GetPixel(dc, client.right - size - 4, client.bottom - size - 4);
  bool painted = false;
  for (int y = client.bottom - size; y < client.bottom; ++y)
    for (int x = client.right - size; x < client.right; ++x)
      if (GetPixel(dc, x, y) != face) painted = true;
  ReleaseDC(dlg, dc);
  return painted;
}

void Repaint(HWND dlg) {
  RedrawWindow(dlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(30);
}

TEST_F(DialogBase, TheSizeGripIsThemedOrAControlInTheBottomRightCorner) {
  bool themedPainted = false, themedControl = true, fallbackGone = false;
  RECT client0 = {}, grip0 = {}, client1 = {}, grip1 = {};
  OpenJump([&](HWND dlg) {
    Repaint(dlg);
    themedControl = GetDlgItem(dlg, IDC_SIZE_GRIP) != nullptr;
    themedPainted = PaintedInCorner(dlg, 12);
    // Without visual styles for this window the grip is the system bitmap in control 100.
    SetWindowTheme(dlg, L" ", L" ");
    Repaint(dlg);
    GetClientRect(dlg, &client0);
    grip0 = ControlRect(dlg, IDC_SIZE_GRIP);
    Widen(dlg, 40);
    GetClientRect(dlg, &client1);
    grip1 = ControlRect(dlg, IDC_SIZE_GRIP);
    // Styles back: the themed grip replaces the control.
    SetWindowTheme(dlg, nullptr, nullptr);
    Repaint(dlg);
    fallbackGone = GetDlgItem(dlg, IDC_SIZE_GRIP) == nullptr;
    Click(dlg, IDCANCEL);
  });
  EXPECT_FALSE(themedControl);
  EXPECT_TRUE(themedPainted);
  EXPECT_GT(grip0.right - grip0.left, 0);
  EXPECT_EQ(grip0.right, client0.right);
  EXPECT_EQ(grip0.bottom, client0.bottom);
  EXPECT_EQ(client1.right, client0.right + 40);
  EXPECT_EQ(grip1.right, client1.right);
  EXPECT_EQ(grip1.bottom, client1.bottom);
  EXPECT_TRUE(fallbackGone);
}

TEST_F(DialogBase, TheCaptionShowsTheApplicationIcon) {
  HICON big = nullptr, small = nullptr;
  OpenJump([&](HWND dlg) {
    big = reinterpret_cast<HICON>(SendMessageW(dlg, WM_GETICON, ICON_BIG, 0));
    small = reinterpret_cast<HICON>(SendMessageW(dlg, WM_GETICON, ICON_SMALL, 0));
    Click(dlg, IDCANCEL);
  });
  ASSERT_NE(big, nullptr);
  ASSERT_NE(small, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(big, &info));
  BITMAP bm = {};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXICON));
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

struct Painted {
  COLORREF brush = 0;
  COLORREF text = 0;
  COLORREF background = 0;
  bool sameBrushTwice = false;
};

Painted PaintEdit(HWND dlg, UINT msg, int id) {
  Painted p;
  HDC dc = GetDC(GetDlgItem(dlg, id));
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
      dlg, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id))));
  auto again = reinterpret_cast<HBRUSH>(SendMessageW(
      dlg, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id))));
  LOGBRUSH lb = {};
  GetObjectW(brush, sizeof lb, &lb);
  p.brush = lb.lbColor;
  p.text = GetTextColor(dc);
  p.background = GetBkColor(dc);
  p.sameBrushTwice = brush && brush == again;
  ReleaseDC(GetDlgItem(dlg, id), dc);
  return p;
}

TEST_F(DialogBase, TheDarkThemePaintsEditFieldsAndListsDark) {
  DWORD dark = 2;
  settings_test::SetRawValue(L"Common", L"AppTheme", REG_DWORD, &dark, sizeof dark);
  Painted edit, list;
  OpenJump([&](HWND dlg) {
    edit = PaintEdit(dlg, WM_CTLCOLOREDIT, IDC_JUMP_TARGET);
    list = PaintEdit(dlg, WM_CTLCOLORLISTBOX, IDC_JUMP_CHOICE);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(edit.brush, 0x262D30u);
  EXPECT_EQ(edit.background, 0x262D30u);
  EXPECT_EQ(edit.text, 0xE0FFFCu);
  EXPECT_TRUE(edit.sameBrushTwice);
  EXPECT_EQ(list.brush, 0x262D30u);
  EXPECT_EQ(list.text, 0xE0FFFCu);
}

TEST_F(DialogBase, TheLightThemeUsesTheSystemColours) {
  DWORD light = 1;
  settings_test::SetRawValue(L"Common", L"AppTheme", REG_DWORD, &light, sizeof light);
  Painted edit;
  OpenJump([&](HWND dlg) {
    edit = PaintEdit(dlg, WM_CTLCOLOREDIT, IDC_JUMP_SECONDARY);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(edit.brush, GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(edit.background, GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(edit.text, GetSysColor(COLOR_WINDOWTEXT));
}

}  // namespace
