#include "win32/app/link_handoff.h"

#include <vector>

#include "core/contacts/outside_number.h"
#include "win32/ui/control_ids.h"

namespace tonvero {
namespace {

constexpr ULONG_PTR kNumberHandoff = 0x544E4C4B;  // "TNLK"
constexpr ULONG_PTR kStartHandoff = 0x544E4442;   // "TNDB"
constexpr UINT kAnswerMs = 5000;

// The database's full path in capitals: paths on Windows ignore case.
std::string DatabaseIdentity(const std::string& dbBase) {
  std::string full(GetFullPathNameA(dbBase.c_str(), 0, nullptr, nullptr), '\0');
  if (full.empty()) return dbBase;
  full.resize(GetFullPathNameA(dbBase.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  CharUpperBuffA(full.data(), static_cast<DWORD>(full.size()));
  return full;
}

BOOL CALLBACK CollectMainWindow(HWND window, LPARAM found) {
  char windowClass[64] = {};
  GetClassNameA(window, windowClass, sizeof windowClass);
  if (lstrcmpA(windowClass, TONVERO_CLASS_MAIN) == 0) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// Sends the handoff to `running`, letting it come to the front; true when
// it took it.
bool Hand(HWND running, const COPYDATASTRUCT& data) {
  // The running one may come to the front: this start is the foreground
  // program the user just started.
  DWORD runningProcess = 0;
  GetWindowThreadProcessId(running, &runningProcess);
  AllowSetForegroundWindow(runningProcess);
  DWORD_PTR taken = FALSE;
  // The running one may be dialing, which answers no message until it ends.
  return SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, kAnswerMs,
                             &taken) &&
         taken;
}

}  // namespace

Handoff HandNumberToRunningTonvero(const std::string& number) {
  HWND running = FindWindowA(TONVERO_CLASS_MAIN, nullptr);
  if (!running) return Handoff::kNoneRunning;
  COPYDATASTRUCT data{kNumberHandoff, static_cast<DWORD>(number.size()), const_cast<char*>(number.data())};
  return Hand(running, data) ? Handoff::kTaken : Handoff::kRefused;
}

Handoff HandStartToRunningTonvero(const std::string& dbBase) {
  std::vector<HWND> running;
  EnumWindows(CollectMainWindow, reinterpret_cast<LPARAM>(&running));
  std::string identity = DatabaseIdentity(dbBase);
  const COPYDATASTRUCT data{kStartHandoff, static_cast<DWORD>(identity.size()), identity.data()};
  for (HWND window : running) {
    if (Hand(window, data)) return Handoff::kTaken;
  }
  return Handoff::kNoneRunning;
}

bool IsStartFor(const COPYDATASTRUCT& data, const std::string& dbBase) {
  if (data.dwData != kStartHandoff || !data.lpData || data.cbData > 32768) return false;
  return std::string(static_cast<const char*>(data.lpData), data.cbData) == DatabaseIdentity(dbBase);
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
