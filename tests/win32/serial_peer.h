#pragma once
// The other end of the port pair that tests/win32/environment maps (COM6
// beside the COM5 under test), driven with plain blocking calls.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace tonvero {

class SerialPeer {
 public:
  explicit SerialPeer(const char* port = "COM6") {
    handle_ = CreateFileA(port, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    COMMTIMEOUTS timeouts{MAXDWORD, MAXDWORD, 50, 0, 1000};  // reads wait up to 50 ms
    SetCommTimeouts(handle_, &timeouts);
  }
  ~SerialPeer() {
    if (Ok()) CloseHandle(handle_);
  }
  SerialPeer(const SerialPeer&) = delete;
  SerialPeer& operator=(const SerialPeer&) = delete;

  bool Ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Send(const std::string& bytes) {
    DWORD written = 0;
    WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  // Reads until `count` bytes came or nothing more came for `quietMs`.
  std::string Receive(size_t count, int quietMs = 2000) {
    std::string got;
    auto lastByte = std::chrono::steady_clock::now();
    while (got.size() < count && std::chrono::steady_clock::now() - lastByte < std::chrono::milliseconds(quietMs)) {
      char buffer[4096];
      DWORD read = 0;
      ReadFile(handle_, buffer, sizeof buffer, &read, nullptr);
      if (read > 0) {
        got.append(buffer, read);
        lastByte = std::chrono::steady_clock::now();
      }
    }
    return got;
  }
  // Reads what is left of an earlier test.
  void Drain() { Receive(SIZE_MAX, 300); }

 private:
  HANDLE handle_;
};

}  // namespace tonvero
