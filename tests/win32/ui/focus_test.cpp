// Where the focus goes when the main window is active again, on real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/ui/focus.h"

namespace tonvero {
namespace {

class FocusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowA("STATIC", "focus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                            nullptr, nullptr);
    home_ = Button(1);
    other_ = Button(2);
  }
  void TearDown() override { DestroyWindow(window_); }
  HWND Button(int id) {
    return CreateWindowA("BUTTON", "b", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10 + 40 * id, 80, 30, window_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  HWND window_ = nullptr, home_ = nullptr, other_ = nullptr;
};

// The control focused at deactivation gets the focus back, unless it was
// hidden meanwhile; a control named for the next activation gets it once.
TEST_F(FocusTest, KeepsTheFocusedControlUnlessHiddenAndSendsTheNextActivationWhereAsked) {
  KeptFocus kept([this] { SetFocus(home_); });
  kept.OnActivate(window_, true);
  EXPECT_EQ(home_, GetFocus()) << "nothing kept yet";

  SetFocus(other_);
  kept.OnActivate(window_, false);
  SetFocus(home_);
  kept.OnActivate(window_, true);
  EXPECT_EQ(other_, GetFocus()) << "kept across deactivation";

  kept.OnActivate(window_, false);
  ShowWindow(other_, SW_HIDE);
  kept.OnActivate(window_, true);
  EXPECT_EQ(home_, GetFocus()) << "a hidden control is not given the focus";

  ShowWindow(other_, SW_SHOW);
  kept.SendNextTo([this] { SetFocus(other_); });
  kept.OnActivate(window_, true);
  EXPECT_EQ(other_, GetFocus()) << "sent where asked";
  SetFocus(home_);
  kept.OnActivate(window_, false);
  kept.OnActivate(window_, true);
  EXPECT_EQ(home_, GetFocus()) << "once only: a deactivation keeps the focus again";
}

}  // namespace
}  // namespace tonvero
