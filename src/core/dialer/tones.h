#pragma once
// The tone bank: seventeen WAV images (DTMF keys 0-9, *, #, A-D, and silence)
// read once from the tone file "one.wav", and the generator that writes that file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/common/bytes.h"

namespace tonvero {

constexpr int kToneCount = 17;
constexpr int kSilenceIndex = 16;
constexpr int kBytesPerMs = 22;        // every image: 11000 Hz, 16-bit, mono
constexpr size_t kWavHeaderSize = 44;  // canonical RIFF/WAVE header
constexpr size_t kMinSampleBytes = 6600;  // 300 ms, the longest shooter cut

// Tone index of a keypad symbol: "0".."9" -> 0..9, "*" 10, "#" 11,
// "A".."D" 12..15; -1 for any other character.
int ToneIndexOf(char symbol);

// Sample bytes a WAV image really holds past its 44-byte header: the smaller
// of the bytes present and its data-chunk length (offset 40); 0 for an image
// shorter than the header or with a negative data length.
size_t ImageSampleBytes(const Bytes& image);

struct ToneBank {
  std::array<Bytes, kToneCount> images;
  // Sample bytes an image really holds past its header (ImageSampleBytes);
  // 0 for an index outside 0..16.
  size_t SampleBytes(int index) const;
};

// Reads the tone file's bytes: 17 records of a 4-byte little-endian length
// and a WAV image. Returns nothing when the file is truncated, an image is
// not a canonical RIFF/WAVE image, declares (RIFF or data length) more bytes
// than it holds, or has another PCM format than the first image, so a
// damaged file is treated as missing. A file of 8-bit images at 22000 Hz
// (the earlier format) comes back as 16-bit images at 11000 Hz of the same
// sizes (WidenEightBitBank).
std::optional<ToneBank> ParseToneFile(const Bytes& file);

// Turns a bank of 8-bit mono images at 22000 Hz into 16-bit mono at 11000
// Hz, each pair of samples into one, so every byte count and the 22 bytes
// per millisecond stay. The sound system pads the end of a sound with zero
// bytes, which in unsigned 8-bit samples is a click at full scale; in 16-bit
// it is silence. A bank in any other format, or with an image of an odd
// data length, is left as it is. True when it was turned.
bool WidenEightBitBank(ToneBank& bank);

// The generator: one canonical WAV image per tone index (empty for an index
// outside 0..16), and the whole file.
Bytes BuildToneImage(int index);
Bytes BuildToneFile();

// The standard DTMF pair of a tone index 0..15 (low, high), in Hz;
// {0, 0} for silence (16) and any other index.
struct DtmfPair {
  double low;
  double high;
};
DtmfPair DtmfFrequencies(int index);

}  // namespace tonvero
