#pragma once
// The user's choices kept between runs in "tv.cn3": 555 bytes of packed
// little-endian fields with no header.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/common/bytes.h"
#include "core/phonelist/grid_look.h"

namespace tonvero {

constexpr size_t kSettingsFileSize = 555;
constexpr size_t kStoredPathLength = 255;

struct Settings {
  int32_t speedPosition = 2;  // the speed bar, 0..10
  std::string dbBase;
  std::string otherDbBase;
  ColumnWidths columnWidths = kDefaultColumnWidths;  // at 96 DPI
  bool queueOn = true;
  bool shooterOn = false;
  int32_t toneMs = 50;
  int32_t silenceMs = 40;
  bool modemOn = false;
  int32_t commIndex = 1;       // "COM2"
  int32_t generatorIndex = 0;  // "Touch Tone"
};

Bytes EncodeSettings(const Settings& settings);

// Takes the stored values over `settings`. A file under 4 bytes gives false
// and changes nothing; a file that ends early leaves every field past its
// end as it was. Values come back as stored: see ClampSettings.
bool DecodeSettings(const Bytes& file, Settings& settings);

// Brings stored values back into their ranges before anything uses them:
// speed 0..10 and lengths 1..300 by clamping; a port outside 0..8, a method
// outside 0..1 or a column width outside 0..2000 by its default.
void ClampSettings(Settings& settings);

// The mode indicator above the speed bar; nothing when no mode is set
// (the indicator then stays as it is).
struct ModeIndicator {
  std::string caption;
  bool speedBarEnabled;
  std::string spokenName;  // what a screen reader says for it: the mode's name
};
std::optional<ModeIndicator> ModeIndicatorFor(const Settings& settings);

// The mode button the dialog shows checked. The buttons are set from the
// flags in the order queue, shooter, modem, and checking one clears the
// others, so of two flags set the later one shows.
enum class ModeButton { kNone, kQueue, kShooter, kModem };
ModeButton CheckedModeButton(const Settings& settings);

}  // namespace tonvero
