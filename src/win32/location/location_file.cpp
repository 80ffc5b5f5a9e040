#include "win32/location/location_file.h"

#include "win32/location/location_dialog.h"

#include "core/app/io_error.h"
#include "core/location/numbering_plan.h"
#include "win32/files/files.h"

namespace tonvero {

DialingLocation WindowsRegionLocation() {
  DialingLocation location;
  char code[8] = {};
  const GEOID region = GetUserGeoID(GEOCLASS_NATION);
  if (region != GEOID_NOT_AVAILABLE && GetGeoInfoA(region, GEO_ISO2, code, sizeof code, 0) > 0 &&
      FindNumberingRegion(code)) {
    location.region = code;
  }
  return location;
}

std::string LocationFile::Load(const std::string& folder) {
  path_ = folder + "tv.ini";
  location_ = WindowsRegionLocation();
  const std::string fallback = "\nTonvero dials from the country of Windows' region (" +
                               (location_.region.empty() ? std::string("none") : location_.region) +
                               ") until you choose in \"Dialing Location...\".";
  std::optional<Bytes> file;
  try {
    file = ReadFileIfPresent(path_);
  } catch (const IoError& failure) {
    return "The dialing location in " + path_ + " cannot be read: " + failure.what() + fallback;
  }
  if (!file) return "";
  std::optional<KeyValues> values = KeyValues::Parse(std::string(file->begin(), file->end()));
  if (values) values_ = *values;
  if (!values || !ReadLocation(values_, location_)) {
    return "The dialing location in " + path_ + " is damaged." + fallback;
  }
  return "";
}

void LocationFile::Save(const DialingLocation& location) {
  KeyValues values = values_;
  StoreLocation(location, values);
  WriteFileContents(path_, ToBytes(values.Text()));
  values_ = values;
  location_ = location;
}

void LocationFile::SetValue(std::string_view key, std::string_view value) {
  values_.Set(key, value);
  WriteFileContents(path_, ToBytes(values_.Text()));
}

void LocationFile::Choose(HWND owner) {
  DialingLocation location = location_;
  if (ChooseDialingLocation(owner, location)) Save(location);
}

}  // namespace tonvero
