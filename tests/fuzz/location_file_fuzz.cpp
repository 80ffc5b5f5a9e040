// The location file's reader on any bytes: it must never fail; a text it
// reads must be written back as a text that reads the same; a location it
// reads must be kept and read again whole.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/location/dialing_location.h"
#include "core/location/numbering_plan.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

bool Same(const tonvero::DialingLocation& a, const tonvero::DialingLocation& b) {
  return a.region == b.region && a.areaCode == b.areaCode && a.dialAreaCode == b.dialAreaCode &&
         a.internationalPrefix == b.internationalPrefix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<tonvero::KeyValues> values = tonvero::KeyValues::Parse(text);
  if (!values) return 0;
  const std::optional<tonvero::KeyValues> again = tonvero::KeyValues::Parse(values->Text());
  Require(again && again->Text() == values->Text(), "a text read is written back as one that reads the same");

  tonvero::DialingLocation location{"GB", "", true, ""};
  if (!tonvero::ReadLocation(*values, location)) {
    Require(Same(location, {"GB", "", true, ""}), "a damaged file leaves the fallback as it was");
    return 0;
  }
  Require(location.region.empty() || tonvero::FindNumberingRegion(location.region), "the region is known");
  Require(location.areaCode.size() <= tonvero::kMaxAreaCodeLength, "the area code fits");
  Require(location.internationalPrefix.size() <= tonvero::kMaxInternationalPrefixLength, "the prefix fits");
  tonvero::KeyValues stored = *values;
  tonvero::StoreLocation(location, stored);
  const std::optional<tonvero::KeyValues> reread = tonvero::KeyValues::Parse(stored.Text());
  Require(reread.has_value(), "a stored location reads");
  tonvero::DialingLocation back;
  Require(tonvero::ReadLocation(*reread, back) && Same(back, location), "a stored location reads back whole");
  return 0;
}
