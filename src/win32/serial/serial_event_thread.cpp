#include "win32/serial/serial_event_thread.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <system_error>

namespace tonvero {
namespace {

constexpr const char* kSyncClass = "SerialEventThreadSync";
constexpr UINT kDeliverMessage = WM_APP + 1;
// The loop rests before it waits again when a wait failed (a terminal
// without modem lines refuses their events; some drivers end waits with a
// failure) or when a delivery held nothing new (some drivers report states,
// not changes); longer after each rest in a row, so that none of these
// costs more than a trace of processor time.
constexpr DWORD kFirstRestMs = 50;
constexpr DWORD kLongestRestMs = 800;
// How long an ended wait may take to let go of its record.
constexpr DWORD kLetGoMs = 300;
constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;

void RegisterSyncClass(WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kSyncClass;
  RegisterClassExA(&windowClass);  // fails harmlessly once registered
}

}  // namespace

SerialEventThread::SerialEventThread(HANDLE port, SerialEvents events, BatchReport onBatch,
                                     FailureReport onFailure)
    : port_(port),
      onBatch_(std::move(onBatch)),
      onFailure_(std::move(onFailure)),
      monitoredMask_(EventMaskOf(events)),
      restMs_(kFirstRestMs) {
  RegisterSyncClass(WindowProcedure);
  CreateWindowExA(0, kSyncClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                  GetModuleHandleA(nullptr), this);
  SetCommMask(port_, monitoredMask_);
  thread_ = CreateThread(nullptr, 0, ThreadMain, this, CREATE_SUSPENDED, nullptr);
  if (!thread_) {
    const DWORD failure = GetLastError();
    DestroyWindow(hwnd_);
    throw std::system_error(static_cast<int>(failure), std::system_category(), "CreateThread");
  }
  SetThreadPriority(thread_, THREAD_PRIORITY_ABOVE_NORMAL);
  ResumeThread(thread_);
}

SerialEventThread::~SerialEventThread() {
  Stop();
  WaitEnd();
  CloseHandle(thread_);
  DestroyWindow(hwnd_);
}

void SerialEventThread::Stop() {
  terminated_ = true;
  if (!leavePort_) SetCommMask(port_, 0);  // completes a pending wait on the device
  event_.SetEvent();
}

void SerialEventThread::StopLeavingPort() {
  leavePort_ = true;
  Stop();
}

void SerialEventThread::WaitEnd() {
  while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_SENDMESSAGE) ==
         WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

DWORD WINAPI SerialEventThread::ThreadMain(void* self) {
  return Guarded<DWORD>(nullptr, 1, [self] {
    static_cast<SerialEventThread*>(self)->Run();
    return DWORD{0};
  });
}

// The record of one device wait: its overlapped state and the events the
// device writes when the wait ends.
struct SerialEventThread::WaitRecord {
  OVERLAPPED overlapped{};
  DWORD events = 0;
};

std::unique_ptr<SerialEventThread::WaitRecord> SerialEventThread::NewWaitRecord() {
  auto record = std::make_unique<WaitRecord>();
  record->overlapped.hEvent = event_.Handle();
  return record;
}

void SerialEventThread::Run() {
  std::unique_ptr<WaitRecord> record = NewWaitRecord();
  while (!terminated_) {
    bool rest = true;
    if (WaitForEvents(record) && !terminated_) rest = !Deliver();
    event_.ResetEvent();
    if (rest) {
      Rest();
    } else {
      restMs_ = kFirstRestMs;
    }
  }
  if (!leavePort_) PurgeComm(port_, kPurgeAll);
}

// One wait on the device; true when it ended with events, false when it
// failed at once or completed with a failure (Stop included). The record
// is free again when this returns: the same one, or a new one when the
// device kept the old.
bool SerialEventThread::WaitForEvents(std::unique_ptr<WaitRecord>& record) {
  OVERLAPPED& overlapped = record->overlapped;
  if (WaitCommEvent(port_, &record->events, &overlapped)) {
    eventMask_ = record->events;
    return true;
  }
  if (GetLastError() != ERROR_IO_PENDING) return false;
  // A Stop that came before this wait began had no wait to complete, and
  // the wait's start reset its wake-up: without this the thread would wait
  // for ever.
  if (terminated_) {
    CancelWait(record);
    return false;
  }
  if (event_.WaitFor(INFINITE) != WaitResult::kSignaled) return false;
  DWORD unused = 0;
  if (GetOverlappedResult(port_, &overlapped, &unused, FALSE)) {
    eventMask_ = record->events;
    return true;
  }
  // Woken by Stop before the device let go of the wait, or by a device
  // that ended the wait and left its record saying pending.
  if (GetLastError() == ERROR_IO_INCOMPLETE) CancelWait(record);
  return false;
}

// Ends a pending wait and lets it finish before the record is used again
// or goes. A mask other than the one the wait began with completes it, as
// Stop's does; the wait began with either the monitored events or Stop's
// empty mask, so the mask set here is neither. A port left to its owner is
// not touched but for the cancel. The record's own state tells when the
// device let go (its event is no sign, as Stop may set it at any moment),
// but Wine's can stay "pending" for ever after its wait has ended: when a
// wait ends as it begins, the end's state is overwritten by the begin's.
// A record still pending after kLetGoMs is left to the device, which may
// yet write it, and the next wait takes a new one.
void SerialEventThread::CancelWait(std::unique_ptr<WaitRecord>& record) {
  if (!leavePort_) SetCommMask(port_, monitoredMask_ == EV_ERR ? EV_BREAK : EV_ERR);
  CancelIo(port_);
  const DWORD started = GetTickCount();
  while (!HasOverlappedIoCompleted(&record->overlapped)) {
    if (GetTickCount() - started >= kLetGoMs) {
      static_cast<void>(record.release());  // the device may still write it
      record = NewWaitRecord();
      break;
    }
    Sleep(1);
  }
  if (!leavePort_) SetCommMask(port_, 0);
  event_.ResetEvent();
}

// Rests until Stop or the pause is over, longer after each rest in a row.
void SerialEventThread::Rest() {
  if (terminated_) return;  // Stop's wake-up may have been reset just now
  event_.WaitFor(restMs_);
  restMs_ = std::min(restMs_ * 2, kLongestRestMs);
}

bool SerialEventThread::Deliver() {
  deliveryHeldNews_ = false;
  SendMessageA(hwnd_, kDeliverMessage, 0, 0);
  return deliveryHeldNews_;
}

LRESULT SerialEventThread::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kDeliverMessage) return DefWindowProcA(hwnd_, message, wParam, lParam);
  DeliverOnUserInterfaceThread();
  return 0;
}

void SerialEventThread::DeliverOnUserInterfaceThread() {
  if (terminated_ || !onBatch_) return;  // a delivery that Stop overtook is dropped
  delivering_ = true;
  try {
    deliveryHeldNews_ = onBatch_(*this, eventMask_);
  } catch (const std::exception& failure) {
    deliveryHeldNews_ = true;
    if (onFailure_) onFailure_(failure.what());
  }
  delivering_ = false;
}

}  // namespace tonvero
