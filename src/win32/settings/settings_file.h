#pragma once
// The settings file tv.cn3 in the program's folder: read at start-up,
// written when the program closes. A file that is there but cannot be read
// is never written over, also not when the program closes.
#include <optional>
#include <string>

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

}  // namespace tonvero
