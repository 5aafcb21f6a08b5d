// Folders and paths of the settings store: the application-data folder in both modes, the
// ".bin" record paths, configured paths with variables and "$(AppDir)", the macro folder, and
// the machine-wide module path.

#include <gtest/gtest.h>

#include <shlobj.h>

#include "base/module_state_win.h"
#include "settings/app_data_path_win.h"
#include "settings/app_path_win.h"
#include "settings/app_settings_win.h"
#include "settings/module_path_win.h"
#include "settings/settings_store.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace settings_test;

namespace {

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

bool IsFolder(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring NoSlash(std::wstring folder) {
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}

class SettingsPaths : public ::testing::Test {
 protected:
  void Start(bool ini) {
    folder = std::make_unique<AppFolder>(ini, false);
    scrv::SettingsStartup(folder->Path());
  }
  void SetUp() override {
    ClearRegistrySettings();
    RemoveVendorFolders();
  }
  void TearDown() override {
    scrv::Module().packaged = false;
    ClearRegistrySettings();
    RemoveVendorFolders();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Korvan");
    SetEnvironmentVariableW(L"SCRVTEST", nullptr);
  }
  static void RemoveVendorFolders() {
    RemoveTree(ShellFolder(CSIDL_APPDATA) + L"\\Veltranix");
    RemoveTree(ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Veltranix");
  }

  std::unique_ptr<AppFolder> folder;
};

TEST_F(SettingsPaths, RoamingDataFolderIsCreatedLevelByLevel) {
  Start(false);
  const std::wstring expected = ShellFolder(CSIDL_APPDATA) + L"\\Veltranix\\Scrivlet";
  EXPECT_EQ(scrv::GetAppDataPath(nullptr, nullptr), expected);
  EXPECT_TRUE(IsFolder(expected));
  EXPECT_EQ(scrv::GetAppDataPath(L"Config", L"Text"), expected + L"\\Config\\Text");
  EXPECT_TRUE(IsFolder(expected + L"\\Config\\Text"));
  EXPECT_EQ(scrv::GetAppDataPath(L"", L"Only"), expected + L"\\Only");
}

TEST_F(SettingsPaths, LocalDataFolderIsAskedForSeparately) {
  Start(false);
  const std::wstring expected = ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Veltranix\\Scrivlet";
  ASSERT_NE(ShellFolder(CSIDL_LOCAL_APPDATA), ShellFolder(CSIDL_APPDATA));
  EXPECT_EQ(scrv::GetAppDataPath(L"Cache", nullptr, true), expected + L"\\Cache");
  EXPECT_TRUE(IsFolder(expected + L"\\Cache"));
}

TEST_F(SettingsPaths, PackagedInstallationsKeepTheirDataApart) {
  Start(false);
  scrv::Module().packaged = true;
  const std::wstring expected = ShellFolder(CSIDL_APPDATA) + L"\\Veltranix\\ScrivletUWP";
  EXPECT_EQ(scrv::GetAppDataPath(nullptr, nullptr), expected);
  EXPECT_TRUE(IsFolder(expected));
}

// A scope keeps the shell's answer while the user's folder moves under it, still making every
// level; the next call asks again.
TEST_F(SettingsPaths, AScopeAsksTheShellOnceForItsLength) {
  Start(false);
  const wchar_t* key =
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  wchar_t old[MAX_PATH] = {};
  DWORD size = sizeof old;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, key, L"AppData", RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                         nullptr, old, &size),
            ERROR_SUCCESS);
  auto pointTo = [&](const wchar_t* path) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppData", REG_EXPAND_SZ, path,
                    static_cast<DWORD>((wcslen(path) + 1) * sizeof(wchar_t)));
  };
  const std::wstring vendor = ShellFolder(CSIDL_APPDATA) + L"\\Veltranix";
  const std::wstring moved = NoSlash(folder->Path());
  std::wstring inScope;
  {
    scrv::AppDataScope scope;
    scrv::GetAppDataPath(nullptr, nullptr);
    pointTo(moved.c_str());
    RemoveTree(vendor);
    scrv::AppDataScope inner;
    inScope = scrv::GetAppDataPath(L"Config", nullptr);
  }
  const std::wstring afterScope = scrv::GetAppDataPath(nullptr, nullptr);
  pointTo(old);
  EXPECT_EQ(inScope, vendor + L"\\Scrivlet\\Config");
  EXPECT_TRUE(IsFolder(vendor + L"\\Scrivlet\\Config"));
  EXPECT_EQ(afterScope, moved + L"\\Veltranix\\Scrivlet");
}

TEST_F(SettingsPaths, IniModeKeepsDataBesideTheProgram) {
  Start(true);
  const std::wstring expected = folder->File(L"AppData");
  EXPECT_EQ(scrv::GetAppDataPath(L"Config", L"Text"), expected + L"\\Config\\Text");
  EXPECT_TRUE(IsFolder(expected + L"\\Config\\Text"));
  EXPECT_FALSE(IsFolder(ShellFolder(CSIDL_APPDATA) + L"\\Veltranix"));
}

TEST_F(SettingsPaths, BinFilesLiveInTheRoamingFolder) {
  Start(false);
  EXPECT_EQ(scrv::GetBinFilePath(L"Config", L"Text", L"ClrVar"),
            ShellFolder(CSIDL_APPDATA) + L"\\Veltranix\\Scrivlet\\Config\\Text\\ClrVar.bin");
  EXPECT_EQ(scrv::GetBinFilePath(nullptr, nullptr, L"Menu3"),
            ShellFolder(CSIDL_APPDATA) + L"\\Veltranix\\Scrivlet\\Menu3.bin");
  EXPECT_TRUE(IsFolder(ShellFolder(CSIDL_APPDATA) + L"\\Veltranix\\Scrivlet\\Config\\Text"));
}

// The placeholder's own rules (every one, case) live in the portable path tests.
TEST_F(SettingsPaths, ExpandAppPathExpandsVariablesAndTheProgramFolderWithinAnAbsolutePath) {
  Start(false);
  SetEnvironmentVariableW(L"SCRVTEST", L"C:\\from env");
  EXPECT_EQ(scrv::ExpandAppPath(L"%SCRVTEST%\\a.txt", L"C:\\base"), L"C:\\from env\\a.txt");
  EXPECT_EQ(scrv::ExpandAppPath(L"$(AppDir)\\Macros", L"C:\\base"),
            NoSlash(BinFolder()) + L"\\Macros");
  EXPECT_EQ(scrv::ExpandAppPath(L"sub\\..\\x.txt", L"C:\\base"), L"C:\\base\\x.txt");
  EXPECT_EQ(scrv::ExpandAppPath(L"https://example.com/x", L"C:\\base"), L"https://example.com/x");
  EXPECT_EQ(scrv::ExpandAppPath(L"D:\\" + std::wstring(400, L'n'), L"C:\\base").size(), 259u);
  EXPECT_EQ(scrv::ExpandAppPath(std::wstring(250, L'r'), L"C:\\base").size(), 258u);
  EXPECT_EQ(scrv::ExpandAppPath(std::wstring(255, L'r'), L"C:\\base"), L"")
      << "a relative path that cannot be combined within a path is refused";
}

TEST_F(SettingsPaths, MacroFolderDefaultsFollowTheMode) {
  Start(false);
  EXPECT_EQ(scrv::GetMacroFolder(), ShellFolder(CSIDL_PERSONAL) + L"\\My Macros");
  Start(true);
  EXPECT_EQ(scrv::GetMacroFolder(), NoSlash(folder->Path()));
}

TEST_F(SettingsPaths, MacroFolderSettingOverridesAndIsExpanded) {
  Start(false);
  SetEnvironmentVariableW(L"SCRVTEST", L"E:\\env");
  scrv::Settings().WriteCommonString(u"MacroFolder", u"%SCRVTEST%\\macros");
  EXPECT_EQ(scrv::GetMacroFolder(), L"E:\\env\\macros");
  scrv::Settings().WriteCommonString(u"MacroFolder", u"my\\macros");
  EXPECT_EQ(scrv::GetMacroFolder(), folder->Path() + L"my\\macros");
}

TEST_F(SettingsPaths, ModulePathCountsOnlyWhenSetMachineWideAndNotEmpty) {
  Start(false);
  ASSERT_EQ(SetRawValue(L"Common", L"ModulePath", REG_SZ, L"C:\\m", 10), ERROR_SUCCESS);
  EXPECT_FALSE(scrv::HasModulePath()) << "the user's own value does not count";
  ASSERT_EQ(SetRawValue(L"Common", L"ModulePath", REG_SZ, L"", 2, HKEY_LOCAL_MACHINE),
            ERROR_SUCCESS);
  EXPECT_FALSE(scrv::HasModulePath());
  ASSERT_EQ(SetRawValue(L"Common", L"ModulePath", REG_SZ, L"C:\\m", 10, HKEY_LOCAL_MACHINE),
            ERROR_SUCCESS);
  EXPECT_TRUE(scrv::HasModulePath());
  std::wstring longPath = L"C:\\" + std::wstring(400, L'p');
  ASSERT_EQ(SetRawValue(L"Common", L"ModulePath", REG_SZ, longPath.c_str(),
                        static_cast<DWORD>((longPath.size() + 1) * 2), HKEY_LOCAL_MACHINE),
            ERROR_SUCCESS);
  EXPECT_TRUE(scrv::HasModulePath()) << "a long path is still a path";

  scrv::Module().packaged = true;
  EXPECT_FALSE(scrv::HasModulePath());
  scrv::Module().packaged = false;
  Start(true);
  EXPECT_FALSE(scrv::HasModulePath());
}

}  // namespace
