#pragma once
// What the dialer needs of the sound card: play a WAV image from memory,
// looped and at once, or to its end; and stop all sound.
#include <cstdint>

namespace tonvero {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void StartLooped(const uint8_t* image) = 0;
  virtual void PlayToEnd(const uint8_t* image) = 0;
  virtual void Stop() = 0;
};

}  // namespace tonvero
