#include "core/common/list_change.h"

#include <gtest/gtest.h>

#include "core/phonelist/phone_list.h"
#include "core/procedures/procedure_list.h"  // Procedure

namespace tonvero {
namespace {

template <class Item>
struct Row { ChangeKind kind; Item before, after; bool fileChanged; std::vector<Item> saved; bool applied; };

// Applied to the file as last read, a change does what it did in memory; to
// the file another program left (first item edited, second deleted, one
// added), that program's work stays and the change applies where certain.
template <class Item>
void Check(const std::vector<Item>& read, const std::vector<Item>& otherWrote, const std::vector<Row<Item>>& rows,
           size_t fixed = 0) {
  for (const Row<Item>& row : rows) {
    std::vector<Item> file = row.fileChanged ? otherWrote : read;
    EXPECT_EQ(row.applied, ApplyAgain(file, ListChange<Item>{row.kind, row.before, row.after}, fixed));
    EXPECT_EQ(row.saved, file) << static_cast<int>(row.kind) << (row.fileChanged ? " changed" : "");
  }
}

constexpr auto insert = ChangeKind::kInsert, edit = ChangeKind::kEdit, del = ChangeKind::kDelete;
Record R(const char* first) { return {first, "LEE", "1", " "}; }

TEST(ApplyAgain, RecordsPerKindOfChangeAndFile) {
  Check<Record>({R("ANN"), R("BEN"), R("CY")}, {R("ANNE"), R("CY"), R("DORA")},
                {{insert, {}, R("EVA"), false, {R("ANN"), R("BEN"), R("CY"), R("EVA")}, true},
                 {insert, {}, R("EVA"), true, {R("ANNE"), R("CY"), R("DORA"), R("EVA")}, true},
                 {edit, R("BEN"), R("BO"), false, {R("ANN"), R("BO"), R("CY")}, true},
                 {edit, R("ANN"), R("AL"), true, {R("ANNE"), R("CY"), R("DORA")}, false},
                 {edit, R("CY"), R("KY"), true, {R("ANNE"), R("KY"), R("DORA")}, true},
                 {del, R("BEN"), {}, false, {R("ANN"), R("CY")}, true},
                 {del, R("BEN"), {}, true, {R("ANNE"), R("CY"), R("DORA")}, false}});
}

// A procedure goes in after the one it followed, or last when that one is
// gone; DEFAULT heads the list and is never edited or deleted, also when a
// user procedure is its twin.
TEST(ApplyAgain, ProceduresPerKindOfChangeAndFile) {
  const Procedure d{"DEFAULT", "@"}, home{"HOME", "@"}, work{"WORK", "9@"}, fresh{"NEW", "@ (New)"};
  const Procedure homeEdited{"HOME", "1@"}, card{"CARD", "P@"};
  Check<Procedure>({d, home, work, d}, {d, homeEdited, d, card},
                   {{insert, home, fresh, false, {d, home, fresh, work, d}, true},
                    {insert, work, fresh, true, {d, homeEdited, d, card, fresh}, true},
                    {edit, work, {"WORK", "8@"}, false, {d, home, {"WORK", "8@"}, d}, true},
                    {edit, home, {"HOME", "0@"}, true, {d, homeEdited, d, card}, false},
                    {del, work, {}, false, {d, home, d}, true},
                    {del, d, {}, true, {d, homeEdited, card}, true}},
                   1);
}

}  // namespace
}  // namespace tonvero
