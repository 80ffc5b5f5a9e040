// The link reader and the number cleaner on any text: the input as an
// argument, as a "tel:" link's body and as a contact's number, and its bytes
// mapped onto digits and visual separators. Each result is checked against
// what the cleaning promises.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/contacts/outside_number.h"

namespace {

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

std::string DigitsOf(const std::string& text) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

// A refusal says why; a number holds a digit and only what dials it.
void CheckCleaned(const tonvero::CleanedNumber& cleaned) {
  if (cleaned.Refused()) return Require(!cleaned.refusal.empty(), "a refusal says why");
  Require(cleaned.refusal.empty(), "a cleaned number has no refusal");
  Require(!DigitsOf(cleaned.number).empty(), "a cleaned number holds a digit");
  Require(cleaned.number.find_first_not_of("0123456789*#+,P -") == std::string::npos,
          "only digits, *#+, the marks, blanks and dashes");
  Require(cleaned.number.front() != ' ' && cleaned.number.front() != '-' && cleaned.number.back() != ' ' &&
              cleaned.number.back() != '-',
          "no blank or dash at either end");
  Require(cleaned.number.find("  ") == std::string::npos && cleaned.number.find("--") == std::string::npos,
          "blanks and dashes collapsed");
}

// The bytes as a plain written number: digits among blanks, dashes,
// brackets, dots and slashes.
std::string PlainNumber(const uint8_t* data, size_t size) {
  static constexpr char kAlphabet[] = "0123456789 -()./";
  std::string text;
  for (size_t i = 0; i < size; ++i) text += kAlphabet[data[i] % 16];
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto link = tonvero::ReadTelephoneLink(text)) CheckCleaned(*link);
  const auto asLink = tonvero::ReadTelephoneLink("tel:" + text);
  Require(asLink.has_value(), "a tel: argument is a link");
  CheckCleaned(*asLink);
  CheckCleaned(tonvero::CleanOutsideNumber(text));

  const std::string plain = PlainNumber(data, size);
  const tonvero::CleanedNumber cleaned = tonvero::CleanOutsideNumber(plain);
  CheckCleaned(cleaned);
  if (plain.size() <= tonvero::kMaxOutsideNumberLength && !DigitsOf(plain).empty()) {
    Require(DigitsOf(cleaned.number) == DigitsOf(plain), "every digit kept, in order");
  }
  return 0;
}
