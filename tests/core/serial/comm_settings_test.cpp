#include "core/serial/comm_settings.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tonvero {
namespace {

struct FlagsCase {
  const char* name;
  uint32_t asRead;
  FlowControlMode flow;
  SerialOptions options;
  uint32_t expected;
};

class DcbFlags : public testing::TestWithParam<FlagsCase> {};

TEST_P(DcbFlags, FlowControlThenOptions) {
  const FlagsCase& c = GetParam();
  EXPECT_EQ(DcbFlagsFor(c.asRead, c.flow, c.options), c.expected) << std::hex << c.expected;
}

constexpr uint32_t kDriverDefault = 0x1011;  // binary, DTR and RTS enabled

INSTANTIATE_TEST_SUITE_P(
    Flags, DcbFlags,
    testing::Values(
        FlagsCase{"NoneWithParityCheck", 0x7FFF, FlowControlMode::kNone, {SerialOption::kParityCheck},
                  0x0003},
        FlagsCase{"NoneClearsEverything", 0x7FFF, FlowControlMode::kNone, {}, 0x0001},
        FlagsCase{"DefaultKeepsDriverFlags", kDriverDefault, FlowControlMode::kDefault, {}, kDriverDefault},
        FlagsCase{"CtsSetsRtsHandshake", kDriverDefault, FlowControlMode::kCts, {}, 0x2015},
        FlagsCase{"CtsReplacesRtsToggle", 0x3001, FlowControlMode::kCts, {}, 0x2005},
        FlagsCase{"DtrSetsDtrHandshake", kDriverDefault, FlowControlMode::kDtr, {}, 0x1029},
        FlagsCase{"DtrReplacesDtrField", 0x0031, FlowControlMode::kDtr, {}, 0x0029},
        FlagsCase{"SoftwareSetsXonXoff", kDriverDefault, FlowControlMode::kSoftware, {}, 0x1311},
        FlagsCase{"OptionsAbsentAreCleared", 0x0CD3, FlowControlMode::kDefault, {}, 0x0011},
        FlagsCase{"EveryOption", 0x0001, FlowControlMode::kDefault,
                  {SerialOption::kParityCheck, SerialOption::kDsrSensitivity, SerialOption::kIgnoreXoff,
                   SerialOption::kErrorChar, SerialOption::kNullStrip},
                  0x0CC3}),
    [](const testing::TestParamInfo<FlagsCase>& info) { return std::string(info.param.name); });

TEST(EventMask, EachEventHasItsDriverBit) {
  const std::pair<SerialEvent, uint32_t> bits[] = {
      {SerialEvent::kBreak, 0x0040},  {SerialEvent::kCts, 0x0008},    {SerialEvent::kDsr, 0x0010},
      {SerialEvent::kError, 0x0080},  {SerialEvent::kRing, 0x0100},   {SerialEvent::kRlsd, 0x0020},
      {SerialEvent::kRxChar, 0x0001}, {SerialEvent::kRxFlag, 0x0002}, {SerialEvent::kTxEmpty, 0x0004},
  };
  for (const auto& [event, bit] : bits) {
    EXPECT_EQ(EventMaskOf({event}), bit) << static_cast<int>(event);
  }
  EXPECT_EQ(EventMaskOf(kAllSerialEvents), 0x01FFu);
  EXPECT_EQ(EventMaskOf({}), 0u);
  EXPECT_EQ(EventMaskOf({SerialEvent::kRxChar, SerialEvent::kTxEmpty}), 0x0005u);
}

TEST(LineValues, EnumerationsGiveDriverValues) {
  EXPECT_EQ(BaudRateValue(Baud::k110), 110u);
  EXPECT_EQ(BaudRateValue(Baud::k9600), 9600u);
  EXPECT_EQ(BaudRateValue(Baud::k14400), 14400u);
  EXPECT_EQ(BaudRateValue(Baud::k56000), 56000u);
  EXPECT_EQ(BaudRateValue(Baud::k57600), 57600u);
  EXPECT_EQ(BaudRateValue(Baud::k256000), 256000u);
  EXPECT_EQ(ByteSizeValue(DataBitCount::k4), 4);
  EXPECT_EQ(ByteSizeValue(DataBitCount::k8), 8);
}

TEST(XonXoffLimit, QuarterOfTheInputQueueWithin16Bits) {
  EXPECT_EQ(XonXoffLimit(4096), 1024);
  EXPECT_EQ(XonXoffLimit(7), 1);
  EXPECT_EQ(XonXoffLimit(0), 0);
  EXPECT_EQ(XonXoffLimit(262143), 65535);
  EXPECT_THROW(XonXoffLimit(262144), std::out_of_range);
  EXPECT_THROW(XonXoffLimit(-1), std::out_of_range);
  EXPECT_THROW(XonXoffLimit(-4), std::out_of_range);
}

struct MaskCase {
  const char* name;
  uint32_t reported, monitored;
  DriverView driver;
  uint32_t expected;
};

class EffectiveMask : public testing::TestWithParam<MaskCase> {};

TEST_P(EffectiveMask, KeepsOnlyNews) {
  const MaskCase& c = GetParam();
  EXPECT_EQ(EffectiveEventMask(c.reported, c.monitored, c.driver), c.expected);
}

// errors, inQueue, inQueueSeen, writeAwaitsEmpty
INSTANTIATE_TEST_SUITE_P(
    Mask, EffectiveMask,
    testing::Values(
        MaskCase{"ReportedLineEventsKept", 0x0178, 0x01FF, {0, 0, 0, false}, 0x0178},
        MaskCase{"EmptyMaskFilledFromQueue", 0, 0x01FF, {0, 2, 0, false}, 0x0001},
        MaskCase{"EmptyMaskFilledFromErrors", 0, 0x01FF, {0x10, 0, 0, false}, 0x0080},
        MaskCase{"FilledOnlyWithMonitoredEvents", 0, 0x0004, {0x10, 2, 0, false}, 0},
        MaskCase{"NothingHeldGivesNothing", 0, 0x01FF, {0, 0, 0, false}, 0},
        MaskCase{"UnreadBytesAreNoNews", 0x0001, 0x01FF, {0, 4, 4, false}, 0},
        MaskCase{"MoreBytesAreNews", 0x0001, 0x01FF, {0, 5, 4, false}, 0x0001},
        MaskCase{"BytesAfterHandlersReadAllAreNews", 0x0001, 0x01FF, {0, 1, 0, false}, 0x0001},
        MaskCase{"EmptyOutputWithoutWriteIsNoNews", 0x0004, 0x01FF, {0, 0, 0, false}, 0},
        MaskCase{"EmptyOutputAfterWriteIsNews", 0x0004, 0x01FF, {0, 0, 0, true}, 0x0004},
        MaskCase{"ErrorEventWithoutErrorIsNoNews", 0x0080, 0x01FF, {0, 0, 0, false}, 0},
        MaskCase{"ErrorEventWithErrorIsNews", 0x0080, 0x01FF, {0x02, 0, 0, false}, 0x0080},
        MaskCase{"MixedKeepsTheNews", 0x0085, 0x01FF, {0, 4, 4, true}, 0x0004}),
    [](const testing::TestParamInfo<MaskCase>& info) { return std::string(info.param.name); });

TEST(EventHandlerOrder, FixedOrderAndCharactersOnlyWithBytes) {
  EXPECT_EQ(EventHandlerOrder(0x01FF, 1),
            (std::vector<SerialEvent>{SerialEvent::kBreak, SerialEvent::kCts, SerialEvent::kDsr,
                                      SerialEvent::kError, SerialEvent::kRing, SerialEvent::kRlsd,
                                      SerialEvent::kRxChar, SerialEvent::kRxFlag, SerialEvent::kTxEmpty}));
  EXPECT_EQ(EventHandlerOrder(0x01FF, 0),
            (std::vector<SerialEvent>{SerialEvent::kBreak, SerialEvent::kCts, SerialEvent::kDsr,
                                      SerialEvent::kError, SerialEvent::kRing, SerialEvent::kRlsd,
                                      SerialEvent::kRxFlag, SerialEvent::kTxEmpty}));
  EXPECT_EQ(EventHandlerOrder(0x0081, 2),
            (std::vector<SerialEvent>{SerialEvent::kError, SerialEvent::kRxChar}));
  EXPECT_TRUE(EventHandlerOrder(0x0001, 0).empty());
  EXPECT_TRUE(EventHandlerOrder(0, 5).empty());
}

}  // namespace
}  // namespace tonvero
