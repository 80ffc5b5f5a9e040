// Whole-file reads and safe rewrites against the real Windows file API.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/app/io_error.h"
#include "win32/files/files.h"
#include "../temp_folder.h"

namespace tonvero {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  TempFolder temp_{"tonvero-files"};
  const std::string folder_ = temp_.Path();
};

// Only a file that is not there (nor its folder) reads as absent, which lets
// the caller create it afresh.
TEST_F(FilesTest, MissingFileIsNotAnError) {
  EXPECT_FALSE(ReadFileIfPresent(folder_ + "nothing.bin").has_value());
  EXPECT_FALSE(ReadFileIfPresent(folder_ + "no\\such\\dir\\a.bin").has_value());
}

// A file that is there but cannot be opened (another program holds it, a
// folder has its name) is a failure to report, never taken for a missing
// one; a folder of that name is not replaced either.
TEST_F(FilesTest, AFileThatCannotBeOpenedIsAFailureNotAbsent) {
  ASSERT_TRUE(CreateDirectoryA((folder_ + "sub").c_str(), nullptr));
  EXPECT_THROW(ReadFileIfPresent(folder_ + "sub"), IoError);
  EXPECT_FALSE(ReplaceFileContents(folder_ + "sub", Bytes{1}));
  EXPECT_EQ(GetFileAttributesA((folder_ + "sub.new").c_str()), INVALID_FILE_ATTRIBUTES);

  const std::string path = folder_ + "a.bin";
  ASSERT_TRUE(ReplaceFileContents(path, Bytes{4, 5}));
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_THROW(ReadFileIfPresent(path), IoError);
  CloseHandle(held);
  EXPECT_EQ(ReadFileIfPresent(path), (Bytes{4, 5}));
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

// A write that fails half-way (here: the bytes to write cannot be read)
// raises the failure, leaves the old file as it was and no temporary file.
TEST_F(FilesTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  const std::string path = folder_ + "a.bin";
  ASSERT_TRUE(ReplaceFileContents(path, Bytes{1, 2, 3}));
  const DWORD page = 4096;
  auto* unreadable = static_cast<uint8_t*>(VirtualAlloc(nullptr, page, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS));
  ASSERT_NE(unreadable, nullptr);
  EXPECT_THROW(ReplaceFileContents(path, unreadable, page), IoError);
  VirtualFree(unreadable, 0, MEM_RELEASE);
  EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadFileIfPresent(path), (Bytes{1, 2, 3}));
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
