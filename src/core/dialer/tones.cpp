// The tone bank: parsing the tone file, and the generator that writes it.
#include "core/dialer/tones.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tonvero {

namespace {

// PCM format of every image: 22000 Hz, 8-bit unsigned, mono.
constexpr int kSampleRate = kBytesPerMs * 1000;  // 22000
constexpr uint8_t kSilenceByte = 0x80;
// The PCM format in a canonical header: tag, channels, rate, byte rate,
// block align and bits per sample.
constexpr size_t kFormatStart = 20, kFormatEnd = 36;

// Loop-length search window, in samples: from 1000 ms to about 1180 ms.
constexpr int kLoopSearchMin = kSampleRate;
constexpr int kLoopSearchMax = 26000;

// Levels: the high tone 1.5 dB above the low ("twist"); together they peak
// at about 110 of the 127 steps either side of 128, so nothing clips.
constexpr double kLowAmplitude = 50.0;
constexpr double kTwistDb = 1.5;

// DTMF frequencies in whole hertz, as the standard gives them.
constexpr int kLowHz[4] = {697, 770, 852, 941};
constexpr int kHighHz[4] = {1209, 1336, 1477, 1633};

// Row and column of each tone index 0..15 on the keypad
// 1 2 3 A / 4 5 6 B / 7 8 9 C / * 0 # D.
constexpr int kRow[16] = {3, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 0, 1, 2, 3};
constexpr int kColumn[16] = {1, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 2, 3, 3, 3, 3};

bool HasTag(const Bytes& b, size_t at, const char* tag) {
  return std::memcmp(b.data() + at, tag, 4) == 0;
}

// Distance of f*length/rate from the nearest whole number of cycles, in
// units of 1/kSampleRate cycle. Exact: every DTMF frequency is whole hertz.
int PhaseResidual(int hz, int length) {
  const int64_t r = (static_cast<int64_t>(hz) * length) % kSampleRate;
  return static_cast<int>(std::min<int64_t>(r, kSampleRate - r));
}

// The loop length of a key: the length in the search window where the worse
// of its two sines ends closest to a whole number of cycles (the shortest
// such length on a tie), so the sample after the last would equal the first.
int LoopLength(int lowHz, int highHz) {
  int best = kLoopSearchMin;
  int bestResidual = kSampleRate;
  for (int length = kLoopSearchMin; length <= kLoopSearchMax; ++length) {
    const int residual = std::max(PhaseResidual(lowHz, length), PhaseResidual(highHz, length));
    if (residual < bestResidual) {
      best = length;
      bestResidual = residual;
    }
  }
  return best;
}

int SilenceLength() {
  int longest = 0;
  for (int i = 0; i < 16; ++i) {
    longest = std::max(longest, LoopLength(kLowHz[kRow[i]], kHighHz[kColumn[i]]));
  }
  return longest;
}

// A canonical 44-byte RIFF/WAVE header for `samples` bytes of 8-bit mono PCM,
// followed by room for the samples (filled with silence).
Bytes WavImage(int samples) {
  Bytes b(kWavHeaderSize + static_cast<size_t>(samples), kSilenceByte);
  std::memcpy(&b[0], "RIFF", 4);
  WriteLe32(&b[4], static_cast<uint32_t>(b.size() - 8));
  std::memcpy(&b[8], "WAVE", 4);
  std::memcpy(&b[12], "fmt ", 4);
  WriteLe32(&b[16], 16);           // fmt chunk length
  WriteLe16(&b[20], 1);            // PCM
  WriteLe16(&b[22], 1);            // mono
  WriteLe32(&b[24], kSampleRate);  // samples per second
  WriteLe32(&b[28], kSampleRate);  // bytes per second
  WriteLe16(&b[32], 1);            // block align
  WriteLe16(&b[34], 8);            // bits per sample
  std::memcpy(&b[36], "data", 4);
  WriteLe32(&b[40], static_cast<uint32_t>(samples));
  return b;
}

}  // namespace

int ToneIndexOf(char symbol) {
  if (symbol >= '0' && symbol <= '9') return symbol - '0';
  if (symbol == '*') return 10;
  if (symbol == '#') return 11;
  if (symbol >= 'A' && symbol <= 'D') return 12 + (symbol - 'A');
  return -1;
}

size_t ImageSampleBytes(const Bytes& image) {
  if (image.size() < kWavHeaderSize) return 0;
  const int32_t declared = static_cast<int32_t>(ReadLe32(image.data() + 40));
  if (declared <= 0) return 0;
  return std::min(image.size() - kWavHeaderSize, static_cast<size_t>(declared));
}

size_t ToneBank::SampleBytes(int index) const {
  if (index < 0 || index >= kToneCount) return 0;
  return ImageSampleBytes(images[static_cast<size_t>(index)]);
}

std::optional<ToneBank> ParseToneFile(const Bytes& file) {
  ToneBank bank;
  size_t at = 0;
  for (int i = 0; i < kToneCount; ++i) {
    if (file.size() - at < 4) return std::nullopt;
    const int32_t length = static_cast<int32_t>(ReadLe32(file.data() + at));
    at += 4;
    if (length < static_cast<int32_t>(kWavHeaderSize)) return std::nullopt;
    if (static_cast<size_t>(length) > file.size() - at) return std::nullopt;
    Bytes image(file.begin() + static_cast<std::ptrdiff_t>(at),
                file.begin() + static_cast<std::ptrdiff_t>(at + static_cast<size_t>(length)));
    at += static_cast<size_t>(length);
    if (!HasTag(image, 0, "RIFF") || !HasTag(image, 8, "WAVE") || !HasTag(image, 12, "fmt ") ||
        !HasTag(image, 36, "data")) {
      return std::nullopt;
    }
    if (ReadLe32(image.data() + 16) != 16 || ReadLe16(image.data() + 20) != 1) {
      return std::nullopt;  // not a canonical PCM format chunk
    }
    // The sound system reads as far as the RIFF and data lengths say.
    const size_t held = image.size();
    if (ReadLe32(image.data() + 4) > held - 8 || ReadLe32(image.data() + 40) > held - kWavHeaderSize) {
      return std::nullopt;
    }
    // The shooter plays every image's samples under the first one's header.
    if (i > 0 && !std::equal(image.begin() + kFormatStart, image.begin() + kFormatEnd,
                             bank.images[0].begin() + kFormatStart)) {
      return std::nullopt;
    }
    bank.images[static_cast<size_t>(i)] = std::move(image);
  }
  return bank;
}

DtmfPair DtmfFrequencies(int index) {
  if (index < 0 || index >= 16) return {0.0, 0.0};
  return {static_cast<double>(kLowHz[kRow[index]]), static_cast<double>(kHighHz[kColumn[index]])};
}

Bytes BuildToneImage(int index) {
  if (index < 0 || index >= kToneCount) return {};
  if (index == kSilenceIndex) return WavImage(SilenceLength());

  const int lowHz = kLowHz[kRow[index]];
  const int highHz = kHighHz[kColumn[index]];
  const int samples = LoopLength(lowHz, highHz);
  const double highAmplitude = kLowAmplitude * std::pow(10.0, kTwistDb / 20.0);
  const double step = 2.0 * std::numbers::pi / kSampleRate;

  Bytes image = WavImage(samples);
  for (int n = 0; n < samples; ++n) {
    // The phase of sample n in 1/kSampleRate cycles, reduced exactly, so the
    // sine is at the exact frequency and no rounding drift builds up.
    const int64_t lowPhase = (static_cast<int64_t>(lowHz) * n) % kSampleRate;
    const int64_t highPhase = (static_cast<int64_t>(highHz) * n) % kSampleRate;
    const double value = kLowAmplitude * std::sin(step * static_cast<double>(lowPhase)) +
                         highAmplitude * std::sin(step * static_cast<double>(highPhase));
    const long level = 128 + std::lround(value);
    image[kWavHeaderSize + static_cast<size_t>(n)] = static_cast<uint8_t>(std::clamp(level, 0L, 255L));
  }
  return image;
}

Bytes BuildToneFile() {
  Bytes file;
  for (int i = 0; i < kToneCount; ++i) {
    const Bytes image = BuildToneImage(i);
    AppendLe32(file, static_cast<uint32_t>(image.size()));
    file.insert(file.end(), image.begin(), image.end());
  }
  return file;
}

}  // namespace tonvero
