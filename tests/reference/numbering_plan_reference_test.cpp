// The translation of "+" numbers against libphonenumber itself: from every
// region as home, every example number of every region and type must give
// the digits of FormatOutOfCountryCallingNumber. The only differences
// allowed are the two the dialer makes on purpose: "~" (wait for the dial
// tone) is dialed as ",", and where the home region has no single
// international prefix the library writes "+" and the user's chosen prefix
// is dialed.
#include <phonenumbers/phonenumberutil.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/location/number_translation.h"
#include "core/location/numbering_plan.h"

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

constexpr const char* kChosenPrefix = "0099";

std::vector<PhoneNumber> AllExamples(const PhoneNumberUtil& util) {
  std::vector<PhoneNumber> examples;
  std::set<std::string> seen;
  auto add = [&](const PhoneNumber& number) {
    std::string national;
    util.GetNationalSignificantNumber(number, &national);
    if (seen.insert(std::to_string(number.country_code()) + "/" + national).second) examples.push_back(number);
  };
  std::set<std::string> regions;
  util.GetSupportedRegions(&regions);
  for (const std::string& region : regions) {
    std::set<PhoneNumberUtil::PhoneNumberType> types;
    util.GetSupportedTypesForRegion(region, &types);
    for (auto type : types) {
      PhoneNumber number;
      if (util.GetExampleNumberForType(region, type, &number)) add(number);
    }
  }
  std::set<int> codes;
  util.GetSupportedGlobalNetworkCallingCodes(&codes);
  for (int code : codes) {
    PhoneNumber number;
    if (util.GetExampleNumberForNonGeoEntity(code, &number)) add(number);
  }
  return examples;
}

std::string DialedDigits(const std::string& formatted) {
  std::string digits;
  for (char c : formatted) {
    if ((c >= '0' && c <= '9') || c == '~') digits += c;
  }
  return digits;
}

TEST(NumberingPlanReference, EveryExampleFromEveryRegionDialsTheLibrarysDigits) {
  const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
  const std::vector<PhoneNumber> examples = AllExamples(util);
  std::set<std::string> regions;
  util.GetSupportedRegions(&regions);
  ASSERT_EQ(regions.size(), tonvero::NumberingRegions().size());

  long pairs = 0, equal = 0;
  std::map<std::string, std::pair<long, std::string>> allowed;  // reason -> count, homes
  std::vector<std::string> unexplained;
  for (const std::string& home : regions) {
    const tonvero::DialingLocation location{home, "", true, kChosenPrefix};
    const bool noSinglePrefix = *tonvero::NumberingText(tonvero::FindNumberingRegion(home)->internationalPrefix) == '\0';
    for (const PhoneNumber& number : examples) {
      std::string national, formatted;
      util.GetNationalSignificantNumber(number, &national);
      util.FormatOutOfCountryCallingNumber(number, home, &formatted);
      const std::string written = "+" + std::to_string(number.country_code()) + " " + national;
      const tonvero::TranslatedNumber ours = tonvero::TranslateNumber(written, location);
      ++pairs;
      const std::string library = DialedDigits(formatted);
      std::string waitAsComma = library;
      for (char& c : waitAsComma) c = c == '~' ? ',' : c;
      std::string reason;
      if (ours.number == library) {
        ++equal;
        continue;
      } else if (ours.number == waitAsComma) {
        reason = "\"~\" (wait for the dial tone) dialed as \",\"";
      } else if (noSinglePrefix && formatted.starts_with("+") && ours.number == kChosenPrefix + library) {
        reason = "no single international prefix: the chosen one dialed where the library writes \"+\"";
      } else {
        unexplained.push_back("from " + home + ": " + written + " library \"" + formatted + "\" ours \"" +
                              ours.number + "\"" + (ours.Refused() ? " refused: " + ours.refusal : ""));
        continue;
      }
      auto& [count, homes] = allowed[reason];
      if (count++ == 0 || !homes.ends_with(home)) homes += " " + home;
    }
  }
  std::printf("examples %zu, regions %zu, pairs %ld, equal %ld\n", examples.size(), regions.size(), pairs, equal);
  for (const auto& [reason, counted] : allowed) {
    std::printf("differ %ld: %s; from%s\n", counted.first, reason.c_str(), counted.second.c_str());
  }
  for (size_t i = 0; i < unexplained.size() && i < 40; ++i) std::printf("UNEXPLAINED %s\n", unexplained[i].c_str());
  EXPECT_EQ(unexplained.size(), 0u);
}

}  // namespace
