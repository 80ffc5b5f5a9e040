// The serial port component against a real port: a pseudo-terminal pair
// that tests/win32/environment maps as COM5 (the port under test) and COM6
// (its other end, driven here with plain blocking calls).
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "win32/serial/serial_port.h"
#include "win32/serial/sync_objects.h"
#include "serial_peer.h"

namespace tonvero {
namespace {

constexpr const char* kPort = "COM5";

// Serves this thread's messages (and so the port's deliveries) until
// `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return true;
}
void PumpFor(int ms) { PumpUntil([] { return false; }, ms); }

DWORD ProcessHandleCount() {
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return count;
}

std::vector<DWORD> ProcessThreads() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  std::vector<DWORD> threads;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) threads.push_back(entry.th32ThreadID);
  }
  CloseHandle(snapshot);
  return threads;
}
int ProcessThreadCount() { return static_cast<int>(ProcessThreads().size()); }

// Processor time in milliseconds of the threads, held by handles so that a
// thread that ended meanwhile is still measured; a failed reading fails.
double ThreadsCpuMs(const std::vector<HANDLE>& threads) {
  auto ms = [](const FILETIME& t) {
    return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  double total = 0;
  for (HANDLE thread : threads) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) {
      ADD_FAILURE() << "GetThreadTimes failed: " << GetLastError();
      return 0;
    }
    total += ms(kernel) + ms(user);
  }
  return total;
}

// Exposes the port handle to check what reached the driver.
class TestPort : public SerialPort {
 public:
  HANDLE Handle() const { return handle_; }
  // A batch of events as the event thread would deliver it.
  bool Deliver(uint32_t mask) { return HandleCommEvent(mask); }
};

// Runs `action` and gives the SerialError it raised ("" and 0 when none).
struct Raised {
  std::string message;
  int32_t code = 0;
};
Raised RaisedBy(const std::function<void()>& action) {
  try {
    action();
  } catch (const SerialError& error) {
    return {error.what(), error.ErrorCode()};
  }
  return {};
}

// The events a pseudo-terminal can report: it has no modem lines, and
// Wine refuses waits that include their events on it.
const SerialEvents kTerminalEvents = {SerialEvent::kBreak, SerialEvent::kError, SerialEvent::kRxChar,
                                      SerialEvent::kRxFlag, SerialEvent::kTxEmpty};

class SerialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer_.Ok()) << "no COM6: run under tests/win32/environment";
    comm_.SetDeviceName(kPort);
    comm_.SetMonitorEvents(kTerminalEvents);
  }
  void TearDown() override {
    comm_.Close();
    peer_.Drain();
  }
  SerialPeer peer_;
  TestPort comm_;
};

TEST_F(SerialTest, OpensClosesAndReopens) {
  comm_.Open();
  EXPECT_TRUE(comm_.IsOpen());
  comm_.Close();
  EXPECT_FALSE(comm_.IsOpen());
  comm_.Close();  // closed already: nothing happens
  comm_.Open();   // the device was let go, so it opens again
  EXPECT_TRUE(comm_.IsOpen());
}

TEST_F(SerialTest, FrozenSettingsAndOpenRefuseAnOpenPort) {
  const std::pair<const char*, std::function<void()>> refused[] = {
      {"Open", [&] { comm_.Open(); }},
      {"DeviceName", [&] { comm_.SetDeviceName("COM3"); }},
      {"ReadBufSize", [&] { comm_.SetReadBufSize(1024); }},
      {"WriteBufSize", [&] { comm_.SetWriteBufSize(1024); }},
      {"MonitorEvents", [&] { comm_.SetMonitorEvents({SerialEvent::kRxChar}); }},
  };
  comm_.Open();
  const HANDLE handle = comm_.Handle();
  for (const auto& [what, action] : refused) {
    const Raised raised = RaisedBy(action);
    EXPECT_EQ(raised.message, "Port already assigned (open) (Error: -1) ") << what;
    EXPECT_EQ(raised.code, -1) << what;
    EXPECT_EQ(comm_.Handle(), handle) << what << " changed the open port";
  }
  EXPECT_EQ(comm_.DeviceName(), kPort);
  EXPECT_EQ(comm_.ReadBufSize(), 4096);
  // The values already held are no change.
  EXPECT_EQ(RaisedBy([&] { comm_.SetDeviceName(kPort); }).message, "");
  EXPECT_EQ(RaisedBy([&] { comm_.SetReadBufSize(4096); }).message, "");
}

TEST_F(SerialTest, MissingDeviceGivesSystemCodeAndStaysClosed) {
  comm_.SetDeviceName("COM9");
  const Raised raised = RaisedBy([&] { comm_.Open(); });
  EXPECT_GT(raised.code, 0);
  EXPECT_EQ(raised.message,
            "Error accessing specified device (Error: " + std::to_string(raised.code) + ") ");
  EXPECT_FALSE(comm_.IsOpen());
}

TEST_F(SerialTest, OrdinaryFileIsRefusedAndLetGo) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string path =
      std::string(folder) + "tonvero-serial-" + std::to_string(GetCurrentProcessId()) + ".txt";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  comm_.SetDeviceName(path);
  const Raised raised = RaisedBy([&] { comm_.Open(); });
  EXPECT_EQ(raised.message, "Invalid device handle, access denied (Error: -1) ");
  EXPECT_EQ(raised.code, -1);
  EXPECT_FALSE(comm_.IsOpen());
  // Only a closed handle lets the file be opened without sharing again.
  file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(file, INVALID_HANDLE_VALUE) << "the file's handle was left open";
  CloseHandle(file);
  DeleteFileA(path.c_str());
}

TEST_F(SerialTest, FailureWhileConfiguringClosesThePort) {
  comm_.SetReadBufSize(-4);  // rejected while the control block is set up
  EXPECT_THROW(comm_.Open(), std::out_of_range);
  EXPECT_FALSE(comm_.IsOpen());
  comm_.SetReadBufSize(4096);
  comm_.SetWriteBufSize(-1);  // rejected before the queues are set
  EXPECT_THROW(comm_.Open(), std::out_of_range);
  EXPECT_FALSE(comm_.IsOpen());
  comm_.SetWriteBufSize(2048);
  comm_.Open();  // the device was let go each time
  EXPECT_TRUE(comm_.IsOpen());
}

TEST_F(SerialTest, WritesReachTheOtherEnd) {
  comm_.Open();
  const std::string command = "ATDT 5551234\r\n";
  EXPECT_EQ(comm_.Write(command.data(), static_cast<int>(command.size())), 14);
  EXPECT_EQ(peer_.Receive(command.size()), command);
  EXPECT_EQ(comm_.Write("", 0), 0);
  EXPECT_THROW(comm_.Write("x", -1), std::out_of_range);
}

TEST_F(SerialTest, WriteOnClosedPortRaisesWithSystemCode) {
  const Raised raised = RaisedBy([&] { comm_.Write("x", 1); });
  EXPECT_EQ(raised.code, ERROR_INVALID_HANDLE);
  EXPECT_EQ(raised.message, "Write error (Error: 6) ");
}

// A write the device cannot take in time gives -1 and is cancelled: the
// next write counts only its own bytes.
TEST_F(SerialTest, TimedOutWriteIsCancelled) {
  comm_.SetWriteTimeout(300);
  comm_.Open();
  const std::string flood(4 << 20, 'x');  // more than the terminals buffer while nobody reads
  EXPECT_EQ(comm_.Write(flood.data(), static_cast<int>(flood.size())), -1);
  EXPECT_EQ(comm_.LastWriteFailure(), static_cast<DWORD>(WAIT_TIMEOUT));
  peer_.Drain();
  comm_.SetWriteTimeout(1000);
  EXPECT_EQ(comm_.Write("after", 5), 5);
  std::string tail = peer_.Receive(SIZE_MAX, 500);
  EXPECT_EQ(tail.substr(tail.size() >= 5 ? tail.size() - 5 : 0), "after");
}

TEST_F(SerialTest, LineSettingsReachAnOpenDevice) {
  comm_.SetBaudRate(Baud::k2400);  // closed: only kept
  comm_.Open();
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  ASSERT_TRUE(GetCommState(comm_.Handle(), &dcb));
  EXPECT_EQ(dcb.BaudRate, 2400u) << "Open did not apply the stored rate";
  comm_.SetBaudRate(Baud::k19200);
  comm_.SetStopBits(StopBitCount::kTwo);
  ASSERT_TRUE(GetCommState(comm_.Handle(), &dcb));
  EXPECT_EQ(dcb.BaudRate, 19200u);
  EXPECT_EQ(dcb.StopBits, TWOSTOPBITS);
}

// A pseudo-terminal keeps 8 data bits, so its driver refuses 7.
TEST_F(SerialTest, RefusedLineSettingRaisesAndIsKept) {
  comm_.Open();
  const Raised raised = RaisedBy([&] { comm_.SetDataBits(DataBitCount::k7); });
  EXPECT_EQ(raised.message.rfind("Error updating DataControlBlock (Error: ", 0), 0u) << raised.message;
  EXPECT_EQ(comm_.DataBits(), DataBitCount::k7);
  EXPECT_TRUE(comm_.IsOpen());
}

TEST_F(SerialTest, ReceivedByteReachesOnRxCharOnceOnThisThread) {
  struct Call {
    int count;
    DWORD thread;
  };
  std::vector<Call> calls;
  comm_.OnRxChar = [&](SerialPort& sender, int count) {
    EXPECT_EQ(&sender, &comm_);
    calls.push_back({count, GetCurrentThreadId()});
  };
  comm_.Open();
  peer_.Send("R");
  EXPECT_TRUE(PumpUntil([&] { return !calls.empty(); }, 3000));
  PumpFor(300);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].count, 1);
  EXPECT_EQ(calls[0].thread, GetCurrentThreadId());
}

TEST_F(SerialTest, HandlerExceptionIsReportedAndDeliveriesGoOn) {
  std::vector<std::string> reported;
  int calls = 0;
  DWORD reportingThread = 0;
  comm_.OnHandlerFailure = [&](const std::string& message) {
    reportingThread = GetCurrentThreadId();
    reported.push_back(message);
  };
  comm_.OnRxChar = [&](SerialPort& sender, int count) {
    ++calls;
    std::vector<char> buffer(count);
    DWORD read = 0;
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ReadFile(static_cast<TestPort&>(sender).Handle(), buffer.data(), count, &read, &overlapped);
    GetOverlappedResult(static_cast<TestPort&>(sender).Handle(), &overlapped, &read, TRUE);
    CloseHandle(overlapped.hEvent);
    throw std::runtime_error("handler failed");
  };
  comm_.Open();
  peer_.Send("1");
  EXPECT_TRUE(PumpUntil([&] { return calls == 1; }, 3000));
  peer_.Send("2");
  EXPECT_TRUE(PumpUntil([&] { return calls == 2; }, 3000));
  EXPECT_EQ(reported, std::vector<std::string>(2, "handler failed"));
  EXPECT_EQ(reportingThread, GetCurrentThreadId());
}

// A handler may close its own port, although the event thread is waiting
// for that handler: the thread ends after it, and the port opens again.
TEST_F(SerialTest, AHandlerMayCloseItsPort) {
  const int threads = ProcessThreadCount();
  comm_.OnRxChar = [](SerialPort& sender, int) { sender.Close(); };
  comm_.Open();
  peer_.Send("x");
  ASSERT_TRUE(PumpUntil([&] { return !comm_.IsOpen(); }, 3000));
  comm_.Close();  // lets the ended thread go
  EXPECT_EQ(ProcessThreadCount(), threads);
  comm_.OnRxChar = nullptr;
  comm_.Open();
  EXPECT_EQ(comm_.Write("ok", 2), 2);
  EXPECT_EQ(peer_.Receive(2), "ok");
}

// An empty output queue is news once after each write, also when other
// events' batches came between the write and it.
TEST_F(SerialTest, EmptyOutputIsDeliveredOnceAfterEachWrite) {
  int empties = 0;
  comm_.OnTxEmpty = [&](SerialPort&) { ++empties; };
  comm_.Open();
  ASSERT_EQ(comm_.Write("a", 1), 1);
  comm_.Deliver(EV_RXCHAR);
  comm_.Deliver(EV_TXEMPTY);
  comm_.Deliver(EV_TXEMPTY);  // no write since: a state, not news
  EXPECT_EQ(empties, 1);
}

TEST_F(SerialTest, NoEventsMonitoredStartsNoThread) {
  comm_.SetMonitorEvents({});
  const int threads = ProcessThreadCount();
  comm_.Open();
  EXPECT_EQ(ProcessThreadCount(), threads);
  EXPECT_EQ(comm_.Write("ok", 2), 2);
  EXPECT_EQ(peer_.Receive(2), "ok");
}

// Open, write, serve deliveries, close, a thousand times, while the other
// end keeps sending: nothing is left behind and no handler runs outside
// the time the port is open.
TEST_F(SerialTest, ManyCyclesLeaveNothingBehind) {
  bool open = false;
  int calls = 0, strayCalls = 0;
  comm_.OnRxChar = [&](SerialPort&, int) {
    ++calls;
    if (!open) ++strayCalls;
  };
  comm_.Open();  // the first open makes what stays for the process's life
  comm_.Close();
  PumpFor(100);
  const DWORD handles = ProcessHandleCount();
  const int threads = ProcessThreadCount();

  std::atomic<bool> sending{true};
  std::thread sender([&] {
    while (sending) {
      peer_.Send("z");
      Sleep(1);
    }
  });
  for (int cycle = 0; cycle < 1000; ++cycle) {
    comm_.Open();
    open = true;
    comm_.Write("w", 1);
    PumpFor(cycle % 10 == 0 ? 20 : 1);
    open = false;
    comm_.Close();
  }
  sending = false;
  sender.join();
  PumpFor(300);
  EXPECT_EQ(strayCalls, 0);
  EXPECT_GT(calls, 0) << "no delivery at all: the cycles proved nothing";
  EXPECT_EQ(ProcessHandleCount(), handles);
  EXPECT_EQ(ProcessThreadCount(), threads);
}

// While the port is open and nothing new happens the event thread waits:
// with waits the device takes, with waits it refuses (a terminal refuses the
// modem-line events of the full set), and with a byte nobody reads (which
// some drivers keep reporting).
TEST_F(SerialTest, IdleEventThreadUsesNoProcessor) {
  struct Case {
    const char* name;
    SerialEvents events;
    bool unreadByte;
  };
  const Case cases[] = {
      {"waits taken", kTerminalEvents, false},
      {"waits refused", kAllSerialEvents, false},
      {"unread byte", kTerminalEvents, true},
  };
  for (const Case& c : cases) {
    comm_.SetMonitorEvents(c.events);
    const std::vector<DWORD> before = ProcessThreads();
    comm_.Open();
    // Every thread the opening started, the event thread among them. Wine
    // starts short-lived threads of its own too; one that has ended already
    // cannot be opened, and uses no processor.
    std::vector<HANDLE> started;
    for (DWORD id : ProcessThreads()) {
      if (std::find(before.begin(), before.end(), id) != before.end()) continue;
      if (HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, id)) started.push_back(thread);
    }
    ASSERT_FALSE(started.empty()) << c.name << ": no event thread";
    if (c.unreadByte) peer_.Send("u");
    PumpFor(300);  // settles, and serves the first delivery
    const double start = ThreadsCpuMs(started);
    PumpFor(1500);
    EXPECT_LT(ThreadsCpuMs(started) - start, 30.0) << c.name;
    comm_.Close();
    for (HANDLE thread : started) CloseHandle(thread);
    peer_.Drain();
  }
}

TEST(SyncObjects, WaitForReportsEachOutcome) {
  ManualResetEvent event;
  EXPECT_EQ(event.WaitFor(0), WaitResult::kTimeout);
  event.SetEvent();
  EXPECT_EQ(event.WaitFor(0), WaitResult::kSignaled);
  EXPECT_EQ(event.WaitFor(0), WaitResult::kSignaled) << "a manual-reset event stays signalled";
  event.ResetEvent();
  EXPECT_EQ(event.WaitFor(0), WaitResult::kTimeout);

  struct ClosedHandle : WaitableHandle {
    ClosedHandle() : WaitableHandle(CreateEventA(nullptr, TRUE, TRUE, nullptr)) { CloseHandle(Handle()); }
  } closed;
  EXPECT_EQ(closed.WaitFor(0), WaitResult::kError);
  EXPECT_EQ(closed.LastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(DcbFlags, EachFieldRoundTrips) {
  const uint32_t words[] = {0x0001, 0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0030, 0x0040,
                            0x0080, 0x0100, 0x0200, 0x0400, 0x0800, 0x1000, 0x2000, 0x3000,
                            0x4000, 0x2303, 0x7FFF};
  for (uint32_t word : words) {
    DCB dcb{};
    UnpackDcbFlags(word, dcb);
    EXPECT_EQ(PackDcbFlags(dcb), word) << std::hex << word;
  }
  DCB dcb{};
  dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
  dcb.fBinary = TRUE;
  EXPECT_EQ(PackDcbFlags(dcb), 0x2001u);
}

}  // namespace
}  // namespace tonvero
