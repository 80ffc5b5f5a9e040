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

enum TBaudrate {
  br110, br300, br600, br1200, br2400, br4800, br9600, br14400, br19200, br38400, br56000,
  br57600, br115200, br128000, br256000
};
enum TParity { paNone, paOdd, paEven, paMark, paSpace };
enum TStopbits { sb10, sb15, sb20 };
enum TDatabits { da4, da5, da6, da7, da8 };
enum TFlowControl { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };
enum TCommOption { coParityCheck, coDsrSensitivity, coIgnoreXOff, coErrorChar, coNullStrip };
enum TCommEventType {
  evBreak, evCts, evDsr, evError, evRing, evRlsd, evRxChar, evRxFlag, evTxEmpty
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
  static constexpr uint16_t Bit(Enum v) { return static_cast<uint16_t>(1u << v); }
  uint16_t bits_ = 0;
};
using TCommOptions = EnumSet<TCommOption>;
using TCommEventTypes = EnumSet<TCommEventType>;

inline constexpr TCommEventTypes kAllCommEvents = {
    evBreak, evCts, evDsr, evError, evRing, evRlsd, evRxChar, evRxFlag, evTxEmpty};

// Event-mask bits of the driver.
inline constexpr uint32_t kEvRxChar = 0x0001, kEvRxFlag = 0x0002, kEvTxEmpty = 0x0004,
                          kEvCts = 0x0008, kEvDsr = 0x0010, kEvRlsd = 0x0020,
                          kEvBreak = 0x0040, kEvErr = 0x0080, kEvRing = 0x0100;

uint32_t BaudRateValue(TBaudrate rate);
uint8_t ByteSizeValue(TDatabits bits);
uint32_t EventMaskBit(TCommEventType event);
uint32_t EventMaskOf(TCommEventTypes events);

// The flags word of the device control block after flow control and the
// options have been applied to the word read from the driver.
uint32_t DcbFlagsFor(uint32_t flagsAsRead, TFlowControl flow, TCommOptions options);

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
std::vector<TCommEventType> EventHandlerOrder(uint32_t mask, uint32_t inQueue);

}  // namespace tonvero
