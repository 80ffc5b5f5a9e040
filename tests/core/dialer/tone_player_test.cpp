// The shooter buffer and the tone player, with a recording sound output and
// a fake clock.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/common/bytes.h"
#include "core/dialer/tone_player.h"

namespace tonvero {
namespace {

int32_t DataLengthOf(const uint8_t* image) { return static_cast<int32_t>(ReadLe32(image + 40)); }

// A monotonic clock that moves 10 us per reading and by the whole amount of
// each sleep.
class StepClock : public Clock {
 public:
  int64_t NowMicros() override {
    const int64_t t = now;
    now += 10;
    return t;
  }
  void SleepMicros(int64_t micros) override { now += micros; }
  int64_t now = 5'000'000;
};

struct SoundEvent {
  std::string kind;  // "loop", "play", "stop"
  const uint8_t* image;
  int32_t dataLength;  // of the image at the moment of the call ("play")
  int64_t at;          // clock time of the call
};

class RecordingSound : public SoundOutput {
 public:
  explicit RecordingSound(StepClock& clock) : clock_(clock) {}
  bool HasOutput() override { return hasOutput; }
  bool StartLooped(const uint8_t* image) override {
    events.push_back({"loop", image, 0, clock_.now});
    return plays;
  }
  bool PlayToEnd(const uint8_t* image) override {
    events.push_back({"play", image, DataLengthOf(image), clock_.now});
    return plays;
  }
  void Stop() override { events.push_back({"stop", nullptr, 0, clock_.now}); }
  std::vector<SoundEvent> events;
  bool hasOutput = true;  // a device to play on
  bool plays = true;      // the system takes each image

 private:
  StepClock& clock_;
};

ToneBank GeneratedBank() {
  static const ToneBank bank = *ParseToneFile(BuildToneFile());
  return bank;
}

class ShooterTest : public ::testing::Test {
 protected:
  StepClock clock;
  RecordingSound sound{clock};
  std::vector<std::string> notices;
  TonePlayer player{GeneratedBank(), sound, clock,
                    [this](const std::string& text) { notices.push_back(text); }};

  const uint8_t* Buffer() const { return player.Shooter().Image(); }
  const Bytes& Image(int index) const { return player.Bank().images[index]; }

  // Every header byte but the data length is that of image 1.
  void ExpectHeaderOfImageOne() const {
    for (size_t i = 0; i < kWavHeaderSize; ++i) {
      if (i >= 40 && i < 44) continue;
      EXPECT_EQ(Buffer()[i], Image(1)[i]) << "header byte " << i;
    }
  }
};

TEST_F(ShooterTest, CreatedWithTheHeaderOfImageOneAndNoData) {
  EXPECT_EQ(player.Shooter().DataLength(), 0);
  EXPECT_EQ(DataLengthOf(Buffer()), 0);
  ExpectHeaderOfImageOne();
  EXPECT_EQ(ShooterBuffer::kSize, 65536u);
  EXPECT_EQ(ShooterBuffer::kCapacity, 65492u);
}

TEST_F(ShooterTest, ComposesOneTwoThreeAtDefaultLengths) {
  for (char c : std::string("123")) player.ComposeSymbol(ToneIndexOf(c), 50, 40);
  EXPECT_EQ(player.Shooter().DataLength(), 5940);  // 3 * (1100 + 880)
  EXPECT_TRUE(sound.events.empty());

  // Each symbol: 1100 bytes of its image's samples from byte 44, then 880 of silence.
  for (int s = 0; s < 3; ++s) {
    const uint8_t* at = Buffer() + kWavHeaderSize + s * 1980;
    EXPECT_EQ(std::memcmp(at, Image(s + 1).data() + kWavHeaderSize, 1100), 0) << s;
    for (int k = 1100; k < 1980; ++k) ASSERT_EQ(at[k], 0) << s << " " << k;
  }
  ExpectHeaderOfImageOne();

  player.FlushShooter();
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].kind, "play");
  EXPECT_EQ(sound.events[0].image, Buffer());
  EXPECT_EQ(sound.events[0].dataLength, 5940);
  EXPECT_EQ(player.Shooter().DataLength(), 0);
  ExpectHeaderOfImageOne();
}

TEST_F(ShooterTest, FlushPlaysEvenAnEmptyBuffer) {
  player.FlushShooter();
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].kind, "play");
  EXPECT_EQ(sound.events[0].dataLength, 0);
}

TEST_F(ShooterTest, AtThreeHundredMsTheFifthSilenceFlushes) {
  for (int s = 0; s < 4; ++s) player.ComposeSymbol(s, 300, 300);
  EXPECT_EQ(player.Shooter().DataLength(), 52800);
  player.AppendToShooter(4, 300 * 22);  // the fifth tone still fits
  EXPECT_EQ(player.Shooter().DataLength(), 59400);
  EXPECT_TRUE(sound.events.empty());
  player.AppendToShooter(kSilenceIndex, 300 * 22);  // its silence does not
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].kind, "play");
  EXPECT_EQ(sound.events[0].dataLength, 59400);
  EXPECT_EQ(player.Shooter().DataLength(), 6600);
  for (int k = 0; k < 6600; ++k) ASSERT_EQ(Buffer()[kWavHeaderSize + k], 0) << k;
  EXPECT_TRUE(notices.empty());
  ExpectHeaderOfImageOne();
}

TEST_F(ShooterTest, FiveSymbolsComposedAtThreeHundredMs) {
  for (int s = 0; s < 5; ++s) player.ComposeSymbol(s, 300, 300);
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].dataLength, 59400);
  EXPECT_EQ(player.Shooter().DataLength(), 6600);
}

TEST_F(ShooterTest, ExactlyTheCapacityFitsAndIsPaddedPastTheImage) {
  player.AppendToShooter(1, 65492);
  EXPECT_TRUE(sound.events.empty());
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(player.Shooter().DataLength(), 65492);
  const size_t held = player.Bank().SampleBytes(1);
  ASSERT_LT(held, 65492u);
  EXPECT_EQ(std::memcmp(Buffer() + kWavHeaderSize, Image(1).data() + kWavHeaderSize, held), 0);
  for (size_t k = held; k < 65492; ++k) ASSERT_EQ(Buffer()[kWavHeaderSize + k], 0) << k;

  player.AppendToShooter(2, 1);  // one more byte flushes first
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].dataLength, 65492);
  EXPECT_EQ(player.Shooter().DataLength(), 1);
}

TEST_F(ShooterTest, AnAppendLargerThanTheBufferShowsTheNoticeOnceAndAppendsNothing) {
  player.ComposeSymbol(1, 50, 40);
  player.AppendToShooter(7, 65493);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "There are no Memory Resources for Shooter Mode !");
  // What was composed was played first (step 2), then nothing was appended.
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].dataLength, 1980);
  EXPECT_EQ(player.Shooter().DataLength(), 0);
  ExpectHeaderOfImageOne();

  // A tone of 2977 ms (65494 bytes) is dropped; its silence is still composed.
  notices.clear();
  player.ComposeSymbol(1, 2977, 40);
  EXPECT_EQ(notices.size(), 1u);
  EXPECT_EQ(player.Shooter().DataLength(), 880);
  // 2976 ms (65472 bytes) fits an empty buffer.
  player.FlushShooter();
  notices.clear();
  player.AppendToShooter(1, 2976 * 22);
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(player.Shooter().DataLength(), 65472);
}

TEST_F(ShooterTest, HugeLengthsDoNotOverflow) {
  player.ComposeSymbol(1, 2'000'000'000, 2'000'000'000);
  EXPECT_EQ(notices.size(), 2u);
  EXPECT_EQ(player.Shooter().DataLength(), 0);
  player.AppendToShooter(1, 0x7FFFFFFF);
  EXPECT_EQ(notices.size(), 3u);
  EXPECT_EQ(player.Shooter().DataLength(), 0);
}

TEST_F(ShooterTest, NegativeCountsAndUnknownIndexesAppendNothing) {
  player.ComposeSymbol(1, 50, 40);
  player.AppendToShooter(1, -5);
  player.ComposeSymbol(2, -3, -4);
  player.AppendToShooter(17, 100);
  player.AppendToShooter(-1, 100);
  EXPECT_EQ(player.Shooter().DataLength(), 1980);
  EXPECT_TRUE(sound.events.empty());
  EXPECT_TRUE(notices.empty());
}

// A tone bank whose image 3 is short: the append must copy only what the
// image holds and pad the rest with silence. The image is allocated at its
// exact size, so AddressSanitizer reports any read past it.
TEST(ShooterBuffer, AppendPadsPastAShortImageAndReadsNothingBeyond) {
  ToneBank bank = GeneratedBank();
  Bytes shortImage(kWavHeaderSize + 100);
  std::memcpy(shortImage.data(), bank.images[1].data(), kWavHeaderSize);
  WriteLe32(&shortImage[4], static_cast<uint32_t>(shortImage.size() - 8));
  WriteLe32(&shortImage[40], 100);
  for (int k = 0; k < 100; ++k) shortImage[kWavHeaderSize + k] = static_cast<uint8_t>(k + 1);
  bank.images[3] = shortImage;

  StepClock clock;
  RecordingSound sound(clock);
  TonePlayer player(bank, sound, clock, [](const std::string&) {});
  player.AppendToShooter(3, 500);
  const uint8_t* data = player.Shooter().Image() + kWavHeaderSize;
  EXPECT_EQ(player.Shooter().DataLength(), 500);
  for (int k = 0; k < 100; ++k) ASSERT_EQ(data[k], k + 1) << k;
  for (int k = 100; k < 500; ++k) ASSERT_EQ(data[k], 0) << k;
}

TEST(ShooterBuffer, DeclaredLengthAndHeldBytesBothLimitTheCopy) {
  const Bytes one = GeneratedBank().images[1];
  ShooterBuffer buffer(one);

  // Declares 1000 but holds 100.
  Bytes liar(kWavHeaderSize + 100, 7);
  std::memcpy(liar.data(), one.data(), kWavHeaderSize);
  WriteLe32(&liar[40], 1000);
  buffer.Append(liar, 300);
  // Holds 100 but declares 50.
  Bytes modest(kWavHeaderSize + 100, 9);
  std::memcpy(modest.data(), one.data(), kWavHeaderSize);
  WriteLe32(&modest[40], 50);
  buffer.Append(modest, 300);
  // Shorter than a header, and empty.
  buffer.Append(Bytes(20, 5), 10);
  buffer.Append(Bytes(), 10);

  ASSERT_EQ(buffer.DataLength(), 620);
  const uint8_t* d = buffer.Image() + kWavHeaderSize;
  for (int k = 0; k < 100; ++k) ASSERT_EQ(d[k], 7) << k;
  for (int k = 100; k < 300; ++k) ASSERT_EQ(d[k], 0) << k;
  for (int k = 300; k < 350; ++k) ASSERT_EQ(d[k], 9) << k;
  for (int k = 350; k < 620; ++k) ASSERT_EQ(d[k], 0) << k;

  buffer.Clear();
  EXPECT_EQ(buffer.DataLength(), 0);
  for (size_t i = 0; i < 40; ++i) EXPECT_EQ(buffer.Image()[i], one[i]) << i;
}

TEST(ShooterBuffer, NeverWritesPastItsEnd) {
  const Bytes one = GeneratedBank().images[1];
  ShooterBuffer buffer(one);
  buffer.Append(one, 65000);
  buffer.Append(one, 65000);  // the caller should have checked; clamped
  EXPECT_EQ(buffer.DataLength(), 65492);
}

// The sound system reads as far as the RIFF length says: copied from a first
// key's image longer than the buffer, it is cut to the buffer's own size.
TEST(ShooterBuffer, RiffLengthNeverExceedsTheBuffer) {
  auto riffLength = [](const ShooterBuffer& buffer) { return ReadLe32(buffer.Image() + 4); };
  Bytes longImage = GeneratedBank().images[1];
  longImage.resize(kWavHeaderSize + 70000, 0);
  WriteLe32(&longImage[4], static_cast<uint32_t>(longImage.size() - 8));
  WriteLe32(&longImage[40], 70000);
  ShooterBuffer cut(longImage);
  EXPECT_EQ(riffLength(cut), ShooterBuffer::kSize - 8);
  cut.Append(longImage, 65000);
  EXPECT_EQ(riffLength(cut), ShooterBuffer::kSize - 8);

  const Bytes one = GeneratedBank().images[1];
  ShooterBuffer kept(one);
  EXPECT_EQ(riffLength(kept), one.size() - 8);
}

TEST(ShooterBuffer, AHeaderSourceShorterThanAHeaderIsZeroFilled) {
  ShooterBuffer buffer(Bytes{'R', 'I'});
  EXPECT_EQ(buffer.Image()[0], 'R');
  EXPECT_EQ(buffer.Image()[2], 0);
  EXPECT_EQ(buffer.DataLength(), 0);
  ShooterBuffer empty(Bytes{});
  EXPECT_EQ(empty.DataLength(), 0);
}

// Pads with the silence of the header's format: 0 in 16-bit, 0x80 in 8-bit.
TEST(ShooterBuffer, EightBitSilenceIsTheMiddleStep) {
  Bytes header = GeneratedBank().images[1];
  WriteLe16(&header[34], 8);
  ShooterBuffer buffer(header);
  buffer.Append(Bytes{}, 10);
  for (int k = 0; k < 10; ++k) ASSERT_EQ(buffer.Image()[kWavHeaderSize + k], 0x80) << k;
}

// ---------------------------------------------------------------------------
// No sound output: a dial is stopped by the first sound that cannot be
// played, and asks before it begins; a key says so by its result.

TEST(TonePlayer, SaysWhenNothingCanSound) {
  // what, a device, it plays: StartTone's result and whether a dial goes on.
  const struct { const char* what; bool hasOutput, plays, sounds; } cases[] = {
      {"working output", true, true, true},
      {"no device", false, false, false},
      {"a device that refuses to play", true, false, false},
  };
  auto goesOn = [](auto step) {
    try {
      step();
      return true;
    } catch (const NoSoundOutput& e) {
      EXPECT_NE(std::string(e.what()).find("no working sound output"), std::string::npos);
      return false;
    }
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StepClock clock;
    RecordingSound sound(clock);
    sound.hasOutput = c.hasOutput;
    sound.plays = c.plays;
    TonePlayer player(GeneratedBank(), sound, clock, nullptr);
    EXPECT_EQ(player.StartTone(5), c.sounds);
    EXPECT_EQ(goesOn([&] { player.RequireSound(); }), c.hasOutput);
    EXPECT_EQ(goesOn([&] { player.PlayQueued(5, 2); }), c.sounds);
    player.ComposeSymbol(5, 50, 40);
    EXPECT_EQ(goesOn([&] { player.FlushShooter(); }), c.sounds);
    EXPECT_EQ(player.Shooter().DataLength(), 0);  // nothing left for the next dial
    EXPECT_TRUE(goesOn([&] { player.FlushShooter(); }));  // nothing composed, nothing lost
  }
}

// ---------------------------------------------------------------------------
// Keypad tone and queue mode

TEST_F(ShooterTest, ToneStartStopsThenLoopsTheImage) {
  player.StartTone(7);
  player.StopSound();
  ASSERT_EQ(sound.events.size(), 3u);
  EXPECT_EQ(sound.events[0].kind, "stop");
  EXPECT_EQ(sound.events[1].kind, "loop");
  EXPECT_EQ(sound.events[1].image, Image(7).data());
  EXPECT_EQ(sound.events[2].kind, "stop");
}

TEST_F(ShooterTest, ToneStartOfAnUnknownIndexOnlyStops) {
  player.StartTone(40);
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].kind, "stop");
}

struct QueueCase {
  int position;
  int toneMs;
  int gapMs;
};

class QueueTest : public ShooterTest, public ::testing::WithParamInterface<QueueCase> {};

// Queue mode at P: one image of a lead silence, P*30+1 ms of the key's tone
// and P*10+1 ms of silence, played to its end; no looped sound, no stop, no
// timed wait.
TEST_P(QueueTest, OneImageOfToneThenSilencePlayedToItsEnd) {
  const QueueCase c = GetParam();
  const int64_t before = clock.now;
  player.PlayQueued(5, c.position);
  EXPECT_EQ(clock.now, before);
  ASSERT_EQ(sound.events.size(), 1u);
  EXPECT_EQ(sound.events[0].kind, "play");
  EXPECT_EQ(sound.events[0].image, player.QueuedSymbol().Image());
  const int lead = TonePlayer::kQueueLeadMs * kBytesPerMs;
  const int tone = c.toneMs * kBytesPerMs, gap = c.gapMs * kBytesPerMs;
  ASSERT_EQ(sound.events[0].dataLength, lead + tone + gap);

  const uint8_t* data = player.QueuedSymbol().Image() + kWavHeaderSize;
  const uint8_t* samples = Image(5).data() + kWavHeaderSize;
  for (int k = 0; k < lead; ++k) ASSERT_EQ(data[k], 0) << k;
  for (int k = 0; k < tone; ++k) ASSERT_EQ(data[lead + k], samples[k]) << k;
  for (int k = lead + tone; k < lead + tone + gap; ++k) ASSERT_EQ(data[k], 0) << k;
  for (size_t i = 0; i < 40; ++i) ASSERT_EQ(player.QueuedSymbol().Image()[i], Image(1)[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(TonePlayerSpeedBar, QueueTest,
                         ::testing::Values(QueueCase{2, 61, 21}, QueueCase{0, 1, 1},
                                           QueueCase{5, 151, 51}, QueueCase{10, 301, 101},
                                           QueueCase{12, 301, 101}, QueueCase{-3, 1, 1}));

// Each symbol is composed afresh; the shooter buffer is not touched.
TEST_F(ShooterTest, QueuedSymbolsFollowEachOtherAndLeaveTheShooterAlone) {
  player.ComposeSymbol(1, 50, 40);
  player.PlayQueued(9, 10);
  player.PlayQueued(3, 2);
  ASSERT_EQ(sound.events.size(), 2u);
  const int lead = TonePlayer::kQueueLeadMs;
  EXPECT_EQ(sound.events[0].dataLength, (lead + 301 + 101) * kBytesPerMs);
  EXPECT_EQ(sound.events[1].dataLength, (lead + 61 + 21) * kBytesPerMs);
  EXPECT_EQ(std::memcmp(player.QueuedSymbol().Image() + kWavHeaderSize + lead * kBytesPerMs,
                        Image(3).data() + kWavHeaderSize, 61 * kBytesPerMs),
            0);
  EXPECT_EQ(player.Shooter().DataLength(), 1980);
}

// A tone image shorter than the asked tone is repeated, as a looped sound
// repeats it; an image without samples gives silence.
TEST(QueuedSymbol, AShortImageIsRepeatedToTheWholeToneLength) {
  ToneBank bank = GeneratedBank();
  Bytes shortImage(kWavHeaderSize + 100);
  std::memcpy(shortImage.data(), bank.images[1].data(), kWavHeaderSize);
  WriteLe32(&shortImage[40], 100);
  for (int k = 0; k < 100; ++k) shortImage[kWavHeaderSize + k] = static_cast<uint8_t>(k + 1);
  bank.images[4] = shortImage;
  bank.images[6].resize(kWavHeaderSize);
  WriteLe32(&bank.images[6][40], 0);

  StepClock clock;
  RecordingSound sound(clock);
  TonePlayer player(bank, sound, clock, [](const std::string&) {});
  player.PlayQueued(4, 1);  // 31 ms: 682 bytes of tone
  const int lead = TonePlayer::kQueueLeadMs * kBytesPerMs;
  const int length = lead + (31 + 11) * kBytesPerMs;
  const uint8_t* data = player.QueuedSymbol().Image() + kWavHeaderSize;
  ASSERT_EQ(player.QueuedSymbol().DataLength(), length);
  for (int k = 0; k < 682; ++k) ASSERT_EQ(data[lead + k], k % 100 + 1) << k;
  for (int k = lead + 682; k < length; ++k) ASSERT_EQ(data[k], 0) << k;

  player.PlayQueued(6, 1);
  for (int k = 0; k < length; ++k) ASSERT_EQ(data[k], 0) << k;
}

}  // namespace
}  // namespace tonvero
