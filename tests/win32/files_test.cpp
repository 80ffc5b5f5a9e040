// Whole-file reads and safe rewrites against the real Windows file API.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/app/io_error.h"
#include "win32/app/files.h"

namespace tonvero {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    folder_ = std::string(base) + "tonvero-files-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const char* name : {"a.bin", "a.bin.new", "ro.bin"}) {
      SetFileAttributesA((folder_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((folder_ + name).c_str());
    }
    RemoveDirectoryA(folder_.c_str());
  }
  std::string folder_;
};

TEST_F(FilesTest, MissingFileIsNotAnError) {
  EXPECT_FALSE(ReadFileIfPresent(folder_ + "nothing.bin").has_value());
}

TEST_F(FilesTest, ReplaceWritesWholeFileAndLeavesNoTemporary) {
  const std::string path = folder_ + "a.bin";
  ASSERT_TRUE(ReplaceFileContents(path, Bytes{1, 2, 3, 4, 5}));
  ASSERT_TRUE(ReplaceFileContents(path, Bytes{9, 8}));  // shorter: nothing of the old stays
  EXPECT_EQ(ReadFileIfPresent(path), (Bytes{9, 8}));
  EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FilesTest, ReadOnlyFileIsReadButNotReplaced) {
  const std::string path = folder_ + "ro.bin";
  ASSERT_TRUE(ReplaceFileContents(path, Bytes{7, 7, 7}));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ReadFileIfPresent(path), (Bytes{7, 7, 7}));
  EXPECT_FALSE(ReplaceFileContents(path, Bytes{1}));
  EXPECT_EQ(ReadFileIfPresent(path), (Bytes{7, 7, 7}));
}

TEST_F(FilesTest, FileInMissingFolderCannotBeCreated) {
  EXPECT_FALSE(ReplaceFileContents(folder_ + "no\\such\\dir\\a.bin", Bytes{1}));
}

TEST_F(FilesTest, WriteReportsAFileThatCannotBeWrittenAndKeepsIt) {
  const std::string path = folder_ + "ro.bin";
  ASSERT_TRUE(ReplaceFileContents(path, Bytes{7, 7, 7}));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  try {
    WriteFileContents(path, Bytes{1});
    ADD_FAILURE() << "a read-only file was written";
  } catch (const IoError& failure) {
    EXPECT_STREQ(failure.what(), "File access denied");
  }
  EXPECT_EQ(ReadFileIfPresent(path), (Bytes{7, 7, 7}));
  EXPECT_THROW(WriteFileContents(folder_ + "no\\such\\dir\\a.bin", Bytes{1}), IoError);
  WriteFileContents(folder_ + "a.bin", Bytes{4, 2});
  EXPECT_EQ(ReadFileIfPresent(folder_ + "a.bin"), (Bytes{4, 2}));
}

TEST(IoErrorTest, MessagesNameTheFailure) {
  EXPECT_STREQ(IoError(ERROR_FILE_NOT_FOUND).what(), "File not found");
  EXPECT_STREQ(IoError(ERROR_ACCESS_DENIED).what(), "File access denied");
  EXPECT_STREQ(IoError(ERROR_DISK_FULL).what(), "Disk full");
  EXPECT_STREQ(IoError(ERROR_HANDLE_DISK_FULL).what(), "Disk full");
  EXPECT_STREQ(IoError(ERROR_WRITE_FAULT).what(), "I/O error 29");
}

}  // namespace
}  // namespace tonvero
