#include "core/phonelist/phone_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvero {
namespace {

const std::string kHeader =
    R"("FIRST NAME      ","LAST NAME        ","PHONE                          ","REMARKS")";
const Titles kTitles = {"FIRST NAME      ", "LAST NAME        ",
                        "PHONE                          ", "REMARKS"};

struct ParseCase {
  const char* name;
  std::string text;
  Titles titles;
  std::vector<Record> records;
};

TEST(ParsePhoneList, ReadsHeaderAndNormalisedRecords) {
  const std::vector<ParseCase> cases = {
      {"new file", NewPhoneListFileText(), kTitles, {{"MAREL", "VOSSIK", " ", "VELMORA"}}},
      {"two fields", kHeader + "\r\nann,lee\r\n", kTitles, {{"ANN", "LEE", " ", " "}}},
      {"six fields", kHeader + "\r\n\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\n", kTitles,
       {{"A", "B", "C", "D"}}},
      {"lower case and spaces", kHeader + "\r\n\"  john \",\" doe\",\" 555 12 \",\"x  y \"\r\n",
       kTitles, {{"JOHN", "DOE", "555 12", "X  Y"}}},
      {"quotes inside fields", kHeader + "\r\njo\"h\"n,\"a\"\"b\",\"SMITH, JR\"\r\n", kTitles,
       {{"JOHN", "AB", "SMITH, JR", " "}}},
      {"zero bytes", "", {"", "", "", ""}, {}},
      {"header alone", kHeader + "\r\n", kTitles, {}},
      {"header without line end", kHeader, kTitles, {}},
      {"lower-case header keeps its spaces", "\"first \",last\r\n", {"FIRST ", "LAST", "", ""}, {}},
      {"a line of spaces is a record", kHeader + "\r\n   \r\n", kTitles, {{" ", " ", " ", " "}}},
      {"records after an empty line are kept", kHeader + "\r\na\r\n\r\nb\r\n\r\n", kTitles,
       {{"A", " ", " ", " "}, {"B", " ", " ", " "}}},
      {"LF line ends", kHeader + "\na\nb\n", kTitles, {{"A", " ", " ", " "}, {"B", " ", " ", " "}}},
      {"CR line ends", kHeader + "\ra\rb", kTitles, {{"A", " ", " ", " "}, {"B", " ", " ", " "}}},
      {"mixed line ends", kHeader + "\r\na\nb\rc\r\n", kTitles,
       {{"A", " ", " ", " "}, {"B", " ", " ", " "}, {"C", " ", " ", " "}}},
      {"0x1A ends the text", kHeader + "\r\na\r\n\x1A" "b\r\n", kTitles, {{"A", " ", " ", " "}}},
      {"0x1A inside a line", kHeader + "\r\nab\x1A" "cd\r\n", kTitles, {{"AB", " ", " ", " "}}},
      {"bytes above 0x7F unchanged", kHeader + "\r\n\"\xE9t\xE9\"\r\n", kTitles,
       {{"\xE9T\xE9", " ", " ", " "}}},
  };
  for (const ParseCase& c : cases) {
    const PhoneListFile file = ParsePhoneList(c.text);
    EXPECT_EQ(c.titles, file.titles) << c.name;
    EXPECT_EQ(c.records, file.records) << c.name;
  }
}

TEST(ParsePhoneList, LoadsEveryRecordPastTwoThousand) {
  std::string text = kHeader + "\r\n";
  for (int i = 0; i < 2501; ++i) text += "\"N" + std::to_string(i) + "\",\"X\",\"1\",\"R\"\r\n";
  const PhoneListFile file = ParsePhoneList(text);
  ASSERT_EQ(2501u, file.records.size());
  EXPECT_EQ("N2500", file.records.back().first);
  // Loading and saving again keeps every line.
  EXPECT_TRUE(text == EncodePhoneList(file.titles, file.records));
}

struct BytesCase {
  const char* name;
  std::string text;
  std::string backup;  // what the load writes to the backup file
  std::string saved;   // what a save of the loaded list writes
};

TEST(PhoneListFile, BackupAndSaveByteForByte) {
  const std::string sample = R"("MAREL","VOSSIK"," ","VELMORA")";
  const std::vector<BytesCase> cases = {
      {"new file", NewPhoneListFileText(), kHeader + "\r\n" + sample + "\r\n",
       kHeader + "\r\n" + sample + "\r\n"},
      {"lower-case header: backup as read, save upper-cased", "\"First \",\"x\"\na, b ,,\"c\"\n",
       "\"First \",\"x\"\r\n\"A\",\"B\",\" \",\"C\"\r\n",
       "\"FIRST \",\"X\",\"\",\"\"\r\n\"A\",\"B\",\" \",\"C\"\r\n"},
      {"zero bytes", "", "\r\n", "\"\",\"\",\"\",\"\"\r\n"},
      {"header alone", kHeader, kHeader + "\r\n", kHeader + "\r\n"},
      {"six fields saved as four", kHeader + "\r\n1,2,3,4,5,6\r\n",
       kHeader + "\r\n\"1\",\"2\",\"3\",\"4\"\r\n", kHeader + "\r\n\"1\",\"2\",\"3\",\"4\"\r\n"},
  };
  for (const BytesCase& c : cases) {
    const PhoneListFile file = ParsePhoneList(c.text);
    EXPECT_EQ(c.backup, EncodeBackup(file)) << c.name;
    EXPECT_EQ(c.saved, EncodePhoneList(file.titles, file.records)) << c.name;
  }
}

struct InputCase {
  std::array<std::string, kRecordFields> typed;
  Record stored;
};

TEST(RecordFromInput, NormalisesTypedFields) {
  const std::vector<InputCase> cases = {
      {{"  Paul  ", "", "   ", "say \"hi\""}, {"PAUL", " ", " ", "SAY 'HI'"}},
      {{"\"", "a b", " x,y ", "\tz"}, {"'", "A B", "X,Y", "\tZ"}},
  };
  for (const InputCase& c : cases) EXPECT_EQ(c.stored, RecordFromInput(c.typed)) << c.typed[0];
}

TEST(HasRecord, MatchesAllFourFieldsExactly) {
  const std::vector<Record> list = {{"ANN", "LEE", "1", "X"}, {"BOB", "RAY", " ", " "}};
  const struct {
    Record record;
    bool found;
  } cases[] = {
      {{"ANN", "LEE", "1", "X"}, true},
      {{"BOB", "RAY", " ", " "}, true},
      {{"ANN", "LEE", "1", "Y"}, false},
      {{"ANN", "LEE", "2", "X"}, false},
      {{"ANN", "LEX", "1", "X"}, false},
      {{"ANX", "LEE", "1", "X"}, false},
      {{"BOB", "RAY", "", " "}, false},
      {{"ann", "LEE", "1", "X"}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.found, HasRecord(list, c.record)) << RecordLine(c.record);
  EXPECT_FALSE(HasRecord({}, list[0]));
}

TEST(DatabaseCaption, NamesTheBaseInCapitals) {
  EXPECT_EQ("Tonvero + C:\\DIALER\\BASE", DatabaseCaption("C:\\Dialer\\Base"));
  EXPECT_EQ("Tonvero + Z:\\TMP\\\xE9T\xE9", DatabaseCaption("Z:\\tmp\\\xE9t\xE9"));
}

}  // namespace
}  // namespace tonvero
