#pragma once
// Small owners of kernel objects: a waitable handle, an event and a
// critical section.
#include <windows.h>

namespace tonvero {

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

class THandleObject {
 public:
  THandleObject(const THandleObject&) = delete;
  THandleObject& operator=(const THandleObject&) = delete;
  ~THandleObject();

  // WaitForSingleObject on Handle; INFINITE waits without limit. Never
  // throws: a failed wait gives wrError and keeps the code in LastError.
  TWaitResult WaitFor(DWORD timeoutMs);
  HANDLE Handle() const { return handle_; }
  DWORD LastError() const { return lastError_; }

 protected:
  explicit THandleObject(HANDLE handle) : handle_(handle) {}

 private:
  HANDLE handle_;
  DWORD lastError_ = 0;
};

class TEvent : public THandleObject {
 public:
  void SetEvent();
  void ResetEvent();

 protected:
  using THandleObject::THandleObject;
};

// An unnamed manual-reset event, not signalled at first.
class TSimpleEvent : public TEvent {
 public:
  TSimpleEvent();
};

class TCriticalSection {
 public:
  TCriticalSection();
  TCriticalSection(const TCriticalSection&) = delete;
  TCriticalSection& operator=(const TCriticalSection&) = delete;
  ~TCriticalSection();
  void Enter();
  void Leave();
  // For std::lock_guard.
  void lock() { Enter(); }
  void unlock() { Leave(); }

 private:
  CRITICAL_SECTION section_;
};

}  // namespace tonvero
