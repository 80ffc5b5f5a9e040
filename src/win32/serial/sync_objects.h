#pragma once
// Small owners of kernel objects: a waitable handle, an event and a
// critical section.
#include <windows.h>

namespace tonvero {

enum class WaitResult { kSignaled, kTimeout, kAbandoned, kError };

class WaitableHandle {
 public:
  WaitableHandle(const WaitableHandle&) = delete;
  WaitableHandle& operator=(const WaitableHandle&) = delete;
  ~WaitableHandle();

  // WaitForSingleObject on Handle; INFINITE waits without limit. Never
  // throws: a failed wait gives kError and keeps the code in LastError.
  WaitResult WaitFor(DWORD timeoutMs);
  HANDLE Handle() const { return handle_; }
  DWORD LastError() const { return lastError_; }

 protected:
  explicit WaitableHandle(HANDLE handle) : handle_(handle) {}

 private:
  HANDLE handle_;
  DWORD lastError_ = 0;
};

class WaitableEvent : public WaitableHandle {
 public:
  void SetEvent();
  void ResetEvent();

 protected:
  using WaitableHandle::WaitableHandle;
};

// An unnamed manual-reset event, not signalled at first.
class ManualResetEvent : public WaitableEvent {
 public:
  ManualResetEvent();
};

class CriticalSection {
 public:
  CriticalSection();
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;
  ~CriticalSection();
  void Enter();
  void Leave();
  // For std::lock_guard.
  void lock() { Enter(); }
  void unlock() { Leave(); }

 private:
  CRITICAL_SECTION section_;
};

}  // namespace tonvero
