// The millisecond wait that all dialing timings use.
#include "core/dialer/clock.h"

namespace tonvero {

namespace {

constexpr unsigned kLongestWaitMs = 10000;
// Sleep while more than this remains, then spin to the exact end: a sleep
// may end a little late, the spin never does.
constexpr int64_t kSpinMicros = 2000;

}  // namespace

// Ends only when the requested time has passed on the monotonic clock (a wait
// bounded by a count of clock readings would end early on a fast machine).
// It handles no window messages.
void WaitMs(Clock& clock, unsigned ms) {
  if (ms == 0 || ms > kLongestWaitMs) return;
  const int64_t end = clock.NowMicros() + static_cast<int64_t>(ms) * 1000;
  for (;;) {
    const int64_t remaining = end - clock.NowMicros();
    if (remaining <= 0) return;
    if (remaining > kSpinMicros) clock.SleepMicros(remaining - kSpinMicros);
  }
}

}  // namespace tonvero
