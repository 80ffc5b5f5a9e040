#include "core/app/start_plan.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

// One row per way a start is asked for: the folder always ends with a
// backslash; a link leaves the database at "Base" and brings its number or
// its refusal; any other argument is the database, cut before its extension.
TEST(StartPlanTest, FolderDatabaseAndLinkFromTheWorkingFolderAndTheArgument) {
  const struct {
    const char* folder;
    const char* argument;
    const char* wantFolder;
    const char* wantDbBase;
    const char* wantNumber;  // nullptr: no link
    bool refused;
  } rows[] = {
      {"C:\\Users\\ann", "", "C:\\Users\\ann\\", "C:\\Users\\ann\\Base", nullptr, false},
      {"C:\\", "", "C:\\", "C:\\Base", nullptr, false},
      {"", "", "\\", "\\Base", nullptr, false},
      {"C:\\t", "D:\\lists\\home.rbd", "C:\\t\\", "D:\\lists\\home", nullptr, false},
      {"C:\\t", "work", "C:\\t\\", "work", nullptr, false},
      {"C:\\t", "tel:+1-555-0100", "C:\\t\\", "C:\\t\\Base", "+1-555-0100", false},
      {"C:\\t", "callto:", "C:\\t\\", "C:\\t\\Base", "", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.folder) + " | " + row.argument);
    const StartPlan plan = PlanStart(row.folder, row.argument);
    EXPECT_EQ(row.wantFolder, plan.folder);
    EXPECT_EQ(row.wantDbBase, plan.dbBase);
    ASSERT_EQ(row.wantNumber != nullptr, plan.link.has_value());
    if (!plan.link) continue;
    EXPECT_EQ(row.wantNumber, plan.link->number);
    EXPECT_EQ(row.refused, plan.link->Refused());
  }
}

}  // namespace
}  // namespace tonvero
