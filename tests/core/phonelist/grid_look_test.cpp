#include "core/phonelist/grid_look.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvero {
namespace {

constexpr CellLook U = CellLook::kUsual, S = CellLook::kSortTitle, B = CellLook::kBlank,
                   T = CellLook::kTeal;

struct LookCase {
  const char* name;
  int row;
  int selectedRow;
  int sortField;
  std::vector<CellLook> columns;  // columns 0..4
};

TEST(LookOf, MarksTheSortTitleAndGroupsOnePersonsRows) {
  const std::vector<Record> list = {
      {"ANN", "LEE", "111", "HOME"},   // row 1
      {"ANN", "LEE", "222", "HOME"},   // row 2: same names and remarks
      {"ANN", "LEE", "333", "WORK"},   // row 3: same names, other remarks
      {"ANN", "LEX", "444", "WORK"},   // row 4: other last name
      {"BOB", "LEX", "444", "WORK"},   // row 5: other first name
      {"BOB", "LEX", "444", "WORK"},   // row 6: a twin of row 5
  };
  const std::vector<LookCase> cases = {
      {"title row by first name", 0, 1, 1, {U, S, U, U, U}},
      {"title row by remarks", 0, 1, 4, {U, U, U, U, S}},
      {"first record has no row above", 1, 2, 1, {U, U, U, U, U}},
      {"same names and remarks", 2, 1, 1, {U, B, B, T, B}},
      {"same names, other remarks", 3, 1, 1, {U, B, B, T, T}},
      {"selected: blanks stay, no teal", 3, 3, 1, {U, B, B, U, U}},
      {"selected with same remarks", 2, 2, 1, {U, B, B, U, B}},
      {"other last name", 4, 1, 1, {U, U, U, U, U}},
      {"other first name", 5, 1, 1, {U, U, U, U, U}},
      {"a twin shows as blanks", 6, 1, 2, {U, B, B, T, B}},
      {"past the last record", 7, 1, 1, {U, U, U, U, U}},
  };
  for (const LookCase& c : cases) {
    for (int column = 0; column <= kRecordFields; ++column) {
      EXPECT_EQ(c.columns[column], LookOf(list, c.row, column, c.selectedRow, c.sortField))
          << c.name << ", column " << column;
    }
  }
}

}  // namespace
}  // namespace tonvero
