#pragma once
// The settings file tv.cn3 in the program's folder: read at start-up,
// written when the program closes. A file that is there but cannot be read
// is never written over, also not when the program closes.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/settings.h"

namespace tonvero {

class SettingsFile {
 public:
  // `folder` ends with a path separator.
  explicit SettingsFile(const std::string& folder) : path_(folder + "tv.cn3") {}

  // The stored settings, read over `current` and clamped; nothing when the
  // file is missing (it is then created with `current`, quietly left out
  // when that fails) or holds nothing usable. Throws IoError when the file
  // is there but cannot be read.
  std::optional<Settings> Load(const Settings& current);
  void Save(const Settings& settings) const;

 private:
  std::string path_;
  bool unread_ = false;  // there but unreadable: leave it as it is
};

// A panel whose controls show part of the settings: the dialer its speed
// and mode, the phone list its column widths.
class SettingsView {
 public:
  virtual ~SettingsView() = default;
  virtual void ShowSettings(const Settings& settings) = 0;
  // What the controls hold now, into `settings`.
  virtual void ReadSettings(Settings& settings) const = 0;
};

// The settings of a run, owned here once. Panels read them through
// Values() and report their changes; what lives in their controls (the
// speed, the column widths) the views show and give back.
class KeptSettings {
 public:
  explicit KeptSettings(std::vector<SettingsView*> views) : views_(std::move(views)) {}
  const Settings& Values() const { return values_; }

  // The defaults, with `dbBase` as the current and the other database,
  // shown; the settings file is the one in `folder`.
  void Start(const std::string& folder, const std::string& dbBase);
  // Takes what the settings file holds over them and shows it. Throws
  // IoError when the file is there but cannot be read.
  void Load();
  // Writes them with what the views hold now.
  void Save() const;

  // "Mode" chose the modes, lengths and port of `chosen`.
  void TakeDialingModes(const Settings& chosen);
  void SetDatabase(const std::string& dbBase) { values_.dbBase = dbBase; }
  void SetOtherDatabase(const std::string& dbBase) { values_.otherDbBase = dbBase; }

 private:
  Settings WithViews() const;
  void Show();

  std::vector<SettingsView*> views_;
  Settings values_;
  std::unique_ptr<SettingsFile> file_;
};

}  // namespace tonvero
