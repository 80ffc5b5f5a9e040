// The shooter buffer and the tone player: keypad tones, queue-mode playing
// and shooter-mode composing.
#include "core/dialer/tone_player.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace tonvero {

namespace {

constexpr size_t kRiffLengthOffset = 4;
constexpr size_t kDataLengthOffset = 40;
constexpr size_t kBitsPerSampleOffset = 34;

bool ValidIndex(int index) { return index >= 0 && index < kToneCount; }

// A count of sample bytes from milliseconds, never negative, never above INT_MAX.
int MsToBytes(int ms) {
  const int64_t bytes = static_cast<int64_t>(std::max(ms, 0)) * kBytesPerMs;
  return static_cast<int>(std::min<int64_t>(bytes, INT_MAX));
}

}  // namespace

// ---------------------------------------------------------------------------
// ShooterBuffer

ShooterBuffer::ShooterBuffer(const Bytes& headerSource) : bytes_(kSize, 0) {
  const size_t header = std::min(headerSource.size(), kWavHeaderSize);
  if (header > 0) std::memcpy(bytes_.data(), headerSource.data(), header);
  SetDataLength(0);
  // The sound system reads as far as the RIFF length says; the one copied
  // from a first key's image longer than this buffer is cut to the buffer.
  uint8_t* riff = bytes_.data() + kRiffLengthOffset;
  const uint32_t copied = static_cast<uint32_t>(riff[0]) | static_cast<uint32_t>(riff[1]) << 8 |
                          static_cast<uint32_t>(riff[2]) << 16 | static_cast<uint32_t>(riff[3]) << 24;
  const uint32_t most = static_cast<uint32_t>(kSize - 8);
  if (copied > most) {
    for (size_t i = 0; i < 4; ++i) riff[i] = static_cast<uint8_t>(most >> (8 * i));
  }
}

int32_t ShooterBuffer::DataLength() const {
  const uint8_t* p = bytes_.data() + kDataLengthOffset;
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

void ShooterBuffer::SetDataLength(int32_t length) {
  const auto v = static_cast<uint32_t>(length);
  for (size_t i = 0; i < 4; ++i) bytes_[kDataLengthOffset + i] = static_cast<uint8_t>(v >> (8 * i));
}

void ShooterBuffer::Append(const Bytes& image, size_t count) {
  // The caller checks the room; this only makes sure nothing is written past
  // the buffer whatever it is asked.
  const size_t length = std::min(static_cast<size_t>(std::max<int32_t>(DataLength(), 0)), kCapacity);
  count = std::min(count, kCapacity - length);
  uint8_t* to = bytes_.data() + kWavHeaderSize + length;

  // Copy only the samples the image really holds; the rest is silence
  // (0x80 for 8-bit unsigned PCM, 0 for the signed wider formats).
  const size_t copied = std::min(count, ImageSampleBytes(image));
  if (copied > 0) std::memcpy(to, image.data() + kWavHeaderSize, copied);
  const uint8_t silence = bytes_[kBitsPerSampleOffset] == 8 ? 0x80 : 0x00;
  std::memset(to + copied, silence, count - copied);

  SetDataLength(static_cast<int32_t>(length + count));
}

void ShooterBuffer::Clear() { SetDataLength(0); }

// ---------------------------------------------------------------------------
// TonePlayer

TonePlayer::TonePlayer(ToneBank bank, SoundOutput& sound, Clock& clock, Notice notice)
    : bank_(std::move(bank)),
      shooter_(bank_.images[1]),
      sound_(sound),
      clock_(clock),
      notice_(std::move(notice)) {}

void TonePlayer::StartTone(int index) {
  sound_.Stop();
  if (ValidIndex(index) && !bank_.images[static_cast<size_t>(index)].empty()) {
    sound_.StartLooped(bank_.images[static_cast<size_t>(index)].data());
  }
}

void TonePlayer::StopSound() { sound_.Stop(); }

void TonePlayer::PlayQueued(int index, int speedPosition) {
  if (!ValidIndex(index) || bank_.images[static_cast<size_t>(index)].empty()) return;
  // The speed bar runs 0..10; anything else is held to that range.
  const unsigned p = static_cast<unsigned>(std::clamp(speedPosition, 0, 10));
  sound_.StartLooped(bank_.images[static_cast<size_t>(index)].data());
  WaitMs(clock_, p * 30 + 1);
  sound_.Stop();
  WaitMs(clock_, p * 10 + 1);
}

void TonePlayer::ComposeSymbol(int index, int toneMs, int silenceMs) {
  AppendToShooter(index, MsToBytes(toneMs));
  AppendToShooter(kSilenceIndex, MsToBytes(silenceMs));
}

void TonePlayer::AppendToShooter(int index, int count) {
  if (!ValidIndex(index)) return;
  const int64_t bytes = std::max(count, 0);
  auto fits = [&] {
    return static_cast<int64_t>(shooter_.DataLength()) + bytes <=
           static_cast<int64_t>(ShooterBuffer::kCapacity);
  };
  if (!fits()) FlushShooter();
  if (!fits()) {
    if (notice_) notice_("There are no Memory Resources for Shooter Mode !");
    return;
  }
  shooter_.Append(bank_.images[static_cast<size_t>(index)], static_cast<size_t>(bytes));
}

void TonePlayer::FlushShooter() {
  sound_.PlayToEnd(shooter_.Image());
  shooter_.Clear();
}

}  // namespace tonvero
