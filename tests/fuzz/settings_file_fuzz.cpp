// The settings file reader on any bytes: reading and clamping must not fail,
// every value must come out inside its range, and what is then written must
// read back as the same settings.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/settings/settings.h"

namespace {

using tonvero::Settings;

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

bool Same(const Settings& a, const Settings& b) {
  return a.speedPosition == b.speedPosition && a.dbBase == b.dbBase && a.otherDbBase == b.otherDbBase &&
         a.columnWidths == b.columnWidths && a.queueOn == b.queueOn && a.shooterOn == b.shooterOn &&
         a.toneMs == b.toneMs && a.silenceMs == b.silenceMs && a.modemOn == b.modemOn &&
         a.commIndex == b.commIndex && a.generatorIndex == b.generatorIndex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const tonvero::Bytes file(data, data + size);
  Settings settings;
  Require(tonvero::DecodeSettings(file, settings) == (size >= 4), "a file of 4 bytes or more is read");
  tonvero::ClampSettings(settings);

  Require(settings.speedPosition >= 0 && settings.speedPosition <= 10, "speed position in 0..10");
  Require(settings.toneMs >= 1 && settings.toneMs <= 300, "tone length in 1..300");
  Require(settings.silenceMs >= 1 && settings.silenceMs <= 300, "silence length in 1..300");
  Require(settings.commIndex >= 0 && settings.commIndex <= 8, "port in 0..8");
  Require(settings.generatorIndex >= 0 && settings.generatorIndex <= 1, "method in 0..1");
  for (int32_t width : settings.columnWidths) Require(width >= 0 && width <= 2000, "column width in 0..2000");
  Require(settings.dbBase.size() <= tonvero::kStoredPathLength, "base path fits its field");
  Require(settings.otherDbBase.size() <= tonvero::kStoredPathLength, "other base path fits its field");

  Settings clampedTwice = settings;
  tonvero::ClampSettings(clampedTwice);
  Require(Same(clampedTwice, settings), "clamping twice changes nothing more");

  const tonvero::Bytes written = tonvero::EncodeSettings(settings);
  Require(written.size() == tonvero::kSettingsFileSize, "the written file has its fixed size");
  Settings readBack;
  Require(tonvero::DecodeSettings(written, readBack), "the written file is read");
  Require(Same(readBack, settings), "the written file reads back as the same settings");

  (void)tonvero::ModeIndicatorFor(settings);
  return 0;
}
