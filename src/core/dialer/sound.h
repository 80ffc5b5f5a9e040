#pragma once
// What the dialer needs of the sound card: play a WAV image from memory,
// looped and at once, or to its end; and stop all sound.
#include <cstdint>

namespace tonvero {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // False when the system has no sound output to play on.
  virtual bool HasOutput() = 0;
  // Each false when the system could not play the image.
  virtual bool StartLooped(const uint8_t* image) = 0;
  virtual bool PlayToEnd(const uint8_t* image) = 0;
  virtual void Stop() = 0;
};

}  // namespace tonvero
