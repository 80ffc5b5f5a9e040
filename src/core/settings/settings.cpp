#include "core/settings/settings.h"

#include <algorithm>

#include "core/settings/spin_value.h"

namespace tonvero {

namespace {

constexpr size_t kStoredPathField = 1 + kStoredPathLength;
constexpr int32_t kMaxSpeedPosition = 10;
constexpr int32_t kPortCount = 9;       // "COM1" .. "COM9"
constexpr int32_t kMethodCount = 2;     // "Touch Tone", "Pulse"
constexpr int32_t kMaxColumnWidth = 2000;

void PutInt32(Bytes& out, int32_t value) { AppendLe32(out, static_cast<uint32_t>(value)); }

void PutFlag(Bytes& out, bool value) { out.push_back(value ? 1 : 0); }

// One length byte, the characters, then zeros up to the field's fixed size.
void PutPath(Bytes& out, const std::string& path) {
  const size_t length = std::min(path.size(), kStoredPathLength);
  out.push_back(static_cast<uint8_t>(length));
  out.insert(out.end(), path.begin(), path.begin() + length);
  out.insert(out.end(), kStoredPathLength - length, 0);
}

// Reads the fields in file order. A field the file does not hold completely
// is left as it was, and so is every field after it.
class FieldReader {
 public:
  explicit FieldReader(const Bytes& file) : file_(file) {}

  void ReadInt32(int32_t& value) {
    const uint8_t* bytes = Next(4);
    if (bytes) value = static_cast<int32_t>(ReadLe32(bytes));
  }

  void ReadFlag(bool& value) {
    const uint8_t* bytes = Next(1);
    if (bytes) value = bytes[0] != 0;
  }

  void ReadPath(std::string& value) {
    const uint8_t* bytes = Next(kStoredPathField);
    if (bytes) value.assign(bytes + 1, bytes + 1 + bytes[0]);
  }

 private:
  const uint8_t* Next(size_t size) {
    if (file_.size() - offset_ < size) {
      offset_ = file_.size();
      return nullptr;
    }
    const uint8_t* field = file_.data() + offset_;
    offset_ += size;
    return field;
  }

  const Bytes& file_;
  size_t offset_ = 0;
};

}  // namespace

Bytes EncodeSettings(const Settings& settings) {
  Bytes file;
  file.reserve(kSettingsFileSize);
  PutInt32(file, settings.speedPosition);
  PutPath(file, settings.dbBase);
  PutPath(file, settings.otherDbBase);
  for (int32_t width : settings.columnWidths) PutInt32(file, width);
  PutFlag(file, settings.queueOn);
  PutFlag(file, settings.shooterOn);
  PutInt32(file, settings.toneMs);
  PutInt32(file, settings.silenceMs);
  PutFlag(file, settings.modemOn);
  PutInt32(file, settings.commIndex);
  PutInt32(file, settings.generatorIndex);
  return file;
}

bool DecodeSettings(const Bytes& file, Settings& settings) {
  if (file.size() < 4) return false;
  FieldReader reader(file);
  reader.ReadInt32(settings.speedPosition);
  reader.ReadPath(settings.dbBase);
  reader.ReadPath(settings.otherDbBase);
  for (int32_t& width : settings.columnWidths) reader.ReadInt32(width);
  reader.ReadFlag(settings.queueOn);
  reader.ReadFlag(settings.shooterOn);
  reader.ReadInt32(settings.toneMs);
  reader.ReadInt32(settings.silenceMs);
  reader.ReadFlag(settings.modemOn);
  reader.ReadInt32(settings.commIndex);
  reader.ReadInt32(settings.generatorIndex);
  return true;
}

void ClampSettings(Settings& settings) {
  const Settings defaults;
  settings.speedPosition = std::clamp(settings.speedPosition, 0, kMaxSpeedPosition);
  settings.toneMs = ClampSpinValue(settings.toneMs);
  settings.silenceMs = ClampSpinValue(settings.silenceMs);
  // Port and method are row indexes into fixed lists: an unknown row falls
  // back to the default choice rather than to the nearest one.
  if (settings.commIndex < 0 || settings.commIndex >= kPortCount) {
    settings.commIndex = defaults.commIndex;
  }
  if (settings.generatorIndex < 0 || settings.generatorIndex >= kMethodCount) {
    settings.generatorIndex = defaults.generatorIndex;
  }
  for (int column = 0; column < kGridColumns; ++column) {
    int32_t& width = settings.columnWidths[column];
    if (width < 0 || width > kMaxColumnWidth) width = defaults.columnWidths[column];
  }
}

std::optional<ModeIndicator> ModeIndicatorFor(const Settings& settings) {
  if (settings.queueOn) return ModeIndicator{"Fast    Queue    Slow", true, "Queue Mode"};
  if (settings.shooterOn) return ModeIndicator{"     Shooter Mode", false, "Shooter Mode"};
  if (settings.modemOn) return ModeIndicator{"       Modem Mode", false, "Modem Mode"};
  return std::nullopt;
}

ModeButton CheckedModeButton(const Settings& settings) {
  if (settings.modemOn) return ModeButton::kModem;
  if (settings.shooterOn) return ModeButton::kShooter;
  if (settings.queueOn) return ModeButton::kQueue;
  return ModeButton::kNone;
}

}  // namespace tonvero
