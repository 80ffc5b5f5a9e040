#pragma once
// A number written in international form ("+44 20 7946 0958") turned into
// the digits to dial from the user's location, as libphonenumber's
// FormatOutOfCountryCallingNumber gives them: the national form within the
// country, "1" and the number between North American regions, the
// international prefix, country code and number from elsewhere. Any other
// number is dialed as written.
#include <string>

#include "core/location/dialing_location.h"

namespace tonvero {

// What to dial, or why nothing is dialed.
struct TranslatedNumber {
  std::string number;
  std::string refusal;  // for the user; empty when there is something to dial
  bool Refused() const { return !refusal.empty(); }
};

// The screen's number translated. A number whose first non-blank character
// is "+" is read up to the first character that is not a digit, a blank or
// one of "-./()[]"; what follows (",123", "P") is kept after the translated
// digits as it stands. A "(0)" after the country code that is that
// country's national prefix is dropped, as people write "+44 (0)20 ...".
// The translated digits carry "," where the prefix waits for a dial tone.
// Refused: no location, an unknown country code, a number too short or too
// long, no international prefix chosen where the region has no single one.
TranslatedNumber TranslateNumber(const std::string& screen, const DialingLocation& location);

// The final dial string: the procedure with each "@" replaced by the
// translated number; what a dial carries out, in every mode.
TranslatedNumber FinalDialString(const std::string& procedure, const std::string& screen,
                                 const DialingLocation& location);

}  // namespace tonvero
