#include "core/location/dialing_location.h"

#include "core/location/numbering_plan.h"

namespace tonvero {
namespace {

constexpr const char* kRegionKey = "country";
constexpr const char* kAreaCodeKey = "area_code";
constexpr const char* kDialAreaCodeKey = "dial_area_code";
constexpr const char* kPrefixKey = "international_prefix";

bool AllDigits(const std::string& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

bool ReadLocation(const KeyValues& values, DialingLocation& location) {
  DialingLocation read = location;
  if (auto region = values.Get(kRegionKey)) {
    if (!region->empty() && !FindNumberingRegion(*region)) return false;
    read.region = *region;
  }
  if (auto area = values.Get(kAreaCodeKey)) {
    if (!AllDigits(*area) || area->size() > kMaxAreaCodeLength) return false;
    read.areaCode = *area;
  }
  if (auto dial = values.Get(kDialAreaCodeKey)) {
    if (*dial != "yes" && *dial != "no") return false;
    read.dialAreaCode = *dial == "yes";
  }
  if (auto prefix = values.Get(kPrefixKey)) {
    if (!AllDigits(*prefix) || prefix->size() > kMaxInternationalPrefixLength) return false;
    read.internationalPrefix = *prefix;
  }
  location = read;
  return true;
}

void StoreLocation(const DialingLocation& location, KeyValues& values) {
  values.Set(kRegionKey, location.region);
  values.Set(kAreaCodeKey, location.areaCode);
  values.Set(kDialAreaCodeKey, location.dialAreaCode ? "yes" : "no");
  values.Set(kPrefixKey, location.internationalPrefix);
}

std::string NormalisedAreaCode(const std::string& typed, const std::string& region) {
  std::string digits;
  for (char c : typed) {
    if (c >= '0' && c <= '9') digits += c;
  }
  const NumberingRegion* plan = FindNumberingRegion(region);
  const std::string_view nationalPrefix = plan ? NumberingText(plan->nationalPrefix) : "";
  if (!nationalPrefix.empty() && digits.size() > nationalPrefix.size() && digits.starts_with(nationalPrefix)) {
    digits.erase(0, nationalPrefix.size());
  }
  return digits.substr(0, kMaxAreaCodeLength);
}

}  // namespace tonvero
