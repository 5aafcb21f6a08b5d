// Whole files: reading all of a file unless it is unchanged since a given time, and replacing
// a file through a temporary beside it so that a failed write never costs the old file.

#include <gtest/gtest.h>

#include "base/text_win.h"
#include "settings/file_store_win.h"
#include "settings_test_support.h"
#include "test_support.h"

using namespace testing_support;
using namespace settings_test;
using scrv::ReadResult;

namespace {

class WholeFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = folder.File(L"records");
    ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
    target = dir + L"\\rec.bin";
  }
  bool Write(const std::string& bytes) {
    return files.WriteWholeFile(scrv::ToU(target), reinterpret_cast<const uint8_t*>(bytes.data()),
                                bytes.size());
  }
  std::string Bytes() const { return folder.ReadBytes(L"records\\rec.bin"); }
  ReadResult Read(uint64_t* lastWrite, std::vector<uint8_t>& out) {
    return files.ReadWholeFile(scrv::ToU(target), lastWrite, out);
  }

  AppFolder folder{false, false};
  scrv::Win32FileStore files;
  std::wstring dir, target;
};

TEST_F(WholeFiles, WrittenBytesReadBackWithTheirTime) {
  ASSERT_TRUE(Write(std::string("\x01\x00\xFFrecord", 9)));
  std::vector<uint8_t> out;
  uint64_t when = 0;
  ASSERT_EQ(Read(&when, out), ReadResult::kRead);
  EXPECT_EQ(std::string(out.begin(), out.end()), std::string("\x01\x00\xFFrecord", 9));
  EXPECT_NE(when, 0u);
  out.clear();
  EXPECT_EQ(Read(nullptr, out), ReadResult::kRead);
  EXPECT_EQ(out.size(), 9u);
}

TEST_F(WholeFiles, UnchangedSinceTheGivenTimeReadsNothing) {
  ASSERT_TRUE(Write("first"));
  std::vector<uint8_t> out;
  uint64_t when = 0;
  ASSERT_EQ(Read(&when, out), ReadResult::kRead);
  std::vector<uint8_t> untouched = {9};
  uint64_t same = when;
  EXPECT_EQ(Read(&same, untouched), ReadResult::kUnchanged);
  EXPECT_EQ(untouched, std::vector<uint8_t>{9});
  EXPECT_EQ(same, when);
  uint64_t later = when + 1;
  EXPECT_EQ(Read(&later, untouched), ReadResult::kUnchanged) << "not later is unchanged";

  uint64_t earlier = when - 1;
  EXPECT_EQ(Read(&earlier, untouched), ReadResult::kRead);
  EXPECT_EQ(earlier, when);
  EXPECT_EQ(untouched.size(), 5u);
}

TEST_F(WholeFiles, ALaterWriteIsReadAgain) {
  ASSERT_TRUE(Write("first"));
  std::vector<uint8_t> out;
  uint64_t when = 0;
  ASSERT_EQ(Read(&when, out), ReadResult::kRead);
  ASSERT_TRUE(Write("second"));
  // File times are coarse: move the new file's time clearly past the one we hold.
  HANDLE h = CreateFileW(target.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  uint64_t next = when + 20000000;  // two seconds
  FILETIME ft = {static_cast<DWORD>(next), static_cast<DWORD>(next >> 32)};
  SetFileTime(h, nullptr, nullptr, &ft);
  CloseHandle(h);
  EXPECT_EQ(Read(&when, out), ReadResult::kRead);
  EXPECT_EQ(std::string(out.begin(), out.end()), "second");
  EXPECT_EQ(when, next);
}

TEST_F(WholeFiles, EmptyMissingOrFolderPathsAreNotRead) {
  std::vector<uint8_t> out = {7};
  EXPECT_EQ(Read(nullptr, out), ReadResult::kFailed) << "missing";
  uint64_t when = 123;
  EXPECT_EQ(Read(&when, out), ReadResult::kFailed) << "missing, with a time";
  ASSERT_TRUE(Write(""));
  EXPECT_EQ(Bytes(), "");
  EXPECT_EQ(Read(nullptr, out), ReadResult::kFailed) << "empty";
  EXPECT_EQ(files.ReadWholeFile(scrv::ToU(dir), nullptr, out), ReadResult::kFailed) << "folder";
  EXPECT_EQ(out, std::vector<uint8_t>{7});
}

TEST_F(WholeFiles, AFileOpenElsewhereForWritingCanBeRead) {
  ASSERT_TRUE(Write("shared"));
  HANDLE other = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  std::vector<uint8_t> out;
  EXPECT_EQ(Read(nullptr, out), ReadResult::kRead);
  CloseHandle(other);
  EXPECT_EQ(out.size(), 6u);
}

TEST_F(WholeFiles, ASuccessfulWriteReplacesTheFileAndLeavesNoTemporary) {
  ASSERT_TRUE(Write("a much longer old content"));
  ASSERT_TRUE(Write("new"));
  EXPECT_EQ(Bytes(), "new");
  EXPECT_EQ(FilesIn(dir), std::vector<std::wstring>{L"rec.bin"});
}

TEST_F(WholeFiles, AReadOnlyTargetIsRefusedAndKept) {
  ASSERT_TRUE(Write("keep me"));
  ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  SetLastError(0);
  EXPECT_FALSE(Write("lost"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Bytes(), "keep me");
  EXPECT_EQ(FilesIn(dir), std::vector<std::wstring>{L"rec.bin"});
}

TEST_F(WholeFiles, AMissingFolderFailsAndCreatesNothing) {
  std::wstring path = dir + L"\\missing\\rec.bin";
  EXPECT_FALSE(files.WriteWholeFile(scrv::ToU(path), reinterpret_cast<const uint8_t*>("x"), 1));
  EXPECT_EQ(GetFileAttributesW((dir + L"\\missing").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(FilesIn(dir).empty());
}

TEST_F(WholeFiles, AFailedReplacementRemovesTheTemporary) {
  // A folder where the file should be: the temporary is written, the move is refused.
  ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
  EXPECT_FALSE(Write("data"));
  EXPECT_TRUE(FilesIn(dir).empty());
  EXPECT_NE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(WholeFiles, ATargetLockedByAnotherProgramIsKept) {
  ASSERT_TRUE(Write("locked"));
  HANDLE other = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Write("replacement"));
  CloseHandle(other);
  EXPECT_EQ(Bytes(), "locked");
  EXPECT_EQ(FilesIn(dir), std::vector<std::wstring>{L"rec.bin"});
}

TEST_F(WholeFiles, NoDataForABytesCountIsRefused) {
  EXPECT_FALSE(files.WriteWholeFile(scrv::ToU(target), nullptr, 4));
  EXPECT_TRUE(FilesIn(dir).empty());
}

}  // namespace
