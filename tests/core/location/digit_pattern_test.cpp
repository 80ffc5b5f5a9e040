#include "core/location/digit_pattern.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

struct Case {
  const char* pattern;
  const char* digits;
  bool whole;
  bool start;
};

// The reference test covers the patterns the metadata holds today; these
// are the forms it may use.
const Case kCases[] = {
    {"\\d{3}", "123", true, true},
    {"\\d{3}", "1234", false, true},
    {"[^0]\\d", "10", true, true},
    {"[^0]\\d", "01", false, false},
    {"[1-35-9]", "4", false, false},
    {"[1-35-9]", "5", true, true},
    {"7(?:1(?:[0-6]2|7)|2)", "7162", true, true},
    {"7(?:1(?:[0-6]2|7)|2)", "717", true, true},
    {"7(?:1(?:[0-6]2|7)|2)", "7172", false, true},
    {"7(?:1(?:[0-6]2|7)|2)", "718", false, false},
    {"(?:1|12)3", "123", true, true},  // backtracks into the group's other alternative
    {"\\d{2,4}", "12345", false, true},
    {"\\d{2,}", "12345", true, true},
    {"1*2", "1112", true, true},
    {"1+2", "2", false, false},
    {"(\\d)?\\d", "5", true, true},
    {"-", "5", false, false},
};

TEST(DigitPattern, MatchesWholeAndAtTheStart) {
  for (const Case& c : kCases) {
    EXPECT_EQ(MatchWhole(c.pattern, c.digits), c.whole) << c.pattern << " on " << c.digits;
    EXPECT_EQ(MatchStart(c.pattern, c.digits), c.start) << c.pattern << " at the start of " << c.digits;
  }
}

}  // namespace
}  // namespace tonvero
