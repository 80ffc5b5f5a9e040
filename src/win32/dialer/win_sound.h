#pragma once
// The sound card and the clock as the dialer sees them on Windows.
#include "core/dialer/clock.h"
#include "core/dialer/sound.h"

namespace tonvero {

// PlaySoundA from memory: looped and asynchronous, synchronous, and purge.
// An asynchronous PlaySoundA succeeds before it finds no device, so the
// devices are counted.
class WinSoundOutput : public SoundOutput {
 public:
  bool HasOutput() override;
  bool StartLooped(const uint8_t* image) override;
  bool PlayToEnd(const uint8_t* image) override;
  void Stop() override;
  // Plays an image once in the background. Played at start-up with silence,
  // it opens the sound device, so that the first tone dialed is not cut short
  // by the time that takes.
  void OpenDevice(const uint8_t* silence);
};

// QueryPerformanceCounter for readings; Sleep with a 1 ms timer resolution.
class WinClock : public Clock {
 public:
  WinClock();
  ~WinClock() override;
  int64_t NowMicros() override;
  void SleepMicros(int64_t micros) override;

 private:
  int64_t frequency_;
};

}  // namespace tonvero
