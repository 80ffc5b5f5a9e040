// The procedure bar's stepping, as the phone list's Left and Right keys use
// it, and its name box kept in step with the list.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "win32/ui/control_ids.h"
#include "win32/procedures/procedure_bar.h"
#include "../temp_folder.h"

namespace tonvero {
namespace {

class ProcedureBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(base_ + ".dp", std::ios::binary) << "\"A\",\"1@\"\r\n\"B\",\"2@\"\r\n\"C\",\"3@\"\r\n";
    window_ = CreateWindowA("STATIC", "bar", WS_OVERLAPPEDWINDOW, 0, 0, 640, 400, nullptr, nullptr,
                            nullptr, nullptr);
    bar_.Create(window_, RECT{0, 0, 572, 28}, RECT{232, 216, 617, 366}, Scale{});
    bar_.Load(base_);
  }
  void TearDown() override {
    DestroyWindow(window_);
  }
  int BoxSelection() const {
    return static_cast<int>(SendMessageA(GetDlgItem(bar_.Handle(), IDC_DP_NAME), CB_GETCURSEL, 0, 0));
  }
  int BoxCount() const {
    return static_cast<int>(SendMessageA(GetDlgItem(bar_.Handle(), IDC_DP_NAME), CB_GETCOUNT, 0, 0));
  }

  TempFolder temp_{"tonvero-bar"};
  const std::string base_ = temp_.Path() + "Base";
  HWND window_ = nullptr;
  ProcedureBar bar_;
};

TEST_F(ProcedureBarTest, StepsWithinTheListAndShowsTheCommand) {
  const struct {
    int from;
    bool forward;
    bool stepped;
    int to;
    const char* command;
  } cases[] = {
      {0, true, true, 1, "1@"},   {2, true, true, 3, "3@"},  {3, true, false, 3, "3@"},
      {3, false, true, 2, "2@"},  {1, false, true, 0, "@"},  {0, false, false, 0, "@"},
  };
  for (const auto& c : cases) {
    bar_.Select(c.from);
    EXPECT_EQ(c.forward ? bar_.StepNext() : bar_.StepPrevious(), c.stepped) << c.from;
    EXPECT_EQ(BoxSelection(), c.to) << c.from;
    EXPECT_EQ(bar_.CurrentCommand(), c.command) << c.from;
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(bar_.Handle(), IDC_DP_DELETE)) != 0, c.to > 0) << c.from;
  }
}

TEST_F(ProcedureBarTest, InsertingKeepsTheBoxInStepWithTheList) {
  bar_.Select(3);
  EXPECT_FALSE(bar_.InsertProcedure(""));
  ASSERT_TRUE(bar_.InsertProcedure("d"));
  EXPECT_EQ(BoxCount(), 5);
  EXPECT_EQ(BoxSelection(), 4);
  EXPECT_EQ(bar_.List().At(4).name, "D");
  bar_.SetCommand(4, "4@");
  EXPECT_EQ(bar_.CurrentCommand(), "4@");
  bar_.Save();
  std::ifstream in(base_ + ".dp", std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(file, "\"A\",\"1@\"\r\n\"B\",\"2@\"\r\n\"C\",\"3@\"\r\n\"D\",\"4@\"\r\n");
}

}  // namespace
}  // namespace tonvero
