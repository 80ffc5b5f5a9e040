#include "core/calls/call_log.h"

#include <gtest/gtest.h>

#include <string>

namespace tonvero {
namespace {

CallEntry Call(std::string number, std::string name = " ", std::string outcome = kDialedOutcome) {
  return {"2026-12-09 10:15:42", number, "9," + number, name, "HOME", kModeModem, outcome};
}

TEST(CallLog, StoresFieldsByThePhoneListsRules) {
  const struct {
    std::string text, stored;
  } cases[] = {
      {"  JOHN DOE ", "JOHN DOE"},
      {"", " "},
      {"say \"hi\"", "say 'hi'"},
      {"a\r\nb\tc\x1A" "d", "a  b c d"},
      {std::string(300, '5'), std::string(kMaxCallField, '5')},
  };
  for (const auto& c : cases) EXPECT_EQ(c.stored, StoredCallField(c.text)) << c.text;
}

TEST(CallLog, WritesOneQuotedLineThatReadsBack) {
  const CallEntry call = Call("555-1234", "ANN LEE", "Error \"x\"\r\n");
  const std::string line = CallLine(call);
  EXPECT_EQ("\"2026-12-09 10:15:42\",\"555-1234\",\"9,555-1234\",\"ANN LEE\",\"HOME\",\"Modem\",\"Error 'x'\"\r\n",
            line);
  CallEntry read;
  ASSERT_TRUE(ParseCallLine(line.substr(0, line.size() - 2), read));
  EXPECT_EQ(StoredCall(call), read);
}

// A crash tears the last line at any byte: no piece of a line passes for an
// entry, save the whole line without its line end.
TEST(CallLog, RefusesTornAndDamagedLines) {
  const std::string line = CallLine(Call("5551234", "ANN, LEE"));
  CallEntry read;
  for (size_t cut = 0; cut < line.size() - 2; ++cut) EXPECT_FALSE(ParseCallLine(line.substr(0, cut), read)) << cut;
  const char* damaged[] = {
      R"("2026-12-09 10:15:42","5551234","5551234"," ","HOME","Modem")",
      R"("2026-12-09 10:15:42","5551234","5551234"," ","HOME","Modem","Dialed","x")",
      R"("2026-13-09","5551234","5551234"," ","HOME","Modem","Dialed")",
      R"("2026-12-09 10:15:42","5551234","5551234","","HOME","Modem","Dialed")",
      R"("2026-12-09 10:15:42","55"51234","5551234"," ","HOME","Modem","Dialed")",
      R"("2026-12-09 10:15:42"," 5551234","5551234"," ","HOME","Modem","Dialed")",
      R"(2026-12-09 10:15:42,5551234,5551234, ,HOME,Modem,Dialed)",
      "\"2026-12-09 10:15:42\",\"5551234\",\"5551234\",\" \",\"HOME\",\"Modem\",\"Dial\x01\"",
  };
  for (const char* damagedLine : damaged) EXPECT_FALSE(ParseCallLine(damagedLine, read)) << damagedLine;
}

TEST(CallLog, SkipsAndCountsDamagedLinesAndDropsTheCutFirstLine) {
  const std::string a = CallLine(Call("111")), b = CallLine(Call("222")), c = CallLine(Call("333"));
  const struct {
    std::string text;
    bool startsMidLine;
    size_t entries, skipped;
  } cases[] = {
      {"", false, 0, 0},
      {a + b + c, false, 3, 0},
      {a + "\r\n\n" + b, false, 2, 0},
      {a + "garbage\n" + b + c.substr(0, 20), false, 2, 2},
      {a.substr(5) + b + c, true, 2, 0},
      {a + b, true, 1, 0},
      {std::string(a.begin(), a.end() - 2) + "\n" + b + "\r" + c, false, 3, 0},
  };
  for (const auto& k : cases) {
    const CallLog log = ParseCallLog(k.text, k.startsMidLine);
    EXPECT_EQ(k.entries, log.entries.size()) << k.text;
    EXPECT_EQ(k.skipped, log.skipped) << k.text;
  }
  EXPECT_EQ("333", ParseCallLog(a + b + c, false).entries.back().number) << "oldest first";
}

TEST(CallLog, KeepsTheNewestThousandOncePastElevenHundred) {
  EXPECT_FALSE(CallLogNeedsTrim(0, false));
  EXPECT_FALSE(CallLogNeedsTrim(kTrimCallsPast, false));
  EXPECT_TRUE(CallLogNeedsTrim(kTrimCallsPast + 1, false));
  EXPECT_TRUE(CallLogNeedsTrim(3, true));

  std::vector<CallEntry> calls;
  for (int i = 0; i < 1200; ++i) calls.push_back(Call(std::to_string(i)));
  const CallLog kept = ParseCallLog(TrimmedCallLog(calls), false);
  ASSERT_EQ(kKeptCalls, kept.entries.size());
  EXPECT_EQ("200", kept.entries.front().number);
  EXPECT_EQ("1199", kept.entries.back().number);
  EXPECT_EQ(3u, ParseCallLog(TrimmedCallLog({calls.begin(), calls.begin() + 3}), false).entries.size());
}

TEST(CallLog, FindsEntriesByNameOrNumber) {
  const CallEntry ann = Call("+1 (905) 555-1234", "ANN LEE");
  const struct {
    const char* filter;
    bool found;
  } cases[] = {
      {"", true},       {"  ", true},        {"ann", true},        {"LEE", true},     {"n l", true},
      {"905", true},    {"5551234", true},   {"555-12", true},     {"(905) 5", true}, {"+1", true},
      {"bob", false},   {"5550", false},     {"ann 905", false},   {"x905", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.found, MatchesCallFilter(ann, c.filter)) << c.filter;
}

TEST(CallLog, ReadsItsChoicesFromTheSettingsText) {
  EXPECT_TRUE(KeepsCallLog(std::nullopt));
  EXPECT_TRUE(KeepsCallLog("yes"));
  EXPECT_FALSE(KeepsCallLog("no"));
  const CallsWindowPlace place{-8, 30, 560, 360};
  EXPECT_EQ(place, ReadCallsWindowPlace(CallsWindowPlaceText(place)));
  for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "1,2,0,4", "1,2,3,10001", "a,2,3,4", "1,2,3,4x"}) {
    EXPECT_FALSE(ReadCallsWindowPlace(std::string(bad))) << bad;
  }
  EXPECT_FALSE(ReadCallsWindowPlace(std::nullopt));
}

TEST(CallLog, SpeaksAnEntryByItsFields) {
  EXPECT_EQ("2026-12-09 10:15, ANN LEE, 5551234, Dialed", SpokenCall(Call("5551234", "ANN LEE")));
  EXPECT_EQ("2026-12-09 10:15, 5551234, Error accessing specified device (Error: 2)",
            SpokenCall(StoredCall(Call("5551234", "", "Error accessing specified device (Error: 2) "))));
  EXPECT_EQ("2007-01-02 03:04:05", CallTime(2007, 1, 2, 3, 4, 5));
}

}  // namespace
}  // namespace tonvero
