// The stack protector's guard and its failure handler, in place of the
// toolchain's libssp: libssp sets its guard in a static constructor that
// asks the Windows crypto provider for it, and loading the provider loads
// DLLs before WinMain has limited where DLLs may come from (under Wine, one
// of them took version.dll from the program's folder). Here the guard is
// mixed, as Windows' own stack cookie is, from values that differ at every
// start, with kernel32 alone.
#include <windows.h>

#include <cstdint>

extern "C" {

uintptr_t __stack_chk_guard;

// A smashed stack is not to be trusted with anything more: no unwinding,
// no handlers, the process ends here.
[[noreturn]] void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

}  // extern "C"

namespace {

// Unprotected itself: its own guard would be checked against the new value.
__attribute__((constructor, no_stack_protector)) void SeedStackGuard() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  uint64_t mixed = ((uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime) ^
                   static_cast<uint64_t>(counter.QuadPart) ^ (uint64_t{GetCurrentProcessId()} << 32) ^
                   GetCurrentThreadId() ^ GetTickCount() ^ reinterpret_cast<uintptr_t>(&now);
  __stack_chk_guard = static_cast<uintptr_t>(mixed ^ (mixed >> 32));
}

}  // namespace
