// Times the translation of "+" numbers: every example number that
// libphonenumber holds (every region and type) translated from every
// region as home, each translation timed alone in every round. A pair's time
// is its fastest round (a busy machine stops a program now and then for
// longer than a translation takes). Prints the count, the mean and the
// slowest pair, and the slowest as a share of the 1 ms a translation may
// take. Usage: bench_numbering [rounds]
#include <phonenumbers/phonenumberutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/location/number_translation.h"
#include "core/location/numbering_plan.h"

namespace {

using Clock = std::chrono::steady_clock;
using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

std::vector<std::string> WrittenExamples() {
  const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
  std::set<std::string> regions;
  util.GetSupportedRegions(&regions);
  std::set<std::string> written;
  for (const std::string& region : regions) {
    std::set<PhoneNumberUtil::PhoneNumberType> types;
    util.GetSupportedTypesForRegion(region, &types);
    for (auto type : types) {
      PhoneNumber number;
      std::string national;
      if (!util.GetExampleNumberForType(region, type, &number)) continue;
      util.GetNationalSignificantNumber(number, &national);
      written.insert("+" + std::to_string(number.country_code()) + " " + national);
    }
  }
  return {written.begin(), written.end()};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const std::vector<std::string> examples = WrittenExamples();
  const auto homes = tonvero::NumberingRegions();
  std::vector<double> fastestUs(homes.size() * examples.size(), 1e12);
  size_t digits = 0;  // keeps the work from being optimised away
  for (int round = 0; round < rounds; ++round) {
    for (size_t h = 0; h < homes.size(); ++h) {
      const tonvero::DialingLocation location{std::string(homes[h].code, 2), "", true, "00"};
      for (size_t e = 0; e < examples.size(); ++e) {
        const auto start = Clock::now();
        const tonvero::TranslatedNumber result = tonvero::TranslateNumber(examples[e], location);
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        digits += result.number.size();
        double& fastest = fastestUs[h * examples.size() + e];
        fastest = std::min(fastest, us);
      }
    }
  }
  const auto slowestPair = std::max_element(fastestUs.begin(), fastestUs.end()) - fastestUs.begin();
  const double slowestUs = fastestUs[slowestPair];
  double totalUs = 0;
  for (double us : fastestUs) totalUs += us;
  const long count = static_cast<long>(fastestUs.size()) * rounds;
  const std::string slowest = examples[slowestPair % examples.size()] + " from " +
                              std::string(homes[slowestPair / examples.size()].code, 2);
  std::printf("translations %ld (%zu examples x %zu homes x %d rounds), %zu digits\n", count, examples.size(),
              tonvero::NumberingRegions().size(), rounds, digits);
  std::printf("mean %.2f us, slowest %.1f us (%s)\n", totalUs / fastestUs.size(), slowestUs, slowest.c_str());
  std::printf("slowest / 1 ms: %.4f\n", slowestUs / 1000.0);
  return slowestUs < 1000.0 ? 0 : 1;
}
