// The shooter-mode length fields read what was typed and keep it in 1..300.
#include <gtest/gtest.h>

#include "core/settings/spin_value.h"

namespace tonvero {
namespace {

TEST(SpinValue, TypedTextIsReadAndHeldToItsRange) {
  const struct {
    const char* typed;
    int value;
  } cases[] = {
      {"50", 50},     {"300", 300}, {"500", 300},       {"0", 1},     {"", 1},
      {"abc", 1},     {"-20", 1},   {"  75", 75},       {"120ms", 120}, {"+9", 9},
      {"99999999999999999999", 300},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadSpinValue(c.typed), c.value) << '"' << c.typed << '"';
}

TEST(SpinValue, StoredValuesAreClampedForShowing) {
  EXPECT_EQ(ClampSpinValue(-5), 1);
  EXPECT_EQ(ClampSpinValue(2976), 300);
  EXPECT_EQ(ClampSpinValue(40), 40);
}

}  // namespace
}  // namespace tonvero
