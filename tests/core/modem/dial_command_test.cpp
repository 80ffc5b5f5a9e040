#include "core/modem/dial_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dialer/dial_string.h"
#include "core/settings/comm_ports.h"

namespace tonvero {
namespace {

struct ModemCase {
  const char* name;
  std::string procedure;
  std::string number;
  int generatorIndex;
  std::string expected;  // the bytes sent
};

class ModemCommand : public testing::TestWithParam<ModemCase> {};

TEST_P(ModemCommand, BuildsTheBytesSent) {
  const ModemCase& c = GetParam();
  const std::string body = ModemCommandBody(BuildDialString(c.procedure, c.number));
  EXPECT_EQ(ModemDialCommand(c.generatorIndex, body), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modem, ModemCommand,
    testing::Values(
        ModemCase{"TouchTone", "@", "5551234", 0, "ATDT 5551234\r\n"},
        ModemCase{"PulsePauseIsThreeDelays", "9P@", "5551234", 1, "ATDP 9,,,5551234\r\n"},
        ModemCase{"CommentDroppedDashDropped", "(WORK)9,@-", "5551234", 0, "ATDT 9,5551234\r\n"},
        ModemCase{"DashAndExtraSymbolsDropped", "@", "555-12A4", 0, "ATDT 555124\r\n"},
        ModemCase{"SkipDropsLeadingDigit", "S01@", "15551234", 0, "ATDT 5551234\r\n"},
        ModemCase{"OtherLettersPassOn", "W@", "5551234", 0, "ATDT W5551234\r\n"},
        ModemCase{"EmptyProcedure", "", "5551234", 0, "ATDT \r\n"},
        ModemCase{"BlanksDropped", "9 @", "555 1234", 0, "ATDT 95551234\r\n"},
        ModemCase{"AllExtraSymbolsDropped", "ABCD*#", "", 0, "ATDT *#\r\n"},
        ModemCase{"SkipCountsPauseAsOneSymbol", "S01P1", "", 0, "ATDT 1\r\n"},
        ModemCase{"ThreeCharacterCommandsPassOver", "T12M34@", "5", 0, "ATDT 5\r\n"},
        ModemCase{"UnclosedCommentEndsBody", "9(X@", "5551234", 1, "ATDP 9\r\n"},
        ModemCase{"LowerCaseLettersPassOn", "p@", "1", 0, "ATDT p1\r\n"},
        ModemCase{"EightBitTextPasses", "\xE9@", "1", 0, "ATDT \xE9" "1\r\n"}),
    [](const testing::TestParamInfo<ModemCase>& info) { return std::string(info.param.name); });

TEST(ModemPieces, EachCharacterGivesItsPieceInOrder) {
  std::vector<std::string> pieces;
  ForEachModemPiece("1P-A,x ", [&](const std::string& piece) { pieces.push_back(piece); });
  EXPECT_EQ(pieces, (std::vector<std::string>{"1", ",,,", "", "", ",", "x", ""}));
}

TEST(CommPorts, NamesComeFromOneListAndBadIndexesGiveTheDefault) {
  EXPECT_EQ(CommPortName(0), "COM1");
  EXPECT_EQ(CommPortName(1), "COM2");
  EXPECT_EQ(CommPortName(8), "COM9");
  EXPECT_EQ(CommPortName(9), "COM2");
  EXPECT_EQ(CommPortName(-1), "COM2");
}

}  // namespace
}  // namespace tonvero
