// The shooter buffer and the tone player: keypad tones, queue-mode playing
// and shooter-mode composing.
#include "core/dialer/tone_player.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

#include "core/common/bytes.h"

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
  const uint32_t most = static_cast<uint32_t>(kSize - 8);
  if (ReadLe32(riff) > most) WriteLe32(riff, most);
}

int32_t ShooterBuffer::DataLength() const {
  return static_cast<int32_t>(ReadLe32(bytes_.data() + kDataLengthOffset));
}

void ShooterBuffer::SetDataLength(int32_t length) {
  WriteLe32(bytes_.data() + kDataLengthOffset, static_cast<uint32_t>(length));
}

// The data length only ever changes here, so it stays within 0..kCapacity.
size_t ShooterBuffer::Room(size_t count) const {
  return std::min(count, kCapacity - static_cast<size_t>(DataLength()));
}

uint8_t* ShooterBuffer::End() {
  return bytes_.data() + kWavHeaderSize + static_cast<size_t>(DataLength());
}

// 0x80 for 8-bit unsigned PCM, 0 for the signed wider formats.
uint8_t ShooterBuffer::SilenceByte() const { return bytes_[kBitsPerSampleOffset] == 8 ? 0x80 : 0x00; }

void ShooterBuffer::Append(const Bytes& image, size_t count) {
  // The caller checks the room; this only makes sure nothing is written past
  // the buffer whatever it is asked.
  count = Room(count);
  uint8_t* to = End();
  // Copy only the samples the image really holds; the rest is silence.
  const size_t copied = std::min(count, ImageSampleBytes(image));
  if (copied > 0) std::memcpy(to, image.data() + kWavHeaderSize, copied);
  std::memset(to + copied, SilenceByte(), count - copied);
  SetDataLength(DataLength() + static_cast<int32_t>(count));
}

void ShooterBuffer::AppendLooped(const Bytes& image, size_t count) {
  count = Room(count);
  const size_t held = ImageSampleBytes(image);
  if (held == 0) {
    Append(image, count);
    return;
  }
  uint8_t* to = End();
  for (size_t done = 0; done < count;) {
    const size_t piece = std::min(held, count - done);
    std::memcpy(to + done, image.data() + kWavHeaderSize, piece);
    done += piece;
  }
  SetDataLength(DataLength() + static_cast<int32_t>(count));
}

void ShooterBuffer::Clear() { SetDataLength(0); }

// ---------------------------------------------------------------------------
// TonePlayer

NoSoundOutput::NoSoundOutput()
    : std::runtime_error(
          "The tones cannot be played because this computer has no working sound output. "
          "Modem mode needs none.") {}

TonePlayer::TonePlayer(ToneBank bank, SoundOutput& sound, Clock& clock, Notice notice)
    : bank_(std::move(bank)),
      shooter_(bank_.images[1]),
      queued_(bank_.images[1]),
      sound_(sound),
      clock_(clock),
      notice_(std::move(notice)) {}

bool TonePlayer::StartTone(int index) {
  sound_.Stop();
  if (!sound_.HasOutput()) return false;
  if (ValidIndex(index) && !bank_.images[static_cast<size_t>(index)].empty()) {
    return sound_.StartLooped(bank_.images[static_cast<size_t>(index)].data());
  }
  return true;
}

void TonePlayer::StopSound() { sound_.Stop(); }

void TonePlayer::RequireSound() {
  if (!sound_.HasOutput()) throw NoSoundOutput();
}

void TonePlayer::PlayQueued(int index, int speedPosition) {
  if (!ValidIndex(index) || bank_.images[static_cast<size_t>(index)].empty()) return;
  // The speed bar runs 0..10; anything else is held to that range.
  const int p = std::clamp(speedPosition, 0, 10);
  queued_.Clear();
  queued_.Append(bank_.images[kSilenceIndex], static_cast<size_t>(MsToBytes(kQueueLeadMs)));
  queued_.AppendLooped(bank_.images[static_cast<size_t>(index)], static_cast<size_t>(MsToBytes(p * 30 + 1)));
  queued_.Append(bank_.images[kSilenceIndex], static_cast<size_t>(MsToBytes(p * 10 + 1)));
  if (!sound_.PlayToEnd(queued_.Image())) throw NoSoundOutput();
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
  const bool played = sound_.PlayToEnd(shooter_.Image());
  const bool composed = shooter_.DataLength() > 0;
  shooter_.Clear();
  // An empty sound is played only to keep the order of events; a system
  // that declines it has lost nothing.
  if (!played && composed) throw NoSoundOutput();
}

}  // namespace tonvero
