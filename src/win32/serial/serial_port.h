#pragma once
// The serial port component: owns one communication device, opens it by
// name, configures it from its properties, writes blocks with a bounded
// wait and reports line and data events to its handlers on the
// user-interface thread. Every failure is raised as SerialError.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/serial/comm_settings.h"
#include "win32/serial/serial_event_thread.h"
#include "win32/serial/sync_objects.h"

namespace tonvero {

class SerialError : public std::runtime_error {
 public:
  // The message is the text followed by " (Error: <code>) ".
  SerialError(const std::string& text, int32_t code);
  int32_t ErrorCode() const { return code_; }

 private:
  int32_t code_;
};

class SerialPort;

// The five special characters of the port; changing one updates the open
// device at once.
class SpecialChars {
 public:
  explicit SpecialChars(SerialPort* owner) : owner_(owner) {}
  char XonChar() const { return chars_[0]; }
  char XoffChar() const { return chars_[1]; }
  char ErrorChar() const { return chars_[2]; }
  char EofChar() const { return chars_[3]; }
  char EvtChar() const { return chars_[4]; }
  void SetXonChar(char c) { SetEventChar(1, c); }
  void SetXoffChar(char c) { SetEventChar(2, c); }
  void SetErrorChar(char c) { SetEventChar(3, c); }
  void SetEofChar(char c) { SetEventChar(4, c); }
  void SetEvtChar(char c) { SetEventChar(5, c); }
  // Copies the characters; the device is not updated.
  void Assign(const SpecialChars& source);

 private:
  void SetEventChar(int index, char c);  // index 1..5 in the order above
  SerialPort* owner_;
  char chars_[5] = {17, 19, 0, 0, 0};
};

class SerialPort {
 public:
  // What the handlers are told: that their event came; the line errors the
  // driver cleared (its error mask); the bytes waiting in the input queue.
  using EventReport = std::function<void(SerialPort& sender)>;
  using ErrorReport = std::function<void(SerialPort& sender, int errors)>;
  using InputReport = std::function<void(SerialPort& sender, int count)>;

  SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;
  virtual ~SerialPort();

  // Opens and configures the device, then starts watching its events. All
  // or nothing: on any failure the device is closed again and the error raised.
  void Open();
  // Stops the event thread, purges and closes the device. The thread has
  // ended when Close returns, unless one of its handlers called Close: it
  // then ends as soon as that handler returns, without touching the port.
  // Does nothing while closed; never raises.
  void Close();
  // Writes `count` bytes under the write lock. Returns the bytes written,
  // or -1 when the write did not complete within WriteTimeout (it is then
  // cancelled) or completed with a failure.
  int Write(const void* buffer, int count);
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  // The system's code for the last -1 of Write.
  DWORD LastWriteFailure() const { return lastWriteFailure_; }

  void UpdateCommTimeouts();
  void UpdateDataControlBlock();

  const std::string& DeviceName() const { return deviceName_; }
  void SetDeviceName(const std::string& name);
  int ReadTimeout() const { return readTimeout_; }
  void SetReadTimeout(int ms) { readTimeout_ = ms; }
  int WriteTimeout() const { return writeTimeout_; }
  void SetWriteTimeout(int ms) { writeTimeout_ = ms; }
  int ReadBufSize() const { return readBufSize_; }
  void SetReadBufSize(int size);
  int WriteBufSize() const { return writeBufSize_; }
  void SetWriteBufSize(int size);
  SerialEvents MonitorEvents() const { return monitorEvents_; }
  void SetMonitorEvents(SerialEvents events);
  Baud BaudRate() const { return baudRate_; }
  void SetBaudRate(Baud rate);
  ParityMode Parity() const { return parity_; }
  void SetParity(ParityMode parity);
  StopBitCount StopBits() const { return stopBits_; }
  void SetStopBits(StopBitCount stopBits);
  DataBitCount DataBits() const { return dataBits_; }
  void SetDataBits(DataBitCount dataBits);
  SpecialChars& EventChars() { return eventChars_; }
  SerialOptions Options() const { return options_; }
  void SetOptions(SerialOptions options);
  FlowControlMode FlowControl() const { return flowControl_; }
  void SetFlowControl(FlowControlMode flow);

  EventReport OnBreak, OnCts, OnDsr, OnRing, OnRlsd, OnRxFlag, OnTxEmpty;
  ErrorReport OnError;
  InputReport OnRxChar;
  // Where an exception raised by a handler is reported (on the
  // user-interface thread); by default a message box.
  std::function<void(const std::string& message)> OnHandlerFailure;

 protected:
  // Opens the device named DeviceName; a descendant may leave it closed.
  virtual void CreateHandle();
  void DestroyHandle();
  void CheckOpen() const;
  void Lock() { writeLock_.Enter(); }
  void Unlock() { writeLock_.Leave(); }
  // Calls the handlers of one batch of events, on the user-interface
  // thread; false when the batch held nothing new.
  bool HandleCommEvent(uint32_t mask);

  HANDLE handle_ = INVALID_HANDLE_VALUE;

 private:
  template <typename T>
  void SetLineSetting(T& field, T value);
  template <typename T>
  void SetFrozenSetting(T& field, T value);

  std::string deviceName_ = "Com2";
  int readTimeout_ = 1000;
  int writeTimeout_ = 1000;
  int readBufSize_ = 4096;
  int writeBufSize_ = 2048;
  SerialEvents monitorEvents_ = kAllSerialEvents;
  Baud baudRate_ = Baud::k9600;
  ParityMode parity_ = ParityMode::kNone;
  StopBitCount stopBits_ = StopBitCount::kOne;
  DataBitCount dataBits_ = DataBitCount::k8;
  SpecialChars eventChars_{this};
  SerialOptions options_;
  FlowControlMode flowControl_ = FlowControlMode::kDefault;

  DCB dcb_{};
  ManualResetEvent writeEvent_;
  CriticalSection writeLock_;
  DWORD lastWriteFailure_ = 0;
  // Left by the last batch: the input queue's count, and errors that came
  // while its handlers ran (reported with the next batch).
  DWORD inQueueSeen_ = 0;
  DWORD pendingErrors_ = 0;
  // Writes that moved bytes, and that count when the last empty-output
  // event was delivered: an empty output queue is news once per write,
  // even when other events' batches came between. Write may run on any thread.
  std::atomic<uint32_t> writes_{0};
  uint32_t writesAtLastEmpty_ = 0;
  std::unique_ptr<SerialEventThread> eventThread_;
  // Threads whose port was closed by one of their own handlers: each ends
  // once that handler has returned, and is let go at the next Open or Close.
  std::vector<std::unique_ptr<SerialEventThread>> endingThreads_;
  void LetEndedThreadsGo();
};

// The flags word of a device control block, bit by bit, so that no code
// depends on how a compiler lays out its bit fields.
uint32_t PackDcbFlags(const DCB& dcb);
void UnpackDcbFlags(uint32_t flags, DCB& dcb);

}  // namespace tonvero
