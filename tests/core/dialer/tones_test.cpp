// The tone generator and the tone-file parser.
//
// The generator's images are measured here as a receiver would: the
// frequency of each DTMF component found by a Goertzel scan of its band, the
// level difference between the two, the sample range, and the loop seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "core/common/bytes.h"
#include "core/dialer/tones.h"

namespace tonvero {
namespace {

constexpr double kRate = 11000.0;
const char kSymbols[] = "0123456789*#ABCD";

// Samples of a 16-bit image.
std::vector<double> Samples(const Bytes& image) {
  std::vector<double> x;
  for (size_t i = kWavHeaderSize; i + 1 < image.size(); i += 2) {
    x.push_back(static_cast<int16_t>(ReadLe16(&image[i])));
  }
  return x;
}

std::vector<double> Hann(const std::vector<double>& x, size_t count) {
  std::vector<double> w(count);
  for (size_t n = 0; n < count; ++n) {
    w[n] = x[n] * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / (count - 1)));
  }
  return w;
}

// Goertzel: magnitude of the DTFT of x at frequency hz (any real frequency).
double Goertzel(const std::vector<double>& x, double hz) {
  const double coeff = 2.0 * std::cos(2.0 * std::numbers::pi * hz / kRate);
  double s1 = 0, s2 = 0;
  for (double v : x) {
    const double s0 = v + coeff * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coeff * s1 * s2));
}

struct Peak {
  double hz;
  double amplitude;  // of the sine, in sample steps
};

// The strongest component between lo and hi Hz: a coarse scan of the first
// 200 ms in 2 Hz steps, a fine scan of the whole Hann-windowed image in
// 0.05 Hz steps around it, and a parabola through the top three points (in
// dB), which puts the peak to a few thousandths of a hertz.
Peak FindPeak(const std::vector<double>& x, double lo, double hi) {
  const std::vector<double> shortW = Hann(x, std::min<size_t>(x.size(), 2200));
  double coarse = lo, best = -1;
  for (double f = lo; f <= hi; f += 2.0) {
    const double m = Goertzel(shortW, f);
    if (m > best) best = m, coarse = f;
  }
  const std::vector<double> fullW = Hann(x, x.size());
  const double step = 0.05;
  std::vector<double> grid, mags;
  for (double f = coarse - 4.0; f <= coarse + 4.0 + 1e-9; f += step) {
    grid.push_back(f);
    mags.push_back(Goertzel(fullW, f));
  }
  const size_t k = static_cast<size_t>(std::max_element(mags.begin(), mags.end()) - mags.begin());
  double hz = grid[k];
  if (k > 0 && k + 1 < grid.size()) {
    const double a = 20 * std::log10(mags[k - 1]), b = 20 * std::log10(mags[k]),
                 c = 20 * std::log10(mags[k + 1]);
    const double denom = a - 2 * b + c;
    if (denom != 0) hz += step * 0.5 * (a - c) / denom;
  }
  double windowSum = 0;
  for (size_t n = 0; n < x.size(); ++n) {
    windowSum += 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / (x.size() - 1));
  }
  return {hz, 2.0 * Goertzel(fullW, hz) / windowSum};
}

// Least-squares fit of DC + two sines of known frequency to x[from..to), and
// the fitted value at sample n: the "next sample" a continuing tone would have.
double FitAndExtrapolate(const std::vector<double>& x, size_t from, size_t to, double f1,
                         double f2, double n) {
  auto basis = [&](double t, double* out) {
    const double w1 = 2 * std::numbers::pi * f1 / kRate, w2 = 2 * std::numbers::pi * f2 / kRate;
    out[0] = 1;
    out[1] = std::cos(w1 * t);
    out[2] = std::sin(w1 * t);
    out[3] = std::cos(w2 * t);
    out[4] = std::sin(w2 * t);
  };
  double a[5][6] = {};
  for (size_t i = from; i < to; ++i) {
    double b[5];
    basis(static_cast<double>(i), b);
    for (int r = 0; r < 5; ++r) {
      for (int c = 0; c < 5; ++c) a[r][c] += b[r] * b[c];
      a[r][5] += b[r] * x[i];
    }
  }
  for (int p = 0; p < 5; ++p) {  // Gauss-Jordan with partial pivoting
    int piv = p;
    for (int r = p + 1; r < 5; ++r) {
      if (std::fabs(a[r][p]) > std::fabs(a[piv][p])) piv = r;
    }
    std::swap(a[p], a[piv]);
    for (int r = 0; r < 5; ++r) {
      if (r == p) continue;
      const double m = a[r][p] / a[p][p];
      for (int c = p; c < 6; ++c) a[r][c] -= m * a[p][c];
    }
  }
  double b[5];
  basis(n, b);
  double y = 0;
  for (int r = 0; r < 5; ++r) y += b[r] * a[r][5] / a[r][r];
  return y;
}

// ---------------------------------------------------------------------------
// Keys and frequencies

TEST(ToneIndex, KeypadSymbols) {
  for (int i = 0; i < 16; ++i) EXPECT_EQ(ToneIndexOf(kSymbols[i]), i) << kSymbols[i];
  for (char c : std::string("aEP,-@ (S")) EXPECT_EQ(ToneIndexOf(c), -1) << c;
  EXPECT_EQ(ToneIndexOf('\0'), -1);
}

TEST(ToneIndex, DtmfPairsFollowTheKeypad) {
  // Rows 1 2 3 A / 4 5 6 B / 7 8 9 C / * 0 # D.
  const char* rows[4] = {"123A", "456B", "789C", "*0#D"};
  const double low[4] = {697, 770, 852, 941}, high[4] = {1209, 1336, 1477, 1633};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const DtmfPair p = DtmfFrequencies(ToneIndexOf(rows[r][c]));
      EXPECT_EQ(p.low, low[r]) << rows[r][c];
      EXPECT_EQ(p.high, high[c]) << rows[r][c];
    }
  }
  EXPECT_EQ(DtmfFrequencies(16).low, 0);
  EXPECT_EQ(DtmfFrequencies(-1).high, 0);
}

// ---------------------------------------------------------------------------
// The generated images

TEST(ToneGenerator, HeadersAreCanonical16BitMono11000) {
  for (int i = 0; i < kToneCount; ++i) {
    SCOPED_TRACE(i);
    const Bytes img = BuildToneImage(i);
    ASSERT_GE(img.size(), kWavHeaderSize + kMinSampleBytes);
    EXPECT_EQ(std::memcmp(&img[0], "RIFF", 4), 0);
    EXPECT_EQ(ReadLe32(&img[4]), img.size() - 8);
    EXPECT_EQ(std::memcmp(&img[8], "WAVE", 4), 0);
    EXPECT_EQ(std::memcmp(&img[12], "fmt ", 4), 0);
    EXPECT_EQ(ReadLe32(&img[16]), 16u);
    EXPECT_EQ(ReadLe16(&img[20]), 1);       // PCM
    EXPECT_EQ(ReadLe16(&img[22]), 1);       // mono
    EXPECT_EQ(ReadLe32(&img[24]), 11000u);  // samples per second
    EXPECT_EQ(ReadLe32(&img[28]), 22000u);  // bytes per second: 22 per ms
    EXPECT_EQ(ReadLe16(&img[32]), 2);       // block align
    EXPECT_EQ(ReadLe16(&img[34]), 16);      // bits per sample
    EXPECT_EQ(std::memcmp(&img[36], "data", 4), 0);
    EXPECT_EQ(ReadLe32(&img[40]), img.size() - kWavHeaderSize);
  }
  EXPECT_TRUE(BuildToneImage(17).empty());
  EXPECT_TRUE(BuildToneImage(-1).empty());
}

TEST(ToneGenerator, AtLeastOneSecondOfSamples) {
  for (int i = 0; i < kToneCount; ++i) {
    const size_t samples = BuildToneImage(i).size() - kWavHeaderSize;
    EXPECT_GE(samples, 22000u) << i;
    EXPECT_GE(samples, kMinSampleBytes) << i;
  }
}

TEST(ToneGenerator, Deterministic) {
  EXPECT_EQ(BuildToneFile(), BuildToneFile());
  EXPECT_EQ(BuildToneImage(5), BuildToneImage(5));
}

TEST(ToneGenerator, SilenceIsDigitalSilenceOfTheSameLength) {
  const Bytes silence = BuildToneImage(kSilenceIndex);
  EXPECT_EQ(silence.size(), BuildToneImage(1).size());
  for (size_t i = kWavHeaderSize; i < silence.size(); ++i) ASSERT_EQ(silence[i], 0) << i;
}

TEST(ToneGenerator, NoClippingWithHeadroom) {
  for (int i = 0; i < 16; ++i) {
    const std::vector<double> x = Samples(BuildToneImage(i));
    const auto [lo, hi] = std::minmax_element(x.begin(), x.end());
    EXPECT_GE(*lo, -30000) << kSymbols[i];
    EXPECT_LE(*hi, 30000) << kSymbols[i];
    // The tone is loud enough to dial: peaks well away from the centre.
    EXPECT_LE(*lo, -24000) << kSymbols[i];
    EXPECT_GE(*hi, 24000) << kSymbols[i];
  }
}

// Measured frequency of each component, its error against the standard, and
// the level difference ("twist") of high over low. Prints a table.
TEST(ToneGenerator, FrequenciesWithinPointOnePercentAndHighToneLouder) {
  std::ostringstream table;
  table << "\nkey  low Hz  measured    error %     high Hz  measured    error %     high-low dB\n";
  double worst = 0;
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE(kSymbols[i]);
    const std::vector<double> x = Samples(BuildToneImage(i));
    const DtmfPair want = DtmfFrequencies(i);
    const Peak low = FindPeak(x, 600, 1100);
    const Peak high = FindPeak(x, 1100, 1800);
    const double lowErr = 100.0 * (low.hz - want.low) / want.low;
    const double highErr = 100.0 * (high.hz - want.high) / want.high;
    const double twist = 20.0 * std::log10(high.amplitude / low.amplitude);
    EXPECT_LT(std::fabs(lowErr), 0.1);
    EXPECT_LT(std::fabs(highErr), 0.1);
    EXPECT_GE(twist, 1.0);
    EXPECT_LE(twist, 2.0);
    worst = std::max({worst, std::fabs(lowErr), std::fabs(highErr)});
    char line[160];
    std::snprintf(line, sizeof line, " %c   %6.0f  %9.4f  %+9.5f    %6.0f  %9.4f  %+9.5f    %5.2f\n",
                  kSymbols[i], want.low, low.hz, lowErr, want.high, high.hz, highErr, twist);
    table << line;
  }
  table << "worst |error| " << worst << " %\n";
  std::cout << table.str();
  RecordProperty("WorstFrequencyErrorPercent", std::to_string(worst));
}

// The loop length of every image and the residual phase of each sine at the
// loop point. Every DTMF frequency is a whole number of hertz, so at 11000
// samples per second a loop of exactly one second (11000 samples) holds a
// whole number of cycles of both sines: the generator's search (11000 ..
// 13000 samples) stops at its first candidate with zero residual, and no
// frequency had to be moved to make the loop close.
TEST(ToneGenerator, LoopLengthsAndResidualPhase) {
  std::ostringstream table;
  table << "\nkey  samples  ms       low residual (cycles)  high residual (cycles)\n";
  for (int i = 0; i < 16; ++i) {
    const size_t length = (BuildToneImage(i).size() - kWavHeaderSize) / 2;
    const DtmfPair f = DtmfFrequencies(i);
    auto residual = [&](double hz) {
      const double cycles = hz * static_cast<double>(length) / kRate;
      return cycles - std::round(cycles);
    };
    EXPECT_EQ(length, 11000u) << kSymbols[i];
    EXPECT_LT(std::fabs(residual(f.low)), 0.01) << kSymbols[i];
    EXPECT_LT(std::fabs(residual(f.high)), 0.01) << kSymbols[i];
    char line[120];
    std::snprintf(line, sizeof line, " %c   %6zu   %7.2f  %+.6f               %+.6f\n", kSymbols[i],
                  length, length / 11.0, residual(f.low), residual(f.high));
    table << line;
  }
  std::cout << table.str();
}

// Played looped, the sample after the last is sample 0. It must be where the
// tone would have gone on: (a) a least-squares fit of the two sines to the
// last 100 ms, extrapolated one sample on, lands within a step of sample 0
// (and likewise for sample 1); (b) the four-term recurrence that two pure
// sines obey predicts the samples across the seam no worse than anywhere
// inside the image.
TEST(ToneGenerator, LoopSeamHasNoClick) {
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE(kSymbols[i]);
    const std::vector<double> x = Samples(BuildToneImage(i));
    const size_t n = x.size();
    const DtmfPair f = DtmfFrequencies(i);

    const double next = FitAndExtrapolate(x, n - 1100, n, f.low, f.high, static_cast<double>(n));
    const double after = FitAndExtrapolate(x, n - 1100, n, f.low, f.high, static_cast<double>(n + 1));
    EXPECT_NEAR(next, x[0], 1.0);
    EXPECT_NEAR(after, x[1], 1.0);

    const double a = 2 * std::cos(2 * std::numbers::pi * f.low / kRate);
    const double b = 2 * std::cos(2 * std::numbers::pi * f.high / kRate);
    auto at = [&](long k) { return x[static_cast<size_t>((k % static_cast<long>(n) + n) % n)]; };
    auto residual = [&](long k) {
      const double predicted =
          (a + b) * at(k - 1) - (2 + a * b) * at(k - 2) + (a + b) * at(k - 3) - at(k - 4);
      return std::fabs(at(k) - predicted);
    };
    double inside = 0;
    for (long k = 4; k < static_cast<long>(n); ++k) inside = std::max(inside, residual(k));
    double seam = 0;
    for (long k = 0; k < 4; ++k) seam = std::max(seam, residual(k));
    EXPECT_LE(seam, inside);
  }
}

// ---------------------------------------------------------------------------
// The tone file

Bytes Record(const Bytes& image) {
  Bytes r(4 + image.size());
  WriteLe32(&r[0], static_cast<uint32_t>(image.size()));
  std::copy(image.begin(), image.end(), r.begin() + 4);
  return r;
}

// Offset of record `index` in a file made of the generator's images.
size_t RecordOffset(const Bytes& file, int index) {
  size_t at = 0;
  for (int i = 0; i < index; ++i) at += 4 + ReadLe32(&file[at]);
  return at;
}

TEST(ToneFile, RoundTripOfTheGeneratedFile) {
  const Bytes file = BuildToneFile();
  size_t expected = 0;
  for (int i = 0; i < kToneCount; ++i) expected += 4 + BuildToneImage(i).size();
  EXPECT_EQ(file.size(), expected);

  const auto bank = ParseToneFile(file);
  ASSERT_TRUE(bank.has_value());
  for (int i = 0; i < kToneCount; ++i) {
    EXPECT_EQ(bank->images[i], BuildToneImage(i)) << i;
    EXPECT_EQ(bank->SampleBytes(i), BuildToneImage(i).size() - kWavHeaderSize) << i;
  }
  EXPECT_EQ(bank->SampleBytes(17), 0u);
  EXPECT_EQ(bank->SampleBytes(-1), 0u);
}

TEST(ToneFile, ExtraBytesAfterTheLastRecordAreIgnored) {
  Bytes file = BuildToneFile();
  file.insert(file.end(), {1, 2, 3, 4, 5});
  const auto bank = ParseToneFile(file);
  ASSERT_TRUE(bank.has_value());
  EXPECT_EQ(bank->images[16], BuildToneImage(16));
}

TEST(ToneFile, TruncatedFilesAreRejected) {
  const Bytes file = BuildToneFile();
  EXPECT_FALSE(ParseToneFile({}).has_value());
  // Cut inside a length field.
  const size_t seventh = RecordOffset(file, 7);
  EXPECT_FALSE(ParseToneFile(Bytes(file.begin(), file.begin() + seventh + 2)).has_value());
  // Cut inside an image.
  EXPECT_FALSE(ParseToneFile(Bytes(file.begin(), file.begin() + seventh + 4 + 100)).has_value());
  EXPECT_FALSE(ParseToneFile(Bytes(file.begin(), file.end() - 1)).has_value());
  // Only sixteen whole records.
  EXPECT_FALSE(ParseToneFile(Bytes(file.begin(), file.begin() + RecordOffset(file, 16))).has_value());
}

TEST(ToneFile, BadLengthsAreRejected) {
  const Bytes file = BuildToneFile();
  const size_t fifth = RecordOffset(file, 5);
  for (uint32_t bad : {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, 0u, 43u}) {
    Bytes f = file;
    WriteLe32(&f[fifth], bad);
    EXPECT_FALSE(ParseToneFile(f).has_value()) << bad;
  }
}

TEST(ToneFile, ImagesThatAreNotCanonicalWavAreRejected) {
  const Bytes file = BuildToneFile();
  const size_t image = RecordOffset(file, 3) + 4;
  for (size_t at : {0u, 8u, 12u, 36u}) {  // "RIFF", "WAVE", "fmt ", "data"
    Bytes f = file;
    f[image + at] ^= 0x20;
    EXPECT_FALSE(ParseToneFile(f).has_value()) << at;
  }
  Bytes notPcm = file;
  notPcm[image + 20] = 3;  // IEEE float
  EXPECT_FALSE(ParseToneFile(notPcm).has_value());

  // A whole file of small non-WAV images of the right count.
  Bytes junk;
  for (int i = 0; i < kToneCount; ++i) {
    const Bytes r = Record(Bytes(100, 'x'));
    junk.insert(junk.end(), r.begin(), r.end());
  }
  EXPECT_FALSE(ParseToneFile(junk).has_value());
}

TEST(ToneFile, SampleBytesIsTheSmallerOfHeldAndDeclared) {
  Bytes img = BuildToneImage(1);
  img.resize(kWavHeaderSize + 500);  // holds 500, declares 22000
  EXPECT_EQ(ImageSampleBytes(img), 500u);
  WriteLe32(&img[40], 300);  // holds 500, declares 300
  EXPECT_EQ(ImageSampleBytes(img), 300u);
  WriteLe32(&img[40], 0xFFFFFFF0u);  // negative
  EXPECT_EQ(ImageSampleBytes(img), 0u);
  EXPECT_EQ(ImageSampleBytes(Bytes(20, 0)), 0u);
}

// Tone files of the earlier format, 8-bit at 22000 Hz, are read as 16-bit at
// 11000 Hz, each pair of samples their exact mean, every length kept; an
// 8-bit file that cannot be turned so is read as it is.
Bytes EightBitImage(const Bytes& samples, uint32_t rate, uint32_t declared) {
  Bytes b = BuildToneImage(kSilenceIndex);
  b.resize(kWavHeaderSize);
  WriteLe32(&b[24], rate);
  WriteLe32(&b[28], rate);
  WriteLe16(&b[32], 1);
  WriteLe16(&b[34], 8);
  b.insert(b.end(), samples.begin(), samples.end());
  WriteLe32(&b[4], static_cast<uint32_t>(b.size() - 8));
  WriteLe32(&b[40], declared);
  return b;
}

TEST(ToneFile, EightBitFilesAreWidenedWhereExact) {
  const Bytes samples = {0x80, 0x80, 0xFF, 0xFF, 0x00, 0x00, 0x80, 0x82, 0x10, 0x20};
  const struct { const char* what; uint32_t rate, declared; bool widened; } cases[] = {
      {"22000 Hz", 22000, 10, true},
      {"22000 Hz, odd data length", 22000, 9, false},
      {"11025 Hz", 11025, 10, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Bytes image = EightBitImage(samples, c.rate, c.declared);
    Bytes file;
    for (int i = 0; i < kToneCount; ++i) {
      const Bytes r = Record(image);
      file.insert(file.end(), r.begin(), r.end());
    }
    const auto bank = ParseToneFile(file);
    ASSERT_TRUE(bank.has_value());
    const Bytes& got = bank->images[5];
    ASSERT_EQ(got.size(), image.size());
    if (!c.widened) {
      EXPECT_EQ(got, image);
      continue;
    }
    // The generator's format (16-bit, 11000 Hz, mono), the data length kept.
    EXPECT_TRUE(std::equal(got.begin() + 20, got.begin() + 36, BuildToneImage(1).begin() + 20));
    EXPECT_EQ(ReadLe32(&got[40]), 10u);
    EXPECT_EQ(Samples(got), (std::vector<double>{0, 32512, -32768, 256, -26624}));
  }
}

// A file of the generator's images with image `index` changed by `change`.
Bytes FileWithChangedImage(int index, void (*change)(Bytes&)) {
  Bytes file;
  for (int i = 0; i < kToneCount; ++i) {
    Bytes image = BuildToneImage(i);
    if (i == index) change(image);
    const Bytes r = Record(image);
    file.insert(file.end(), r.begin(), r.end());
  }
  return file;
}

struct ImageCase {
  const char* what;
  int index;
  void (*change)(Bytes&);
  bool accepted;
};

// The sound system reads an image as far as its RIFF and data lengths say,
// and the shooter copies every image's samples under the first one's
// header: an image must hold what it declares, in the first image's format.
const ImageCase kImageCases[] = {
    {"cut short with honest lengths", 9,
     [](Bytes& b) {
       b.resize(kWavHeaderSize + 1000);
       WriteLe32(&b[4], static_cast<uint32_t>(b.size() - 8));
       WriteLe32(&b[40], 1000);
     },
     true},
    {"bytes past the declared lengths", 4, [](Bytes& b) { b.resize(b.size() + 10, 0); }, true},
    {"RIFF length one byte too long", 9,
     [](Bytes& b) { WriteLe32(&b[4], static_cast<uint32_t>(b.size() - 8 + 1)); }, false},
    {"RIFF length huge", 0, [](Bytes& b) { WriteLe32(&b[4], 0xFFFFFFFFu); }, false},
    {"data length one byte too long", 9,
     [](Bytes& b) { WriteLe32(&b[40], static_cast<uint32_t>(b.size() - kWavHeaderSize + 1)); }, false},
    {"data length negative", 16, [](Bytes& b) { WriteLe32(&b[40], 0xFFFFFFF0u); }, false},
    {"cut short, lengths of the whole image", 9, [](Bytes& b) { b.resize(kWavHeaderSize + 1000); },
     false},
    {"8-bit samples", 7,
     [](Bytes& b) {
       WriteLe16(&b[34], 8);
       WriteLe16(&b[32], 1);
       WriteLe32(&b[24], 22000);
     },
     false},
    {"two channels", 12, [](Bytes& b) { WriteLe16(&b[22], 2); }, false},
    {"another sample rate", 16, [](Bytes& b) { WriteLe32(&b[24], 11025); }, false},
    {"first image differs from the rest", 0, [](Bytes& b) { WriteLe32(&b[28], 22001); }, false},
};

TEST(ToneFile, ImagesMustHoldWhatTheyDeclareInOneFormat) {
  for (const ImageCase& c : kImageCases) {
    const auto bank = ParseToneFile(FileWithChangedImage(c.index, c.change));
    EXPECT_EQ(bank.has_value(), c.accepted) << c.what;
  }
}

}  // namespace
}  // namespace tonvero
