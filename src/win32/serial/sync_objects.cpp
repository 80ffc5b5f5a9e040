#include "win32/serial/sync_objects.h"

namespace tonvero {

THandleObject::~THandleObject() { CloseHandle(handle_); }

TWaitResult THandleObject::WaitFor(DWORD timeoutMs) {
  switch (WaitForSingleObject(handle_, timeoutMs)) {
    case WAIT_OBJECT_0: return wrSignaled;
    case WAIT_TIMEOUT: return wrTimeout;
    case WAIT_ABANDONED: return wrAbandoned;
    case WAIT_FAILED: lastError_ = GetLastError(); return wrError;
    default: return wrError;
  }
}

void TEvent::SetEvent() { ::SetEvent(Handle()); }

void TEvent::ResetEvent() { ::ResetEvent(Handle()); }

TSimpleEvent::TSimpleEvent() : TEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

TCriticalSection::TCriticalSection() { InitializeCriticalSection(&section_); }

TCriticalSection::~TCriticalSection() { DeleteCriticalSection(&section_); }

void TCriticalSection::Enter() { EnterCriticalSection(&section_); }

void TCriticalSection::Leave() { LeaveCriticalSection(&section_); }

}  // namespace tonvero
