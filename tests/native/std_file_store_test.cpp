#include "settings/std_file_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "settings/settings_record.h"

namespace scrv {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

class StdFileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("scrv_std_file_store_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::u16string Path(const char* name) const { return (dir_ / name).u16string(); }
  size_t EntriesInDir() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
  StdFileStore files;
};

TEST_F(StdFileStoreTest, WrittenBytesReadBackWithTheirLastWriteTime) {
  const Bytes data = {0, 1, 2, 0xFF};
  ASSERT_TRUE(files.WriteWholeFile(Path("a.bin"), data.data(), data.size()));
  Bytes out;
  uint64_t lastWrite = 0;
  ASSERT_EQ(files.ReadWholeFile(Path("a.bin"), &lastWrite, out), ReadResult::kRead);
  EXPECT_EQ(out, data);
  EXPECT_NE(lastWrite, 0u);
  EXPECT_EQ(lastWrite, LastWriteStamp(Path("a.bin")));
  EXPECT_EQ(EntriesInDir(), 1u) << "no temporary file is left behind";
}

TEST_F(StdFileStoreTest, AFileNotWrittenSinceTheGivenTimeIsNotRead) {
  const Bytes data = {7};
  ASSERT_TRUE(files.WriteWholeFile(Path("a.bin"), data.data(), data.size()));
  Bytes out;
  uint64_t lastWrite = 0;
  ASSERT_EQ(files.ReadWholeFile(Path("a.bin"), &lastWrite, out), ReadResult::kRead);
  out.clear();
  EXPECT_EQ(files.ReadWholeFile(Path("a.bin"), &lastWrite, out), ReadResult::kUnchanged);
  EXPECT_TRUE(out.empty());

  fs::path p = dir_ / "a.bin";
  fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(2));
  const uint64_t before = lastWrite;
  EXPECT_EQ(files.ReadWholeFile(Path("a.bin"), &lastWrite, out), ReadResult::kRead);
  EXPECT_GT(lastWrite, before);
}

TEST_F(StdFileStoreTest, MissingEmptyOrFolderPathsAreNotRead) {
  Bytes out;
  EXPECT_EQ(files.ReadWholeFile(Path("none.bin"), nullptr, out), ReadResult::kFailed);
  std::ofstream(dir_ / "empty.bin").close();
  EXPECT_EQ(files.ReadWholeFile(Path("empty.bin"), nullptr, out), ReadResult::kFailed);
  fs::create_directory(dir_ / "folder.bin");
  EXPECT_EQ(files.ReadWholeFile(Path("folder.bin"), nullptr, out), ReadResult::kFailed);
}

TEST_F(StdFileStoreTest, AWriteReplacesTheWholeFile) {
  const Bytes longer = {1, 2, 3, 4, 5, 6};
  const Bytes shorter = {9};
  ASSERT_TRUE(files.WriteWholeFile(Path("a.bin"), longer.data(), longer.size()));
  ASSERT_TRUE(files.WriteWholeFile(Path("a.bin"), shorter.data(), shorter.size()));
  Bytes out;
  ASSERT_EQ(files.ReadWholeFile(Path("a.bin"), nullptr, out), ReadResult::kRead);
  EXPECT_EQ(out, shorter);
}

TEST_F(StdFileStoreTest, AFailedWriteLeavesWhatWasThereAndNoTemporaryFile) {
  fs::create_directory(dir_ / "taken.bin");
  fs::path inside = dir_ / "taken.bin" / "keep.txt";
  std::ofstream(inside) << "keep";
  const Bytes data = {1};
  EXPECT_FALSE(files.WriteWholeFile(Path("taken.bin"), data.data(), data.size()));
  EXPECT_TRUE(fs::exists(inside));
  EXPECT_EQ(EntriesInDir(), 1u);
  EXPECT_FALSE(files.WriteWholeFile(Path("no-such-folder/a.bin"), data.data(), data.size()));
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(StdFileStoreTest, RecordsSaveAndLoadThroughTheFolderOfTheirTable) {
  fs::create_directory(dir_ / "Common");
  auto binPath = [this](std::u16string_view folder, std::u16string_view name) {
    std::u16string path = dir_.u16string() + u"/";
    path += folder;
    path += u"/";
    path += name;
    return path + u".bin";
  };
  SettingsRecord r = *OpenRecord(record::kCsv, binPath);
  r.AddText(u"Comma");
  r.AddDword(44);
  ASSERT_TRUE(SaveRecord(r, files));
  EXPECT_TRUE(fs::is_regular_file(dir_ / "Common" / "csv.bin"));
  SettingsRecord loaded = *OpenRecord(record::kCsv, binPath);
  ASSERT_EQ(LoadRecord(loaded, files), ReadResult::kRead);
  EXPECT_EQ(loaded.NextText(), u"Comma");
  EXPECT_EQ(loaded.NextDword(), 44u);
  EXPECT_EQ(LoadRecord(loaded, files), ReadResult::kUnchanged);
}

}  // namespace
}  // namespace scrv
