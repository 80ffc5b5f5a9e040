#include "core/common/list_change.h"

#include <gtest/gtest.h>

#include "core/phonelist/phone_list.h"
#include "core/procedures/procedure_list.h"

namespace tonvero {
namespace {

Record R(const char* first) { return {first, "LEE", "111", " "}; }

// What was last read or written, and what another program left in the file
// since: ANN edited to ANNE, BEN deleted, DORA inserted.
const std::vector<Record> kRead = {R("ANN"), R("BEN"), R("CARL")};
const std::vector<Record> kOtherWrote = {R("ANNE"), R("CARL"), R("DORA")};

// The rule applied to the file as read again: unchanged, it gives what the
// change did in memory; changed, it keeps the other program's work and
// applies the change only where that is certain.
TEST(ApplyAgain, RecordsPerKindOfChangeAndFile) {
  const struct {
    ChangeKind kind;
    Record before, after;
    bool fileChanged;
    std::vector<Record> saved;
    bool applied;
  } rows[] = {
      {ChangeKind::kInsert, {}, R("EVA"), false, {R("ANN"), R("BEN"), R("CARL"), R("EVA")}, true},
      {ChangeKind::kInsert, {}, R("EVA"), true, {R("ANNE"), R("CARL"), R("DORA"), R("EVA")}, true},
      {ChangeKind::kEdit, R("BEN"), R("BENNY"), false, {R("ANN"), R("BENNY"), R("CARL")}, true},
      {ChangeKind::kEdit, R("BEN"), R("BENNY"), true, kOtherWrote, false},   // deleted meanwhile
      {ChangeKind::kEdit, R("ANN"), R("ANNA"), true, kOtherWrote, false},    // edited meanwhile
      {ChangeKind::kEdit, R("CARL"), R("KARL"), true, {R("ANNE"), R("KARL"), R("DORA")}, true},
      {ChangeKind::kDelete, R("BEN"), {}, false, {R("ANN"), R("CARL")}, true},
      {ChangeKind::kDelete, R("BEN"), {}, true, kOtherWrote, false},
      {ChangeKind::kDelete, R("CARL"), {}, true, {R("ANNE"), R("DORA")}, true},
  };
  for (const auto& row : rows) {
    std::vector<Record> file = row.fileChanged ? kOtherWrote : kRead;
    const bool applied = ApplyAgain(file, ListChange<Record>{row.kind, row.before, row.after});
    EXPECT_EQ(row.applied, applied) << RecordSummary(row.after) << " / " << RecordSummary(row.before);
    EXPECT_EQ(row.saved, file) << RecordSummary(row.after) << " / " << RecordSummary(row.before);
  }
}

Procedure P(const char* name, const char* command = "@") { return {name, command}; }
const Procedure kDefault{"DEFAULT", "@"};

std::vector<Procedure> Read(const char* file) { return ProcedureList::FromFile(file).Entries(); }

// Procedures keep their order: an insertion goes after the procedure it
// followed, or last when that one is gone; DEFAULT is never touched, not
// even by a user procedure of the same name and text.
TEST(ApplyAgain, ProceduresPerKindOfChangeAndFile) {
  const char* read = "\"HOME\",\"@\"\r\n\"WORK\",\"9,@\"\r\n\"DEFAULT\",\"@\"\r\n";
  const char* otherWrote = "\"HOME\",\"1@\"\r\n\"DEFAULT\",\"@\"\r\n\"CARD\",\"P@\"\r\n";
  const struct {
    ChangeKind kind;
    Procedure before, after;
    bool fileChanged;
    std::vector<Procedure> saved;
    bool applied;
  } rows[] = {
      {ChangeKind::kInsert, P("HOME"), P("NEW", "@ (New)"), false,
       {kDefault, P("HOME"), P("NEW", "@ (New)"), P("WORK", "9,@"), kDefault}, true},
      {ChangeKind::kInsert, kDefault, P("NEW", "@ (New)"), true,
       {kDefault, P("NEW", "@ (New)"), P("HOME", "1@"), kDefault, P("CARD", "P@")}, true},
      {ChangeKind::kInsert, P("WORK", "9,@"), P("NEW", "@ (New)"), true,
       {kDefault, P("HOME", "1@"), kDefault, P("CARD", "P@"), P("NEW", "@ (New)")}, true},
      {ChangeKind::kEdit, P("WORK", "9,@"), P("WORK", "8,@"), false,
       {kDefault, P("HOME"), P("WORK", "8,@"), kDefault}, true},
      {ChangeKind::kEdit, P("HOME"), P("HOME", "0@"), true, Read(otherWrote), false},
      {ChangeKind::kEdit, kDefault, P("DEFAULT", "0@"), true,
       {kDefault, P("HOME", "1@"), P("DEFAULT", "0@"), P("CARD", "P@")}, true},
      {ChangeKind::kDelete, P("WORK", "9,@"), {}, false, {kDefault, P("HOME"), kDefault}, true},
      {ChangeKind::kDelete, P("WORK", "9,@"), {}, true, Read(otherWrote), false},
      {ChangeKind::kDelete, kDefault, {}, true, {kDefault, P("HOME", "1@"), P("CARD", "P@")}, true},
  };
  for (const auto& row : rows) {
    ProcedureList list = ProcedureList::FromFile(row.fileChanged ? otherWrote : read);
    const bool applied = list.ApplyAgain({row.kind, row.before, row.after});
    const std::string what = ProcedureSummary(row.before) + " -> " + ProcedureSummary(row.after);
    EXPECT_EQ(row.applied, applied) << what;
    EXPECT_EQ(row.saved, list.Entries()) << what;
  }
}

// A merge's insertions, found by comparing lists, land where they stood
// when applied again in order, also after one another.
TEST(ApplyAgain, InsertionsSinceKeepTheirPlaces) {
  const std::vector<Procedure> stored = {kDefault, P("HOME"), P("WORK")};
  const std::vector<Procedure> merged = {kDefault, P("HOME"), P("A"), P("B"), P("WORK"), P("WORK")};
  const std::vector<ListChange<Procedure>> insertions = InsertionsSince(stored, merged);
  ASSERT_EQ(3u, insertions.size());
  std::vector<Procedure> file = {kDefault, P("CARD"), P("HOME")};
  for (const auto& insertion : insertions) EXPECT_TRUE(ApplyAgain(file, insertion));
  EXPECT_EQ((std::vector<Procedure>{kDefault, P("CARD"), P("HOME"), P("A"), P("B"), P("WORK")}), file);
}

TEST(ReadAgainNotice, NamesEachChangeNotApplied) {
  EXPECT_EQ("The phone list had been changed by another program and was read again.",
            ReadAgainNotice("phone list", "record", {}));
  EXPECT_EQ(
      "The phone list had been changed by another program and was read again.\n"
      "Not applied, as the record is no longer there:\nEdit of BEN LEE 111",
      ReadAgainNotice("phone list", "record", {DescribeChange(ChangeKind::kEdit, RecordSummary(R("BEN")))}));
}

}  // namespace
}  // namespace tonvero
