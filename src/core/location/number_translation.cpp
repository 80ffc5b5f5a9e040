#include "core/location/number_translation.h"

#include <string_view>
#include <vector>

#include "core/dialer/dial_string.h"
#include "core/location/digit_pattern.h"
#include "core/location/numbering_plan.h"

namespace tonvero {
namespace {

constexpr size_t kLongestCountryCode = 3;
constexpr size_t kLongestNationalNumber = 17;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsFormatting(char c) {
  return IsBlank(c) || c == '-' || c == '.' || c == '/' || c == '(' || c == ')' || c == '[' || c == ']';
}

// The "+" number as written: its digits, where the written rest begins, and
// the digit spans that stood alone in brackets, as "(0)".
struct WrittenNumber {
  std::string digits;
  size_t restAt = 0;
  std::vector<std::pair<size_t, size_t>> bracketed;  // digit offsets [from, to)
};

WrittenNumber ReadWritten(const std::string& screen, size_t plus) {
  WrittenNumber written;
  size_t i = plus + 1;
  size_t open = std::string::npos;  // digit offset after "(", while only digits followed
  for (; i < screen.size() && (IsDigit(screen[i]) || IsFormatting(screen[i])); ++i) {
    const char c = screen[i];
    if (IsDigit(c)) {
      written.digits += c;
    } else if (c == '(') {
      open = written.digits.size();
      continue;
    } else if (c == ')' && open != std::string::npos && open < written.digits.size()) {
      written.bracketed.emplace_back(open, written.digits.size());
    }
    if (!IsDigit(c)) open = std::string::npos;
  }
  written.restAt = i;
  return written;
}

std::string Apply(std::string_view writtenAs, std::string_view number, const PatternGroups& groups) {
  std::string digits;
  for (size_t i = 0; i < writtenAs.size(); ++i) {
    if (writtenAs[i] == '\\' && i + 1 < writtenAs.size() && IsDigit(writtenAs[i + 1])) {
      const size_t group = writtenAs[++i] - '1';
      if (group < groups.size() && groups[group].first != std::string_view::npos) {
        digits += number.substr(groups[group].first, groups[group].second);
      }
    } else if (IsDigit(writtenAs[i])) {
      digits += writtenAs[i];
    }
  }
  return digits;
}

// The digits of the number written by the first rule that fits it; the
// number itself when none does.
std::string WriteBy(std::span<const NumberFormatRule> rules, const std::string& number) {
  PatternGroups groups;
  for (const NumberFormatRule& rule : rules) {
    const char* leadingDigits = NumberingText(rule.leadingDigits);
    if (*leadingDigits && !MatchStart(leadingDigits, number)) continue;
    if (MatchWhole(NumberingText(rule.pattern), number, &groups)) {
      return Apply(NumberingText(rule.writtenAs), number, groups);
    }
  }
  return number;
}

std::string WaitsAsCommas(std::string prefix) {
  for (char& c : prefix) {
    if (c == '~') c = ',';
  }
  return prefix;
}

TranslatedNumber Refused(std::string why) { return {"", std::move(why)}; }

constexpr const char* kChooseLocation =
    "Choose where you dial from with \"Dialing Location...\" on the window menu (Ctrl+L).";

}  // namespace

TranslatedNumber TranslateNumber(const std::string& screen, const DialingLocation& location) {
  const size_t plus = screen.find_first_not_of(" \t");
  if (plus == std::string::npos || screen[plus] != '+') return {screen, ""};
  WrittenNumber written = ReadWritten(screen, plus);
  const std::string shown = "+" + written.digits;

  const NumberingCountry* country = nullptr;
  size_t codeLength = 1;
  for (; codeLength <= kLongestCountryCode && codeLength < written.digits.size(); ++codeLength) {
    country = FindNumberingCountry(std::stoi(written.digits.substr(0, codeLength)));
    if (country) break;
  }
  if (!country) return Refused("The number " + shown + " has no known country code. Nothing was dialed.");
  std::string national = written.digits.substr(codeLength);
  const NumberingRegion* home = FindNumberingRegion(location.region);
  if (!home) {
    return Refused("Tonvero does not know which country you dial from, so it cannot tell how to dial " + shown +
                   ". Nothing was dialed.\n" + kChooseLocation);
  }
  const std::string_view trunk = NumberingText(country->nationalPrefix);
  for (const auto& [from, to] : written.bracketed) {
    if (from == codeLength && !trunk.empty() && written.digits.substr(from, to - from) == trunk) {
      national.erase(0, to - from);
    }
  }
  if (national.size() < country->shortestNumber || national.size() > kLongestNationalNumber) {
    return Refused("The number " + shown + " is too " +
                   (national.size() < country->shortestNumber ? "short" : "long") + " for its country code +" +
                   std::to_string(country->countryCode) + ". Nothing was dialed.");
  }
  const std::string rest = screen.substr(written.restAt);

  const bool northAmerican = country->countryCode == kNorthAmericanCountryCode;
  const bool sameCountry = country->countryCode == home->countryCode;
  if (sameCountry) {
    const std::string area = NormalisedAreaCode(location.areaCode, location.region);
    if (!location.dialAreaCode && !area.empty() && national.size() > area.size() && national.starts_with(area)) {
      return {national.substr(area.size()) + rest, ""};
    }
    std::string dialed = northAmerican ? "1" : "";
    return {dialed + WriteBy(country->national, national) + rest, ""};
  }
  const char* regionsPrefix = NumberingText(home->internationalPrefix);
  std::string prefix = *regionsPrefix ? regionsPrefix : location.internationalPrefix;
  if (prefix.empty()) {
    return Refused("Numbers abroad are dialed from " + location.region +
                   " with a prefix of your choice, and none is chosen. Nothing was dialed.\nChoose it with "
                   "\"Dialing Location...\" on the window menu (Ctrl+L).");
  }
  return {WaitsAsCommas(prefix) + std::to_string(country->countryCode) +
              WriteBy(country->international, national) + rest,
          ""};
}

TranslatedNumber FinalDialString(const std::string& procedure, const std::string& screen,
                                 const DialingLocation& location) {
  TranslatedNumber translated = TranslateNumber(screen, location);
  if (!translated.Refused()) translated.number = BuildDialString(procedure, translated.number);
  return translated;
}

}  // namespace tonvero
