#pragma once
// Modem dialing: the dial string becomes one Hayes dial command, written to
// the chosen port; the user is told to pick up the handset, then the port
// is closed. Whatever fails, the port is closed and the dialer screen and
// the dialing icon are back as they were.
#include <windows.h>

#include <string>

#include "core/settings/settings.h"
#include "win32/serial/serial_port.h"

namespace tonvero {

class ModemDialer {
 public:
  // Where the dialing shows: the dialer screen and its icons.
  class Display {
   public:
    virtual ~Display() = default;
    virtual HWND NoticeOwner() const = 0;
    virtual std::string Number() const = 0;
    virtual void ShowDialing(bool dialing) = 0;
    // Appends a piece of the command as it is built.
    virtual void ShowSent(const std::string& piece) = 0;
    virtual void PutNumberBack(const std::string& number) = 0;
  };

  explicit ModemDialer(SerialPort& modem) : modem_(modem) {}
  // Dials `dial` (the procedure with the display's number in it) by the
  // port and method of `settings`. Port failures are raised as SerialError.
  void Dial(Display& display, const std::string& dial, const Settings& settings);

 private:
  void SendCommand(const std::string& command);

  SerialPort& modem_;
};

}  // namespace tonvero
