// The flag table and the record files as the library keeps them, in both back ends.

#include <gtest/gtest.h>

#include "settings/app_data_path_win.h"
#include "settings/app_settings_win.h"
#include "settings/settings_store.h"
#include "settings/settings_tables_win.h"
#include "test_support.h"

using namespace testing_support;

namespace {

class SettingsTables : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ClearRegistrySettings();
    scrv::SettingsStartup(folder.Path());
  }
  void TearDown() override {
    scrv::SettingsStartup(BinFolder());
    ClearRegistrySettings();
  }
  AppFolder folder{GetParam()};
};

TEST_P(SettingsTables, AFlagSetBackToItsDefaultIsDeleted) {
  auto& s = scrv::Settings();
  const scrv::FlagRow* row = scrv::Flags().Row(scrv::flag::kFilterClose);
  ASSERT_NE(row, nullptr);
  std::u16string name(row->name);
  scrv::WriteCommonFlag(s, scrv::Flags(), scrv::flag::kFilterClose, row->def ? 0 : 1);
  EXPECT_EQ(scrv::ReadCommonFlag(s, scrv::Flags(), scrv::flag::kFilterClose), row->def == 0);
  EXPECT_NE(s.ReadCommonDword(name, 77), 77u) << "a non-default value is stored";
  scrv::WriteCommonFlag(s, scrv::Flags(), scrv::flag::kFilterClose, row->def);
  EXPECT_EQ(s.ReadCommonDword(name, 77), 77u) << "the default deletes it";
}

TEST_P(SettingsTables, ARecordSurvivesASaveAndALoadFromItsFile) {
  auto record = scrv::OpenAppRecord(scrv::record::kCsv);
  ASSERT_TRUE(record);
  record->AddText(u"Semicolon");
  record->AddDword(59);
  record->AddBit(true);
  ASSERT_TRUE(scrv::SaveAppRecord(*record));
  std::wstring path(record->Path().begin(), record->Path().end());
  EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
  if (GetParam())
    EXPECT_EQ(path.rfind(folder.Path() + L"AppData\\", 0), 0u)
        << "INI mode keeps it beside the program";

  auto loaded = scrv::OpenAppRecord(scrv::record::kCsv);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(scrv::LoadAppRecord(*loaded), scrv::ReadResult::kRead);
  EXPECT_EQ(loaded->NextText(), std::u16string(u"Semicolon"));
  EXPECT_EQ(loaded->NextDword(), 59u);
  EXPECT_EQ(loaded->NextBit(), true);
  EXPECT_EQ(scrv::LoadAppRecord(*loaded), scrv::ReadResult::kUnchanged);
  DeleteFileW(path.c_str());
}

TEST_P(SettingsTables, ACorruptRecordFileLoadsAsNotStored) {
  auto record = scrv::OpenAppRecord(scrv::record::kCsv2);
  ASSERT_TRUE(record);
  std::wstring path(record->Path().begin(), record->Path().end());
  scrv::GetAppDataPath(nullptr, nullptr);
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  const char garbage[] = "\x01\x02\x03\x04\xff\xff\xff\xff garbage";
  DWORD written;
  WriteFile(h, garbage, sizeof garbage, &written, nullptr);
  CloseHandle(h);
  EXPECT_EQ(scrv::LoadAppRecord(*record), scrv::ReadResult::kFailed);
  EXPECT_FALSE(record->NextText());
  DeleteFileW(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, SettingsTables, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Ini" : "Registry"; });

}  // namespace
