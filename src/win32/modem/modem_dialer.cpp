#include "win32/modem/modem_dialer.h"

#include "core/modem/dial_command.h"
#include "core/settings/comm_ports.h"
#include "win32/ui/message_boxes.h"

namespace tonvero {
namespace {

constexpr const char* kPickUpNotice = "Pick up the handset when connected and press \"Continue\"";

}  // namespace

void ModemDialer::Dial(Display& display, const std::string& dial, const Settings& settings) {
  display.ShowDialing(true);
  const std::string number = display.Number();
  display.PutNumberBack("");
  try {
    std::string body;
    ForEachModemPiece(dial, [&](const std::string& piece) {
      body += piece;
      display.ShowSent(piece);
    });
    modem_.SetDeviceName(CommPortName(settings.commIndex));
    modem_.Open();
    SendCommand(ModemDialCommand(settings.generatorIndex, body));
    ShowNotice(display.NoticeOwner(), kPickUpNotice, "Modem Dialing...");
  } catch (...) {
    modem_.Close();
    display.PutNumberBack(number);
    display.ShowDialing(false);
    throw;
  }
  modem_.Close();
  // What the notice covered is painted at once.
  RedrawWindow(display.NoticeOwner(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  display.PutNumberBack(number);
  display.ShowDialing(false);
}

// A command that did not reach the driver whole is a port failure: the
// user must not be told to pick up for a number the modem never got.
void ModemDialer::SendCommand(const std::string& command) {
  const int count = static_cast<int>(command.size());
  const int written = modem_.Write(command.data(), count);
  if (written < 0) throw SerialError("Write error", static_cast<int32_t>(modem_.LastWriteFailure()));
  if (written != count) throw SerialError("Write error", ERROR_WRITE_FAULT);
}

}  // namespace tonvero
