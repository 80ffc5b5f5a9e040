#pragma once
// One thread per open serial port: it waits for the port's events and hands
// each batch to the user-interface thread, synchronously, through a message
// to a hidden window of that thread. The message is served wherever that
// thread reads its queue, modal dialogs included.
#include <windows.h>

#include <atomic>
#include <memory>
#include <functional>
#include <string>

#include "core/serial/comm_settings.h"
#include "win32/serial/sync_objects.h"
#include "win32/ui/base_window.h"

namespace tonvero {

class SerialEventThread : public BaseWindow<SerialEventThread> {
 public:
  // Takes each batch's event mask; returns whether the batch held anything
  // new for the handlers.
  using BatchReport = std::function<bool(SerialEventThread& sender, uint32_t mask)>;
  using FailureReport = std::function<void(const std::string& message)>;

  // Made on the user-interface thread, which then serves the deliveries.
  // Sets the port's event mask and starts the thread at once. `onBatch`
  // runs on the user-interface thread; an exception from it is passed to
  // `onFailure` there and the thread carries on.
  SerialEventThread(HANDLE port, SerialEvents events, BatchReport onBatch, FailureReport onFailure);
  SerialEventThread(const SerialEventThread&) = delete;
  SerialEventThread& operator=(const SerialEventThread&) = delete;
  // Stops the thread and waits for it to end.
  ~SerialEventThread();

  // Ends the pending wait and asks the loop to end; does not wait. No
  // delivery reaches the handler after this call.
  void Stop();
  // As Stop, for a port that is closed while this thread may still run:
  // the thread then leaves the port alone (no purge on its way out).
  void StopLeavingPort();
  // True while a delivery's handlers run (on the user-interface thread).
  bool Delivering() const { return delivering_; }
  // Waits for the thread to end (after Stop), serving the messages other
  // threads send to this one meanwhile. The port is purged before it ends.
  void WaitEnd();

 private:
  friend class BaseWindow<SerialEventThread>;
  static DWORD WINAPI ThreadMain(void* self);
  // The hidden window through which deliveries reach the user-interface thread.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Run();
  struct WaitRecord;
  std::unique_ptr<WaitRecord> NewWaitRecord();
  bool WaitForEvents(std::unique_ptr<WaitRecord>& record);
  void CancelWait(std::unique_ptr<WaitRecord>& record);
  void Rest();
  bool Deliver();
  void DeliverOnUserInterfaceThread();

  HANDLE port_;
  uint32_t eventMask_ = 0;  // the events of the last wait that ended with some
  BatchReport onBatch_;
  FailureReport onFailure_;
  ManualResetEvent event_;
  std::atomic<bool> terminated_{false};
  const DWORD monitoredMask_;
  DWORD restMs_;
  bool deliveryHeldNews_ = false;
  bool delivering_ = false;                 // both on the user-interface thread
  std::atomic<bool> leavePort_{false};  // set on the user-interface thread during a delivery
  HANDLE thread_ = nullptr;
};

}  // namespace tonvero
