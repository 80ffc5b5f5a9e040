#include "win32/app/link_handoff.h"

#include "core/contacts/outside_number.h"
#include "win32/ui/control_ids.h"

namespace tonvero {
namespace {

constexpr ULONG_PTR kNumberHandoff = 0x544E4C4B;  // "TNLK"
constexpr UINT kAnswerMs = 5000;

}  // namespace

Handoff HandNumberToRunningTonvero(const std::string& number) {
  HWND running = FindWindowA(TONVERO_CLASS_MAIN, nullptr);
  if (!running) return Handoff::kNoneRunning;
  // The running one may come to the front: this start is the foreground
  // program the user just started.
  DWORD runningProcess = 0;
  GetWindowThreadProcessId(running, &runningProcess);
  AllowSetForegroundWindow(runningProcess);
  COPYDATASTRUCT data{kNumberHandoff, static_cast<DWORD>(number.size()), const_cast<char*>(number.data())};
  DWORD_PTR taken = FALSE;
  // The running one may be dialing, which answers no message until it ends.
  if (!SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, kAnswerMs,
                           &taken) ||
      !taken) {
    return Handoff::kRefused;
  }
  return Handoff::kTaken;
}

std::optional<std::string> HandedNumber(const COPYDATASTRUCT& data) {
  if (data.dwData != kNumberHandoff || !data.lpData || data.cbData == 0 || data.cbData > kMaxOutsideNumberLength) {
    return std::nullopt;
  }
  // From another process: only what a cleaned number holds reaches the screen.
  std::string number(static_cast<const char*>(data.lpData), data.cbData);
  if (number.find_first_not_of("0123456789*#+,P -") != std::string::npos) return std::nullopt;
  return number;
}

}  // namespace tonvero
