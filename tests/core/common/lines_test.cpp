#include "core/common/lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvero {
namespace {

TEST(SplitLines, AcceptsEveryLineEndAndKeepsInnerEmptyLines) {
  using Lines = std::vector<std::string>;
  const struct {
    std::string text;
    Lines expected;
  } cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\n", {"A"}},
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB\n", {"A", "B"}},
      {"A\rB\r", {"A", "B"}},
      {"A\r\nB\nC\rD", {"A", "B", "C", "D"}},
      {"A\r\n\r\nB", {"A", "", "B"}},
      {"A\r\n\r\n", {"A", ""}},
      {"A\n\rB", {"A", "", "B"}},   // LF then CR: two line ends
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {"A\r\r\nB", {"A", "", "B"}},
      {std::string("A\0B\nC", 5), {std::string("A\0B", 3), "C"}},
  };
  for (const auto& c : cases) {
    const std::vector<std::string_view> lines = SplitLines(c.text);
    EXPECT_EQ(Lines(lines.begin(), lines.end()), c.expected) << testing::PrintToString(c.text);
  }
}

}  // namespace
}  // namespace tonvero
