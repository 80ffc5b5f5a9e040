#pragma once
// Phone numbers that come from outside the program (contact exports, links
// such as "tel:+1-201-555-0123") turned into dial strings that dial every
// digit the source shows and nothing else. In the dialing language "(...)"
// is a comment and letters have meanings of their own, so a number written
// "(905) 555-1234" must not reach it as written.
#include <optional>
#include <string>
#include <string_view>

namespace tonvero {

// A cleaned number, or why there is none.
struct CleanedNumber {
  std::string number;   // the dial string; empty when refused
  std::string refusal;  // the reason, for the user; empty when cleaned
  bool Refused() const { return number.empty(); }
};

// Longest text CleanOutsideNumber reads.
constexpr size_t kMaxOutsideNumberLength = 256;

// The number as a dial string made only of digits, "*", "#", "+", "," (a
// one-second wait), "P" (the pause box), and single blanks or "-" between
// dialed characters for reading. Read from left to right:
// - digits, "*", "#" and "+" are kept; a run of blanks and "-" becomes one
//   "-" if it holds one, else one blank, and is kept only between two of
//   those characters (so the ends are trimmed and no blank touches a mark);
// - "," is a wait; ";" is a pause, except ";ext=" before a digit, which is an
//   extension;
// - "(...)" that holds no digit, such as "(home)", is a remark and dropped;
//   other brackets, ".", "/" and every other character are left out;
// - letters before the first digit are a label ("Tel:", "Mobile") and are
//   dropped, and so is a kind ("Home", "Work", "Cell", "Mobile", "Fax", ...)
//   written last, apart from the number ("555-1234 Home"). After the first
//   digit, each other run of ASCII letters is read as a whole:
//   "x", "ext" or "extension" (any case) followed by a digit, with an
//   optional "." and blanks or ":" between, is an extension: a wait and then
//   its digits ("x123", "ext. 123" give ",123"); with no digit after it,
//   the word is dropped. A run of only "p" and "w"
//   right after a dialed character or a mark (nothing between) is the marks
//   of a phone's export: "p" a wait, "w" a pause ("555p1" gives "555,1").
//   Any other run of two or more letters is a vanity word, each letter its
//   keypad digit (ABC=2 DEF=3 GHI=4 JKL=5 MNO=6 PQRS=7 TUV=8 WXYZ=9), so
//   "1-800-FLOWERS" gives "1-800-3569377". A lone letter that is none of
//   these marks is dropped.
// Refused when the text is longer than kMaxOutsideNumberLength or yields no
// digit 0-9.
CleanedNumber CleanOutsideNumber(std::string_view text);

// Longest argument ReadTelephoneLink reads (escapes take three characters).
constexpr size_t kMaxTelephoneLinkLength = 3 * kMaxOutsideNumberLength;

// The number of a "tel:" or "callto:" link (scheme in any case, blanks around
// the argument ignored, "//" after "callto:" skipped): "%" escapes decoded
// first, then parameters after ";" dropped except "ext=", which adds
// ",digits", and the rest cleaned as CleanOutsideNumber does. Nothing when
// the argument is not such a link; refused when it is too long or holds a
// "%" not followed by two hexadecimal digits.
std::optional<CleanedNumber> ReadTelephoneLink(std::string_view argument);

}  // namespace tonvero
