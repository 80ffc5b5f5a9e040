// The tone file reader on any bytes: reading must not fail, and every image
// it accepts, and every sound composed from them, must declare no more bytes
// than it holds, since the sound system reads as far as the image says.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <vector>

#include "core/common/bytes.h"
#include "core/dialer/tone_player.h"
#include "core/dialer/tones.h"

namespace {

using tonvero::Bytes;

[[noreturn]] void Fault(const char* what, uint64_t declared, uint64_t held) {
  std::fprintf(stderr, "%s: declares %llu bytes, holds %llu\n", what,
               static_cast<unsigned long long>(declared), static_cast<unsigned long long>(held));
  std::abort();
}

// A RIFF image of `size` bytes as the sound system walks it: the RIFF chunk
// and the data chunk must both lie inside the image.
void CheckImage(const uint8_t* image, size_t size) {
  if (size < tonvero::kWavHeaderSize) Fault("image shorter than its header", tonvero::kWavHeaderSize, size);
  const uint64_t riffEnd = 8 + static_cast<uint64_t>(tonvero::ReadLe32(image + 4));
  const uint64_t dataEnd = tonvero::kWavHeaderSize + static_cast<uint64_t>(tonvero::ReadLe32(image + 40));
  if (riffEnd > size) Fault("RIFF length", riffEnd, size);
  if (dataEnd > size) Fault("data length", dataEnd, size);
}

// Sound output that knows every buffer the player may hand it (the bank's
// images, the shooter buffer and the queued symbol's buffer) and checks
// each image against the buffer it lies in.
class CheckingSound : public tonvero::SoundOutput {
 public:
  explicit CheckingSound(const tonvero::TonePlayer*& player) : player_(player) {}
  bool HasOutput() override { return true; }
  bool StartLooped(const uint8_t* image) override {
    Check(image);
    return true;
  }
  bool PlayToEnd(const uint8_t* image) override {
    Check(image);
    return true;
  }
  void Stop() override {}

 private:
  void Check(const uint8_t* image) {
    for (const tonvero::ShooterBuffer* composed : {&player_->Shooter(), &player_->QueuedSymbol()}) {
      if (image == composed->Image()) {
        CheckImage(image, tonvero::ShooterBuffer::kSize);
        return;
      }
    }
    for (const Bytes& bank : player_->Bank().images) {
      if (image == bank.data()) {
        CheckImage(image, bank.size());
        return;
      }
    }
    std::fprintf(stderr, "an image from outside the tone bank was played\n");
    std::abort();
  }
  const tonvero::TonePlayer*& player_;
};

// Time passes only when asked to, so waits take no real time.
class InstantClock : public tonvero::Clock {
 public:
  int64_t NowMicros() override { return ++now_; }
  void SleepMicros(int64_t micros) override { now_ += micros; }

 private:
  int64_t now_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes file(data, data + size);
  std::optional<tonvero::ToneBank> bank = tonvero::ParseToneFile(file);
  if (!bank) return 0;
  for (const Bytes& image : bank->images) CheckImage(image.data(), image.size());

  const tonvero::TonePlayer* current = nullptr;
  CheckingSound sound(current);
  InstantClock clock;
  tonvero::TonePlayer player(*bank, sound, clock, nullptr);
  current = &player;
  // Lengths from the file's last bytes, so they vary with the input.
  const int toneMs = size > 0 ? 1 + data[size - 1] % 300 : 50;
  const int silenceMs = size > 1 ? 1 + data[size - 2] % 300 : 40;
  for (int index = 0; index < tonvero::kToneCount; ++index) {
    player.StartTone(index);
    player.PlayQueued(index, index % 11);
    player.ComposeSymbol(index, toneMs, silenceMs);
  }
  player.FlushShooter();
  player.StopSound();
  return 0;
}
