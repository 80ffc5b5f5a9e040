#pragma once
// Modem dialing: the dial string becomes one Hayes dial command, written to
// the chosen port; the user is told to pick up the handset, then the port
// is closed. Whatever fails, the port is closed and the dialer screen and
// the dialing icon are back as they were.
#include <windows.h>

#include <functional>
#include <string>

#include "core/settings/settings.h"
#include "win32/app/message_dialogs.h"
#include "win32/serial/comm.h"

namespace tonvero {

// The parts of the main window that modem dialing touches.
struct ModemDialWindow {
  HWND owner;
  HWND screen;  // the dialer screen: holds the number, shows the pieces sent
  HWND grid;    // repainted once the notice has gone
  std::function<void(bool dialing)> showDialingIcon;
};

class TModemDialer {
 public:
  TModemDialer(TComm& modem, TErrorMessage& notice) : modem_(modem), notice_(notice) {}
  // Dials the number in the screen with `procedure` by the port and method
  // of `settings`. Port failures are raised as ECommError.
  void Dial(const ModemDialWindow& window, const std::string& procedure, const Settings& settings);

 private:
  void SendCommand(const std::string& command);
  void ShowPickUpNotice(HWND owner);

  TComm& modem_;
  TErrorMessage& notice_;
};

}  // namespace tonvero
