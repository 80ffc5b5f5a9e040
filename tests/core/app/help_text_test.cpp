#include "core/app/help_text.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

// What a reader hears: every section in order, and the example's steps,
// each with its name, right after the section that introduces it.
TEST(HelpReadingTest, ReadsSectionsInOrderWithTheExampleAfterItsSection) {
  const HelpText help{"Title", "note",
                      {{{"One", "First."}, {"Two", "Second:"}, {"Three", "Third."}, {"Four", "Fourth."}}},
                      1,
                      {{{"9", "outside line"}, {"P", "pause"}, {"12", "code"}, {"P", "pause"}, {"@", "number"}}}};
  EXPECT_EQ(
      "One. First.\nTwo. Second:\n9 (outside line), P (pause), 12 (code), P (pause), @ (number).\n"
      "Three. Third.\nFour. Fourth.",
      HelpReading(help));
}

}  // namespace
}  // namespace tonvero
