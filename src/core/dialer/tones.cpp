// The tone bank: parsing the tone file, and the generator that writes it.
#include "core/dialer/tones.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tonvero {

namespace {

// PCM format of every image: 11000 Hz, 16-bit signed, mono: 22 bytes per
// ms, and silence is zero, as the sound system pads a sound's end.
constexpr int kSampleRate = kBytesPerMs * 1000 / 2;  // 11000
constexpr int kSampleBytes = 2;
// The PCM format in a canonical header: tag, channels, rate, byte rate,
// block align and bits per sample.
constexpr size_t kFormatStart = 20, kFormatEnd = 36;

// Loop-length search window, in samples: from 1000 ms to about 1180 ms.
constexpr int kLoopSearchMin = kSampleRate;
constexpr int kLoopSearchMax = 13000;

// Levels: the high tone 1.5 dB above the low ("twist"); together they peak
// at about 28000 of the 32767 steps either side of zero, so nothing clips.
constexpr double kLowAmplitude = 12800.0;
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

// The PCM format fields of a canonical header (offsets 20..35).
void WriteFormat(uint8_t* b, uint32_t rate, uint16_t bits) {
  const uint16_t align = bits / 8;
  WriteLe16(&b[20], 1);             // PCM
  WriteLe16(&b[22], 1);             // mono
  WriteLe32(&b[24], rate);          // samples per second
  WriteLe32(&b[28], rate * align);  // bytes per second
  WriteLe16(&b[32], align);         // block align
  WriteLe16(&b[34], bits);          // bits per sample
}

// A canonical 44-byte RIFF/WAVE header for `samples` samples of 16-bit mono
// PCM, followed by room for them (filled with silence).
Bytes WavImage(int samples) {
  const size_t bytes = static_cast<size_t>(samples) * kSampleBytes;
  Bytes b(kWavHeaderSize + bytes, 0);
  std::memcpy(&b[0], "RIFF", 4);
  WriteLe32(&b[4], static_cast<uint32_t>(b.size() - 8));
  std::memcpy(&b[8], "WAVE", 4);
  std::memcpy(&b[12], "fmt ", 4);
  WriteLe32(&b[16], 16);           // fmt chunk length
  WriteFormat(b.data(), kSampleRate, 16);
  std::memcpy(&b[36], "data", 4);
  WriteLe32(&b[40], static_cast<uint32_t>(bytes));
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
  WidenEightBitBank(bank);
  return bank;
}

bool WidenEightBitBank(ToneBank& bank) {
  Bytes eightBit(kFormatEnd, 0);
  WriteFormat(eightBit.data(), kBytesPerMs * 1000, 8);
  for (const Bytes& image : bank.images) {
    if (image.size() < kWavHeaderSize ||
        !std::equal(image.begin() + kFormatStart, image.begin() + kFormatEnd, eightBit.begin() + kFormatStart) ||
        ReadLe32(image.data() + 40) % 2 != 0) {
      return false;
    }
  }
  for (Bytes& image : bank.images) {
    WriteFormat(image.data(), kSampleRate, 16);
    const size_t pairs = ImageSampleBytes(image) / 2;
    uint8_t* samples = image.data() + kWavHeaderSize;
    for (size_t k = 0; k < pairs; ++k) {
      // The mean of the pair, centred on zero, in 16-bit steps: exact.
      const int level = (samples[2 * k] + samples[2 * k + 1] - 256) * 128;
      WriteLe16(samples + 2 * k, static_cast<uint16_t>(static_cast<int16_t>(level)));
    }
  }
  return true;
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
    const long level = std::clamp(std::lround(value), -32767L, 32767L);
    WriteLe16(&image[kWavHeaderSize + static_cast<size_t>(n) * kSampleBytes],
              static_cast<uint16_t>(static_cast<int16_t>(level)));
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
