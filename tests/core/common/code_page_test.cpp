#include "core/common/code_page.h"

#include <gtest/gtest.h>

#include "fake_code_pages.h"

namespace tonvero {
namespace {

TEST(Utf8, ReadsWellFormedSequencesAndMarksTheRest) {
  const struct {
    std::string utf8;
    bool wellFormed;
    std::u16string text;
  } cases[] = {
      {std::string("a\0~", 3), true, std::u16string(u"a\0~", 3)},
      {"Zo\xC3\xAB \xD0\x98\xE2\x82\xAC", true, u"Zoë И€"},
      {"\xF0\x9F\x98\x80", true, u"\U0001F600"},  // a surrogate pair
      {"\xFF\x80\xC3 \xE2\x82" "A", false, u"\uFFFD\uFFFD\uFFFD \uFFFD\uFFFDA"},  // stray, cut short
      // overlong forms, a surrogate, past U+10FFFF
      {"\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80", false,
       u"\uFFFD\uFFFD \uFFFD\uFFFD\uFFFD \uFFFD\uFFFD\uFFFD\uFFFD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.wellFormed, IsUtf8(c.utf8)) << c.utf8;
    EXPECT_EQ(c.text, Utf8ToUtf16(c.utf8)) << c.utf8;
    if (c.wellFormed) {
      EXPECT_EQ(c.utf8, Utf16ToUtf8(c.text)) << c.utf8;
    }
  }
  EXPECT_EQ("\xEF\xBF\xBD" "a", Utf16ToUtf8(u"\xD800" "a"));  // a lone surrogate
}

TEST(CodePageOfCharset, NamesWindowsCodePages) {
  const std::pair<std::string, std::optional<unsigned>> cases[] = {
      {"utf-8", 65001},       {"UTF8", 65001},        {"us-ascii", 20127},   {"Windows-1251", 1251},
      {"CP1250", 1250},       {"windows-1258", 1258}, {"windows-1259", {}},  {"cp12510", {}},
      {"ISO-8859-1", 28591},  {"iso-8859-5", 28595},  {"ISO-8859-15", 28605}, {"ISO-8859-12", {}},
      {"ISO-8859-", {}},      {"KOI8-R", 20866},      {"koi8-u", 21866},     {"IBM866", 866},
      {"Shift_JIS", 932},     {"GB2312", 936},        {"Big5", 950},         {"EUC-KR", 949},
      {"", {}},               {"X-UNKNOWN", {}},
  };
  for (const auto& [name, page] : cases) EXPECT_EQ(page, CodePageOfCharset(name)) << name;
}

TEST(TextAsUtf8, ReadsTheNamedCodePageOrElseUtf8OrElseTheUsers) {
  const FakeCodePages western(1252), russian(1251);
  const struct {
    std::string bytes;
    std::optional<unsigned> codePage;
    const CodePages& pages;
    std::string utf8;
  } cases[] = {
      {"Jos\xC3\xA9", std::nullopt, russian, "Jos\xC3\xA9"},      // well-formed UTF-8
      {"Jos\xE9", std::nullopt, western, "Jos\xC3\xA9"},          // else the user's page
      {"\xC8\xE2\xE0\xED", std::nullopt, russian, "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"},
      {"\xC8\xE2\xE0\xED", 1251, western, "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"},  // the page named
      {"Jos\xC3\xA9", 1252, russian, "Jos\xC3\x83\xC2\xA9"},      // named, though it looks like UTF-8
      {"Jos\xE9", kUtf8CodePage, western, "Jos\xEF\xBF\xBD"},     // UTF-8 named, stray byte marked
      {"Jos\xE9", 20866, western, "Jos\xC3\xA9"},                 // a page the system lacks
  };
  for (const auto& c : cases) EXPECT_EQ(c.utf8, TextAsUtf8(c.bytes, c.codePage, c.pages)) << c.bytes;
}

}  // namespace
}  // namespace tonvero
