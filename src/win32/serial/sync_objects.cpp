#include "win32/serial/sync_objects.h"

namespace tonvero {

WaitableHandle::~WaitableHandle() { CloseHandle(handle_); }

WaitResult WaitableHandle::WaitFor(DWORD timeoutMs) {
  switch (WaitForSingleObject(handle_, timeoutMs)) {
    case WAIT_OBJECT_0: return WaitResult::kSignaled;
    case WAIT_TIMEOUT: return WaitResult::kTimeout;
    case WAIT_ABANDONED: return WaitResult::kAbandoned;
    case WAIT_FAILED: lastError_ = GetLastError(); return WaitResult::kError;
    default: return WaitResult::kError;
  }
}

void WaitableEvent::SetEvent() { ::SetEvent(Handle()); }

void WaitableEvent::ResetEvent() { ::ResetEvent(Handle()); }

ManualResetEvent::ManualResetEvent() : WaitableEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

CriticalSection::CriticalSection() { InitializeCriticalSection(&section_); }

CriticalSection::~CriticalSection() { DeleteCriticalSection(&section_); }

void CriticalSection::Enter() { EnterCriticalSection(&section_); }

void CriticalSection::Leave() { LeaveCriticalSection(&section_); }

}  // namespace tonvero
