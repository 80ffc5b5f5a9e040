#pragma once
// The tone bank and the shooter buffer together with the sound output: the
// keypad tone, queue-mode playing and shooter-mode composing of one symbol.
#include <functional>
#include <stdexcept>
#include <string>

#include "core/dialer/clock.h"
#include "core/dialer/sound.h"
#include "core/dialer/tones.h"

namespace tonvero {

// One WAV image of 65536 bytes: the header of tone image 1 and up to 65492
// composed sample bytes. Only the data length at offset 40 changes. It holds
// the shooter-mode sound, and the one symbol that queue mode plays.
class ShooterBuffer {
 public:
  static constexpr size_t kSize = 0x10000;
  static constexpr size_t kCapacity = kSize - kWavHeaderSize;  // 65492

  explicit ShooterBuffer(const Bytes& headerSource);
  int32_t DataLength() const;
  const uint8_t* Image() const { return bytes_.data(); }
  // Copies `count` sample bytes of `image` after what is composed; past the
  // image's own samples it pads with silence. The caller checks the room.
  void Append(const Bytes& image, size_t count);
  // As Append, but past the image's own samples it starts them again, as the
  // image played looped would sound.
  void AppendLooped(const Bytes& image, size_t count);
  void Clear();

 private:
  void SetDataLength(int32_t length);
  // Room for `count` more sample bytes, held to what is left.
  size_t Room(size_t count) const;
  uint8_t* End();
  uint8_t SilenceByte() const;
  Bytes bytes_;
};

// A dial in queue or shooter mode ends with this when nothing can sound.
class NoSoundOutput : public std::runtime_error {
 public:
  NoSoundOutput();
};

class TonePlayer {
 public:
  using Notice = std::function<void(const std::string&)>;
  // Starting a sound can swallow its first milliseconds (about 15 under Wine
  // with PulseAudio); a silence ahead of each queued tone takes that loss,
  // so the tone itself is heard whole.
  static constexpr int kQueueLeadMs = 30;

  TonePlayer(ToneBank bank, SoundOutput& sound, Clock& clock, Notice notice);

  // The keypad: stop what plays, start the symbol's tone looped. False
  // when nothing can sound.
  bool StartTone(int index);
  void StopSound();
  // Throws NoSoundOutput when the system has no sound output: a dial asks
  // before it begins, so that nothing is shown as dialed.
  void RequireSound();
  // Queue mode, one symbol: one image of a short lead silence, the tone for
  // P*30+1 ms and a silence of P*10+1 ms, played to its end. The tone is as
  // long as asked whatever the sound system takes to start a sound: that
  // only lengthens the gap before it. Throws NoSoundOutput when it could
  // not be played.
  void PlayQueued(int index, int speedPosition);
  // Shooter mode, one symbol: toneMs of its tone, then silenceMs of silence.
  void ComposeSymbol(int index, int toneMs, int silenceMs);
  void AppendToShooter(int index, int count);
  // Plays the composed sound to its end (even when empty) and empties it;
  // throws NoSoundOutput when a composed sound could not be played.
  void FlushShooter();
  void Wait(unsigned ms) { WaitMs(clock_, ms); }

  const ShooterBuffer& Shooter() const { return shooter_; }
  const ShooterBuffer& QueuedSymbol() const { return queued_; }
  const ToneBank& Bank() const { return bank_; }

 private:
  ToneBank bank_;
  ShooterBuffer shooter_;
  ShooterBuffer queued_;
  SoundOutput& sound_;
  Clock& clock_;
  Notice notice_;
};

}  // namespace tonvero
