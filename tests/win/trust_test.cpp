// The signature check of product files, the bounded attribute probe and the program runner:
// the verification request as the system gets it, the verdicts that pass, ask or refuse, the
// remembered acceptance, a path that never answers, and waiting for a program with the caller's
// messages still flowing.

#include <gtest/gtest.h>

#include <windows.h>

#include <softpub.h>

#include "dialog_test_support.h"
#include "frame/program_runner_win.h"
#include "frame/signature_check_win.h"
#include "system_calls_recorder.h"
#include "test_support.h"

using namespace testing_support;
using namespace dialog_test;
using trust_test::SystemCallsRecorder;

namespace {

constexpr LONG kNoSignature = static_cast<LONG>(0x800B0100);  // TRUST_E_NOSIGNATURE
constexpr LONG kChaining = static_cast<LONG>(0x800B010A);     // CERT_E_CHAINING

std::wstring TestPlugin() {
  return BinFolder() + L"PlugIns\\Clock.dll";
}

class SignatureCheck : public ::testing::Test {
 protected:
  InProcessModule module;  // a fresh module state: nothing accepted yet
  SystemCallsRecorder system;
};

TEST_F(SignatureCheck, VerificationGetsTheFileWithoutWindowUiOrRevocation) {
  system.verdict = 0;
  EXPECT_EQ(scrv::VerifyFileSignature(TestPlugin().c_str()), 1);
  ASSERT_EQ(system.trustCalls.size(), 1u);
  const auto& c = system.trustCalls[0];
  GUID verifyV2 = WINTRUST_ACTION_GENERIC_VERIFY_V2;
  EXPECT_EQ(c.window, nullptr);
  EXPECT_TRUE(IsEqualGUID(c.action, verifyV2));
  EXPECT_EQ(c.dataSize, 88u);
  EXPECT_EQ(c.uiChoice, 2u);     // WTD_UI_NONE
  EXPECT_EQ(c.revocation, 0u);   // WTD_REVOKE_NONE
  EXPECT_EQ(c.unionChoice, 1u);  // WTD_CHOICE_FILE
  EXPECT_EQ(c.stateAction, 0u);
  EXPECT_EQ(c.providerFlags, 0x10u);  // WTD_REVOCATION_CHECK_NONE
  EXPECT_EQ(c.fileInfoSize, 32u);
  EXPECT_EQ(c.path, TestPlugin());
  EXPECT_EQ(c.file, nullptr);
  EXPECT_EQ(c.knownSubject, nullptr);
}

TEST_F(SignatureCheck, BrokenChainPassesAndLaterChecksAreNotMadeAtAll) {
  system.verdict = kChaining;
  EXPECT_EQ(scrv::VerifyFileSignature(TestPlugin().c_str()), 1);
  system.verdict = kNoSignature;
  EXPECT_EQ(scrv::VerifyFileSignature(TestPlugin().c_str()), 1);
  EXPECT_EQ(system.trustCalls.size(), 1u);
  EXPECT_EQ(system.attributeCalls, 1);  // not even probed the second time
}

TEST_F(SignatureCheck, MissingFileAndFolderFailWithoutAsking) {
  system.verdict = 0;
  EXPECT_EQ(scrv::VerifyFileSignature((BinFolder() + L"no-such-file.dll").c_str()), 0);
  EXPECT_EQ(scrv::VerifyFileSignature(BinFolder().c_str()), 0);
  EXPECT_TRUE(system.trustCalls.empty());
}

// Wine has no signature on the project's own build: the real verification refuses it, with a
// verdict that depends on the root certificates Wine knows.
TEST_F(SignatureCheck, UnsignedLibraryAsksWithTheVerdictAndTheTickedBoxSilencesLaterChecks) {
  bool showsPath = false, showsCode = false;
  auto r = RunDialog(
      [&] { return static_cast<INT_PTR>(scrv::VerifyFileSignature(TestPlugin().c_str())); },
      [&](HWND td) {
        showsPath = ShowsText(td, TestPlugin());
        showsCode = ShowsText(td, L" (0x");
        TickVerification(td);
        Click(td, 1);
      });
  EXPECT_TRUE(r.scriptRan);
  EXPECT_EQ(r.result, 1);
  ASSERT_EQ(system.trustCalls.size(), 1u);
  EXPECT_NE(system.trustCalls[0].result, 0);
  EXPECT_NE(system.trustCalls[0].result, kChaining);
  EXPECT_TRUE(showsPath);
  EXPECT_TRUE(showsCode);
  // Accepted for the rest of the process: no question, no verification.
  EXPECT_EQ(scrv::VerifyFileSignature((BinFolder() + L"PlugIns\\Outline.dll").c_str()), 1);
  EXPECT_EQ(system.trustCalls.size(), 1u);
}

TEST_F(SignatureCheck, DecliningRefusesAndProceedingWithoutTheBoxAsksAgainNextTime) {
  system.verdict = kNoSignature;
  std::wstring code;
  auto declined = RunDialog(
      [&] { return static_cast<INT_PTR>(scrv::VerifyFileSignature(TestPlugin().c_str())); },
      [&](HWND td) {
        code = ShowsText(td, L"(0x800b0100)") ? L"shown" : L"missing";
        Click(td, IDCANCEL);
      });
  EXPECT_EQ(declined.result, 0);
  EXPECT_EQ(code, L"shown");
  auto proceeded = RunDialog(
      [&] { return static_cast<INT_PTR>(scrv::VerifyFileSignature(TestPlugin().c_str())); },
      [&](HWND td) { Click(td, 1); });
  EXPECT_EQ(proceeded.result, 1);
  auto again = RunDialog(
      [&] { return static_cast<INT_PTR>(scrv::VerifyFileSignature(TestPlugin().c_str())); },
      [&](HWND td) { Click(td, IDCANCEL); });
  EXPECT_TRUE(again.scriptRan);
  EXPECT_EQ(system.trustCalls.size(), 3u);
}

TEST(AttributeProbe, ReadsFilesAndFoldersAndLeavesTheErrorModeAsItWas) {
  UINT mode = GetErrorMode();
  DWORD file = scrv::ProbeFileAttributes(TestPlugin().c_str());
  EXPECT_NE(file, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(file & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_NE(scrv::ProbeFileAttributes(BinFolder().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(scrv::ProbeFileAttributes((BinFolder() + L"none").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetErrorMode(), mode);
}

TEST(AttributeProbe, PathThatNeverAnswersIsGivenUpWhileTheReadStillHangs) {
  SystemCallsRecorder system;
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  UINT modeSeen = 0;
  system.attributes = [&](const wchar_t*) -> DWORD {
    modeSeen = GetErrorMode();
    WaitForSingleObject(release, INFINITE);  // an unreachable server
    SetEvent(finished);
    return FILE_ATTRIBUTE_NORMAL;
  };
  EXPECT_EQ(scrv::ProbeFileAttributes(L"\\\\unreachable\\share\\x.dll"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(WaitForSingleObject(finished, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(modeSeen & SEM_NOOPENFILEERRORBOX, static_cast<UINT>(SEM_NOOPENFILEERRORBOX));
  // The abandoned probe ends by itself once its read returns.
  SetEvent(release);
  EXPECT_EQ(WaitForSingleObject(finished, 10000), WAIT_OBJECT_0);
  CloseHandle(release);
  CloseHandle(finished);
}

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP + 1) {
    ++*reinterpret_cast<int*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

TEST(ProgramRunner, WaitsForTheExitCodeDispatchingMessagesAndPostsTheQuitAgain) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ScrvRunnerProbe";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
  int dispatched = 0;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&dispatched));
  // A repaint-like message and a quit request arrive while the program runs.
  PostMessageW(window, WM_APP + 1, 0, 0);
  PostQuitMessage(7);

  EXPECT_EQ(scrv::RunProgram(nullptr, L"cmd.exe", L"/c exit 5", true), 5u);
  EXPECT_EQ(dispatched, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  DestroyWindow(window);
}

TEST(ProgramRunner, ShellRequestAndTheCasesThatGiveMinusOne) {
  SystemCallsRecorder system;
  HWND owner = GetDesktopWindow();
  system.launch = [](SHELLEXECUTEINFOW* info) { return trust_test::StartExitingProcess(info, 3); };
  EXPECT_EQ(scrv::RunProgram(owner, L"tool.exe", L"/d \"x\"", false), 0xFFFFFFFFu);
  EXPECT_EQ(scrv::RunProgram(owner, L"tool.exe", L"/d \"x\"", true), 3u);
  ASSERT_EQ(system.launches.size(), 2u);
  for (const auto& l : system.launches) {
    EXPECT_EQ(l.size, 112u);
    EXPECT_EQ(l.owner, owner);
    EXPECT_EQ(l.verb, L"");
    EXPECT_EQ(l.file, L"tool.exe");
    EXPECT_EQ(l.parameters, L"/d \"x\"");
    EXPECT_EQ(l.show, SW_SHOWNORMAL);
  }
  EXPECT_EQ(system.launches[0].mask, 0u);
  EXPECT_EQ(system.launches[1].mask, static_cast<DWORD>(SEE_MASK_NOCLOSEPROCESS));
  system.launch = nullptr;  // the shell cannot start it
  EXPECT_EQ(scrv::RunProgram(owner, L"tool.exe", nullptr, true), 0xFFFFFFFFu);
}

}  // namespace
