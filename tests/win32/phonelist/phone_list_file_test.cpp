// The phone-list file and its backup on a real Windows file system: what is
// created, what is kept, and that a file that cannot be read is never
// re-created over.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/app/io_error.h"
#include "win32/files/files.h"
#include "win32/phonelist/phone_list_file.h"
#include "../temp_folder.h"

namespace tonvero {
namespace {

const std::string kHeader =
    R"("FIRST NAME      ","LAST NAME        ","PHONE                          ","REMARKS")";

class PhoneListFileTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& path) const {
    const std::optional<Bytes> bytes = ReadFileIfPresent(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "(missing)";
  }
  void Write(const std::string& path, const std::string& text) const {
    ASSERT_TRUE(ReplaceFileContents(path, Bytes(text.begin(), text.end())));
  }
  TempFolder temp_{"tonvero-phonelist"};
  const std::string folder_ = temp_.Path(), base_ = folder_ + "Base";
};

TEST_F(PhoneListFileTest, MissingFileIsCreatedWithTheSampleAndBackedUp) {
  const std::optional<PhoneListFile> list = LoadPhoneListFile(base_);
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ((std::vector<Record>{{"MAREL", "VOSSIK", " ", "VELMORA"}}), list->records);
  EXPECT_EQ(kHeader + "\r\n\"Marel\",\"Vossik\",\"\",\"Velmora\"\r\n", Read(base_ + ".rbd"));
  EXPECT_EQ(kHeader + "\r\n\"MAREL\",\"VOSSIK\",\" \",\"VELMORA\"\r\n", Read(base_ + ".bak"));
}

TEST_F(PhoneListFileTest, ExistingFileIsReadAndLeftAsItIs) {
  const std::string text = kHeader + "\nann,lee\n\nbob,ray\n";
  Write(base_ + ".rbd", text);
  const std::optional<PhoneListFile> list = LoadPhoneListFile(base_);
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(2u, list->records.size());
  EXPECT_EQ(text, Read(base_ + ".rbd"));
  EXPECT_EQ(kHeader + "\r\n\"ANN\",\"LEE\",\" \",\" \"\r\n\"BOB\",\"RAY\",\" \",\" \"\r\n", Read(base_ + ".bak"));
}

TEST_F(PhoneListFileTest, LockedFileIsReportedAndNeverRecreated) {
  const std::string text = kHeader + "\r\n\"ANN\",\"LEE\",\"1\",\" \"\r\n";
  Write(base_ + ".rbd", text);
  HANDLE lock = CreateFileA((base_ + ".rbd").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  EXPECT_THROW(LoadPhoneListFile(base_), IoError);
  CloseHandle(lock);
  EXPECT_EQ(text, Read(base_ + ".rbd"));
  EXPECT_EQ("(missing)", Read(base_ + ".bak"));
}

TEST_F(PhoneListFileTest, FolderThatDoesNotExistGivesNoList) {
  EXPECT_FALSE(LoadPhoneListFile(folder_ + "no\\such\\Base").has_value());
}

TEST_F(PhoneListFileTest, SaveRewritesWholeAndFailureKeepsTheOldFile) {
  Write(base_ + ".rbd", "old");
  const Titles titles = {"A", "B", "C", "D"};
  SavePhoneListFile(base_, titles, {{"X", "Y", " ", "Z"}});
  EXPECT_EQ("\"A\",\"B\",\"C\",\"D\"\r\n\"X\",\"Y\",\" \",\"Z\"\r\n", Read(base_ + ".rbd"));

  ASSERT_TRUE(SetFileAttributesA((base_ + ".rbd").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_THROW(SavePhoneListFile(base_, titles, {}), IoError);
  EXPECT_EQ("\"A\",\"B\",\"C\",\"D\"\r\n\"X\",\"Y\",\" \",\"Z\"\r\n", Read(base_ + ".rbd"));
}

}  // namespace
}  // namespace tonvero
