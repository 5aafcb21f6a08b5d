// The about box: the host's version, the component versions and the link, through the real
// library; and the link itself in the test's own copy of the library, where the launcher
// records what the shell would have opened.

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "integration/about_dlg.h"
#include "key_dialog_steps.h"
#include "resource_ids.h"
#include "test_support.h"

using namespace testing_support;
using namespace dialog_test;

namespace {

using DoAboutFn = int (*)(HWND, uint32_t);

TEST(AboutExport, ShowsTheHostsVersionTheLinkAndTheComponentVersions) {
  AppFolder folder{false};
  Library lib{folder.Path()};
  auto doAbout = lib.Get<DoAboutFn>("DoAbout");
  ASSERT_NE(doAbout, nullptr);
  FakeHost host;
  host.version = L"3.2.1.0";
  std::wstring version, link, components;
  // The application's icon at the system's icon size, the same one on every opening.
  auto shownIcon = [](HWND dlg) {
    return reinterpret_cast<HICON>(SendDlgItemMessageW(dlg, IDC_DIALOG_ICON, STM_GETICON, 0, 0));
  };
  HICON icon = nullptr, iconAgain = nullptr;
  auto r =
      RunDialog([&] { return doAbout(host.Hwnd(), 7); },
                [&](HWND dlg) {
                  icon = shownIcon(dlg);
                  version = Text(dlg, IDC_ABOUT_VERSION);
                  link = Text(dlg, IDC_ABOUT_LINK);
                  for (int id : {IDC_ABOUT_COMPONENT1, IDC_ABOUT_COMPONENT2, IDC_ABOUT_COMPONENT3})
                    components += Text(dlg, id) + L"|";
                  // Escape: the box has no Cancel button of its own.
                  SendMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
                });
  EXPECT_EQ(r.result, IDCANCEL);
  EXPECT_EQ(version, L"Version 3.2.1.0");
  EXPECT_EQ(link, key_dialog_steps::LocalisedString(IDS_ABOUT_LINK));
  EXPECT_NE(components.find(L"1.66.0|"), std::wstring::npos);
  EXPECT_NE(components.find(L"1.6.2|"), std::wstring::npos);
  EXPECT_NE(components.find(L"6.1.3|"), std::wstring::npos);
  EXPECT_FALSE(r.timedOut);
  size_t versionQueries = 0;
  for (const auto& m : host.messages) versionQueries += m.msg == 0x83A && m.wParam == 290;
  EXPECT_EQ(versionQueries, 1u);

  auto ok = RunDialog([&] { return doAbout(host.Hwnd(), 0); },
                      [&](HWND dlg) {
                        iconAgain = shownIcon(dlg);
                        Click(dlg, IDOK);
                      });
  EXPECT_EQ(ok.result, IDOK);
  EXPECT_FALSE(ok.timedOut);
  ICONINFO info = {};
  ASSERT_TRUE(icon && GetIconInfo(icon, &info));
  BITMAP bm = {};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(bm.bmWidth, GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(iconAgain, icon);
}

class AboutLink : public ::testing::Test {
 protected:
  // Opens the box over the host and runs `steps` on its link; the box is closed afterwards.
  void WithLink(const std::function<void(HWND dlg, HWND link)>& steps) {
    auto r = RunDialog([&] { return INT_PTR{DoAbout(host.Hwnd(), 0)}; },
                       [&](HWND dlg) {
                         steps(dlg, GetDlgItem(dlg, IDC_ABOUT_LINK));
                         Click(dlg, IDOK);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
  }

  InProcessModule module;
  RecordingLauncher launcher;
  FakeHost host;
};

TEST_F(AboutLink, SpaceAndEnterOnTheFocusedLinkOpenItThroughTheShell) {
  std::wstring address;
  WithLink([&](HWND dlg, HWND link) {
    address = WindowText(link);
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(link), TRUE);
    EXPECT_EQ(GetFocus(), link) << "the link takes the keyboard focus";
    PostMessageW(link, WM_KEYDOWN, VK_SPACE, 0);
    PumpMessages(30);
    EXPECT_EQ(launcher.addresses.size(), 1u);
    PostMessageW(link, WM_KEYDOWN, VK_RETURN, 0);  // through the dialog's keyboard handling
    PumpMessages(30);
    EXPECT_EQ(launcher.addresses.size(), 2u) << "Enter opens the link, not the default button";
    PostMessageW(link, WM_KEYDOWN, 'A', 0);
    PumpMessages(30);
  });
  ASSERT_EQ(launcher.addresses.size(), 2u);
  EXPECT_EQ(launcher.addresses[0], address);
  EXPECT_EQ(launcher.addresses[1], address);
}

TEST_F(AboutLink, ClickOpensAndTheLinkDrawsBlueOnAHollowBrush) {
  COLORREF color = 0;
  LRESULT brush = 0;
  HCURSOR cursor = nullptr;
  WithLink([&](HWND dlg, HWND link) {
    HDC dc = GetDC(link);
    brush = SendMessageW(dlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(link));
    color = GetTextColor(dc);
    ReleaseDC(link, dc);
    SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, 0));
    cursor = GetCursor();
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  });
  EXPECT_EQ(color, RGB(0, 0, 255));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(cursor, LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(launcher.addresses.size(), 1u);
}

TEST_F(AboutLink, AnEmptyLinkKeepsTheArrowAndOpensNothing) {
  HCURSOR cursor = nullptr;
  WithLink([&](HWND, HWND link) {
    SetWindowTextW(link, L"");
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, 0));
    cursor = GetCursor();
    SendMessageW(link, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  });
  EXPECT_NE(cursor, LoadCursorW(nullptr, IDC_HAND));
  EXPECT_TRUE(launcher.addresses.empty());
}

}  // namespace
