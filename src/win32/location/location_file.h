#pragma once
// The dialing location, kept in the small settings text tv.ini beside tv.cn3
// in the program's folder. Where the file names no country, the country of
// Windows' user region is the location.
#include <windows.h>

#include <string>

#include "core/common/key_values.h"
#include "core/location/dialing_location.h"

namespace tonvero {

class LocationFile : public KeptValues {
 public:
  // Reads the file in `folder` (which ends with a path separator). A file that cannot be read or is damaged leaves the
  // default location in force; what to tell the user about it is returned
  // (empty when all is well, and when there is no file yet).
  std::string Load(const std::string& folder);
  const DialingLocation& Location() const { return location_; }
  // Keeps `location` in the file, with the file's other keys as they were.
  // Throws IoError when the file cannot be written.
  void Save(const DialingLocation& location);
  // KeptValues: the file's other keys, for other rooms' choices.
  std::optional<std::string> Value(std::string_view key) const override { return values_.Get(key); }
  void SetValue(std::string_view key, std::string_view value) override;
  // "Dialing Location...": the dialog, owned by `owner`, and on OK the save.
  void Choose(HWND owner);

 private:
  std::string path_;
  DialingLocation location_;
  KeyValues values_;
};

// The location Windows' user region gives: its country, no area code; no
// country for the "World" region or one the numbering plan does not know.
DialingLocation WindowsRegionLocation();

}  // namespace tonvero
