// Loading the library: resource modules found or refused, messages shown once at load.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "test_support.h"
#include "scrvdlgs_api.h"

using namespace testing_support;

namespace {

// Watches for message boxes captioned "Scrivlet" on other threads, records their text and
// dismisses them, while the test thread sits in the library's start-up.
class MessageBoxWatcher {
 public:
  // The thread must be running before the test thread takes the loader lock in LoadLibrary:
  // a thread still starting would wait for that lock and never see the message.
  MessageBoxWatcher() : thread_([this] { Run(); }) {
    while (!started_) Sleep(1);
  }
  ~MessageBoxWatcher() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  std::vector<std::wstring> texts;

 private:
  void Run() {
    started_ = true;
    while (!stop_) {
      HWND box = FindWindowW(L"#32770", L"Scrivlet");
      if (box && IsWindowVisible(box)) {
        wchar_t text[512] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        texts.push_back(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        while (IsWindow(box) && !stop_) Sleep(5);
      }
      Sleep(5);
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<bool> started_{false};
  std::thread thread_;
};

using DoNumberRangeFn = decltype(&DoNumberRangeDlg);

TEST(ModuleLoad, MissingMuiFolderShowsOneMessageAndDialogsFailToStart) {
  ClearRegistrySettings();
  AppFolder folder(false, /*withMui=*/false);
  MessageBoxWatcher watcher;
  Library lib(folder.Path());
  ASSERT_NE(lib.Handle(), nullptr) << "loading never fails for a missing resource module";
  Sleep(100);
  watcher.Stop();
  ASSERT_EQ(watcher.texts.size(), 1u);
  EXPECT_EQ(watcher.texts[0], L"No localized file found - scrvloc.dll");
  wchar_t buf[16] = L"[1 , 2]";
  EXPECT_EQ(lib.Get<DoNumberRangeFn>("DoNumberRangeDlg")(nullptr, buf, 16), -1);
  EXPECT_STREQ(buf, L"[1 , 2]");
}

TEST(ModuleLoad, EmptyMuiFolderShowsTheSameMessage) {
  ClearRegistrySettings();
  AppFolder folder(false, /*withMui=*/false);
  CreateDirectoryW(folder.File(L"mui").c_str(), nullptr);
  MessageBoxWatcher watcher;
  Library lib(folder.Path());
  Sleep(100);
  watcher.Stop();
  ASSERT_EQ(watcher.texts.size(), 1u);
  EXPECT_EQ(watcher.texts[0], L"No localized file found - scrvloc.dll");
}

TEST(ModuleLoad, MissingImageModuleNamesItsPath) {
  ClearRegistrySettings();
  AppFolder folder(false);
  DeleteFileW(folder.File(L"scrvres.dll").c_str());
  MessageBoxWatcher watcher;
  Library lib(folder.Path());
  Sleep(100);
  watcher.Stop();
  ASSERT_EQ(watcher.texts.size(), 1u);
  // The code is the loader's last error: 0x7e on Windows, 0x2 under Wine.
  std::wstring prefix = L"Cannot load " + folder.File(L"scrvres.dll") + L" (0x";
  EXPECT_EQ(watcher.texts[0].substr(0, prefix.size()), prefix);
  EXPECT_TRUE(watcher.texts[0] == prefix + L"7e)." || watcher.texts[0] == prefix + L"2).")
      << std::string(watcher.texts[0].begin(), watcher.texts[0].end());
}

TEST(ModuleLoad, LangFolderLeadingOutOfMuiIsRefused) {
  ClearRegistrySettings();
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", 0, nullptr,
                            0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  DWORD zero = 0;
  RegSetValueExW(key, L"SystemLang", 0, REG_DWORD, reinterpret_cast<BYTE*>(&zero), 4);
  const wchar_t evil[] = L"..\\x";
  RegSetValueExW(key, L"LangFolder", 0, REG_SZ, reinterpret_cast<const BYTE*>(evil), sizeof evil);
  RegCloseKey(key);
  AppFolder folder(false);
  MessageBoxWatcher watcher;
  Library lib(folder.Path());
  Sleep(100);
  watcher.Stop();
  EXPECT_TRUE(watcher.texts.empty()) << "the first language folder is taken instead";
  FakeHost host;
  wchar_t buf[16] = L"[1 , 2]";
  auto r =
      RunDialog([&] { return lib.Get<DoNumberRangeFn>("DoNumberRangeDlg")(host.Hwnd(), buf, 16); },
                [](HWND dlg) { Click(dlg, IDCANCEL); });
  EXPECT_EQ(r.result, IDCANCEL);
  ClearRegistrySettings();
}

TEST(ModuleLoad, WrongTypedLanguageSettingsFallBackToDefaults) {
  ClearRegistrySettings();
  HKEY key;
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", 0, nullptr, 0,
                  KEY_WRITE, nullptr, &key, nullptr);
  const wchar_t text[] = L"not a number";
  RegSetValueExW(key, L"SystemLang", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  DWORD number = 1041;
  RegSetValueExW(key, L"LangFolder", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 4);
  RegCloseKey(key);
  AppFolder folder(false);
  MessageBoxWatcher watcher;
  Library lib(folder.Path());
  Sleep(100);
  watcher.Stop();
  EXPECT_TRUE(watcher.texts.empty());
  ClearRegistrySettings();
}

}  // namespace
