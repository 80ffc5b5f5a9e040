#include "win32/modem/modem_dialer.h"

#include "core/dialer/dial_string.h"
#include "core/modem/dial_command.h"
#include "core/settings/comm_ports.h"
#include "win32/app/forms.h"

namespace tonvero {
namespace {

constexpr const char* kPickUpNotice = "Pick up the handset when connected and press \"Continue\"";

void AppendToScreen(HWND screen, const std::string& piece) {
  const std::string text = WindowText(screen) + piece;
  SetWindowTextA(screen, text.c_str());
  SendMessageA(screen, EM_SETSEL, text.empty() ? 0 : text.size() - 1, text.size());
  UpdateWindow(screen);
}

void PutNumberBack(HWND screen, const std::string& number) {
  SetWindowTextA(screen, number.c_str());
  SendMessageA(screen, EM_SETSEL, number.size(), number.size());
}

}  // namespace

void TModemDialer::Dial(const ModemDialWindow& window, const std::string& procedure,
                        const Settings& settings) {
  window.showDialingIcon(true);
  const std::string number = WindowText(window.screen);
  SetWindowTextA(window.screen, "");
  try {
    std::string body;
    ForEachModemPiece(BuildDialString(procedure, number), [&](const std::string& piece) {
      body += piece;
      AppendToScreen(window.screen, piece);
    });
    modem_.SetDeviceName(CommPortName(settings.commIndex));
    modem_.Open();
    SendCommand(ModemDialCommand(settings.generatorIndex, body));
    ShowPickUpNotice(window.owner);
  } catch (...) {
    modem_.Close();
    PutNumberBack(window.screen, number);
    window.showDialingIcon(false);
    throw;
  }
  modem_.Close();
  RedrawWindow(window.grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PutNumberBack(window.screen, number);
  window.showDialingIcon(false);
}

// A command that did not reach the driver whole is a port failure: the
// user must not be told to pick up for a number the modem never got.
void TModemDialer::SendCommand(const std::string& command) {
  const int count = static_cast<int>(command.size());
  const int written = modem_.Write(command.data(), count);
  if (written < 0) throw ECommError("Write error", static_cast<int32_t>(modem_.LastWriteFailure()));
  if (written != count) throw ECommError("Write error", ERROR_WRITE_FAULT);
}

void TModemDialer::ShowPickUpNotice(HWND owner) {
  struct CaptionBack {
    TErrorMessage& notice;
    ~CaptionBack() { notice.SetCaption("Error Message"); }
  } captionBack{notice_};
  notice_.SetCaption("Modem Dialing...");
  notice_.Show(owner, kPickUpNotice);
}

}  // namespace tonvero
