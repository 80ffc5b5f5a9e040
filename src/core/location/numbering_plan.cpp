#include "core/location/numbering_plan.h"

#include <algorithm>

namespace tonvero {

// Both tables are written sorted: regions by code, countries by code.
extern const std::span<const NumberingRegion> kNumberingRegions;
extern const std::span<const NumberingCountry> kNumberingCountries;
extern const char kNumberingTexts[];

const char* NumberingText(TextPlace place) { return kNumberingTexts + place; }

std::span<const NumberingRegion> NumberingRegions() { return kNumberingRegions; }

const NumberingRegion* FindNumberingRegion(std::string_view code) {
  if (code.size() != 2) return nullptr;
  const auto found = std::lower_bound(kNumberingRegions.begin(), kNumberingRegions.end(), code,
                                      [](const NumberingRegion& r, std::string_view c) {
                                        return std::string_view(r.code, 2) < c;
                                      });
  return found != kNumberingRegions.end() && std::string_view(found->code, 2) == code ? &*found : nullptr;
}

const NumberingCountry* FindNumberingCountry(int countryCode) {
  const auto found = std::lower_bound(kNumberingCountries.begin(), kNumberingCountries.end(), countryCode,
                                      [](const NumberingCountry& c, int code) { return c.countryCode < code; });
  return found != kNumberingCountries.end() && found->countryCode == countryCode ? &*found : nullptr;
}

}  // namespace tonvero
