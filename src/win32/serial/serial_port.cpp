#include "win32/serial/serial_port.h"

#include <mutex>

#include "win32/ui/forms.h"

namespace tonvero {
namespace {

constexpr int32_t kAlreadyOpenCode = -1;
constexpr const char* kAlreadyOpen = "Port already assigned (open)";

}  // namespace

SerialError::SerialError(const std::string& text, int32_t code)
    : std::runtime_error(text + " (Error: " + std::to_string(code) + ") "), code_(code) {}

// ---- flags word -------------------------------------------------------------

uint32_t PackDcbFlags(const DCB& d) {
  return d.fBinary | d.fParity << 1 | d.fOutxCtsFlow << 2 | d.fOutxDsrFlow << 3 |
         d.fDtrControl << 4 | d.fDsrSensitivity << 6 | d.fTXContinueOnXoff << 7 |
         d.fOutX << 8 | d.fInX << 9 | d.fErrorChar << 10 | d.fNull << 11 |
         d.fRtsControl << 12 | d.fAbortOnError << 14;
}

void UnpackDcbFlags(uint32_t f, DCB& d) {
  d.fBinary = f & 1;
  d.fParity = f >> 1 & 1;
  d.fOutxCtsFlow = f >> 2 & 1;
  d.fOutxDsrFlow = f >> 3 & 1;
  d.fDtrControl = f >> 4 & 3;
  d.fDsrSensitivity = f >> 6 & 1;
  d.fTXContinueOnXoff = f >> 7 & 1;
  d.fOutX = f >> 8 & 1;
  d.fInX = f >> 9 & 1;
  d.fErrorChar = f >> 10 & 1;
  d.fNull = f >> 11 & 1;
  d.fRtsControl = f >> 12 & 3;
  d.fAbortOnError = f >> 14 & 1;
}

// ---- special characters --------------------------------------------------------

void SpecialChars::Assign(const SpecialChars& source) {
  for (int i = 0; i < 5; ++i) chars_[i] = source.chars_[i];
}

void SpecialChars::SetEventChar(int index, char c) {
  chars_[index - 1] = c;
  if (owner_) owner_->UpdateDataControlBlock();
}

// ---- the component ---------------------------------------------------------------

SerialPort::SerialPort()
    : OnHandlerFailure([](const std::string& message) { ShowError(GetActiveWindow(), message.c_str()); }) {
  dcb_.DCBlength = sizeof dcb_;
}

SerialPort::~SerialPort() {
  Close();
  endingThreads_.clear();
}

void SerialPort::CheckOpen() const {
  if (IsOpen()) throw SerialError(kAlreadyOpen, kAlreadyOpenCode);
}

void SerialPort::CreateHandle() {
  handle_ = CreateFileA(deviceName_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                        OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
  if (!IsOpen()) {
    throw SerialError("Error accessing specified device", static_cast<int32_t>(GetLastError()));
  }
  if (GetFileType(handle_) != FILE_TYPE_CHAR) {
    DestroyHandle();
    throw SerialError("Invalid device handle, access denied", -1);
  }
}

void SerialPort::DestroyHandle() {
  CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

void SerialPort::Open() {
  CheckOpen();
  CreateHandle();
  if (!IsOpen()) return;
  inQueueSeen_ = pendingErrors_ = 0;
  writesAtLastEmpty_ = writes_;
  LetEndedThreadsGo();
  try {
    UpdateCommTimeouts();
    UpdateDataControlBlock();
    if (writeBufSize_ < 0) throw std::out_of_range("Range check error");
    if (!SetupComm(handle_, readBufSize_, writeBufSize_)) {
      throw SerialError("Error initializing Read/Write Buffers", static_cast<int32_t>(GetLastError()));
    }
    // A device cannot wait for an empty set of events; no thread then.
    if (!monitorEvents_.Empty()) {
      eventThread_ = std::make_unique<SerialEventThread>(
          handle_, monitorEvents_,
          [this](SerialEventThread&, uint32_t mask) { return HandleCommEvent(mask); },
          [this](const std::string& message) {
            if (OnHandlerFailure) OnHandlerFailure(message);
          });
    }
  } catch (...) {
    DestroyHandle();
    throw;
  }
}

void SerialPort::Close() {
  LetEndedThreadsGo();
  if (!IsOpen()) return;
  if (eventThread_ && !eventThread_->Delivering()) {
    eventThread_->Stop();
    eventThread_->WaitEnd();  // it purges the port on its way out
    eventThread_.reset();
  } else {
    // Called from a handler, the thread is waiting for this very call to
    // return and cannot be waited for.
    if (eventThread_) {
      eventThread_->StopLeavingPort();
      endingThreads_.push_back(std::move(eventThread_));
    }
    PurgeComm(handle_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  }
  DestroyHandle();
}

void SerialPort::LetEndedThreadsGo() {
  std::erase_if(endingThreads_, [](const auto& thread) { return !thread->Delivering(); });
}

int SerialPort::Write(const void* buffer, int count) {
  std::lock_guard<CriticalSection> guard(writeLock_);
  if (count < 0) throw std::out_of_range("Range check error");
  OVERLAPPED overlapped{};
  overlapped.hEvent = writeEvent_.Handle();
  if (!WriteFile(handle_, buffer, static_cast<DWORD>(count), nullptr, &overlapped)) {
    const DWORD failure = GetLastError();
    if (failure != ERROR_IO_PENDING) throw SerialError("Write error", static_cast<int32_t>(failure));
  }
  DWORD written = 0;
  if (writeEvent_.WaitFor(static_cast<DWORD>(writeTimeout_)) != WaitResult::kSignaled) {
    // Cancel and let the write finish, so that the next write never sees
    // this one's completion in the shared event.
    CancelIo(handle_);
    GetOverlappedResult(handle_, &overlapped, &written, TRUE);
    writeEvent_.ResetEvent();
    lastWriteFailure_ = WAIT_TIMEOUT;
    return -1;
  }
  const bool completed = GetOverlappedResult(handle_, &overlapped, &written, FALSE);
  if (written > 0) ++writes_;
  lastWriteFailure_ = completed ? 0 : GetLastError();
  writeEvent_.ResetEvent();
  return completed ? static_cast<int>(written) : -1;
}

void SerialPort::UpdateCommTimeouts() {
  COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 0};
  if (!SetCommTimeouts(handle_, &timeouts)) {
    throw SerialError("Error updating CommTimeouts", static_cast<int32_t>(GetLastError()));
  }
}

void SerialPort::UpdateDataControlBlock() {
  if (!IsOpen()) return;
  GetCommState(handle_, &dcb_);
  dcb_.BaudRate = BaudRateValue(baudRate_);
  dcb_.Parity = static_cast<BYTE>(parity_);
  dcb_.StopBits = static_cast<BYTE>(stopBits_);
  dcb_.ByteSize = ByteSizeValue(dataBits_);
  dcb_.XonChar = eventChars_.XonChar();
  dcb_.XoffChar = eventChars_.XoffChar();
  dcb_.ErrorChar = eventChars_.ErrorChar();
  dcb_.EofChar = eventChars_.EofChar();
  dcb_.EvtChar = eventChars_.EvtChar();
  dcb_.XonLim = dcb_.XoffLim = XonXoffLimit(readBufSize_);
  UnpackDcbFlags(DcbFlagsFor(PackDcbFlags(dcb_), flowControl_, options_), dcb_);
  if (!SetCommState(handle_, &dcb_)) {
    throw SerialError("Error updating DataControlBlock", static_cast<int32_t>(GetLastError()));
  }
}

bool SerialPort::HandleCommEvent(uint32_t mask) {
  DWORD errors = 0;
  COMSTAT status{};
  ClearCommError(handle_, &errors, &status);
  errors |= pendingErrors_;
  const uint32_t writes = writes_;
  mask = EffectiveEventMask(mask, EventMaskOf(monitorEvents_),
                            {errors, status.cbInQue, inQueueSeen_, writes != writesAtLastEmpty_});
  if (mask & EV_TXEMPTY) writesAtLastEmpty_ = writes;
  for (SerialEvent event : EventHandlerOrder(mask, status.cbInQue)) {
    switch (event) {
      case SerialEvent::kBreak: if (OnBreak) OnBreak(*this); break;
      case SerialEvent::kCts: if (OnCts) OnCts(*this); break;
      case SerialEvent::kDsr: if (OnDsr) OnDsr(*this); break;
      case SerialEvent::kError: if (OnError) OnError(*this, static_cast<int>(errors)); break;
      case SerialEvent::kRing: if (OnRing) OnRing(*this); break;
      case SerialEvent::kRlsd: if (OnRlsd) OnRlsd(*this); break;
      case SerialEvent::kRxChar: if (OnRxChar) OnRxChar(*this, static_cast<int>(status.cbInQue)); break;
      case SerialEvent::kRxFlag: if (OnRxFlag) OnRxFlag(*this); break;
      case SerialEvent::kTxEmpty: if (OnTxEmpty) OnTxEmpty(*this); break;
    }
  }
  // What the handlers left: the count that new input must exceed.
  ClearCommError(handle_, &pendingErrors_, &status);
  inQueueSeen_ = status.cbInQue;
  return mask != 0;
}

// ---- setters ---------------------------------------------------------------------

template <typename T>
void SerialPort::SetFrozenSetting(T& field, T value) {
  if (field == value) return;
  CheckOpen();
  field = value;
}

template <typename T>
void SerialPort::SetLineSetting(T& field, T value) {
  if (field == value) return;
  field = value;
  UpdateDataControlBlock();
}

void SerialPort::SetDeviceName(const std::string& name) { SetFrozenSetting(deviceName_, name); }
void SerialPort::SetReadBufSize(int size) { SetFrozenSetting(readBufSize_, size); }
void SerialPort::SetWriteBufSize(int size) { SetFrozenSetting(writeBufSize_, size); }
void SerialPort::SetMonitorEvents(SerialEvents events) { SetFrozenSetting(monitorEvents_, events); }
void SerialPort::SetBaudRate(Baud rate) { SetLineSetting(baudRate_, rate); }
void SerialPort::SetParity(ParityMode parity) { SetLineSetting(parity_, parity); }
void SerialPort::SetStopBits(StopBitCount stopBits) { SetLineSetting(stopBits_, stopBits); }
void SerialPort::SetDataBits(DataBitCount dataBits) { SetLineSetting(dataBits_, dataBits); }
void SerialPort::SetOptions(SerialOptions options) { SetLineSetting(options_, options); }
void SerialPort::SetFlowControl(FlowControlMode flow) { SetLineSetting(flowControl_, flow); }

}  // namespace tonvero
