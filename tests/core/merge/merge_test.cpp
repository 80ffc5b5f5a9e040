#include "core/merge/merge.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/app/io_error.h"
#include "../common/fake_code_pages.h"

namespace tonvero {
namespace {

using Fields = std::array<std::string, kRecordFields>;
constexpr Fields kAsOffered = {"\x01"};  // script: accept the record dialog unchanged

// A program around the merge whose files live in a map and whose user
// follows a script. Every question, offer, save and write is logged.
class ScriptedHost : public MergeHost {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> readOnly;  // paths that can be neither created nor written
  std::set<std::string> full;      // paths on a full disk
  std::optional<IoError> proceduresUnread, phoneListUnread;
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> names;
  std::deque<std::optional<Fields>> edits;
  std::vector<std::string> log;
  std::vector<std::string> savedProcedureFiles;  // every current ".dp" written, in order
  ProcedureList procedures;
  std::vector<Record> records;

  bool AskQuestion(const std::string& question) override {
    log.push_back("ask " + question);
    if (answers.empty()) return Unscripted("question " + question), false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  std::optional<std::string> AskProcedureName(const std::string& name) override {
    log.push_back("offer " + name);
    if (names.empty()) return Unscripted("procedure " + name), std::nullopt;
    auto answer = names.front();
    names.pop_front();
    return answer;
  }
  // As the phone list's record dialog does: the edited record is added,
  // the list sorted and saved.
  bool InsertRecordDialog(const Record& record) override {
    log.push_back("offer " + RecordLine(record));
    if (edits.empty()) return Unscripted("record " + RecordLine(record)), false;
    auto answer = edits.front();
    edits.pop_front();
    if (!answer) return false;
    if (*answer == kAsOffered) answer = Fields{record.first, record.last, record.phone, record.remarks};
    records.push_back(RecordFromInput(*answer));
    SortPhoneList();
    SavePhoneList("CUR");
    return true;
  }
  void ShowNotice(const std::string& text) override { log.push_back("notice " + text); }
  void AddRecords(const std::vector<Record>& added) override {
    log.push_back("add " + std::to_string(added.size()));
    records.insert(records.end(), added.begin(), added.end());
  }
  std::optional<std::string> ReadFile(const std::string& path) override {
    auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool CreateFile(const std::string& path, const std::string& text) override {
    if (readOnly.count(path)) return false;
    log.push_back("create " + path);
    files[path] = text;
    return true;
  }
  void WriteFile(const std::string& path, const std::string& text) override {
    if (readOnly.count(path)) throw IoError(kAccessDenied);
    if (full.count(path)) throw IoError(112);
    log.push_back("write " + path);
    files[path] = text;
  }
  std::optional<IoError> ProceduresUnread() override { return proceduresUnread; }
  std::optional<IoError> PhoneListUnread() override { return phoneListUnread; }
  ProcedureList& Procedures() override { return procedures; }
  const std::vector<Record>& Records() override { return records; }
  void SaveProcedures(const std::string& dbBase) override {
    WriteFile(dbBase + ".dp", procedures.ToFile());
    if (dbBase == "CUR") savedProcedureFiles.push_back(procedures.ToFile());
  }
  void SavePhoneList(const std::string& dbBase) override {
    WriteFile(dbBase + ".rbd", EncodePhoneList(kTitles, records));
  }
  void SortPhoneList() override { log.push_back("sort"); }

  static constexpr Titles kTitles = {"FIRST NAME", "LAST NAME", "PHONE", "REMARKS"};

 private:
  static void Unscripted(const std::string& what) { ADD_FAILURE() << "unexpected " << what; }
};

std::vector<std::string> Offers(const ScriptedHost& host) {
  std::vector<std::string> offers;
  for (const auto& entry : host.log) {
    if (entry.rfind("offer ", 0) == 0) offers.push_back(entry.substr(6));
  }
  return offers;
}

std::vector<Procedure> UserProcedures(const ProcedureList& list) {
  return {list.Entries().begin() + 1, list.Entries().end()};
}

struct ProcedureCase {
  const char* what;
  std::string current;  // the current ".dp"
  std::string other;    // the other ".dp"
  std::deque<std::optional<std::string>> names;
  std::vector<std::string> offered;
  std::vector<Procedure> after;  // the current user procedures afterwards
};

TEST(MergeDialingProcedures, OffersWhatTheCurrentListLacks) {
  const std::string velmora = "\"VELMORA\",\"@\"\r\n";
  const std::vector<ProcedureCase> cases = {
      {"lower case and spaces still match", velmora, "\" velmora \",\"  @ \"\r\n", {}, {}, {{"VELMORA", "@"}}},
      {"a known name with another text is offered", velmora, "\"VELMORA\",\"9,@\"\r\n", {"VELMORA"},
       {"VELMORA"}, {{"VELMORA", "@"}, {"VELMORA", "9,@"}}},
      {"accepted under a changed name, with the other's text", "", "\"OFFICE\",\"0P@\"\r\n", {"WORK"},
       {"OFFICE"}, {{"WORK", "0P@"}}},
      {"Cancel inserts nothing", velmora, "\"OFFICE\",\"0P@\"\r\n", {std::nullopt}, {"OFFICE"},
       {{"VELMORA", "@"}}},
      {"an emptied name inserts nothing", velmora, "\"OFFICE\",\"0P@\"\r\n", {""}, {"OFFICE"},
       {{"VELMORA", "@"}}},
      {"DEFAULT of the other database is offered like any other", "", "\"DEFAULT\",\"@\"\r\n", {"DEFAULT"},
       {"DEFAULT"}, {{"DEFAULT", "@"}}},
      {"a line held twice: accepted unchanged, the second is found", "", "\"A\",\"1@\"\r\n\"A\",\"1@\"\r\n",
       {"A"}, {"A"}, {{"A", "1@"}}},
      {"a line held twice: renamed, the second is offered again", "", "\"A\",\"1@\"\r\n\"A\",\"1@\"\r\n",
       {"B", std::nullopt}, {"A", "A"}, {{"B", "1@"}}},
      {"empty lines and LF line ends: every line is read", "", "\"A\",\"1@\"\n\n\n\"B\",\"2@\"\r\"C\",\"3@\"",
       {"A", "B", "C"}, {"A", "B", "C"}, {{"A", "1@"}, {"B", "2@"}, {"C", "3@"}}},
  };
  for (const auto& c : cases) {
    ScriptedHost host;
    host.procedures = ProcedureList::FromFile(c.current);
    host.files["OTHER.dp"] = c.other;
    host.names = c.names;
    EXPECT_TRUE(MergeDialingProcedures(MergeKind::kAdd, "CUR", "OTHER", host)) << c.what;
    EXPECT_EQ(Offers(host), c.offered) << c.what;
    EXPECT_EQ(UserProcedures(host.procedures), c.after) << c.what;
    EXPECT_TRUE(host.names.empty()) << c.what << ": answers left over";
    EXPECT_EQ(host.files["OTHER.dp"], c.other) << c.what << ": the other file was changed";
  }
}

TEST(MergeDialingProcedures, NoSavedFileEverHoldsThePlaceholderText) {
  ScriptedHost host;
  host.files["OTHER.dp"] = "\"A\",\"1@\"\r\n\"B\",\"2@\"\r\n";
  host.names = {"A", "B"};
  MergeDialingProcedures(MergeKind::kAdd, "CUR", "OTHER", host);
  ASSERT_EQ(host.savedProcedureFiles.size(), 2u);
  EXPECT_EQ(host.savedProcedureFiles[0], "\"A\",\"1@\"\r\n");
  EXPECT_EQ(host.savedProcedureFiles[1], "\"A\",\"1@\"\r\n\"B\",\"2@\"\r\n");
}

struct RecordCase {
  const char* what;
  std::vector<Record> current;
  std::string other;  // the other ".rbd"
  std::deque<std::optional<Fields>> edits;
  std::vector<std::string> offered;
  std::vector<Record> after;
};

TEST(MergePhoneList, OffersWhatTheCurrentListLacks) {
  const std::string header = "\"F\",\"L\",\"P\",\"R\"\r\n";
  const Record ann{"ANN", "BAY", "123", " "};
  const std::vector<RecordCase> cases = {
      {"lower case and spaces still match", {ann}, header + "\" ann\",\"bay  \",\"123\",\"\"\r\n", {}, {}, {ann}},
      {"one field differing is offered", {ann}, header + "\"ANN\",\"BAY\",\"124\",\"\"\r\n", {kAsOffered},
       {"\"ANN\",\"BAY\",\"124\",\" \""}, {ann, {"ANN", "BAY", "124", " "}}},
      {"the record as edited, normalised", {}, header + "\"ANN\",\"BAY\",\"1\",\"\"\r\n",
       {Fields{" ann ", "bay", "1", "say \"hi\""}}, {"\"ANN\",\"BAY\",\"1\",\" \""},
       {{"ANN", "BAY", "1", "SAY 'HI'"}}},
      {"Cancel adds nothing", {ann}, header + "\"CY\",\"DOE\",\"9\",\"\"\r\n", {std::nullopt},
       {"\"CY\",\"DOE\",\"9\",\" \""}, {ann}},
      {"a line held twice: accepted unchanged, the second is found", {},
       header + "\"CY\",\"DOE\",\"9\",\"\"\r\n\"CY\",\"DOE\",\"9\",\"\"\r\n", {kAsOffered},
       {"\"CY\",\"DOE\",\"9\",\" \""}, {{"CY", "DOE", "9", " "}}},
      {"a line held twice: edited, the second is offered again", {},
       header + "\"CY\",\"DOE\",\"9\",\"\"\r\n\"CY\",\"DOE\",\"9\",\"\"\r\n",
       {Fields{"CY", "DOE", "8", ""}, std::nullopt}, {"\"CY\",\"DOE\",\"9\",\" \"", "\"CY\",\"DOE\",\"9\",\" \""},
       {{"CY", "DOE", "8", " "}}},
      {"the header alone offers nothing", {ann}, header, {}, {}, {ann}},
      {"empty lines and LF line ends: every record is read", {},
       header + "\"A\",\"1\",\"\",\"\"\n\n\"B\",\"2\",\"\",\"\"\n", {kAsOffered, kAsOffered},
       {"\"A\",\"1\",\" \",\" \"", "\"B\",\"2\",\" \",\" \""}, {{"A", "1", " ", " "}, {"B", "2", " ", " "}}},
  };
  for (const auto& c : cases) {
    ScriptedHost host;
    host.records = c.current;
    host.files["OTHER.rbd"] = c.other;
    host.edits = c.edits;
    EXPECT_TRUE(MergePhoneList(MergeKind::kAdd, "OTHER", host)) << c.what;
    EXPECT_EQ(Offers(host), c.offered) << c.what;
    EXPECT_EQ(host.records, c.after) << c.what;
    EXPECT_TRUE(host.edits.empty()) << c.what << ": answers left over";
    EXPECT_EQ(host.files["OTHER.rbd"], c.other) << c.what << ": the other file was changed";
  }
}

// The backups of the other database hold what it had, in normal form.
TEST(MergeDatabases, BackupsOfTheOtherDatabaseHoldItsLinesNormalised) {
  for (MergeKind kind : {MergeKind::kAdd, MergeKind::kSync}) {
    ScriptedHost host;
    host.files["OTHER.dp"] = "\" a \",\"1@\"\n\n\"b\",\"2@\",\"x\"\n";
    host.files["OTHER.rbd"] = "\"First\",\"Last\"\n\"ann\",\" bay\"\n\n\"cy\",\"doe\",\"9\",\"r\",\"extra\"\n";
    host.answers = {true, true};
    host.names = {std::nullopt, std::nullopt};
    host.edits = {std::nullopt, std::nullopt};
    MergeDatabases(kind, "CUR", "OTHER", host);
    EXPECT_EQ(host.files["OTHER.dpb"], "\"A\",\"1@\"\r\n\"B\",\"2@\"\r\n");
    EXPECT_EQ(host.files["OTHER.bak"],
              "\"First\",\"Last\"\r\n\"ANN\",\"BAY\",\" \",\" \"\r\n\"CY\",\"DOE\",\"9\",\"R\"\r\n");
  }
}

struct CommandCase {
  const char* what;
  MergeKind kind;
  std::deque<bool> answers;
  std::vector<std::string> log;  // questions, offers, saves and writes in order
};

TEST(MergeDatabases, QuestionsOffersAndWritesInOrder) {
  const std::vector<CommandCase> cases = {
      {"Add, Yes to both", MergeKind::kAdd, {true, true},
       {"ask Add Dialing Proc. Records ?", "write OTHER.dpb", "offer OFFICE", "write CUR.dp", "write CUR.dp",
        "ask Add Phone List Records ?", "write OTHER.bak", "offer \"CY\",\"DOE\",\"9\",\" \"", "sort", "write CUR.rbd",
        "sort", "write CUR.rbd"}},
      {"Sync, Yes to both", MergeKind::kSync, {true, true},
       {"ask Synchronize The Dialing Proc. List ?", "write OTHER.dpb", "offer OFFICE", "write CUR.dp",
        "write CUR.dp", "write OTHER.dp", "ask Synchronize The Phone List ?", "write OTHER.bak",
        "offer \"CY\",\"DOE\",\"9\",\" \"", "sort", "write CUR.rbd", "sort", "write CUR.rbd", "write OTHER.rbd"}},
      {"Sync, No then Yes: the phone list only", MergeKind::kSync, {false, true},
       {"ask Synchronize The Dialing Proc. List ?", "ask Synchronize The Phone List ?", "write OTHER.bak",
        "offer \"CY\",\"DOE\",\"9\",\" \"", "sort", "write CUR.rbd", "sort", "write CUR.rbd", "write OTHER.rbd"}},
      {"Add, Yes then No: the procedures only", MergeKind::kAdd, {true, false},
       {"ask Add Dialing Proc. Records ?", "write OTHER.dpb", "offer OFFICE", "write CUR.dp", "write CUR.dp",
        "ask Add Phone List Records ?"}},
  };
  for (const auto& c : cases) {
    ScriptedHost host;
    host.procedures = ProcedureList::FromFile("\"VELMORA\",\"@\"\r\n");
    host.records = {{"ANN", "BAY", "1", " "}};
    host.files["OTHER.dp"] = "\"VELMORA\",\"@\"\r\n\"OFFICE\",\"0P@\"\r\n";
    host.files["OTHER.rbd"] = "H\r\n\"ANN\",\"BAY\",\"1\",\" \"\r\n\"CY\",\"DOE\",\"9\",\" \"\r\n";
    host.answers = c.answers;
    host.names = {"OFFICE"};
    host.edits = {kAsOffered};
    const MergeResult result = MergeDatabases(c.kind, "CUR", "OTHER", host);
    EXPECT_EQ(host.log, c.log) << c.what;
    EXPECT_EQ(result.procedures, c.answers[0]) << c.what;
    EXPECT_EQ(result.phoneList, c.answers[1]) << c.what;
    if (c.kind == MergeKind::kSync && c.answers[1]) {
      EXPECT_EQ(host.files["OTHER.rbd"], host.files["CUR.rbd"]) << c.what;
    }
    if (c.kind == MergeKind::kSync && c.answers[0]) {
      EXPECT_EQ(host.files["OTHER.dp"], host.files["CUR.dp"]) << c.what;
    }
  }
}

TEST(MergeDatabases, ADatabaseThatDoesNotExistIsCreatedAndOfferedOnlyWhatTheCurrentLacks) {
  struct Case {
    const char* what;
    std::string currentDp;
    std::vector<Record> currentRecords;
    std::vector<std::string> offered;
  } cases[] = {
      {"the current database lacks both defaults", "\"HOME\",\"@\"\r\n", {{"ANN", "BAY", "1", " "}},
       {"VELMORA", "\"MAREL\",\"VOSSIK\",\" \",\"VELMORA\""}},
      {"the current database holds both", "\"VELMORA\",\"@\"\r\n", {{"MAREL", "VOSSIK", " ", "VELMORA"}}, {}},
  };
  for (const auto& c : cases) {
    ScriptedHost host;
    host.procedures = ProcedureList::FromFile(c.currentDp);
    host.records = c.currentRecords;
    host.answers = {true, true};
    host.names = {std::nullopt};
    host.edits = {std::nullopt};
    if (c.offered.empty()) host.names.clear(), host.edits.clear();
    MergeDatabases(MergeKind::kSync, "CUR", "NEW", host);
    EXPECT_EQ(Offers(host), c.offered) << c.what;
    EXPECT_EQ(host.log.front(), "ask Synchronize The Dialing Proc. List ?") << c.what;
    EXPECT_EQ(host.log[1], "create NEW.dp") << c.what;
    // After Sync the new database is a copy of the current one.
    EXPECT_EQ(host.files["NEW.dp"], host.files["CUR.dp"]) << c.what;
    EXPECT_EQ(host.files["NEW.rbd"], host.files["CUR.rbd"]) << c.what;
    EXPECT_EQ(host.files["NEW.dpb"], "\"VELMORA\",\"@\"\r\n") << c.what;
  }
}

// A read-only share lets "Add" go on without its backups; a full disk is a
// failure to report.
TEST(MergeDatabases, AddGoesOnOnlyWhenTheOtherDatabaseIsReadOnly) {
  for (bool readOnly : {true, false}) {
    ScriptedHost host;
    host.files["RO.dp"] = "\"OFFICE\",\"0P@\"\r\n";
    host.files["RO.rbd"] = "H\r\n\"CY\",\"DOE\",\"9\",\" \"\r\n";
    (readOnly ? host.readOnly : host.full) = {"RO.dp", "RO.dpb", "RO.rbd", "RO.bak"};
    host.answers = {true, true};
    host.names = {"OFFICE"};
    host.edits = {kAsOffered};
    if (!readOnly) {
      EXPECT_THROW(MergeDatabases(MergeKind::kAdd, "CUR", "RO", host), IoError);
      EXPECT_TRUE(Offers(host).empty());
      continue;
    }
    MergeDatabases(MergeKind::kAdd, "CUR", "RO", host);
    EXPECT_EQ(UserProcedures(host.procedures), (std::vector<Procedure>{{"OFFICE", "0P@"}}));
    EXPECT_EQ(host.records, (std::vector<Record>{{"CY", "DOE", "9", " "}}));
  }
}

// A current list whose file could not be read (another program held it)
// must not be merged, and above all not written over the other database.
TEST(MergeDatabases, AnUnreadCurrentListEndsTheCommandWritingNothing) {
  for (MergeKind kind : {MergeKind::kAdd, MergeKind::kSync}) {
    for (bool proceduresUnread : {true, false}) {
      ScriptedHost host;
      host.files["OTHER.dp"] = "\"OFFICE\",\"0P@\"\r\n";
      host.files["OTHER.rbd"] = "H\r\n\"CY\",\"DOE\",\"9\",\" \"\r\n";
      const auto before = host.files;
      (proceduresUnread ? host.proceduresUnread : host.phoneListUnread) = IoError(kAccessDenied);
      host.answers = {proceduresUnread, true};
      try {
        MergeDatabases(kind, "CUR", "OTHER", host);
        ADD_FAILURE() << "no failure reported";
      } catch (const IoError& failure) {
        EXPECT_STREQ(failure.what(), "File access denied");
      }
      EXPECT_EQ(host.files, before);
      EXPECT_TRUE(Offers(host).empty());
    }
  }
}

TEST(MergeDatabases, SyncStopsWhenTheOtherDatabaseCannotBeWritten) {
  ScriptedHost host;
  host.files["RO.dp"] = "\"OFFICE\",\"0P@\"\r\n";
  host.readOnly = {"RO.dpb"};
  host.answers = {true};
  EXPECT_THROW(MergeDatabases(MergeKind::kSync, "CUR", "RO", host), IoError);
  EXPECT_TRUE(Offers(host).empty());
  EXPECT_EQ(host.procedures.UserCount(), 0);
}

TEST(MergeDatabases, AMissingFileThatCannotBeCreatedMergesNothing) {
  for (MergeKind kind : {MergeKind::kAdd, MergeKind::kSync}) {
    ScriptedHost host;
    host.readOnly = {"RO.dp", "RO.dpb", "RO.rbd", "RO.bak"};
    EXPECT_FALSE(MergeDialingProcedures(kind, "CUR", "RO", host));
    EXPECT_FALSE(MergePhoneList(kind, "RO", host));
    EXPECT_TRUE(host.log.empty());
    host.answers = {true, true};
    if (kind == MergeKind::kSync) {
      // Sync's save to the other database then reports the failure.
      EXPECT_THROW(MergeDatabases(kind, "CUR", "RO", host), IoError);
    } else {
      const MergeResult result = MergeDatabases(kind, "CUR", "RO", host);
      EXPECT_FALSE(result.procedures);
      EXPECT_FALSE(result.phoneList);
    }
  }
}

}  // namespace
}  // namespace tonvero

namespace tonvero {
namespace {

// Contacts are offered as another database's records; the contact file is
// only read, and a damaged one is refused before anything is offered.
TEST(AddFromContacts, OffersTheNumbersTheListLacks) {
  const std::string card =
      "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Bay;Ann;;;\r\nTEL;TYPE=HOME:123\r\nTEL;TYPE=CELL:456\r\n"
      "END:VCARD\r\n";
  struct Case {
    const char* what;
    std::string file;
    bool unread;
    std::vector<std::string> offered;  // empty and `fails`: refused
    bool fails;
  } cases[] = {
      {"the number the list lacks", card, false, {"\"ANN\",\"BAY\",\"456\",\"CELL\""}, false},
      {"a damaged file", "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Bay;Ann\r\n", false, {}, true},
      {"a list that was not read", card, true, {}, true},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    host.records = {{"ANN", "BAY", "123", "HOME"}};
    host.files["C.vcf"] = c.file;
    if (c.unread) host.phoneListUnread = IoError(kAccessDenied);
    host.answers = {true, false};
    host.edits = {std::nullopt};
    if (c.fails) host.edits.clear(), host.answers = {true};
    try {
      AddFromContacts("CUR", "C.vcf", ContactFormat::kVCard, FakeCodePages(), host);
      EXPECT_FALSE(c.fails) << c.what;
    } catch (const std::exception&) {
      EXPECT_TRUE(c.fails) << c.what;
    }
    EXPECT_EQ(Offers(host), c.offered) << c.what;
    EXPECT_EQ(host.files["C.vcf"], c.file) << c.what;
    EXPECT_EQ(host.files.count("CUR.rbd"), c.fails ? 0u : 1u) << c.what;
  }
}

// One question for the whole file: Yes adds every new record with one sort
// and one save, then says what it did; No says which names were not stored
// whole and offers each record; a file that adds nothing says so.
TEST(AddFromContacts, AsksOnceForTheWholeFile) {
  const std::string lukasz =
      "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Nowak;\xC5\x81ukasz\r\nTEL:1\r\nTEL:2\r\nEND:VCARD\r\n";
  const std::string ann =
      "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Bay;Ann\r\nTEL;TYPE=HOME:123\r\nTEL;TYPE=HOME:123\r\nEND:VCARD\r\n";
  const std::string ask = "ask Add Phone List Records ?";
  struct Case {
    const char* what;
    std::string file;
    std::deque<bool> answers;
    std::vector<std::string> log;
    size_t records;  // in the list afterwards
  } cases[] = {
      {"Yes adds all at once", lukasz + ann, {true, true},
       {ask, "ask The file adds 2 records. Add them all ?", "add 2", "sort", "write CUR.rbd",
        "notice 2 records added, 2 already in the list. 1 name could not be stored whole on this computer."},
       3},
      {"Yes with every name whole", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cy\r\nTEL:9\r\nEND:VCARD\r\n",
       {true, true},
       {ask, "ask The file adds 1 record. Add them all ?", "add 1", "sort", "write CUR.rbd",
        "notice 1 record added, 0 already in the list. Every name was stored whole."},
       2},
      {"No says which names were not whole, then offers each", lukasz, {true, false},
       {ask, "ask The file adds 2 records. Add them all ?",
        "notice 1 name could not be stored whole on this computer: the nearest letters, or \"?\", stand in.",
        "offer \"LUKASZ\",\"NOWAK\",\"1\",\"OTHER\"", "offer \"LUKASZ\",\"NOWAK\",\"2\",\"OTHER\"", "sort",
        "write CUR.rbd"},
       1},
      {"a file the list holds already", ann, {true},
       {ask, "notice No record was added: the 2 records of the file are in the list already."}, 1},
      {"a file without a number", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cy\r\nEND:VCARD\r\n", {true},
       {ask, "notice The file holds no phone number: no record was added."}, 1},
  };
  for (const Case& c : cases) {
    ScriptedHost host;
    host.records = {{"ANN", "BAY", "123", "HOME"}};
    host.files["C.vcf"] = c.file;
    host.answers = c.answers;
    host.edits = {std::nullopt, std::nullopt};
    EXPECT_TRUE(AddFromContacts("CUR", "C.vcf", ContactFormat::kVCard, FakeCodePages(), host)) << c.what;
    EXPECT_EQ(host.log, c.log) << c.what;
    EXPECT_EQ(host.records.size(), c.records) << c.what;
    EXPECT_TRUE(host.answers.empty()) << c.what;
  }
}

}  // namespace
}  // namespace tonvero
