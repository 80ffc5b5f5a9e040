#include "win32/settings/settings_file.h"

#include "core/app/io_error.h"
#include "win32/files/files.h"

namespace tonvero {

std::optional<Settings> SettingsFile::Load(const Settings& current) {
  std::optional<Bytes> file;
  try {
    file = ReadFileIfPresent(path_);
  } catch (const IoError&) {
    unread_ = true;
    throw;
  }
  if (!file) {
    try {
      ReplaceFileContents(path_, EncodeSettings(current));
    } catch (const IoError&) {
      // A full disk, say: the program runs on the defaults and says nothing.
    }
    return std::nullopt;
  }
  Settings stored = current;
  if (!DecodeSettings(*file, stored)) return std::nullopt;
  ClampSettings(stored);
  return stored;
}

// A file that cannot be made or taken over (read-only, held by another
// program) is given up in silence, as one that cannot be created; a write
// that fails on the way (a full disk) is reported.
void SettingsFile::Save(const Settings& settings) const {
  if (unread_) return;
  try {
    ReplaceFileContents(path_, EncodeSettings(settings));
  } catch (const IoError& failure) {
    if (!failure.IsReadOnlyPlace() && failure.SystemError() != kSharingViolation) throw;
  }
}

void KeptSettings::Start(const std::string& folder, const std::string& dbBase) {
  file_ = std::make_unique<SettingsFile>(folder);
  values_ = Settings{};
  values_.dbBase = values_.otherDbBase = dbBase;
  Show();
}

void KeptSettings::Load() {
  const std::optional<Settings> stored = file_->Load(WithViews());
  if (!stored) return;
  values_ = *stored;
  Show();
}

void KeptSettings::Save() const { file_->Save(WithViews()); }

void KeptSettings::TakeDialingModes(const Settings& chosen) {
  values_.queueOn = chosen.queueOn;
  values_.shooterOn = chosen.shooterOn;
  values_.modemOn = chosen.modemOn;
  values_.toneMs = chosen.toneMs;
  values_.silenceMs = chosen.silenceMs;
  values_.commIndex = chosen.commIndex;
  values_.generatorIndex = chosen.generatorIndex;
}

Settings KeptSettings::WithViews() const {
  Settings current = values_;
  for (const SettingsView* view : views_) view->ReadSettings(current);
  return current;
}

void KeptSettings::Show() {
  for (SettingsView* view : views_) view->ShowSettings(values_);
}

}  // namespace tonvero
