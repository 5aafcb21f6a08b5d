// The library's message boxes as task dialogs: their caption, owner, buttons and default button,
// texts from the localisation module, and the error texts. Run in the test program's own copy of
// the Win32 layer; the scripts find the task dialog and press its buttons.

#include <gtest/gtest.h>

#include "base/text_win.h"
#include "dialog_test_support.h"
#include "frame/message_box_win.h"
#include "resource_ids.h"
#include "test_support.h"

using namespace testing_support;
using namespace dialog_test;
using scrv::UiText;

namespace {

class MessageBoxes : public ::testing::Test {
 protected:
  // Shows a message over the host; `script` gets the task dialog and presses a button.
  ScriptResult Show(const std::function<INT_PTR()>& open, const std::function<void(HWND)>& script) {
    ScriptResult r = RunDialog(open, script);
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    return r;
  }

  InProcessModule module;
  FakeHost host;
};

TEST_F(MessageBoxes, YesNoCancelWithTheThirdButtonAsDefaultPreselectsCancel) {
  int def = 0;
  bool yes = false, no = false, cancel = false;
  std::wstring caption;
  HWND owner = nullptr;
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
        Click(td, IDNO);
      });
  EXPECT_EQ(def, IDCANCEL);
  EXPECT_TRUE(yes && no && cancel);
  EXPECT_EQ(caption, L"Scrivlet");
  EXPECT_EQ(owner, host.Hwnd());
  EXPECT_EQ(r.result, IDNO);
}

TEST_F(MessageBoxes, TheSecondButtonAsDefaultOfYesNoIsNo) {
  int def = 0;
  auto r = Show(
      [&] {
        return scrv::ShowMessage(host.Hwnd(), UiText::Of(u"Replace?"), UiText::Of(u""),
                                 MB_YESNO | MB_DEFBUTTON2);
      },
      [&](HWND td) {
        def = DefaultButton(td);
        Click(td, IDYES);
      });
  EXPECT_EQ(def, IDNO);
  EXPECT_EQ(r.result, IDYES);
}

TEST_F(MessageBoxes, AbortRetryIgnoreShowsOkOnly) {
  bool ok = false, others = true;
  auto r = Show(
      [&] {
        return scrv::ShowMessage(host.Hwnd(), UiText::Of(u"Something failed."), UiText::Of(u""),
                                 MB_ABORTRETRYIGNORE);
      },
      [&](HWND td) {
        ok = GetDlgItem(td, IDOK) != nullptr;
        others = GetDlgItem(td, IDABORT) || GetDlgItem(td, IDRETRY) || GetDlgItem(td, IDIGNORE) ||
                 GetDlgItem(td, IDCANCEL);
        Click(td, IDOK);
      });
  EXPECT_TRUE(ok);
  EXPECT_FALSE(others);
  EXPECT_EQ(r.result, IDOK);
}

TEST_F(MessageBoxes, TextsGivenByNumberComeFromTheLocalisationModule) {
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

TEST_F(MessageBoxes, AskProceedReportsTheButtonAndTheVerificationBox) {
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

TEST_F(MessageBoxes, ShowErrorWarnsWithTheErrorTextAndNothingForCodeZero) {
  auto none = RunDialog(
      [&] {
        scrv::ShowError(host.Hwnd(), 0, L"x");
        return INT_PTR{0};
      },
      [](HWND td) { Click(td, IDOK); });
  EXPECT_FALSE(none.scriptRan);

  bool shown = false;
  Show(
      [&] {
        scrv::ShowError(host.Hwnd(), 0xA0000008, L"notes.bin");
        return INT_PTR{0};
      },
      [&](HWND td) {
        shown = ShowsText(td, scrv::LoadResString(IDS_ERR_BAD_FILE_FORMAT)) &&
                ShowsText(td, L"notes.bin");
        Click(td, IDOK);
      });
  EXPECT_TRUE(shown);
}

}  // namespace
