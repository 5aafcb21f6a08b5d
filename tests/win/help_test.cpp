// Help on F1 and the caption's help button: where help is read (asked once, then remembered),
// which page or topic is opened, and the messages when it cannot be. The launcher records what
// would have been opened instead of starting a browser or the help viewer.

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "base/text_win.h"
#include "dialog_test_support.h"
#include "frame/dialog_appearance.h"
#include "frame/help_win.h"
#include "controls/wide_string_list.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace dialog_test;

namespace {

// From the language folder's info.ini in the build.
constexpr wchar_t kHelpBase[] = L"https://help.scrivlet.example/v3/";
constexpr wchar_t kDownloadPage[] = L"https://www.scrivlet.example/help-download/";

std::wstring LocalHelpFile() {
  wchar_t common[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, TRUE);
  return std::wstring(common) + L"\\Veltranix\\Scrivlet\\Help\\scrivlet.chm";
}

void SetDword(const wchar_t* name, DWORD value) {
  settings_test::SetRawValue(L"Common", name, REG_DWORD, &value, sizeof value);
}

std::optional<DWORD> Dword(const wchar_t* name) {
  settings_test::RawValue v = settings_test::GetRawValue(L"Common", name);
  if (v.status != ERROR_SUCCESS || v.bytes.size() != 4) return std::nullopt;
  DWORD d;
  std::memcpy(&d, v.bytes.data(), 4);
  return d;
}

class Help : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    DeleteFileW(LocalHelpFile().c_str());
  }
  void TearDown() override {
    ClearRegistrySettings();
    DeleteFileW(LocalHelpFile().c_str());
  }
  void InstallLocalHelp() {
    std::wstring file = LocalHelpFile();
    std::wstring folder = file.substr(0, file.rfind(L'\\'));
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    std::ofstream(std::filesystem::path(file)) << "ITSF";
  }
  // F1 over the host; `script` answers a task dialog when one appears.
  ScriptResult AskForHelp(UINT topic, const std::function<void(HWND)>& script) {
    return RunDialog(
        [&] {
          scrv::ShowHelpTopic(host.Hwnd(), topic);
          return INT_PTR{0};
        },
        script);
  }
  static void Refuse(HWND td) { Click(td, IDCANCEL); }

  InProcessModule module;
  RecordingLauncher launcher;
  FakeHost host;
};

TEST_F(Help, WithTheChoiceRememberedLocalHelpOpensWithoutAQuestion) {
  SetDword(L"PromptHelp", 0);
  SetDword(L"HelpInternet", 0);
  InstallLocalHelp();
  auto r = AskForHelp(7040, Refuse);
  EXPECT_FALSE(r.scriptRan);
  ASSERT_EQ(launcher.helpCalls.size(), 1u);
  EXPECT_EQ(lstrcmpiW(launcher.helpCalls[0].file.c_str(), LocalHelpFile().c_str()), 0);
  EXPECT_EQ(launcher.helpCalls[0].command, 15u);  // HH_HELP_CONTEXT
  EXPECT_EQ(launcher.helpCalls[0].data, 7040u);
  EXPECT_TRUE(launcher.addresses.empty());
}

TEST_F(Help, TickingTheBoxAndChoosingLocalHelpRemembersBoth) {
  InstallLocalHelp();
  UINT onlineBefore = 0, localBefore = 0;
  std::wstring question;
  auto r = AskForHelp(7040, [&](HWND td) {
    onlineBefore = CheckState(td, IDC_HELP_SOURCE_ONLINE);
    localBefore = CheckState(td, IDC_HELP_SOURCE_LOCAL);
    question = scrv::LoadResString(IDS_HELP_SOURCE_QUESTION);
    EXPECT_TRUE(ShowsText(td, question));
    ChooseRadio(td, IDC_HELP_SOURCE_LOCAL);
    TickVerification(td);
    Click(td, IDOK);
  });
  ASSERT_TRUE(r.scriptRan);
  EXPECT_FALSE(r.timedOut);
  EXPECT_EQ(onlineBefore, BST_CHECKED);  // "HelpInternet" defaults to online
  EXPECT_EQ(localBefore, BST_UNCHECKED);
  EXPECT_EQ(Dword(L"PromptHelp"), 0u);
  EXPECT_EQ(Dword(L"HelpInternet"), 0u);
  ASSERT_EQ(launcher.helpCalls.size(), 1u);
  EXPECT_EQ(launcher.helpCalls[0].data, 7040u);

  // The next F1 goes straight to local help.
  auto again = AskForHelp(7273, Refuse);
  EXPECT_FALSE(again.scriptRan);
  ASSERT_EQ(launcher.helpCalls.size(), 2u);
  EXPECT_EQ(launcher.helpCalls[1].data, 7273u);
}

// Clicks a link of the task dialog's content as the link control reports it.
void ClickLink(HWND td, const std::wstring& url) {
  std::vector<HWND> links = ChildrenOfClass(td, L"SysLink");
  ASSERT_FALSE(links.empty());
  NMLINK link = {};
  link.hdr.hwndFrom = links[0];
  link.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(links[0]));
  link.hdr.code = NM_CLICK;
  lstrcpynW(link.item.szUrl, url.c_str(), L_MAX_URL_LENGTH);
  SendMessageW(td, WM_NOTIFY, link.hdr.idFrom, reinterpret_cast<LPARAM>(&link));
}

TEST_F(Help, AMissingLocalFileOffersTheDownloadPage) {
  SetDword(L"PromptHelp", 0);
  SetDword(L"HelpInternet", 0);
  bool missing = false, linkShown = false;
  auto r = AskForHelp(7040, [&](HWND td) {
    missing = ShowsText(td, scrv::LoadResString(IDS_HELP_FILE_MISSING));
    linkShown = ShowsText(td, kDownloadPage);
    ClickLink(td, kDownloadPage);
    ClickLink(td, L"help@scrivlet.example");
    Click(td, IDOK);
  });
  EXPECT_TRUE(r.scriptRan);
  EXPECT_TRUE(missing);
  EXPECT_TRUE(linkShown);
  EXPECT_TRUE(launcher.helpCalls.empty());
  ASSERT_EQ(launcher.addresses.size(), 2u);
  EXPECT_EQ(launcher.addresses[0], kDownloadPage);
  EXPECT_EQ(launcher.addresses[1], L"mailto:help@scrivlet.example");
}

// In the dark theme the box is the library's own: the link is a static of its own, in the dark
// theme's link colour, and Space opens it as a click does.
TEST_F(Help, InTheDarkThemeTheDownloadLinkIsTheLibrarysOwnAndOpensFromTheKeyboard) {
  SetDword(L"PromptHelp", 0);
  SetDword(L"HelpInternet", 0);
  SetDword(L"AppTheme", 2);
  std::wstring linkText;
  COLORREF colour = 0;
  auto r = AskForHelp(7040, [&](HWND td) {
    for (HWND s : ChildrenOfClass(td, L"Static")) {
      if (!(GetWindowLongW(s, GWL_STYLE) & WS_TABSTOP)) continue;
      linkText = WindowText(s);
      HDC dc = GetDC(s);
      SendMessageW(td, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(s));
      colour = GetTextColor(dc);
      ReleaseDC(s, dc);
      SendMessageW(s, WM_KEYDOWN, VK_SPACE, 0);
    }
    Click(td, IDOK);
  });
  EXPECT_TRUE(r.scriptRan);
  EXPECT_EQ(linkText, kDownloadPage);
  EXPECT_EQ(colour, scrv::kDarkLinkColor);
  ASSERT_EQ(launcher.addresses.size(), 1u);
  EXPECT_EQ(launcher.addresses[0], kDownloadPage);
}

TEST_F(Help, F1AndTheCaptionsHelpButtonOpenEachDialogsTopic) {
  SetDword(L"PromptHelp", 0);
  uint32_t a = 0, b = 0;
  int32_t c = 0;
  scrv::WideStringListBuilder list({});
  auto jump = RunDialog(
      [&] { return static_cast<INT_PTR>(DoJump(host.Hwnd(), &a, &b, &c, list.Descriptor(), 0)); },
      [&](HWND dlg) {
        HELPINFO info = {sizeof info};
        info.iContextType = HELPINFO_WINDOW;
        info.hItemHandle = GetDlgItem(dlg, IDC_JUMP_TARGET);
        SendMessageW(dlg, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageW(dlg, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        Click(dlg, IDCANCEL);
      });
  EXPECT_TRUE(jump.scriptRan);
  wchar_t text[160] = L"";
  auto range =
      RunDialog([&] { return static_cast<INT_PTR>(DoNumberRangeDlg(host.Hwnd(), text, 160)); },
                [&](HWND dlg) {
                  SendMessageW(dlg, WM_HELP, 0, 0);
                  Click(dlg, IDCANCEL);
                });
  EXPECT_TRUE(range.scriptRan);
  ASSERT_EQ(launcher.addresses.size(), 3u);
  EXPECT_EQ(launcher.addresses[0], std::wstring(kHelpBase) + L"dlg_jump_index.html");
  EXPECT_EQ(launcher.addresses[1], std::wstring(kHelpBase) + L"dlg_jump_index.html");
  EXPECT_EQ(launcher.addresses[2], std::wstring(kHelpBase) + L"dlg_number_range_index.html");
}

}  // namespace
