#include "core/common/code_page.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

TEST(Utf8ToWindows1252, MapsWhatTheCodePageHoldsAndMarksTheRest) {
  const struct {
    std::string utf8, expected;
  } cases[] = {
      {std::string("a\0~", 3), std::string("a\0~", 3)},
      {"Zo\xC3\xAB \xC2\xA0\xC3\xBF", "Zo\xEB \xA0\xFF"},
      {"\xE2\x82\xAC \xC5\xB8 \xE2\x84\xA2", "\x80 \x9F \x99"},  // € Ÿ ™ live in 0x80..0x9F
      {"\xC5\x81 \xC2\x81 \xF0\x9F\x98\x80", "? ? ?"},           // Ł, a C1 control, an emoji
      {"\xFF\x80\xC3 \xE2\x82" "A", "??? ??A"},  // stray and cut-short sequences
      // overlong forms, a surrogate, past U+10FFFF
      {"\xC0\xAF \xE0\x80\xAF \xED\xA0\x80 \xF4\x90\x80\x80", "?? ??? ??? ????"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, Utf8ToWindows1252(c.utf8)) << c.utf8;
}

}  // namespace
}  // namespace tonvero

namespace tonvero {
namespace {

TEST(UpperWindows1252, CapitalsAccentedLettersAsTheEditFieldsDo) {
  EXPECT_EQ(UpperWindows1252("zo\xEB \x9A\xFF \xDF\xB5\xF7"), "ZO\xCB \x8A\x9F \xDF\xB5\xF7");
}

}  // namespace
}  // namespace tonvero
