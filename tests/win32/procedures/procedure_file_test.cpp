// The procedure file and its backup against the real Windows file API:
// created when missing, left alone when it cannot be read, never half
// written.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/app/io_error.h"
#include "win32/procedures/procedure_file.h"
#include "../temp_folder.h"

namespace tonvero {
namespace {

class ProcedureFileTest : public ::testing::Test {
 protected:
  std::string Read(const char* ext) const {
    std::ifstream in(base_ + ext, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool Exists(const char* ext) const {
    return GetFileAttributesA((base_ + ext).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  void Write(const char* ext, const std::string& text) const {
    std::ofstream(base_ + ext, std::ios::binary) << text;
  }
  TempFolder temp_{"tonvero-dp"};
  const std::string folder_ = temp_.Path(), base_ = folder_ + "Base";
};

const char kVelmora[] = "\"VELMORA\",\"@\"\r\n";

TEST_F(ProcedureFileTest, MissingFileIsCreatedWithTheVelmoraRecord) {
  const std::optional<ProcedureList> list = ReadProcedureFile(base_);
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->UserCount(), 1);
  EXPECT_EQ(list->At(1), (Procedure{"VELMORA", "@"}));
  EXPECT_EQ(Read(".dp"), kVelmora);
  EXPECT_FALSE(Exists(".dpb"));  // the backup is the caller's next step
}

TEST_F(ProcedureFileTest, FileInAMissingFolderGivesNothingAndCreatesNothing) {
  EXPECT_FALSE(ReadProcedureFile(folder_ + "no\\such\\Base").has_value());
  EXPECT_EQ(GetFileAttributesA((folder_ + "no").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProcedureFileTest, ExistingFileIsReadNormalisedAndBackedUp) {
  Write(".dp", "\"  outside line \", \" 9,,@ \"\n\nb,2\n");
  const std::optional<ProcedureList> list = ReadProcedureFile(base_);
  ASSERT_TRUE(list.has_value());
  WriteProcedureBackup(base_, *list);
  EXPECT_EQ(Read(".dpb"), "\"OUTSIDE LINE\",\"9,,@\"\r\n\"B\",\"2\"\r\n");
  EXPECT_EQ(Read(".dp"), "\"  outside line \", \" 9,,@ \"\n\nb,2\n");  // reading changes nothing
}

TEST_F(ProcedureFileTest, LockedFileIsReportedAndLeftAlone) {
  Write(".dp", "\"MINE\",\"1@\"\r\n");
  HANDLE lock = CreateFileA((base_ + ".dp").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_THROW(ReadProcedureFile(base_), IoError);
  CloseHandle(lock);
  EXPECT_EQ(Read(".dp"), "\"MINE\",\"1@\"\r\n");
}

TEST_F(ProcedureFileTest, SaveWritesTheWholeListInCrLfLines) {
  Write(".dp", "A,1\nB,2\n");
  ProcedureList list = *ReadProcedureFile(base_);
  list.InsertAfter(2, "C");
  WriteProcedureFile(base_, list);
  EXPECT_EQ(Read(".dp"), "\"A\",\"1\"\r\n\"B\",\"2\"\r\n\"C\",\"@ (New)\"\r\n");
  EXPECT_FALSE(Exists(".dp.new"));
}

TEST_F(ProcedureFileTest, FailedSaveLeavesTheOldFileWhole) {
  const struct {
    const char* what;
    void (*breakIt)(const std::string& base);
  } cases[] = {
      {"read-only file",
       [](const std::string& base) { SetFileAttributesA((base + ".dp").c_str(), FILE_ATTRIBUTE_READONLY); }},
      {"temporary cannot be created",
       [](const std::string& base) { CreateDirectoryA((base + ".dp.new").c_str(), nullptr); }},
  };
  for (const auto& c : cases) {
    Write(".dp", kVelmora);
    ProcedureList list = *ReadProcedureFile(base_);
    list.InsertAfter(1, "LOST");
    c.breakIt(base_);
    EXPECT_THROW(WriteProcedureFile(base_, list), IoError) << c.what;
    EXPECT_EQ(Read(".dp"), kVelmora) << c.what;
    TearDown();
    SetUp();
  }
}

}  // namespace
}  // namespace tonvero
