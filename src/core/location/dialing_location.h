#pragma once
// Where the user dials from, and how it is kept: lines "key=value" in a small
// text file of settings, whose other keys are kept as they are.
#include <string>

#include "core/common/key_values.h"

namespace tonvero {

struct DialingLocation {
  std::string region;  // ISO letters of a region of the numbering plan; "" for none
  std::string areaCode;  // digits, the national prefix left out; "" for none
  bool dialAreaCode = true;  // within the area code, dial it too
  // The user's international prefix, for regions without a single one.
  std::string internationalPrefix;
};

// The longest area code and prefix the file and the dialog take.
constexpr size_t kMaxAreaCodeLength = 8;
constexpr size_t kMaxInternationalPrefixLength = 8;

// The location the values hold over `fallback` (the keys it lacks keep the
// fallback's). False, with `fallback` returned unchanged, when a value is
// not what the key holds: an unknown region, letters in a code, a choice
// other than "yes" or "no".
bool ReadLocation(const KeyValues& values, DialingLocation& location);
void StoreLocation(const DialingLocation& location, KeyValues& values);

// The area code as the user typed it, reduced to what the location holds:
// digits only, the region's national prefix ("0" in "020") left out.
std::string NormalisedAreaCode(const std::string& typed, const std::string& region);

}  // namespace tonvero
