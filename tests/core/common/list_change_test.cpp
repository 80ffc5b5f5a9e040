#include "core/common/list_change.h"

#include <gtest/gtest.h>

#include "core/phonelist/phone_list.h"
#include "core/procedures/procedure_list.h"

namespace tonvero {
namespace {

template <class Item>
struct Row {
  ChangeKind kind;
  Item before, after;
  bool fileChanged;
  std::vector<Item> saved;
  bool applied;
};

// The change applied to the file read again: as last read, it gives what
// the change did in memory; as another program left it (first item edited,
// second deleted, one inserted at the end), that program's work stays and
// the change applies only where that is certain.
template <class Item, class Apply>
void Check(const std::vector<Item>& read, const std::vector<Item>& otherWrote, const std::vector<Row<Item>>& rows,
           Apply apply) {
  for (const Row<Item>& row : rows) {
    std::vector<Item> file = row.fileChanged ? otherWrote : read;
    EXPECT_EQ(row.applied, apply(file, ListChange<Item>{row.kind, row.before, row.after}));
    EXPECT_EQ(row.saved, file) << static_cast<int>(row.kind) << (row.fileChanged ? " changed" : "");
  }
}

Record R(const char* first) { return {first, "LEE", "1", " "}; }

TEST(ApplyAgain, RecordsPerKindOfChangeAndFile) {
  const auto insert = ChangeKind::kInsert, edit = ChangeKind::kEdit, del = ChangeKind::kDelete;
  Check<Record>({R("ANN"), R("BEN"), R("CY")}, {R("ANNE"), R("CY"), R("DORA")},
                {{insert, {}, R("EVA"), false, {R("ANN"), R("BEN"), R("CY"), R("EVA")}, true},
                 {insert, {}, R("EVA"), true, {R("ANNE"), R("CY"), R("DORA"), R("EVA")}, true},
                 {edit, R("BEN"), R("BO"), false, {R("ANN"), R("BO"), R("CY")}, true},
                 {edit, R("ANN"), R("AL"), true, {R("ANNE"), R("CY"), R("DORA")}, false},
                 {edit, R("CY"), R("KY"), true, {R("ANNE"), R("KY"), R("DORA")}, true},
                 {del, R("BEN"), {}, false, {R("ANN"), R("CY")}, true},
                 {del, R("BEN"), {}, true, {R("ANNE"), R("CY"), R("DORA")}, false}},
                [](std::vector<Record>& file, const ListChange<Record>& c) { return ApplyAgain(file, c); });
}

// A procedure goes in after the one it followed, or last when that one is
// gone; DEFAULT heads the list and is never edited or deleted, also when a
// user procedure is its twin.
TEST(ApplyAgain, ProceduresPerKindOfChangeAndFile) {
  const auto insert = ChangeKind::kInsert, edit = ChangeKind::kEdit, del = ChangeKind::kDelete;
  const Procedure d{"DEFAULT", "@"}, home{"HOME", "@"}, work{"WORK", "9@"}, fresh{"NEW", "@ (New)"};
  const Procedure homeEdited{"HOME", "1@"}, card{"CARD", "P@"};
  Check<Procedure>({d, home, work, d}, {d, homeEdited, d, card},
                   {{insert, home, fresh, false, {d, home, fresh, work, d}, true},
                    {insert, work, fresh, true, {d, homeEdited, d, card, fresh}, true},
                    {edit, work, {"WORK", "8@"}, false, {d, home, {"WORK", "8@"}, d}, true},
                    {edit, home, {"HOME", "0@"}, true, {d, homeEdited, d, card}, false},
                    {del, work, {}, false, {d, home, d}, true},
                    {del, d, {}, true, {d, homeEdited, card}, true}},
                   [](std::vector<Procedure>& file, const ListChange<Procedure>& c) {
                     std::string text;  // DEFAULT is never in the file
                     for (size_t i = 1; i < file.size(); ++i) text += ProcedureLine(file[i]) + "\r\n";
                     ProcedureList list = ProcedureList::FromFile(text);
                     const bool applied = list.ApplyAgain(c);
                     file = list.Entries();
                     return applied;
                   });
}

}  // namespace
}  // namespace tonvero
