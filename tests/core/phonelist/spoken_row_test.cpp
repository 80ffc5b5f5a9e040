#include "core/phonelist/spoken_row.h"

#include <gtest/gtest.h>

namespace tonvero {
namespace {

struct SpokenCase {
  RowCells cells;
  const char* row;
  const char* header;
};

// Cells come as the list keeps them: a blank field is " ", titles keep the
// spaces of the file's header.
TEST(SpokenRow, JoinsTheFieldsAndLeavesBlankOnesOut) {
  const SpokenCase cases[] = {
      {{"JOHN", "DOE", "905-555-1234", "CELL"}, "JOHN DOE, 905-555-1234, CELL",
       "JOHN, DOE, 905-555-1234, CELL"},
      {{" ", "DOE", "905-555-1234", " "}, "DOE, 905-555-1234", "DOE, 905-555-1234"},
      {{"JOHN", " ", " ", "CELL"}, "JOHN, CELL", "JOHN, CELL"},
      {{" ", " ", "111", " "}, "111", "111"},
      {{" ", " ", " ", " "}, "", ""},
      {{"  FIRST NAME ", "LAST NAME", "PHONE  ", " REMARKS"}, "FIRST NAME LAST NAME, PHONE, REMARKS",
       "FIRST NAME, LAST NAME, PHONE, REMARKS"},
  };
  for (const SpokenCase& c : cases) {
    EXPECT_EQ(c.row, SpokenRow(c.cells)) << c.row;
    EXPECT_EQ(c.header, SpokenHeader(c.cells)) << c.header;
  }
}

}  // namespace
}  // namespace tonvero
