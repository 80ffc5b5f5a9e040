#include "core/common/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvero {
namespace {

struct FieldCase {
  std::string line;
  int n;
  std::string expected;
};

TEST(ExtractField, SplitsQuotedAndUnquotedLines) {
  const std::vector<FieldCase> cases = {
      // the sample record as the phone-list file holds it
      {R"("MAREL","VOSSIK"," ","VELMORA")", 1, "MAREL"},
      {R"("MAREL","VOSSIK"," ","VELMORA")", 2, "VOSSIK"},
      {R"("MAREL","VOSSIK"," ","VELMORA")", 3, " "},
      {R"("MAREL","VOSSIK"," ","VELMORA")", 4, "VELMORA"},
      {R"("MAREL","VOSSIK"," ","VELMORA")", 5, ""},
      {R"("MAREL","VOSSIK"," ","VELMORA")", 0, ""},
      {R"("MAREL","VOSSIK"," ","VELMORA")", -1, ""},
      // a comma inside quotes belongs to the field
      {R"("SMITH, JR","X")", 1, "SMITH, JR"},
      {R"("SMITH, JR","X")", 2, "X"},
      // an unmatched quote takes the rest of the line
      {R"("A,B)", 1, "A,B"},
      {R"("A,B)", 2, ""},
      {"", 0, ""},
      {"", 1, ""},
      {"", 2, ""},
      // quotes only group; doubled quotes vanish; outer spaces stay
      {R"(A"B"C)", 1, "ABC"},
      {R"("A""B",C)", 1, "AB"},
      {R"("A" ,"B")", 1, "A "},
      {"a,b", 1, "a"},
      {"a,b", 2, "b"},
      {",,x", 3, "x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractField(c.line, c.n), c.expected) << c.line << " field " << c.n;
  }
}

// Splitting a line in one pass gives each field as taking it alone does.
TEST(ExtractFields, AgreesWithExtractFieldOnEveryField) {
  const std::string lines[] = {R"("MAREL","VOSSIK"," ","VELMORA")", R"("SMITH, JR","X")", R"("A,B)",
                               "", R"(A"B"C,"A""B",C)", ",,x,,", "a,b,c,d,e,f,g", R"(",")"};
  for (const std::string& line : lines) {
    for (int count = 0; count <= 7; ++count) {
      const std::vector<std::string> fields = ExtractFields(line, count);
      ASSERT_EQ(static_cast<size_t>(count), fields.size()) << line;
      for (int n = 1; n <= count; ++n) EXPECT_EQ(ExtractField(line, n), fields[n - 1]) << line << " field " << n;
    }
  }
}

TEST(FieldText, UpperAsciiChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperAscii("abc-xyz 1\xE9"), "ABC-XYZ 1\xE9");
  // the bytes just outside a..z stay as they are
  EXPECT_EQ(UpperAscii("`{@[AZ"), "`{@[AZ");
  EXPECT_EQ(UpperAscii(""), "");
}

TEST(FieldText, TrimFieldRemovesOnlyOuterSpacesAndNeverReturnsEmpty) {
  EXPECT_EQ(TrimField("  PAUL  "), "PAUL");
  EXPECT_EQ(TrimField("A B"), "A B");
  EXPECT_EQ(TrimField(""), " ");
  EXPECT_EQ(TrimField(" "), " ");
  EXPECT_EQ(TrimField("    "), " ");
  EXPECT_EQ(TrimField("\tX "), "\tX");
  EXPECT_EQ(TrimField(" X\t"), "X\t");
}

TEST(FieldText, TrimSpacesLeavesNothingOfABlankText) {
  EXPECT_EQ(TrimSpaces("  Dialer Screen "), "Dialer Screen");
  EXPECT_EQ(TrimSpaces("    "), "");
  EXPECT_EQ(TrimSpaces(""), "");
}

TEST(FieldText, QuotesToApostrophesReplacesEveryDoubleQuote) {
  EXPECT_EQ(QuotesToApostrophes(R"(CALL "BOB" AT 5)"), "CALL 'BOB' AT 5");
  EXPECT_EQ(QuotesToApostrophes("NO QUOTES"), "NO QUOTES");
}

TEST(FieldCompare, CompareBytesOrdersByUnsignedBytesThenLength) {
  EXPECT_EQ(CompareBytes("AB", "ABC"), -1);
  EXPECT_EQ(CompareBytes("ABC", "AB"), 1);
  EXPECT_EQ(CompareBytes("", ""), 0);
  EXPECT_EQ(CompareBytes("", "A"), -1);
  EXPECT_EQ(CompareBytes("ABC", "ABC"), 0);
  EXPECT_EQ(CompareBytes("b", "B"), 1);
  EXPECT_EQ(CompareBytes("\x01", " "), -1);
  // a byte above 0x7F sorts after every ASCII byte
  EXPECT_EQ(CompareBytes("\xE9", "z"), 1);
  EXPECT_EQ(CompareBytes("A\x80", "A\x7F"), 1);
  // the first difference decides, even when the other text is longer
  EXPECT_EQ(CompareBytes("B", "AZZ"), 1);
}

TEST(StripExtension, CutsAtTheFileNamesFirstDot) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {R"(C:\Users\john.smith\Documents\home.rbd)", R"(C:\Users\john.smith\Documents\home)"},
      {"HOME.RBD", "HOME"},
      {".RBD", ".RBD"},
      {R"(C:\LISTS\HOME.RBD)", R"(C:\LISTS\HOME)"},
      {R"(C:\MY.DIR\HOME.RBD)", R"(C:\MY.DIR\HOME)"},
      {R"(C:\LISTS\.RBD)", R"(C:\LISTS\.RBD)"},
      {"", ""},
      {"HOME", "HOME"},
      {R"(C:\MY.DIR\HOME)", R"(C:\MY.DIR\HOME)"},
      {"HOME.TAR.RBD", "HOME"},
      {"lists.d/home.rbd", "lists.d/home"},
      {"C:HOME.RBD", "C:HOME"},
      {"H.", "H"},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(StripExtension(path), expected) << path;
  }
}

}  // namespace
}  // namespace tonvero
