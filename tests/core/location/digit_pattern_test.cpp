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

const Case kCases[] = {
    {"\\d{3}", "123", true, true},
    {"\\d{3}", "1234", false, true},
    {"\\d{3}", "12", false, false},
    {"[2-9]\\d{2}", "199", false, false},
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
    {"1?2", "2", true, true},
    {"1*2", "1112", true, true},
    {"1+2", "2", false, false},
    {"8|9", "9", true, true},
    {"(\\d)?\\d", "5", true, true},
    {"-", "5", false, false},
};

TEST(DigitPattern, MatchesWholeAndAtTheStart) {
  for (const Case& c : kCases) {
    EXPECT_EQ(MatchWhole(c.pattern, c.digits), c.whole) << c.pattern << " on " << c.digits;
    EXPECT_EQ(MatchStart(c.pattern, c.digits), c.start) << c.pattern << " at the start of " << c.digits;
  }
}

TEST(DigitPattern, GroupsSayWhereTheyMatched) {
  using Span = std::pair<size_t, size_t>;
  PatternGroups groups;
  ASSERT_TRUE(MatchWhole("9(\\d{2})(?:(\\d)|x)(\\d{4,5})", "911123456", &groups));
  EXPECT_EQ(groups, (PatternGroups{Span{1, 2}, Span{3, 1}, Span{4, 5}}));
  // A group that took no part.
  ASSERT_TRUE(MatchWhole("(1)?(2)", "2", &groups));
  EXPECT_EQ(groups, (PatternGroups{Span{std::string_view::npos, 0}, Span{0, 1}}));
}

}  // namespace
}  // namespace tonvero
