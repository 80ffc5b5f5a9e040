#include "core/phonelist/search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/common/text.h"
#include "core/phonelist/sort.h"
#include "phonelist/reference.h"

namespace tonvero {
namespace {

std::vector<Record> ByLastName(const std::vector<std::string>& lastNames) {
  std::vector<Record> records;
  for (const std::string& last : lastNames) records.push_back({"A", last, " ", " "});
  return records;
}

struct SearchCase {
  std::string text;
  int expected;
};

TEST(FindSearchRow, FirstRecordNotBelowTheTextOrTheLast) {
  const std::vector<Record> list = ByLastName({" ", "ADAMS", "SMITH", "SMITH", "SMITHSON", "SNOW"});
  const std::vector<SearchCase> cases = {
      {"", 0},      {"A", 1},        {"ADAMS", 1},     {"ADAMSA", 2}, {"S", 2},
      {"SM", 2},    {"SMITH", 2},    {"SMITHS", 4},    {"SMZ", 5},    {"SN", 5},
      {"T", 5},     {"\xE9", 5},     {"!", 1},         {" ", 0},      {"  ", 1},
  };
  for (const SearchCase& c : cases) EXPECT_EQ(c.expected, FindSearchRow(list, 2, c.text)) << c.text;
  EXPECT_EQ(-1, FindSearchRow({}, 2, "A"));
  EXPECT_EQ(0, FindSearchRow(ByLastName({"B"}), 2, "Z"));
}

TEST(FindSearchRow, AgreesWithTryingEveryRecordOnSortedLists) {
  std::mt19937 random(8);
  const std::string alphabet = std::string("AB ", 3) + '\x01' + std::string(1, '\0');
  auto value = [&](int longest) {
    std::string text(random() % (longest + 1), ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 2000; ++round) {
    std::vector<Record> records(random() % 30);
    for (Record& record : records) {
      for (int column = 1; column <= kRecordFields; ++column) FieldOf(record, column) = value(3);
    }
    const int sortField = 1 + static_cast<int>(random() % 4);
    SortRecords(records, sortField, 0);
    const std::string text = value(4);
    ASSERT_EQ(reference::LinearSearch(records, sortField, text), FindSearchRow(records, sortField, text))
        << "round " << round;
  }
}

struct TypingCase {
  const char* typed;
  std::string text;
};

TEST(SearchText, CollectsTypedCharacters) {
  const std::vector<TypingCase> cases = {
      {"sm", "SM"},
      {"Smi", "SMI"},
      {"SX\bM", "SM"},
      {"\b\bA", "A"},
      {"AB\b\b", ""},
      {"a\x01\x1B\tb", "AB"},
      {"j s", "J S"},
      {"\xE9t\x7F", "\xE9T"},
  };
  for (const TypingCase& c : cases) {
    SearchText search;
    for (const char* p = c.typed; *p; ++p) search.Type(*p);
    EXPECT_EQ(c.text, search.Text()) << c.typed;
  }
}

TEST(SearchText, TellsWhetherTheTextChanged) {
  SearchText search;
  EXPECT_FALSE(search.Type('\b'));
  EXPECT_FALSE(search.Type('\r'));
  EXPECT_TRUE(search.Type('a'));
  EXPECT_TRUE(search.Type('\b'));
  EXPECT_EQ("", search.Text());
  search.Type('x');
  search.Clear();
  EXPECT_EQ("", search.Text());
}

}  // namespace
}  // namespace tonvero
