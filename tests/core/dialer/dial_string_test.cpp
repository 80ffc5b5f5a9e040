#include "core/dialer/dial_string.h"

#include <gtest/gtest.h>

#include <string>

namespace tonvero {
namespace {

// Logs every call as one entry of a " | "-separated line.
class RecordingTarget : public DialTarget {
 public:
  std::string log;

  void ShowSymbol(char symbol) override { Add(std::string("show ") + symbol); }
  void Play(int toneIndex) override { Add("play " + std::to_string(toneIndex)); }
  void Compose(int toneIndex) override { Add("compose " + std::to_string(toneIndex)); }
  void Flush() override { Add("flush"); }
  void Wait(unsigned ms) override { Add("wait " + std::to_string(ms)); }
  void Pause() override { Add("pause"); }

 private:
  void Add(const std::string& entry) { log += (log.empty() ? "" : " | ") + entry; }
};

// The expected entries for decimal digits dialed in queue mode ("play") or
// shooter mode ("compose"); each ends with " | ".
std::string Digits(const std::string& digits, const char* action = "play") {
  std::string entries;
  for (char d : digits) {
    entries += std::string("show ") + d + " | " + action + " " + d + " | ";
  }
  return entries;
}
std::string Composed(const std::string& digits) { return Digits(digits, "compose"); }

std::string Dial(const std::string& procedure, const std::string& number, bool queueOn) {
  RecordingTarget target;
  InterpretDialString(BuildDialString(procedure, number), queueOn, target);
  return target.log;
}

struct DialCase {
  const char* name;
  std::string procedure;
  std::string number;
  bool queueOn;
  std::string expected;
};

class DialStringInterpret : public testing::TestWithParam<DialCase> {};

TEST_P(DialStringInterpret, CallsTargetInOrder) {
  const DialCase& c = GetParam();
  EXPECT_EQ(Dial(c.procedure, c.number, c.queueOn), c.expected);
}

const std::string kNumber = "5551234";

INSTANTIATE_TEST_SUITE_P(
    Dial, DialStringInterpret,
    testing::Values(
        DialCase{"NumberAlone", "@", kNumber, true, Digits(kNumber) + "flush"},
        DialCase{"PrefixAndSecondDelay", "9,@", kNumber, true,
                 Digits("9") + "flush | wait 1000 | " + Digits(kNumber) + "flush"},
        DialCase{"SkipThreeDigits", "S03@", kNumber, true, Digits("1234") + "flush"},
        DialCase{"SkipCountsDelays", "S02-,@", kNumber, true, Digits(kNumber) + "flush"},
        DialCase{"SkipCountsPauseStarAndHash", "S03P*#1", "", true, Digits("1") + "flush"},
        DialCase{"LettersAreNotCounted", "S01A5", "", true, "show A | play 12 | flush"},
        DialCase{"ClosedComment", "(HOME)@", kNumber, true, Digits(kNumber) + "flush"},
        DialCase{"UnclosedCommentEndsDialing", "(HOME@", kNumber, true, "flush"},
        DialCase{"CommandsInsideCommentIgnored", "(S05,P)12)3(4", "", true,
                 Digits("123") + "flush"},
        DialCase{"CommentNotCountedBySkip", "S01(5)67", "", true, Digits("7") + "flush"},
        DialCase{"PauseBeforeNumberInShooterMode", "P@", "12", false,
                 "flush | pause | " + Composed("12") + "flush"},
        DialCase{"ShooterPlaysComposedBeforePause", "1P2", "", false,
                 Composed("1") + "flush | pause | " + Composed("2") + "flush"},
        DialCase{"ShooterDelaysFlushFirst", "1-2,3", "", false,
                 Composed("1") + "flush | wait 200 | " + Composed("2") + "flush | wait 1000 | " +
                     Composed("3") + "flush"},
        DialCase{"EmptyNumber", "@", "", true, "flush"},
        DialCase{"LettersInNumber", "@", "1-800-FLOWERS", true,
                 Digits("1") + "flush | wait 200 | " + Digits("800") + "flush | wait 200 | flush"},
        DialCase{"SkipAtEndReadsNothing", "@", "12S", true, Digits("12") + "flush"},
        DialCase{"SkipOneCharacterAtEnd", "12S3", "", true, Digits("12") + "flush"},
        DialCase{"HexSkipWithX", "SX5@", "12345678", true, Digits("678") + "flush"},
        DialCase{"HexSkipWithDollar", "S$A@", "123456789012", true, Digits("12") + "flush"},
        DialCase{"NegativeSkipDropsNothing", "S-1@", "123", true, Digits("123") + "flush"},
        DialCase{"BlankBeforeSkipDigit", "S 3@", "12345", true, Digits("45") + "flush"},
        DialCase{"LaterSkipReplacesRunningCount", "S051S01234", "", true, Digits("34") + "flush"},
        DialCase{"LowerCaseIsNoCommand", "p1s02t34a", "", true, Digits("10234") + "flush"},
        DialCase{"ThreeCharacterCommands", "T12345M129V12#R12*", "", true,
                 Digits("3459") + "show # | play 11 | show * | play 10 | flush"},
        DialCase{"ThreeCharacterCommandAtEnd", "1T", "", true, Digits("1") + "flush"},
        DialCase{"ExtraToneIndexes", "*#ABCD", "", true,
                 "show * | play 10 | show # | play 11 | show A | play 12 | show B | play 13 | "
                 "show C | play 14 | show D | play 15 | flush"},
        DialCase{"ShooterComposes", "@", "123", false, Composed("123") + "flush"}),
    [](const testing::TestParamInfo<DialCase>& info) { return std::string(info.param.name); });

// Every dialing mode sees the characters left by the skip, comment and
// three-character rules; a skipped symbol arrives as a blank.
TEST(DialStringWalk, HandsOnWhatTheRulesLeave) {
  const std::pair<std::string, std::string> cases[] = {
      {"9,@", "9,@"},           {"S02-,12", "  12"},      {"S01A5", "A "},
      {"(X)W1", "W1"},          {"1(X", "1"},             {"T12M34V56R781", "1"},
      {"S01(1)P2", " 2"},       {"a-b", "a-b"},
  };
  for (const auto& [dial, expected] : cases) {
    std::string seen;
    ForEachDialSymbol(dial, [&](char c) { seen += c; });
    EXPECT_EQ(seen, expected) << dial;
  }
}

TEST(DialStringBuild, ReplacesEveryAtSign) {
  EXPECT_EQ(BuildDialString("@", kNumber), kNumber);
  EXPECT_EQ(BuildDialString("9,@,@P", "12"), "9,12,12P");
  EXPECT_EQ(BuildDialString("(@)", "5"), "(5)");
  EXPECT_EQ(BuildDialString("S01@", ""), "S01");
  EXPECT_EQ(BuildDialString("", "5"), "");
}

TEST(DialStringBuild, NumberIsNotExpandedAgain) {
  EXPECT_EQ(BuildDialString("@@", "1@"), "1@1@");
}

struct SkipCase {
  std::string text;
  size_t from;
  int expected;
};

class SkipCountRead : public testing::TestWithParam<SkipCase> {};

TEST_P(SkipCountRead, ReadsTwoCharactersLeniently) {
  const SkipCase& c = GetParam();
  EXPECT_EQ(ReadSkipCount(c.text, c.from), c.expected) << '"' << c.text << "\" from " << c.from;
}

INSTANTIATE_TEST_SUITE_P(
    Skip, SkipCountRead,
    testing::Values(SkipCase{"S03", 1, 3}, SkipCase{"S123", 1, 12}, SkipCase{"S7A", 1, 7},
                    SkipCase{"S 3", 1, 3}, SkipCase{"S+4", 1, 4}, SkipCase{"S-1", 1, -1},
                    SkipCase{"SX5", 1, 5}, SkipCase{"S$A", 1, 10}, SkipCase{"S$f", 1, 15},
                    SkipCase{"Sx5", 1, 0}, SkipCase{"S$G", 1, 0}, SkipCase{"SA1", 1, 0},
                    SkipCase{"S  3", 1, 0}, SkipCase{"S5", 1, 5}, SkipCase{"S", 1, 0},
                    SkipCase{"S", 7, 0}));

}  // namespace
}  // namespace tonvero
