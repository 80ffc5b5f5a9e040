#include "core/procedures/procedure_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvero {

void PrintTo(const Procedure& p, std::ostream* out) { *out << '{' << p.name << '|' << p.command << '}'; }

namespace {

using Names = std::vector<std::string>;

Names NamesOf(const ProcedureList& list) {
  Names names;
  for (const Procedure& p : list.Entries()) names.push_back(p.name);
  return names;
}

// A list of DEFAULT and user procedures P1..Pn, each with the text "@n".
ProcedureList Numbered(int count) {
  std::string file;
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    file.append("\"P").append(n).append("\",\"@").append(n).append("\"\r\n");
  }
  return ProcedureList::FromFile(file);
}

TEST(ProcedureFile, NormalisesEachLineAsItIsRead) {
  const struct {
    std::string line;
    Procedure expected;
  } cases[] = {
      {R"("  outside line ", " 9,,@ ")", {"OUTSIDE LINE", "9,,@"}},
      {R"("VELMORA","@")", {"VELMORA", "@"}},
      {R"(home,@)", {"HOME", "@"}},                       // fields need no quotes
      {R"("a","b","third","fourth")", {"A", "B"}},         // further fields ignored
      {R"("ONLY NAME")", {"ONLY NAME", " "}},              // missing text: one space
      {R"("","")", {" ", " "}},                            // empty fields: one space
      {R"(   ,   )", {" ", " "}},
      {R"("x,y","1,2")", {"X,Y", "1,2"}},                  // quoted commas belong to the field
      {"\"\xe9t\xe9\",\"@\"", {"\xe9T\xe9", "@"}},         // only a..z change case
      {R"("unclosed,@)", {"UNCLOSED,@", " "}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormaliseProcedureLine(c.line), c.expected) << c.line;
  }
}

TEST(ProcedureFile, ReadsEveryProcedureWhateverTheLineEnds) {
  const struct {
    const char* what;
    std::string file;
    Names expected;  // after DEFAULT
  } cases[] = {
      {"empty file", "", {}},
      {"one line", "\"A\",\"1\"\r\n", {"A"}},
      {"no final line end", "\"A\",\"1\"\r\n\"B\",\"2\"", {"A", "B"}},
      {"blank third line", "A,1\r\nB,2\r\n\r\nC,3\r\nD,4\r\n", {"A", "B", "C", "D"}},
      {"two line ends at the end", "A,1\r\nB,2\r\n\r\n", {"A", "B"}},
      {"LF alone", "A,1\nB,2\nC,3\n", {"A", "B", "C"}},
      {"CR alone", "A,1\rB,2\r", {"A", "B"}},
      {"mixed", "A,1\r\nB,2\nC,3\rD,4", {"A", "B", "C", "D"}},
      {"blank lines only", "\r\n\n\r", {}},
      {"line of spaces", "   \r\nB,2\r\n", {" ", "B"}},
  };
  for (const auto& c : cases) {
    Names expected{"DEFAULT"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    const ProcedureList list = ProcedureList::FromFile(c.file);
    EXPECT_EQ(NamesOf(list), expected) << c.what;
    EXPECT_EQ(list.At(0), (Procedure{"DEFAULT", "@"})) << c.what;
  }
}

TEST(ProcedureFile, KeepsAllOf250Procedures) {
  const ProcedureList list = Numbered(250);
  ASSERT_EQ(list.UserCount(), 250);
  EXPECT_EQ(list.At(250), (Procedure{"P250", "@250"}));
  EXPECT_EQ(ProcedureList::FromFile(list.ToFile()).Entries(), list.Entries());
}

TEST(ProcedureFile, WritesUserProceduresByteForByte) {
  const struct {
    std::string read;
    std::string written;
  } cases[] = {
      {"", ""},
      {"\"VELMORA\",\"@\"\r\n", "\"VELMORA\",\"@\"\r\n"},
      {R"("  outside line ", " 9,,@ ")", "\"OUTSIDE LINE\",\"9,,@\"\r\n"},
      {"a,1\nb,2,x\n\nc", "\"A\",\"1\"\r\n\"B\",\"2\"\r\n\"C\",\" \"\r\n"},
      {"\"x,y\",\"1,2\"", "\"X,Y\",\"1,2\"\r\n"},
  };
  for (const auto& c : cases) {
    const std::string written = ProcedureList::FromFile(c.read).ToFile();
    EXPECT_EQ(written, c.written) << c.read;
    EXPECT_EQ(written.find("DEFAULT"), std::string::npos);
    EXPECT_EQ(ProcedureList::FromFile(written).ToFile(), written) << "written text reads back";
  }
}

TEST(ProcedureFile, NewDatabaseHoldsTheVelmoraRecord) {
  EXPECT_EQ(NewProcedureFile(), "\"VELMORA\",\"@\"\r\n");
  EXPECT_EQ(NewProcedureFile().size(), 13u + 2u);
  EXPECT_EQ(NamesOf(ProcedureList::FromFile(NewProcedureFile())), (Names{"DEFAULT", "VELMORA"}));
}

TEST(ProcedureList, InsertsAfterTheSelectedProcedure) {
  const struct {
    int count, selected;
    std::string name;
    int position;  // kNoSelection: nothing inserted
    Procedure inserted;
  } cases[] = {
      {0, 0, "CARD", 1, {"CARD", "@ (New)"}},
      {3, 0, "CARD", 1, {"CARD", "@ (New)"}},
      {5, 3, "CARD", 4, {"CARD", "@ (New)"}},
      {3, 3, "LAST", 4, {"LAST", "@ (New)"}},
      {3, kNoSelection, "NONE", 1, {"NONE", "@ (New)"}},
      {3, 99, "OUTSIDE", 1, {"OUTSIDE", "@ (New)"}},
      {3, 1, "  PADDED  ", 2, {"PADDED", "@ (New)"}},
      {3, 1, "card", 2, {"CARD", "@ (New)"}},
      {3, 1, "   ", 2, {" ", "@ (New)"}},
      {3, 1, "SAY \"HI\"", 2, {"SAY 'HI'", "@ (New)"}},
      {3, 1, "TWO\r\nLINES", 2, {"TWO  LINES", "@ (New)"}},
      {3, 1, "P2", 2, {"P2", "@ (New)"}},          // duplicates are allowed
      {3, 1, "DEFAULT", 2, {"DEFAULT", "@ (New)"}},
      {3, 1, "", kNoSelection, {}},
      {1000, 1000, "END", 1001, {"END", "@ (New)"}},  // no limit on the length
  };
  for (const auto& c : cases) {
    ProcedureList list = Numbered(c.count);
    const ProcedureList before = list;
    const int position = list.InsertAfter(c.selected, c.name);
    EXPECT_EQ(position, c.position) << c.name;
    if (position == kNoSelection) {
      EXPECT_EQ(list.Entries(), before.Entries()) << c.name;
      continue;
    }
    ASSERT_EQ(list.Size(), before.Size() + 1) << c.name;
    EXPECT_EQ(list.At(position), c.inserted) << c.name;
    for (int k = 0; k < before.Size(); ++k) {  // everything else keeps its order
      EXPECT_EQ(list.At(k < position ? k : k + 1), before.At(k)) << c.name << " entry " << k;
    }
  }
}

TEST(ProcedureList, DeletesAndTellsWhichToSelect) {
  const struct {
    int count, selected;
    int nextSelection;
    Names remaining;
  } cases[] = {
      {3, 2, 2, {"DEFAULT", "P1", "P3"}},        // a middle one: its successor
      {3, 1, 1, {"DEFAULT", "P2", "P3"}},
      {3, 3, 2, {"DEFAULT", "P1", "P2"}},        // the last: the one before
      {1, 1, 0, {"DEFAULT"}},                    // the only one: DEFAULT
      {3, 0, 0, {"DEFAULT", "P1", "P2", "P3"}},  // DEFAULT stays
      {3, kNoSelection, kNoSelection, {"DEFAULT", "P1", "P2", "P3"}},
      {3, 4, 4, {"DEFAULT", "P1", "P2", "P3"}},
  };
  for (const auto& c : cases) {
    ProcedureList list = Numbered(c.count);
    EXPECT_EQ(list.Delete(c.selected), c.nextSelection) << c.count << "/" << c.selected;
    EXPECT_EQ(NamesOf(list), c.remaining) << c.count << "/" << c.selected;
    for (int k = 1; k < list.Size(); ++k) {  // names and texts move together
      EXPECT_EQ(list.At(k).command, std::string(1, '@').append(list.At(k).name, 1));
    }
  }
}

TEST(ProcedureList, StoresAnEditedTextNormalised) {
  const struct {
    int index;
    std::string typed;
    bool changed;
    std::string stored;
  } cases[] = {
      {1, "9,,@", true, "9,,@"},
      {1, "@1", false, "@1"},              // unchanged: nothing to save
      {1, "  @1  ", false, "@1"},          // the same once trimmed
      {1, "", true, " "},                  // emptied: one space
      {1, "    ", true, " "},
      {1, "@ \"X\"", true, "@ 'X'"},       // quotes become apostrophes
      {1, "9\r\n@\n", true, "9  @"},       // line ends would split the file's line
      {1, "(home) @1", true, "(HOME) @1"},
      {0, "1@", true, "1@"},               // DEFAULT may be edited
      {0, "@", false, "@"},
      {kNoSelection, "1@", false, ""},
      {7, "1@", false, ""},
  };
  for (const auto& c : cases) {
    ProcedureList list = Numbered(3);
    EXPECT_EQ(list.SetCommand(c.index, c.typed), c.changed) << c.typed;
    EXPECT_EQ(list.CommandOf(c.index), c.stored) << c.typed;
  }
}

TEST(ProcedureList, EditingDefaultNeverReachesTheFile) {
  ProcedureList list = Numbered(1);
  list.SetCommand(0, "9@");
  EXPECT_EQ(list.ToFile(), "\"P1\",\"@1\"\r\n");
  EXPECT_EQ(ProcedureList::FromFile(list.ToFile()).CommandOf(0), "@");
}

TEST(HasDialingProcedure, MatchesTheWholeNormalisedLine) {
  const ProcedureList list =
      ProcedureList::FromFile("\"OUTSIDE LINE\",\"9,,@\"\r\n\"VELMORA\",\"@\"\r\n");
  const struct {
    std::string line;
    bool found;
  } cases[] = {
      {R"("OUTSIDE LINE","9,,@")", true},
      {R"(" outside line ","  9,,@ ")", true},   // same once normalised
      {R"("VELMORA","@","extra")", true},
      {R"("OUTSIDE LINE","9,@")", false},        // known name, other text
      {R"("OUTSIDE","9,,@")", false},
      {R"("DEFAULT","@")", false},               // DEFAULT is never compared
      {R"("VELMORA","@ ")", true},
      {R"("VELMORA")", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasDialingProcedure(list, NormaliseProcedureLine(c.line)), c.found) << c.line;
  }
}

}  // namespace
}  // namespace tonvero
