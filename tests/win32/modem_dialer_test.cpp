// Modem dialing against the real port pair of tests/win32/environment: the
// bytes the other end reads, the notice while the port is open, and the
// window put back when the port fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "win32/ui/control_ids.h"
#include "win32/ui/forms.h"
#include "win32/modem/modem_dialer.h"
#include "win32/ui/message_boxes.h"
#include "serial_peer.h"

namespace tonvero {
namespace {

constexpr int kPortIndex = 4;  // "COM5"

struct SeenNotice {
  std::string caption, text;
};

// Answers the first visible dialog of this process with "Continue" and
// tells what it showed.
class NoticeAnswerer {
 public:
  NoticeAnswerer() : thread_([this] { Run(); }) {}
  ~NoticeAnswerer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  std::vector<SeenNotice> Seen() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  static BOOL CALLBACK Match(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(cls) == "#32770") {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }
  void Run() {
    while (!stop_) {
      HWND dialog = nullptr;
      EnumWindows(Match, reinterpret_cast<LPARAM>(&dialog));
      if (dialog) {
        seen_.push_back({WindowText(dialog), WindowText(GetDlgItem(dialog, IDC_NOTICE_TEXT))});
        PostMessageA(GetDlgItem(dialog, IDC_CONTINUE), BM_CLICK, 0, 0);
        while (IsWindow(dialog) && IsWindowVisible(dialog) && !stop_) Sleep(5);
      }
      Sleep(5);
    }
  }
  std::atomic<bool> stop_{false};
  std::vector<SeenNotice> seen_;
  std::thread thread_;
};

// A dialer screen of its own, and the icons shown, in order.
class TestDisplay : public ModemDialer::Display {
 public:
  HWND owner = nullptr, screen = nullptr;
  std::vector<bool> icons;
  HWND NoticeOwner() const override { return owner; }
  std::string Number() const override { return WindowText(screen); }
  void ShowDialing(bool dialing) override { icons.push_back(dialing); }
  void ShowSent(const std::string& piece) override {
    SetWindowTextA(screen, (WindowText(screen) + piece).c_str());
  }
  void PutNumberBack(const std::string& number) override { SetWindowTextA(screen, number.c_str()); }
};

class ModemDialerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer_.Ok()) << "no COM6: run under tests/win32/environment";
    owner_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    screen_ = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, owner_, nullptr, nullptr, nullptr);
    display_.owner = owner_;
    display_.screen = screen_;
    settings_.commIndex = kPortIndex;
  }
  void TearDown() override {
    DestroyWindow(owner_);
    peer_.Drain();
  }

  SerialPeer peer_;
  HWND owner_ = nullptr, screen_ = nullptr;
  TestDisplay display_;
  const std::vector<bool>& icons_ = display_.icons;
  Settings settings_;
  SerialPort modem_;
  ModemDialer dialer_{modem_};
};

TEST_F(ModemDialerTest, SendsCommandShowsNoticeAndPutsScreenBack) {
  SetWindowTextA(screen_, "5551234");
  settings_.generatorIndex = 1;
  NoticeAnswerer answerer;
  dialer_.Dial(display_, "9P5551234", settings_);
  const std::vector<SeenNotice> seen = answerer.Seen();

  EXPECT_EQ(peer_.Receive(18, 1000), "ATDP 9,,,5551234\r\n");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "Modem Dialing...");
  EXPECT_EQ(seen[0].text, "Pick up the handset when connected and press \"Continue\"");
  EXPECT_FALSE(modem_.IsOpen());
  EXPECT_EQ(WindowText(screen_), "5551234");
  EXPECT_EQ(icons_, (std::vector<bool>{true, false}));

  NoticeAnswerer next;  // a notice shown for anything else has its own caption
  ShowNotice(owner_, "other");
  const std::vector<SeenNotice> seenNext = next.Seen();
  ASSERT_EQ(seenNext.size(), 1u);
  EXPECT_EQ(seenNext[0].caption, "Error Message");
}

TEST_F(ModemDialerTest, MissingPortRaisesShowsNoNoticeAndRestores) {
  SetWindowTextA(screen_, "5551234");
  settings_.commIndex = 8;  // "COM9" is not mapped
  NoticeAnswerer answerer;
  try {
    dialer_.Dial(display_, "9,5551234", settings_);
    ADD_FAILURE() << "no error raised";
  } catch (const SerialError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Error accessing specified device (Error: ", 0), 0u);
  }
  EXPECT_TRUE(answerer.Seen().empty()) << "a notice was shown";
  EXPECT_FALSE(modem_.IsOpen());
  EXPECT_EQ(WindowText(screen_), "5551234");
  EXPECT_EQ(icons_, (std::vector<bool>{true, false}));
}

// Writes through a plain handle of the port under test for at most `ms`,
// then cancels; returns the bytes written. The component would purge what
// it leaves unsent, this leaves it in the terminals.
DWORD WriteWithin(const std::string& bytes, DWORD ms) {
  HANDLE port = CreateFileA("COM5", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OVERLAPPED, nullptr);
  OVERLAPPED overlapped{};
  overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD written = 0;
  WriteFile(port, bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &overlapped);
  if (WaitForSingleObject(overlapped.hEvent, ms) != WAIT_OBJECT_0) CancelIo(port);
  GetOverlappedResult(port, &overlapped, &written, TRUE);
  CloseHandle(overlapped.hEvent);
  CloseHandle(port);
  return written;
}

// A command that cannot be written in time is a failure, not a notice:
// the terminals are filled first, while nobody reads the other end.
TEST_F(ModemDialerTest, TimedOutWriteIsAFailure) {
  // The terminals keep some slack after a cancelled write, so fill until
  // a short write takes nothing.
  const std::string flood(4 << 20, 'x');
  bool full = false;
  for (int attempt = 0; attempt < 5 && !full; ++attempt) {
    WriteWithin(flood, 500);
    full = WriteWithin("0123456789abcd", 300) == 0;
  }
  ASSERT_TRUE(full) << "the port still takes bytes";
  SetWindowTextA(screen_, "5551234");
  modem_.SetWriteTimeout(300);
  NoticeAnswerer answerer;
  try {
    dialer_.Dial(display_, "5551234", settings_);
    ADD_FAILURE() << "no error raised";
  } catch (const SerialError& error) {
    EXPECT_STREQ(error.what(), "Write error (Error: 258) ");
  }
  EXPECT_TRUE(answerer.Seen().empty()) << "a notice was shown";
  EXPECT_FALSE(modem_.IsOpen());
  EXPECT_EQ(WindowText(screen_), "5551234");
  EXPECT_EQ(icons_, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace tonvero
