#pragma once
// The clock that dialing waits on, and the millisecond wait itself.
#include <cstdint>

namespace tonvero {

class Clock {
 public:
  virtual ~Clock() = default;
  // A monotonic reading in microseconds.
  virtual int64_t NowMicros() = 0;
  // Gives up the processor for about this long; may return early.
  virtual void SleepMicros(int64_t micros) = 0;
};

// Waits `ms` milliseconds without handling window messages. Returns at once
// for 0 and for more than 10000. Sleeps for most of the wait and spins on
// the clock for the last moment, so the end is exact without burning a core.
void WaitMs(Clock& clock, unsigned ms);

}  // namespace tonvero
