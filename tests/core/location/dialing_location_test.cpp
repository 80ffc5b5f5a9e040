#include "core/location/dialing_location.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

// Texts the location file may hold, and what each gives over a fallback of
// "US" with no area code: the location, or nothing when it is damaged.
struct Case {
  const char* text;
  bool read;
  const char* region;
  const char* area;
  bool dialArea;
  const char* prefix;
};

const Case kCases[] = {
    {"", true, "US", "", true, ""},
    {"country=GB\r\narea_code=20\r\ndial_area_code=no\r\n", true, "GB", "20", false, ""},
    {" country = BR \nInternational_prefix=1\ninternational_prefix=0021\n", true, "BR", "", true, "0021"},
    {"log_calls=yes\n\ncountry=DE\n", true, "DE", "", true, ""},
    {"country=\n", true, "", "", true, ""},  // chosen: no location
    {"country=ZZ\n", false, "US", "", true, ""},
    {"country=gb\n", false, "US", "", true, ""},
    {"area_code=2O\n", false, "US", "", true, ""},
    {"area_code=123456789\n", false, "US", "", true, ""},
    {"dial_area_code=1\n", false, "US", "", true, ""},
    {"international_prefix=+\n", false, "US", "", true, ""},
    {"country GB\n", false, "US", "", true, ""},
    {"=GB\n", false, "US", "", true, ""},
    {"country=GB\ncountry=DE\n", false, "US", "", true, ""},
    {"country=GB\x01\n", false, "US", "", true, ""},
};

TEST(DialingLocation, ReadsTheFileOrCallsItDamaged) {
  for (const Case& c : kCases) {
    DialingLocation location{"US", "", true, ""};
    const std::optional<KeyValues> values = KeyValues::Parse(c.text);
    const bool read = values && ReadLocation(*values, location);
    EXPECT_EQ(read, c.read) << c.text;
    EXPECT_EQ(location.region, c.region) << c.text;
    EXPECT_EQ(location.areaCode, c.area) << c.text;
    EXPECT_EQ(location.dialAreaCode, c.dialArea) << c.text;
    EXPECT_EQ(location.internationalPrefix, c.prefix) << c.text;
  }
}

// Reading back what is stored is fuzzed; here the other keys keep their places.
TEST(DialingLocation, StoringKeepsOtherKeysWhereTheyStand) {
  std::optional<KeyValues> values = KeyValues::Parse("log_calls=yes\r\ncountry=US\r\n");
  ASSERT_TRUE(values);
  StoreLocation({"BR", "11", false, "0021"}, *values);
  EXPECT_EQ(values->Text(),
            "log_calls=yes\r\ncountry=BR\r\narea_code=11\r\ndial_area_code=no\r\ninternational_prefix=0021\r\n");
}

TEST(DialingLocation, TooLongATextIsNotRead) {
  EXPECT_FALSE(KeyValues::Parse(std::string(kMaxKeyValuesSize + 1, ' ')));
  EXPECT_TRUE(KeyValues::Parse(std::string(kMaxKeyValuesSize, ' ')));
}

TEST(DialingLocation, AreaCodeLosesTheNationalPrefixAndWhatIsNotADigit) {
  const struct {
    const char* typed;
    const char* region;
    const char* held;
  } cases[] = {
      {"020", "GB", "20"}, {"(0)20", "GB", "20"}, {"0", "GB", "0"},       {"06", "IT", "06"},
      {"650", "US", "650"}, {"8 495", "RU", "495"}, {"020", "", "020"},   {"123456789", "DE", "12345678"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalisedAreaCode(c.typed, c.region), c.held) << c.typed;
}

}  // namespace
}  // namespace tonvero
