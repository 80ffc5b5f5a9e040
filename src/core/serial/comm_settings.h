#pragma once
// The serial port's settings as the driver takes them: line settings and
// flow control turned into the values and flag bits of the device control
// block, event types into the event mask, and the order in which a batch of
// events reaches its handlers. No system headers: the flag and mask bits are
// the driver's documented values.
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tonvero {

enum class Baud {
  k110, k300, k600, k1200, k2400, k4800, k9600, k14400, k19200, k38400, k56000,
  k57600, k115200, k128000, k256000
};
// Parity, stop bits and data bits in the order of the driver's values.
enum class ParityMode { kNone, kOdd, kEven, kMark, kSpace };
enum class StopBitCount { kOne, kOneAndHalf, kTwo };
enum class DataBitCount { k4, k5, k6, k7, k8 };
// kDefault keeps the flow control the driver has.
enum class FlowControlMode { kNone, kCts, kDtr, kSoftware, kDefault };
enum class SerialOption { kParityCheck, kDsrSensitivity, kIgnoreXoff, kErrorChar, kNullStrip };
enum class SerialEvent {
  kBreak, kCts, kDsr, kError, kRing, kRlsd, kRxChar, kRxFlag, kTxEmpty
};

// A set of enumeration values: bit n stands for the value n.
template <typename Enum>
class EnumSet {
 public:
  constexpr EnumSet() = default;
  constexpr EnumSet(std::initializer_list<Enum> values) {
    for (Enum v : values) bits_ |= Bit(v);
  }
  constexpr bool Contains(Enum v) const { return (bits_ & Bit(v)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr bool operator==(const EnumSet&) const = default;

 private:
  static constexpr uint16_t Bit(Enum v) { return static_cast<uint16_t>(1u << static_cast<unsigned>(v)); }
  uint16_t bits_ = 0;
};
using SerialOptions = EnumSet<SerialOption>;
using SerialEvents = EnumSet<SerialEvent>;

inline constexpr SerialEvents kAllSerialEvents = {
    SerialEvent::kBreak,  SerialEvent::kCts,    SerialEvent::kDsr,
    SerialEvent::kError,  SerialEvent::kRing,   SerialEvent::kRlsd,
    SerialEvent::kRxChar, SerialEvent::kRxFlag, SerialEvent::kTxEmpty};

// Event-mask bits of the driver.
inline constexpr uint32_t kEvRxChar = 0x0001, kEvRxFlag = 0x0002, kEvTxEmpty = 0x0004,
                          kEvCts = 0x0008, kEvDsr = 0x0010, kEvRlsd = 0x0020,
                          kEvBreak = 0x0040, kEvErr = 0x0080, kEvRing = 0x0100;

uint32_t BaudRateValue(Baud rate);
uint8_t ByteSizeValue(DataBitCount bits);
uint32_t EventMaskBit(SerialEvent event);
uint32_t EventMaskOf(SerialEvents events);

// The flags word of the device control block after flow control and the
// options have been applied to the word read from the driver.
uint32_t DcbFlagsFor(uint32_t flagsAsRead, FlowControlMode flow, SerialOptions options);

// XonLim and XoffLim: a quarter of the input queue. A negative queue size,
// or one whose quarter does not fit 16 bits, throws std::out_of_range.
uint16_t XonXoffLimit(int32_t readBufSize);

// What the driver and the component know when a wait has completed.
struct DriverView {
  uint32_t errors = 0;              // the error mask the driver just cleared
  uint32_t inQueue = 0;             // bytes waiting in the input queue
  uint32_t inQueueSeen = 0;         // bytes the last batch's handlers left there
  bool writeAwaitsEmpty = false;    // a write that no empty-output event followed yet
};

// The events of a completed wait that are news, the driver consulted. Some
// drivers leave the reported mask empty, so an empty one is filled from
// what the driver holds (bytes waiting, an error state), limited to the
// monitored events. Some report states rather than changes (characters
// received while any are unread, the output queue empty while it stays
// empty), so a received character counts only when the input queue holds
// more than the last batch left, an empty output queue only once after each
// write (however many batches came between),
// and an error only when the driver had one.
uint32_t EffectiveEventMask(uint32_t reported, uint32_t monitored, const DriverView& driver);

// The handlers a batch of events calls, in their fixed order; a received
// character counts only while bytes wait in the input queue.
std::vector<SerialEvent> EventHandlerOrder(uint32_t mask, uint32_t inQueue);

}  // namespace tonvero
