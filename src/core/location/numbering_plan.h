#pragma once
// The world's numbering plans as libphonenumber's metadata gives them, cut
// down to what turning a "+" number into the digits to dial needs. The data
// is constant, written by tools/make_numbering_plan from the metadata that
// Debian ships (numbering_plan_generated.cpp); nothing is parsed at start-up.
#include <cstdint>
#include <span>
#include <string_view>

namespace tonvero {

// The tables' texts, named by their places in one block (so the tables hold
// no pointers for the loader to relocate).
using TextPlace = uint16_t;
const char* NumberingText(TextPlace place);

// One way of writing a national number: it applies when the number begins as
// `leadingDigits` says ("" for any) and matches `pattern` as a whole. The
// template gives the written form: "\N" is the pattern's group N, digits
// stand for themselves, other characters are only for reading.
struct NumberFormatRule {
  TextPlace leadingDigits;
  TextPlace pattern;
  TextPlace writtenAs;
};

// The numbers of one country calling code.
struct NumberingCountry {
  uint16_t countryCode;
  uint8_t shortestNumber;  // fewest digits a national number of it has
  TextPlace nationalPrefix;  // "" where there is none
  // How a number is written within its country (with the national prefix
  // where the country writes one) and from abroad.
  std::span<const NumberFormatRule> national;
  std::span<const NumberFormatRule> international;
};

// One region (a country or territory) as a place to dial from.
struct NumberingRegion {
  char code[3];  // ISO 3166 letters, as "GB"
  uint16_t countryCode;
  // The prefix dialed before a country code from here, "~" a wait for the
  // dial tone; "" where the region has no single one (the user chooses).
  TextPlace internationalPrefix;
  TextPlace nationalPrefix;  // "" where there is none
  TextPlace englishName;  // for lists where the system names none
};

extern const char kNumberingPlanVersion[];

std::span<const NumberingRegion> NumberingRegions();
const NumberingRegion* FindNumberingRegion(std::string_view code);
const NumberingCountry* FindNumberingCountry(int countryCode);

// The regions that dial each other with the country code 1 and the number.
constexpr int kNorthAmericanCountryCode = 1;

}  // namespace tonvero
