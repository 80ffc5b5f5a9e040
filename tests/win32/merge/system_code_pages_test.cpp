#include "win32/merge/system_code_pages.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace tonvero {
namespace {

// Windows' own conversion, on the Western code page the test prefix has:
// capitals as the edit fields make them, the nearest letter for one the
// page lacks, "?" where there is none.
TEST(SystemCodePages, StoresNamesAsWindowsConvertsThem) {
  ASSERT_EQ(1252u, GetACP()) << "the table is for Windows-1252";
  const SystemCodePages pages;
  const struct {
    std::u16string text;
    std::string stored;
    bool whole;
  } cases[] = {
      {u"José Müller", "JOS\xC9 M\xDCLLER", true},
      {u"Françoise € ÿ", "FRAN\xC7OISE \x80 \x9F", true},
      {u"Łukasz", "LUKASZ", false},
      {u"Dvořák", "DVOR\xC1K", false},
      {u"Иван", "????", false},
      {u"", "", true},
  };
  for (const auto& c : cases) {
    const StoredText stored = pages.Store(c.text);
    EXPECT_EQ(c.stored, stored.text) << c.stored;
    EXPECT_EQ(c.whole, stored.whole) << c.stored;
  }
}

TEST(SystemCodePages, ReadsTheCodePagesWindowsHas) {
  const SystemCodePages pages;
  const struct {
    std::string bytes;
    unsigned codePage;
    std::optional<std::u16string> text;
  } cases[] = {
      {"\xC8\xE2\xE0\xED", 1251, u"Иван"},
      {"\xE9\xD7\xC1\xCE", 20866, u"Иван"},  // KOI8-R
      {"Jos\xE9", 28591, u"José"},           // ISO-8859-1
      {"Jos\xC3\xA9", 65001, u"José"},
      {"", 1251, u""},
      {"x", 12345, std::nullopt},
      {"", 12345, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, pages.Decode(c.bytes, c.codePage)) << c.codePage;
  EXPECT_EQ(1252u, pages.UserCodePage());
}

}  // namespace
}  // namespace tonvero
