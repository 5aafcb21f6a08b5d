// ExportSettings and ImportSettings end to end: a file exported from the registry and imported
// into INI settings gives the same values and records (and exports again to the same file), an
// import applies only what it may and tells every main window, the report's Cancel writes
// nothing, and what is no settings file is refused.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <string>

#include "customize/settings_catalog.h"
#include "dialog_chain.h"
#include "resource_ids.h"
#include "scrvdlgs_api.h"
#include "settings/app_data_path_win.h"
#include "settings/record_table.h"
#include "settings/settings_record.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;

namespace {

using TransferFn = int (*)(HWND, const wchar_t*, uint32_t);

std::wstring TempFile(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + name;
}

void WriteText(const std::wstring& path, const std::string& text) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
}

std::string ReadText(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The Menu0 record of the registry mode's application-data folder.
std::wstring RegistryMenu0() {
  return scrv::GetAppDataPath(L"Common", nullptr) + L"\\Menu0.bin";
}

std::vector<uint8_t> Menu0Bytes() {
  scrv::RecordLists lists;
  lists.dwords = {1, 2};
  lists.texts = {u"&File", u"\u00c9dition"};
  const scrv::RecordInfo* info = scrv::RecordInfoAt(scrv::record::kMenu0);
  return *scrv::BuildRecordFile(lists, info->magic, info->text);
}

class SettingsTransfer : public ::testing::Test {
 protected:
  SettingsTransfer() {
    ClearRegistrySettings();
    DeleteFileW(RegistryMenu0().c_str());
    DeleteFileW(file.c_str());
  }
  ~SettingsTransfer() override {
    ClearRegistrySettings();
    DeleteFileW(RegistryMenu0().c_str());
    DeleteFileW(file.c_str());
  }
  std::wstring file = TempFile(L"scrv-transfer.scrvset");
};

DWORD RegistryDword(const wchar_t* name) {
  settings_test::RawValue v = settings_test::GetRawValue(L"Common", name);
  return v.status == ERROR_SUCCESS && v.bytes.size() == 4
             ? *reinterpret_cast<DWORD*>(v.bytes.data())
             : 0xDEADBEEF;
}

TEST_F(SettingsTransfer, FromTheRegistryIntoIniFilesAndBackGivesTheSameValuesAndRecords) {
  const DWORD theme = 2, tab = 1;
  const uint64_t detect = 1u << 20;
  const wchar_t date[] = L"dd.MM.yyyy";
  settings_test::SetRawValue(L"Common", L"AppTheme", REG_DWORD, &theme, 4);
  settings_test::SetRawValue(L"Common", L"CsvTabCreateCell", REG_DWORD, &tab, 4);
  settings_test::SetRawValue(L"Common", L"DetectUTF8Size", REG_QWORD, &detect, 8);
  settings_test::SetRawValue(L"Common", L"DateFormat", REG_SZ, date, sizeof date);
  const std::vector<uint8_t> menu = Menu0Bytes();
  {
    std::ofstream out(std::filesystem::path(RegistryMenu0()), std::ios::binary);
    out.write(reinterpret_cast<const char*>(menu.data()), std::streamsize(menu.size()));
  }
  AppFolder registry(false);
  {
    Library lib(registry.Path());
    ASSERT_EQ(lib.Get<TransferFn>("ExportSettings")(nullptr, file.c_str(), 0), 1);
  }
  const std::string exported = ReadText(file);
  EXPECT_EQ(exported.rfind("Scrivlet settings\nversion = 1\n", 0), 0u) << exported;

  AppFolder ini(true);
  const std::wstring again = TempFile(L"scrv-transfer-ini.scrvset");
  {
    Library lib(ini.Path());
    EXPECT_EQ(lib.Get<TransferFn>("ImportSettings")(nullptr, file.c_str(), 1), 5);
    ASSERT_EQ(lib.Get<TransferFn>("ExportSettings")(nullptr, again.c_str(), 0), 1);
  }
  EXPECT_EQ(ini.IniText(L"scCommon.ini", L"Common", L"AppTheme"), L"2");
  EXPECT_EQ(ini.IniText(L"scCommon.ini", L"Common", L"DateFormat"), L"dd.MM.yyyy");
  const std::string copied = ini.ReadBytes(L"AppData\\Common\\Menu0.bin");
  EXPECT_EQ(copied, std::string(menu.begin(), menu.end()));
  // Either back end writes the same file for the same settings.
  EXPECT_EQ(ReadText(again), exported);
  DeleteFileW(again.c_str());

  // And back into an empty registry.
  ClearRegistrySettings();
  DeleteFileW(RegistryMenu0().c_str());
  {
    Library lib(registry.Path());
    EXPECT_EQ(lib.Get<TransferFn>("ImportSettings")(nullptr, file.c_str(), 1), 5);
  }
  EXPECT_EQ(RegistryDword(L"AppTheme"), 2u);
  EXPECT_EQ(RegistryDword(L"CsvTabCreateCell"), 1u);
  EXPECT_EQ(settings_test::GetRawValue(L"Common", L"DetectUTF8Size").type, DWORD(REG_QWORD));
  const std::string back = ReadText(RegistryMenu0());
  EXPECT_EQ(back, std::string(menu.begin(), menu.end()));
}

TEST_F(SettingsTransfer, OnlyTheChangedValueIsAppliedAndEveryMainWindowHearsOfIt) {
  FakeHost first, second;
  WriteText(file,
            "Scrivlet settings\nversion = 1\n[Common]\n"
            "OtherProgramKey = dword 1\nAppTheme = dword 9\nTabWidth = dword 120\n[End]\n");
  AppFolder registry(false);
  Library lib(registry.Path());
  EXPECT_EQ(lib.Get<TransferFn>("ImportSettings")(nullptr, file.c_str(), 1), 1);
  EXPECT_EQ(RegistryDword(L"TabWidth"), 120u);
  EXPECT_EQ(RegistryDword(L"AppTheme"), 0xDEADBEEFu);
  EXPECT_EQ(RegistryDword(L"OtherProgramKey"), 0xDEADBEEFu);
  const scrv::FlagTable flags(1252);
  const uint64_t bits = scrv::CustomizeCatalog(flags).Find(u"TabWidth")->changeBits;
  ASSERT_NE(bits, 0u);
  for (FakeHost* host : {&first, &second}) {
    std::vector<uint64_t> masks;
    for (const FakeHost::Message& m : host->messages)
      if (m.msg == scrv::SCM_SETTINGS_CHANGED)
        masks.push_back(uint64_t(m.lParam) << 32 | (m.wParam & 0xFFFFFFFF));
    EXPECT_EQ(masks, std::vector<uint64_t>{bits});
  }
}

TEST_F(SettingsTransfer, TheReportListsFirstAndItsCancelWritesNothing) {
  FakeHost host;
  WriteText(file,
            "Scrivlet settings\nversion = 4\n[Common]\n"
            "OtherProgramKey = dword 1\nAppTheme = dword 9\nTabWidth = dword 120\n[End]\n");
  AppFolder registry(false);
  Library lib(registry.Path());
  const TransferFn import = lib.Get<TransferFn>("ImportSettings");
  for (int button : {IDCANCEL, IDOK}) {
    std::wstring list, newer;
    const ScriptResult r = RunDialog([&] { return INT_PTR(import(host.Hwnd(), file.c_str(), 0)); },
                                     [&](HWND dlg) {
                                       list = Text(dlg, IDC_SR_LIST);
                                       newer = Text(dlg, IDC_SR_NEWER);
                                       Click(dlg, button);
                                     });
    ASSERT_TRUE(r.scriptRan);
    EXPECT_NE(list.find(L"OtherProgramKey"), std::wstring::npos) << list;
    EXPECT_NE(list.find(L"AppTheme (line 5): refused, larger than 3"), std::wstring::npos) << list;
    EXPECT_NE(list.find(L"TabWidth: 160 -> 120"), std::wstring::npos) << list;
    EXPECT_NE(newer.find(L"(4)"), std::wstring::npos) << newer;
    if (button == IDCANCEL) {
      EXPECT_EQ(r.result, -1);
      EXPECT_EQ(RegistryDword(L"TabWidth"), 0xDEADBEEFu);
      for (const FakeHost::Message& m : host.messages) EXPECT_NE(m.msg, scrv::SCM_SETTINGS_CHANGED);
    } else {
      EXPECT_EQ(r.result, 1);
      EXPECT_EQ(RegistryDword(L"TabWidth"), 120u);
    }
  }
}

// Runs `step` once the loop of whatever dialog is current has taken its next messages.
void Soon(std::function<void()> step) {
  static std::function<void()> pending;
  pending = std::move(step);
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    std::function<void()> run = std::move(pending);
    if (run) run();
  });
}

TEST_F(SettingsTransfer, InTheSheetAnImportFillsThePagesAndOnlyOkWritesIt) {
  FakeHost host;
  WriteText(file,
            "Scrivlet settings\nversion = 1\n[Common]\nTabWidth = dword 120\n"
            "[Record Menu0]\ndword 1\nend\n[End]\n");
  AppFolder registry(false);
  Library lib(registry.Path());
  const auto customize = lib.Get<decltype(&DoCustomize)>("DoCustomize");
  const scrv::FlagTable flags(1252);
  const uint64_t bits = scrv::CustomizeCatalog(flags).Find(u"TabWidth")->changeBits;
  for (int button : {IDCANCEL, IDOK}) {
    std::wstring report, shown;
    uint32_t restart = 0;
    const ScriptResult r = RunDialog(
        [&] { return INT_PTR(customize(host.Hwnd(), 9, &restart, -1, 0, 0)); },
        [&](HWND sheet) {
          // The page list's menu from the keyboard, Import by its mnemonic; then the Open
          // dialog, the report, and the sheet with the Tab page showing the file's width.
          dialog_chain::OnNextDialog(sheet, [&, sheet](HWND open) {
            dialog_chain::OnNextDialog(open, [&, sheet](HWND box) {
              report = Text(box, IDC_SR_LIST);
              Click(box, IDOK);
              Soon([&, sheet] {
                HWND page =
                    reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
                shown = Text(page, IDC_TAB_WIDTH);
                Click(sheet, button);
              });
            });
            ChooseFile(open, file);
          });
          HWND titles = GetDlgItem(sheet, IDC_NAV_TITLES);
          SetFocus(titles);
          PostMessageW(sheet, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(titles), -1);
          PostMessageW(sheet, WM_CHAR, L'i', 0);
        });
    ASSERT_TRUE(r.scriptRan);
    EXPECT_FALSE(r.timedOut);
    EXPECT_TRUE(dialog_chain::AllStepsRan());
    EXPECT_NE(report.find(L"TabWidth: 160 -> 120"), std::wstring::npos) << report;
    EXPECT_NE(report.find(L"Menu0 (line 5): not on these pages, left out"), std::wstring::npos)
        << report;
    EXPECT_EQ(shown, L"120");
    // The menus are not the sheet's: left out either way.
    EXPECT_EQ(GetFileAttributesW(RegistryMenu0().c_str()), INVALID_FILE_ATTRIBUTES);
    std::vector<uint64_t> masks;
    for (const FakeHost::Message& m : host.messages)
      if (m.msg == scrv::SCM_SETTINGS_CHANGED)
        masks.push_back(uint64_t(m.lParam) << 32 | (m.wParam & 0xFFFFFFFF));
    if (button == IDCANCEL) {
      EXPECT_EQ(r.result, 0);
      EXPECT_EQ(RegistryDword(L"TabWidth"), 0xDEADBEEFu);
      EXPECT_EQ(masks, std::vector<uint64_t>{});
    } else {
      EXPECT_EQ(r.result, 1);
      EXPECT_EQ(RegistryDword(L"TabWidth"), 120u);
      ASSERT_EQ(masks.size(), 1u);
      EXPECT_EQ(masks[0] & bits, bits);
    }
  }
}

TEST_F(SettingsTransfer, WhatIsNoSettingsFileIsRefused) {
  AppFolder registry(false);
  Library lib(registry.Path());
  const TransferFn import = lib.Get<TransferFn>("ImportSettings");
  for (const std::string& text :
       {std::string(""), std::string("\xFF\xFES\0c\0", 6), std::string("PK\3\4garbage"),
        std::string("Scrivlet settings\nversion = 1\n[Common]\nTabWidth = dword 1")}) {
    WriteText(file, text);
    EXPECT_EQ(import(nullptr, file.c_str(), 0), -2) << text;
  }
  EXPECT_EQ(import(nullptr, TempFile(L"scrv-no-such-file.scrvset").c_str(), 1), -2);
  EXPECT_EQ(RegistryDword(L"TabWidth"), 0xDEADBEEFu);
}

TEST_F(SettingsTransfer, WithoutAPathTheSystemDialogsAskForTheFile) {
  FakeHost host;
  AppFolder registry(false);
  Library lib(registry.Path());
  const DWORD width = 120;
  settings_test::SetRawValue(L"Common", L"TabWidth", REG_DWORD, &width, 4);
  {
    NestedDialogs save(host.Hwnd(), [&](HWND box) { ChooseFile(box, file); });
    EXPECT_EQ(lib.Get<TransferFn>("ExportSettings")(host.Hwnd(), nullptr, 0), 1);
    EXPECT_TRUE(save.Ran());
  }
  EXPECT_NE(ReadText(file).find("TabWidth = dword 120"), std::string::npos);
  ClearRegistrySettings();
  {
    NestedDialogs open(host.Hwnd(), [&](HWND box) { ChooseFile(box, file); });
    EXPECT_EQ(lib.Get<TransferFn>("ImportSettings")(host.Hwnd(), nullptr, 1), 1);
    EXPECT_TRUE(open.Ran());
  }
  EXPECT_EQ(RegistryDword(L"TabWidth"), 120u);
  {
    NestedDialogs cancel(host.Hwnd(), [](HWND box) { AnswerBox(box, IDCANCEL); });
    EXPECT_EQ(lib.Get<TransferFn>("ExportSettings")(host.Hwnd(), nullptr, 0), 0);
  }
}

}  // namespace
