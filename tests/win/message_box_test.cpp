// The library's message boxes: their caption, owner, buttons and default button, texts from the
// localisation module, and the error texts. Each question runs in the light theme (the platform's
// task dialog) and in the dark one (the library's own dialog, which must answer the same way).
// Run in the test program's own copy of the Win32 layer; the scripts find the dialog and press
// its buttons.

#include <gtest/gtest.h>

#include "base/text_win.h"
#include "dialog_test_support.h"
#include "frame/message_box_win.h"
#include "frame/dialog_appearance.h"
#include "resource_ids.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace dialog_test;
using scrv::UiText;

namespace {

class MessageBoxes : public ::testing::Test {
 protected:
  void TearDown() override { ClearRegistrySettings(); }
  // Shows a message over the host; `script` gets the dialog and presses a button.
  ScriptResult Show(const std::function<INT_PTR()>& open, const std::function<void(HWND)>& script) {
    ScriptResult r = RunDialog(open, script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return r;
  }

  InProcessModule module;
  FakeHost host;
};

// The questions, in each theme.
class Questions : public MessageBoxes, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    DWORD theme = Dark() ? 2 : 1;
    settings_test::SetRawValue(L"Common", L"AppTheme", REG_DWORD, &theme, sizeof theme);
  }
  bool Dark() const { return GetParam(); }
  // The colour the dialog paints its face with.
  static COLORREF Face(HWND dlg) {
    HDC dc = GetDC(dlg);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(dlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dlg)));
    LOGBRUSH lb = {};
    if (brush) GetObjectW(brush, sizeof lb, &lb);
    ReleaseDC(dlg, dc);
    return brush ? lb.lbColor : GetSysColor(COLOR_BTNFACE);
  }
};
INSTANTIATE_TEST_SUITE_P(Theme, Questions, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

TEST_P(Questions, YesNoCancelWithTheThirdButtonAsDefaultPreselectsCancel) {
  int def = 0;
  bool yes = false, no = false, cancel = false;
  std::wstring caption;
  HWND owner = nullptr;
  COLORREF face = 0;
  auto r = Show(
      [&] {
        return scrv::ShowMessage(host.Hwnd(), UiText::Of(u"Save the changes?"), UiText::Of(u""),
                                 MB_YESNOCANCEL | MB_DEFBUTTON3);
      },
      [&](HWND td) {
        def = DefaultButton(td);
        yes = GetDlgItem(td, IDYES) != nullptr;
        no = GetDlgItem(td, IDNO) != nullptr;
        cancel = GetDlgItem(td, IDCANCEL) != nullptr;
        caption = WindowText(td);
        owner = GetWindow(td, GW_OWNER);
        face = Face(td);
        Click(td, IDNO);
      });
  EXPECT_EQ(face, Dark() ? scrv::kDarkFaceColor : GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(def, IDCANCEL);
  EXPECT_TRUE(yes && no && cancel);
  EXPECT_EQ(caption, L"Scrivlet");
  EXPECT_EQ(owner, host.Hwnd());
  EXPECT_EQ(r.result, IDNO);
}

TEST_P(Questions, TextsGivenByNumberComeFromTheLocalisationModule) {
  std::wstring expected = scrv::LoadResString(IDS_OPEN_FAILED);
  ASSERT_FALSE(expected.empty());
  bool mainShown = false, contentShown = false;
  Show([&] { return scrv::ShowOpenFailure(host.Hwnd(), L"https://help.example/x.html", L"(404)"); },
       [&](HWND td) {
         mainShown = ShowsText(td, expected);
         contentShown = ShowsText(td, L"https://help.example/x.html (404)");
         Click(td, IDOK);
       });
  EXPECT_TRUE(mainShown);
  EXPECT_TRUE(contentShown);
}

TEST_P(Questions, AskProceedReportsTheButtonAndTheVerificationBox) {
  bool verified = false;
  int def = 0;
  std::wstring proceedText, boxText;
  auto r = Show(
      [&] {
        return scrv::AskProceed(host.Hwnd(), UiText::Of(u"Delete the plug-in?"), UiText::Of(u""),
                                UiText::Of(u"&Delete"), scrv::TaskIcon::kWarning, &verified);
      },
      [&](HWND td) {
        def = DefaultButton(td);
        proceedText = WindowText(GetDlgItem(td, 1));
        HWND box = VerificationBox(td);
        boxText = WindowText(box);
        TickVerification(td);
        Click(td, 1);
      });
  EXPECT_EQ(def, IDCANCEL);
  EXPECT_EQ(proceedText, L"&Delete");
  EXPECT_EQ(boxText, scrv::LoadResString(IDS_DONT_ASK_AGAIN));
  EXPECT_EQ(r.result, 1);
  EXPECT_TRUE(verified);
}

TEST_P(Questions, EscEndsOnlyWhatCanBeCancelledAndAChoiceReportsItsRadio) {
  // In the light theme the platform's task dialog decides what Esc does.
  if (Dark()) {
    bool stillOpen = false;
    auto yesNo = Show(
        [&] {
          return scrv::ShowMessage(host.Hwnd(), UiText::Of(u"Replace the file?"), UiText::Of(u""),
                                   MB_YESNO);
        },
        [&](HWND td) {
          SendMessageW(td, WM_COMMAND, IDCANCEL, 0);  // what Esc sends
          stillOpen = IsWindowVisible(td) != FALSE;
          Click(td, IDYES);
        });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(yesNo.result, IDYES);
    auto okOnly = Show(
        [&] { return scrv::ShowMessage(host.Hwnd(), UiText::Of(u"Done."), UiText::Of(u""), MB_OK); },
        [&](HWND td) { SendMessageW(td, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(okOnly.result, IDCANCEL);
  }

  bool preselected = false, verified = false;
  auto choice = Show(
      [&] {
        return scrv::AskChoice(host.Hwnd(), UiText::Res(IDS_HELP_SOURCE_QUESTION),
                               UiText::Res(IDS_HELP_SOURCE_ONLINE), UiText::Res(IDS_HELP_SOURCE_LOCAL),
                               1, &verified);
      },
      [&](HWND td) {
        preselected = IsDlgButtonChecked(td, IDC_HELP_SOURCE_ONLINE) == BST_CHECKED;
        ChooseRadio(td, IDC_HELP_SOURCE_LOCAL);
        TickVerification(td);
        Click(td, IDOK);
      });
  EXPECT_TRUE(preselected);
  EXPECT_EQ(choice.result, 2);
  EXPECT_TRUE(verified);
}

TEST_F(MessageBoxes, ALibraryErrorCodeGivesItsStringEvenWithAnArgument) {
  wchar_t* text = scrv::GetErrorText(0xA0000021, L"C:\\plug-ins\\x.dll");
  ASSERT_NE(text, nullptr);
  std::wstring expected = scrv::LoadResString(IDS_ERR_SIGNATURE);
  EXPECT_FALSE(expected.empty());
  EXPECT_EQ(std::wstring(text), expected);
  EXPECT_GE(LocalSize(text), 260 * sizeof(wchar_t));
  LocalFree(text);
}

TEST_F(MessageBoxes, ASystemErrorGivesTheSystemTextAndOnlyNamedErrorsTakeTheArgument) {
  wchar_t* notFound = scrv::GetErrorText(ERROR_FILE_NOT_FOUND, L"zzz.txt");
  ASSERT_NE(notFound, nullptr);
  EXPECT_GT(wcslen(notFound), 0u);
  EXPECT_EQ(std::wstring(notFound).find(L"zzz.txt"), std::wstring::npos);
  LocalFree(notFound);

  // 0xA0000030 is neither the library's nor the system's.
  EXPECT_EQ(scrv::GetErrorText(0xA0000030, nullptr), nullptr);
}

}  // namespace
