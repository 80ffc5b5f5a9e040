#include "core/settings/settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace tonvero {
namespace {

void ExpectSameSettings(const Settings& actual, const Settings& expected) {
  EXPECT_EQ(actual.speedPosition, expected.speedPosition);
  EXPECT_EQ(actual.dbBase, expected.dbBase);
  EXPECT_EQ(actual.otherDbBase, expected.otherDbBase);
  EXPECT_EQ(actual.columnWidths, expected.columnWidths);
  EXPECT_EQ(actual.queueOn, expected.queueOn);
  EXPECT_EQ(actual.shooterOn, expected.shooterOn);
  EXPECT_EQ(actual.toneMs, expected.toneMs);
  EXPECT_EQ(actual.silenceMs, expected.silenceMs);
  EXPECT_EQ(actual.modemOn, expected.modemOn);
  EXPECT_EQ(actual.commIndex, expected.commIndex);
  EXPECT_EQ(actual.generatorIndex, expected.generatorIndex);
}

void Put(Bytes& file, size_t offset, std::initializer_list<uint8_t> bytes) {
  for (uint8_t b : bytes) file.at(offset++) = b;
}

void PutText(Bytes& file, size_t offset, const std::string& text) {
  for (char c : text) file.at(offset++) = static_cast<uint8_t>(c);
}

// Values that differ from the defaults and need more than one byte each.
Settings SampleSettings() {
  Settings s;
  s.speedPosition = 7;
  s.dbBase = R"(C:\TV\HOME)";
  s.otherDbBase = R"(D:\CLUB)";
  s.columnWidths = {27, 300, -1, 0x01020304, 55};
  s.queueOn = true;
  s.shooterOn = false;
  s.toneMs = 260;
  s.silenceMs = 40;
  s.modemOn = true;
  s.commIndex = 8;
  s.generatorIndex = 1;
  return s;
}

Bytes SampleFile() {
  Bytes file(555, 0);
  Put(file, 0, {7, 0, 0, 0});
  Put(file, 4, {10});
  PutText(file, 5, R"(C:\TV\HOME)");
  Put(file, 260, {7});
  PutText(file, 261, R"(D:\CLUB)");
  Put(file, 516, {27, 0, 0, 0});
  Put(file, 520, {0x2C, 0x01, 0, 0});
  Put(file, 524, {0xFF, 0xFF, 0xFF, 0xFF});
  Put(file, 528, {0x04, 0x03, 0x02, 0x01});
  Put(file, 532, {55, 0, 0, 0});
  Put(file, 536, {1});
  Put(file, 537, {0});
  Put(file, 538, {0x04, 0x01, 0, 0});
  Put(file, 542, {40, 0, 0, 0});
  Put(file, 546, {1});
  Put(file, 547, {8, 0, 0, 0});
  Put(file, 551, {1, 0, 0, 0});
  return file;
}

TEST(SettingsCodec, EncodesTheFixedByteLayout) {
  EXPECT_EQ(EncodeSettings(SampleSettings()), SampleFile());
}

TEST(SettingsCodec, DecodesTheFixedByteLayout) {
  Settings decoded;
  decoded.dbBase = "previous";
  ASSERT_TRUE(DecodeSettings(SampleFile(), decoded));
  ExpectSameSettings(decoded, SampleSettings());
}

TEST(SettingsCodec, RoundTripsDefaults) {
  Settings original;
  original.dbBase = original.otherDbBase = R"(C:\WORK\Base)";
  const Bytes file = EncodeSettings(original);
  EXPECT_EQ(file.size(), kSettingsFileSize);
  Settings decoded = SampleSettings();
  ASSERT_TRUE(DecodeSettings(file, decoded));
  ExpectSameSettings(decoded, original);
}

TEST(SettingsCodec, LongPathIsStoredAsItsFirst255Characters) {
  Settings original;
  original.dbBase = std::string(299, 'A') + "Z";
  original.otherDbBase = std::string(255, 'B');
  const Bytes file = EncodeSettings(original);
  ASSERT_EQ(file.size(), kSettingsFileSize);
  EXPECT_EQ(file[4], 255);
  EXPECT_EQ(file[260], 255);
  Settings decoded;
  ASSERT_TRUE(DecodeSettings(file, decoded));
  EXPECT_EQ(decoded.dbBase, std::string(255, 'A'));
  EXPECT_EQ(decoded.otherDbBase, std::string(255, 'B'));
}

TEST(SettingsDecode, FileUnderFourBytesChangesNothing) {
  const Settings before = SampleSettings();
  for (size_t size : {0, 1, 3}) {
    Settings settings = before;
    EXPECT_FALSE(DecodeSettings(Bytes(size, 9), settings)) << size;
    ExpectSameSettings(settings, before);
  }
}

TEST(SettingsDecode, ShortFileTakesOnlyTheFieldsItHoldsCompletely) {
  const Settings stored = SampleSettings();
  const Bytes full = EncodeSettings(stored);
  Settings previous;
  previous.dbBase = "OLD";
  previous.otherDbBase = "OLD OTHER";
  previous.queueOn = false;  // a flag read from a width's bytes would set it
  // The fields in file order, each copying the stored value.
  const std::vector<std::function<void(Settings&)>> fields = {
      [&](Settings& s) { s.speedPosition = stored.speedPosition; },
      [&](Settings& s) { s.dbBase = stored.dbBase; },
      [&](Settings& s) { s.otherDbBase = stored.otherDbBase; },
      [&](Settings& s) { s.columnWidths[0] = stored.columnWidths[0]; },
      [&](Settings& s) { s.columnWidths[1] = stored.columnWidths[1]; },
      [&](Settings& s) { s.columnWidths[2] = stored.columnWidths[2]; },
      [&](Settings& s) { s.columnWidths[3] = stored.columnWidths[3]; },
      [&](Settings& s) { s.columnWidths[4] = stored.columnWidths[4]; },
      [&](Settings& s) { s.queueOn = stored.queueOn; },
      [&](Settings& s) { s.shooterOn = stored.shooterOn; },
      [&](Settings& s) { s.toneMs = stored.toneMs; },
      [&](Settings& s) { s.silenceMs = stored.silenceMs; },
      [&](Settings& s) { s.modemOn = stored.modemOn; },
      [&](Settings& s) { s.commIndex = stored.commIndex; },
      [&](Settings& s) { s.generatorIndex = stored.generatorIndex; },
  };
  struct Cut {
    size_t size;
    size_t fieldsTaken;
  };
  const std::vector<Cut> cuts = {
      {4, 1},     // speed only
      {6, 1},     // DBBase's length byte and one character
      {15, 1},    // DBBase's characters complete, padding cut
      {259, 1},   // DBBase one byte short
      {260, 2},   // DBBase complete
      {526, 5},   // inside the third width
      {537, 9},   // QueueOn is the last byte
      {540, 10},  // inside ToneMs
      {551, 14},  // just before GeneratorIndex
      {555, 15},
  };
  for (const Cut& cut : cuts) {
    SCOPED_TRACE(cut.size);
    Settings expected = previous;
    for (size_t i = 0; i < cut.fieldsTaken; ++i) fields[i](expected);
    Settings decoded = previous;
    ASSERT_TRUE(DecodeSettings({full.begin(), full.begin() + cut.size}, decoded));
    ExpectSameSettings(decoded, expected);
  }
}

TEST(SettingsDecode, AnyNonZeroModeByteIsSet) {
  Bytes file = SampleFile();
  file[536] = 7;
  file[537] = 7;
  file[546] = 0x80;
  Settings decoded;
  decoded.queueOn = decoded.shooterOn = decoded.modemOn = false;
  ASSERT_TRUE(DecodeSettings(file, decoded));
  EXPECT_TRUE(decoded.queueOn);
  EXPECT_TRUE(decoded.shooterOn);
  EXPECT_TRUE(decoded.modemOn);

  file[536] = file[537] = file[546] = 0;
  ASSERT_TRUE(DecodeSettings(file, decoded));
  EXPECT_FALSE(decoded.queueOn);
  EXPECT_FALSE(decoded.shooterOn);
  EXPECT_FALSE(decoded.modemOn);
}

TEST(SettingsClamp, BringsStoredValuesIntoRange) {
  Settings s;
  s.speedPosition = 25;
  s.toneMs = 0;
  s.silenceMs = 500;
  s.commIndex = 9;
  s.generatorIndex = 2;
  s.columnWidths = {-1, 2001, 2000, 0, -500};
  ClampSettings(s);
  EXPECT_EQ(s.speedPosition, 10);
  EXPECT_EQ(s.toneMs, 1);
  EXPECT_EQ(s.silenceMs, 300);
  EXPECT_EQ(s.commIndex, 1);
  EXPECT_EQ(s.generatorIndex, 0);
  EXPECT_EQ(s.columnWidths, (std::array<int32_t, kGridColumns>{27, 79, 2000, 0, 55}));

  s.speedPosition = -3;
  s.toneMs = -7;
  s.commIndex = -1;
  s.generatorIndex = -1;
  ClampSettings(s);
  EXPECT_EQ(s.speedPosition, 0);
  EXPECT_EQ(s.toneMs, 1);
  EXPECT_EQ(s.commIndex, 1);
  EXPECT_EQ(s.generatorIndex, 0);
}

TEST(SettingsClamp, KeepsValuesAtTheEdgesOfTheirRanges) {
  Settings s = SampleSettings();
  s.speedPosition = 10;
  s.toneMs = 300;
  s.silenceMs = 1;
  s.commIndex = 0;
  s.generatorIndex = 1;
  s.columnWidths = {0, 2000, 1, 1999, 300};
  const Settings before = s;
  ClampSettings(s);
  ExpectSameSettings(s, before);
  s.commIndex = 8;
  ClampSettings(s);
  EXPECT_EQ(s.commIndex, 8);
}

TEST(SettingsModeIndicator, QueueThenShooterThenModemDecides) {
  Settings s;
  s.queueOn = true;
  s.shooterOn = true;
  s.modemOn = true;
  auto indicator = ModeIndicatorFor(s);
  ASSERT_TRUE(indicator.has_value());
  EXPECT_EQ(indicator->caption, "Fast    Queue    Slow");
  EXPECT_TRUE(indicator->speedBarEnabled);
  EXPECT_EQ(indicator->spokenName, "Queue Mode");

  s.queueOn = false;
  indicator = ModeIndicatorFor(s);
  ASSERT_TRUE(indicator.has_value());
  EXPECT_EQ(indicator->caption, "     Shooter Mode");
  EXPECT_FALSE(indicator->speedBarEnabled);
  EXPECT_EQ(indicator->spokenName, "Shooter Mode");

  s.shooterOn = false;
  indicator = ModeIndicatorFor(s);
  ASSERT_TRUE(indicator.has_value());
  EXPECT_EQ(indicator->caption, "       Modem Mode");
  EXPECT_FALSE(indicator->speedBarEnabled);
  EXPECT_EQ(indicator->spokenName, "Modem Mode");

  s.modemOn = false;
  EXPECT_FALSE(ModeIndicatorFor(s).has_value());
}

// The dialog shows one mode checked: the later of the flags set, although
// queue mode is the one that dials when it is set with another.
TEST(SettingsModeButton, TheLaterFlagSetShows) {
  struct Case {
    bool queue, shooter, modem;
    ModeButton shown;
  };
  const Case cases[] = {
      {false, false, false, ModeButton::kNone},  {true, false, false, ModeButton::kQueue},
      {false, true, false, ModeButton::kShooter}, {false, false, true, ModeButton::kModem},
      {true, true, false, ModeButton::kShooter},  {true, false, true, ModeButton::kModem},
      {false, true, true, ModeButton::kModem},    {true, true, true, ModeButton::kModem},
  };
  for (const Case& c : cases) {
    Settings s;
    s.queueOn = c.queue;
    s.shooterOn = c.shooter;
    s.modemOn = c.modem;
    EXPECT_EQ(CheckedModeButton(s), c.shown) << c.queue << c.shooter << c.modem;
  }
}

}  // namespace
}  // namespace tonvero
