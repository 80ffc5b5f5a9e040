// The millisecond wait, on fake clocks and once on the real one.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <thread>

#include "core/dialer/clock.h"

namespace tonvero {
namespace {

// A fake monotonic clock: each reading moves it `readStep` us on, each sleep
// moves it by `sleepShare` times the amount asked. It records what it saw.
class FakeClock : public Clock {
 public:
  explicit FakeClock(int64_t start, int64_t readStep = 5, double sleepShare = 1.0)
      : now(start), readStep_(readStep), sleepShare_(sleepShare) {}

  int64_t NowMicros() override {
    ++reads;
    lastReading = now;
    now += readStep_;
    return lastReading;
  }
  void SleepMicros(int64_t micros) override {
    ++sleeps;
    EXPECT_GT(micros, 0);
    const auto moved = static_cast<int64_t>(static_cast<double>(micros) * sleepShare_);
    slept += moved;
    now += moved;
  }

  int64_t now;
  int64_t lastReading = -1;
  int reads = 0;
  int sleeps = 0;
  int64_t slept = 0;

 private:
  int64_t readStep_;
  double sleepShare_;
};

TEST(WaitMs, ZeroAndAboveTenThousandReturnWithoutReadingTheClock) {
  for (unsigned ms : {0u, 10001u, 65535u, UINT_MAX}) {
    FakeClock clock(1'000'000);
    WaitMs(clock, ms);
    EXPECT_EQ(clock.reads, 0) << ms;
    EXPECT_EQ(clock.sleeps, 0) << ms;
    EXPECT_EQ(clock.now, 1'000'000) << ms;
  }
}

TEST(WaitMs, TenThousandWaitsAndIsMostlySlept) {
  FakeClock clock(0);
  WaitMs(clock, 10000);
  EXPECT_GE(clock.lastReading, 10'000'000);
  EXPECT_LE(clock.lastReading, 10'000'000 + 50);
  // Most of the wait was given to the system, not spun on the clock.
  EXPECT_GE(clock.slept, 9'990'000);
  EXPECT_LT(clock.reads, 1000);
}

// The case the old design got wrong at the second's roll-over is plain
// arithmetic on a monotonic clock: starting at 990 ms, 20 ms end at 1010 ms.
TEST(WaitMs, WaitAcrossASecondEndsAtTheFirstReadingPastTheTarget) {
  FakeClock clock(990'000);
  WaitMs(clock, 20);
  EXPECT_GE(clock.lastReading, 1'010'000);
  EXPECT_LE(clock.lastReading, 1'010'000 + 20);
}

TEST(WaitMs, EveryLengthEndsOnTime) {
  for (unsigned ms : {1u, 2u, 3u, 21u, 61u, 101u, 151u, 301u, 999u, 1000u, 1001u, 9999u}) {
    FakeClock clock(123'456);
    WaitMs(clock, ms);
    EXPECT_GE(clock.lastReading, 123'456 + int64_t{ms} * 1000) << ms;
    EXPECT_LE(clock.lastReading, 123'456 + int64_t{ms} * 1000 + 20) << ms;
  }
}

TEST(WaitMs, ShortWaitsAreSpunNotSlept) {
  FakeClock clock(0);
  WaitMs(clock, 1);
  EXPECT_EQ(clock.sleeps, 0);
  EXPECT_GE(clock.lastReading, 1000);
}

TEST(WaitMs, SleepsThatEndEarlyAreMadeUp) {
  FakeClock clock(0, 5, 0.5);
  WaitMs(clock, 500);
  EXPECT_GE(clock.lastReading, 500'000);
  EXPECT_LE(clock.lastReading, 500'000 + 20);
  EXPECT_GT(clock.sleeps, 1);
}

// The old design gave up after 10000 clock readings. With sleep doing
// nothing and a clock that moves 1 us per reading, 20 ms take some 20000
// readings, and the wait still lasts the whole 20 ms.
TEST(WaitMs, HasNoLimitOnClockReadings) {
  FakeClock clock(0, 1, 0.0);
  WaitMs(clock, 20);
  EXPECT_GE(clock.lastReading, 20'000);
  EXPECT_GT(clock.reads, 10000);
}

class SteadyClock : public Clock {
 public:
  int64_t NowMicros() override {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  void SleepMicros(int64_t micros) override {
    std::this_thread::sleep_for(std::chrono::microseconds(micros));
  }
};

TEST(WaitMs, OnTheRealClock) {
  // Measured in the clock's own microseconds, its resolution.
  SteadyClock clock;
  const int64_t start = clock.NowMicros();
  WaitMs(clock, 30);
  const int64_t elapsed = clock.NowMicros() - start;
  EXPECT_GE(elapsed, 30'000);
  EXPECT_LT(elapsed, 500'000);  // generous: shared machines
}

}  // namespace
}  // namespace tonvero
