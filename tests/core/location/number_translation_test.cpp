#include "core/location/number_translation.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

DialingLocation From(std::string region, std::string area = "", bool dialArea = true, std::string prefix = "") {
  return {std::move(region), std::move(area), dialArea, std::move(prefix)};
}

// The dialer's own rules: plain translation from every region is compared
// with libphonenumber in tests/reference.
struct Case {
  const char* screen;
  DialingLocation location;
  const char* dialed;   // nullptr when refused
  const char* refusal;  // a piece of the refusal
};

const Case kCases[] = {
    {"+44-20-7946-0958", From("US"), "011442079460958", nullptr},
    // Blanks before the "+"; what follows the number kept as it stands.
    {"  +44 20 7946 0958,123", From("GB"), "02079460958,123", nullptr},
    {"+44 20 7946 0958P5", From("DE"), "00442079460958P5", nullptr},
    // "(0)" after the country code is the national prefix written along.
    {"+44 (0)20 7946 0958", From("DE"), "00442079460958", nullptr},
    // The area code: its local number only when the user dials it so.
    {"+1 650 253 0000", From("US", "650", false), "2530000", nullptr},
    {"+1 650 253 0000", From("US", "650", true), "16502530000", nullptr},
    {"+1 212 555 0100", From("US", "650", false), "12125550100", nullptr},
    {"+44 20 7946 0958", From("GB", "020", false), "79460958", nullptr},
    {"+44 161 496 0000", From("GB", "020", false), "01614960000", nullptr},
    {"+44 20 7946 0958", From("DE", "20", false), "00442079460958", nullptr},
    // No single prefix and none chosen.
    {"+44 20 7946 0958", From("BR"), nullptr, "prefix of your choice"},
    // Numbers without "+" are dialed as written.
    {"5551234", From(""), "5551234", nullptr},
    {"9,+44 20", From("GB"), "9,+44 20", nullptr},
    // Refusals.
    {"+44 20 7946 0958", From(""), nullptr, "which country you dial from"},
    {"+44 20 7946 0958", From("ZZ"), nullptr, "which country you dial from"},
    {"+999 1234 5678", From("GB"), nullptr, "no known country code"},
    {"+", From("GB"), nullptr, "no known country code"},
    {"+44 12", From("GB"), nullptr, "too short"},
    {"+44 1234 5678 9012 3456 78", From("GB"), nullptr, "too long"},
};

TEST(NumberTranslation, TranslatesAsTheReferenceFromTheLocation) {
  for (const Case& c : kCases) {
    const TranslatedNumber result = TranslateNumber(c.screen, c.location);
    const std::string what = std::string(c.screen) + " from '" + c.location.region + "'";
    if (c.dialed) {
      EXPECT_EQ(result.number, c.dialed) << what;
      EXPECT_EQ(result.refusal, "") << what;
    } else {
      EXPECT_EQ(result.number, "") << what;
      EXPECT_NE(result.refusal.find(c.refusal), std::string::npos) << what << ": " << result.refusal;
    }
  }
}

TEST(NumberTranslation, ProcedureWrapsTheTranslatedNumber) {
  EXPECT_EQ(FinalDialString("9,@", "+44 20 7946 0958", From("GB")).number, "9,02079460958");
  EXPECT_EQ(FinalDialString("(HOME)@", "5551234", From("")).number, "(HOME)5551234");
  const TranslatedNumber refused = FinalDialString("9,@", "+44 20 7946 0958", From(""));
  EXPECT_TRUE(refused.Refused());
  EXPECT_EQ(refused.number, "");
}

}  // namespace
}  // namespace tonvero
