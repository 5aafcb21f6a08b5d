// DoPlugIn and DisablePlugIn through the real library with the project's test plug-ins: the
// list as stored, images and descriptions, switching, moving, removing, properties,
// uninstalling, adding through the file dialog, the default list, plug-ins that misbehave, and
// what reaches the record, the settings and the host's windows.

#include <gtest/gtest.h>

#include <shlobj.h>

#include "base/module_state_win.h"
#include "dialog_chain.h"
#include "dialog_test_support.h"
#include "scrvdlgs_api.h"
#include "integration/plugin_list.h"
#include "key_dialog_steps.h"
#include "settings/file_store_win.h"
#include "system_calls_recorder.h"
#include "test_support.h"

using namespace testing_support;
using namespace key_dialog_steps;
using dialog_chain::OnNextDialog;
using scrv::StoredPlugin;

namespace {

using DoPlugInFn = decltype(&DoPlugIn);
using DisablePlugInFn = decltype(&DisablePlugIn);

constexpr UINT kBusy = 0x829, kRelease = 0x83B, kChanging = 0x801D, kChanged = 0x8020;
constexpr int kFileNameBox = 0x47C;  // cmb13 of the open-file dialog

std::wstring PluginLog() {
  wchar_t text[8192] = {};
  GetEnvironmentVariableW(L"SCRV_PLUGIN_LOG", text, 8192);
  return text;
}

bool Logged(const std::wstring& entry) {
  return PluginLog().find(entry + L";") != std::wstring::npos;
}

std::wstring RegistryModeRecordPath() {
  wchar_t appData[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
  return std::wstring(appData) + L"\\Veltranix\\Scrivlet\\Common\\PlugIns.bin";
}

std::wstring RecordPath(const AppFolder& folder, bool ini) {
  return ini ? folder.Path() + L"AppData\\Common\\PlugIns.bin" : RegistryModeRecordPath();
}

// The plug-in list as the host keeps it in record 3.
class StoredList {
 public:
  explicit StoredList(std::wstring path) : path_(std::move(path)) {}
  void Write(const std::vector<StoredPlugin>& plugins) {
    SHCreateDirectoryExW(nullptr, path_.substr(0, path_.find_last_of(L'\\')).c_str(), nullptr);
    scrv::SaveStoredPlugins(Record(), files_, plugins, scrv::AsciiTextCase());
  }
  std::vector<StoredPlugin> Read() {
    scrv::SettingsRecord r = Record();
    return scrv::LoadStoredPlugins(r, files_);
  }
  bool Exists() const { return GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }
  void Remove() const { DeleteFileW(path_.c_str()); }

 private:
  scrv::SettingsRecord Record() const {
    return scrv::SettingsRecord(std::u16string(path_.begin(), path_.end()), 0xFF2300,
                                scrv::RecordTextEncoding::kUtf16);
  }
  std::wstring path_;
  scrv::Win32FileStore files_;
};

class PluginDialog : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    list.Remove();
    SetEnvironmentVariableW(L"SCRV_PLUGIN_LOG", nullptr);
    doPlugIn = lib.Get<DoPlugInFn>("DoPlugIn");
    disablePlugIn = lib.Get<DisablePlugInFn>("DisablePlugIn");
    ASSERT_NE(doPlugIn, nullptr);
    ASSERT_NE(disablePlugIn, nullptr);
  }
  void TearDown() override {
    list.Remove();
    ClearRegistrySettings();
  }

  int Open(const std::function<void(HWND)>& script) {
    auto r = RunDialog([&] { return static_cast<INT_PTR>(doPlugIn(host.Hwnd())); },
                       [&](HWND dlg) {
                         Settle();
                         script(dlg);
                       });
    EXPECT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    EXPECT_TRUE(dialog_chain::AllStepsRan());
    return static_cast<int>(r.result);
  }
  std::wstring Plugin(const std::wstring& name) const { return folder.File(L"PlugIns\\" + name); }
  // The private messages the host got, of the plug-in notification kinds, as "msg:wParam".
  std::vector<std::wstring> Notifications() const {
    std::vector<std::wstring> out;
    for (const auto& m : host.messages)
      if (m.msg == kChanging || m.msg == kChanged)
        out.push_back(std::to_wstring(m.msg) + L":" + std::to_wstring(m.wParam) + L":" +
                      std::to_wstring(m.lParam));
    return out;
  }

  bool ini = GetParam();
  AppFolder folder{ini};
  Library lib{folder.Path()};
  FakeHost host;
  StoredList list{RecordPath(folder, ini)};
  DoPlugInFn doPlugIn = nullptr;
  DisablePlugInFn disablePlugIn = nullptr;
  // Whether the host got `msg` for the plug-in at `path`.
  bool HostAsked(UINT msg, const std::wstring& path) const {
    return std::any_of(host.messages.begin(), host.messages.end(), [&](const FakeHost::Message& m) {
      return m.msg == msg && FakeHost::PayloadText(m) == path;
    });
  }
};

const std::vector<std::wstring> kNotified = {L"32797:0:0", L"32800:3:0", L"32797:1:0"};

TEST_P(PluginDialog, ShowsWhatLoadsWithImagesAndDescriptionsAndCancelWritesNothing) {
  const std::vector<StoredPlugin> stored = {{u"Outline.dll", true},
                                            {u"NoEvents.dll", true},
                                            {u"CharacterMap.dll", true},
                                            {u"Gone.dll", true},
                                            {u"Clock.dll", false}};
  list.Write(stored);
  std::wstring first, second, path;
  bool propertiesOn = false, uninstallOn = false;
  int images = 0;
  int r = Open([&](HWND dlg) {
    EXPECT_EQ(Rows(dlg), L"Outline|CharacterMap|Clock");
    EXPECT_TRUE(RowChecked(dlg, 0));
    EXPECT_TRUE(RowChecked(dlg, 1));
    EXPECT_FALSE(RowChecked(dlg, 2));
    images = ImageList_GetImageCount(
        reinterpret_cast<HIMAGELIST>(SendMessageW(List(dlg), LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
    path = Text(dlg, IDC_PLUGIN_PATH);
    first = Text(dlg, IDC_PLUGIN_FIRST_TEXT);
    propertiesOn = Enabled(dlg, IDC_PLUGIN_PROPERTIES);
    uninstallOn = Enabled(dlg, IDC_PLUGIN_UNINSTALL);
    SelectRows(dlg, {1});
    second = Text(dlg, IDC_PLUGIN_FIRST_TEXT) + L"|" + Text(dlg, IDC_PLUGIN_SECOND_TEXT);
    EXPECT_FALSE(Enabled(dlg, IDC_PLUGIN_PROPERTIES));
    EXPECT_TRUE(Enabled(dlg, IDC_PLUGIN_UNINSTALL));
    SelectRows(dlg, {2});  // no message procedure: every answer is 0
    EXPECT_EQ(Text(dlg, IDC_PLUGIN_FIRST_TEXT), L"");
    EXPECT_FALSE(Enabled(dlg, IDC_PLUGIN_PROPERTIES));
    EXPECT_FALSE(Enabled(dlg, IDC_PLUGIN_UNINSTALL));
    SelectRows(dlg, {0, 1});
    EXPECT_FALSE(Enabled(dlg, IDC_PLUGIN_REMOVE));
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(r, IDCANCEL);
  EXPECT_EQ(images, 3);
  EXPECT_EQ(path, Plugin(L"Outline.dll"));
  EXPECT_EQ(first, L"Shows the outline of the document in a side pane.");
  EXPECT_EQ(second, L"Inserts characters picked from a table.|Version 1.4 (8-bit texts)");
  EXPECT_TRUE(propertiesOn);
  EXPECT_TRUE(uninstallOn);
  // The image at 96 DPI, its transparent colour, and the identifier export when the message
  // procedure gives no image.
  EXPECT_TRUE(Logged(L"Outline:2312"));
  EXPECT_TRUE(Logged(L"Outline:2313"));
  EXPECT_TRUE(Logged(L"CharacterMap:GetBitmapID"));
  EXPECT_FALSE(Logged(L"Outline:2306"));  // the UTF-16 text is preferred
  EXPECT_EQ(list.Read(), stored);
  EXPECT_TRUE(Notifications().empty());
  // Every library the dialog loaded is unloaded again.
  for (const wchar_t* name : {L"Outline.dll", L"CharacterMap.dll", L"Clock.dll"})
    EXPECT_EQ(GetModuleHandleW(Plugin(name).c_str()), nullptr) << name;
}

TEST_P(PluginDialog, OkWritesTheSwitchedAndMovedListThenTellsTheHost) {
  list.Write({{u"Outline.dll", true}, {u"CharacterMap.dll", true}, {u"Clock.dll", false}});
  int r = Open([&](HWND dlg) {
    SetRowChecked(dlg, 1, false);
    SelectRows(dlg, {2});
    Click(dlg, IDC_CL_MOVE_UP);
    Settle();
    EXPECT_EQ(Rows(dlg), L"Outline|Clock|CharacterMap");
    SetRowChecked(dlg, 1, true);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(list.Read(),
            (std::vector<StoredPlugin>{
                {u"Outline.dll", true}, {u"Clock.dll", true}, {u"CharacterMap.dll", false}}));
  EXPECT_EQ(Notifications(), kNotified);
  // Each switch asked the host whether the plug-in was busy.
  for (const wchar_t* name : {L"CharacterMap.dll", L"Clock.dll"})
    EXPECT_TRUE(HostAsked(kBusy, name)) << name;
}

TEST_P(PluginDialog, BusyPlugInKeepsItsCheckMarkAndCannotBeUninstalled) {
  list.Write({{u"Outline.dll", true}});
  host.busyPlugIn = L"Outline.dll";
  int r = Open([&](HWND dlg) {
    EXPECT_FALSE(Enabled(dlg, IDC_PLUGIN_UNINSTALL));
    SetRowChecked(dlg, 0, false);
    Settle();
    EXPECT_TRUE(RowChecked(dlg, 0));
    host.busyPlugIn.clear();
    SetRowChecked(dlg, 0, false);
    EXPECT_FALSE(RowChecked(dlg, 0));
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(list.Read(), (std::vector<StoredPlugin>{{u"Outline.dll", false}}));
}

TEST_P(PluginDialog, PropertiesAndRemovalTalkToThePlugIn) {
  list.Write({{u"Outline.dll", true}, {u"CharacterMap.dll", true}, {u"Clock.dll", true}});
  int r = Open([&](HWND dlg) {
    Click(dlg, IDC_PLUGIN_PROPERTIES);
    SelectRows(dlg, {2});
    Click(dlg, IDC_PLUGIN_REMOVE);
    Settle();
    EXPECT_EQ(Rows(dlg), L"Outline|CharacterMap");
    EXPECT_EQ(SelectedRows(dlg), std::vector<int>{1});  // the new last
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_TRUE(Logged(L"Outline:2304"));
  EXPECT_TRUE(Logged(L"Outline:2305"));
  EXPECT_TRUE(Logged(L"Clock:event800"));
  EXPECT_EQ(list.Read(),
            (std::vector<StoredPlugin>{{u"Outline.dll", true}, {u"CharacterMap.dll", true}}));
}

TEST_P(PluginDialog, UninstallHasTheHostReleaseThePlugInThenDeletesItsFile) {
  list.Write({{u"Clock.dll", true}, {u"Outline.dll", true}});
  bool cancelOn = true;
  int r = Open([&](HWND dlg) {
    SelectRows(dlg, {1});
    Click(dlg, IDC_PLUGIN_UNINSTALL);
    Settle();
    cancelOn = Enabled(dlg, IDCANCEL);
    EXPECT_EQ(Rows(dlg), L"Clock");
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_FALSE(cancelOn);
  EXPECT_TRUE(Logged(L"Outline:2311"));
  EXPECT_FALSE(Logged(L"Outline:event800"));
  EXPECT_TRUE(HostAsked(kRelease, L"Outline.dll"));
  EXPECT_EQ(GetFileAttributesW(Plugin(L"Outline.dll").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(list.Read(), (std::vector<StoredPlugin>{{u"Clock.dll", true}}));
}

// Outside the "PlugIns" folder: the folder of the chosen files becomes the one offered next
// time, stored relative to the program in INI mode.
TEST_P(PluginDialog, AddTakesSeveralFilesRefusesWhatIsNotAPlugInAndRemembersTheFolder) {
  CreateDirectoryW(folder.File(L"Extra").c_str(), nullptr);
  for (const wchar_t* name : {L"Clock.dll", L"NoEvents.dll"})
    CopyFileW(Plugin(name).c_str(), folder.File(std::wstring(L"Extra\\") + name).c_str(), FALSE);
  list.Write({{u"..\\Extra\\Clock.dll", true}});
  bool refusalShown = false;
  int r = Open([&](HWND dlg) {
    OnNextDialog(dlg, [&](HWND files) {
      OnNextDialog(files, [&](HWND refusal) {
        refusalShown = dialog_test::ShowsText(refusal, L"NoEvents.dll");
        Click(refusal, IDOK);
      });
      SetText(files, kFileNameBox, folder.File(L"Extra"));  // to the folder first
      Click(files, IDOK);
      SetText(files, kFileNameBox, L"\"Clock.dll\" \"NoEvents.dll\"");
      Click(files, IDOK);
    });
    Click(dlg, IDC_PLUGIN_ADD);
    Settle();
    EXPECT_EQ(Rows(dlg), L"Clock");  // the same file twice keeps one record
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_TRUE(refusalShown);
  EXPECT_EQ(list.Read(), (std::vector<StoredPlugin>{{u"..\\Extra\\Clock.dll", true}}));
  std::wstring expected = ini ? L"Extra" : folder.File(L"Extra");
  if (ini) {
    EXPECT_EQ(folder.IniText(L"scCommon.ini", L"Common", L"PlugInsFolder"), expected);
  } else {
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Korvan\\Scrivlet v3\\Common", L"PlugInsFolder",
                 RRF_RT_REG_SZ, nullptr, value, &size);
    EXPECT_EQ(std::wstring(value), expected);
  }
}

TEST_P(PluginDialog, WithoutAStoredListTheStandardPlugInsAreCheckedOnceAndShownInOrder) {
  for (std::u16string_view name : scrv::kStandardPlugins)
    CopyFileW(Plugin(L"Clock.dll").c_str(), Plugin(std::wstring(name.begin(), name.end())).c_str(),
              FALSE);
  int questions = 0;
  auto r = RunDialog([&] { return static_cast<INT_PTR>(doPlugIn(host.Hwnd())); },
                     [&](HWND question) {
                       // Wine's copies are unsigned: the first standard plug-in asks.
                       ++questions;
                       OnNextDialog(question, [&](HWND dlg) {
                         Settle();
                         EXPECT_EQ(Rows(dlg),
                                   L"Explorer|HTMLBar|OpenDocuments|Projects|Search|Snippets|"
                                   L"WebPreview|WordComplete|WordCount");
                         for (int row = 0; row < 9; ++row) EXPECT_TRUE(RowChecked(dlg, row));
                         SetRowChecked(dlg, 4, false);
                         Click(dlg, IDC_PLUGIN_RESET);
                         Settle();
                         EXPECT_TRUE(RowChecked(dlg, 4));
                         Click(dlg, IDCANCEL);
                       });
                       dialog_test::TickVerification(question);
                       Click(question, 1);
                     });
  EXPECT_EQ(r.result, IDCANCEL);
  EXPECT_EQ(questions, 1);
  EXPECT_FALSE(list.Exists());
}

TEST_P(PluginDialog, UnrulyPlugInCannotMakeTheDialogReadPastItsBuffers) {
  list.Write({{u"Unruly.dll", true}});
  std::wstring first, second, path;
  int r = Open([&](HWND dlg) {
    first = Text(dlg, IDC_PLUGIN_FIRST_TEXT);
    second = Text(dlg, IDC_PLUGIN_SECOND_TEXT);
    EXPECT_TRUE(Enabled(dlg, IDC_PLUGIN_PROPERTIES));
    Click(dlg, IDC_PLUGIN_PROPERTIES);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(r, IDOK);
  EXPECT_EQ(first, std::wstring(256, L'Y'));
  EXPECT_EQ(second, std::wstring(256, L'Y'));
  EXPECT_TRUE(Logged(L"Unruly:2305"));
}

TEST_P(PluginDialog, DisablePlugInKeepsEveryOtherEntryAsStored) {
  const std::vector<StoredPlugin> stored = {
      {u"Outline.dll", true}, {u"Z:\\Offline\\Gone.dll", true}, {u"..\\Extra\\Clock.dll", false}};
  list.Write(stored);
  disablePlugIn(host.Hwnd(), L"OUTLINE.dll");
  std::vector<StoredPlugin> expected = stored;
  expected[0].enabled = false;
  EXPECT_EQ(list.Read(), expected);
  EXPECT_EQ(Notifications(), kNotified);
  // A path that is not listed (re-basing does not apply) changes nothing and tells nobody.
  host.messages.clear();
  disablePlugIn(host.Hwnd(), Plugin(L"Outline.dll").c_str());
  disablePlugIn(host.Hwnd(), nullptr);
  EXPECT_EQ(list.Read(), expected);
  EXPECT_TRUE(Notifications().empty());
}

TEST_P(PluginDialog, DisablePlugInWithoutAStoredListStoresTheStandardOnes) {
  disablePlugIn(host.Hwnd(), L"search.dll");
  std::vector<StoredPlugin> expected = scrv::DefaultPlugins();
  expected[4].enabled = false;
  EXPECT_EQ(list.Read(), expected);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, PluginDialog, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

// In the test program itself, so that what would be started is only recorded.
TEST(PluginUninstall, ProgramOfThePlugInIsStartedAndAnOverlongAnswerIsCutToItsBuffers) {
  dialog_test::InProcessModule module;
  trust_test::SystemCallsRecorder system;
  FakeHost host;
  StoredList list(RegistryModeRecordPath());
  list.Write({{u"CharacterMap.dll", true}, {u"Unruly.dll", true}});
  auto r = RunDialog([&] { return static_cast<INT_PTR>(DoPlugIn(host.Hwnd())); },
                     [&](HWND dlg) {
                       Settle();
                       Click(dlg, IDC_PLUGIN_UNINSTALL);
                       Settle();
                       Click(dlg, IDC_PLUGIN_UNINSTALL);
                       Settle();
                       EXPECT_EQ(RowCount(dlg), 0);
                       EXPECT_FALSE(Enabled(dlg, IDCANCEL));
                       Click(dlg, IDOK);
                     });
  EXPECT_EQ(r.result, IDOK);
  ASSERT_EQ(system.commandLines.size(), 2u);
  EXPECT_EQ(system.commandLines[0], L"\"cmd.exe\" /c exit 0");
  EXPECT_EQ(system.commandLines[1],
            L"\"" + std::wstring(260, L'P') + L"\" " + std::wstring(260, L'A'));
  EXPECT_TRUE(system.deletedFiles.empty());
  EXPECT_TRUE(list.Read().empty());
  list.Remove();
}

// In the test program itself, where checks and loads go through the recorder: of the nine
// standard plug-ins only the one that is there is checked and loaded, and its verdict holds for
// the next open until the file changes.
TEST(PluginStandardList, MissingFilesAreNotLoadedAndAVerdictHoldsUntilTheFileChanges) {
  dialog_test::InProcessModule module;
  trust_test::SystemCallsRecorder system;
  system.verdict = 0;  // signed
  FakeHost host;
  StoredList list(RegistryModeRecordPath());
  list.Remove();
  const std::wstring folder = scrv::Module().appFolder + L"PlugIns\\";
  const std::wstring explorer = folder + L"Explorer.dll";
  ASSERT_TRUE(CopyFileW((folder + L"Clock.dll").c_str(), explorer.c_str(), FALSE));
  // A time of last change no earlier run of this test left behind.
  FILETIME written;
  GetSystemTimeAsFileTime(&written);
  auto stamp = [&](FILETIME t) {
    HANDLE f = CreateFileW(explorer.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(f, nullptr, nullptr, &t));
    CloseHandle(f);
  };
  stamp(written);
  auto open = [&] {
    std::wstring rows;
    auto r = RunDialog([&] { return static_cast<INT_PTR>(DoPlugIn(host.Hwnd())); },
                       [&](HWND dlg) {
                         Settle();
                         rows = Rows(dlg);
                         Click(dlg, IDCANCEL);
                       });
    EXPECT_EQ(r.result, IDCANCEL);
    return rows;
  };
  EXPECT_EQ(open(), L"Explorer");
  EXPECT_EQ(system.loadedLibraries, std::vector<std::wstring>{explorer});
  ASSERT_EQ(system.trustCalls.size(), 1u);
  EXPECT_EQ(system.trustCalls[0].path, explorer);

  EXPECT_EQ(open(), L"Explorer");
  EXPECT_EQ(system.loadedLibraries.size(), 2u);
  EXPECT_EQ(system.trustCalls.size(), 1u);  // the verdict of the first open holds

  written.dwHighDateTime += 1;  // the file changed: checked again
  stamp(written);
  EXPECT_EQ(open(), L"Explorer");
  EXPECT_EQ(system.trustCalls.size(), 2u);
  EXPECT_EQ(system.loadedLibraries, std::vector<std::wstring>(3, explorer));
  // Every standard plug-in's file is asked through the probe at each open (nine a time), and
  // the file whose signature was checked once more for each check.
  EXPECT_EQ(system.attributeCalls, 3 * 9 + 2);
  DeleteFileW(explorer.c_str());
  list.Remove();
}

}  // namespace
