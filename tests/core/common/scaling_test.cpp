#include "core/common/scaling.h"

#include <gtest/gtest.h>

#include "core/phonelist/grid_look.h"

namespace tonvero {
namespace {

TEST(ScaleLength, RoundsToTheNearestPixelHalvesAwayFromZero) {
  const struct {
    int length, toDpi, fromDpi, expected;
  } cases[] = {
      {49, 96, 96, 49},    {49, 144, 96, 74},  {49, 192, 96, 98},  {49, 120, 96, 61},
      {1, 144, 96, 2},     {3, 144, 96, 5},    {9, 144, 96, 14},   {14, 144, 96, 21},
      {0, 192, 96, 0},     {-3, 144, 96, -5},  {-49, 120, 96, -61},
      {74, 96, 144, 49},   {98, 96, 192, 49},  {61, 96, 120, 49},  {75, 96, 144, 50},
      {9, 72, 96, 7},      {2000, 480, 96, 10000},
      {25, 0, 96, 25},     {25, 144, 0, 25},  // no DPI known: the length as it is
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleLength(c.length, c.toDpi, c.fromDpi), c.expected)
        << c.length << " from " << c.fromDpi << " to " << c.toDpi;
  }
}

// A width shown at any display from 100 % up and read back at 96 DPI is the
// width it was: a settings file keeps its meaning whatever the display.
TEST(ScaleWidths, ComeBackWholeFromEveryDisplayScale) {
  for (int dpi = 96; dpi <= 480; dpi += 24) {
    for (int width = 0; width <= 2000; ++width) {
      const ColumnWidths stored{width, width, width, width, width};
      ASSERT_EQ(ScaleWidths(ScaleWidths(stored, dpi, kLayoutDpi), kLayoutDpi, dpi), stored)
          << width << " at " << dpi;
    }
  }
  EXPECT_EQ(ScaleWidths(kDefaultColumnWidths, 192, kLayoutDpi), (ColumnWidths{54, 158, 152, 256, 110}));
  EXPECT_EQ(ScaleWidths(kDefaultColumnWidths, 144, kLayoutDpi), (ColumnWidths{41, 119, 114, 192, 83}));
}

}  // namespace
}  // namespace tonvero
