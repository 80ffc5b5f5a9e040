#include "core/serial/comm_settings.h"

#include <array>
#include <stdexcept>

namespace tonvero {
namespace {

constexpr std::array<uint32_t, 15> kBaudRates = {110,   300,   600,   1200,   2400,
                                                 4800,  9600,  14400, 19200,  38400,
                                                 56000, 57600, 115200, 128000, 256000};

// Bits of the device control block's flags word.
constexpr uint32_t kFBinary = 0x0001;
constexpr uint32_t kFOutxCtsFlow = 0x0004, kFOutxDsrFlow = 0x0008;
constexpr uint32_t kDtrControlField = 0x0030, kDtrHandshake = 0x0020;
constexpr uint32_t kFOutX = 0x0100, kFInX = 0x0200;
constexpr uint32_t kRtsControlField = 0x3000, kRtsHandshake = 0x2000;

struct OptionBit {
  SerialOption option;
  uint32_t bit;
};
constexpr OptionBit kOptionBits[] = {
    {SerialOption::kParityCheck, 0x0002}, {SerialOption::kDsrSensitivity, 0x0040},
    {SerialOption::kIgnoreXoff, 0x0080},  {SerialOption::kErrorChar, 0x0400},
    {SerialOption::kNullStrip, 0x0800},
};

// Handlers in the order a batch of events calls them.
constexpr SerialEvent kHandlerOrder[] = {
    SerialEvent::kBreak,  SerialEvent::kCts,    SerialEvent::kDsr,
    SerialEvent::kError,  SerialEvent::kRing,   SerialEvent::kRlsd,
    SerialEvent::kRxChar, SerialEvent::kRxFlag, SerialEvent::kTxEmpty};

constexpr uint32_t kMaxLimit = 0xFFFF;

}  // namespace

uint32_t BaudRateValue(Baud rate) { return kBaudRates.at(static_cast<size_t>(rate)); }

uint8_t ByteSizeValue(DataBitCount bits) { return static_cast<uint8_t>(4 + static_cast<int>(bits)); }

uint32_t EventMaskBit(SerialEvent event) {
  switch (event) {
    case SerialEvent::kBreak: return kEvBreak;
    case SerialEvent::kCts: return kEvCts;
    case SerialEvent::kDsr: return kEvDsr;
    case SerialEvent::kError: return kEvErr;
    case SerialEvent::kRing: return kEvRing;
    case SerialEvent::kRlsd: return kEvRlsd;
    case SerialEvent::kRxChar: return kEvRxChar;
    case SerialEvent::kRxFlag: return kEvRxFlag;
    case SerialEvent::kTxEmpty: return kEvTxEmpty;
  }
  return 0;
}

uint32_t EventMaskOf(SerialEvents events) {
  uint32_t mask = 0;
  for (SerialEvent event : kHandlerOrder) {
    if (events.Contains(event)) mask |= EventMaskBit(event);
  }
  return mask;
}

uint32_t DcbFlagsFor(uint32_t flags, FlowControlMode flow, SerialOptions options) {
  switch (flow) {
    case FlowControlMode::kNone: flags = kFBinary; break;
    case FlowControlMode::kCts: flags = (flags & ~kRtsControlField) | kFOutxCtsFlow | kRtsHandshake; break;
    case FlowControlMode::kDtr: flags = (flags & ~kDtrControlField) | kFOutxDsrFlow | kDtrHandshake; break;
    case FlowControlMode::kSoftware: flags |= kFOutX | kFInX; break;
    case FlowControlMode::kDefault: break;
  }
  for (const OptionBit& o : kOptionBits) {
    flags = options.Contains(o.option) ? (flags | o.bit) : (flags & ~o.bit);
  }
  return flags;
}

uint16_t XonXoffLimit(int32_t readBufSize) {
  const int32_t limit = readBufSize / 4;
  if (readBufSize < 0 || static_cast<uint32_t>(limit) > kMaxLimit) {
    throw std::out_of_range("Range check error");
  }
  return static_cast<uint16_t>(limit);
}

uint32_t EffectiveEventMask(uint32_t reported, uint32_t monitored, const DriverView& driver) {
  uint32_t mask = reported;
  if (mask == 0) {
    if (driver.inQueue > 0) mask |= kEvRxChar;
    if (driver.errors != 0) mask |= kEvErr;
    mask &= monitored;
  }
  if (driver.inQueue <= driver.inQueueSeen) mask &= ~kEvRxChar;
  if (!driver.writeAwaitsEmpty) mask &= ~kEvTxEmpty;
  if (driver.errors == 0) mask &= ~kEvErr;
  return mask;
}

std::vector<SerialEvent> EventHandlerOrder(uint32_t mask, uint32_t inQueue) {
  std::vector<SerialEvent> calls;
  for (SerialEvent event : kHandlerOrder) {
    if ((mask & EventMaskBit(event)) == 0) continue;
    if (event == SerialEvent::kRxChar && inQueue < 1) continue;
    calls.push_back(event);
  }
  return calls;
}

}  // namespace tonvero
