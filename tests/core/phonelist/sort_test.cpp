#include "core/phonelist/sort.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/common/text.h"
#include "phonelist/reference.h"

namespace tonvero {
namespace {

// "A|B|C|D" as a record.
Record R(const std::string& fields) {
  Record record;
  size_t start = 0;
  for (int column = 1; column <= kRecordFields; ++column) {
    const size_t bar = fields.find('|', start);
    FieldOf(record, column) = fields.substr(start, bar - start);
    start = bar == std::string::npos ? fields.size() : bar + 1;
  }
  return record;
}

std::vector<Record> Rs(const std::vector<std::string>& rows) {
  std::vector<Record> records;
  for (const std::string& row : rows) records.push_back(R(row));
  return records;
}

struct OrderCase {
  const char* name;
  int sortField;
  std::vector<std::string> input;
  std::vector<std::string> sorted;
};

TEST(SortRecords, OrdersByTheChosenColumnThenTheOthers) {
  const std::vector<OrderCase> cases = {
      {"first name, ties by last name, phone, remarks", 1,
       {"BOB|B|2|X", "ANN|Z|1|X", "BOB|A|9|X", "BOB|B|1|Y", "BOB|B|1|X"},
       {"ANN|Z|1|X", "BOB|A|9|X", "BOB|B|1|X", "BOB|B|1|Y", "BOB|B|2|X"}},
      {"a prefix sorts first whatever follows", 1,
       {"SMITHSON|A| | ", "SMITH|Z| | "}, {"SMITH|Z| | ", "SMITHSON|A| | "}},
      {"last name, then first name, phone, remarks", 2,
       {"ZED|LEE|1| ", "ANN|LEE|2| ", "ANN|KIM|3| ", "ANN|LEE|1|B", "ANN|LEE|1|A"},
       {"ANN|KIM|3| ", "ANN|LEE|1|A", "ANN|LEE|1|B", "ANN|LEE|2| ", "ZED|LEE|1| "}},
      {"phone: empty first, digits before letters", 3,
       {"A|A|CALL| ", "B|B|555| ", "C|C| | ", "D|D|(0)| ", "E|E|+1| "},
       {"C|C| | ", "D|D|(0)| ", "E|E|+1| ", "B|B|555| ", "A|A|CALL| "}},
      {"phone ties by first name, last name, remarks", 3,
       {"B|A|1|Z", "A|B|1|Z", "A|A|1|Z", "A|A|1|Y"},
       {"A|A|1|Y", "A|A|1|Z", "A|B|1|Z", "B|A|1|Z"}},
      {"remarks, then first name, last name, phone", 4,
       {"B|B|1|WORK", "A|C|2|HOME", "A|B|3|HOME", "C|A|1| "},
       {"C|A|1| ", "A|B|3|HOME", "A|C|2|HOME", "B|B|1|WORK"}},
      {"bytes compare unsigned", 1, {"\xE9|A| | ", "Z|A| | ", "\x01|A| | "},
       {"\x01|A| | ", "Z|A| | ", "\xE9|A| | "}},
      {"one record", 2, {"X|Y|Z|W"}, {"X|Y|Z|W"}},
      {"no record", 1, {}, {}},
  };
  for (const OrderCase& c : cases) {
    std::vector<Record> records = Rs(c.input);
    SortRecords(records, c.sortField, 0);
    EXPECT_EQ(Rs(c.sorted), records) << c.name;
  }
}

struct FollowCase {
  const char* name;
  int sortField;
  std::vector<std::string> input;
  int selected;
  int expected;
};

TEST(SortRecords, ReturnsWhereTheSelectedRecordWent) {
  const std::vector<std::string> people = {"CAT|X|3| ", "ANN|Z|1| ", "BOB|Y|2| "};
  const std::vector<FollowCase> cases = {
      {"first to last", 1, people, 0, 2},
      {"middle to first", 1, people, 1, 0},
      {"last to middle", 1, people, 2, 1},
      {"by last name the first stays first", 2, people, 0, 0},
      {"by last name the middle goes last", 2, people, 1, 2},
      {"unmoved in sorted order", 1, {"A| | | ", "B| | | "}, 1, 1},
      {"no record selected in an empty list", 1, {}, -1, -1},
      {"nothing selected", 1, people, -1, -1},
      {"one record", 1, {"A| | | "}, 0, 0},
  };
  for (const FollowCase& c : cases) {
    std::vector<Record> records = Rs(c.input);
    EXPECT_EQ(c.expected, SortRecords(records, c.sortField, c.selected)) << c.name;
  }
}

// Few short values over few letters give many ties in every column and many
// twins; every other list holds bytes 0x00 and 0x01, which test the joined
// key at its edge.
TEST(SortRecords, AgreesWithSelectionSortOnRandomLists) {
  std::mt19937 random(20261208);
  const std::string lowBytes = std::string("AB 1", 4) + '\x01' + std::string(1, '\0');
  const std::string printable = "AB 1";
  std::string alphabet;
  auto value = [&] {
    std::string text(random() % 3, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 400; ++round) {
    alphabet = round % 2 ? lowBytes : printable;
    std::vector<Record> records(random() % 40);
    for (Record& record : records) {
      for (int column = 1; column <= kRecordFields; ++column) FieldOf(record, column) = value();
    }
    const int sortField = 1 + static_cast<int>(random() % 4);
    const int selected = records.empty() ? -1 : static_cast<int>(random() % records.size());
    const std::vector<Record> original = records;
    std::vector<Record> expected = records;

    const int followed = SortRecords(records, sortField, selected);
    const int referenceFollowed = reference::SelectionSort(expected, sortField, selected);

    ASSERT_EQ(reference::SortKeyTexts(expected, sortField),
              reference::SortKeyTexts(records, sortField))
        << "round " << round;
    ASSERT_TRUE(std::is_permutation(records.begin(), records.end(), original.begin(), original.end()));
    if (selected < 0) {
      EXPECT_EQ(-1, followed);
      continue;
    }
    ASSERT_GE(followed, 0);
    ASSERT_LT(followed, static_cast<int>(records.size()));
    EXPECT_EQ(original[selected], records[followed]) << "round " << round;
    EXPECT_EQ(SortKeyText(expected[referenceFollowed], SortKeysFor(sortField)),
              SortKeyText(records[followed], SortKeysFor(sortField)));
  }
}

}  // namespace
}  // namespace tonvero
