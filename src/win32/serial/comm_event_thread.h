#pragma once
// One thread per open serial port: it waits for the port's events and hands
// each batch to the user-interface thread, synchronously, through a message
// to a hidden window of that thread. The message is served wherever that
// thread reads its queue, modal dialogs included.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "core/serial/comm_settings.h"
#include "win32/serial/comm_objs.h"

namespace tonvero {

class TCommEventThread {
 public:
  // Returns whether the batch held anything new for the handlers.
  using Signal = std::function<bool(TCommEventThread& sender, uint32_t mask)>;
  using FailureReport = std::function<void(const std::string& message)>;

  // Made on the user-interface thread, which then serves the deliveries.
  // Sets the port's event mask and starts the thread at once. `onSignal`
  // runs on the user-interface thread; an exception from it is passed to
  // `onFailure` there and the thread carries on.
  TCommEventThread(HANDLE port, TCommEventTypes events, Signal onSignal, FailureReport onFailure);
  TCommEventThread(const TCommEventThread&) = delete;
  TCommEventThread& operator=(const TCommEventThread&) = delete;
  // Stops the thread and waits for it to end.
  ~TCommEventThread();

  // Ends the pending wait and asks the loop to end; does not wait. No
  // delivery reaches the handler after this call.
  void Stop();
  // Waits for the thread to end (after Stop), serving the messages other
  // threads send to this one meanwhile. The port is purged before it ends.
  void WaitEnd();

 private:
  static DWORD WINAPI ThreadMain(void* self);
  static LRESULT CALLBACK SyncProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Run();
  bool WaitForEvents(OVERLAPPED& overlapped);
  void Rest();
  bool Deliver();
  void DeliverOnUserInterfaceThread();

  HANDLE port_;
  uint32_t eventMask_ = 0;  // filled by the driver when a wait completes
  Signal onSignal_;
  FailureReport onFailure_;
  TSimpleEvent event_;
  std::atomic<bool> terminated_{false};
  DWORD restMs_;
  bool deliveryHeldNews_ = false;  // set on the user-interface thread during a delivery
  HWND sync_ = nullptr;
  HANDLE thread_ = nullptr;
};

}  // namespace tonvero
